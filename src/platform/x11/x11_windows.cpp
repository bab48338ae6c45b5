#include "platform/x11/x11_windows.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QString>
#include <QThread>

// Xlib last: its macros (Status, Bool) break Qt headers included after it.
#include "platform/x11/x11_support.h"
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <atomic>
#include <vector>

// ---------------------------------------------------------------------------------------------
// Connection and error guard

Display* X11Display() {
    auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (gui && QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (auto* x11 = gui->nativeInterface<QNativeInterface::QX11Application>()) {
            if (Display* display = x11->display())
                return display;
        }
    }
    // Without a GUI on xcb (tools, tests of the logic) one connection serves the whole process.
    static Display* const own = XOpenDisplay(nullptr);
    return own;
}

namespace {
std::atomic<int> g_lastXError{0};

int RecordXError(Display*, XErrorEvent* event) {
    g_lastXError = event->error_code;
    return 0;
}
} // namespace

X11ErrorGuard::X11ErrorGuard(Display* display) : display_(display) {
    // Errors of earlier requests belong to whoever made them.
    XSync(display_, False);
    g_lastXError = 0;
    previous_ = XSetErrorHandler(RecordXError);
}

X11ErrorGuard::~X11ErrorGuard() {
    XSync(display_, False);
    XSetErrorHandler(previous_);
}

bool X11ErrorGuard::ok() {
    XSync(display_, False);
    return g_lastXError == 0;
}

int X11ErrorGuard::lastErrorCode() const {
    return g_lastXError;
}

// ---------------------------------------------------------------------------------------------
// Window properties

namespace {

Atom AtomOf(Display* display, const char* name) {
    return XInternAtom(display, name, False);
}

// The 32-bit items of a property (as longs, the Xlib convention); empty when absent.
std::vector<unsigned long> ReadCardinalList(Display* display, Window window, Atom property,
                                            Atom type) {
    std::vector<unsigned long> result;
    Atom actualType = None;
    int actualFormat = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, property, 0, 65536, False, type, &actualType,
                           &actualFormat, &count, &remaining, &data) == Success &&
        data) {
        if (actualType == type && actualFormat == 32) {
            auto* items = reinterpret_cast<unsigned long*>(data);
            result.assign(items, items + count);
        }
        XFree(data);
    }
    return result;
}

bool HasProperty(Display* display, Window window, Atom property) {
    Atom actualType = None;
    int actualFormat = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, property, 0, 0, False, AnyPropertyType, &actualType,
                           &actualFormat, &count, &remaining, &data) != Success)
        return false;
    if (data)
        XFree(data);
    return actualType != None;
}

// ICCCM WM_STATE: 0 withdrawn, 1 normal, 3 iconic; -1 when the window has none.
long WmState(Display* display, Window window) {
    Atom wmState = AtomOf(display, "WM_STATE");
    auto items = ReadCardinalList(display, window, wmState, wmState);
    return items.empty() ? -1 : static_cast<long>(items[0]);
}

// A window manager announces itself with a child window that names itself in
// _NET_SUPPORTING_WM_CHECK.
bool WindowManagerRunning(Display* display) {
    Atom check = AtomOf(display, "_NET_SUPPORTING_WM_CHECK");
    Window root = DefaultRootWindow(display);
    auto fromRoot = ReadCardinalList(display, root, check, XA_WINDOW);
    if (fromRoot.empty())
        return false;
    auto fromChild = ReadCardinalList(display, fromRoot[0], check, XA_WINDOW);
    return !fromChild.empty() && fromChild[0] == fromRoot[0];
}

std::vector<Window> Children(Display* display, Window window) {
    std::vector<Window> result;
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count) && children) {
        result.assign(children, children + count);
        XFree(children);
    }
    return result;
}

// The client window inside a frame of a reparenting window manager: the first descendant that
// carries WM_STATE, searched breadth first.
Window ClientInFrame(Display* display, Window frame) {
    std::vector<Window> level = Children(display, frame);
    for (int depth = 0; depth < 4 && !level.empty(); ++depth) {
        std::vector<Window> next;
        for (Window w : level) {
            if (WmState(display, w) >= 0)
                return w;
            auto below = Children(display, w);
            next.insert(next.end(), below.begin(), below.end());
        }
        level = std::move(next);
    }
    return 0;
}

