#pragma once
#include <QProcess>
#include <QRect>
#include <QtGlobal>
#include <memory>

// A desktop of the test program's own, as users have one: an Xvfb server (without server reset,
// so keyboard maps set with setxkbmap stay), openbox as the window manager and, when asked for,
// a tint2 panel as the notification area; or, for the cases written for it, the bare X server.
// DISPLAY points at it while the object lives; the tests of one program can neither disturb nor be
// disturbed by those of another.
class PrivateDesktop {
public:
    enum class Kind { Bare, WindowManager, WindowManagerAndTray };
    explicit PrivateDesktop(Kind kind = Kind::WindowManagerAndTray);
    ~PrivateDesktop();
    PrivateDesktop(const PrivateDesktop&) = delete;
    PrivateDesktop& operator=(const PrivateDesktop&) = delete;

    bool ok() const { return ok_; }
    // A panel with a notification area that starts, or ends, while the program runs.
    bool StartTray();
    bool StopTray();

private:
    QProcess server_;
    QProcess windowManager_;
    QProcess tray_;
    QByteArray previousDisplay_;
    bool ok_ = false;
};

// The main routine of the test programs that open windows. With GLIMMORA_TEST_DESKTOP=without-tray
// they run on a PrivateDesktop without a notification area (the tray cases' second run); else on
// the display that the environment gives, which tools/test sets up with openbox and tint2. With
// GLIMMORA_TEST_DESKTOP=sway-scale-2, on a headless sway of their own whose output is scaled by 2.
int RunWindowTests(int argc, char** argv);
// The private desktop of this test program, or null when it runs on the given display.
PrivateDesktop* TestDesktop();

// A window manager runs on the display.
bool DesktopHasWindowManager();

// What the X server and the window manager say about a top-level window, asked directly.
struct WindowOnDesktop {
    bool listed = false; // in the window manager's _NET_CLIENT_LIST
    long wmState = -1;   // ICCCM WM_STATE: 1 normal, 3 iconic; -1 without (withdrawn)
    QRect frame;         // the outer rectangle, frame included
};
WindowOnDesktop DescribeWindow(quint64 window);
// The whole frame of the window lies on the screen.
bool WhollyOnScreen(quint64 window);
