// A stand-in for a mail program's compose window in the insertion tests: one X window with the
// WM_CLASS given on the command line. It writes one line to stdout for everything it sees:
//
//   READY 0x<window>                  the window exists (mapped, or withdrawn when --iconic)
//   MAPPED | UNMAPPED | FOCUS in|out
//   KEY press|release <keysym name> <state in hex> <XKB key name> <server time in ms>
//   PASTE targets <t1,t2,...>         on Ctrl+V (the keysym v, whichever key carries it, as GTK
//                                     and Firefox match shortcuts): what the clipboard offers, then
//   PASTE png <w>x<h> | PASTE png none
//   PASTE html <img count> <data type> <sha1 of the decoded data> <file url 0|1>
//   PASTE gif <sha1> | PASTE gif none
//   PASTE done
//   DIALOG shown 0x<window> | DIALOG closed
//
// With --dialog, Ctrl+Shift+V opens a dialog, as a word processor's Paste Special does: a second
// window of the same class, transient for the first, that never takes the focus itself (a window
// manager may give it); its keys are reported with " dialog" at the end of their KEY line, and
// Enter or Escape close it. --ignore-first-dialog-key leaves the first Ctrl+Shift+V unanswered,
// as a program does that is not ready for it yet.
//
// Usage: glimmora_target_client --class NAME [--instance NAME] [--iconic | --withdrawn]
//                               [--hidden-state] [--grab-ctrl-alt-s] [--refuse-focus]
//                               [--dialog [--ignore-first-dialog-key]] [--lifetime SECONDS]
// With --iconic the window starts minimised; without a window manager the client keeps its own
// WM_STATE, as the missing manager would. --withdrawn never maps the window (a program's hidden
// window). --hidden-state marks the shown window _NET_WM_STATE_HIDDEN, as a window manager marks
// a minimised window. --grab-ctrl-alt-s holds that key combination on the root window, as another
// program holding the hot key would (GRABBED is written after READY, once the server has taken
// the grab).
// --refuse-focus marks the window as taking no keyboard input (ICCCM input hint false), hands the
// focus to the pointer's window and rests the pointer on itself, so that keys typed regardless
// of the focus still reach it.
//
// glimmora_target_client --stand-in-wm 0x<bottom>,...,0x<top> acts as the part of a window
// manager that the program relies on: it announces itself (_NET_SUPPORTING_WM_CHECK), publishes
// the given windows as _NET_CLIENT_LIST_STACKING and answers _NET_ACTIVE_WINDOW by raising and
// focusing the window and moving it to the top of the list ("WM ACTIVATE 0x<window>").

#include <QByteArray>
#include <QCryptographicHash>
#include <QImage>
#include <QList>
#include <QRegularExpression>

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

void Say(const std::string& line) {
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

QByteArray ReadClipboard(const char* target) {
    const std::string command =
        std::string("xclip -selection clipboard -o -t '") + target + "' 2>/dev/null";
    QByteArray data;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[65536];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            data.append(buffer, static_cast<qsizetype>(n));
        pclose(pipe);
    }
    return data;
}

std::string Sha1(const QByteArray& data) {
    return QCryptographicHash::hash(data, QCryptographicHash::Sha1).toHex().toStdString();
}

void ReportPaste() {
    const QByteArray targets = ReadClipboard("TARGETS").trimmed();
    QList<QByteArray> names = targets.split('\n');
    for (auto& name : names)
        name = name.trimmed();
    Say("PASTE targets " + names.join(',').toStdString());

    const QImage png = QImage::fromData(ReadClipboard("image/png"), "PNG");
    Say(png.isNull()
            ? std::string("PASTE png none")
            : "PASTE png " + std::to_string(png.width()) + "x" + std::to_string(png.height()));

    const QByteArray html = ReadClipboard("text/html");
    const int images = static_cast<int>(html.count("<img"));
    static const QRegularExpression dataUrl(
        QStringLiteral("src=\"data:([^;\"]+);base64,([^\"]*)\""));
    const auto match = dataUrl.match(QString::fromUtf8(html));
    std::string type = "none", hash = "none";
    if (match.hasMatch()) {
        type = match.captured(1).toStdString();
        hash = Sha1(QByteArray::fromBase64(match.captured(2).toLatin1()));
    }
    Say("PASTE html " + std::to_string(images) + " " + type + " " + hash + " " +
        (html.contains("file://") ? "1" : "0"));

    Say(names.contains("image/gif") ? "PASTE gif " + Sha1(ReadClipboard("image/gif"))
                                    : std::string("PASTE gif none"));
    Say("PASTE done");
}

