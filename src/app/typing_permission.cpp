#include "app/typing_permission.h"

#include "integration/translation_table.h"
#include "platform/current_desktop.h"

#include <QCoreApplication>
#include <QLabel>
#include <QThread>

void WaitForTypingPermission() {
    Desktop& desktop = CurrentDesktop();
    if (desktop.typing() != Desktop::Typing::Asking)
        return;
    // Shown before the desktop's dialog opens, so the dialog comes up over it.
    QLabel notice(GetText(340));
    notice.setWindowTitle(GetText(1));
    notice.setWordWrap(true);
    notice.setMargin(16);
    notice.setFixedWidth(460);
    notice.show();
    while (desktop.typing() == Desktop::Typing::Asking && notice.isVisible()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
}
