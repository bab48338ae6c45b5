#include "catalogue/skin_tone_icon.h"

#include "integration/data_folders.h"

#include <QFileInfo>
#include <QPainter>
#include <QPixmap>

#include <array>

namespace {

// The colours of the emoji data's tone modifiers; None is the emoji's own yellow.
const QColor kToneColours[kSkinToneCount] = {QColor(0xFF, 0xCC, 0x4D), QColor(0xF7, 0xDE, 0xCE),
                                             QColor(0xF3, 0xD2, 0xA2), QColor(0xD5, 0xAB, 0x88),
                                             QColor(0xAF, 0x7E, 0x57), QColor(0x7C, 0x53, 0x3E)};

// Drawn large: the icon scales it down sharply to any size and screen scale.
QIcon Swatch(SkinTone tone) {
    constexpr int size = 64;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = kToneColours[static_cast<int>(tone)];
    painter.setPen(QPen(colour.darker(150), 4));
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(6, 6, size - 12, size - 12));
    return QIcon(pixmap);
}

} // namespace

QIcon SkinToneIcon(SkinTone tone) {
    // Looked up once for the catalogue in use: the tool bar, its menu and the settings all ask.
    // Only names are kept: pictures must not outlive the application.
    static QString lookedUpFor;
    static std::array<QString, kSkinToneCount> hands; // none: a swatch
    const QString folder = CatalogueBaseFolder();
    if (folder != lookedUpFor) {
        const QString hand = folder + QStringLiteral("people/hands/raised-hand.png");
        TonedPictures pictures;
        // The hands only where the catalogue has every tone of it: a row of choices that mixed
        // hands and swatches would look unfinished.
        const bool everyTone =
            QFileInfo::exists(hand) && pictures.InTone(hand, SkinTone::Dark, folder) != hand;
        for (int i = 0; i < kSkinToneCount; ++i)
            hands[i] = everyTone ? pictures.InTone(hand, SkinToneFromIndex(i), folder) : QString();
        lookedUpFor = folder;
    }
    const QString& picture = hands[static_cast<int>(tone)];
    return picture.isEmpty() ? Swatch(tone) : QIcon(picture);
}