std::string KeyName(XkbDescPtr xkb, unsigned int keycode) {
    if (!xkb || !xkb->names || !xkb->names->keys || keycode < xkb->min_key_code ||
        keycode > xkb->max_key_code)
        return "?";
    return std::string(xkb->names->keys[keycode].name,
                       strnlen(xkb->names->keys[keycode].name, XkbKeyNameLength));
}

void SetWmState(Display* display, Window window, long state) {
    const Atom wmState = XInternAtom(display, "WM_STATE", False);
    long data[2] = {state, None};
    XChangeProperty(display, window, wmState, wmState, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(data), 2);
}

// The window that `holder`'s _NET_SUPPORTING_WM_CHECK names, or None.
Window CheckWindowOf(Display* display, Window holder) {
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, rest = 0;
    unsigned char* data = nullptr;
    Window named = None;
    if (XGetWindowProperty(display, holder, check, 0, 1, False, XA_WINDOW, &type, &format, &count,
                           &rest, &data) == Success &&
        data) {
        if (count == 1)
            named = *reinterpret_cast<Window*>(data);
        XFree(data);
    }
    return named;
}

int IgnoreXError(Display*, XErrorEvent*) {
    return 0;
}

// A manager that has gone leaves its announcement on the root window; only a check window that
// still exists and names itself counts.
bool WindowManagerRunning(Display* display) {
    const Window check = CheckWindowOf(display, DefaultRootWindow(display));
    if (check == None)
        return false;
    XSync(display, False);
    XErrorHandler previous = XSetErrorHandler(IgnoreXError);
    const bool running = CheckWindowOf(display, check) == check;
    XSync(display, False);
    XSetErrorHandler(previous);
    return running;
}

void PublishStacking(Display* display, const std::vector<Window>& stack) {
    const Atom list = XInternAtom(display, "_NET_CLIENT_LIST_STACKING", False);
    std::vector<long> items(stack.begin(), stack.end());
    XChangeProperty(display, DefaultRootWindow(display), list, XA_WINDOW, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(items.data()), static_cast<int>(items.size()));
}

int RunStandInWindowManager(Display* display, const std::string& windows) {
    std::vector<Window> stack;
    for (const QByteArray& id : QByteArray::fromStdString(windows).split(','))
        stack.push_back(static_cast<Window>(id.toULongLong(nullptr, 16)));
    const Window root = DefaultRootWindow(display);
    const Window check = XCreateSimpleWindow(display, root, -10, -10, 1, 1, 0, 0, 0);
    const Atom checkAtom = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    const Atom activeAtom = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    for (Window w : {root, check})
        XChangeProperty(display, w, checkAtom, XA_WINDOW, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&check), 1);
    PublishStacking(display, stack);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);
    Say("WM READY");
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != ClientMessage || event.xclient.message_type != activeAtom)
            continue;
        const Window target = event.xclient.window;
        char id[32];
        std::snprintf(id, sizeof id, "0x%lx", target);
        Say(std::string("WM ACTIVATE ") + id);
        std::erase(stack, target);
        stack.push_back(target);
        PublishStacking(display, stack);
        XMapRaised(display, target);
        XSync(display, False);
        XSetInputFocus(display, target, RevertToParent, CurrentTime);
        XSync(display, False);
    }
}

} // namespace

