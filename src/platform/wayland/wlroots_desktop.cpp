#include "platform/wayland/wlroots_desktop.h"

#include "platform/key_synth.h"
#include "platform/qt_clipboard.h"
#include "platform/wayland/qt_connection.h"

#include "virtual-keyboard-unstable-v1-client.h"
#include "wlr-foreign-toplevel-management-unstable-v1-client.h"

#include <QElapsedTimer>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>
#include <wayland-client.h>

namespace {

// Our keymap: one key per keysym that a key sequence can name, whatever the user's layout.
struct KeyName {
    std::uint8_t vk;
    const char* keysym;
};
const KeyName kKeys[] = {
    {vk::Shift, "Shift_L"}, {vk::Control, "Control_L"},
    {vk::Menu, "Alt_L"},    {vk::Back, "BackSpace"},
    {vk::Tab, "Tab"},       {vk::Return, "Return"},
    {vk::Escape, "Escape"}, {vk::Space, "space"},
    {vk::Prior, "Prior"},   {vk::Next, "Next"},
    {vk::End, "End"},       {vk::Home, "Home"},
    {vk::Left, "Left"},     {vk::Up, "Up"},
    {vk::Right, "Right"},   {vk::Down, "Down"},
    {vk::Insert, "Insert"}, {vk::Delete, "Delete"},
};
constexpr int kLetters = 26, kDigits = 10, kFunctionKeys = 12;
constexpr int kKeyCount = int(std::size(kKeys)) + kLetters + kDigits + kFunctionKeys;
// Evdev key numbers; XKB's are 8 higher.
constexpr std::uint32_t kFirstKey = 1;
constexpr std::uint32_t kShiftMask = 1, kControlMask = 4, kAltMask = 8;

// The position of `vk` in our keymap, or -1.
int KeyIndex(std::uint8_t code) {
    for (int i = 0; i < int(std::size(kKeys)); ++i)
        if (kKeys[i].vk == code)
            return i;
    int base = int(std::size(kKeys));
    if (code >= 'A' && code <= 'Z')
        return base + code - 'A';
    base += kLetters;
    if (code >= '0' && code <= '9')
        return base + code - '0';
    base += kDigits;
    if (code >= vk::F1 && code <= vk::F12)
        return base + code - vk::F1;
    return -1;
}

QByteArray KeysymName(int index) {
    int base = int(std::size(kKeys));
    if (index < base)
        return kKeys[index].keysym;
    if (index < base + kLetters) // both cases: Shift gives the capital, as on every layout
        return QByteArray(1, char('a' + index - base)) + ", " + char('A' + index - base);
    base += kLetters;
    if (index < base + kDigits)
        return QByteArray(1, char('0' + index - base));
    return "F" + QByteArray::number(index - base - kDigits + 1);
}

QByteArray KeymapText() {
    QByteArray codes, symbols;
    for (int i = 0; i < kKeyCount; ++i) {
        const QByteArray name = "<K" + QByteArray::number(i) + ">";
        codes += name + " = " + QByteArray::number(kFirstKey + 8 + i) + ";\n";
        symbols += "key " + name + " { [ " + KeysymName(i) + " ] };\n";
    }
    return "xkb_keymap {\n"
           "xkb_keycodes \"glimmora\" { minimum = 8; maximum = " +
           QByteArray::number(kFirstKey + 8 + kKeyCount) + ";\n" + codes +
           "};\n"
           "xkb_types \"glimmora\" { include \"complete\" };\n"
           "xkb_compatibility \"glimmora\" { include \"complete\" };\n"
           "xkb_symbols \"glimmora\" {\n" +
           symbols +
           "modifier_map Shift { <K0> };\nmodifier_map Control { <K1> };\n"
           "modifier_map Mod1 { <K2> };\n};\n};\n";
}

std::uint32_t ModifierMask(std::uint8_t code) {
    switch (code) {
    case vk::Shift:
        return kShiftMask;
    case vk::Control:
        return kControlMask;
    case vk::Menu:
        return kAltMask;
    default:
        return 0;
    }
}

// Gives the virtual keyboard our keymap; false when that failed.
bool UploadKeymap(zwp_virtual_keyboard_v1* keyboard) {
    const QByteArray keymap = KeymapText();
    const int fd = ::memfd_create("glimmora-keymap", MFD_CLOEXEC);
    if (fd < 0)
        return false;
    const bool written =
        ::write(fd, keymap.constData(), size_t(keymap.size() + 1)) == keymap.size() + 1;
    if (written)
        zwp_virtual_keyboard_v1_keymap(keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd,
                                       std::uint32_t(keymap.size() + 1));
    ::close(fd);
    return written;
}

// One sequence's keys on the desktop's virtual keyboard, which outlives it.
class VirtualKeySink : public KeySink {
public:
    VirtualKeySink(wl_display* display, zwp_virtual_keyboard_v1* keyboard,
                   const QElapsedTimer& clock)
        : display_(display), keyboard_(keyboard), clock_(clock) {}
    ~VirtualKeySink() override { endSequence(); }

