#pragma once
#include <QByteArray>

class QWindow;

// The activation token that the desktop handed this process when it launched it (from a
// launcher or a keyboard shortcut): XDG_ACTIVATION_TOKEN, else DESKTOP_STARTUP_ID; empty when none.
QByteArray LaunchActivationToken();

// Whether a window of this program may come to the front and take the focus by itself. On
// Wayland it may not: only with a token from the desktop, and a window shown anew comes up in
// front (a window that is hidden and shown again is one).
bool WindowsComeForwardThemselves();

// Whether the program can take a window that it minimised out of that state again. On Wayland
// only the user can (from the desktop's window list); the program can only show it anew.
bool MinimisedWindowsComeBack();

// Raises `window` and asks for the focus for it; on Wayland through `token` where there is one.
void ActivateOwnWindow(QWindow* window, const QByteArray& token);

// Before a window of this program goes out of sight (hidden or minimised): an activation that it
// asked for and that is still on its way (Qt asks the compositor for a token first) would bring it
// back. Lets such an answer arrive and be spent first.
void LetOwnActivationsArrive();
