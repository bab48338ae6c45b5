#include "app/forms.h"
#include "app/settings.h"
#include "app/window_wiring.h"
#include "dialogs/dialog_style.h"
#include "dialogs/dialogs.h"
#include "dialogs/settings_form.h"
#include "dialogs/welcome_form.h"
#include "dialogs/window_test_support.h"
#include "support/test_env.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class WelcomeTest : public ::testing::Test {
protected:
    void SetUp() override {
        form_ = std::make_unique<TWelcomeForm>(RecordSettingsStore());
        WelcomeForm = form_.get();
        form_->showReducedSettings = [this] {
            ++settingsShown_;
            welcomeVisibleThen_ = form_->isVisible();
            flagThen_ = Settings().welcomeScreen;
        };
    }
    void TearDown() override { WelcomeForm = nullptr; }

    std::unique_ptr<TWelcomeForm> form_;
    int settingsShown_ = 0;
    bool welcomeVisibleThen_ = true;
    bool flagThen_ = false;
};

TEST_F(WelcomeTest, OpenedFromSettingsStoresTheBoxAndLeadsNowhere) {
    ShowWelcome(true);
    ASSERT_TRUE(WaitFor([&] { return form_->isVisible(); }));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(form_->CheckBox2->isChecked());

    QTest::mouseClick(form_->Label1, Qt::LeftButton);
    EXPECT_TRUE(form_->CheckBox2->isChecked());
    Settings().welcomeScreen = false;
    QTest::mouseClick(form_->BitBtn3, Qt::LeftButton);
    EXPECT_TRUE(Settings().welcomeScreen);
    EXPECT_FALSE(form_->isVisible());

    // Shown again, the box keeps its state; cleared, it stores false.
    ShowWelcome(true);
    EXPECT_TRUE(form_->CheckBox2->isChecked());
    QTest::mouseClick(form_->Label1, Qt::LeftButton);
    QTest::mouseClick(form_->BitBtn3, Qt::LeftButton);
    EXPECT_FALSE(Settings().welcomeScreen);
    EXPECT_EQ(settingsShown_, 0);
    EXPECT_TRUE(form_->OpenedFromSettings);
}

TEST_F(WelcomeTest, AtStartItIsModalAndLeadsIntoTheReducedSettings) {
    TWelcomeForm* form = form_.get();
    Settings().welcomeScreen = true;
    bool wasModal = false;
    WhenModal(form, [&] {
        wasModal = true;
        QTest::mouseClick(form->BitBtn3, Qt::LeftButton);
    });
    ShowWelcomeAtStart();
    EXPECT_TRUE(wasModal);
    EXPECT_EQ(settingsShown_, 1);
    EXPECT_FALSE(welcomeVisibleThen_);
    EXPECT_FALSE(flagThen_); // stored before the settings dialog opens
    EXPECT_FALSE(form->isVisible());
}

TEST_F(WelcomeTest, AfterShowWelcomeTheStartShowingNoLongerLeadsIntoSettings) {
    ShowWelcome(true);
    QTest::mouseClick(form_->BitBtn3, Qt::LeftButton);
    TWelcomeForm* form = form_.get();
    WhenModal(form, [form] { QTest::mouseClick(form->BitBtn3, Qt::LeftButton); });
    ShowWelcomeAtStart();
    EXPECT_EQ(settingsShown_, 0);
}

TEST_F(WelcomeTest, OpenedFromTheModalSettingsDialogItOpensInFrontAndTakesRealClicks) {
    TempHome home;
    TSettingsForm settings(RecordSettingsStore());
    SettingsForm = &settings;
    ConnectWindows();
    Settings().welcomeScreen = false;
    bool ticked = false, stored = false, settingsStayed = false;
    WhenModal(&settings, [&] {
        QTest::mouseClick(settings.BitBtn2, Qt::LeftButton);
        WaitFor([&] { return form_->isVisible(); });
        WaitFor([] { return false; }, 300); // a window manager places the window meanwhile
        // The dialog is moved over the box: only a window in front of it gets the click there.
        const QPoint box = form_->CheckBox2->mapToGlobal(form_->CheckBox2->rect().center());
        settings.move(box - QPoint(40, 40));
        WaitFor([&] { return settings.frameGeometry().contains(box); }, 2000);
        ClickOnScreen(box);
        ticked = WaitFor([&] { return form_->CheckBox2->isChecked(); }, 3000);
        ClickOnScreen(form_->BitBtn3->mapToGlobal(form_->BitBtn3->rect().center()));
        stored = WaitFor([&] { return Settings().welcomeScreen && !form_->isVisible(); }, 3000);
        settingsStayed = settings.isVisible();
        settings.close();
    });
    settings.exec();
    SettingsForm = nullptr;
    EXPECT_TRUE(ticked);
    EXPECT_TRUE(stored);
    EXPECT_TRUE(settingsStayed);
}

TEST(ClickableLabelTest, ReportsOnlyAClickReleasedOverIt) {
    ClickableLabel label("text");
    label.resize(80, 20);
    label.show();
    int clicks = 0;
    QObject::connect(&label, &ClickableLabel::clicked, [&] { ++clicks; });
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    QTest::mouseClick(&label, Qt::RightButton);
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(200, 5));
    EXPECT_EQ(clicks, 1);
}

} // namespace

GLIMMORA_WINDOW_TEST_MAIN