    void endSequence() override {
        for (int i = 0; i < kKeyCount; ++i)
            if (held_[i])
                send(i, false);
        setModifiers(0);
        wl_display_roundtrip(display_);
    }
    void keyDown(std::uint8_t code, std::uint8_t) override { press(code, true); }
    void keyUp(std::uint8_t code, std::uint8_t) override { press(code, false); }

    KeyScanResult VkKeyScan(std::uint8_t c) override { return KeysymKeyScan(c); }
    std::uint8_t MapVirtualKey(std::uint8_t code) override {
        const int index = KeyIndex(code);
        return index < 0 ? 0 : std::uint8_t(kFirstKey + std::uint32_t(index));
    }

private:
    void press(std::uint8_t code, bool down) {
        const int index = KeyIndex(code);
        if (index < 0)
            return;
        send(index, down);
        if (const std::uint32_t mask = ModifierMask(code))
            setModifiers(down ? (modifiers_ | mask) : (modifiers_ & ~mask));
        wl_display_flush(display_);
    }
    void send(int index, bool down) {
        held_[index] = down;
        zwp_virtual_keyboard_v1_key(
            keyboard_, std::uint32_t(clock_.elapsed()), kFirstKey + std::uint32_t(index),
            down ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
    }
    void setModifiers(std::uint32_t mask) {
        modifiers_ = mask;
        zwp_virtual_keyboard_v1_modifiers(keyboard_, mask, 0, 0, 0);
    }

    wl_display* display_;
    zwp_virtual_keyboard_v1* keyboard_;
    const QElapsedTimer& clock_;
    bool held_[kKeyCount] = {};
    std::uint32_t modifiers_ = 0;
};

class NoHotKey : public DesktopHotKey {
public:
    using DesktopHotKey::DesktopHotKey;
    bool registered() const override { return false; }
};

struct Toplevel {
    Desktop::Window id = 0;
    zwlr_foreign_toplevel_handle_v1* handle = nullptr;
    QByteArray appId;
    bool minimised = false;
    bool activated = false;
    bool closed = false;
};

class WlrootsDesktop : public Desktop {
public:
    explicit WlrootsDesktop(wl_display* display) : display_(display) {
        registry_ = wl_display_get_registry(display_);
        wl_registry_add_listener(registry_, &kRegistryListener, this);
        wl_display_roundtrip(display_);
        wl_display_roundtrip(display_); // the toplevels the manager announces
    }
    ~WlrootsDesktop() override {
        for (const auto& t : toplevels_)
            zwlr_foreign_toplevel_handle_v1_destroy(t->handle);
        if (manager_)
            zwlr_foreign_toplevel_manager_v1_stop(manager_);
        if (keyboard_)
            zwp_virtual_keyboard_v1_destroy(keyboard_);
        if (keyboards_)
            zwp_virtual_keyboard_manager_v1_destroy(keyboards_);
        if (seat_)
            wl_seat_destroy(seat_);
        wl_registry_destroy(registry_);
        wl_display_disconnect(display_);
    }

    bool usable() const { return manager_ && keyboards_ && seat_; }

    QString name() const override { return QStringLiteral("wlroots"); }
    bool namesWindowsByAppId() const override { return true; }

    Window findWindowByClass(const QByteArray& wanted) override {
        sync();
        // No stacking order is told: the newest window of the program stands for the topmost.
        for (auto t = toplevels_.rbegin(); t != toplevels_.rend(); ++t)
            if ((*t)->appId.compare(wanted, Qt::CaseInsensitive) == 0)
                return (*t)->id;
        return 0;
    }
    bool isMinimised(Window window) override {
        const Toplevel* t = find(window);
        return t && t->minimised;
    }
    void restore(Window window) override {
        if (Toplevel* t = find(window)) {
            zwlr_foreign_toplevel_handle_v1_unset_minimized(t->handle);
            activate(t);
        }
    }
    void bringToFront(Window window) override {
        if (Toplevel* t = find(window))
            activate(t);
    }
    bool hasInputFocus(Window window) override {
        const Toplevel* t = find(window);
        return t && t->activated;
    }

