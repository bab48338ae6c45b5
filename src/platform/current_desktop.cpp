#include "platform/current_desktop.h"

#include "platform/portal/portal_desktop.h"
#include "platform/session.h"
#include "platform/wayland/wlroots_desktop.h"
#include "platform/x11/x11_desktop.h"

#include <QGuiApplication>

namespace {

Desktop* g_chosen = nullptr;

DesktopProgramInfo& ProgramInfo() {
    static DesktopProgramInfo info;
    return info;
}

struct WaylandDesktopKind {
    const char* name; // as GLIMMORA_DESKTOP names it
    // Null where the compositor lacks what this kind needs.
    std::unique_ptr<Desktop> (*create)();
};

// The Wayland desktops, tried in this order: the first one that the compositor supports serves.
// A compositor's own protocols come before the portal, which asks the user for consent.
const WaylandDesktopKind kWaylandDesktops[] = {
    {"wlroots", CreateWlrootsDesktop},
    {"portal", CreatePortalDesktop},
};

} // namespace

std::unique_ptr<Desktop> CreateWaylandDesktop() {
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return nullptr;
    const QByteArray wanted = DesktopOverride();
    for (const WaylandDesktopKind& kind : kWaylandDesktops) {
        if (!wanted.isEmpty() && wanted != kind.name)
            continue;
        if (std::unique_ptr<Desktop> desktop = kind.create())
            return desktop;
    }
    return nullptr;
}

Desktop& CurrentDesktop() {
    if (g_chosen)
        return *g_chosen;
    // Chosen once the application object knows its platform, kept to the end of the process.
    static const std::unique_ptr<Desktop> wayland =
        QGuiApplication::platformName().startsWith(QLatin1String("wayland"))
            ? CreateWaylandDesktop()
            : nullptr;
    if (wayland)
        return *wayland;
    static X11Desktop x11;
    return x11;
}

void SetCurrentDesktop(Desktop* desktop) {
    g_chosen = desktop;
}

void SetDesktopProgramInfo(DesktopProgramInfo info) {
    ProgramInfo() = std::move(info);
}

const DesktopProgramInfo& DesktopProgram() {
    return ProgramInfo();
}
