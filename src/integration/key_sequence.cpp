#include "integration/key_sequence.h"

#include "platform/desktop.h"
#include "platform/key_synth.h"
#include "platform/tick_count.h"

#include <QCoreApplication>
#include <QThread>

namespace {

// Bytes 240 to 249.
constexpr std::uint8_t kNamedKeys[10] = {vk::Home,  vk::End,   vk::Up,   vk::Down,   vk::Left,
                                         vk::Right, vk::Prior, vk::Next, vk::Insert, vk::Delete};

// The automatic Shift in front of a character carries this fixed scan code.
constexpr std::uint8_t kShiftScan = 42;

// Ends the sequence on every path, so that nothing stays held.
class SequenceScope {
public:
    explicit SequenceScope(KeySink& sink) : sink_(sink) { sink_.beginSequence(); }
    ~SequenceScope() { sink_.endSequence(); }
    SequenceScope(const SequenceScope&) = delete;
    SequenceScope& operator=(const SequenceScope&) = delete;

private:
    KeySink& sink_;
};

} // namespace

void ProcessPendingEvents() {
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

bool SendKeySequence(const QByteArray& keys, KeySink& sink) {
    if (keys.isEmpty())
        return true;
    SequenceScope scope(sink);
    std::vector<std::uint8_t> characters;
    for (char byte : keys) {
        const auto b = static_cast<std::uint8_t>(byte);
        if (b >= 32 && b < 228)
            characters.push_back(b);
    }
    sink.prepareCharacters(characters);
    bool ModifierHeld = false;
    for (char byte : keys) {
        const auto b = static_cast<std::uint8_t>(byte);
        if (b >= 250) {
            const std::uint8_t key = b < 252 ? vk::Shift : b < 254 ? vk::Control : vk::Menu;
            if (b % 2 == 0) {
                sink.keyDown(key, sink.MapVirtualKey(key));
                ModifierHeld = true;
            } else {
                sink.keyUp(key, sink.MapVirtualKey(key));
                ModifierHeld = false;
            }
        } else {
            std::uint8_t key = b;
            std::uint8_t shiftState = 0;
            if (b >= 32 && b < 228) {
                const KeyScanResult scan = sink.VkKeyScan(b);
                key = scan.vk;
                shiftState = scan.shiftState;
            } else if (b >= 228 && b <= 239) {
                key = static_cast<std::uint8_t>(b - 116);
            } else if (b >= 240) {
                key = kNamedKeys[b - 240];
            }
            // Only "needs a modifier" counts: a character that needs Ctrl or Alt, or that the
            // layout lacks, gets Shift alone as well.
            const bool automaticShift = shiftState != 0 && !ModifierHeld;
            if (automaticShift)
                sink.keyDown(vk::Shift, kShiftScan);
            const std::uint8_t scan = sink.MapVirtualKey(key);
            sink.keyDown(key, scan);
            sink.keyUp(key, scan);
            if (automaticShift)
                sink.keyUp(vk::Shift, kShiftScan);
        }
        if (sink.failed())
            return false;
        ProcessPendingEvents();
    }
    return true;
}

bool SendKeySequence(Desktop& desktop, const QByteArray& keys) {
    if (keys.isEmpty())
        return true;
    std::unique_ptr<KeySink> sink = desktop.createKeySink();
    if (!sink) {
        // Nowhere to type: the events are still processed as the sequence would.
        for (qsizetype i = 0; i < keys.size(); ++i)
            ProcessPendingEvents();
        return false;
    }
    return SendKeySequence(keys, *sink);
}

void WaitMilliseconds(std::int32_t ms) {
    const std::uint32_t start = GetTickCount();
    ProcessPendingEvents();
    if (ms <= 0)
        return;
    const auto wanted = static_cast<std::uint32_t>(ms);
    while (static_cast<std::uint32_t>(GetTickCount() - start) < wanted) {
        // A short pause between passes keeps the wait from spinning a processor core.
        QThread::usleep(500);
        ProcessPendingEvents();
    }
}
