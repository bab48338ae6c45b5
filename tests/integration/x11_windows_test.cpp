#include "platform/x11/x11_windows.h"

#include "integration/dialog_keys.h"
#include "integration/key_sequence.h"
#include "integration/target_window.h"
#include "integration/x11_test_env.h"
#include "platform/x11/global_hotkey.h"
#include "platform/x11/x11_desktop.h"

#include <QApplication>
#include <QProcess>
#include <gtest/gtest.h>
#include <memory>

namespace {

X11Desktop desktop;

// Sends keys through the XTest extension from another client, as a user's keyboard would.
void PressKeysExternally(const QStringList& keys) {
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), QStringList{"key"} + keys);
    WaitUntil([&] { return xdotool.state() == QProcess::NotRunning; });
}

TEST(FindWindowByClass, MatchesClassOrInstanceWithoutRegardToCase) {
    TargetClient client(QStringLiteral("MailWriter"), {"--instance", "writer-main"});
    ASSERT_TRUE(client.started());
    EXPECT_EQ(FindTopLevelWindowByClass("MailWriter"), client.window());
    EXPECT_EQ(FindTopLevelWindowByClass("MAILWRITER"), client.window());
    EXPECT_EQ(FindTopLevelWindowByClass("Writer-Main"), client.window());
    EXPECT_EQ(FindTopLevelWindowByClass("MailWrite"), 0u);
    EXPECT_EQ(FindTopLevelWindowByClass(""), 0u);
}

TEST(FindWindowByClass, OnlyTheFirst255CharactersCount) {
    const QByteArray longName(255, 'K');
    TargetClient client(QString::fromLatin1(longName));
    ASSERT_TRUE(client.started());
    EXPECT_EQ(FindTopLevelWindowByClass(longName + "tail that the platform never sees"),
              client.window());
    EXPECT_EQ(FindTopLevelWindowByClass(longName.left(254)), 0u);
}

TEST(FindWindowByClass, TopmostOfSeveralAndNeverAHiddenWindow) {
    TargetClient hidden(QStringLiteral("Twin"), {"--withdrawn"});
    ASSERT_TRUE(hidden.started());
    EXPECT_EQ(FindTopLevelWindowByClass("Twin"), 0u);

    TargetClient first(QStringLiteral("Twin"));
    ASSERT_TRUE(first.started());
    TargetClient second(QStringLiteral("Twin"));
    ASSERT_TRUE(second.started());
    ASSERT_TRUE(second.waitForLine("MAPPED"));
    EXPECT_EQ(FindTopLevelWindowByClass("Twin"), second.window());
    BringTopLevelWindowToTop(first.window());
    EXPECT_EQ(FindTopLevelWindowByClass("Twin"), first.window());
}

TEST(ActivateWindow, BringsAWindowForwardWithTheFocus) {
    auto a = std::make_unique<TargetClient>(QStringLiteral("FocusA"));
    TargetClient b(QStringLiteral("FocusB"));
    ASSERT_TRUE(a->started());
    ASSERT_TRUE(b.started());
    ActivateWindow(desktop, a->window());
    EXPECT_TRUE(WindowHasInputFocus(a->window()));
    EXPECT_TRUE(a->waitForLine("FOCUS in"));
    ActivateWindow(desktop, b.window());
    EXPECT_TRUE(WindowHasInputFocus(b.window()));
    EXPECT_FALSE(WindowHasInputFocus(a->window()));
    EXPECT_FALSE(IsWindowIconic(b.window()));
    // A window that has gone away is no error.
    const NativeWindow gone = a->window();
    a.reset();
    WaitUntil([&] { return FindTopLevelWindowByClass("FocusA") == 0; });
    ActivateWindow(desktop, gone);
    EXPECT_FALSE(WindowHasInputFocus(gone));
    EXPECT_FALSE(IsWindowIconic(gone));
}

