#include "platform/x11_windows.h"

#include "integration/key_sequence.h"
#include "integration/x11_test_env.h"
#include "platform/global_hotkey.h"

#include <QApplication>
#include <QProcess>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Sends keys through the XTest extension from another client, as a user's keyboard would.
void PressKeysExternally(const QStringList& keys) {
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), QStringList{"key"} + keys);
    WaitUntil([&] { return xdotool.state() == QProcess::NotRunning; });
}

TEST(FindWindowByClass, MatchesClassOrInstanceWithoutRegardToCase) {
    TargetClient client(QStringLiteral("MailWriter"), {"--instance", "writer-main"});
    ASSERT_TRUE(client.started());
    EXPECT_EQ(FindWindowByClass("MailWriter"), client.window());
    EXPECT_EQ(FindWindowByClass("MAILWRITER"), client.window());
    EXPECT_EQ(FindWindowByClass("Writer-Main"), client.window());
    EXPECT_EQ(FindWindowByClass("MailWrite"), 0u);
    EXPECT_EQ(FindWindowByClass(""), 0u);
}

TEST(FindWindowByClass, OnlyTheFirst255CharactersCount) {
    const QByteArray longName(255, 'K');
    TargetClient client(QString::fromLatin1(longName));
    ASSERT_TRUE(client.started());
    EXPECT_EQ(FindWindowByClass(longName + "tail that the platform never sees"), client.window());
    EXPECT_EQ(FindWindowByClass(longName.left(254)), 0u);
}

TEST(FindWindowByClass, TopmostOfSeveralAndNeverAHiddenWindow) {
    TargetClient hidden(QStringLiteral("Twin"), {"--withdrawn"});
    ASSERT_TRUE(hidden.started());
    EXPECT_EQ(FindWindowByClass("Twin"), 0u);

    TargetClient first(QStringLiteral("Twin"));
    ASSERT_TRUE(first.started());
    TargetClient second(QStringLiteral("Twin"));
    ASSERT_TRUE(second.started());
    ASSERT_TRUE(second.waitForLine("MAPPED"));
    EXPECT_EQ(FindWindowByClass("Twin"), second.window());
    BringTopLevelWindowToTop(first.window());
    EXPECT_EQ(FindWindowByClass("Twin"), first.window());
}

TEST(ActivateWindow, BringsAWindowForwardWithTheFocus) {
    auto a = std::make_unique<TargetClient>(QStringLiteral("FocusA"));
    TargetClient b(QStringLiteral("FocusB"));
    ASSERT_TRUE(a->started());
    ASSERT_TRUE(b.started());
    ActivateWindow(a->window());
    EXPECT_TRUE(WindowHasInputFocus(a->window()));
    EXPECT_TRUE(a->waitForLine("FOCUS in"));
    ActivateWindow(b.window());
    EXPECT_TRUE(WindowHasInputFocus(b.window()));
    EXPECT_FALSE(WindowHasInputFocus(a->window()));
    EXPECT_FALSE(IsWindowIconic(b.window()));
    // A window that has gone away is no error.
    const NativeWindow gone = a->window();
    a.reset();
    WaitUntil([&] { return FindWindowByClass("FocusA") == 0; });
    ActivateWindow(gone);
    EXPECT_FALSE(WindowHasInputFocus(gone));
    EXPECT_FALSE(IsWindowIconic(gone));
}

TEST(ActivateWindow, RestoresAMinimisedWindow) {
    TargetClient client(QStringLiteral("Sleeper"), {"--iconic"});
    ASSERT_TRUE(client.started());
    EXPECT_EQ(FindWindowByClass("sleeper"), client.window());
    ASSERT_TRUE(IsWindowIconic(client.window()));
    ActivateWindow(client.window());
    EXPECT_TRUE(client.waitForLine("MAPPED"));
    EXPECT_TRUE(client.waitForLine("FOCUS in"));
    EXPECT_FALSE(IsWindowIconic(client.window()));
}

TEST(ActivateWindow, HiddenStateCountsAsMinimised) {
    TargetClient client(QStringLiteral("HiddenOne"), {"--hidden-state"});
    ASSERT_TRUE(client.started());
    ASSERT_TRUE(client.waitForLine("MAPPED"));
    EXPECT_TRUE(IsWindowIconic(client.window()));
    ActivateWindow(client.window());
    EXPECT_TRUE(client.waitForLine("FOCUS in"));
}

TEST(WithWindowManager, StackingListDecidesAndActivationGoesThroughTheManager) {
    TargetClient lower(QStringLiteral("Managed"));
    TargetClient upper(QStringLiteral("Managed"));
    ASSERT_TRUE(lower.started());
    ASSERT_TRUE(upper.started());
    ASSERT_TRUE(upper.waitForLine("MAPPED"));
    // The manager's list says the other way round from the X stacking order: it wins.
    const QString stack =
        QStringLiteral("0x%1,0x%2").arg(upper.window(), 0, 16).arg(lower.window(), 0, 16);
    {
        TargetClient manager(QString(), {"--stand-in-wm", stack});
        ASSERT_TRUE(manager.waitForLine("WM READY"));
        EXPECT_EQ(FindWindowByClass("managed"), lower.window());
        ActivateWindow(upper.window());
        EXPECT_TRUE(
            manager.waitForLine(QStringLiteral("WM ACTIVATE 0x%1").arg(upper.window(), 0, 16)));
        EXPECT_TRUE(WindowHasInputFocus(upper.window()));
        EXPECT_EQ(FindWindowByClass("managed"), upper.window());
    }
    // A manager that has gone leaves its announcement behind: the X stacking order counts again
    // (the activation raised `upper` there too).
    EXPECT_TRUE(WaitUntil([&] { return FindWindowByClass("managed") == upper.window(); }));
}

TEST(GlobalHotKey, CtrlAltSActivatesAlsoWithCapsLock) {
    GlobalHotKey hotKey;
    ASSERT_TRUE(hotKey.registered());
    int activations = 0;
    QObject::connect(&hotKey, &GlobalHotKey::activated, [&] { ++activations; });
    PressKeysExternally({"ctrl+alt+s"});
    EXPECT_TRUE(WaitUntil([&] { return activations == 1; }));
    PressKeysExternally({"Caps_Lock", "ctrl+alt+s", "Caps_Lock"});
    EXPECT_TRUE(WaitUntil([&] { return activations == 2; }));
    PressKeysExternally({"ctrl+s", "alt+s"});
    WaitMilliseconds(200);
    EXPECT_EQ(activations, 2);
}

TEST(GlobalHotKey, KeyHeldByAnotherProgramIsReportedNotFatal) {
    TargetClient holder(QStringLiteral("HotKeyHolder"), {"--grab-ctrl-alt-s"});
    ASSERT_TRUE(holder.waitForLine("GRABBED"));
    GlobalHotKey hotKey;
    EXPECT_FALSE(hotKey.registered());
}

TEST(GlobalHotKey, KeyIsFreeAgainAfterDestruction) {
    {
        GlobalHotKey hotKey;
        ASSERT_TRUE(hotKey.registered());
    }
    // Another program's grab fails (and ends it) while the key is still held.
    TargetClient other(QStringLiteral("NextHolder"), {"--grab-ctrl-alt-s"});
    EXPECT_TRUE(other.waitForLine("GRABBED"));
}

} // namespace

int main(int argc, char** argv) {
    // The window helpers' own cases: on the bare X server, with a stand-in manager where one is
    // wanted; the insertion suites exercise them under openbox.
    return RunTestsOnPrivateXServer(argc, argv, PrivateDesktop::Kind::Bare);
}
