// The main window's first appearance: stored placement, "/minime", "/firststart" and the welcome
// window, with the real windows under a window manager, with a tray and (the tray cases) without.
#include "app/forms.h"
#include "app/main_window.h"
#include "app/main_window_parts.h"
#include "app/main_window_support.h"
#include "app/settings.h"
#include "app/start_placement.h"
#include "dialogs/settings_form.h"
#include "dialogs/welcome_form.h"
#include "dialogs/window_test_support.h"
#include "integration/translation_table.h"
#include "support/test_env.h"

#include <QCheckBox>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

class StartPlacementTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteSampleCatalogue(home);
        CreateTranslationTable("Glimmora");
        Form1 = new TForm1(QStringList{"glimmora"});
        Form1->FirstShowPending = false;
        SettingsForm = new TSettingsForm(RecordSettingsStore());
        WelcomeForm = new TWelcomeForm(RecordSettingsStore());
        reducedShown = 0;
        WelcomeForm->showReducedSettings = [this] { ++reducedShown; };
    }

    void TearDown() override {
        delete WelcomeForm;
        delete SettingsForm;
        delete Form1;
        WelcomeForm = nullptr;
        SettingsForm = nullptr;
        Form1 = nullptr;
    }

    void Store(int x, int y, bool welcome) {
        SettingsRecord& s = Settings();
        s = SettingsRecord();
        s.xpos = x;
        s.ypos = y;
        s.width = 640;
        s.height = 420;
        s.welcomeScreen = welcome;
    }

    // As at start: the window is shown out of sight, and the window manager pulls it into view.
    static void ShowOutOfSight() {
        Form1->show();
        ASSERT_TRUE(WaitFor([] { return Form1->windowHandle()->isExposed(); }, 10000));
    }

    // Where the window manager really shows the window's frame.
    static bool FrameSettlesAt(const QPoint& topLeft) {
        return WaitFor(
            [&] {
                return DescribeWindow(Form1->winId()).frame.topLeft() == topLeft &&
                       WhollyOnScreen(Form1->winId());
            },
            10000);
    }

    TempHome home;
    int reducedShown = 0;
};

TEST_F(StartPlacementTest, StoredPlaceAndSizeAreAppliedAndMinimeGoesToTheTray) {
    Store(120, 80, false);
    ApplyStartSettings("");
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_TRUE(FrameSettlesAt(QPoint(120, 80)));
    EXPECT_EQ(Form1->size(), QSize(640, 420));
    EXPECT_EQ(reducedShown, 0); // no welcome window without the flag

    Store(100, 90, false);
    ApplyStartSettings("/minime");
    EXPECT_EQ(Form1->SavedBounds(), QRect(100, 90, 640, 420));
    if (TForm1::TrayAvailable()) {
        EXPECT_FALSE(Form1->isVisible());
    } else {
        // Hidden without a tray, nothing would lead back: minimised, in the desktop's window list.
        EXPECT_TRUE(WaitFor([] {
            const WindowOnDesktop w = DescribeWindow(Form1->winId());
            return w.listed && w.wmState == 3;
        }));
    }
}

// At every scale (the suite runs again with QT_SCALE_FACTOR=2) the stored size is the size that Qt
// counts, and the X server's window is that many of its own pixels.
TEST_F(StartPlacementTest, StoredSizeHoldsInQtsPixelsAtEveryScale) {
    Store(60, 40, false);
    ApplyStartSettings("");
    ASSERT_TRUE(WaitFor([] { return !Form1->SavedBounds().isEmpty() && Form1->isVisible(); }));
    // Until the window manager has it there, and a while longer for a request repeated wrongly.
    QTest::qWait(1500);
    EXPECT_EQ(Form1->size(), QSize(640, 420));
    const qreal ratio = Form1->devicePixelRatio();
    const QSize native = DescribeWindow(Form1->winId()).frame.size();
    EXPECT_GE(native.width(), qRound(640 * ratio));
    EXPECT_GE(native.height(), qRound(420 * ratio));
    EXPECT_EQ(Form1->SavedBounds(), QRect(60, 40, 640, 420));

    // Stored on a larger screen, or before the desktop was scaled up: no larger than the screen.
    Store(0, 0, false);
    Settings().width = 4000;
    Settings().height = 3000;
    ApplyStartSettings("/minime");
    const QSize room = QGuiApplication::primaryScreen()->availableVirtualGeometry().size();
    EXPECT_LE(Form1->SavedBounds().width(), room.width());
    EXPECT_LE(Form1->SavedBounds().height(), room.height());
}

