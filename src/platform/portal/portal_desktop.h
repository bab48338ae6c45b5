#pragma once
#include "platform/desktop.h"

#include <QDBusConnection>
#include <functional>
#include <memory>
#include <optional>

// What the portal desktop takes from its surroundings; tests replace each part.
struct PortalDesktopSetup {
    // The bus the portal is on; none means the session bus.
    std::optional<QDBusConnection> bus;
    // Where the permission is kept between runs; empty means the user's data folder.
    QString tokenFile;
    // True while one of this program's windows has the keyboard focus.
    std::function<bool()> ownFocus;
    // Lets the focus go back to the window the user was writing in (our windows go to the tray,
    // or are minimised where there is none).
    std::function<void()> handBack;
};

// Lets the focus go back to the window the user was writing in: main windows are hidden, with or
// without a tray (a Wayland client can show a hidden window again, mapped anew and in front, but
// cannot take its own window out of the minimised state); dialogs, which hiding would end, are
// minimised. The portal desktop's hand-back unless a setup names another.
void StepAside();

// The desktop of GNOME and KDE Plasma on Wayland. Keys go through the remote-desktop portal in a
// keyboard-only session, which the portal's own dialog asks the user for once; where the portal
// allows it the permission is kept (a restore token in the data folder) for later runs. No
// client may raise another program's window there, so the target is reached by handing the focus
// back: our windows step aside and the keys go to the window that then has the focus (on KDE
// Plasma, KWin's scripting first activates the definition's window). The session is asked for as
// soon as events run; until the portal has granted it, insertion types nothing and says so. Null
// when the session bus has no remote-desktop portal.
std::unique_ptr<Desktop> CreatePortalDesktop();
std::unique_ptr<Desktop> CreatePortalDesktop(PortalDesktopSetup setup);

// The hot key through the desktop's global-shortcut service: the global-shortcuts portal, else
// KDE's global accelerators; registered() stays false where neither is offered.
std::unique_ptr<DesktopHotKey> CreateServiceHotKey(QDBusConnection bus, QObject* parent);
