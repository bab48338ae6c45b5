// A mouse and keyboard for tests on KWin, through its fake-input protocol: KWin treats what it
// sends as real input (clicks focus windows, key chords reach its global shortcuts). KWin offers
// the protocol only to a program whose desktop file names it in X-KDE-Wayland-Interfaces. Usage:
// glimmora_kwin_fake_input; then one line per action, each answered once KWin has it:
//   "move <x> <y>"   pointer to that point of the screen    → MOVED
//   "click <x> <y>"  a left click there                      → CLICKED
//   "chord <evdev key codes…>"  pressed in order, released in reverse order → CHORDED
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>
#include <wayland-client.h>

namespace {

// The protocol's client side, written out as wayland-scanner would generate it; the requests keep
// the protocol's order, as their numbers are what travels.
const wl_interface* kNoTypes[3] = {};
const wl_message kFakeInputRequests[] = {
    {"authenticate", "ss", kNoTypes},  {"pointer_motion", "ff", kNoTypes},
    {"button", "uu", kNoTypes},        {"axis", "uf", kNoTypes},
    {"touch_down", "2uff", kNoTypes},  {"touch_motion", "2uff", kNoTypes},
    {"touch_up", "2u", kNoTypes},      {"touch_cancel", "2", kNoTypes},
    {"touch_frame", "2", kNoTypes},    {"pointer_motion_absolute", "3ff", kNoTypes},
    {"keyboard_key", "4uu", kNoTypes},
};
const wl_interface kFakeInputInterface = {"org_kde_kwin_fake_input", 4, 11,
                                          kFakeInputRequests,        0, nullptr};
enum : std::uint32_t { kAuthenticate = 0, kButton = 2, kMotionAbsolute = 9, kKeyboardKey = 10 };
constexpr std::uint32_t kLeftButton = 0x110; // BTN_LEFT

void Global(void* data, wl_registry* registry, std::uint32_t id, const char* name,
            std::uint32_t version) {
    if (std::strcmp(name, kFakeInputInterface.name) == 0 && version >= 4)
        *static_cast<wl_proxy**>(data) =
            static_cast<wl_proxy*>(wl_registry_bind(registry, id, &kFakeInputInterface, 4));
}
void GlobalRemove(void*, wl_registry*, std::uint32_t) {}
const wl_registry_listener kRegistryListener = {Global, GlobalRemove};

void Answer(const char* word) {
    std::printf("%s\n", word);
    std::fflush(stdout);
}

} // namespace

int main() {
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return 1;
    wl_proxy* input = nullptr;
    wl_registry_add_listener(wl_display_get_registry(display), &kRegistryListener, &input);
    wl_display_roundtrip(display);
    if (!input) {
        std::fprintf(stderr, "KWin offers no fake input to this program\n");
        return 1;
    }
    wl_proxy_marshal_flags(input, kAuthenticate, nullptr, 4, 0, "Glimmora tests", "test input");
    wl_display_roundtrip(display);

    const auto send = [&](std::uint32_t opcode, std::uint32_t a, std::uint32_t b) {
        wl_proxy_marshal_flags(input, opcode, nullptr, 4, 0, a, b);
        wl_display_roundtrip(display);
    };
    const auto moveTo = [&](int x, int y) {
        wl_proxy_marshal_flags(input, kMotionAbsolute, nullptr, 4, 0, wl_fixed_from_int(x),
                               wl_fixed_from_int(y));
        wl_display_roundtrip(display);
    };
    char line[256];
    while (std::fgets(line, sizeof line, stdin)) {
        std::istringstream words(line);
        std::string command;
        words >> command;
        int x = 0, y = 0;
        if (command == "move" && words >> x >> y) {
            moveTo(x, y);
            Answer("MOVED");
        } else if (command == "click" && words >> x >> y) {
            moveTo(x, y);
            send(kButton, kLeftButton, WL_POINTER_BUTTON_STATE_PRESSED);
            send(kButton, kLeftButton, WL_POINTER_BUTTON_STATE_RELEASED);
            Answer("CLICKED");
        } else if (command == "chord") {
            std::vector<std::uint32_t> keys;
            for (std::uint32_t key = 0; words >> key;)
                keys.push_back(key);
            for (const std::uint32_t key : keys)
                send(kKeyboardKey, key, WL_KEYBOARD_KEY_STATE_PRESSED);
            for (auto key = keys.rbegin(); key != keys.rend(); ++key)
                send(kKeyboardKey, *key, WL_KEYBOARD_KEY_STATE_RELEASED);
            Answer("CHORDED");
        }
    }
    wl_display_disconnect(display);
    return 0;
}
