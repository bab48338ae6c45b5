#pragma once
#include <functional>

// Processes pending events until `condition` holds or `timeoutMs` milliseconds have passed;
// returns the condition. Safe without an application object (it then only waits).
bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 20000);
