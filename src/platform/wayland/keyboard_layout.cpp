#include "platform/wayland/keyboard_layout.h"

#include <QGuiApplication>
#include <cstring>
#include <qpa/qplatformnativeinterface.h>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

namespace {

// A keyboard of our own on Qt's connection, in a queue of our own, so that Qt's events stay
// Qt's: it hears the keymap and, while one of our windows has the focus, the layout in use.
struct KeyboardWatch {
    wl_display* display = nullptr;
    wl_event_queue* queue = nullptr;
    wl_seat* seat = nullptr;
    wl_keyboard* keyboard = nullptr;
    xkb_context* context = nullptr;
    xkb_keymap* keymap = nullptr;
    xkb_layout_index_t layout = 0;
};

void Keymap(void* data, wl_keyboard*, std::uint32_t format, std::int32_t fd, std::uint32_t size) {
    auto* watch = static_cast<KeyboardWatch*>(data);
    if (format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1) {
        void* text = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
        if (text != MAP_FAILED) {
            xkb_keymap* keymap =
                xkb_keymap_new_from_buffer(watch->context, static_cast<const char*>(text),
                                           ::strnlen(static_cast<const char*>(text), size),
                                           XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS);
            ::munmap(text, size);
            if (keymap) {
                xkb_keymap_unref(watch->keymap);
                watch->keymap = keymap;
                watch->layout = 0;
            }
        }
    }
    ::close(fd);
}
void Enter(void*, wl_keyboard*, std::uint32_t, wl_surface*, wl_array*) {}
void Leave(void*, wl_keyboard*, std::uint32_t, wl_surface*) {}
void Key(void*, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) {}
void Modifiers(void* data, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t,
               std::uint32_t group) {
    static_cast<KeyboardWatch*>(data)->layout = group;
}
void RepeatInfo(void*, wl_keyboard*, std::int32_t, std::int32_t) {}
const wl_keyboard_listener kKeyboardListener = {Keymap, Enter, Leave, Key, Modifiers, RepeatInfo};

void Global(void* data, wl_registry* registry, std::uint32_t id, const char* name, std::uint32_t) {
    auto* watch = static_cast<KeyboardWatch*>(data);
    if (std::strcmp(name, wl_seat_interface.name) == 0 && !watch->seat)
        watch->seat = static_cast<wl_seat*>(wl_registry_bind(registry, id, &wl_seat_interface, 1));
}
void GlobalRemove(void*, wl_registry*, std::uint32_t) {}
const wl_registry_listener kRegistryListener = {Global, GlobalRemove};

// Null outside Wayland or without a keyboard; made once, kept to the end of the process.
KeyboardWatch* Watch() {
    static KeyboardWatch* watch = []() -> KeyboardWatch* {
        if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
            return nullptr;
        auto* display = static_cast<wl_display*>(
            QGuiApplication::platformNativeInterface()->nativeResourceForIntegration("wl_display"));
        if (!display)
            return nullptr;
        auto* w = new KeyboardWatch;
        w->display = display;
        w->queue = wl_display_create_queue(display);
        auto* wrapped = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
        wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapped), w->queue);
        wl_registry* registry = wl_display_get_registry(wrapped);
        wl_registry_add_listener(registry, &kRegistryListener, w);
        wl_display_roundtrip_queue(display, w->queue);
        wl_proxy_wrapper_destroy(wrapped);
        if (w->seat) {
            w->context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
            w->keyboard = wl_seat_get_keyboard(w->seat);
            wl_keyboard_add_listener(w->keyboard, &kKeyboardListener, w);
            wl_display_roundtrip_queue(display, w->queue); // the keymap
        }
        return w;
    }();
    return watch;
}

// The key and whether `keysym` is on one of its levels in `layout`.
std::optional<xkb_keycode_t> KeyIn(xkb_keymap* keymap, xkb_layout_index_t layout,
                                   xkb_keysym_t keysym) {
    for (xkb_keycode_t key = xkb_keymap_min_keycode(keymap); key <= xkb_keymap_max_keycode(keymap);
         ++key) {
        const xkb_level_index_t levels = xkb_keymap_num_levels_for_key(keymap, key, layout);
        for (xkb_level_index_t level = 0; level < levels; ++level) {
            const xkb_keysym_t* syms = nullptr;
            const int count = xkb_keymap_key_get_syms_by_level(keymap, key, layout, level, &syms);
            for (int i = 0; i < count; ++i) {
                if (syms[i] == keysym)
                    return key;
            }
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<quint32> KeyFromOtherLayout(quint32 keysym) {
    KeyboardWatch* watch = Watch();
    if (!watch || !watch->keyboard)
        return std::nullopt;
    wl_display_roundtrip_queue(watch->display, watch->queue); // the layout in use, as it is now
    xkb_keymap* keymap = watch->keymap;
    if (!keymap)
        return std::nullopt;
    const xkb_layout_index_t layouts = xkb_keymap_num_layouts(keymap);
    const xkb_layout_index_t current = watch->layout < layouts ? watch->layout : 0;
    if (KeyIn(keymap, current, keysym))
        return std::nullopt;
    for (xkb_layout_index_t layout = 0; layout < layouts; ++layout) {
        if (layout == current)
            continue;
        if (const std::optional<xkb_keycode_t> key = KeyIn(keymap, layout, keysym))
            return quint32(*key - 8); // XKB numbers keys from the input code + 8
    }
    return std::nullopt;
}
