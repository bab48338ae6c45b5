// On a headless GNOME (its shell, else bare mutter) with GNOME's own portals, Glimmora as a native
// Wayland client: real clicks on its page put pictures into the native Wayland program that the
// chosen definition names by its app id, one after another, with the layout of the run
// (GLIMMORA_TEST_LAYOUTS, "us" unless set); the window comes back each time it is asked for, also
// by Ctrl+Alt+S once the user approved the shortcut, and the user is asked for the keyboard once.
#include "app/forms.h"
#include "app/main_window.h"
#include "app/main_window_support.h"
#include "app/settings.h"
#include "app/startup.h"
#include "dialogs/settings_form.h"
#include "integration/insertion.h"
#include "integration/mail_defs.h"
#include "integration/translation_table.h"
#include "platform/current_desktop.h"
#include "platform/desktop.h"
#include "platform/key_synth.h"
#include "platform/portal/portal_request.h"
#include "platform/runtime_lock.h"
#include "realdesktop/asked_once.h"
#include "realdesktop/headless_mutter.h"
#include "support/line_process.h"
#include "support/test_env.h"
#include "support/wait.h"

#include <QApplication>
#include <QDBusConnectionInterface>
#include <QImage>
#include <QMessageBox>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTimer>
#include <QWebEngineView>
#include <QWindow>
#include <X11/keysym.h>
#include <gtest/gtest.h>

namespace {

HeadlessMutter* g_mutter = nullptr;
// Linux input codes: the dialogs' Alt shortcuts go by the keys' places, as under a Cyrillic layout.
constexpr int kKeyAlt = 56, kKeyA = 30, kKeyS = 31;
// Why the desktop cannot deliver Ctrl+Alt+S to Glimmora; empty where it can.
QString g_noHotKey;
const QString kAppId = QStringLiteral("org.example.Mail");
const QString kLayouts = qEnvironmentVariable("GLIMMORA_TEST_LAYOUTS", "us");

// Where the pointer last was inside a window, in the window's own coordinates: a Wayland client
// is not told where its window is, the compositor places it.
class PointerWatch : public QObject {
public:
    std::optional<QPointF> seen;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
            seen = static_cast<QSinglePointEvent*>(event)->position();
        return QObject::eventFilter(watched, event);
    }
};

// The desktop's consent dialog, as a user at the keyboard answers it (from "Remember this
// selection", where the dialog has it, to the switch "Allow remote interaction", on; then
// Alt+S, "Share", again until the button, enabled by the switch, takes it), until `granted`
// holds.
bool ApproveConsent(const std::function<bool()>& granted) {
    return WaitFor(
        [&] {
            WaitFor([] { return false; }, 1500); // the dialog comes up
            // GNOME 43's dialog, on the bare compositor and under any layout, keeps nothing:
            // "Share" is two Tabs on from the switch.
            if (!g_mutter->shell()) {
                if (!granted())
                    g_mutter->typeKeys({XK_Tab, XK_space, XK_Tab, XK_Tab, XK_Return});
                return WaitFor(granted, 5000);
            }
            if (!granted() && g_mutter->leaveOverview())
                g_mutter->typeKeys({XK_Tab, XK_space});
            return WaitFor(
                [&] {
                    g_mutter->chordKeycodes({kKeyAlt, kKeyS});
                    return WaitFor(granted, 500);
                },
                5000);
        },
        60000);
}

// GNOME Settings' dialog on a program's first global shortcut, as a user answers it (Alt+A, "Add"),
// until the desktop has bound the key.
bool ApproveShortcut(const DesktopHotKey& hotKey) {
    return WaitFor(
        [&] {
            if (!WaitFor([&] { return hotKey.registered(); }, 2000) && g_mutter->leaveOverview())
                g_mutter->chordKeycodes({kKeyAlt, kKeyA});
            return hotKey.registered();
        },
        60000);
}

