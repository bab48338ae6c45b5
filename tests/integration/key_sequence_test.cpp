#include "integration/key_sequence.h"

#include "platform/key_synth.h"
#include "platform/tick_count.h"
#include "support/recording_key_sink.h"

#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::string Event(const char* what, int vk) {
    return std::string(what) + " " + std::to_string(vk) + "/" + std::to_string((vk * 3 + 1) & 0xFF);
}
std::string Down(int vk) {
    return Event("down", vk);
}
std::string Up(int vk) {
    return Event("up", vk);
}
std::vector<std::string> Press(int vk) {
    return {Down(vk), Up(vk)};
}
const std::string kAutoShiftDown = "down 16/42";
const std::string kAutoShiftUp = "up 16/42";

std::vector<std::string> Send(const QByteArray& keys) {
    RecordingSink sink;
    SendKeySequence(keys, sink);
    return sink.keys();
}

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray bytes;
    for (int v : values)
        bytes.append(static_cast<char>(v));
    return bytes;
}

TEST(KeyTable, BytesBelow32PressTheVirtualKeyOfThatNumber) {
    for (int b = 0; b < 32; ++b)
        EXPECT_EQ(Send(Bytes({b})), Press(b)) << "byte " << b;
}

TEST(KeyTable, CharactersUseTheLayoutsKeyWithShiftWhereNeeded) {
    EXPECT_EQ(Send("a"), Press('A'));
    EXPECT_EQ(Send(" "), Press(0x20));
    EXPECT_EQ(Send("7"), Press('7'));
    EXPECT_EQ(Send(";"), Press(0xBA));
    std::vector<std::string> shifted{kAutoShiftDown, Down('1'), Up('1'), kAutoShiftUp};
    EXPECT_EQ(Send("!"), shifted);
    shifted = {kAutoShiftDown, Down(0xDE), Up(0xDE), kAutoShiftUp};
    EXPECT_EQ(Send("\""), shifted);
}

TEST(KeyTable, EveryCharacterByteFollowsTheLayout) {
    RecordingSink layout;
    for (int b = 32; b < 228; ++b) {
        const KeyScanResult scan = layout.VkKeyScan(static_cast<std::uint8_t>(b));
        std::vector<std::string> expected = Press(scan.vk);
        if (scan.shiftState != 0) {
            expected.insert(expected.begin(), kAutoShiftDown);
            expected.push_back(kAutoShiftUp);
        }
        EXPECT_EQ(Send(Bytes({b})), expected) << "byte " << b;
    }
}

TEST(KeyTable, CharacterNeedingAltGrOrMissingFromTheLayoutGetsShiftAlone) {
    std::vector<std::string> euro{kAutoShiftDown, Down('E'), Up('E'), kAutoShiftUp};
    EXPECT_EQ(Send(Bytes({0x80})), euro);
    // 227 is on no key of the layout: virtual key 255 with Shift.
    std::vector<std::string> missing{kAutoShiftDown, Down(255), Up(255), kAutoShiftUp};
    EXPECT_EQ(Send(Bytes({227})), missing);
}

TEST(KeyTable, FunctionAndEditingKeys) {
    for (int b = 228; b <= 239; ++b)
        EXPECT_EQ(Send(Bytes({b})), Press(b - 116)) << "byte " << b;
    EXPECT_EQ(Send(Bytes({228})), Press(112)); // F1
    EXPECT_EQ(Send(Bytes({239})), Press(123)); // F12
    const int named[10] = {36, 35, 38, 40, 37, 39, 33, 34, 45, 46};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(Send(Bytes({240 + i})), Press(named[i])) << "byte " << 240 + i;
    EXPECT_EQ(Send("\t"), Press(9));
}

TEST(KeyTable, ModifierBytesPressOrReleaseOnly) {
    const int keys[3] = {16, 17, 18};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Send(Bytes({250 + 2 * i})), std::vector<std::string>{Down(keys[i])});
        EXPECT_EQ(Send(Bytes({251 + 2 * i})), std::vector<std::string>{Up(keys[i])});
    }
}

TEST(ModifierHeld, CtrlVSendsNoShiftWhateverTheLetterCase) {
    const std::vector<std::string> ctrlV{Down(17), Down('V'), Up('V'), Up(17)};
    EXPECT_EQ(Send(Bytes({252, 118, 253})), ctrlV);
    EXPECT_EQ(Send(Bytes({252, 'V', 253})), ctrlV);
}

