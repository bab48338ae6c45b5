#include "platform/session.h"

#include <QGuiApplication>

bool WindowPositionsApply() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QByteArray DesktopOverride() {
    return qgetenv("GLIMMORA_DESKTOP").trimmed().toLower();
}

void ChooseWindowSystem() {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ||
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return;
    // Qt alone would stay with X11 on some Wayland desktops (GNOME among them).
    if (DesktopOverride() == "x11")
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    else
        qputenv("QT_QPA_PLATFORM", "wayland;xcb");
}

void DrawWithoutOpenGl() {
    const char* const chosen[] = {"QTWEBENGINE_CHROMIUM_FLAGS", "QT_QUICK_BACKEND",
                                  "QT_XCB_GL_INTEGRATION"};
    for (const char* variable : chosen) {
        if (qEnvironmentVariableIsSet(variable))
            return;
    }
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    qputenv("QT_QUICK_BACKEND", "software");
    qputenv("QT_XCB_GL_INTEGRATION", "none");
}