// Where to look for a window on the monitor: its centre, which lies in any window that fills
// more than a quarter of it, then around it (another window may cover the centre).
QList<QPoint> LookoutPoints() {
    QList<QPoint> points;
    for (const int y : {2, 1, 3})
        for (const int x : {2, 1, 3})
            points << QPoint(HeadlessMutter::kWidth * x / 4, HeadlessMutter::kHeight * y / 4);
    return points;
}

class GnomeDesktop : public testing::Test {
protected:
    void SetUp() override {
        form = OpenMainWindowForAppIds(home, kAppId.toLatin1());
        // The desktop asks about the key at its first binding, before any test's windows are up.
        if (g_noHotKey.isEmpty()) {
            auto* hotKey = form->findChild<DesktopHotKey*>();
            ASSERT_TRUE(hotKey && ApproveShortcut(*hotKey))
                << g_mutter->session().output().toStdString();
        }
    }
    void TearDown() override { CloseMainWindow(form); }

    bool inFront() const {
        return form->isVisible() && QGuiApplication::focusWindow() == form->windowHandle();
    }
    bool outOfSight() const {
        return !form->isVisible() || form->isMinimized() || !form->windowHandle()->isExposed();
    }

    // Puts the pointer on point `local` of the main window. A Wayland client is not told where
    // its window is, and mutter may still move a window that has just come up: the pointer goes
    // where the window's last report puts that point until the window reports it there.
    bool pointAt(const QPoint& local) {
        PointerWatch watch;
        form->windowHandle()->installEventFilter(&watch);
        const QList<QPoint> starts = LookoutPoints();
        qsizetype start = 0;
        QPoint screen = starts[0];
        bool there = false;
        for (int tries = 0; tries < 40 && !there; ++tries) {
            watch.seen.reset();
            g_mutter->movePointer(screen);
            WaitFor([&] { return watch.seen.has_value(); }, 300);
            if (!watch.seen) {
                screen = starts[++start % starts.size()];
                continue;
            }
            const QPoint off = local - watch.seen->toPoint();
            there = off.manhattanLength() <= 1;
            screen += off;
        }
        form->windowHandle()->removeEventFilter(&watch);
        return there;
    }

    // Gives the target the keyboard as a user does, with a click on it, where it did not get it
    // as it came up (mutter 50 gives a new window the keyboard only with an activation token).
    bool focus(LineProcess& target) {
        if (target.waitForLine("FOCUS in", 3000))
            return true;
        for (const QPoint& point : LookoutPoints()) {
            g_mutter->movePointer(point);
            g_mutter->click();
            if (target.waitForLine("FOCUS in", 1000))
                return true;
        }
        return false;
    }

    // Brings the window up as the hot key does, then clicks the picture on its page.
    ::testing::AssertionResult clickPicture() {
        if (!form->isVisible() || form->isMinimized() || !form->windowHandle()->isExposed())
            form->WMHotKey();
        if (!WaitFor([&] { return form->windowHandle()->isExposed(); }, 10000))
            return ::testing::AssertionFailure() << "the window did not come back";
        form->SelectStartCategory();
        if (!WaitForPageLoaded(form->WebBrowser1))
            return ::testing::AssertionFailure() << "the page did not load";
        int index = -1;
        if (!WaitFor([&] {
                index = int(PageImageSources(form->WebBrowser1)
                                .indexOf(QUrl::fromLocalFile(picture).toString()));
                return index >= 0;
            }))
            return ::testing::AssertionFailure() << "the picture is not on the page";
        const std::optional<QPoint> centre = PictureCentre(form->WebBrowser1, index);
        if (!centre)
            return ::testing::AssertionFailure() << "the picture is not on the page's screen";
        // As a hand does: onto the picture first, then the click.
        if (!pointAt(form->WebBrowser1->mapTo(form, *centre)) || !g_mutter->click())
            return ::testing::AssertionFailure() << "the pointer did not reach the picture";
        return ::testing::AssertionSuccess();
    }

