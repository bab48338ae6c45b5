#include "integration/message_boxes.h"

#include "integration/isolated_text.h"
#include "integration/system_helpers.h"
#include "integration/translation_table.h"
#include "platform/file_system.h"

#include <QAbstractButton>
#include <QScreen>
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

void ShowNoticeBeside(const QString& text, QWidget* parent) {
    auto* box = new QMessageBox(QMessageBox::Information, Caption(), text, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText); // it names the definition, which comes from a file
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setAttribute(Qt::WA_ShowWithoutActivating);
    box->setWindowModality(Qt::NonModal);
    box->show();
    // In a corner of the screen that covers as little as there is of the parent, whose pictures
    // the user goes on clicking.
    const QScreen* screen = parent ? parent->screen() : box->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect covered = parent && parent->isVisible() ? parent->frameGeometry() : QRect();
    const QSize size = box->frameGeometry().size();
    QRect best;
    for (const QPoint& corner :
         {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()}) {
        QRect place(QPoint(), size);
        place.moveLeft(corner.x() == area.left() ? area.left() : area.right() - size.width() + 1);
        place.moveTop(corner.y() == area.top() ? area.top() : area.bottom() - size.height() + 1);
        const auto overlap = [&](const QRect& r) {
            const QRect common = r.intersected(covered);
            return common.isEmpty() ? 0 : common.width() * common.height();
        };
        if (best.isNull() || overlap(place) < overlap(best))
            best = place;
    }
    box->move(best.topLeft());
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
