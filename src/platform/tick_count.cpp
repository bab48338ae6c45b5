#include "platform/tick_count.h"

#include <chrono>

namespace {
std::function<uint32_t()>& TickSource() {
    static std::function<uint32_t()> source;
    return source;
}
} // namespace

uint32_t GetTickCount() {
    if (TickSource())
        return TickSource()();
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count();
    return static_cast<uint32_t>(static_cast<uint64_t>(ms)); // modulo 2^32
}

void SetTickSource(std::function<uint32_t()> source) {
    TickSource() = std::move(source);
}
