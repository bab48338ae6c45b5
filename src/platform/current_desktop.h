#pragma once
#include "platform/desktop.h"

#include <QString>
#include <functional>
#include <memory>

// The desktop the program talks to: the one this session offers, chosen at the first call (a
// Wayland desktop where the program is a native Wayland client, else X11), unless a test chose
// another.
Desktop& CurrentDesktop();

// Makes `desktop` the current one (not owned; it must outlive its use); null returns to the
// session's desktop.
void SetCurrentDesktop(Desktop* desktop);

// The desktop of this Wayland session, chosen by what the compositor offers; GLIMMORA_DESKTOP
// ("x11", "wlroots", "portal") overrides the choice. Null outside Wayland, for "x11", and where
// nothing fits: the X11 desktop then serves (XWayland programs only).
std::unique_ptr<Desktop> CreateWaylandDesktop();

// What the program tells the desktops about itself, before the first CurrentDesktop().
struct DesktopProgramInfo {
    // Where a desktop keeps what it must remember between runs (the portal's permission).
    QString dataFolder;
    // Shown beside the hot key in the desktop's own shortcut settings; asked when registering.
    std::function<QString()> hotKeyDescription;
};
void SetDesktopProgramInfo(DesktopProgramInfo info);
const DesktopProgramInfo& DesktopProgram();