    std::unique_ptr<KeySink> createKeySink() override {
        // One keyboard for the whole run: each new one would change the seat's devices, and a
        // window takes up a keyboard only some time after it appears.
        if (!keyboard_) {
            keyboard_ = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(keyboards_, seat_);
            clock_.start();
        }
        // Our keymap again for every sequence: sway gives every keyboard, ours too, the user's
        // layout whenever its input settings change.
        if (!UploadKeymap(keyboard_))
            return nullptr;
        wl_display_roundtrip(display_);
        return std::make_unique<VirtualKeySink>(display_, keyboard_, clock_);
    }
    bool setClipboard(QMimeData* data) override {
        return SetQtClipboard(data, RoundTripQtConnection);
    }
    std::unique_ptr<DesktopHotKey> grabHotKey(QObject* parent) override {
        // wlroots compositors bind keys in their own configuration ("glimmora /toggle").
        return std::make_unique<NoHotKey>(parent);
    }

private:
    // Takes in what the compositor has told since; windows that have closed are let go.
    void sync() {
        wl_display_roundtrip(display_);
        std::erase_if(toplevels_, [](const std::unique_ptr<Toplevel>& t) {
            if (t->closed)
                zwlr_foreign_toplevel_handle_v1_destroy(t->handle);
            return t->closed;
        });
    }
    // The toplevel's current state (after a round trip), or null when it has gone.
    Toplevel* find(Window window) {
        sync();
        for (const auto& t : toplevels_)
            if (t->id == window)
                return t.get();
        return nullptr;
    }
    void activate(Toplevel* t) {
        zwlr_foreign_toplevel_handle_v1_activate(t->handle, seat_);
        wl_display_roundtrip(display_);
    }

    static void Global(void* data, wl_registry* registry, std::uint32_t id, const char* interface,
                       std::uint32_t version) {
        auto* self = static_cast<WlrootsDesktop*>(data);
        if (std::strcmp(interface, wl_seat_interface.name) == 0 && !self->seat_) {
            self->seat_ =
                static_cast<wl_seat*>(wl_registry_bind(registry, id, &wl_seat_interface, 1));
        } else if (std::strcmp(interface, zwlr_foreign_toplevel_manager_v1_interface.name) == 0) {
            self->manager_ = static_cast<zwlr_foreign_toplevel_manager_v1*>(
                wl_registry_bind(registry, id, &zwlr_foreign_toplevel_manager_v1_interface,
                                 std::min<std::uint32_t>(version, 2)));
            zwlr_foreign_toplevel_manager_v1_add_listener(self->manager_, &kManagerListener, self);
        } else if (std::strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0) {
            self->keyboards_ = static_cast<zwp_virtual_keyboard_manager_v1*>(
                wl_registry_bind(registry, id, &zwp_virtual_keyboard_manager_v1_interface, 1));
        }
    }
    static void GlobalRemove(void*, wl_registry*, std::uint32_t) {}

    static void NewToplevel(void* data, zwlr_foreign_toplevel_manager_v1*,
                            zwlr_foreign_toplevel_handle_v1* handle) {
        auto* self = static_cast<WlrootsDesktop*>(data);
        auto t = std::make_unique<Toplevel>();
        t->id = ++self->lastId_;
        t->handle = handle;
        zwlr_foreign_toplevel_handle_v1_add_listener(handle, &kHandleListener, t.get());
        self->toplevels_.push_back(std::move(t));
    }
    static void ManagerFinished(void* data, zwlr_foreign_toplevel_manager_v1* manager) {
        zwlr_foreign_toplevel_manager_v1_destroy(manager);
        static_cast<WlrootsDesktop*>(data)->manager_ = nullptr;
    }

    static void Title(void*, zwlr_foreign_toplevel_handle_v1*, const char*) {}
    static void AppId(void* data, zwlr_foreign_toplevel_handle_v1*, const char* id) {
        static_cast<Toplevel*>(data)->appId = id;
    }
    static void Output(void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {}
    static void State(void* data, zwlr_foreign_toplevel_handle_v1*, wl_array* states) {
        auto* t = static_cast<Toplevel*>(data);
        t->minimised = t->activated = false;
        const auto* state = static_cast<const std::uint32_t*>(states->data);
        for (size_t i = 0; i < states->size / sizeof(std::uint32_t); ++i) {
            t->minimised |= state[i] == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_MINIMIZED;
            t->activated |= state[i] == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED;
        }
    }
    static void Done(void*, zwlr_foreign_toplevel_handle_v1*) {}
    static void Closed(void* data, zwlr_foreign_toplevel_handle_v1*) {
        static_cast<Toplevel*>(data)->closed = true;
    }

    static constexpr wl_registry_listener kRegistryListener = {Global, GlobalRemove};
    static constexpr zwlr_foreign_toplevel_manager_v1_listener kManagerListener = {NewToplevel,
                                                                                   ManagerFinished};
    static constexpr zwlr_foreign_toplevel_handle_v1_listener kHandleListener = {
        Title, AppId, Output, Output, State, Done, Closed};

    wl_display* display_;
    wl_registry* registry_ = nullptr;
    wl_seat* seat_ = nullptr;
    zwlr_foreign_toplevel_manager_v1* manager_ = nullptr;
    zwp_virtual_keyboard_manager_v1* keyboards_ = nullptr;
    zwp_virtual_keyboard_v1* keyboard_ = nullptr;
    QElapsedTimer clock_; // the keys' time stamps
    std::vector<std::unique_ptr<Toplevel>> toplevels_;
    Window lastId_ = 0;
};

} // namespace

std::unique_ptr<Desktop> CreateWlrootsDesktop() {
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return nullptr;
    auto desktop = std::make_unique<WlrootsDesktop>(display);
    if (!desktop->usable())
        return nullptr;
    return desktop;
}