// Top-level client windows from the bottom of the stack to the top.
std::vector<Window> ClientsInStackingOrder(Display* display) {
    Window root = DefaultRootWindow(display);
    if (WindowManagerRunning(display)) {
        auto stacking = ReadCardinalList(display, root,
                                         AtomOf(display, "_NET_CLIENT_LIST_STACKING"), XA_WINDOW);
        if (!stacking.empty())
            return std::vector<Window>(stacking.begin(), stacking.end());
    }
    // No EWMH list: the root's children are in stacking order; they are clients themselves
    // (no window manager) or frames around them.
    std::vector<Window> result;
    for (Window child : Children(display, root)) {
        long state = WmState(display, child);
        if (state == NormalState || state == IconicState) {
            result.push_back(child);
            continue;
        }
        if (state == WithdrawnState)
            continue;
        if (HasProperty(display, child, XA_WM_CLASS)) {
            // Unmanaged: only what is on screen counts, never a program's hidden windows.
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display, child, &attributes) &&
                attributes.map_state == IsViewable)
                result.push_back(child);
            continue;
        }
        Window client = ClientInFrame(display, child);
        if (client && WmState(display, client) != WithdrawnState)
            result.push_back(client);
    }
    return result;
}

// The WM_CLASS class name; empty when the window has none.
QByteArray ClassOf(Display* display, Window window) {
    XClassHint hint{nullptr, nullptr};
    if (!XGetClassHint(display, window, &hint))
        return {};
    QByteArray name = hint.res_class ? QByteArray(hint.res_class) : QByteArray();
    if (hint.res_name)
        XFree(hint.res_name);
    if (hint.res_class)
        XFree(hint.res_class);
    return name;
}

unsigned long ProcessOf(Display* display, Window window) {
    auto pid = ReadCardinalList(display, window, AtomOf(display, "_NET_WM_PID"), XA_CARDINAL);
    return pid.empty() ? 0 : pid[0];
}

bool Viewable(Display* display, Window window) {
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) &&
           attributes.map_state == IsViewable && !attributes.override_redirect;
}

bool ClassMatches(Display* display, Window window, const QString& wanted) {
    XClassHint hint{nullptr, nullptr};
    if (!XGetClassHint(display, window, &hint))
        return false;
    bool match = false;
    for (char* part : {hint.res_name, hint.res_class}) {
        if (part && wanted.compare(QString::fromLatin1(part), Qt::CaseInsensitive) == 0)
            match = true;
    }
    if (hint.res_name)
        XFree(hint.res_name);
    if (hint.res_class)
        XFree(hint.res_class);
    return match;
}

void RequestActivation(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = AtomOf(display, "_NET_ACTIVE_WINDOW");
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2; // on the user's direct request, as a pager would ask
    event.xclient.data.l[1] = CurrentTime;
    event.xclient.data.l[2] = 0;
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
}

// ICCCM: a window whose WM_HINTS say "input false" takes no keyboard focus from others.
bool RefusesInputFocus(Display* display, Window window) {
    XWMHints* hints = XGetWMHints(display, window);
    if (!hints)
        return false;
    const bool refuses = (hints->flags & InputHint) && !hints->input;
    XFree(hints);
    return refuses;
}

// What a window manager would do to focus the window, for when none runs.
void FocusIfViewable(Display* display, Window window) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable &&
        !RefusesInputFocus(display, window))
        XSetInputFocus(display, window, RevertToParent, CurrentTime);
}

// The window that has the keyboard focus, or the nearest of its ancestors that names its window
// protocols (the program's top-level window); 0 when none does.
Window FocusedClient(Display* display) {
    Window window = 0;
    int revert = 0;
    XGetInputFocus(display, &window, &revert);
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Window root = DefaultRootWindow(display);
    for (int depth = 0; depth < 64 && window > PointerRoot && window != root; ++depth) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, rest = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, window, protocols, 0, 0, False, AnyPropertyType, &type,
                               &format, &count, &rest, &data) == Success) {
            if (data)
                XFree(data);
            if (type != None)
                return window;
        }
        Window rootReturn = 0, parent = 0;
        Window* children = nullptr;
        unsigned int n = 0;
        if (!XQueryTree(display, window, &rootReturn, &parent, &children, &n))
            return 0;
        if (children)
            XFree(children);
        window = parent;
    }
    return 0;
}

} // namespace

bool X11Available() {
    return X11Display() != nullptr;
}

NativeWindow FindTopLevelWindowByClass(const QByteArray& name) {
    QByteArray wanted = name.left(255);
    if (int zero = wanted.indexOf('\0'); zero >= 0)
        wanted.truncate(zero);
    Display* display = X11Display();
    if (!display || wanted.isEmpty())
        return 0;
    const QString wantedText = QString::fromLatin1(wanted);
    X11ErrorGuard guard(display);
    std::vector<Window> clients = ClientsInStackingOrder(display);
    for (auto it = clients.rbegin(); it != clients.rend(); ++it) {
        if (ClassMatches(display, *it, wantedText))
            return *it;
    }
    return 0;
}

