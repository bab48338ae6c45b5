#pragma once
#include "platform/desktop.h"

// The desktop the program talks to: the X11 one unless start-up or a test chose another.
Desktop& CurrentDesktop();

// Makes `desktop` the current one (not owned; it must outlive its use); null returns to X11.
void SetCurrentDesktop(Desktop* desktop);
