#pragma once
#include <cstdint>
#include <functional>

// Milliseconds of a monotonic clock as an unsigned 32-bit count. It wraps around after about 49.7
// days; callers compare readings by unsigned difference, which stays right across the wrap.
uint32_t GetTickCount();

// Replaces the clock, so that tests can place readings around the wrap-around. An empty function
// restores the real clock.
void SetTickSource(std::function<uint32_t()> source);
