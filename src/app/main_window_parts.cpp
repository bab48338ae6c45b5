#include "app/main_window_parts.h"

#include "integration/window_look.h"
#include "platform/qt_resources.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QToolButton>

static void InitMainResources() {
    // The resources live in a static library; nothing else would pull them into the program.
    GLIMMORA_INIT_RESOURCE_ONCE(main);
    GLIMMORA_INIT_RESOURCE_ONCE(icons);
}

QPixmap LoadArtwork(const QString& name, const QSize& size) {
    InitMainResources();
    return ArtworkForScreen(QStringLiteral(":/") + name, size,
                            qApp ? qApp->devicePixelRatio() : 1.0);
}

QPixmap Tinted(const QPixmap& picture, const QColor& colour) {
    QPixmap tinted = picture;
    QPainter painter(&tinted);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(tinted.rect(), colour);
    return tinted;
}

QPixmap DarkHeaderArtwork(const QSize& size, qreal pixelRatio) {
    QPixmap pixmap(size * pixelRatio);
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, size.width(), 0);
    gradient.setColorAt(0, Look().toolBarTop.lighter(125));
    gradient.setColorAt(1, Look().tree);
    painter.setPen(QPen(Look().toolBarLine, 1));
    painter.setBrush(gradient);
    painter.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() + 4), 4, 4);
    return pixmap;
}

namespace {
// The small downward triangle that says a button opens a menu; `at` is its left end, halfway down.
void DrawMenuArrow(QPainter& painter, const QPoint& at, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const QPointF corners[] = {QPointF(at.x(), at.y() - 2), QPointF(at.x() + 8, at.y() - 2),
                               QPointF(at.x() + 4, at.y() + 3)};
    painter.drawPolygon(corners, 3);
    painter.restore();
}

// A tool button whose caption wraps onto a second line instead of being cut: translated captions
// are often longer than the button is wide.
class LinkButton : public QToolButton {
public:
    using QToolButton::QToolButton;

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter p(this);
        QStyleOptionToolButton opt;
        initStyleOption(&opt);
        opt.text.clear();
        opt.icon = QIcon();
        // A menu's arrow goes beside the glyph (below), not into the button's corner.
        opt.features &= ~QStyleOptionToolButton::HasMenu;
        p.drawComplexControl(QStyle::CC_ToolButton, opt); // frame and background only

        const QRect r = rect().adjusted(2, 2, -2, -2);
        const QSize is = iconSize();
        QPixmap pixmap = icon().pixmap(is, isEnabled() ? QIcon::Normal : QIcon::Disabled);
        QRect textRect;
        int flags = Qt::TextWordWrap;
        if (toolButtonStyle() == Qt::ToolButtonTextUnderIcon) {
            const int glyphLeft = r.left() + (r.width() - is.width()) / 2;
            p.drawPixmap(glyphLeft, r.top() + 1, pixmap);
            if (menu())
                DrawMenuArrow(p, QPoint(glyphLeft + is.width() + 3, r.top() + 1 + is.height() / 2),
                              palette().color(QPalette::ButtonText));
            textRect =
                QRect(r.left(), r.top() + is.height() + 2, r.width(), r.height() - is.height() - 2);
            flags |= Qt::AlignHCenter | Qt::AlignTop;
        } else {
            p.drawPixmap(r.left() + 2, r.top() + (r.height() - is.height()) / 2, pixmap);
            textRect =
                QRect(r.left() + is.width() + 6, r.top(), r.width() - is.width() - 6, r.height());
            flags |= Qt::AlignLeft | Qt::AlignVCenter;
        }
        p.setPen(palette().color(QPalette::ButtonText));
        p.setFont(font());
        p.drawText(textRect, flags, text());
    }
};
} // namespace

QToolButton* MakeLinkButton(QWidget* parent, const QString& caption, const QString& glyph,
                            Qt::ToolButtonStyle style) {
    auto* button = new LinkButton(parent);
    button->setText(caption);
    button->setToolButtonStyle(style);
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    const int glyphSize = 22; // leaves two caption lines room under the glyph
    QPixmap pixmap = LoadArtwork(glyph, QSize(glyphSize, glyphSize));
    button->setIcon(QIcon(pixmap));
    button->setIconSize(QSize(glyphSize, glyphSize));
    QFont font = button->font();
    SetDesignTextSize(font, 11);
    font.setUnderline(true);
    button->setFont(font);
    QPalette pal = button->palette();
    pal.setColor(QPalette::ButtonText, Look().link);
    button->setPalette(pal);
    button->setStyleSheet(QStringLiteral("QToolButton { color: %1; border: 1px solid transparent; "
                                         "border-radius: 3px; background: transparent; }"
                                         "QToolButton:hover { background: %2; }"
                                         "QToolButton[raisedMode=\"true\"] { background: %3; "
                                         "border: 1px solid #7f9bd6; "
                                         "border-bottom: 2px solid #4d6fb8; }")
                              .arg(Look().link.name(),
                                   DarkLook() ? "rgba(255,255,255,0.10)" : "rgba(255,255,255,0.45)",
                                   Look().window.name()));
    return button;
}

QToolButton* MakePictureButton(QWidget* parent, const QRect& rect, const QString& artwork) {
    auto* button = new QToolButton(parent);
    button->setGeometry(rect);
    button->setIcon(QIcon(LoadArtwork(artwork, rect.size())));
    button->setIconSize(rect.size());
    button->setCursor(Qt::PointingHandCursor);
    // The picture fills the button: a border drawn over its edge marks the keyboard focus.
    button->setStyleSheet(
        QStringLiteral("QToolButton { border: 1px solid transparent; border-radius: 3px; "
                       "padding: -1px; background: transparent; }"
                       "QToolButton:hover { background: %1; }"
                       "QToolButton:focus { border-color: %2; }")
            .arg(DarkLook() ? "rgba(255,255,255,0.18)" : "rgba(255,255,255,0.6)",
                 Look().link.name()));
    return button;
}

int LeastLinkButtonWidth(const QToolButton* button, int designWidth) {
    // The painting above: two pixels of margin on each side, the caption below glyph and gap.
    const QFontMetrics metrics = button->fontMetrics();
    const int room = button->height() - 4 - button->iconSize().height() - 2 + 1;
    int width = button->iconSize().width() + 4;
    for (const QString& word : button->text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
        width = qMax(width, metrics.horizontalAdvance(word) + 4);
    for (; width < designWidth; ++width) {
        const QRect used =
            metrics.boundingRect(QRect(0, 0, width - 4, 1000), Qt::TextWordWrap, button->text());
        if (used.width() <= width - 4 && used.height() <= room)
            return width;
    }
    return designWidth;
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
