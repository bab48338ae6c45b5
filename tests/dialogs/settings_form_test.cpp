#include "dialogs/settings_form.h"

#include "app/forms.h"
#include "dialogs/dialogs.h"
#include "dialogs/settings_store.h"
#include "integration/mail_defs.h"
#include "integration/system_helpers.h"
#include "integration/translation_table.h"
#include "integration/window_look.h"
#include "support/test_env.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// The program's settings as the dialog keeps them.
class RecordingStore : public SettingsStore {
public:
    int chosenMailDef() const override { return chosen; }
    void setChosenMailDef(int position) override { chosen = position; }
    bool hideAfterInsert() const override { return hide; }
    void storeHideAfterInsert(bool on) override { hide = on; }
    void setWelcomeScreen(bool) override {}
    int appearance() const override { return look; }
    void storeAppearance(int value) override { look = value; }
    int skinTone() const override { return tone; }
    void storeSkinTone(int value) override { tone = value; }
    void save() override { ++saves; }

    int chosen = 0;
    bool hide = false;
    int look = 0;
    int tone = 0;
    int saves = 0;
};

class SettingsFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFile(home.userData() + "Glimmora.def",
                  "[0]\r\nEnglish\r\n[1]\r\nGlimmora\r\n[30]\r\nDone\r\n[END]\r\n");
        CreateTranslationTable("Glimmora");
    }
    void TearDown() override {
        delete SettingsForm;
        SettingsForm = nullptr;
    }

    void LoadDefinitions(const QByteArray& content) {
        WriteFile(home.userData() + "glimmora.maildef.ini", content);
        LoadMailDefs(home.userData() + "glimmora.maildef.ini");
    }
    // The dialog, with what it announces to the other windows recorded rather than run.
    TSettingsForm* Create() {
        SettingsForm = new TSettingsForm(store);
        QObject::connect(SettingsForm, &TSettingsForm::languageChosen, [this](const QString& name) {
            switchedLanguages.append(name);
            if (!welcomeCaptionAfterSwitch.isEmpty())
                SettingsForm->BitBtn2->setText(welcomeCaptionAfterSwitch);
        });
        QObject::connect(SettingsForm, &TSettingsForm::welcomeRequested,
                         [this] { ++welcomeRequests; });
        return SettingsForm;
    }
    QString AutostartFile() const { return home.configHome() + "autostart/Glimmora.desktop"; }

    TempHome home;
    RecordingStore store;
    QStringList switchedLanguages;
    QString welcomeCaptionAfterSwitch; // what the new language's texts put on BitBtn2
    int welcomeRequests = 0;
};

