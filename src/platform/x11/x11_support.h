#pragma once
// Private to the platform layer: the only header that brings in Xlib.
#include <X11/Xlib.h>

// The X connection the program uses: the GUI's own when a QGuiApplication runs on xcb (so
// requests stay ordered with the GUI's), else one opened for the process. Null when there is
// no X display.
Display* X11Display();

// Catches X errors of the requests made while it lives (a window may vanish at any moment), so
// that they are reported to the caller instead of ending the process. Not reentrant.
class X11ErrorGuard {
public:
    explicit X11ErrorGuard(Display* display);
    ~X11ErrorGuard();
    X11ErrorGuard(const X11ErrorGuard&) = delete;
    X11ErrorGuard& operator=(const X11ErrorGuard&) = delete;

    // Waits for the server to process the requests so far; true when none of them failed.
    bool ok();
    int lastErrorCode() const;

private:
    Display* display_;
    XErrorHandler previous_;
};

// The key that carries `letter` (a to z, either case) on a US keyboard, whatever the current
// layout puts on it; 0 when the map names no such key. Every layout has these keys, so shortcut
// letters that a layout lacks (Ctrl+V on a Cyrillic-only map) still reach their key, as they
// would from a real keyboard.
KeyCode KeycodeOfUsLetter(Display* display, char letter);