// The window's pictures carry as many device pixels as the screen shows: at 200 % none is a small
// picture blown up.
TEST_F(StartPlacementTest, ArtworkHasTheScreensDevicePixelsAtEveryScale) {
    const qreal ratio = qApp->devicePixelRatio();
    const QPixmap header = Form1->Image3->pixmap();
    EXPECT_EQ(header.devicePixelRatio(), ratio);
    EXPECT_EQ(header.size(), (QSizeF(Form1->Image3->size()) * ratio).toSize());
    const QIcon glyph = Form1->SpeedButton2->icon();
    EXPECT_EQ(glyph.pixmap(Form1->SpeedButton2->iconSize(), ratio).deviceIndependentSize().toSize(),
              Form1->SpeedButton2->iconSize());
    EXPECT_EQ(glyph.pixmap(Form1->SpeedButton2->iconSize(), ratio).size(),
              (QSizeF(Form1->SpeedButton2->iconSize()) * ratio).toSize());
}

TEST_F(StartPlacementTest, MinimeThenHotKeyShowsTheWholeWindowAtItsPlace) {
    Store(10, 10, false); // a new user's place
    ShowOutOfSight();
    ApplyStartSettings("/minime");
    ASSERT_EQ(QProcess::execute("xdotool", {"key", "ctrl+alt+s"}), 0);
    ASSERT_TRUE(WaitFor([] { return Form1->isVisible() && !Form1->isMinimized(); }));
    EXPECT_TRUE(FrameSettlesAt(QPoint(10, 10)));
    EXPECT_EQ(Form1->SavedBounds().topLeft(), QPoint(10, 10));
}

TEST_F(StartPlacementTest, PositionBeyondTheDesktopOpensAtTen) {
    QRect desktop = VirtualDesktop();
    Store(desktop.width() - 19, desktop.height() + 300, false);
    ApplyStartSettings("/minime");
    EXPECT_EQ(Form1->SavedBounds().topLeft(), QPoint(10, 10));
    Store(-50, desktop.height() - 20, false); // partly off the left edge, at the bottom limit
    ApplyStartSettings("/minime");
    EXPECT_EQ(Form1->SavedBounds().topLeft(), QPoint(-50, desktop.height() - 20));
}

TEST_F(StartPlacementTest, FirstStartShowsWelcomeThenBottomRightWithAutostart) {
    Store(100, 100, false);
    ShowOutOfSight();
    WhenModal(WelcomeForm, [] { WelcomeForm->BitBtn3->click(); });
    ApplyStartSettings("/firststart");
    EXPECT_EQ(reducedShown, 1); // the welcome window led on into the mail-program choice
    QSize screen = QGuiApplication::primaryScreen()->size();
    EXPECT_TRUE(FrameSettlesAt(QPoint(screen.width() - 640 - 5, screen.height() - 420 - 35)));
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_TRUE(SettingsForm->CheckBox1->isChecked());
    QByteArray autostart = ReadFile(home.configHome() + "autostart/Glimmora.desktop");
    EXPECT_TRUE(autostart.contains("/minime")) << autostart.constData();
}

TEST_F(StartPlacementTest, WelcomeFlagShowsWelcomeAtNormalStart) {
    Store(30, 40, true);
    ShowOutOfSight();
    WhenModal(WelcomeForm, [] { WelcomeForm->BitBtn3->click(); });
    ApplyStartSettings("");
    EXPECT_EQ(reducedShown, 1);
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_TRUE(FrameSettlesAt(QPoint(30, 40)));
    EXPECT_FALSE(Settings().welcomeScreen); // the box was left unticked
}

} // namespace

GLIMMORA_WINDOW_TEST_MAIN
