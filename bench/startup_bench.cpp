// Start-up and memory of the program against a bare browser window that loads the same page, in
// the same run on the same X server (tools/bench starts Xvfb when no display is set).
//
// Start-up: from process start to the start page loaded in the browser, reported on stderr by both
// programs (the program only when GLIMMORA_REPORT_PAGE_LOAD is set). The program's one-second
// placement timer runs after the page was asked for, so it is not part of the figure.
// Memory: proportional set size (PSS) of the process and all its descendants (the browser
// engine's helper processes), after start-up, and after the hot key has hidden the window.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

namespace {

// Owns the system-tray selection of the X screen, so that the program sees a notification area
// and hides into it as it does on a desktop. The docking requests are left unanswered.
class StandInTray {
public:
    StandInTray() {
        display_ = XOpenDisplay(nullptr);
        if (!display_)
            qFatal("no X display");
        const int screen = DefaultScreen(display_);
        window_ = XCreateSimpleWindow(display_, RootWindow(display_, screen), 0, 0, 1, 1, 0, 0, 0);
        const QByteArray name = "_NET_SYSTEM_TRAY_S" + QByteArray::number(screen);
        const Atom selection = XInternAtom(display_, name.constData(), False);
        XSetSelectionOwner(display_, selection, window_, CurrentTime);
        XEvent manager{};
        manager.xclient.type = ClientMessage;
        manager.xclient.window = RootWindow(display_, screen);
        manager.xclient.message_type = XInternAtom(display_, "MANAGER", False);
        manager.xclient.format = 32;
        manager.xclient.data.l[0] = CurrentTime;
        manager.xclient.data.l[1] = static_cast<long>(selection);
        manager.xclient.data.l[2] = static_cast<long>(window_);
        XSendEvent(display_, RootWindow(display_, screen), False, StructureNotifyMask, &manager);
        XSync(display_, False);
    }
    ~StandInTray() {
        XDestroyWindow(display_, window_);
        XCloseDisplay(display_);
    }

private:
    Display* display_ = nullptr;
    Window window_ = 0;
};

// PSS in kB of `root` and all its descendants.
qint64 TreePssKb(qint64 root) {
    std::multimap<qint64, qint64> children;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool ok = false;
        const qint64 pid = entry.toLongLong(&ok);
        if (!ok)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1)
            children.emplace(fields[1].toLongLong(), pid);
    }
    std::vector<qint64> pending{root};
    qint64 total = 0;
    while (!pending.empty()) {
        const qint64 pid = pending.back();
        pending.pop_back();
        QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
        if (rollup.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : rollup.readAll().split('\n')) {
                if (line.startsWith("Pss:"))
                    total += line.mid(4).trimmed().split(' ').first().toLongLong();
            }
        }
        const auto [from, to] = children.equal_range(pid);
        for (auto it = from; it != to; ++it)
            pending.push_back(it->second);
    }
    return total;
}

// Seconds from start until `marker` appears on the process's stderr; negative on a time-out.
double WaitForLine(QProcess& process, const QElapsedTimer& clock, const QByteArray& marker) {
    process.setReadChannel(QProcess::StandardError);
    while (clock.elapsed() < 60000) {
        while (process.canReadLine()) {
            if (process.readLine().contains(marker))
                return clock.nsecsElapsed() / 1e9;
        }
        if (process.state() == QProcess::NotRunning)
            break;
        process.waitForReadyRead(100);
    }
    return -1;
}

// Waits while reading what the process writes: a full pipe would stop the program.
void Pause(QProcess& process, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        process.waitForReadyRead(std::max<int>(1, milliseconds - int(clock.elapsed())));
        process.readAllStandardError();
    }
}

struct Run {
    double seconds = -1;
    qint64 visibleKb = 0;
    qint64 hiddenKb = 0;
};

// Counts the mapped top-level windows.
int VisibleWindows() {
    QProcess search;
    search.start(QStringLiteral("xdotool"),
                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                  QStringLiteral("--name"), QStringLiteral(".")});
    search.waitForFinished(10000);
    return static_cast<int>(search.readAllStandardOutput().count('\n'));
}

QProcessEnvironment HomeEnvironment(const QString& home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + "/.local/share");
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + "/.config");
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + "/run");
    env.insert(QStringLiteral("GLIMMORA_REPORT_PAGE_LOAD"), QStringLiteral("1"));
    QDir().mkpath(home + "/run");
    QFile::setPermissions(home + "/run", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return env;
}

// A home folder whose only data file is the language choice, so that no window waits for an answer.
void MakeFreshHome(const QString& home) {
    QDir(home).removeRecursively();
    const QString data = home + "/.local/share/Orvandeck/Glimmora/";
    QDir().mkpath(data);
    QFile marker(data + "Glimmora.cho");
    if (!marker.open(QIODevice::WriteOnly) || marker.write("3.5") != 3)
        qFatal("cannot prepare %s", qPrintable(home));
}

