// A mouse for tests on a wlroots compositor, through the virtual-pointer protocol: the compositor
// treats its clicks as real input (a program may then own the clipboard, which sway refuses to one
// that had none). Usage: glimmora_virtual_pointer <output width> <output height>; then one line per
// action at a point of the output: "move <x> <y>" (answered by "MOVED") or "click <x> <y>", a left
// click there ("CLICKED"), each answered once the compositor has it. The pointer stays on the seat
// until standard input ends.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <initializer_list>
#include <wayland-client.h>

namespace {

// The protocol's client side, written out as wayland-scanner would generate it; the requests keep
// the protocol's order, as their numbers are what travels.
extern const wl_interface kPointerInterface;
const wl_interface* kNoTypes[5] = {};
const wl_interface* kCreateTypes[] = {&wl_seat_interface, &kPointerInterface};
const wl_message kPointerRequests[] = {
    {"motion", "uff", kNoTypes},   {"motion_absolute", "uuuuu", kNoTypes},
    {"button", "uuu", kNoTypes},   {"axis", "uuf", kNoTypes},
    {"frame", "", kNoTypes},       {"axis_source", "u", kNoTypes},
    {"axis_stop", "uu", kNoTypes}, {"axis_discrete", "uufi", kNoTypes},
    {"destroy", "", kNoTypes},
};
const wl_interface kPointerInterface = {"zwlr_virtual_pointer_v1", 1, 9,
                                        kPointerRequests,          0, nullptr};
const wl_message kManagerRequests[] = {{"create_virtual_pointer", "?on", kCreateTypes}};
const wl_interface kManagerInterface = {
    "zwlr_virtual_pointer_manager_v1", 1, 1, kManagerRequests, 0, nullptr};
enum : std::uint32_t { kMotionAbsolute = 1, kButton = 2, kFrame = 4 };
constexpr std::uint32_t kLeftButton = 0x110; // BTN_LEFT

struct Globals {
    wl_seat* seat = nullptr;
    wl_proxy* manager = nullptr;
};

void Global(void* data, wl_registry* registry, std::uint32_t id, const char* name, std::uint32_t) {
    auto* globals = static_cast<Globals*>(data);
    if (std::strcmp(name, wl_seat_interface.name) == 0 && !globals->seat)
        globals->seat =
            static_cast<wl_seat*>(wl_registry_bind(registry, id, &wl_seat_interface, 1));
    else if (std::strcmp(name, kManagerInterface.name) == 0)
        globals->manager =
            static_cast<wl_proxy*>(wl_registry_bind(registry, id, &kManagerInterface, 1));
}
void GlobalRemove(void*, wl_registry*, std::uint32_t) {}
const wl_registry_listener kRegistryListener = {Global, GlobalRemove};

std::uint32_t Now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return std::uint32_t(t.tv_sec * 1000 + t.tv_nsec / 1000000);
}

void Request(wl_proxy* pointer, std::uint32_t opcode) {
    wl_proxy_marshal_flags(pointer, opcode, nullptr, 1, 0);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    const std::uint32_t width = std::uint32_t(std::atoi(argv[1]));
    const std::uint32_t height = std::uint32_t(std::atoi(argv[2]));
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return 1;
    Globals globals;
    wl_registry_add_listener(wl_display_get_registry(display), &kRegistryListener, &globals);
    wl_display_roundtrip(display);
    if (!globals.seat || !globals.manager)
        return 1;
    auto* pointer =
        wl_proxy_marshal_flags(globals.manager, 0, &kPointerInterface, 1, 0, globals.seat, nullptr);
    wl_display_roundtrip(display);

    char line[128];
    while (std::fgets(line, sizeof line, stdin)) {
        unsigned x = 0, y = 0;
        char command[8] = {};
        if (std::sscanf(line, "%7s %u %u", command, &x, &y) != 3)
            continue;
        wl_proxy_marshal_flags(pointer, kMotionAbsolute, nullptr, 1, 0, Now(), x, y, width, height);
        Request(pointer, kFrame);
        wl_display_roundtrip(display);
        if (std::strcmp(command, "click") != 0) {
            std::printf("MOVED\n");
            std::fflush(stdout);
            continue;
        }
        for (const std::uint32_t state :
             {WL_POINTER_BUTTON_STATE_PRESSED, WL_POINTER_BUTTON_STATE_RELEASED}) {
            wl_proxy_marshal_flags(pointer, kButton, nullptr, 1, 0, Now(), kLeftButton, state);
            Request(pointer, kFrame);
            wl_display_roundtrip(display);
        }
        std::printf("CLICKED\n");
        std::fflush(stdout);
    }
    wl_proxy_marshal_flags(pointer, 8, nullptr, 1, WL_MARSHAL_FLAG_DESTROY);
    wl_display_disconnect(display);
    return 0;
}