    TempHome home;
    const QString picture = WaylandTestPicture(home);
    TForm1* form = nullptr;
};

TEST_F(GnomeDesktop, TwentyClicksLandTwentyPicturesWithNoKeyHeld) {
    ASSERT_EQ(CurrentDesktop().name(), "portal");
    LineProcess target(GLIMMORA_WAYLAND_TARGET_CLIENT, {kAppId},
                       g_mutter->clientEnvironment(QProcessEnvironment::systemEnvironment()));
    ASSERT_TRUE(target.waitForLine("READY"));
    ASSERT_TRUE(focus(target)) << target.lines().join('\n').toStdString();
    ASSERT_TRUE(g_mutter->useLayouts());
    // The layout is in force: the key of V gives the Cyrillic em under the Russian one. (Typed
    // again until the target, just up, has the keyboard.)
    constexpr int kKeyV = 47;
    const QString expected = kLayouts.startsWith("ru") ? "UP 6cd" : "UP 76";
    ASSERT_TRUE(WaitFor(
        [&] {
            g_mutter->typeKeycode(kKeyV);
            return target.waitForLine(expected, 500);
        },
        10000))
        << target.lines().join('\n').toStdString();
    const int typedBefore = int(target.lines().size()) - 1; // the last is the line to come

    constexpr int kClicks = 20;
    const auto pastes = [&] { return int(target.lines().count("PASTE png 40x30")); };
    // What Glimmora says when nothing lands, read and closed as a user does.
    QStringList said;
    QTimer messages;
    QObject::connect(&messages, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            said << box->text();
            box->accept();
        }
    });
    messages.start(200);
    for (int click = 0, missed = 0; click < kClicks && missed < 3; ++click) {
        const int before = pastes();
        said.clear();
        ASSERT_TRUE(clickPicture()) << "click " << click + 1;
        const bool landed = WaitFor([&] { return pastes() > before || !said.isEmpty(); }, 30000) &&
                            pastes() > before;
        std::printf("click %d: %s\n", click + 1,
                    landed ? "landed" : qPrintable("nothing pasted " + said.join(' ')));
        missed = landed ? 0 : missed + 1;
        ASSERT_TRUE(WaitFor([] { return !InsertionRunning(); }));
    }
    // The last paste and the last key releases may still be on their way: each click gives four
    // presses and four releases.
    const auto released = [&] {
        return target.lines().mid(typedBefore).filter(QRegularExpression("^UP ")).size() >=
               4 * kClicks;
    };
    WaitFor([&] { return pastes() >= kClicks && released(); }, 30000);
    const int landed = pastes();
    const QStringList lines = target.lines().mid(typedBefore);
    std::printf("%d of %d pictures landed\n", landed, kClicks);
    EXPECT_EQ(landed, kClicks) << lines.join('\n').toStdString();

    // Every press released, and nothing typed but the definition's keys: Alt+O and Ctrl+V, which
    // under the Russian layout are the keys of O and V as a hand presses them (the program
    // finds its shortcuts through the Latin layout beside it).
    const QStringList definitionKeys = kLayouts.startsWith("ru")
                                           ? QStringList{"ffe9", "ffe3", "6dd", "6cd"}
                                           : QStringList{"ffe9", "ffe3", "6f", "76"};
    QMap<QString, int> held;
    QStringList strays;
    for (const QString& line : lines) {
        const QStringList parts = line.split(' ');
        if (parts.value(0) == "KEY")
            ++held[parts.value(1)];
        else if (parts.value(0) == "UP")
            --held[parts.value(1)];
        else
            continue;
        if (!definitionKeys.contains(parts.value(1)))
            strays << line;
    }
    for (auto it = held.begin(); it != held.end(); ++it)
        EXPECT_EQ(it.value(), 0) << "key " << it.key().toStdString() << " left held";
    EXPECT_TRUE(strays.isEmpty()) << strays.join('\n').toStdString();
    EXPECT_EQ(lines.filter(QRegularExpression("^KEY ")).size(), 4 * kClicks);
}