// A left click on a widget, as the window system delivers it.
void Click(QWidget* widget) {
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

// Every caption is shown whole and nothing overlaps or leaves the window.
void ExpectTextsFit(TSettingsForm* form) {
    for (QPushButton* button :
         {form->BitBtn1, form->BitBtn2, form->BitBtn3, form->GnomeShortcutButton}) {
        const QStyle* style = button->style();
        const int needed = button->fontMetrics().horizontalAdvance(button->text()) +
                           2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                           (button->icon().isNull() ? 0 : button->iconSize().width());
        EXPECT_LE(needed, button->width()) << button->text().toStdString();
    }
    EXPECT_LE(form->Label1->sizeHint().width(), form->Label1->width());
    EXPECT_LE(form->Label1->geometry().right(), form->GroupBox2->width());
    EXPECT_LT(form->ComboBox1->geometry().right(), form->BitBtn1->x());
    EXPECT_LT(form->BitBtn2->geometry().right(), form->BitBtn3->x());
    EXPECT_GT(form->BitBtn2->x(), form->GroupBox3->geometry().right());
    EXPECT_LE(form->BitBtn3->geometry().right(), form->width());
    EXPECT_LE(form->BitBtn1->geometry().right(), form->GroupBox1->width());
    // The line on how insertion works, and the shortcut offer below it, stay above the buttons.
    const QLabel* way = form->InsertionWayLabel;
    EXPECT_LE(way->heightForWidth(way->width()), way->height()) << way->text().toStdString();
    EXPECT_LE(way->geometry().bottom(), form->GnomeShortcutButton->y());
    EXPECT_LE(form->GnomeShortcutButton->geometry().bottom(), form->BitBtn2->y());
    EXPECT_LE(way->geometry().right(), form->width());
    // The appearance and the skin tone share a row: each label whole, nothing over the other.
    EXPECT_LE(form->AppearanceLabel->sizeHint().width(), form->AppearanceLabel->width());
    EXPECT_LE(form->SkinToneLabel->sizeHint().width(), form->SkinToneLabel->width())
        << form->SkinToneLabel->text().toStdString();
    EXPECT_GT(form->SkinToneLabel->x(), form->AppearanceBox->geometry().right());
    EXPECT_GE(form->SkinToneBox->width(), form->SkinToneBox->sizeHint().width());
    EXPECT_LT(form->SkinToneBox->geometry().right(), form->GroupBox2->width());
}

const QByteArray kThreeDefinitions = "[0]\r\nname=Mail\r\nlanguage=de\r\n"
                                     "[1]\r\nname=Other\r\n"
                                     "[2]\r\nname=Courier\r\nlanguage=en\r\n";

TEST_F(SettingsFormTest, ListShowsNameAndLanguageAndSelectsTheStoredPosition) {
    LoadDefinitions(kThreeDefinitions);
    store.chosen = 1;
    TSettingsForm* form = Create();
    ASSERT_EQ(form->ComboBox1->count(), 3);
    EXPECT_EQ(form->ComboBox1->itemText(0), "Courier (en)");
    EXPECT_EQ(form->ComboBox1->itemText(1), "Mail (de)");
    EXPECT_EQ(form->ComboBox1->itemText(2), "Other ()");
    EXPECT_EQ(form->ComboBox1->currentIndex(), 1);

    // The selection is the chosen definition, kept in the settings and read at every call.
    EXPECT_EQ(GetChosenMailDef().Name, "Mail");
    form->ComboBox1->setCurrentIndex(2);
    EXPECT_EQ(store.chosen, 2);
    EXPECT_EQ(GetChosenMailDef().Name, "Other");
}

TEST_F(SettingsFormTest, StoredPositionOutsideTheListSelectsNothing) {
    LoadDefinitions(kThreeDefinitions);
    for (int stored : {3, -1, 1000}) {
        store.chosen = stored;
        delete SettingsForm;
        TSettingsForm* form = Create();
        EXPECT_EQ(form->ComboBox1->count(), 3);
        EXPECT_EQ(form->ComboBox1->currentIndex(), -1) << stored;
        EXPECT_EQ(ChosenMailDefIndex(), -1);
        EXPECT_THROW(GetChosenMailDef(), std::out_of_range);
    }
}

TEST_F(SettingsFormTest, RefillSelectsTheStoredPositionAgain) {
    LoadDefinitions(kThreeDefinitions);
    store.chosen = 2;
    TSettingsForm* form = Create();
    form->ComboBox1->setCurrentIndex(0);
    emit MailDefUpdates().reloaded(); // as every definition update ends
    EXPECT_EQ(form->ComboBox1->count(), 3);
    EXPECT_EQ(form->ComboBox1->currentIndex(), 2);

    LoadMailDefs(home.userData() + "missing.ini");
    emit MailDefUpdates().reloaded(); // as every definition update ends
    EXPECT_EQ(form->ComboBox1->count(), 0);
    EXPECT_EQ(form->ComboBox1->currentIndex(), -1);
}

TEST_F(SettingsFormTest, AutostartBoxWritesAndRemovesTheEntry) {
    TSettingsForm* form = Create();
    EXPECT_FALSE(form->CheckBox1->isChecked());
    EXPECT_FALSE(QFile::exists(AutostartFile()));

    form->CheckBox1->click();
    ASSERT_TRUE(QFile::exists(AutostartFile()));
    EXPECT_TRUE(ReadFile(AutostartFile()).contains(AutostartCommand().toUtf8()));
    EXPECT_TRUE(IsAutostartOn("Glimmora"));

    form->CheckBox1->click();
    EXPECT_FALSE(QFile::exists(AutostartFile()));

    // Clicking the label twice leaves box and entry as they were.
    Click(form->Label1);
    EXPECT_TRUE(form->CheckBox1->isChecked());
    EXPECT_TRUE(QFile::exists(AutostartFile()));
    Click(form->Label1);
    EXPECT_FALSE(form->CheckBox1->isChecked());
    EXPECT_FALSE(QFile::exists(AutostartFile()));
}

TEST_F(SettingsFormTest, ExistingEntryIsNeverRewritten) {
    SetAutostart("Glimmora", "/elsewhere/glimmora /minime", true);
    const QByteArray before = ReadFile(AutostartFile());
    ASSERT_TRUE(before.contains("/elsewhere/glimmora"));

    // The box starts ticked from the entry; that tick writes nothing.
    TSettingsForm* form = Create();
    EXPECT_TRUE(form->CheckBox1->isChecked());
    EXPECT_EQ(ReadFile(AutostartFile()), before);

    // Ticking again from the program (as the first start does) writes nothing either.
    form->CheckBox1->setChecked(false);
    SetAutostart("Glimmora", "/elsewhere/glimmora /minime", true);
    form->CheckBox1->setChecked(true);
    ApplyAutostart();
    EXPECT_EQ(ReadFile(AutostartFile()), before);

    form->CheckBox1->setChecked(false);
    EXPECT_FALSE(QFile::exists(AutostartFile()));
}

TEST_F(SettingsFormTest, SaveDialogSettingsAppliesTheBoxThenSaves) {
    TSettingsForm* form = Create();
    form->CheckBox1->blockSignals(true);
    form->CheckBox1->setChecked(true);
    form->CheckBox1->blockSignals(false);
    SaveDialogSettings(store);
    EXPECT_TRUE(QFile::exists(AutostartFile()));
    EXPECT_EQ(store.saves, 1);
}

TEST_F(SettingsFormTest, ReducedFormHidesThreeElementsUntilAnyClose) {
    TSettingsForm* form = Create();
    const QList<QWidget*> optional{form->GroupBox2, form->GroupBox3, form->BitBtn2};

    // Closed with the close box.
    QList<bool> hiddenWhileShown;
    QTimer::singleShot(0, form, [&] {
        for (QWidget* w : optional)
            hiddenWhileShown.append(w->isHidden());
        EXPECT_FALSE(form->GroupBox1->isHidden());
        EXPECT_FALSE(form->BitBtn3->isHidden());
        EXPECT_FALSE(form->Image1->isHidden());
        form->close();
    });
    ShowReducedSettings();
    EXPECT_EQ(hiddenWhileShown, (QList<bool>{true, true, true}));
    for (QWidget* w : optional)
        EXPECT_FALSE(w->isHidden());
    EXPECT_EQ(store.saves, 0);

    // Closed with "weiter": restored, and the settings are written.
    hiddenWhileShown.clear();
    QTimer::singleShot(0, form, [&] {
        for (QWidget* w : optional)
            hiddenWhileShown.append(w->isHidden());
        form->BitBtn3->click();
    });
    ShowReducedSettings();
    EXPECT_EQ(hiddenWhileShown, (QList<bool>{true, true, true}));
    for (QWidget* w : optional)
        EXPECT_FALSE(w->isHidden());
    EXPECT_EQ(store.saves, 1);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(SettingsFormTest, LanguageListSelectsTheLastMatchAndSwitchesOnlyToAnotherLanguage) {
    WriteFile(home.programDir() + "Glimmora.t00", "[0]\r\nEnglish\r\n[END]\r\n");
    WriteFile(home.programDir() + "Glimmora.t01", "[0]\r\nDeutsch\r\n[END]\r\n");
    WriteFile(home.programDir() + "Glimmora.t02", "[0]\r\nENGLISH\r\n[END]\r\n");
    TSettingsForm* form = Create();
    form->show();
    ASSERT_EQ(form->ComboBox2->count(), 3);
    EXPECT_EQ(form->ComboBox2->currentIndex(), 2);
    EXPECT_TRUE(switchedLanguages.isEmpty());

    // The active language picked again: not even a reload.
    emit form->ComboBox2->activated(0);
    EXPECT_TRUE(switchedLanguages.isEmpty());

    welcomeCaptionAfterSwitch = "Mostrar la pantalla de bienvenida";
    form->ComboBox2->setCurrentIndex(1);
    emit form->ComboBox2->activated(1);
    welcomeCaptionAfterSwitch.clear();
    EXPECT_EQ(switchedLanguages, QStringList{"Deutsch"});
    ExpectTextsFit(form);

    // Every showing fills the list anew.
    form->hide();
    form->show();
    EXPECT_EQ(form->ComboBox2->count(), 3);
    EXPECT_EQ(form->ComboBox2->currentIndex(), 2);
    form->hide();
}

TEST_F(SettingsFormTest, WelcomeButtonOpensTheWelcomeWindowFromTheSettings) {
    TSettingsForm* form = Create();
    form->BitBtn2->click();
    EXPECT_EQ(welcomeRequests, 1);
}

// A new appearance is stored at once, and the user learns that the windows take it at the next
// start; picking the one in force says nothing.
TEST_F(SettingsFormTest, ChosenAppearanceIsStoredAndItsTimeSaid) {
    WriteFile(home.userData() + "Glimmora.def",
              "[0]\r\nEnglish\r\n[1]\r\nGlimmora\r\n[337]\r\nNext start.\r\n[END]\r\n");
    CreateTranslationTable("Glimmora");
    TSettingsForm* form = Create();
    form->FormShow();
    QStringList said;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            said << box->text();
            box->accept();
        }
    });
    answer.start(10);
    emit form->AppearanceBox->activated(2);
    EXPECT_EQ(store.look, 2);
    emit form->AppearanceBox->activated(2);
    EXPECT_EQ(said, QStringList{"Next start."});
}