void Stop(QProcess& process, const QString& home) {
    if (!home.isEmpty()) {
        // The close request of a newly started instance: the program quits as the user would.
        QFile request(home + "/run/Glimmora_CloseYourself");
        request.open(QIODevice::WriteOnly);
        request.close();
        if (process.waitForFinished(8000))
            return;
    }
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}

// One start of the program in `home`; with `measureMemory` also its PSS shown and hidden.
// `whenLoaded` runs once the start page has loaded.
Run StartProgram(const QString& home, bool measureMemory,
                 const std::function<void()>& whenLoaded = {}) {
    QProcess process;
    process.setProcessEnvironment(HomeEnvironment(home));
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(GLIMMORA_EXE), {});
    Run run;
    run.seconds = WaitForLine(process, clock, "glimmora: start page loaded");
    if (run.seconds >= 0 && whenLoaded)
        whenLoaded();
    if (run.seconds >= 0 && measureMemory) {
        // The placement timer shows the window; then the first paint and the helper processes
        // settle.
        QElapsedTimer wait;
        wait.start();
        while (VisibleWindows() == 0 && wait.elapsed() < 15000)
            Pause(process, 200);
        Pause(process, 3000);
        const int shown = VisibleWindows();
        run.visibleKb = TreePssKb(process.processId());
        QProcess::execute(QStringLiteral("xdotool"),
                          {QStringLiteral("key"), QStringLiteral("ctrl+alt+s")});
        Pause(process, 3000);
        if (VisibleWindows() < shown)
            run.hiddenKb = TreePssKb(process.processId());
        else
            std::fprintf(stderr, "the hot key did not hide the main window\n");
    }
    Stop(process, home);
    return run;
}

Run StartBare(const QString& page, bool measureMemory) {
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(BARE_BROWSER_EXE), {page});
    Run run;
    run.seconds = WaitForLine(process, clock, "bare: page loaded");
    if (run.seconds >= 0 && measureMemory) {
        Pause(process, 3000);
        run.visibleKb = TreePssKb(process.processId());
    }
    Stop(process, QString());
    return run;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qFatal("needs an X display (tools/bench starts one)");
    QTemporaryDir scratch(QDir::tempPath() + "/glimmora-startup-XXXXXX");
    StandInTray tray;

    // The populated home: what a first run leaves behind. Its start page is the bare program's
    // page.
    const QString populated = scratch.path() + "/populated";
    MakeFreshHome(populated);
    const QString page = scratch.path() + "/start.htm";
    const auto keepPage = [&] {
        // The page goes away when the program quits.
        QFile::copy(populated + "/.local/share/Orvandeck/Glimmora/GlimmoraData/temp.htm", page);
    };
    if (StartProgram(populated, false, keepPage).seconds < 0)
        qFatal("the program did not report its start page");
    // A regular user has seen the welcome window and switched it off.
    QFile settings(populated + "/.local/share/Orvandeck/Glimmora/glimmora.ini");
    if (!settings.open(QIODevice::ReadWrite))
        qFatal("the first run left no settings file");
    const QByteArray text = settings.readAll().replace("WelcomeScreen=1", "WelcomeScreen=0");
    settings.resize(0);
    settings.write(text);
    settings.close();
    if (!QFile::exists(page))
        qFatal("no start page to compare with");

    std::vector<double> bare, fresh, full;
    Run memory, bareMemory;
    const QString freshHome = scratch.path() + "/fresh";
    for (int r = 0; r < rounds; ++r) {
        const bool last = r == rounds - 1;
        const Run b = StartBare(page, last);
        MakeFreshHome(freshHome);
        const Run f = StartProgram(freshHome, false);
        const Run p = StartProgram(populated, last);
        if (b.seconds < 0 || f.seconds < 0 || p.seconds < 0)
            qFatal("a start-up did not finish");
        bare.push_back(b.seconds);
        fresh.push_back(f.seconds);
        full.push_back(p.seconds);
        if (last) {
            memory = p;
            bareMemory = b;
        }
    }
    const double b = Median(bare), f = Median(fresh), p = Median(full);
    std::printf("Start-up to the start page loaded (median of %d; bare browser %.0f ms):\n", rounds,
                b * 1e3);
    std::printf("  fresh home      %6.0f ms  ratio %.2f (target <= 1.3)\n", f * 1e3, f / b);
    std::printf("  populated home  %6.0f ms  ratio %.2f (target <= 1.3)\n", p * 1e3, p / b);
    std::printf("Memory (PSS of all processes, populated home):\n");
    std::printf("  shown           %6.1f MB, bare browser %.1f MB, ratio %.2f (target <= 1.1)\n",
                memory.visibleKb / 1024.0, bareMemory.visibleKb / 1024.0,
                double(memory.visibleKb) / double(std::max<qint64>(1, bareMemory.visibleKb)));
    if (memory.hiddenKb > 0)
        std::printf("  hidden in tray  %6.1f MB (target <= 150 MB)\n", memory.hiddenKb / 1024.0);
    else
        std::printf("  hidden in tray  not measured: the window did not hide\n");
    return 0;
}