bool IsWindowIconic(NativeWindow window) {
    Display* display = X11Display();
    if (!display || !window)
        return false;
    X11ErrorGuard guard(display);
    if (WmState(display, window) == IconicState)
        return true;
    auto states = ReadCardinalList(display, window, AtomOf(display, "_NET_WM_STATE"), XA_ATOM);
    const Atom hidden = AtomOf(display, "_NET_WM_STATE_HIDDEN");
    for (unsigned long state : states) {
        if (state == hidden)
            return true;
    }
    return false;
}

void RestoreTopLevelWindow(NativeWindow window) {
    Display* display = X11Display();
    if (!display || !window)
        return;
    X11ErrorGuard guard(display);
    // Mapping an iconic client asks its window manager to show it again (ICCCM 4.1.4).
    XMapRaised(display, window);
    if (WindowManagerRunning(display)) {
        RequestActivation(display, window);
    } else {
        XSync(display, False);
        FocusIfViewable(display, window);
    }
    XFlush(display);
}

void BringTopLevelWindowToTop(NativeWindow window) {
    Display* display = X11Display();
    if (!display || !window)
        return;
    X11ErrorGuard guard(display);
    const bool managed = WindowManagerRunning(display);
    if (managed)
        RequestActivation(display, window);
    XRaiseWindow(display, window);
    if (!managed)
        FocusIfViewable(display, window);
    XFlush(display);
}

bool WindowHasInputFocus(NativeWindow window) {
    Display* display = X11Display();
    if (!display || !window)
        return false;
    X11ErrorGuard guard(display);
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    const Window root = DefaultRootWindow(display);
    // Walk up from the focus window: the target may have put the focus on a child.
    for (int depth = 0; depth < 64 && focus > PointerRoot && focus != root; ++depth) {
        if (focus == window)
            return true;
        Window rootReturn = 0, parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display, focus, &rootReturn, &parent, &children, &count))
            return false;
        if (children)
            XFree(children);
        focus = parent;
    }
    return false;
}

QList<NativeWindow> WindowsOfSameProgram(NativeWindow window) {
    Display* display = X11Display();
    QList<NativeWindow> windows;
    if (!display || !window)
        return windows;
    X11ErrorGuard guard(display);
    const unsigned long process = ProcessOf(display, window);
    const QByteArray windowClass = ClassOf(display, window);
    if (!Viewable(display, window) && windowClass.isEmpty())
        return windows;
    for (Window client : ClientsInStackingOrder(display)) {
        if (!Viewable(display, client))
            continue;
        Window owner = 0;
        const bool same = client == window ||
                          (XGetTransientForHint(display, client, &owner) && owner == window) ||
                          (process != 0 && ProcessOf(display, client) == process) ||
                          (!windowClass.isEmpty() && ClassOf(display, client) == windowClass);
        if (same)
            windows.append(client);
    }
    return windows;
}

bool WaitForFocusedProgram(int limitMs) {
    Display* display = X11Display();
    if (!display)
        return false;
    XSync(display, False); // what was sent so far is on its way before the ping
    Display* own = XOpenDisplay(DisplayString(display));
    if (!own)
        return false;
    bool answered = false;
    const Window client = FocusedClient(own);
    const Atom protocols = XInternAtom(own, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(own, "_NET_WM_PING", False);
    Atom* supported = nullptr;
    int count = 0;
    bool pings = false;
    if (client && XGetWMProtocols(own, client, &supported, &count)) {
        pings = std::find(supported, supported + count, ping) != supported + count;
        XFree(supported);
    }
    if (pings) {
        const Window root = DefaultRootWindow(own);
        // The answer goes to the root window, where a window manager (and we) listen for it.
        XSelectInput(own, root, SubstructureNotifyMask);
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = client;
        event.xclient.message_type = protocols;
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(ping);
        event.xclient.data.l[1] = CurrentTime;
        event.xclient.data.l[2] = static_cast<long>(client);
        XSendEvent(own, client, False, NoEventMask, &event);
        XFlush(own);
        QElapsedTimer waited;
        waited.start();
        while (!answered && waited.elapsed() < limitMs) {
            while (!answered && XPending(own)) {
                XNextEvent(own, &event);
                answered = event.type == ClientMessage && event.xclient.message_type == protocols &&
                           static_cast<Atom>(event.xclient.data.l[0]) == ping &&
                           static_cast<Window>(event.xclient.data.l[2]) == client;
            }
            if (!answered) {
                QCoreApplication::processEvents();
                QThread::msleep(2);
            }
        }
    }
    XCloseDisplay(own);
    return answered;
}

QRect TopLevelFrameGeometry(NativeWindow window) {
    Display* display = X11Display();
    if (!display || !window)
        return {};
    X11ErrorGuard guard(display);
    // A reparenting window manager puts the client into a frame, a child of the root window.
    Window outer = window;
    for (int depth = 0; depth < 16; ++depth) {
        Window root = 0, parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display, outer, &root, &parent, &children, &count))
            return {};
        if (children)
            XFree(children);
        if (parent == root || !parent)
            break;
        outer = parent;
    }
    Window root = 0;
    int x = 0, y = 0;
    unsigned int width = 0, height = 0, border = 0, depth = 0;
    if (!XGetGeometry(display, outer, &root, &x, &y, &width, &height, &border, &depth))
        return {};
    return QRect(x, y, int(width + 2 * border), int(height + 2 * border));
}

