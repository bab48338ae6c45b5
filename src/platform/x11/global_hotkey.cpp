#include "platform/x11/global_hotkey.h"

#include "platform/hotkey_binding.h"

#include <QCoreApplication>
#include <QKeySequence>

// Xlib last: its macros (Status, Bool) break Qt headers included after it.
#include "platform/x11/x11_support.h"
#include <X11/XKBlib.h>
#include <X11/keysym.h>
#include <xcb/xcb.h>

namespace {
constexpr unsigned int kHotKeyMods = ControlMask | Mod1Mask;
}

GlobalHotKey::GlobalHotKey(QObject* parent) : DesktopHotKey(parent) {
    Grab();
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installNativeEventFilter(this);
}

GlobalHotKey::~GlobalHotKey() {
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
    Ungrab();
}

void GlobalHotKey::Grab() {
    Display* display = X11Display();
    if (!display)
        return;
    KeyCode keycode = XKeysymToKeycode(display, XK_s);
    if (!keycode)
        keycode = KeycodeOfUsLetter(display, 's');
    if (!keycode)
        return;
    // A grab matches the modifier state exactly, so Caps Lock and Num Lock need grabs of their
    // own; Num Lock's modifier depends on the keyboard map.
    unsigned int numLock = XkbKeysymToModifiers(display, XK_Num_Lock);
    if (!numLock)
        numLock = Mod2Mask;
    const unsigned int variants[4] = {0, LockMask, numLock, LockMask | numLock};
    const Window root = DefaultRootWindow(display);
    X11ErrorGuard guard(display);
    for (unsigned int variant : variants)
        XGrabKey(display, keycode, kHotKeyMods | variant, root, True, GrabModeAsync, GrabModeAsync);
    if (!guard.ok()) {
        // Another program holds the key: give back what was taken.
        for (unsigned int variant : variants)
            XUngrabKey(display, keycode, kHotKeyMods | variant, root);
        qWarning("Glimmora: the hot key Ctrl+Alt+S is taken by another program.");
        return;
    }
    keycode_ = keycode;
    for (int i = 0; i < 4; ++i)
        lockMasks_[i] = variants[i];
    registered_ = true;
    NoteHotKeyBound(
        QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S).toString(QKeySequence::NativeText));
}

void GlobalHotKey::Ungrab() {
    if (!registered_)
        return;
    registered_ = false;
    NoteHotKeyBound({});
    Display* display = X11Display();
    if (!display)
        return;
    X11ErrorGuard guard(display);
    const Window root = DefaultRootWindow(display);
    for (unsigned int variant : lockMasks_)
        XUngrabKey(display, keycode_, kHotKeyMods | variant, root);
}

bool GlobalHotKey::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (!registered_ || eventType != "xcb_generic_event_t")
        return false;
    auto* event = static_cast<xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
        return false;
    auto* press = reinterpret_cast<xcb_key_press_event_t*>(event);
    if (press->detail != keycode_)
        return false;
    // Only the grabbed combinations; the state also carries pointer buttons and the group.
    const unsigned int state =
        press->state & (ShiftMask | ControlMask | Mod1Mask | Mod4Mask | LockMask | lockMasks_[2]);
    for (unsigned int variant : lockMasks_) {
        if (state == (kHotKeyMods | variant)) {
            emit activated();
            return true;
        }
    }
    return false;
}
