#include "dialogs/query_form.h"

#include "dialogs/dialog_style.h"
#include "dialogs/dialog_windows.h"
#include "dialogs/dialogs.h"
#include "dialogs/welcome_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TQueryForm::TQueryForm(QWidget* parent) : QDialog(parent) {
    SetUpDialog(this, "QueryForm", "Glimmora", true, QSize(315, 126));

    Edit1 = new QLineEdit(this);
    Edit1->setGeometry(56, 48, 209, 24);
    SetDesignTextSize(Edit1, 13);

    Label1 = new QLabel("Please enter the name of the new category:", this);
    // The prompt is a translation text: shown as written, never read as markup.
    Label1->setTextFormat(Qt::PlainText);
    Label1->setGeometry(8, 16, 299, 30);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setWordWrap(true);

    BitBtn3 = MakeGlyphButton(this, "weiter", "arrow_right.png", QRect(120, 86, 78, 23), true);
    ApplyLinkStyle(BitBtn3);
    // Enter in the entry finishes it like the button.
    BitBtn3->setDefault(true);
    connect(BitBtn3, &QPushButton::clicked, this, &TQueryForm::BitBtn3Click);

    setTabOrder(Edit1, BitBtn3);
    CentreOnScreen(this);
}

void TQueryForm::BitBtn3Click() {
    close();
}

QString ShowQuery(const QString& prompt) {
    TQueryForm* form = QueryForm;
    if (!form)
        return {};
    form->Label1->setText(prompt);
    form->Edit1->clear();
    if (WelcomeForm)
        form->BitBtn3->setText(WelcomeForm->ContinueCaption());
    form->Edit1->setFocus();
    CentreOnScreen(form);
    form->exec();
    return form->Edit1->text();
}
