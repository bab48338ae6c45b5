#include "dialogs/dialog_style.h"

#include "platform/current_desktop.h"
#include "platform/qt_resources.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

// The resources live in the static library; nothing else references them, so they are registered
// explicitly before the first use.
static void EnsureDialogResources() {
    GLIMMORA_INIT_RESOURCE_ONCE(dialogs);
}

QString DialogResource(const QString& name) {
    EnsureDialogResources();
    return QStringLiteral(":/dialogs/") + name;
}

QPixmap DialogPicture(const QString& name) {
    return QPixmap(DialogResource(name));
}

QLabel* MakePicture(QWidget* parent, const QString& name, const QRect& geometry) {
    auto* label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setPixmap(DialogPicture(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void SetUpDialog(QWidget* window, const QString& name, const QString& caption, bool closeBox,
                 const QSize& clientSize) {
    window->setObjectName(name);
    window->setWindowTitle(caption);
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeBox)
        flags |= Qt::WindowCloseButtonHint;
    window->setWindowFlags(flags);
    MakeWhite(window);
    window->setFixedSize(clientSize);
}

QPushButton* MakeGlyphButton(QWidget* parent, const QString& text, const QString& glyph,
                             const QRect& geometry, bool glyphRight) {
    auto* button = new QPushButton(text, parent);
    button->setGeometry(geometry);
    button->setIcon(QIcon(DialogPicture(glyph)));
    button->setIconSize(QSize(16, 16));
    button->setAutoDefault(false);
    if (glyphRight)
        button->setLayoutDirection(Qt::RightToLeft);
    return button;
}

QSize FrameExtra(QWidget* window) {
    const QSize extra = window->frameGeometry().size() - window->geometry().size();
    if (extra.width() > 0 || extra.height() > 0)
        return extra;
    // Not shown yet: the window manager tells what its frame will be.
    const QMargins expected = CurrentDesktop().expectedFrameMargins(window->winId());
    if (!expected.isNull())
        return QSize(expected.left() + expected.right(), expected.top() + expected.bottom());
    return QSize(8, 32);
}

void SetOuterSize(QWidget* window, const QSize& outer) {
    window->resize(outer - FrameExtra(window));
}

void CentreOnScreen(QWidget* window) {
    QScreen* screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}