// WCAG's contrast ratio of two colours.
double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// In the dark look texts keep a contrast of 4.5 to what they stand on, and a check box's square
// one of 3 to its window: drawn as the light look draws it, its frame is all but black on black.
TEST_F(SettingsFormTest, DarkLookKeepsTextsAndCheckBoxesVisible) {
    UseAppearance(Appearance::Dark);
    const LookColours& c = Look();
    const QPalette p = QApplication::palette();
    const std::pair<QColor, QColor> texts[] = {
        {c.text, c.window},
        {c.link, c.window},
        {c.caption, c.window},
        {c.paneLabel, c.pane},
        {c.text, c.tree},
        {c.link, c.tree},
        {c.fieldText, c.field},
        {p.color(QPalette::PlaceholderText), c.field},
        {c.link, c.toolBarTop},
        {c.link, c.toolBarBottom},
        {p.color(QPalette::ButtonText), p.color(QPalette::Button)},
        {p.color(QPalette::HighlightedText), p.color(QPalette::Highlight)},
        {p.color(QPalette::ToolTipText), p.color(QPalette::ToolTipBase)}};
    for (const auto& [fore, back] : texts)
        EXPECT_GE(Contrast(fore, back), 4.5)
            << fore.name().toStdString() << " on " << back.name().toStdString();

    TSettingsForm* form = Create();
    for (QCheckBox* box : {form->CheckBox1, form->HideAfterInsertBox}) {
        // As the window shows it: the box on its group's background.
        const QImage square = form->GroupBox2->grab(box->geometry()).toImage();
        double strongest = 0;
        for (int y = 0; y < square.height(); ++y) {
            for (int x = 0; x < square.width(); ++x)
                strongest = std::max(strongest, Contrast(square.pixelColor(x, y), c.window));
        }
        EXPECT_GE(strongest, 3.0);
    }
    UseAppearance(Appearance::Light);
}

