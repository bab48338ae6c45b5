#include "dialogs/message_boxes.h"

#include "localisation/translation_table.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <utility>

namespace {
QString Caption() {
    QString title = GetText(1);
    return title.isEmpty() ? QStringLiteral("Glimmora") : title;
}
} // namespace

void ShowInfo(const QString& text, QWidget* parent) {
    QMessageBox box(QMessageBox::Information, Caption(), text, QMessageBox::Ok, parent);
    box.exec();
}

bool AskSystemYesNo(const QString& text, QWidget* parent) {
    QMessageBox box(QMessageBox::Question, Caption(), text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    // The answers in the interface's language, as the question dialog gives them.
    for (auto [button, number] : {std::pair{QMessageBox::Yes, 11}, {QMessageBox::No, 12}}) {
        if (!GetText(number).isEmpty())
            box.button(button)->setText(GetText(number));
    }
    return box.exec() == QMessageBox::Yes;
}

void ShowError(const QString& text, QWidget* parent) {
    QMessageBox box(QMessageBox::Critical, Caption(), text, QMessageBox::Ok, parent);
    box.exec();
}