QRect WindowGeometryOnScreen(NativeWindow window) {
    Display* display = X11Display();
    if (!display || !window)
        return {};
    X11ErrorGuard guard(display);
    Window root = 0, child = 0;
    int x = 0, y = 0, rootX = 0, rootY = 0;
    unsigned int width = 0, height = 0, border = 0, depth = 0;
    if (!XGetGeometry(display, window, &root, &x, &y, &width, &height, &border, &depth) ||
        !XTranslateCoordinates(display, window, root, 0, 0, &rootX, &rootY, &child))
        return {};
    return QRect(rootX, rootY, int(width), int(height));
}

void RequestTopLevelBounds(NativeWindow window, const QPoint& frameTopLeft, const QSize& size) {
    Display* display = X11Display();
    if (!display || !window || size.isEmpty())
        return;
    // The window itself goes where the frame's move takes it: window managers read a requested
    // position differently, but all of them keep a window where static gravity puts it.
    const QPoint shift = frameTopLeft - TopLevelFrameGeometry(window).topLeft();
    const QPoint target = WindowGeometryOnScreen(window).topLeft() + shift;
    X11ErrorGuard guard(display);
    if (!WindowManagerRunning(display)) {
        XMoveResizeWindow(display, window, target.x(), target.y(), unsigned(size.width()),
                          unsigned(size.height()));
        XFlush(display);
        return;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = AtomOf(display, "_NET_MOVERESIZE_WINDOW");
    event.xclient.format = 32;
    // Static gravity; x, y, width and height given (bits 8 to 11); from an application (bit 12).
    event.xclient.data.l[0] = StaticGravity | (0xF << 8) | (1 << 12);
    event.xclient.data.l[1] = target.x();
    event.xclient.data.l[2] = target.y();
    event.xclient.data.l[3] = size.width();
    event.xclient.data.l[4] = size.height();
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(display);
}

void MinimiseTopLevelWindow(NativeWindow window) {
    Display* display = X11Display();
    if (!display || !window)
        return;
    X11ErrorGuard guard(display);
    XIconifyWindow(display, window, DefaultScreen(display));
    XFlush(display);
}

QMargins ExpectedFrameMargins(NativeWindow window) {
    Display* display = X11Display();
    if (!display || !window)
        return {};
    X11ErrorGuard guard(display);
    if (!WindowManagerRunning(display))
        return {};
    const Atom extents = AtomOf(display, "_NET_FRAME_EXTENTS");
    auto margins = ReadCardinalList(display, window, extents, XA_CARDINAL);
    if (margins.size() != 4) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = AtomOf(display, "_NET_REQUEST_FRAME_EXTENTS");
        event.xclient.format = 32;
        XSendEvent(display, DefaultRootWindow(display), False,
                   SubstructureRedirectMask | SubstructureNotifyMask, &event);
        // The manager answers by setting the property; one that does not answer soon never will.
        QElapsedTimer waited;
        waited.start();
        while (margins.size() != 4 && waited.elapsed() < 300) {
            QThread::msleep(5);
            margins = ReadCardinalList(display, window, extents, XA_CARDINAL);
        }
    }
    if (margins.size() != 4)
        return {};
    // Left, right, top, bottom.
    return QMargins(int(margins[0]), int(margins[2]), int(margins[1]), int(margins[3]));
}
