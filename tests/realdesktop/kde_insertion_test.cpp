// On KDE Plasma's compositor (kwin_wayland, headless) with the real remote-desktop portal and
// KWin's global shortcuts: Glimmora as a native Wayland client puts every clicked picture into the
// Wayland program whose app id the chosen definition names, keys in order and none left held,
// with the us and the ru layout; "glimmora /toggle" and Ctrl+Alt+S bring its window back.
// Clicks and keys are KWin's fake input, which KWin treats as the user's. Run once without a
// notification area (bare KWin has none) and once with one (GLIMMORA_TEST_DESKTOP=with-tray).
#include "app/forms.h"
#include "app/main_window.h"
#include "app/main_window_support.h"
#include "app/settings.h"
#include "app/startup.h"
#include "dialogs/settings_form.h"
#include "integration/insertion.h"
#include "integration/translation_table.h"
#include "platform/current_desktop.h"
#include "platform/key_synth.h"
#include "platform/portal/portal_request.h"
#include "platform/runtime_lock.h"
#include "realdesktop/asked_once.h"
#include "realdesktop/headless_kwin.h"
#include "support/line_process.h"
#include "support/test_env.h"
#include "support/wait.h"

#include <QApplication>
#include <QImage>
#include <QMimeData>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

HeadlessKwin* g_kwin = nullptr;
bool g_tray = false;
const QString kAppId = QStringLiteral("org.example.Mail");
constexpr int kClicks = 20;
// Linux input key codes, as KWin's fake input takes them.
constexpr int kKeyQ = 16, kKeyS = 31, kKeyV = 47, kKeyCtrl = 29, kKeyAlt = 56;

QProcessEnvironment ClientEnvironment() {
    return g_kwin->clientEnvironment(QProcessEnvironment::systemEnvironment());
}

// The keys a target saw, in order: "+<keysym>" pressed (held and repeating: again), "-<keysym>"
// let go.
QStringList KeyRecord(const QStringList& lines) {
    QStringList keys;
    for (const QString& line : lines) {
        const QStringList words = line.split(' ');
        if (words.value(0) == "KEY")
            keys << '+' + words.value(1);
        else if (words.value(0) == "UP")
            keys << '-' + words.value(1);
    }
    return keys;
}

std::string Describe(const HeadlessKwin::WindowState& state) {
    if (!state.exists)
        return "no window";
    return QStringLiteral("%1%2 at %3,%4 %5x%6")
        .arg(state.minimised ? "minimised" : "shown", state.active ? ", active" : "")
        .arg(state.content.x())
        .arg(state.content.y())
        .arg(state.content.width())
        .arg(state.content.height())
        .toStdString();
}

class KdeDesktop : public testing::Test {
protected:
    void SetUp() override {
        form = OpenMainWindowForAppIds(home, kAppId.toLatin1());
        // The portal grants the keyboard session without asking on Plasma.
        ASSERT_TRUE(WaitFor([] { return CurrentDesktop().createKeySink() != nullptr; }))
            << CurrentDesktop().name().toStdString() << '\n'
            << g_kwin->output().toStdString();
    }
    void TearDown() override { CloseMainWindow(form); }

    // Starts the target and waits until it has the keyboard.
    void startTarget() {
        target = std::make_unique<LineProcess>(GLIMMORA_WAYLAND_TARGET_CLIENT, QStringList{kAppId},
                                               ClientEnvironment());
        ASSERT_TRUE(target->waitForLine("READY"));
        HeadlessKwin::WindowState state;
        ASSERT_TRUE(WaitFor([&] { return (state = g_kwin->windowState(kAppId)).active; }))
            << Describe(state) << '\n'
            << g_kwin->output().toStdString();
        targetRect = state.content;
        input = std::make_unique<LineProcess>(g_kwin->fakeInputProgram(), QStringList(),
                                              ClientEnvironment());
    }

    // Brings Glimmora's window up as a user does: a click on a part of it that the target leaves
    // free, else on its task bar entry (through KWin's scripting). Then finds the picture on its
    // page.
    void showPage() {
        form->show();
        if (!formRect.isEmpty() && !form->isActiveWindow()) {
            const QPoint free(formRect.right() - 20, formRect.bottom() - 20);
            if (!targetRect.contains(free))
                input->write("click " + QByteArray::number(free.x()) + ' ' +
                             QByteArray::number(free.y()));
            WaitFor([this] { return form->isActiveWindow(); }, 2000);
        }
        if (!form->isActiveWindow()) {
            ASSERT_TRUE(WaitFor([] { return g_kwin->activate("glimmora"); }));
        }
        ASSERT_TRUE(WaitFor([this] { return form->isActiveWindow(); }));
        if (formRect.isEmpty())
            formRect = g_kwin->windowState("glimmora").content;
        if (pictureIndex < 0) {
            form->SelectStartCategory();
            ASSERT_TRUE(WaitForPageLoaded(form->WebBrowser1));
            ASSERT_TRUE(WaitFor([&] {
                pictureIndex = int(PageImageSources(form->WebBrowser1)
                                       .indexOf(QUrl::fromLocalFile(picture).toString()));
                return pictureIndex >= 0;
            }));
        }
    }

