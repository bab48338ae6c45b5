#include "app/forms.h"
#include "app/settings.h"
#include "dialogs/dialog_style.h"
#include "dialogs/dialogs.h"
#include "dialogs/welcome_form.h"
#include "dialogs/window_test_support.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class WelcomeTest : public ::testing::Test {
protected:
    void SetUp() override {
        form_ = std::make_unique<TWelcomeForm>();
        WelcomeForm = form_.get();
        OpenedFromSettings = false;
        form_->showReducedSettings = [this] {
            ++settingsShown_;
            welcomeVisibleThen_ = form_->isVisible();
            flagThen_ = Settings().welcomeScreen;
        };
    }
    void TearDown() override {
        WelcomeForm = nullptr;
        OpenedFromSettings = false;
    }

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
    EXPECT_TRUE(OpenedFromSettings);
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