// The skin tone list shows the stored tone; a pick goes to the store at once.
TEST_F(SettingsFormTest, SkinToneListShowsAndStoresTheTone) {
    store.tone = 4;
    TSettingsForm* form = Create();
    form->FormShow();
    EXPECT_EQ(form->SkinToneBox->count(), 6);
    EXPECT_EQ(form->SkinToneBox->currentIndex(), 4);
    emit form->SkinToneBox->activated(3);
    EXPECT_EQ(store.tone, 3);
}

TEST_F(SettingsFormTest, TextsFitTheirComponentsAlsoWhenTranslated) {
    TSettingsForm* form = Create();
    form->show();
    ExpectTextsFit(form);
    EXPECT_EQ(form->BitBtn3->geometry(), QRect(469, 309, 78, 23));
    EXPECT_EQ(form->Image1->pixmap().size(), QSize(38, 145));
    EXPECT_FALSE(form->BitBtn3->icon().isNull());
    form->hide();

    // The texts of every shipped language.
    const QStringList languages =
        QDir(SourceDir() + "shipped").entryList({"Glimmora.t0*"}, QDir::Files);
    ASSERT_FALSE(languages.isEmpty());
    for (const QString& file : languages) {
        SCOPED_TRACE(file.toStdString());
        AbTrans2 table;
        table.LoadFromFile(SourceDir() + "shipped/" + file);
        form->BitBtn1->setText(DecodeBytes(table.text(47)));
        form->BitBtn2->setText(DecodeBytes(table.text(51)));
        form->BitBtn3->setText(DecodeBytes(table.text(43)));
        form->Label1->setText(DecodeBytes(table.text(49)));
        form->GnomeShortcutButton->setText(DecodeBytes(table.text(304)));
        form->AppearanceLabel->setText(DecodeBytes(table.text(330)));
        form->SkinToneLabel->setText(DecodeBytes(table.text(357)));
        for (int i = 0; i < form->SkinToneBox->count(); ++i)
            form->SkinToneBox->setItemText(i, DecodeBytes(table.text(351 + i)));
        for (const int way : {301, 302, 303}) {
            form->InsertionWayLabel->setText(DecodeBytes(table.text(way)));
            form->show();
            ExpectTextsFit(form);
        }
        form->hide();
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
