#include "integration/message_boxes.h"

#include "integration/isolated_text.h"
#include "integration/system_helpers.h"
#include "integration/translation_table.h"
#include "platform/file_system.h"

#include <QAbstractButton>
#include <memory>
#include <utility>

namespace {
QString Caption() {
    QString title = GetText(1);
    return title.isEmpty() ? QStringLiteral("Glimmora") : title;
}
} // namespace

QMessageBox::StandardButton ShowMessageBox(QMessageBox::Icon icon, const QString& text,
                                           QMessageBox::StandardButtons buttons, QWidget* parent) {
    QMessageBox box(icon, Caption(), text, buttons, parent);
    // Names and paths come from files: taken as markup, a name could put a live link in the box.
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The answers in the interface's language, as the question dialog gives them.
    for (auto [button, number] : {std::pair{QMessageBox::Yes, 11}, {QMessageBox::No, 12}}) {
        if (box.button(button) && !GetText(number).isEmpty())
            box.button(button)->setText(GetText(number));
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void ShowInfo(const QString& text, QWidget* parent) {
    ShowMessageBox(QMessageBox::Information, text, QMessageBox::Ok, parent);
}

bool AskSystemYesNo(const QString& text, QWidget* parent) {
    return ShowMessageBox(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No,
                          parent) == QMessageBox::Yes;
}

void ShowError(const QString& text, QWidget* parent) {
    ShowMessageBox(QMessageBox::Critical, text, QMessageBox::Ok, parent);
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
        lines
            << TextOrDefault(file.reason == Refusal::TooLarge ? 203 : 204).arg(Isolated(file.path));
    if (!lines.isEmpty())
        ShowError(lines.join(QStringLiteral("\n\n")), parent);
}