    // A real click on the picture; true once the target has pasted (`pastes` counts them).
    bool clickPicture(int pastes) {
        const std::optional<QPoint> centre = PictureCentre(form->WebBrowser1, pictureIndex);
        if (!centre || formRect.isEmpty())
            return false;
        const QPoint point = formRect.topLeft() + form->WebBrowser1->mapTo(form, *centre);
        const QByteArray at = QByteArray::number(point.x()) + ' ' + QByteArray::number(point.y());
        input->write("move " + at);
        if (!WaitFor([this] { return form->WebBrowser1->underMouse(); }, 5000))
            return false;
        input->write("click " + at);
        return WaitFor([&] { return pasteCount() >= pastes; }, 30000);
    }
    int pasteCount() const { return int(target->lines().filter("PASTE png 40x30").size()); }

    // Types a key into the focused window through KWin, as a keyboard would.
    bool chord(const QList<int>& keys) {
        QByteArray line = "chord";
        for (int key : keys)
            line += ' ' + QByteArray::number(key);
        const int before = int(input->lines().count("CHORDED"));
        input->write(line);
        return WaitFor([&] { return input->lines().count("CHORDED") > before; }, 5000);
    }

    // Glimmora's window as the user sees it: in front with the keyboard (KWin tells a window that
    // it is active), or out of sight: hidden, or minimised as KWin has it (Qt forgets that it
    // asked for it once KWin next configures the window).
    bool formInFront() { return form->isVisible() && form->isActiveWindow(); }
    bool formOutOfSight() {
        return !form->isVisible() || g_kwin->windowState("glimmora").minimised;
    }
    std::string describeForm() {
        return "visible " + std::to_string(form->isVisible()) + ", active " +
               std::to_string(form->isActiveWindow()) + ", minimised " +
               std::to_string(form->isMinimized()) +
               ", KWin: " + Describe(g_kwin->windowState("glimmora"));
    }

    TempHome home;
    const QString picture = WaylandTestPicture(home);
    TForm1* form = nullptr;
    int pictureIndex = -1;
    QRect targetRect; // where KWin placed the target
    QRect formRect;   // and Glimmora's window, which stays there
    std::unique_ptr<LineProcess> target;
    std::unique_ptr<LineProcess> input; // KWin's fake input
};

class KdeInsertion : public KdeDesktop, public testing::WithParamInterface<const char*> {};

TEST_P(KdeInsertion, TwentyClicksLandTwentyPicturesWithNoKeyLeftHeld) {
    ASSERT_EQ(CurrentDesktop().name(), "portal");
    ASSERT_TRUE(g_kwin->setLayout(GetParam()));
    // The desktop and Glimmora read one user's settings.
    WriteFile(home.configHome() + "kxkbrc", HeadlessKwin::kxkbrc(GetParam()));
    startTarget();
    // The layout is in force: the key Q types its letter of that layout.
    const QString q = QString(GetParam()).startsWith("ru") ? "+6ca" : "+71";
    // KWin may take the new layout a moment after the switch: type until it shows.
    ASSERT_TRUE(WaitFor([&] {
        chord({kKeyQ});
        return WaitFor([&] { return KeyRecord(target->lines()).contains(q); }, 1000);
    })) << KeyRecord(target->lines()).join(' ').toStdString();
    const QString qUp = '-' + q.mid(1);
    ASSERT_TRUE(WaitFor([&] {
        const QStringList keys = KeyRecord(target->lines());
        return keys.count(q) == keys.count(qUp);
    }));
    const qsizetype typedBefore = KeyRecord(target->lines()).size();

    // A paste that comes late still counts: each click waits for its own, and the count is the
    // target's.
    for (int click = 1; click <= kClicks; ++click) {
        showPage();
        const bool pasted = clickPicture(pasteCount() + 1);
        WaitFor([] { return !InsertionRunning(); }, 10000);
        std::fprintf(stderr, "%s click %d: %s\n", GetParam(), click,
                     pasted ? "landed" : "nothing pasted yet");
    }
    WaitFor([&] { return pasteCount() >= kClicks; }, 30000);
    const int landed = pasteCount();
    EXPECT_EQ(landed, kClicks) << GetParam() << ": " << landed << " of " << kClicks
                               << " landed; the target's pastes:\n"
                               << target->lines().filter("PASTE ").join('\n').toStdString();

    // Alt+o, then Ctrl+v at every click, in this order, each key let go. A Cyrillic layout types
    // the keys where o and v are on a US keyboard, as the user's own shortcut does: щ and м.
    const bool cyrillic = QString(GetParam()).startsWith("ru");
    const QString o = cyrillic ? "6dd" : "6f", v = cyrillic ? "6cd" : "76";
    const QStringList click = {"+ffe9", '+' + o, '-' + o, "-ffe9",
                               "+ffe3", '+' + v, '-' + v, "-ffe3"};
    QStringList expected;
    for (int n = 0; n < kClicks; ++n)
        expected += click;
    // The last releases may still be on their way.
    WaitFor([&] { return KeyRecord(target->lines()).size() - typedBefore >= expected.size(); },
            30000);
    const QStringList typed = KeyRecord(target->lines()).mid(typedBefore);
    EXPECT_EQ(typed.join(' ').toStdString(), expected.join(' ').toStdString());
    const QStringList pasted = target->lines().filter("PASTE html ");
    EXPECT_EQ(pasted.size(), landed);
}

