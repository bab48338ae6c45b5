#include "platform/current_desktop.h"

#include "platform/x11/x11_desktop.h"

namespace {
Desktop* g_chosen = nullptr;
}

Desktop& CurrentDesktop() {
    if (g_chosen)
        return *g_chosen;
    static X11Desktop x11;
    return x11;
}

void SetCurrentDesktop(Desktop* desktop) {
    g_chosen = desktop;
}
