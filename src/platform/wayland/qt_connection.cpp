#include "platform/wayland/qt_connection.h"

#include <QGuiApplication>
#include <qpa/qplatformnativeinterface.h>
#include <wayland-client.h>

bool RoundTripQtConnection() {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return false;
    auto* display = static_cast<wl_display*>(
        QGuiApplication::platformNativeInterface()->nativeResourceForIntegration("wl_display"));
    if (!display)
        return false;
    // A queue of our own, so that Qt's events stay Qt's to dispatch: the compositor answers in
    // order, so once our answer is in, every earlier one is in Qt's queue.
    wl_event_queue* queue = wl_display_create_queue(display);
    const bool answered = wl_display_roundtrip_queue(display, queue) >= 0;
    wl_event_queue_destroy(queue);
    QCoreApplication::processEvents();
    return answered;
}
