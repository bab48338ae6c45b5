#include "app/main_window_parts.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QToolButton>

QPixmap LoadArtwork(const QString& name, const QSize& size) {
    QPixmap pixmap(":/" + name);
    if (pixmap.isNull()) {
        pixmap = QPixmap(size);
        pixmap.fill(Qt::transparent);
        return pixmap;
    }
    if (pixmap.size() != size)
        pixmap = pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return pixmap;
}

QToolButton* MakeLinkButton(QWidget* parent, const QString& caption, const QString& glyph,
                            Qt::ToolButtonStyle style) {
    auto* button = new QToolButton(parent);
    button->setText(caption);
    button->setToolButtonStyle(style);
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    int glyphSize = style == Qt::ToolButtonTextUnderIcon ? 28 : 24;
    QPixmap pixmap = LoadArtwork(glyph, QSize(glyphSize, glyphSize));
    button->setIcon(QIcon(pixmap));
    button->setIconSize(QSize(glyphSize, glyphSize));
    QFont font = button->font();
    font.setPixelSize(11);
    font.setUnderline(true);
    button->setFont(font);
    button->setStyleSheet("QToolButton { color: #0000FF; border: 1px solid transparent; "
                          "border-radius: 3px; background: transparent; }"
                          "QToolButton:hover { background: rgba(255,255,255,0.45); }"
                          "QToolButton[raisedMode=\"true\"] { background: #ffffff; "
                          "border: 1px solid #7f9bd6; border-bottom: 2px solid #4d6fb8; }");
    return button;
}

void SetModeLook(QToolButton* button, bool on) {
    button->setAutoRaise(!on);
    button->setProperty("raisedMode", on);
    button->style()->unpolish(button);
    button->style()->polish(button);
}

QRect VirtualDesktop() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->virtualGeometry() : QRect(0, 0, 1024, 768);
}
