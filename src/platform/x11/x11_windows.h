#pragma once
#include <QByteArray>
#include <QList>
#include <QMargins>
#include <QRect>
#include <QtGlobal>

// Top-level windows of other programs on the X server: finding one by its window class and
// bringing it forward with the keyboard focus (synthesised keys reach only the focused window).

// An X window id; 0 stands for "no window".
using NativeWindow = quint64;

// True when an X display is reachable.
bool X11Available();

// The topmost managed top-level window (stacking order) whose WM_CLASS class or instance name
// equals `name` without regard to case; 0 when there is none. Only the first 255 characters of
// the name count, and nothing from a zero byte on.
NativeWindow FindTopLevelWindowByClass(const QByteArray& name);

// Minimised: WM_STATE is Iconic, or _NET_WM_STATE holds _NET_WM_STATE_HIDDEN.
bool IsWindowIconic(NativeWindow window);

// Shows a minimised window again: map, raise, ask the window manager to activate it (without a
// window manager, give it the focus directly).
void RestoreTopLevelWindow(NativeWindow window);

// Raises the window and asks the window manager to activate it (without one: sets the focus).
void BringTopLevelWindowToTop(NativeWindow window);

// True when the keyboard focus is on the window or on one of its descendants.
bool WindowHasInputFocus(NativeWindow window);

// The viewable top-level windows of the program that owns `window`, itself included: those of
// its process (_NET_WM_PID), of its window class, or transient for it. Empty when it is gone.
QList<NativeWindow> WindowsOfSameProgram(NativeWindow window);

// The outer rectangle of a top-level window on the screen: its window manager's frame around it,
// or the window itself without one. Empty when the window is gone.
QRect TopLevelFrameGeometry(NativeWindow window);
// The window's own rectangle on the screen, without the frame. Empty when the window is gone.
QRect WindowGeometryOnScreen(NativeWindow window);
// The frame that the window manager will put around a window not yet mapped, asked of it
// (_NET_REQUEST_FRAME_EXTENTS); null margins without a window manager or an answer.
QMargins ExpectedFrameMargins(NativeWindow window);
// Asks the window manager to minimise the window (ICCCM WM_CHANGE_STATE).
void MinimiseTopLevelWindow(NativeWindow window);
// Asks for the window's frame at `frameTopLeft` and the window itself `size` large: from the
// window manager (_NET_MOVERESIZE_WINDOW), or directly without one.
void RequestTopLevelBounds(NativeWindow window, const QPoint& frameTopLeft, const QSize& size);

// Waits, processing events, until the program with the keyboard focus has handled every event sent
// to it so far: a program answers _NET_WM_PING in the order of its events, so its answer comes
// after the keys before it. False when it cannot tell (it answers no ping, or not within limitMs).
bool WaitForFocusedProgram(int limitMs);
