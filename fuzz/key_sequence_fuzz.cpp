// Key sequences as a definition file writes them, typed on a recording keyboard whose layout the
// input may change: every byte presses and releases exactly its key, a character's own modifiers
// are released around it, the modifier bytes press or release one modifier, and the sequence is
// opened and closed exactly once.
#include "fuzz_support.h"
#include "integration/key_sequence.h"
#include "integration/mail_defs.h"
#include "support/recording_key_sink.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <map>
#include <sstream>

namespace {

constexpr std::uint8_t kNamedKeys[10] = {vk::Home,  vk::End,   vk::Up,   vk::Down,   vk::Left,
                                         vk::Right, vk::Prior, vk::Next, vk::Insert, vk::Delete};

bool IsModifierKey(int key) {
    return key == vk::Shift || key == vk::Control || key == vk::Menu ||
           (key >= 0xA0 && key <= 0xA5);
}

// The recording keyboard with some characters moved to other keys, other shift states or off
// the layout.
class FuzzedLayoutSink : public RecordingSink {
public:
    std::map<std::uint8_t, KeyScanResult> moved;
    KeyScanResult VkKeyScan(std::uint8_t character) override {
        const auto it = moved.find(character);
        return it == moved.end() ? RecordingSink::VkKeyScan(character) : it->second;
    }
};

struct KeyEvent {
    bool down;
    int key;
    int scan;
};

KeyEvent ParseEvent(const std::string& text) {
    std::istringstream in(text);
    std::string what;
    KeyEvent event{};
    char slash = 0;
    in >> what >> event.key >> slash >> event.scan;
    FUZZ_CHECK(in && slash == '/' && (what == "down" || what == "up"));
    event.down = what == "down";
    return event;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const QByteArray text = Bytes(in.ConsumeRandomLengthString(4096));
    FuzzedLayoutSink sink;
    while (in.remaining_bytes() >= 3) {
        const auto character = in.ConsumeIntegral<std::uint8_t>();
        auto key = in.ConsumeIntegral<std::uint8_t>();
        if (IsModifierKey(key))
            key = vk::Unmapped; // no layout puts a character on a modifier key
        const auto shift = in.ConsumeIntegralInRange<std::uint8_t>(0, 7);
        sink.moved[character] = {key, shift == 7 ? std::uint8_t(255) : shift};
    }

    const QByteArray keys = DecodeKeyTokens(text);
    FUZZ_CHECK(keys.size() <= text.size());
    SendKeySequence(keys, sink);
    if (keys.isEmpty()) {
        FUZZ_CHECK(sink.events.empty());
        return 0;
    }
    FUZZ_CHECK(sink.events.size() >= 2 && sink.events.front() == "begin" &&
               sink.events.back() == "end");
    std::vector<KeyEvent> events;
    for (const std::string& e : sink.keys())
        events.push_back(ParseEvent(e));
    FUZZ_CHECK(events.size() + 2 == sink.events.size()); // begin and end once each

    size_t pos = 0;
    for (const char byte : keys) {
        const auto b = static_cast<std::uint8_t>(byte);
        FUZZ_CHECK(pos < events.size());
        if (b >= 250) {
            const int modifier = b < 252 ? vk::Shift : b < 254 ? vk::Control : vk::Menu;
            const KeyEvent& e = events[pos++];
            FUZZ_CHECK(e.down == (b % 2 == 0) && e.key == modifier &&
                       e.scan == sink.MapVirtualKey(static_cast<std::uint8_t>(modifier)));
            continue;
        }
        int key = b;
        if (b >= 32 && b < 228)
            key = sink.VkKeyScan(b).vk;
        else if (b >= 228 && b < 240)
            key = vk::F1 + (b - 228);
        else if (b >= 240)
            key = kNamedKeys[b - 240];
        // A character may bring its own modifiers; they are released again right after it.
        std::vector<KeyEvent> own;
        while (b >= 32 && b < 228 && pos < events.size() && events[pos].down &&
               IsModifierKey(events[pos].key))
            own.push_back(events[pos++]);
        FUZZ_CHECK(pos + 1 < events.size());
        const KeyEvent& down = events[pos];
        const KeyEvent& up = events[pos + 1];
        const int scan = sink.MapVirtualKey(static_cast<std::uint8_t>(key));
        FUZZ_CHECK(down.down && down.key == key && down.scan == scan);
        FUZZ_CHECK(!up.down && up.key == key && up.scan == scan);
        pos += 2;
        for (auto it = own.rbegin(); it != own.rend(); ++it, ++pos) {
            FUZZ_CHECK(pos < events.size());
            FUZZ_CHECK(!events[pos].down && events[pos].key == it->key &&
                       events[pos].scan == it->scan);
        }
    }
    FUZZ_CHECK(pos == events.size());
    return 0;
}
