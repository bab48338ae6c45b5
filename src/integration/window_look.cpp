#include "integration/window_look.h"

#include "platform/color_scheme.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

namespace {

const LookColours kLight = {Qt::white,
                            QColor(0, 0, 0),
                            QColor(0, 0, 255),
                            QColor(255, 0, 0),
                            QColor(0x71, 0x90, 0xE0),
                            QColor(0x21, 0x5D, 0xC6),
                            QColor(0xD6, 0xDF, 0xF7),
                            QColor(0x21, 0x5D, 0xC6),
                            QColor(0xFB, 0xFC, 0xFF),
                            QColor(0xDF, 0xE6, 0xF7),
                            QColor(0xB9, 0xC6, 0xE6),
                            QColor(0xFF, 0xFF, 0xFF),
                            QColor(0x24, 0x30, 0x4A),
                            QColor(0x3A, 0x5B, 0xB0)};

// The same blues, darkened; links and captions lightened so that they keep their contrast.
const LookColours kDark = {
    QColor(0x1E, 0x22, 0x30), QColor(0xE3, 0xE7, 0xF1), QColor(0x8A, 0xB4, 0xF8),
    QColor(0xFF, 0x86, 0x86), QColor(0x2C, 0x35, 0x50), QColor(0xAF, 0xC3, 0xF5),
    QColor(0x25, 0x2B, 0x3D), QColor(0xC9, 0xD8, 0xFF), QColor(0x30, 0x36, 0x4A),
    QColor(0x26, 0x2B, 0x3A), QColor(0x45, 0x4E, 0x68), QColor(0x15, 0x19, 0x25),
    QColor(0xE3, 0xE7, 0xF1), QColor(0x6F, 0x8C, 0xD8)};

bool g_dark = false;

QPalette DarkPalette(const LookColours& c) {
    QPalette p;
    p.setColor(QPalette::Window, c.window);
    p.setColor(QPalette::WindowText, c.text);
    p.setColor(QPalette::Base, c.field);
    p.setColor(QPalette::AlternateBase, c.tree);
    p.setColor(QPalette::Text, c.text);
    p.setColor(QPalette::Button, QColor(0x33, 0x3A, 0x4F));
    p.setColor(QPalette::ButtonText, c.text);
    p.setColor(QPalette::BrightText, Qt::white);
    p.setColor(QPalette::Light, QColor(0x4A, 0x53, 0x6E));
    p.setColor(QPalette::Midlight, QColor(0x3C, 0x44, 0x5C));
    p.setColor(QPalette::Mid, QColor(0x2A, 0x30, 0x42));
    p.setColor(QPalette::Dark, QColor(0x12, 0x15, 0x1E));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Highlight, QColor(0x3A, 0x6F, 0xD8));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(0x30, 0x36, 0x4A));
    p.setColor(QPalette::ToolTipText, c.text);
    p.setColor(QPalette::PlaceholderText, QColor(0x9A, 0xA3, 0xB8));
    p.setColor(QPalette::Link, c.link);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(0x80, 0x88, 0x9C));
    return p;
}

} // namespace

void UseAppearance(Appearance appearance) {
    // Without a graphical application (pages written by a program without windows) there is no
    // palette to read or set.
    const bool windows = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    static const QPalette given = windows ? QGuiApplication::palette() : QPalette();
    bool dark = appearance == Appearance::Dark;
    if (appearance == Appearance::System) {
        const std::optional<bool> desktop = DesktopPrefersDark();
        dark = desktop ? *desktop : given.color(QPalette::Window).lightness() < 128;
    }
    g_dark = dark;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::setPalette(dark ? DarkPalette(kDark) : given);
}

bool DarkLook() {
    return g_dark;
}

const LookColours& Look() {
    return g_dark ? kDark : kLight;
}

void MakeCheckBoxLook(QWidget* box) {
    if (!g_dark)
        return;
    // The style draws the square's frame in the window colour darkened by 40 %, which from the
    // dark window is all but black; from this light one it is a grey-blue that shows. The box
    // fills no background of its own, so the colour shows nowhere else. The square is a shade
    // lighter than the window, and its tick (the text colour) stays clear on it.
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, QColor(0xC8, 0xD2, 0xEA));
    palette.setColor(QPalette::Base, QColor(0x2C, 0x33, 0x48));
    box->setPalette(palette);
}

QPixmap ArtworkForScreen(const QString& resource, const QSize& size, qreal ratio) {
    QString file = resource;
    if (ratio > 1) {
        QString large = file;
        large.insert(large.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
        if (QFile::exists(large))
            file = large;
    }
    QPixmap pixmap(file);
    const QSize device = (QSizeF(size) * ratio).toSize();
    if (pixmap.isNull()) {
        pixmap = QPixmap(device);
        pixmap.fill(Qt::transparent);
    } else if (pixmap.size() != device) {
        pixmap = pixmap.scaled(device, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

void MakeWhite(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Look().window);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetDesignTextSize(QFont& font, double designPixels) {
    font.setPointSizeF(designPixels * 72.0 / 96.0);
}

void SetDesignTextSize(QWidget* widget, double designPixels) {
    QFont font = widget->font();
    SetDesignTextSize(font, designPixels);
    widget->setFont(font);
}

void ApplyLinkStyle(QWidget* widget, int designPixels) {
    QFont font = widget->font();
    font.setUnderline(true);
    if (designPixels > 0)
        SetDesignTextSize(font, designPixels);
    widget->setFont(font);
    QPalette palette = widget->palette();
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        palette.setColor(QPalette::Active, role, Look().link);
        palette.setColor(QPalette::Inactive, role, Look().link);
    }
    widget->setPalette(palette);
    widget->setCursor(Qt::PointingHandCursor);
}