// The dialog that Ctrl+Shift+V opens with --dialog.
class PasteSpecialDialog {
public:
    PasteSpecialDialog(Display* display, Window owner, XClassHint hint)
        : display_(display), owner_(owner), hint_(hint) {}

    bool isOpen() const { return window_ != None; }
    bool owns(Window window) const { return window_ != None && window == window_; }

    void open() {
        if (window_ != None)
            return;
        const int screen = DefaultScreen(display_);
        window_ = XCreateSimpleWindow(display_, RootWindow(display_, screen), 120, 120, 200, 100, 1,
                                      BlackPixel(display_, screen), WhitePixel(display_, screen));
        XSetClassHint(display_, window_, &hint_);
        XStoreName(display_, window_, "Paste Special");
        XSetTransientForHint(display_, window_, owner_);
        XSelectInput(display_, window_, KeyPressMask | KeyReleaseMask | FocusChangeMask);
        XMapWindow(display_, window_);
        XSync(display_, False);
        char id[32];
        std::snprintf(id, sizeof id, "0x%lx", window_);
        Say(std::string("DIALOG shown ") + id);
    }

    void close() {
        if (window_ == None)
            return;
        XDestroyWindow(display_, window_);
        window_ = None;
        // Back to the document, as the program does when its dialog ends.
        XSetInputFocus(display_, owner_, RevertToParent, CurrentTime);
        XSync(display_, False);
        Say("DIALOG closed");
    }

private:
    Display* display_;
    Window owner_;
    XClassHint hint_;
    Window window_ = None;
};

