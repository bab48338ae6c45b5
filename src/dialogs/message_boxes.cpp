#include "dialogs/message_boxes.h"

#include "localisation/translation_table.h"

#include <QMessageBox>

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
    return box.exec() == QMessageBox::Yes;
}

void ShowError(const QString& text, QWidget* parent) {
    QMessageBox box(QMessageBox::Critical, Caption(), text, QMessageBox::Ok, parent);
    box.exec();
}