TEST(ModifierHeld, ShiftByteIsTheOnlyShiftForAShiftedCharacter) {
    const std::vector<std::string> expected{Down(16), Down('A'), Up('A'), Up(16)};
    EXPECT_EQ(Send(Bytes({250, 65, 251})), expected);
}

TEST(ModifierHeld, AutomaticShiftEndsWithEachCharacter) {
    const std::vector<std::string> expected{kAutoShiftDown, Down('A'), Up('A'),
                                            kAutoShiftUp,   Down('B'), Up('B')};
    EXPECT_EQ(Send("Ab"), expected);
}

TEST(ModifierHeld, IsOneFlagNotACount) {
    // Ctrl and Alt down, Ctrl up: Alt is still held, yet the flag is clear and 'A' gets Shift.
    const std::vector<std::string> expected{Down(17),  Down(18), Up(17),       kAutoShiftDown,
                                            Down('A'), Up('A'),  kAutoShiftUp, Up(18)};
    EXPECT_EQ(Send(Bytes({252, 254, 253, 'A', 255})), expected);
}

TEST(SendKeySequence, EmptySequenceSendsNothing) {
    RecordingSink sink;
    SendKeySequence(QByteArray(), sink);
    EXPECT_TRUE(sink.events.empty());
}

TEST(SendKeySequence, SequenceIsClosedAlsoWhenItEndsEarly) {
    RecordingSink sink;
    sink.onKey = [&] {
        if (sink.events.size() == 3)
            throw std::runtime_error("display gone");
    };
    EXPECT_THROW(SendKeySequence(Bytes({252, 'v', 253}), sink), std::runtime_error);
    EXPECT_EQ(sink.events.front(), "begin");
    EXPECT_EQ(sink.events.back(), "end");
}

TEST(SendKeySequence, ProcessesEventsAfterEveryByte) {
    RecordingSink sink;
    int delivered = 0;
    std::vector<int> seenAtKeyDown;
    sink.onKey = [&] {
        if (sink.events.back().rfind("down", 0) == 0) {
            seenAtKeyDown.push_back(delivered);
            // Delivered only when the sequence processes pending events.
            QTimer::singleShot(0, [&] { ++delivered; });
        }
    };
    SendKeySequence("abc", sink);
    EXPECT_EQ(seenAtKeyDown, (std::vector<int>{0, 1, 2}));
}

class WaitMillisecondsTest : public ::testing::Test {
protected:
    void TearDown() override { SetTickSource({}); }

    // A clock that advances by `step` at every reading, starting at `start`.
    std::uint32_t Wait(std::uint32_t start, std::uint32_t step, std::int32_t ms) {
        std::uint32_t now = start;
        readings = 0;
        SetTickSource([&, step] {
            ++readings;
            const std::uint32_t value = now;
            now += step;
            return value;
        });
        WaitMilliseconds(ms);
        return now - step - start; // the last reading, relative to the first
    }

    int readings = 0;
};

TEST_F(WaitMillisecondsTest, LastsTheTimeAtEveryCounterValueAndAcrossTheWrapAround) {
    for (std::uint32_t start : {0u, 0x7FFFFF00u, 0x80000000u, 0xFFFFFF00u, 0xFFFFFFFFu}) {
        const std::uint32_t elapsed = Wait(start, 7, 500);
        EXPECT_GE(elapsed, 500u) << start;
        EXPECT_LT(elapsed, 507u) << start;
    }
}

TEST_F(WaitMillisecondsTest, ZeroOrLessReturnsAfterOnePass) {
    int delivered = 0;
    QTimer::singleShot(0, [&] { ++delivered; });
    Wait(0xFFFFFFF0u, 1000, 0);
    EXPECT_EQ(delivered, 1);
    EXPECT_EQ(readings, 1);
    Wait(5, 1000, -20);
    EXPECT_EQ(readings, 1);
}

TEST_F(WaitMillisecondsTest, RealClockWaitsAtLeastTheTime) {
    SetTickSource({});
    const std::uint32_t before = GetTickCount();
    WaitMilliseconds(60);
    EXPECT_GE(static_cast<std::uint32_t>(GetTickCount() - before), 60u);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
