#pragma once
#include <QByteArray>

class QWindow;

// Hands `token`, an activation token from the desktop, to the compositor for `window`, a Wayland
// window of this program (xdg-activation): the compositor then raises it and gives it the focus,
// which no client may take by itself. False where the window is not on Wayland or the compositor
// lacks the protocol.
bool ActivateWithToken(QWindow* window, const QByteArray& token);