// Plasma 5.27's portal drops a keysym that the active layout lacks: with a Cyrillic layout active,
// alone or with us behind it, Alt+o and Ctrl+v would arrive as bare Alt and Ctrl.
INSTANTIATE_TEST_SUITE_P(Layouts, KdeInsertion, testing::Values("us", "ru", "ru,us"));

// After an insertion Glimmora has stepped aside (into the tray, or minimised where there is
// none); a later "glimmora /toggle", as a shortcut of the desktop runs it, shows it again.
TEST_F(KdeDesktop, ToggleShowsTheWindowAgainAfterAnInsertion) {
    ASSERT_EQ(QSystemTrayIcon::isSystemTrayAvailable(), g_tray);
    RuntimeLock running;
    RequestWatcher requests({kToggleRequest});
    QTimer toggles;
    QObject::connect(&toggles, &QTimer::timeout, [] { TakeToggleRequests(); });
    toggles.start(100);
    startTarget();
    showPage();
    ASSERT_TRUE(clickPicture(1)) << target->lines().join('\n').toStdString() << '\n'
                                 << g_kwin->output().toStdString();
    ASSERT_TRUE(WaitFor([] { return !InsertionRunning(); }));
    // KWin has given the keyboard to the target: Glimmora is behind it, or out of sight.
    ASSERT_TRUE(WaitFor([this] { return !formInFront(); })) << describeForm();

    QProcess toggle;
    toggle.setProcessEnvironment(ClientEnvironment());
    toggle.start(BuiltProgramDir() + "glimmora", {"/toggle"});
    toggle.setProcessChannelMode(QProcess::MergedChannels);
    ASSERT_TRUE(toggle.waitForFinished(20000))
        << toggle.errorString().toStdString() << toggle.readAll().toStdString();
    EXPECT_EQ(toggle.exitCode(), 0);
    EXPECT_TRUE(WaitFor([this] { return formInFront(); }, 5000)) << describeForm() << '\n'
                                                                 << g_kwin->output().toStdString();
}

// KWin's global shortcuts deliver Ctrl+Alt+S to Glimmora, which hides its window when in front and
// brings it forward otherwise.
TEST_F(KdeDesktop, CtrlAltSTogglesTheWindow) {
    startTarget();
    showPage();
    // Each press reaches Glimmora once.
    int presses = 0;
    auto* hotKey = form->findChild<DesktopHotKey*>();
    ASSERT_TRUE(hotKey && hotKey->registered());
    QObject::connect(hotKey, &DesktopHotKey::activated, [&presses] { ++presses; });
    ASSERT_TRUE(WaitFor([this] { return formInFront(); })) << describeForm();
    ASSERT_TRUE(chord({kKeyCtrl, kKeyAlt, kKeyS}));
    EXPECT_TRUE(WaitFor([this] { return formOutOfSight(); }, 5000)) << describeForm();
    EXPECT_EQ(presses, 1) << g_kwin->output().toStdString();
    ASSERT_TRUE(chord({kKeyCtrl, kKeyAlt, kKeyS}));
    EXPECT_TRUE(WaitFor([this] { return formInFront(); }, 5000)) << describeForm();
    // Covered by another program's window (a click on a part of the target that Glimmora leaves
    // free), it comes forward rather than going away.
    const QRect glimmora = g_kwin->windowState("glimmora").content;
    ASSERT_FALSE(glimmora.isEmpty());
    const QPoint free = glimmora.left() > targetRect.left()
                            ? QPoint(targetRect.left() + 5, targetRect.center().y())
                            : QPoint(targetRect.right() - 5, targetRect.center().y());
    ASSERT_FALSE(glimmora.contains(free));
    input->write("click " + QByteArray::number(free.x()) + ' ' + QByteArray::number(free.y()));
    ASSERT_TRUE(WaitFor([this] { return !formInFront(); })) << describeForm();
    ASSERT_TRUE(chord({kKeyCtrl, kKeyAlt, kKeyS}));
    EXPECT_TRUE(WaitFor([this] { return formInFront(); }, 5000)) << describeForm();
    // The shortcut went to KWin, not into the window that had the keyboard.
    EXPECT_FALSE(KeyRecord(target->lines()).contains("+73"));
}

