#include "integration/target_window.h"

#include "integration/key_sequence.h"
#include "integration/mail_defs.h"

#include <QElapsedTimer>
#include <QThread>

bool ActivateWindow(Desktop& desktop, Desktop::Window window) {
    if (!window)
        return false;
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
    return desktop.hasInputFocus(window);
}

Desktop::Window FindTargetWindow(Desktop& desktop, const QByteArray& windowClass) {
    for (const QByteArray& name : WindowClassNames(windowClass)) {
        if (const Desktop::Window window = desktop.findWindowByClass(name))
            return window;
    }
    return 0;
}

TargetActivation ActivateTargetWindow(Desktop& desktop, Desktop::Window* found) {
    const MailDef& def = GetChosenMailDef();
    Desktop::Window window = 0;
    if (desktop.namesWindowsByAppId()) {
        for (const QByteArray& id : def.AppIds) {
            if ((window = desktop.findWindowByClass(id)) != 0)
                break;
        }
    } else {
        window = FindTargetWindow(desktop, def.WindowClass);
    }
    if (found)
        *found = window;
    if (!window)
        return TargetActivation::NoWindow;
    return ActivateWindow(desktop, window) ? TargetActivation::Focused
                                           : TargetActivation::FocusRefused;
}