TEST_F(GnomeDesktop, ToggleLaunchedAfterAnInsertionShowsTheWindowAgain) {
    LineProcess target(GLIMMORA_WAYLAND_TARGET_CLIENT, {kAppId},
                       g_mutter->clientEnvironment(QProcessEnvironment::systemEnvironment()));
    ASSERT_TRUE(target.waitForLine("READY"));
    ASSERT_TRUE(focus(target)) << target.lines().join('\n').toStdString();
    ASSERT_TRUE(clickPicture());
    ASSERT_TRUE(target.waitForLine("PASTE done", 15000)) << target.lines().join('\n').toStdString();
    ASSERT_TRUE(WaitFor([] { return !InsertionRunning(); }));

    // The running instance, as far as "/toggle" reaches it.
    RuntimeLock running;
    ASSERT_TRUE(running.held());
    RequestWatcher watcher({"Glimmora_ShowOrHide"});
    QProcess toggle;
    toggle.setProcessEnvironment(
        g_mutter->clientEnvironment(QProcessEnvironment::systemEnvironment()));
    toggle.start(BuiltProgramDir() + "glimmora", {"/toggle"});
    EXPECT_TRUE(WaitFor(
        [&] {
            TakeToggleRequests();
            return toggle.state() == QProcess::NotRunning;
        },
        20000));
    EXPECT_EQ(toggle.exitCode(), 0);
    EXPECT_TRUE(WaitFor(
        [&] {
            TakeToggleRequests();
            return form->isVisible() && QGuiApplication::focusWindow() == form->windowHandle();
        },
        10000));
}

TEST_F(GnomeDesktop, ToggleOnACoveredWindowBringsItForward) {
    form->show();
    ASSERT_TRUE(WaitFor([&] { return QGuiApplication::focusWindow() == form->windowHandle(); }));
    LineProcess target(GLIMMORA_WAYLAND_TARGET_CLIENT, {kAppId},
                       g_mutter->clientEnvironment(QProcessEnvironment::systemEnvironment()));
    ASSERT_TRUE(target.waitForLine("READY"));
    ASSERT_TRUE(focus(target)) << target.lines().join('\n').toStdString();
    ASSERT_TRUE(WaitFor([] { return QGuiApplication::focusWindow() == nullptr; }));

    form->WMHotKey();
    EXPECT_TRUE(WaitFor([&] { return inFront(); }));
}

// Ctrl+Alt+S as the desktop delivers it (bound through the global-shortcuts portal, approved by
// the user in GNOME Settings' dialog) shows the hidden window, and hides it again when in front.
TEST_F(GnomeDesktop, CtrlAltSTogglesTheWindow) {
    if (!g_noHotKey.isEmpty())
        GTEST_SKIP() << g_noHotKey.toStdString();
    ASSERT_TRUE(outOfSight());
    ASSERT_TRUE(g_mutter->chord({XK_Control_L, XK_Alt_L, XK_s}));
    EXPECT_TRUE(WaitFor([&] { return inFront(); })) << g_mutter->session().output().toStdString();
    ASSERT_TRUE(g_mutter->chord({XK_Control_L, XK_Alt_L, XK_s}));
    EXPECT_TRUE(WaitFor([&] { return outOfSight(); }));
}

