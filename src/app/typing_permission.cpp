#include "app/typing_permission.h"

#include "integration/translation_table.h"
#include "platform/current_desktop.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QThread>

#include <functional>

namespace {

// How long a kept permission may take to come back before the desktop is taken to be asking
// after all (it no longer held it).
constexpr int kRenewalMs = 3000;

bool Waiting(Desktop::Typing typing) {
    return typing == Desktop::Typing::Asking || typing == Desktop::Typing::Renewing;
}

void Wait(const std::function<bool()>& until) {
    while (!until()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
}

} // namespace

void WaitForTypingPermission() {
    Desktop& desktop = CurrentDesktop();
    // A kept permission comes back without a question, and then there is nothing to explain.
    const QDeadlineTimer renewal(kRenewalMs);
    Wait([&] { return desktop.typing() != Desktop::Typing::Renewing || renewal.hasExpired(); });
    if (!Waiting(desktop.typing()))
        return;
    // Shown before the desktop's dialog opens, so the dialog comes up over it.
    QLabel notice(GetText(340));
    notice.setWindowTitle(GetText(1));
    notice.setWordWrap(true);
    notice.setMargin(16);
    notice.setFixedWidth(460);
    notice.show();
    Wait([&] { return !Waiting(desktop.typing()) || !notice.isVisible(); });
}
