#include "dialogs/welcome_form.h"

#include "dialogs/dialog_style.h"
#include "dialogs/dialog_windows.h"
#include "dialogs/dialogs.h"
#include "integration/window_look.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWindow>

namespace {

// The design texts are given as paragraphs; the memo wraps them to its width.
QPlainTextEdit* MakeMemo(QWidget* parent, const QRect& geometry, const QStringList& paragraphs) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setGeometry(geometry);
    memo->setReadOnly(true);
    memo->setFrameShape(QFrame::NoFrame);
    memo->viewport()->setCursor(Qt::ArrowCursor);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SetDesignTextSize(memo, 12);
    memo->setPlainText(paragraphs.join('\n'));
    return memo;
}

} // namespace

TWelcomeForm::TWelcomeForm(SettingsStore& store, QWidget* parent)
    : QDialog(parent), showReducedSettings([] { ShowReducedSettings(); }), store_(store) {
    SetUpDialog(this, "WelcomeForm", "Glimmora", false, QSize(478, 394));

    Image1 = MakePicture(this, "welcome_banner.png", QRect(23, 1, 467, 41));

    GroupBox1 = new QGroupBox("Nutzung: ", this);
    GroupBox1->setGeometry(3, 48, 470, 197);
    Memo1 =
        MakeMemo(GroupBox1, QRect(7, 18, 457, 129),
                 {"Herzlich willkommen bei Glimmora. Mit Glimmora können Sie auf einfachste Art "
                  "und Weise Bilder in Ihre Emails einbauen, um dem tristen Alltag zu entkommen.",
                  "Ab sofort wird Glimmora als Symbol direkt neben der Windows-Uhr angezeigt. "
                  "Ein Klick mit der Maustaste auf dieses Symbol zeigt das Hauptfenster von "
                  "Glimmora an."});
    Image3 = MakePicture(GroupBox1, "welcome_picture.png", QRect(342, 146, 120, 45));

    GroupBox2 = new QGroupBox("Vorgehen: ", this);
    GroupBox2->setGeometry(3, 247, 470, 117);
    Memo2 =
        MakeMemo(GroupBox2, QRect(7, 16, 457, 97),
                 {"Schreiben Sie Ihre Email wie gewohnt. Sobald Sie an eine Stelle ein Bildchen "
                  "einfügen wollen, klicken Sie einfach auf das Glimmora-Symbol neben der "
                  "Windows Uhr, wählen ein passendes Bildchen bei Glimmora aus und klicken "
                  "auf dieses."});

    CheckBox2 = new QCheckBox(this);
    CheckBox2->setGeometry(4, 376, 16, 16);
    MakeCheckBoxLook(CheckBox2);

    Label1 = new ClickableLabel("Diesen Schirm beim nächsten Start wieder anzeigen", this);
    Label1->setGeometry(20, 376, 370, 15);
    Label1->setCursor(Qt::PointingHandCursor);
    connect(Label1, &ClickableLabel::clicked, this, &TWelcomeForm::Label1Click);

    BitBtn3 = MakeGlyphButton(this, "weiter", "arrow_right.png", QRect(394, 368, 78, 23), true);
    ApplyLinkStyle(BitBtn3);
    connect(BitBtn3, &QPushButton::clicked, this, &TWelcomeForm::BitBtn3Click);
    CentreOnScreen(this);
}

void TWelcomeForm::Label1Click() {
    CheckBox2->setChecked(!CheckBox2->isChecked());
}

void TWelcomeForm::BitBtn3Click() {
    store_.setWelcomeScreen(CheckBox2->isChecked());
    hide();
    if (!OpenedFromSettings && showReducedSettings)
        showReducedSettings();
    done(QDialog::Accepted);
}

void ShowWelcome(bool fromSettings) {
    TWelcomeForm* form = WelcomeForm;
    if (!form)
        return;
    form->OpenedFromSettings = fromSettings;
    // Opened from a modal dialog (the settings), the window belongs to that dialog for the window
    // system: the dialog's modality does not block it, and the window manager keeps it in front.
    QWidget* modal = QApplication::activeModalWidget();
    form->winId(); // the native window must exist to carry the relation
    if (QWindow* window = form->windowHandle())
        window->setTransientParent(modal && modal != form ? modal->windowHandle() : nullptr);
    form->show();
    form->raise();
    form->activateWindow();
}

void ShowWelcomeAtStart() {
    TWelcomeForm* form = WelcomeForm;
    if (!form)
        return;
    CentreOnScreen(form);
    form->exec();
}
