#include "dialogs/question_dialog.h"

#include "dialogs/dialog_style.h"
#include "dialogs/dialog_windows.h"
#include "dialogs/dialogs.h"

#include <QLabel>
#include <QPushButton>

std::function<void()> HideMainWindow;

TQuestionDialogForm::TQuestionDialogForm(QWidget* parent) : QDialog(parent) {
    SetUpDialog(this, "QuestionDialogForm", "QuestionDialogForm", false, QSize(351, 173));

    Image1 = MakePicture(this, "question_strip.png", QRect(280, 0, 71, 173));

    Label1 = new QLabel(this);
    // The question is a translation text: shown as written, never read as markup.
    Label1->setTextFormat(Qt::PlainText);
    Label1->setGeometry(16, 24, 281, 34);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(true);
    SetDesignTextSize(Label1, 13);

    BitBtn1 = MakeGlyphButton(this, "Ja", "yes.png", QRect(45, 64, 91, 41), false);
    BitBtn2 = MakeGlyphButton(this, "nein", "no.png", QRect(165, 64, 91, 41), false);
    BitBtn3 = MakeGlyphButton(this, "Zur Taskleiste senden", "taskbar.png", QRect(12, 114, 327, 51),
                              false);
    for (QPushButton* button : {BitBtn1, BitBtn2, BitBtn3})
        ApplyLinkStyle(button, 13);
    connect(BitBtn1, &QPushButton::clicked, this, &TQuestionDialogForm::SpeedButton16Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TQuestionDialogForm::SpeedButton1Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TQuestionDialogForm::SpeedButton2Click);
}

void TQuestionDialogForm::SpeedButton16Click() {
    Tag = 1;
    close();
}

void TQuestionDialogForm::SpeedButton1Click() {
    Tag = 0;
    close();
}

void TQuestionDialogForm::SpeedButton2Click() {
    Tag = 2;
    close();
}

// Shows the question modally and returns the answer (the preset one when closed otherwise).
static int AskQuestion(const QString& question, bool defaultYes, bool withTaskbar) {
    const int preset = defaultYes ? 1 : 0;
    TQuestionDialogForm* form = QuestionDialogForm;
    if (!form)
        return preset;
    form->Tag = preset;
    form->Label1->setText(question);
    // Hidden as well as cut off, so that no window frame lets half of it show.
    form->BitBtn3->setVisible(withTaskbar);
    const int outerHeight = withTaskbar ? kTaskbarOuterHeight : kYesNoOuterHeight;
    form->setFixedSize(351, outerHeight - FrameExtra(form).height());
    CentreOnScreen(form);
    form->exec();
    return form->Tag;
}

bool AskYesNo(const QString& question, bool defaultYes) {
    return AskQuestion(question, defaultYes, false) != 0;
}

bool AskYesNoOrTaskbar(const QString& question, bool defaultYes) {
    const int answer = AskQuestion(question, defaultYes, true);
    if (answer == 2 && HideMainWindow)
        HideMainWindow();
    return answer == 1;
}
