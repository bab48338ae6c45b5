#include "support/desktop.h"

#include "dialogs/interface_fonts.h"
#include "platform/x11/x11_windows.h"
#include "support/headless_sway.h"
#include "support/wait.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/prctl.h>

// Xlib last: its macros break Qt headers included after it.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

PrivateDesktop* g_desktop = nullptr;

// One connection per question: the tests ask rarely, and the display may change between programs.
class XConnection {
public:
    XConnection() : display_(XOpenDisplay(nullptr)) {}
    ~XConnection() {
        if (display_)
            XCloseDisplay(display_);
    }
    Display* get() const { return display_; }

private:
    Display* display_;
};

std::vector<unsigned long> RootList(Display* display, const char* name) {
    std::vector<unsigned long> result;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, DefaultRootWindow(display), XInternAtom(display, name, False),
                           0, 65536, False, AnyPropertyType, &type, &format, &count, &remaining,
                           &data) == Success &&
        data) {
        if (format == 32) {
            auto* items = reinterpret_cast<unsigned long*>(data);
            result.assign(items, items + count);
        }
        XFree(data);
    }
    return result;
}

bool TrayUp() {
    XConnection x;
    return x.get() &&
           XGetSelectionOwner(x.get(), XInternAtom(x.get(), "_NET_SYSTEM_TRAY_S0", False)) != None;
}

// A test that dies leaves no desktop behind, which would hold the test runner's output open.
void EndsWithTheTest(QProcess& process) {
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

void Stop(QProcess& process) {
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000))
        process.kill();
    process.waitForFinished(1000);
}

} // namespace

PrivateDesktop::PrivateDesktop(Kind kind) : previousDisplay_(qgetenv("DISPLAY")) {
    // Xvfb picks a free display itself and names it on stdout once it accepts connections.
    server_.setProgram(QStringLiteral("Xvfb"));
    server_.setArguments(
        {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"});
    server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    EndsWithTheTest(server_);
    server_.start();
    if (!server_.waitForStarted(5000))
        return;
    QByteArray number;
    QElapsedTimer waited;
    waited.start();
    while (!number.contains('\n') && waited.elapsed() < 15000 &&
           server_.state() == QProcess::Running) {
        server_.waitForReadyRead(500);
        number += server_.readAllStandardOutput();
    }
    number = number.trimmed();
    if (number.isEmpty())
        return;
    qputenv("DISPLAY", ":" + number);
    if (kind == Kind::Bare) {
        ok_ = true;
        return;
    }

    windowManager_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // Nothing reads its output here: openbox reports every keyboard map change there and would
    // block once the pipe is full, leaving new windows unmapped.
    windowManager_.setStandardOutputFile(QProcess::nullDevice());
    EndsWithTheTest(windowManager_);
    windowManager_.start(QStringLiteral("openbox"), {"--sm-disable"});
    ok_ = windowManager_.waitForStarted(5000) && WaitFor(DesktopHasWindowManager, 15000) &&
          (kind != Kind::WindowManagerAndTray || StartTray());
}

PrivateDesktop::~PrivateDesktop() {
    Stop(tray_);
    Stop(windowManager_);
    Stop(server_);
    if (previousDisplay_.isEmpty())
        qunsetenv("DISPLAY");
    else
        qputenv("DISPLAY", previousDisplay_);
}

bool PrivateDesktop::StartTray() {
    tray_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    tray_.setStandardOutputFile(QProcess::nullDevice());
    EndsWithTheTest(tray_);
    // The same small panel as the test commands' desktop (tools/tint2rc).
    tray_.start(QStringLiteral("tint2"),
                {"-c", qEnvironmentVariable("GLIMMORA_SOURCE_DIR") + "/tools/tint2rc"});
    return tray_.waitForStarted(5000) && WaitFor(TrayUp, 15000);
}

bool PrivateDesktop::StopTray() {
    Stop(tray_);
    return WaitFor([] { return !TrayUp(); }, 5000);
}

bool DesktopHasWindowManager() {
    XConnection x;
    return x.get() && !RootList(x.get(), "_NET_SUPPORTING_WM_CHECK").empty();
}

PrivateDesktop* TestDesktop() {
    return g_desktop;
}

int RunWindowTests(int argc, char** argv) {
    std::unique_ptr<PrivateDesktop> desktop;
    if (qEnvironmentVariable("GLIMMORA_TEST_DESKTOP") == QLatin1String("without-tray")) {
        desktop = std::make_unique<PrivateDesktop>(PrivateDesktop::Kind::WindowManager);
        if (!desktop->ok()) {
            std::fputs("No desktop (Xvfb, openbox) for the tests.\n", stderr);
            return 1;
        }
        g_desktop = desktop.get();
    }
    // The windows as a Wayland client of a compositor that scales its output (a 4K screen at
    // 200 %): Qt takes the scale from the compositor, not from its own variables.
    std::unique_ptr<HeadlessSway> sway;
    if (qEnvironmentVariable("GLIMMORA_TEST_DESKTOP") == QLatin1String("sway-scale-2")) {
        sway = std::make_unique<HeadlessSway>();
        if (!sway->ok() || !sway->command("output * scale 2")) {
            std::fprintf(stderr, "No scaled sway for the tests: %s\n", qPrintable(sway->error()));
            return 1;
        }
        const QProcessEnvironment env =
            sway->clientEnvironment(QProcessEnvironment::systemEnvironment());
        for (const char* name : {"WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            qputenv(name, env.value(name).toLocal8Bit());
        qunsetenv("DISPLAY");
        qputenv("QT_QUICK_BACKEND", "software"); // the headless compositor shares no GPU buffers
    }
    // The browser engine wants shared GL contexts before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    int result = 0;
    {
        QApplication app(argc, argv);
        UseInterfaceFonts(); // as the program does: the windows are measured in its fonts
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    g_desktop = nullptr;
    return result;
}

WindowOnDesktop DescribeWindow(quint64 window) {
    WindowOnDesktop result;
    XConnection x;
    if (!x.get() || !window)
        return result;
    for (unsigned long listed : RootList(x.get(), "_NET_CLIENT_LIST"))
        result.listed = result.listed || listed == window;
    const Atom wmState = XInternAtom(x.get(), "WM_STATE", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(x.get(), window, wmState, 0, 2, False, wmState, &type, &format, &count,
                           &remaining, &data) == Success &&
        data) {
        if (format == 32 && count > 0)
            result.wmState = long(reinterpret_cast<unsigned long*>(data)[0]);
        XFree(data);
    }
    result.frame = TopLevelFrameGeometry(window);
    return result;
}

bool WhollyOnScreen(quint64 window) {
    XConnection x;
    if (!x.get())
        return false;
    const QRect screen(0, 0, DisplayWidth(x.get(), DefaultScreen(x.get())),
                       DisplayHeight(x.get(), DefaultScreen(x.get())));
    const QRect frame = DescribeWindow(window).frame;
    return !frame.isEmpty() && screen.contains(frame);
}