TEST(ActivateWindow, RestoresAMinimisedWindow) {
    TargetClient client(QStringLiteral("Sleeper"), {"--iconic"});
    ASSERT_TRUE(client.started());
    EXPECT_EQ(FindTopLevelWindowByClass("sleeper"), client.window());
    ASSERT_TRUE(IsWindowIconic(client.window()));
    ActivateWindow(desktop, client.window());
    EXPECT_TRUE(client.waitForLine("MAPPED"));
    EXPECT_TRUE(client.waitForLine("FOCUS in"));
    EXPECT_FALSE(IsWindowIconic(client.window()));
}

TEST(ActivateWindow, HiddenStateCountsAsMinimised) {
    TargetClient client(QStringLiteral("HiddenOne"), {"--hidden-state"});
    ASSERT_TRUE(client.started());
    ASSERT_TRUE(client.waitForLine("MAPPED"));
    EXPECT_TRUE(IsWindowIconic(client.window()));
    ActivateWindow(desktop, client.window());
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
        EXPECT_EQ(FindTopLevelWindowByClass("managed"), lower.window());
        ActivateWindow(desktop, upper.window());
        EXPECT_TRUE(
            manager.waitForLine(QStringLiteral("WM ACTIVATE 0x%1").arg(upper.window(), 0, 16)));
        EXPECT_TRUE(WindowHasInputFocus(upper.window()));
        EXPECT_EQ(FindTopLevelWindowByClass("managed"), upper.window());
    }
    // A manager that has gone leaves its announcement behind: the X stacking order counts again
    // (the activation raised `upper` there too).
    EXPECT_TRUE(WaitUntil([&] { return FindTopLevelWindowByClass("managed") == upper.window(); }));
}

TEST(DialogKeys, DialogThatOpensWithoutTheFocusGetsItBeforeItsKeys) {
    // Without a window manager nobody gives a new dialog the focus.
    TargetClient client(QStringLiteral("DialogWriter"), {"--dialog"});
    ASSERT_TRUE(client.started());
    ASSERT_TRUE(ActivateWindow(desktop, client.window()));
    EXPECT_EQ(SendDialogKeys(desktop, client.window(), "\xFC\xFAv\xFB\xFD", "h\r", "\xFCv\xFD"),
              DialogKeysResult::Typed);
    ASSERT_TRUE(client.waitForLine("DIALOG closed")) << client.lines().join('\n').toStdString();
    QStringList dialogKeys;
    for (const QStringList& key : client.keys()) {
        if (key.value(5) != "dialog")
            EXPECT_NE(key[1], "h") << "typed into the document";
        else if (key[0] == "press")
            dialogKeys.append(key[1]);
    }
    EXPECT_EQ(dialogKeys, (QStringList{"h", "Return"}));
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

// The X11 key sink's end of a sequence releases what the definition left held.
TEST(X11KeySink, ModifierLeftPressedByTheDefinitionIsReleased) {
    TargetClient client(QStringLiteral("HeldModifiers"));
    ASSERT_TRUE(client.started());
    ActivateWindow(desktop, client.window());
    SendKeySequence(desktop, QByteArray("\xFC\xFEx", 3)); // Ctrl and Alt down, x, never released
    ASSERT_TRUE(WaitUntil([&] { return client.keys().size() >= 6; }));
    QStringList names;
    for (const QStringList& key : client.keys())
        names.append(key[0] + ' ' + key[1]);
    const QStringList expected = {"press Control_L", "press Alt_L",   "press x",
                                  "release x",       "release Alt_L", "release Control_L"};
    EXPECT_EQ(names, expected);
}

} // namespace

int main(int argc, char** argv) {
    // The window helpers' own cases: on the bare X server, with a stand-in manager where one is
    // wanted; the insertion suites exercise them under openbox.
    return RunTestsOnPrivateXServer(argc, argv, PrivateDesktop::Kind::Bare);
}