int main(int argc, char** argv) {
    std::string className = "GlimmoraTarget", instance;
    bool iconic = false, withdrawn = false, grab = false, hiddenState = false, refuseFocus = false;
    bool dialog = false, ignoreFirstDialogKey = false;
    std::string standInWm;
    unsigned lifetime = 120;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--class" && i + 1 < argc)
            className = argv[++i];
        else if (arg == "--instance" && i + 1 < argc)
            instance = argv[++i];
        else if (arg == "--iconic")
            iconic = true;
        else if (arg == "--withdrawn")
            withdrawn = true;
        else if (arg == "--hidden-state")
            hiddenState = true;
        else if (arg == "--grab-ctrl-alt-s")
            grab = true;
        else if (arg == "--refuse-focus")
            refuseFocus = true;
        else if (arg == "--dialog")
            dialog = true;
        else if (arg == "--ignore-first-dialog-key")
            ignoreFirstDialogKey = true;
        else if (arg == "--stand-in-wm" && i + 1 < argc)
            standInWm = argv[++i];
        else if (arg == "--lifetime" && i + 1 < argc)
            lifetime = static_cast<unsigned>(std::stoul(argv[++i]));
    }
    if (instance.empty())
        instance = className;
    // A forgotten client must not outlive its test by much.
    alarm(lifetime);

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        Say("ERROR no display");
        return 1;
    }
    if (!standInWm.empty())
        return RunStandInWindowManager(display, standInWm);
    const int screen = DefaultScreen(display);
    const Window window =
        XCreateSimpleWindow(display, RootWindow(display, screen), 40, 40, 320, 200, 1,
                            BlackPixel(display, screen), WhitePixel(display, screen));
    XClassHint hint{instance.data(), className.data()};
    XSetClassHint(display, window, &hint);
    XStoreName(display, window, ("target " + className).c_str());
    XWMHints wmHints{};
    wmHints.flags = InputHint | StateHint;
    wmHints.input = refuseFocus ? False : True;
    wmHints.initial_state = iconic ? IconicState : NormalState;
    XSetWMHints(display, window, &wmHints);
    XSelectInput(display, window,
                 KeyPressMask | KeyReleaseMask | FocusChangeMask | StructureNotifyMask);
    // Answers the window manager's ping, as toolkits do: whoever pings learns that every event
    // sent before has been handled.
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    Atom ping = XInternAtom(display, "_NET_WM_PING", False);
    XSetWMProtocols(display, window, &ping, 1);

    const bool managed = WindowManagerRunning(display);
    if (iconic && !managed) {
        SetWmState(display, window, IconicState);
    } else if (!withdrawn) {
        XMapWindow(display, window);
    }
    if (refuseFocus) {
        XSync(display, False);
        XWarpPointer(display, None, window, 0, 0, 0, 0, 160, 100);
        XSetInputFocus(display, PointerRoot, RevertToPointerRoot, CurrentTime);
    }
    if (hiddenState) {
        const Atom hidden = XInternAtom(display, "_NET_WM_STATE_HIDDEN", False);
        XChangeProperty(display, window, XInternAtom(display, "_NET_WM_STATE", False), XA_ATOM, 32,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(&hidden), 1);
    }
    XkbDescPtr names = XkbGetMap(display, 0, XkbUseCoreKbd);
    if (names)
        XkbGetNames(display, XkbKeyNamesMask, names);
    XSync(display, False);
    char id[32];
    std::snprintf(id, sizeof id, "0x%lx", window);
    Say(std::string("READY ") + id);
    // After READY: a test that saw GRABBED knows the window, and so can wait for the server to
    // have let go of both once the client is gone.
    if (grab) {
        XGrabKey(display, XKeysymToKeycode(display, XK_s), ControlMask | Mod1Mask,
                 DefaultRootWindow(display), True, GrabModeAsync, GrabModeAsync);
        XSync(display, False);
        Say("GRABBED");
    }

    PasteSpecialDialog pasteSpecial(display, window, hint);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        const bool inDialog = pasteSpecial.owns(event.xany.window);
        switch (event.type) {
        case MapNotify:
            if (!managed)
                SetWmState(display, window, NormalState);
            Say("MAPPED");
            break;
        case UnmapNotify:
            Say("UNMAPPED");
            break;
        case FocusIn:
            Say(inDialog ? "FOCUS in dialog" : "FOCUS in");
            break;
        case FocusOut:
            Say(inDialog ? "FOCUS out dialog" : "FOCUS out");
            break;
        case KeyPress:
        case KeyRelease: {
            KeySym keysym = NoSymbol;
            unsigned int consumed = 0;
            XkbLookupKeySym(display, static_cast<KeyCode>(event.xkey.keycode), event.xkey.state,
                            &consumed, &keysym);
            const char* name = XKeysymToString(keysym);
            char state[16];
            std::snprintf(state, sizeof state, "%x", event.xkey.state);
            const std::string key = KeyName(names, event.xkey.keycode);
            Say(std::string("KEY ") + (event.type == KeyPress ? "press " : "release ") +
                (name ? name : "NoSymbol") + " " + state + " " + key + " " +
                std::to_string(event.xkey.time) + (inDialog ? " dialog" : ""));
            if (event.type != KeyPress)
                break;
            if (inDialog) {
                if (keysym == XK_Return || keysym == XK_Escape)
                    pasteSpecial.close();
                break;
            }
            const bool pasteKey =
                (event.xkey.state & ControlMask) && (keysym == XK_v || keysym == XK_V);
            if (pasteKey && dialog && (event.xkey.state & ShiftMask)) {
                if (ignoreFirstDialogKey)
                    ignoreFirstDialogKey = false;
                else
                    pasteSpecial.open();
            } else if (pasteKey) {
                ReportPaste();
            }
            break;
        }
        case MappingNotify:
            XRefreshKeyboardMapping(&event.xmapping);
            break;
        case ClientMessage:
            if (event.xclient.message_type == protocols &&
                static_cast<Atom>(event.xclient.data.l[0]) == ping) {
                event.xclient.window = DefaultRootWindow(display);
                XSendEvent(display, event.xclient.window, False,
                           SubstructureNotifyMask | SubstructureRedirectMask, &event);
                XFlush(display);
            }
            break;
        default:
            break;
        }
    }
}
