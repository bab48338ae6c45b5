#pragma once
#include <QObject>
#include <QPointF>
#include <QUrl>

class LastFrame;
class QTimer;
class QWebEnginePage;
class QWebEngineView;

// What becomes of the picture page while the main window is hidden in the tray. Its renderer is
// let go at once and gives its memory back; a picture of the page's last frame stays over the
// browser, so that the hot key shows the page at once while it loads again behind the picture.
// During the first minute hidden, the memory that the engine has freed goes back to the system.
// Shown again, the page asks once more for the pictures that it could not have.
class HiddenPageKeeper : public QObject {
public:
    HiddenPageKeeper(QWebEngineView* view, QObject* parent);

    // From the window's hide and show events.
    void WindowHidden();
    void WindowShown();

private:
    void Settle();
    void Discard(QPointF scroll);
    void StartReleasing();

    QWebEnginePage* page_;
    LastFrame* frame_;
    QTimer* release_;
    int releases_ = 0;
    bool discarded_ = false;
    // Where the discarded page was, to be there again once it has loaded.
    QUrl discardedAt_;
    QPointF discardedScroll_;
};
