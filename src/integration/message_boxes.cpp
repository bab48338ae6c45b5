#include "integration/message_boxes.h"

#include "integration/system_helpers.h"
#include "integration/translation_table.h"
#include "platform/file_system.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <memory>
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

QString TextOrDefault(int number) {
    const QString text = GetText(number);
    if (!text.isEmpty())
        return text;
    auto fallback = std::make_unique<AbTrans2>();
    try {
        fallback->LoadFromFile(FindDataFile(QStringLiteral("Glimmora"), "Glimmora.t00"));
    } catch (const IoError&) {
    }
    return DecodeBytes(fallback->text(number));
}

void ShowRefusedFiles(QWidget* parent) {
    QStringList lines;
    for (const RefusedFile& file : TakeNewRefusedFiles())
        lines << TextOrDefault(file.reason == Refusal::TooLarge ? 203 : 204).arg(file.path);
    if (!lines.isEmpty())
        ShowError(lines.join(QStringLiteral("\n\n")), parent);
}
