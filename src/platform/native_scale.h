#pragma once
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtGlobal>

// Qt counts a window's place and size in device-independent pixels, the window system in its own
// (QT_SCALE_FACTOR, Xft.dpi or a screen's density make one of Qt's pixels several of the X
// server's). Everything that passes between the two goes through this, so that a size stored or
// asked for means the same on every scale.
class NativeScale {
public:
    // The scale of the program's own top-level window `window` (its native id); the primary
    // screen's when no such window exists.
    static NativeScale Of(quint64 window);
    NativeScale(qreal factor, const QPoint& screenOrigin);

    qreal factor() const { return factor_; }
    QPoint toNative(const QPoint& logical) const;
    QPoint toLogical(const QPoint& native) const;
    QSize toNative(const QSize& logical) const;
    QSize toLogical(const QSize& native) const;
    QRect toLogical(const QRect& native) const;
    QMargins toLogical(const QMargins& native) const;

private:
    qreal factor_;
    // A screen's top left corner is the same in both units; Qt scales around it.
    QPoint origin_;
};
