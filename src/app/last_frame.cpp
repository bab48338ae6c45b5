#include "app/last_frame.h"

#include <QApplication>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QTimer>
#include <QWebEngineView>

namespace {
// From the page's loadFinished to its first frame with the pictures of the screen; the picture
// shows the same, so waiting costs nothing.
constexpr int kPaintMs = 150;
} // namespace

LastFrame::LastFrame(QWebEngineView* view) : QLabel(view->parentWidget()), view_(view) {
    setObjectName("LastFrame");
    hide();
    view_->installEventFilter(this);
}

void LastFrame::Cover() {
    const QPixmap frame = view_->grab();
    if (frame.isNull())
        return;
    setPixmap(frame);
    setGeometry(view_->geometry());
    raise();
    show();
}

void LastFrame::PageLoaded() {
    if (Covering())
        QTimer::singleShot(kPaintMs, this, &LastFrame::Uncover);
}

void LastFrame::Uncover() {
    if (!Covering())
        return;
    hide();
    setPixmap(QPixmap());
    QWidget* page = view_->focusProxy() ? view_->focusProxy() : view_;
    std::vector<std::unique_ptr<QMouseEvent>> clicks;
    clicks.swap(clicks_);
    for (const std::unique_ptr<QMouseEvent>& click : clicks) {
        QMouseEvent replay(click->type(), click->position(), page->mapToGlobal(click->position()),
                           click->button(), click->buttons(), click->modifiers());
        QApplication::sendEvent(page, &replay);
    }
}

bool LastFrame::eventFilter(QObject* watched, QEvent* event) {
    // The picture no longer fits a view of another size.
    if (watched == view_ && event->type() == QEvent::Resize &&
        static_cast<QResizeEvent*>(event)->size() != size())
        Uncover();
    return QLabel::eventFilter(watched, event);
}

void LastFrame::mousePressEvent(QMouseEvent* event) {
    clicks_.emplace_back(event->clone());
}

void LastFrame::mouseReleaseEvent(QMouseEvent* event) {
    clicks_.emplace_back(event->clone());
}
