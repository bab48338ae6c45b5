#include "app/window_settler.h"

#include "platform/current_desktop.h"
#include "platform/session.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace {
constexpr int kCheckMs = 100;
// A window manager under load answers late: a request is repeated only after this long.
constexpr int kPatienceMs = 500;
constexpr int kMaxRequests = 6;
} // namespace

WindowSettler::WindowSettler(QWidget* window) : QObject(window), window_(window) {
    timer_.setInterval(kCheckMs);
    connect(&timer_, &QTimer::timeout, this, &WindowSettler::Check);
}

void WindowSettler::Place(const QRect& bounds) {
    if (!WindowPositionsApply()) {
        window_->resize(bounds.size()); // the compositor places windows itself
        return;
    }
    bounds_ = bounds;
    requests_ = 0;
    window_->resize(bounds.size());
    window_->move(bounds.topLeft());
    Watch();
}

void WindowSettler::Minimise() {
    window_->showMinimized();
    if (!WindowPositionsApply())
        return; // nothing to check it against
    minimise_ = true;
    requests_ = 0;
    sinceRequest_.start();
    Watch();
}

void WindowSettler::CancelMinimise() {
    minimise_ = false;
}

QPoint WindowSettler::FramePosition() const {
    const QRect frame = CurrentDesktop().frameGeometry(window_->winId());
    return frame.isEmpty() ? window_->pos() : frame.topLeft();
}

void WindowSettler::Watch() {
    if (QWindow* handle = window_->windowHandle())
        handle->installEventFilter(this);
    timer_.start();
}

bool WindowSettler::eventFilter(QObject* watched, QEvent* event) {
    // A window shown again: what it still lacks is asked for once the window manager has mapped it.
    if (event->type() == QEvent::Expose && (bounds_ || minimise_))
        timer_.start();
    return QObject::eventFilter(watched, event);
}

bool WindowSettler::DueForRequest() {
    if (sinceRequest_.isValid() && sinceRequest_.elapsed() < kPatienceMs)
        return false;
    sinceRequest_.start();
    return ++requests_ <= kMaxRequests;
}

void WindowSettler::Check() {
    Desktop& desktop = CurrentDesktop();
    const Desktop::Window id = window_->winId();
    if (minimise_ && desktop.isMinimised(id))
        minimise_ = false;
    QWindow* handle = window_->windowHandle();
    if (!handle || !handle->isExposed()) {
        // Hidden or minimised: nothing to see until the window is on the screen again.
        if (!minimise_ || !window_->isVisible())
            timer_.stop();
        return;
    }
    if (minimise_) {
        // On the screen although minimised: the window manager lost the request.
        if (DueForRequest())
            desktop.minimise(id);
        else if (requests_ > kMaxRequests)
            minimise_ = false;
        return;
    }
    if (bounds_) {
        const QRect client = desktop.windowGeometry(id);
        const QSize size = client.isEmpty() ? window_->size() : client.size();
        // At a fractional scale a logical pixel has no exact native size: one off is there.
        const qreal ratio = window_->devicePixelRatioF();
        const int slack = qFuzzyCompare(ratio, qreal(qRound(ratio))) ? 0 : 1;
        const QPoint moved = FramePosition() - bounds_->topLeft();
        const QSize grown = size - bounds_->size();
        if (qAbs(moved.x()) <= slack && qAbs(moved.y()) <= slack && qAbs(grown.width()) <= slack &&
            qAbs(grown.height()) <= slack) {
            bounds_.reset();
        } else if (DueForRequest()) {
            // Past Qt, which skips bounds that it believes the window has already.
            desktop.requestBounds(id, bounds_->topLeft(), bounds_->size());
        } else if (requests_ > kMaxRequests) {
            bounds_.reset(); // the window manager will not have it there
        }
    }
    if (!bounds_ && !minimise_)
        timer_.stop();
}
