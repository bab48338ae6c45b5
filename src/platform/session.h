#pragma once
#include <QByteArray>

// Whether the program's own windows can be placed: a Wayland compositor gives clients no
// positions, so there only their sizes are kept and set.
bool WindowPositionsApply();

// GLIMMORA_DESKTOP in lower case ("x11", "wlroots", "portal"); empty when not set.
QByteArray DesktopOverride();

// Before the application object exists: in a Wayland session the program becomes a native
// Wayland client (X11 through XWayland only when that fails or GLIMMORA_DESKTOP says "x11"). A
// platform the user set in QT_QPA_PLATFORM stays.
void ChooseWindowSystem();

// Before the application object exists: the browser engine draws its pages in software, and Qt
// loads no OpenGL driver. A page of pictures gains nothing from the graphics card, while the
// driver (on a machine without one, a software OpenGL with its compiler) would stay in memory for
// the program's life. Left alone when the user has set the engine's flags or Qt's drawing.
void DrawWithoutOpenGl();