// KWin 5.27 refuses the clipboard to a program without the keyboard (6.3 takes it). Glimmora
// learns which before it types anything: a clipboard taken for granted would have the mail
// program paste an empty one.
TEST_F(KdeDesktop, ClipboardAnswerIsTheDesktops) {
    startTarget();
    ASSERT_TRUE(WaitFor([this] { return !form->isActiveWindow(); }));
    auto* data = new QMimeData;
    data->setText(QStringLiteral("offered"));
    const bool ours = CurrentDesktop().setClipboard(data);
    ASSERT_TRUE(chord({kKeyCtrl, kKeyV}));
    ASSERT_TRUE(target->waitForLine("PASTE done", 10000))
        << target->lines().join('\n').toStdString();
    EXPECT_EQ(target->lines().contains("PASTE text offered"), ours)
        << target->lines().join('\n').toStdString();
}

// However often the hot key hides and shows it, the window keeps its size.
TEST_F(KdeDesktop, HiddenAndShownTenTimesTheWindowKeepsItsSize) {
    startTarget();
    showPage();
    ASSERT_TRUE(WaitFor([this] { return formInFront(); })) << describeForm();
    const QSize size = form->size();
    for (int i = 0; i < 10; ++i) {
        // Each press once the last one has taken effect, as Qt and KWin have it: a press
        // before KWin has told Qt that the window lost the keyboard would hide it again.
        form->WMHotKey();
        ASSERT_TRUE(WaitFor([this] { return formOutOfSight() && !form->isActiveWindow(); }))
            << "hidden " << i + 1 << ": " << describeForm();
        form->WMHotKey();
        ASSERT_TRUE(WaitFor([this] {
            const HeadlessKwin::WindowState kwin = g_kwin->windowState("glimmora");
            return formInFront() && kwin.active && !kwin.minimised;
        })) << "shown "
            << i + 1 << ": " << describeForm();
    }
    EXPECT_TRUE(WaitFor([&] { return g_kwin->windowState("glimmora").content.size() == size; }))
        << describeForm() << " after ten, first " << size.width() << 'x' << size.height();
    EXPECT_EQ(form->size(), size);
}

// Where the portal keeps a permission (remote desktop version 2, Plasma 6), the user is asked
// at the first start only: the desktop's dialog, answered with Enter, then the kept permission.
TEST_F(KdeDesktop, ThreeStartsAskForTheKeyboardOnce) {
    if (PortalVersion(PortalConnection(), "org.freedesktop.portal.RemoteDesktop") < 2)
        GTEST_SKIP() << "this portal keeps no permission (remote desktop version 1)";
    for (const QString& appId : {QString(), QStringLiteral("com.orvandeck.Glimmora")})
        ASSERT_TRUE(g_kwin->authorise("remote-desktop", appId, false));
    startTarget();
    // Answered as a user does: a click on the dialog, which may have come up behind the window
    // that has the keyboard, then Enter.
    ExpectAskedOnceOverThreeStarts(ClientEnvironment(),
                                   ClientEnvironment().value("DBUS_SESSION_BUS_ADDRESS"),
                                   home.userData(), [this](const std::function<bool()>& granted) {
                                       return WaitFor(
                                           [&] {
                                               for (const QString& window : g_kwin->windowClasses())
                                                   if (window.contains("portal"))
                                                       g_kwin->activate(window);
                                               chord({28}); // Enter
                                               return WaitFor(granted, 1500);
                                           },
                                           60000);
                                   });
    for (const QString& appId : {QString(), QStringLiteral("com.orvandeck.Glimmora")})
        g_kwin->authorise("remote-desktop", appId);
}

} // namespace

int main(int argc, char** argv) {
    QString error;
    if (!PrivateSession::BecomeSessionUser(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    HeadlessKwin::Options options;
    g_tray = options.tray = qgetenv("GLIMMORA_TEST_DESKTOP") == "with-tray";
    // The desktop comes first: the application connects to it as it starts.
    HeadlessKwin kwin(options);
    if (!kwin.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(kwin.error()));
        return 1;
    }
    g_kwin = &kwin;
    const QProcessEnvironment env = ClientEnvironment();
    BecomeWaylandClient(env, {"WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "DBUS_SESSION_BUS_ADDRESS",
                              "XDG_CURRENT_DESKTOP"});
    // The page is placed on the screen by the compositor; Qt's own frame would move it.
    qputenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
