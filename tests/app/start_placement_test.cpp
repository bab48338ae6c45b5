// The main window's first appearance: stored placement, "/minime", "/firststart" and the welcome
// window, with the real windows.
#include "app/forms.h"
#include "app/main_window.h"
#include "app/main_window_parts.h"
#include "app/main_window_support.h"
#include "app/settings.h"
#include "app/start_placement.h"
#include "dialogs/settings_form.h"
#include "dialogs/welcome_form.h"
#include "dialogs/window_test_support.h"
#include "localisation/translation_table.h"
#include "support/test_env.h"

#include <QCheckBox>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

class StartPlacementTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteSampleCatalogue(home);
        CreateTranslationTable("Glimmora");
        Form1 = new TForm1(QStringList{"glimmora"});
        SettingsForm = new TSettingsForm();
        WelcomeForm = new TWelcomeForm();
        reducedShown = 0;
        WelcomeForm->showReducedSettings = [this] { ++reducedShown; };
        Form1->FirstShowPending = false;
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

    TempHome home;
    int reducedShown = 0;
};

TEST_F(StartPlacementTest, StoredPlaceAndSizeAreAppliedAndMinimeStaysHidden) {
    Store(120, 80, false);
    ApplyStartSettings("/minime");
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_EQ(Form1->pos(), QPoint(120, 80));
    EXPECT_EQ(Form1->size(), QSize(640, 420));

    ApplyStartSettings("");
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_EQ(reducedShown, 0); // no welcome window without the flag
}

TEST_F(StartPlacementTest, PositionBeyondTheDesktopOpensAtTen) {
    QRect desktop = VirtualDesktop();
    Store(desktop.width() - 19, desktop.height() + 300, false);
    ApplyStartSettings("/minime");
    EXPECT_EQ(Form1->pos(), QPoint(10, 10));
    Store(-50, desktop.height() - 20, false); // partly off the left edge, at the bottom limit
    ApplyStartSettings("/minime");
    EXPECT_EQ(Form1->pos(), QPoint(-50, desktop.height() - 20));
}

TEST_F(StartPlacementTest, FirstStartShowsWelcomeThenBottomRightWithAutostart) {
    Store(100, 100, false);
    WhenModal(WelcomeForm, [] { WelcomeForm->BitBtn3->click(); });
    ApplyStartSettings("/firststart");
    EXPECT_EQ(reducedShown, 1); // the welcome window led on into the mail-program choice
    QSize screen = QGuiApplication::primaryScreen()->size();
    EXPECT_EQ(Form1->pos(),
              QPoint(screen.width() - Form1->width() - 5, screen.height() - Form1->height() - 35));
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_TRUE(SettingsForm->CheckBox1->isChecked());
    QByteArray autostart = ReadFile(home.configHome() + "autostart/Glimmora.desktop");
    EXPECT_TRUE(autostart.contains("/minime")) << autostart.constData();
}

TEST_F(StartPlacementTest, WelcomeFlagShowsWelcomeAtNormalStart) {
    Store(30, 40, true);
    WhenModal(WelcomeForm, [] { WelcomeForm->BitBtn3->click(); });
    ApplyStartSettings("");
    EXPECT_EQ(reducedShown, 1);
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_FALSE(Settings().welcomeScreen); // the box was left unticked
}

} // namespace

GLIMMORA_WINDOW_TEST_MAIN
