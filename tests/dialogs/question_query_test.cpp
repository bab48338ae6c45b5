#include "app/forms.h"
#include "app/settings.h"
#include "dialogs/dialogs.h"
#include "dialogs/query_form.h"
#include "dialogs/question_dialog.h"
#include "dialogs/welcome_form.h"
#include "dialogs/window_test_support.h"
#include "integration/message_boxes.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

class QuestionDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        form_ = std::make_unique<TQuestionDialogForm>();
        QuestionDialogForm = form_.get();
        savedHider_ = HideMainWindow;
        HideMainWindow = [this] { ++hidden_; };
    }
    void TearDown() override {
        HideMainWindow = savedHider_;
        QuestionDialogForm = nullptr;
    }

    // Clicks `button` of the dialog once its modal loop runs.
    void ClickWhenShown(QPushButton* TQuestionDialogForm::*button) {
        TQuestionDialogForm* form = form_.get();
        WhenModal(form, [form, button] { QTest::mouseClick(form->*button, Qt::LeftButton); });
    }

    std::unique_ptr<TQuestionDialogForm> form_;
    std::function<void()> savedHider_;
    int hidden_ = 0;
};

TEST_F(QuestionDialogTest, YesAndNoButtonsAnswerBothForms) {
    ClickWhenShown(&TQuestionDialogForm::BitBtn1);
    EXPECT_TRUE(AskYesNo("Quit?", false));
    EXPECT_EQ(form_->Label1->text(), "Quit?");

    ClickWhenShown(&TQuestionDialogForm::BitBtn2);
    EXPECT_FALSE(AskYesNo("Quit?", true));

    ClickWhenShown(&TQuestionDialogForm::BitBtn1);
    EXPECT_TRUE(AskYesNoOrTaskbar("Quit?", false));

    ClickWhenShown(&TQuestionDialogForm::BitBtn2);
    EXPECT_FALSE(AskYesNoOrTaskbar("Quit?", true));
    EXPECT_EQ(hidden_, 0);
    EXPECT_FALSE(form_->isVisible());
}

TEST_F(QuestionDialogTest, ThirdAnswerHidesTheMainWindowAndReturnsFalse) {
    ClickWhenShown(&TQuestionDialogForm::BitBtn3);
    EXPECT_FALSE(AskYesNoOrTaskbar("Quit?", true));
    EXPECT_EQ(form_->Tag, 2);
    EXPECT_EQ(hidden_, 1);
}

TEST_F(QuestionDialogTest, ClosingWithoutAButtonKeepsTheDefault) {
    TQuestionDialogForm* form = form_.get();
    for (bool defaultYes : {true, false}) {
        WhenModal(form, [form] { form->close(); });
        EXPECT_EQ(AskYesNo("Quit?", defaultYes), defaultYes);
        WhenModal(form, [form] { QTest::keyClick(form, Qt::Key_Escape); });
        EXPECT_EQ(AskYesNoOrTaskbar("Quit?", defaultYes), defaultYes);
    }
    EXPECT_EQ(hidden_, 0);
}

TEST_F(QuestionDialogTest, OnlyTheThreeAnswerFormShowsTheThirdButton) {
    TQuestionDialogForm* form = form_.get();
    bool thirdVisible = true;
    int yesNoHeight = 0;
    WhenModal(form, [&] {
        thirdVisible = form->BitBtn3->isVisible();
        yesNoHeight = form->height();
        form->close();
    });
    AskYesNo("Quit?", false);
    // Hidden: a window manager with a thin frame leaves the button's top inside the window.
    EXPECT_FALSE(thirdVisible);

    bool thirdInside = false;
    WhenModal(form, [&] {
        thirdInside =
            form->BitBtn3->isVisible() && form->rect().contains(form->BitBtn3->geometry());
        form->close();
    });
    AskYesNoOrTaskbar("Quit?", false);
    EXPECT_TRUE(thirdInside);
    EXPECT_EQ(form->height() - yesNoHeight, kTaskbarOuterHeight - kYesNoOuterHeight);
}

class QueryDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        form_ = std::make_unique<TQueryForm>();
        QueryForm = form_.get();
    }
    void TearDown() override {
        QueryForm = nullptr;
        WelcomeForm = nullptr;
    }
    std::unique_ptr<TQueryForm> form_;
};

TEST_F(QueryDialogTest, CloseBoxKeepsTheTypedName) {
    TQueryForm* form = form_.get();
    WhenModal(form, [form] {
        QTest::keyClicks(form->Edit1, "Cats");
        form->close();
    });
    EXPECT_EQ(ShowQuery("Name of the new category:"), "Cats");
    EXPECT_EQ(form->Label1->text(), "Name of the new category:");
    EXPECT_FALSE(form->isVisible());
}

TEST_F(QueryDialogTest, EveryCallStartsEmptyAndCopiesTheWelcomeButtonCaption) {
    TWelcomeForm welcome(RecordSettingsStore());
    WelcomeForm = &welcome;
    welcome.BitBtn3->setText("continue");
    TQueryForm* form = form_.get();

    WhenModal(form, [form] {
        QTest::keyClicks(form->Edit1, "Dogs");
        QTest::mouseClick(form->BitBtn3, Qt::LeftButton);
    });
    EXPECT_EQ(ShowQuery("First"), "Dogs");
    EXPECT_EQ(form->BitBtn3->text(), "continue");

    QString atStart = "not read";
    WhenModal(form, [&] {
        atStart = form->Edit1->text();
        QTest::keyClick(form->Edit1, Qt::Key_Return);
    });
    EXPECT_EQ(ShowQuery("Second"), "");
    EXPECT_EQ(atStart, "");
}

TEST(DialogsWithoutWindowsTest, ReturnTheDefaultsInsteadOfCrashing) {
    QuestionDialogForm = nullptr;
    QueryForm = nullptr;
    EXPECT_TRUE(AskYesNo("?", true));
    EXPECT_FALSE(AskYesNoOrTaskbar("?", false));
    EXPECT_EQ(ShowQuery("?"), "");
}

// A name from a picture folder, with markup in it: every box shows it as written, and nothing in a
// box is a link that a click would open.
TEST(MessageBoxes, ANameWithMarkupShowsAsWrittenAndNothingIsALink) {
    const QString text = QStringLiteral(
        "The picture cannot be opened: <a href=mailto:x@evil.example>CLICK ME<img src=x>.png");
    const std::function<void()> boxes[] = {[&] { ShowInfo(text); }, [&] { ShowError(text); },
                                           [&] { AskSystemYesNo(text); }};
    for (const auto& show : boxes) {
        QLabel* label = nullptr;
        QString shown;
        Qt::TextFormat format = Qt::AutoText;
        Qt::TextInteractionFlags interaction;
        auto* poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, [&, poll] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            poll->deleteLater();
            poll->stop();
            label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            if (label) {
                shown = label->text();
                format = label->textFormat();
                interaction = label->textInteractionFlags();
            }
            box->buttons().first()->click();
        });
        poll->start(10);
        show();
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(shown, text);
        EXPECT_EQ(format, Qt::PlainText);
        EXPECT_FALSE(interaction & (Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard));
    }
    // The program's own question and query dialogs show their texts the same way.
    EXPECT_EQ(TQuestionDialogForm().Label1->textFormat(), Qt::PlainText);
    EXPECT_EQ(TQueryForm().Label1->textFormat(), Qt::PlainText);
}

} // namespace

GLIMMORA_WINDOW_TEST_MAIN
