#include "platform/session.h"

#include <QGuiApplication>

bool WindowPositionsApply() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}