// Qt draws the window's frame itself on GNOME: hidden and shown again, the window must not grow or
// shrink by it.
TEST_F(GnomeDesktop, HiddenAndShownTenTimesTheWindowKeepsItsSize) {
    form->WMHotKey();
    ASSERT_TRUE(WaitFor([&] { return inFront() && form->windowHandle()->isExposed(); }));
    const QSize size = form->size();
    const QSize frame = form->frameGeometry().size();
    for (int round = 1; round <= 10; ++round) {
        // A press right after the window came back can still be overtaken by the activation of
        // that coming back, on a busy machine: the window stays, and the user presses again.
        ASSERT_TRUE(WaitFor(
            [&] {
                if (inFront())
                    form->WMHotKey();
                return WaitFor([&] { return outOfSight(); }, 3000);
            },
            20000))
            << "round " << round;
        form->WMHotKey();
        ASSERT_TRUE(WaitFor([&] { return inFront() && form->windowHandle()->isExposed(); }))
            << "round " << round;
        EXPECT_EQ(form->size(), size) << "round " << round;
        EXPECT_EQ(form->frameGeometry().size(), frame) << "round " << round;
    }
}

// At the first start the desktop's consent dialog is where the user can answer it: Glimmora's
// windows do not come up over it.
TEST_F(GnomeDesktop, FirstStartAsksForConsentInSight) {
    const QProcessEnvironment env =
        g_mutter->clientEnvironment(QProcessEnvironment::systemEnvironment());
    // The portal's answer to Start carries the devices granted.
    LineProcess answers("dbus-monitor",
                        {"--address", g_mutter->session().busAddress(),
                         "type='signal',interface='org.freedesktop.portal.Request',"
                         "member='Response'"},
                        env);
    ASSERT_TRUE(WaitFor([&] { return answers.lines().filter("NameAcquired").size() > 0; }));
    LineProcess glimmora(BuiltProgramDir() + "glimmora", {}, env);
    EXPECT_TRUE(ApproveConsent([&] { return !answers.lines().filter("\"devices\"").isEmpty(); }))
        << answers.lines().join('\n').toStdString();
}

// Where the portal keeps a permission (remote-desktop version 2 on), the user is asked once: the
// first start shows the consent dialog, the next starts (each after the one before has quit) get
// the keyboard without it. The restore token stays the user's own.
TEST_F(GnomeDesktop, ConsentIsAskedAtTheFirstStartOnly) {
    if (PortalVersion(PortalConnection(), "org.freedesktop.portal.RemoteDesktop") < 2)
        GTEST_SKIP() << "the remote-desktop portal keeps no permission before version 2 (GNOME 45)";
    ExpectAskedOnceOverThreeStarts(
        g_mutter->clientEnvironment(QProcessEnvironment::systemEnvironment()),
        g_mutter->session().busAddress(), home.userData(), ApproveConsent);
}

} // namespace

int main(int argc, char** argv) {
    QString error;
    if (!PrivateSession::BecomeSessionUser(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    // The desktop comes first: the application connects to it as it starts.
    HeadlessMutter mutter(kLayouts);
    if (!mutter.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(mutter.error()));
        return 1;
    }
    g_mutter = &mutter;
    const QProcessEnvironment env =
        mutter.clientEnvironment(QProcessEnvironment::systemEnvironment());
    BecomeWaylandClient(env, env.keys());
    QApplication app(argc, argv);
    if (!ApproveConsent([] { return CurrentDesktop().typing() == Desktop::Typing::Allowed; })) {
        std::fprintf(stderr, "the desktop (%s) did not grant the keyboard\n%s\n",
                     qPrintable(CurrentDesktop().name()), qPrintable(mutter.session().output()));
        return 1;
    }
    const QStringList services = PortalConnection().interface()->activatableServiceNames().value();
    if (!PortalVersion(PortalConnection(), "org.freedesktop.portal.GlobalShortcuts"))
        g_noHotKey = "the desktop's portal has no global shortcuts (GNOME before 48)";
    else if (!mutter.shell())
        g_noHotKey = "no GNOME shell 48 or later: nothing approves a global shortcut";
    else if (!services.contains("org.gnome.Settings.GlobalShortcutsProvider"))
        g_noHotKey = "GNOME Settings approves no global shortcut here (GNOME before 48)";
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
