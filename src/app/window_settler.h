#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QRect>
#include <QTimer>
#include <optional>

class QWidget;

// Brings a top-level window to the place and state that the program asked for, whatever its
// window manager makes of the request: a window manager pulls a window mapped off the screen into
// view, answers late, keeps the place of a window that is shown again while it is still being
// withdrawn, and can turn a fresh minimising into a normal window. The X server is asked where the
// window really is, and the request is repeated, patiently and a few times only, until it holds.
class WindowSettler : public QObject {
public:
    explicit WindowSettler(QWidget* window);

    // The frame's top left corner and the window's own size; applied now and, while the window is
    // not on the screen, again once it is.
    void Place(const QRect& bounds);
    // Minimises the window (showing it minimised when it is hidden).
    void Minimise();
    // Stops insisting on the minimised state (the user asked for the window).
    void CancelMinimise();

    // The bounds asked for while the window has not been seen with them.
    std::optional<QRect> PendingBounds() const { return bounds_; }
    // Where the frame really is (Qt's own idea when the X server cannot tell).
    QPoint FramePosition() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Watch();
    void Check();
    bool DueForRequest();

    QWidget* window_;
    QTimer timer_;
    QElapsedTimer sinceRequest_;
    std::optional<QRect> bounds_;
    bool minimise_ = false;
    int requests_ = 0;
};
