#pragma once
// A key sink that records what a key sequence sends instead of typing it; used by the key-sequence
// tests and the key-sequence fuzz target.
#include "platform/key_synth.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

// A US keyboard in virtual-key terms, written out independently of the code under test.
// Scan codes are a fixed function of the virtual key (so that the automatic Shift's fixed 42 is
// told apart from Shift's own scan code, 16 * 3 + 1 = 49).
class RecordingSink : public KeySink {
public:
    RecordingSink() {
        for (char c = 'a'; c <= 'z'; ++c) {
            map_[static_cast<std::uint8_t>(c)] = {static_cast<std::uint8_t>(c - 'a' + 'A'), 0};
            map_[static_cast<std::uint8_t>(c - 'a' + 'A')] = {
                static_cast<std::uint8_t>(c - 'a' + 'A'), 1};
        }
        const char* shiftedDigits = ")!@#$%^&*(";
        for (int d = 0; d < 10; ++d) {
            map_[static_cast<std::uint8_t>('0' + d)] = {static_cast<std::uint8_t>('0' + d), 0};
            map_[static_cast<std::uint8_t>(shiftedDigits[d])] = {static_cast<std::uint8_t>('0' + d),
                                                                 1};
        }
        const struct {
            char plain, shifted;
            std::uint8_t vk;
        } oem[] = {{';', ':', 0xBA},  {'=', '+', 0xBB}, {',', '<', 0xBC}, {'-', '_', 0xBD},
                   {'.', '>', 0xBE},  {'/', '?', 0xBF}, {'`', '~', 0xC0}, {'[', '{', 0xDB},
                   {'\\', '|', 0xDC}, {']', '}', 0xDD}, {'\'', '"', 0xDE}};
        for (const auto& key : oem) {
            map_[static_cast<std::uint8_t>(key.plain)] = {key.vk, 0};
            map_[static_cast<std::uint8_t>(key.shifted)] = {key.vk, 1};
        }
        map_[' '] = {0x20, 0};
        map_[0x80] = {'E', 6}; // the euro sign, on AltGr+E as on a German keyboard
    }

    void beginSequence() override { events.push_back("begin"); }
    void endSequence() override { events.push_back("end"); }
    void keyDown(std::uint8_t vk, std::uint8_t scan) override { Record("down", vk, scan); }
    void keyUp(std::uint8_t vk, std::uint8_t scan) override { Record("up", vk, scan); }
    KeyScanResult VkKeyScan(std::uint8_t character) override {
        auto it = map_.find(character);
        return it == map_.end() ? KeyScanResult{255, 255} : it->second;
    }
    std::uint8_t MapVirtualKey(std::uint8_t vk) override {
        return static_cast<std::uint8_t>(vk * 3 + 1);
    }

    // The key events only, without begin and end.
    std::vector<std::string> keys() const {
        std::vector<std::string> result;
        for (const auto& e : events) {
            if (e != "begin" && e != "end")
                result.push_back(e);
        }
        return result;
    }

    std::vector<std::string> events;
    std::function<void()> onKey;

private:
    void Record(const char* what, std::uint8_t vk, std::uint8_t scan) {
        events.push_back(std::string(what) + " " + std::to_string(vk) + "/" + std::to_string(scan));
        if (onKey)
            onKey();
    }

    std::map<std::uint8_t, KeyScanResult> map_;
};
