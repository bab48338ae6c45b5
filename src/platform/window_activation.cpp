#include "platform/window_activation.h"

#include "platform/wayland/qt_connection.h"
#include "platform/wayland/xdg_activation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
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
    // A window just shown is not on the screen yet; the token is spent on the one that is.
    QElapsedTimer waited;
    waited.start();
    while (!token.isEmpty() && OnWayland() && !window->isExposed() && waited.elapsed() < 1000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    window->raise();
    if (!ActivateWithToken(window, token))
        window->requestActivate();
}

void LetOwnActivationsArrive() {
    if (!OnWayland())
        return;
    // Qt asks for a token when the compositor's last answers reach it, and spends it once the
    // token has come: one round trip brings those answers, the next the tokens.
    QCoreApplication::processEvents();
    RoundTripQtConnection();
    RoundTripQtConnection();
}
