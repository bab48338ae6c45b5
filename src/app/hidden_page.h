#pragma once
#include <QObject>

#include <chrono>

class QTimer;
class QWebEnginePage;

// What becomes of the picture page while the main window is hidden in the tray. Frozen at once:
// its renderer keeps the page laid out but runs nothing, so the hot key shows it again without
// loading it. Discarded after `DiscardDelay`: the renderer ends and gives its memory back, and
// showing the window loads the page again.
// A renderer that has grown large on earlier pages (thousands of pictures) is renewed instead of
// frozen as it is: the page loads into a fresh renderer while hidden, and that one is frozen.
// During the first minute hidden, the memory that the engine has freed goes back to the system.
class HiddenPageKeeper : public QObject {
public:
    HiddenPageKeeper(QWebEnginePage* page, QObject* parent);

    // From the window's hide and show events.
    void WindowHidden();
    void WindowShown();

    // Ten minutes; GLIMMORA_DISCARD_HIDDEN_PAGE_AFTER (seconds) sets another time, so that the
    // benchmarks need not wait that long.
    static std::chrono::milliseconds DiscardDelay();

private:
    void Settle();
    void Freeze();
    void Discard();
    void StartReleasing();

    QWebEnginePage* page_;
    QTimer* discard_;
    QTimer* release_;
    int releases_ = 0;
    bool renewing_ = false;
};
