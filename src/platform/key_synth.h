#pragma once
#include <cstdint>
#include <vector>

// Key synthesis in the terms the key-sequence table is written in: Windows virtual-key numbers,
// the shift state that a character needs, and scan codes. The table logic drives a KeySink, so
// it can be checked against a recording sink as well as the real X server.

struct KeyScanResult {
    std::uint8_t vk;         // virtual key of the character's key; 255 when the map lacks it
    std::uint8_t shiftState; // 1 Shift, 2 Ctrl, 4 Alt (6 = AltGr); 255 when the map lacks it
};

class KeySink {
public:
    virtual ~KeySink() = default;

    // Called before the first key of a sequence; the keyboard map is read here.
    virtual void beginSequence() {}
    // Called after beginSequence with every character the sequence types, before its first key:
    // a sink that changes the keyboard map for some of them does it here, all at once, so that no
    // map change overtakes a key that the focused program has yet to look up.
    virtual void prepareCharacters(const std::vector<std::uint8_t>&) {}
    // Called after the last key of a sequence, also when it ends early: releases every key
    // and modifier that is still held and undoes any keyboard group switch.
    virtual void endSequence() {}
    // True once a key did not reach the desktop (refused, unanswered, the session gone): the
    // sequence stops there, and endSequence releases what it pressed.
    virtual bool failed() const { return false; }

    virtual void keyDown(std::uint8_t vk, std::uint8_t scan) = 0;
    virtual void keyUp(std::uint8_t vk, std::uint8_t scan) = 0;
    virtual KeyScanResult VkKeyScan(std::uint8_t character) = 0;
    virtual std::uint8_t MapVirtualKey(std::uint8_t vk) = 0;
};

// Virtual-key numbers used by the key table.
namespace vk {
constexpr std::uint8_t Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Menu = 18,
                       Escape = 27, Space = 32, Prior = 33, Next = 34, End = 35, Home = 36,
                       Left = 37, Up = 38, Right = 39, Down = 40, Insert = 45, Delete = 46,
                       F1 = 112, F12 = 123, Unmapped = 255;
}

// The keys of a character for sinks that name keys by keysym rather than by the user's layout
// (the Wayland desktops): letters with Shift for capitals, digits, blank, Tab and line ends; the
// rest is missing.
inline KeyScanResult KeysymKeyScan(std::uint8_t c) {
    if (c >= 'a' && c <= 'z')
        return {std::uint8_t(c - 'a' + 'A'), 0};
    if ((c >= 'A' && c <= 'Z'))
        return {c, 1};
    if ((c >= '0' && c <= '9') || c == vk::Space || c == vk::Tab)
        return {c, 0};
    if (c == '\r' || c == '\n')
        return {vk::Return, 0};
    return {vk::Unmapped, vk::Unmapped};
}
