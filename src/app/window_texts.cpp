#include "app/window_texts.h"

#include "app/forms.h"
#include "app/main_window.h"
#include "balloon/balloon_form.h"
#include "catalogue/add_image_form.h"
#include "dialogs/about_form.h"
#include "dialogs/browser_form.h"
#include "dialogs/dialog_style.h"
#include "dialogs/question_dialog.h"
#include "dialogs/settings_form.h"
#include "dialogs/welcome_form.h"
#include "integration/translation_table.h"
#include "localisation/language.h"
#include "platform/current_desktop.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>
#include <QWebEngineView>

namespace {

// A text of several lines keeps its breaks in labels and buttons; a title bar has one line.
QString ShownText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

void SetCaption(QWidget* window, int number) {
    if (window)
        window->setWindowTitle(ShownText(GetText(number)).replace(QLatin1Char('\n'), ' '));
}

void SetCaption(QLabel* label, const QString& text) {
    if (!label)
        return;
    // Translation texts are shown as they stand, never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setText(ShownText(text));
    // Labels size themselves to their text: a longer translation grows the label instead of
    // being cut off (a layout, where there is one, still has the last word).
    if (!label->wordWrap()) {
        const QSize needed = label->sizeHint();
        if (needed.width() > label->width() || needed.height() > label->height())
            label->resize(qMax(needed.width(), label->width()),
                          qMax(needed.height(), label->height()));
    }
}

void SetCaption(QLabel* label, int number) {
    SetCaption(label, GetText(number));
}

void SetCaption(QAbstractButton* button, int number) {
    if (button)
        button->setText(ShownText(GetText(number)));
}

void SetCaption(QGroupBox* group, int number) {
    if (group)
        group->setTitle(ShownText(GetText(number)));
}

void SetCaption(QAction* item, int number) {
    if (item)
        item->setText(ShownText(GetText(number)));
}

void SetLines(QPlainTextEdit* memo, int number) {
    SetMemoText(memo, GetText(number));
}

void ApplyToMainWindow(TForm1* f) {
    SetCaption(f->Gruppenlabel1, 6);
    SetCaption(f->TODOshow1, 26);
    SetCaption(f->TODOWebsite1, 28);
    SetCaption(f->TODOClose1, 29);
    SetCaption(f->CoolBarBand, 1);
    SetCaption(static_cast<QWidget*>(f), 2);
    SetCaption(f->SpeedButton9, 31);
    SetCaption(f->SpeedButton6, 32);
    SetCaption(f->SpeedButton8, 33);
    SetCaption(f->SpeedButton2, 35);
    SetCaption(f->SpeedButton11, 37);
    SetCaption(f->SpeedButton3, 69);
    SetCaption(f->Label1, 70);
    SetCaption(f->Label3, 72);
    SetCaption(f->SpeedButton4, 71);
    SetCaption(f->SpeedButton5, 73);
    SetCaption(f->SpeedButton7, 74);
    SetCaption(f->SpeedButton10, 80);
    SetCaption(f->SpeedButton12, 81);
    // The search field and the recently-used link.
    f->SearchEdit->setPlaceholderText(ShownText(GetText(275)).replace(QLatin1Char('\n'), ' '));
    f->SearchEdit->setToolTip(ShownText(GetText(276)));
    SetCaption(f->RecentButton, 281);
    f->RecentButton->setToolTip(ShownText(GetText(282)));
    // Names for screen readers where a control shows no text of its own.
    f->CoolBar1->setAccessibleName(ShownText(GetText(335)));
    f->Panel4->setAccessibleName(ShownText(GetText(336)));
    f->TreeView1->setAccessibleName(ShownText(GetText(6)));
    f->WebBrowser1->setAccessibleName(ShownText(GetText(334)));
    f->SearchEdit->setAccessibleName(f->SearchEdit->placeholderText());
    f->SearchEdit->setAccessibleDescription(f->SearchEdit->toolTip());
    // The magnifier and Qt's clear button in the field are buttons of their own, named by their
    // actions' texts (Qt gives the clear button none, and keeps its action out of the list).
    for (QAction* action : f->SearchEdit->actions()) {
        if (!action->objectName().startsWith(QLatin1String("_q_")))
            action->setText(f->SearchEdit->placeholderText());
    }
    if (auto* clear = f->SearchEdit->findChild<QAction*>(QStringLiteral("_q_qlineeditclearaction")))
        clear->setText(ShownText(GetText(360)));
    f->Image1->setAccessibleName(f->Image1->toolTip());
    f->Image1->setAccessibleDescription(ShownText(GetText(362)));
    // The pane headers' pictures read as the headings that they carry.
    f->Image3->setAccessibleName(f->Gruppenlabel1->text());
    f->Image5->setAccessibleName(f->Label1->text());
    f->Image6->setAccessibleName(f->Label3->text());
    // The skin tone: the caption names the choice, the menu's entries the tones.
    SetCaption(f->SkinToneButton, 350);
    f->SkinToneButton->setToolTip(ShownText(GetText(358)));
    f->SkinToneButton->setAccessibleName(ShownText(GetText(350)));
    f->SkinToneButton->setAccessibleDescription(f->SkinToneButton->toolTip());
    f->SkinToneMenu->setAccessibleName(f->SkinToneButton->accessibleName());
    const QList<QAction*> tones = f->SkinToneActions->actions();
    for (int i = 0; i < tones.size(); ++i)
        SetCaption(tones[i], 351 + i);
    f->LayOutControls();
}

void ApplyToAboutWindow(TAboutForm* f) {
    SetCaption(static_cast<QWidget*>(f), 1);
    SetCaption(f->Label11, 1);
    SetCaption(f->BitBtn1, 39);
    SetCaption(f->GroupBox3, 40);
    SetCaption(f->BitBtn7, 43);
    SetCaption(f->Label9, 41);
    SetCaption(f->Label12, 42);
}

void ApplyToBrowserWindow(TBrowserForm* f) {
    SetCaption(static_cast<QWidget*>(f), 1);
    SetCaption(f->BitBtn7, 43);
}

void ApplyToQuestionDialog(TQuestionDialogForm* f) {
    SetCaption(static_cast<QWidget*>(f), 1);
    SetCaption(f->BitBtn1, 11);
    SetCaption(f->BitBtn2, 12);
    SetCaption(f->BitBtn3, 44);
}

void ApplyToSettingsDialog(TSettingsForm* f) {
    SetCaption(static_cast<QWidget*>(f), 1);
    SetCaption(f->GroupBox1, 45);
    SetCaption(f->GroupBox2, 48);
    SetCaption(f->GroupBox3, 50);
    SetCaption(f->BitBtn1, 47);
    SetCaption(f->BitBtn2, 51);
    SetCaption(f->BitBtn3, 43);
    SetCaption(f->Label1, 49);
    SetCaption(f->HideAfterInsertLabel, 285);
    SetCaption(f->AppearanceLabel, 330);
    // The lists and boxes are named by the captions that stand for them.
    f->ComboBox1->setAccessibleName(f->GroupBox1->title().trimmed());
    f->ComboBox2->setAccessibleName(f->GroupBox3->title().trimmed());
    f->CheckBox1->setAccessibleName(f->Label1->text());
    f->HideAfterInsertBox->setAccessibleName(f->HideAfterInsertLabel->text());
    f->AppearanceBox->setAccessibleName(f->AppearanceLabel->text());
    f->AppearanceBox->setToolTip(ShownText(GetText(337)));
    f->AppearanceBox->setAccessibleDescription(f->AppearanceBox->toolTip());
    for (int i = 0; i < 3; ++i)
        f->AppearanceBox->setItemText(i, ShownText(GetText(331 + i)));
    SetCaption(f->SkinToneLabel, 357);
    f->SkinToneBox->setAccessibleName(ShownText(GetText(350)));
    f->SkinToneBox->setToolTip(ShownText(GetText(358)));
    f->SkinToneBox->setAccessibleDescription(f->SkinToneBox->toolTip());
    for (int i = 0; i < f->SkinToneBox->count(); ++i)
        f->SkinToneBox->setItemText(i, ShownText(GetText(351 + i)));
    const int insertionWay = InsertionWayText(CurrentDesktop().name());
    SetCaption(f->InsertionWayLabel, insertionWay ? GetText(insertionWay) : QString());
    SetCaption(f->GnomeShortcutButton, 304);
    SetLines(f->Memo1, 46);
    f->Image1->setAccessibleName(ShownText(GetText(361)));
}

void ApplyToWelcomeWindow(TWelcomeForm* f) {
    SetCaption(static_cast<QWidget*>(f), 1);
    SetCaption(f->GroupBox1, 57);
    SetCaption(f->GroupBox2, 58);
    SetCaption(f->Label1, 59);
    f->CheckBox2->setAccessibleName(f->Label1->text()); // the label beside it ticks it
    SetCaption(f->BitBtn3, 43);
    SetLines(f->Memo1, 60);
    SetLines(f->Memo2, 61);
    f->Image1->setAccessibleName(ShownText(GetText(1))); // the banner shows the program's name
}

void ApplyToAddPictureWindow(TAddImageForm* f) {
    SetCaption(static_cast<QWidget*>(f), 1);
    SetOpenPictureDialogTitle(ShownText(GetText(75)).replace(QLatin1Char('\n'), ' '));
    SetCaption(f->Label1, 76);
    // The category label always reads like the main window's, whatever text 6 holds.
    if (Form1 && Form1->Gruppenlabel1)
        SetCaption(f->Gruppenlabel1, Form1->Gruppenlabel1->text());
}

void ApplyToBalloonDesigner(TBaloonForm* f) {
    SetCaption(static_cast<QWidget*>(f), 1);
    // The label keeps its place inside the frame; the designer shrinks its font instead.
    f->Label2->setTextFormat(Qt::PlainText);
    f->Label2->setText(ShownText(GetText(77)));
    SetCaption(f->SpeedButton2, 78);
    SetCaption(f->SpeedButton1, 79);
}

} // namespace

void ApplyTexts() {
    // Window by window in a fixed order: the add-picture window copies a text of the main window.
    if (Form1)
        ApplyToMainWindow(Form1);
    if (AboutForm)
        ApplyToAboutWindow(AboutForm);
    if (BrowserForm)
        ApplyToBrowserWindow(BrowserForm);
    if (QuestionDialogForm)
        ApplyToQuestionDialog(QuestionDialogForm);
    if (SettingsForm)
        ApplyToSettingsDialog(SettingsForm);
    if (WelcomeForm)
        ApplyToWelcomeWindow(WelcomeForm);
    if (AddImageForm)
        ApplyToAddPictureWindow(AddImageForm);
    if (BaloonForm)
        ApplyToBalloonDesigner(BaloonForm);
}

void FollowLanguageSwitches() {
    static bool connected = false;
    if (connected)
        return;
    connected = true;
    QObject::connect(&LanguageSwitches(), &LanguageEvents::switched, [] {
        ApplyTexts();
        if (Form1) {
            Form1->LoadCatalogue();
            Form1->SelectStartCategory();
        }
    });
}
