#include "platform/native_scale.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

NativeScale NativeScale::Of(quint64 window) {
    for (QWindow* w : QGuiApplication::topLevelWindows()) {
        if (w->handle() && w->winId() == window && w->screen())
            return NativeScale(w->devicePixelRatio(), w->screen()->geometry().topLeft());
    }
    if (QScreen* screen = QGuiApplication::primaryScreen())
        return NativeScale(screen->devicePixelRatio(), screen->geometry().topLeft());
    return NativeScale(1, QPoint());
}

NativeScale::NativeScale(qreal factor, const QPoint& screenOrigin)
    : factor_(factor > 0 ? factor : 1), origin_(screenOrigin) {}

QPoint NativeScale::toNative(const QPoint& logical) const {
    return origin_ + (logical - origin_) * factor_;
}

QPoint NativeScale::toLogical(const QPoint& native) const {
    return origin_ + (native - origin_) / factor_;
}

QSize NativeScale::toNative(const QSize& logical) const {
    return (QSizeF(logical) * factor_).toSize();
}

QSize NativeScale::toLogical(const QSize& native) const {
    return (QSizeF(native) / factor_).toSize();
}

QRect NativeScale::toLogical(const QRect& native) const {
    if (native.isEmpty())
        return native;
    return QRect(toLogical(native.topLeft()), toLogical(native.size()));
}

QMargins NativeScale::toLogical(const QMargins& native) const {
    return QMargins(qRound(native.left() / factor_), qRound(native.top() / factor_),
                    qRound(native.right() / factor_), qRound(native.bottom() / factor_));
}
