#include "integration/window_look.h"

#include <QWidget>

void MakeWhite(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void ApplyLinkStyle(QWidget* widget, int pixelSize) {
    QFont font = widget->font();
    font.setUnderline(true);
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    widget->setFont(font);
    QPalette palette = widget->palette();
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        palette.setColor(QPalette::Active, role, Qt::blue);
        palette.setColor(QPalette::Inactive, role, Qt::blue);
    }
    widget->setPalette(palette);
    widget->setCursor(Qt::PointingHandCursor);
}
