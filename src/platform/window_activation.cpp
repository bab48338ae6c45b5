#include "platform/window_activation.h"

#include "platform/wayland/xdg_activation.h"

#include <QGuiApplication>
#include <QWindow>

namespace {

bool OnWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

QByteArray LaunchActivationToken() {
    const QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN").trimmed();
    return token.isEmpty() ? qgetenv("DESKTOP_STARTUP_ID").trimmed() : token;
}

bool WindowsComeForwardThemselves() {
    return !OnWayland();
}

bool MinimisedWindowsComeBack() {
    return !OnWayland();
}

void ActivateOwnWindow(QWindow* window, const QByteArray& token) {
    if (!window)
        return;
    window->raise();
    if (!ActivateWithToken(window, token))
        window->requestActivate();
}
