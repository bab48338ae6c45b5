#include "integration/target_window.h"

#include "integration/key_sequence.h"
#include "integration/mail_defs.h"

#include <QElapsedTimer>
#include <QThread>

void ActivateWindow(Desktop& desktop, Desktop::Window window) {
    if (!window)
        return;
    if (desktop.isMinimised(window))
        desktop.restore(window);
    else
        desktop.bringToFront(window);
    // Synthesised keys reach only the focused window; a window manager activates asynchronously.
    QElapsedTimer waited;
    waited.start();
    while (!desktop.hasInputFocus(window) && waited.elapsed() < 1000) {
        QThread::msleep(5);
        ProcessPendingEvents();
    }
}

void ActivateTargetWindow(Desktop& desktop) {
    ActivateWindow(desktop, desktop.findWindowByClass(GetChosenMailDef().WindowClass));
}
