// The language chooser of the first start, shown modally on a real display.
#include "dialogs/language_form.h"

#include "dialogs/window_test_support.h"
#include "integration/translation_table.h"
#include "support/test_env.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

QByteArray LanguageFile(const QByteArray& name) {
    return "[0]\r\n" + name + "\r\n[1]\r\nGlimmora\r\n[END]\r\n";
}

class LanguageFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFile(home.programDir() + "Glimmora.t00", LanguageFile("English"));
        WriteFile(home.programDir() + "Glimmora.t01", LanguageFile("Deutsch"));
        WriteFile(home.programDir() + "Glimmora.t02", LanguageFile("Français"));
        WriteFile(home.userData() + "Glimmora.def", LanguageFile("English"));
        CreateTranslationTable("Glimmora");
    }

    QString marker() const { return home.userData() + "Glimmora.cho"; }

    std::unique_ptr<TLanguageForm> Create(const QStringList& arguments = {"glimmora"}) {
        return std::make_unique<TLanguageForm>(arguments);
    }

    // Shows the chooser modally; a watchdog ends a window that never closes.
    int RunModal(TLanguageForm* form, std::function<void()> whileOpen = {}) {
        if (whileOpen)
            WhenModal(form, whileOpen);
        bool timedOut = false;
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, form, [&] {
            timedOut = true;
            form->done(-1);
        });
        watchdog.start(15000);
        const int result = form->exec();
        EXPECT_FALSE(timedOut) << "the chooser did not close";
        return result;
    }

    TempHome home;
};

TEST_F(LanguageFormTest, ListsTheLanguagesWithNothingChosen) {
    auto form = Create();
    ASSERT_EQ(form->ComboBox1->count(), 3);
    EXPECT_EQ(form->ComboBox1->itemText(0), QStringLiteral("English"));
    EXPECT_EQ(form->ComboBox1->itemText(1), QStringLiteral("Deutsch"));
    EXPECT_EQ(form->ComboBox1->itemText(2), QStringLiteral("Français"));
    EXPECT_EQ(form->ComboBox1->currentIndex(), -1);
    EXPECT_FALSE(form->ComboBox1->isEditable());
    EXPECT_FALSE(form->BitBtn1->isEnabled());
    // Readable before any language is chosen: its own texts are fixed.
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Glimmora"));
    EXPECT_EQ(form->Label1->text(), QStringLiteral("Please select your language:"));
    EXPECT_EQ(form->Label2->text(), QStringLiteral("Bitte wählen Sie Ihre Sprache aus:"));
    EXPECT_EQ(form->Timer1->interval(), 1);
    for (QWidget* part :
         {static_cast<QWidget*>(form->Label1), static_cast<QWidget*>(form->Label2),
          static_cast<QWidget*>(form->ComboBox1), static_cast<QWidget*>(form->BitBtn1)})
        EXPECT_LE(part->geometry().right(), form->width() - 8) << "cut off at the right";
    EXPECT_GE(form->width(), 186);

    form->ComboBox1->setCurrentIndex(2);
    EXPECT_TRUE(form->BitBtn1->isEnabled());
}

TEST_F(LanguageFormTest, FirstStartArgumentInAnyCaseForgetsTheChoice) {
    for (const char* argument : {"/firststart", "/FirstStart", "/FIRSTSTART"}) {
        WriteFile(marker(), "3.5");
        Create({"glimmora", argument});
        EXPECT_FALSE(QFileInfo::exists(marker())) << argument;
    }
    for (const QStringList& arguments :
         {QStringList{"glimmora"}, QStringList{"glimmora", "/minime"},
          QStringList{"glimmora", "/minime", "/firststart"},
          QStringList{"glimmora", "firststart"}}) {
        WriteFile(marker(), "3.5");
        Create(arguments);
        EXPECT_TRUE(QFileInfo::exists(marker())) << arguments.join(' ').toStdString();
    }
}

TEST_F(LanguageFormTest, ClosesByItselfWhenALanguageWasChosenBefore) {
    WriteFile(marker(), "3.5");
    auto form = Create();
    EXPECT_NE(RunModal(form.get()), QDialog::Accepted);
    EXPECT_EQ(ReadFile(home.userData() + "Glimmora.def"), LanguageFile("English"));
    EXPECT_EQ(GetText(0), QStringLiteral("English"));
}

TEST_F(LanguageFormTest, PickAndOkSwitchesTheLanguageAndLeavesTheMarker) {
    auto form = Create();
    TLanguageForm* chooser = form.get();
    const int result = RunModal(chooser, [chooser] {
        // Still waiting on its own: the first tick found no marker.
        EXPECT_FALSE(chooser->BitBtn1->isEnabled());
        chooser->ComboBox1->setCurrentIndex(1);
        chooser->BitBtn1->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(ReadFile(marker()), QByteArray("3.5"));
    EXPECT_EQ(ReadFile(home.userData() + "Glimmora.def"), LanguageFile("Deutsch"));
    EXPECT_EQ(GetText(0), QStringLiteral("Deutsch"));
}

TEST_F(LanguageFormTest, AnExistingMarkerIsLeftAsItIs) {
    auto form = Create();
    WriteFile(marker(), "kept");
    form->ComboBox1->setCurrentIndex(2);
    form->BitBtn1Click();
    EXPECT_EQ(ReadFile(marker()), QByteArray("kept"));
    EXPECT_EQ(GetText(0), QStringLiteral("Français"));
}

TEST_F(LanguageFormTest, ClosingWithoutAPickSwitchesNothing) {
    auto form = Create();
    TLanguageForm* chooser = form.get();
    EXPECT_NE(RunModal(chooser, [chooser] { chooser->reject(); }), QDialog::Accepted);
    EXPECT_FALSE(QFileInfo::exists(marker()));
    EXPECT_EQ(GetText(0), QStringLiteral("English"));
    // The button alone, without a pick, does nothing either.
    form->BitBtn1Click();
    EXPECT_FALSE(QFileInfo::exists(marker()));
}

} // namespace

GLIMMORA_WINDOW_TEST_MAIN
