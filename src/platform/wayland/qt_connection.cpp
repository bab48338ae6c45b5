#include "platform/wayland/qt_connection.h"

#include <QGuiApplication>
#include <qpa/qplatformnativeinterface.h>
#include <wayland-client.h>

#include <cerrno>

namespace {

void Done(void* data, wl_callback*, std::uint32_t) {
    *static_cast<bool*>(data) = true;
}
const wl_callback_listener kDoneListener = {Done};

} // namespace

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
    auto* wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper), queue);
    wl_callback* callback = wl_display_sync(wrapper);
    wl_proxy_wrapper_destroy(wrapper);
    bool done = false;
    wl_callback_add_listener(callback, &kDoneListener, &done);
    // Qt reads the connection on a thread of its own: a wait may be interrupted, and is resumed.
    while (!done)
        if (wl_display_dispatch_queue(display, queue) < 0 && errno != EINTR && errno != EAGAIN)
            break;
    wl_callback_destroy(callback);
    wl_event_queue_destroy(queue);
    QCoreApplication::processEvents();
    return done;
}
