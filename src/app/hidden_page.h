#pragma once
#include <QObject>

#include <chrono>

class QTimer;
class QWebEnginePage;

// What becomes of the picture page while the main window is hidden in the tray. Frozen at once:
// its renderer keeps the page laid out but runs nothing, so the hot key shows it again without
// loading it. Discarded after `DiscardDelay`: the renderer ends and gives its memory back, and
// showing the window loads the page again.
class HiddenPageKeeper : public QObject {
public:
    HiddenPageKeeper(QWebEnginePage* page, QObject* parent);

    void WindowHidden();
    void WindowShown();

    // Ten minutes; GLIMMORA_DISCARD_HIDDEN_PAGE_AFTER (seconds) sets another time, so that the
    // benchmarks need not wait that long.
    static std::chrono::milliseconds DiscardDelay();

private:
    void Discard();

    QWebEnginePage* page_;
    QTimer* discard_;
};
