#include "desktop_probe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sys/prctl.h>
#include <unordered_set>

struct StandInTray::Data {
    Display* display = nullptr;
    Window window = 0;
};

StandInTray::StandInTray() : d_(new Data) {
    d_->display = XOpenDisplay(nullptr);
    if (!d_->display)
        qFatal("no X display");
    Display* dpy = d_->display;
    const int screen = DefaultScreen(dpy);
    d_->window = XCreateSimpleWindow(dpy, RootWindow(dpy, screen), 0, 0, 1, 1, 0, 0, 0);
    const QByteArray name = "_NET_SYSTEM_TRAY_S" + QByteArray::number(screen);
    const Atom selection = XInternAtom(dpy, name.constData(), False);
    XSetSelectionOwner(dpy, selection, d_->window, CurrentTime);
    XEvent manager{};
    manager.xclient.type = ClientMessage;
    manager.xclient.window = RootWindow(dpy, screen);
    manager.xclient.message_type = XInternAtom(dpy, "MANAGER", False);
    manager.xclient.format = 32;
    manager.xclient.data.l[0] = CurrentTime;
    manager.xclient.data.l[1] = static_cast<long>(selection);
    manager.xclient.data.l[2] = static_cast<long>(d_->window);
    XSendEvent(dpy, RootWindow(dpy, screen), False, StructureNotifyMask, &manager);
    XSync(dpy, False);
}

StandInTray::~StandInTray() {
    XDestroyWindow(d_->display, d_->window);
    XCloseDisplay(d_->display);
    delete d_;
}

struct XProbe::Data {
    Display* display = nullptr;
    Atom pidAtom = 0;
    std::map<qint64, XWindowId> known; // pid -> its main window, once found
};

namespace {
int IgnoreXErrors(Display*, XErrorEvent*) {
    return 0; // windows come and go while we look
}

qint64 WindowPid(Display* dpy, Window window, Atom pidAtom) {
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    qint64 pid = -1;
    if (XGetWindowProperty(dpy, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &items,
                           &after, &data) == Success &&
        data && items == 1 && format == 32)
        pid = static_cast<qint64>(*reinterpret_cast<unsigned long*>(data));
    if (data)
        XFree(data);
    return pid;
}

// Client windows below `window` (a window manager puts them in frames).
void CollectWindows(Display* dpy, Window window, int depth, std::vector<Window>& out) {
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(dpy, window, &root, &parent, &children, &count))
        return;
    for (unsigned int i = 0; i < count; ++i) {
        out.push_back(children[i]);
        if (depth < 2)
            CollectWindows(dpy, children[i], depth + 1, out);
    }
    if (children)
        XFree(children);
}
} // namespace

XProbe::XProbe() : d_(new Data) {
    d_->display = XOpenDisplay(nullptr);
    if (!d_->display)
        qFatal("no X display");
    XSetErrorHandler(IgnoreXErrors);
    d_->pidAtom = XInternAtom(d_->display, "_NET_WM_PID", False);
}

XProbe::~XProbe() {
    XCloseDisplay(d_->display);
    delete d_;
}

bool XProbe::IsMapped(XWindowId window) {
    XWindowAttributes attributes{};
    return window && XGetWindowAttributes(d_->display, window, &attributes) &&
           attributes.map_state == IsViewable;
}

XWindowId XProbe::MappedWindowOf(qint64 pid) {
    const auto known = d_->known.find(pid);
    if (known != d_->known.end())
        return IsMapped(known->second) ? known->second : 0;
    std::vector<Window> windows;
    CollectWindows(d_->display, DefaultRootWindow(d_->display), 0, windows);
    Window best = 0;
    long bestArea = 0;
    for (Window w : windows) {
        XWindowAttributes a{};
        if (!XGetWindowAttributes(d_->display, w, &a) || a.map_state != IsViewable ||
            a.override_redirect)
            continue;
        if (WindowPid(d_->display, w, d_->pidAtom) != pid)
            continue;
        const long area = long(a.width) * a.height;
        if (area > bestArea) {
            best = w;
            bestArea = area;
        }
    }
    // A main window, not a splash or a dialog.
    if (bestArea < 150000)
        return 0;
    d_->known[pid] = best;
    return best;
}

QRect XProbe::Geometry(XWindowId window) {
    XWindowAttributes a{};
    if (!XGetWindowAttributes(d_->display, window, &a))
        return {};
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(d_->display, window, DefaultRootWindow(d_->display), 0, 0, &x, &y,
                          &child);
    return QRect(x, y, a.width, a.height);
}

QImage XProbe::Grab(const QRect& area) {
    Display* dpy = d_->display;
    const QRect screen(0, 0, DisplayWidth(dpy, DefaultScreen(dpy)),
                       DisplayHeight(dpy, DefaultScreen(dpy)));
    const QRect r = area.intersected(screen);
    if (r.isEmpty())
        return {};
    XImage* image = XGetImage(dpy, DefaultRootWindow(dpy), r.x(), r.y(), unsigned(r.width()),
                              unsigned(r.height()), AllPlanes, ZPixmap);
    if (!image)
        return {};
    QImage out(r.size(), QImage::Format_RGB32);
    for (int y = 0; y < r.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < r.width(); ++x)
            line[x] = QRgb(XGetPixel(image, x, y)) | 0xFF000000u; // 24-bit TrueColor
    }
    XDestroyImage(image);
    return out;
}

int XProbe::CountColour(const QRect& area, QRgb colour, int tolerance) {
    return ::CountColour(Grab(area), colour, tolerance);
}

int CountColour(const QImage& image, QRgb colour, int tolerance) {
    int count = 0;
    const int red = qRed(colour), green = qGreen(colour), blue = qBlue(colour);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (std::abs(qRed(line[x]) - red) <= tolerance &&
                std::abs(qGreen(line[x]) - green) <= tolerance &&
                std::abs(qBlue(line[x]) - blue) <= tolerance)
                ++count;
        }
    }
    return count;
}

void XProbe::Key(const char* keysym, const std::vector<const char*>& modifiers) {
    Display* dpy = d_->display;
    std::vector<KeyCode> held;
    for (const char* m : modifiers) {
        const KeyCode code = XKeysymToKeycode(dpy, XStringToKeysym(m));
        XTestFakeKeyEvent(dpy, code, True, CurrentTime);
        held.push_back(code);
    }
    const KeyCode code = XKeysymToKeycode(dpy, XStringToKeysym(keysym));
    XTestFakeKeyEvent(dpy, code, True, CurrentTime);
    XTestFakeKeyEvent(dpy, code, False, CurrentTime);
    for (auto it = held.rbegin(); it != held.rend(); ++it)
        XTestFakeKeyEvent(dpy, *it, False, CurrentTime);
    XFlush(dpy);
}

void XProbe::Click(const QPoint& at, int button) {
    Display* dpy = d_->display;
    XTestFakeMotionEvent(dpy, DefaultScreen(dpy), at.x(), at.y(), CurrentTime);
    XTestFakeButtonEvent(dpy, unsigned(button), True, CurrentTime);
    XTestFakeButtonEvent(dpy, unsigned(button), False, CurrentTime);
    XFlush(dpy);
}

void StartChild(QProcess& process, const QString& program, const QStringList& arguments) {
    // A benchmark stopped half-way must not leave a program behind that holds the hot key.
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    process.start(program, arguments);
}

double Seconds(const QElapsedTimer& clock) {
    return double(clock.nsecsElapsed()) / 1e9;
}

double TimeToSettledShare(const QElapsedTimer& clock, const std::function<int()>& count,
                          int quietMs, int limitMs, double share, int* finalCount) {
    std::vector<std::pair<double, int>> samples;
    QElapsedTimer limit;
    limit.start();
    double changedAt = Seconds(clock);
    int last = -1;
    while (limit.elapsed() < limitMs) {
        const int now = count();
        const double t = Seconds(clock);
        samples.emplace_back(t, now);
        if (now != last) {
            last = now;
            changedAt = t;
        } else if (now > 0 && (t - changedAt) * 1000 >= quietMs) {
            break;
        }
        QThread::usleep(2000);
    }
    if (finalCount)
        *finalCount = last;
    if (last <= 0)
        return -1;
    for (const auto& [t, n] : samples) {
        if (n >= share * last)
            return t;
    }
    return -1;
}

namespace {
// The "Name: n kB" lines of a /proc file, in kB.
std::map<QByteArray, qint64> KbFields(const QString& path) {
    std::map<QByteArray, qint64> fields;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : file.readAll().split('\n')) {
            const int colon = line.indexOf(':');
            if (colon > 0 && line.endsWith(" kB"))
                fields[line.left(colon)] +=
                    line.mid(colon + 1).trimmed().split(' ').first().toLongLong();
        }
    }
    return fields;
}

// The browser engine's helpers say what they are in "--type=..." (and the utility processes in
// "--utility-sub-type=...").
QString RoleOf(qint64 pid) {
    QFile file(QStringLiteral("/proc/%1/cmdline").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QList<QByteArray> arguments = file.readAll().split('\0');
    QString role = arguments.isEmpty() ? QString() : QFileInfo(arguments[0]).fileName();
    for (const QByteArray& argument : arguments) {
        if (argument.startsWith("--type="))
            role = QString::fromLocal8Bit(argument.mid(7));
        else if (argument.startsWith("--utility-sub-type="))
            role += ':' + QString::fromLocal8Bit(argument.mid(19).split('.').last());
    }
    return role;
}
} // namespace

qint64 ProcessPssKb(qint64 pid) {
    const std::map<QByteArray, qint64> fields =
        KbFields(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    const auto pss = fields.find("Pss");
    return pss == fields.end() ? 0 : pss->second;
}

std::vector<ProcessMemory> TreeMemory(qint64 root) {
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
    std::vector<std::pair<qint64, QString>> pending{{root, QString()}}; // with the parent's role
    std::vector<ProcessMemory> tree;
    while (!pending.empty()) {
        const auto [pid, parentRole] = pending.front();
        pending.erase(pending.begin());
        std::map<QByteArray, qint64> fields =
            KbFields(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
        QString role = RoleOf(pid);
        // What a zygote forks keeps its command line: the renderers.
        if (role == "zygote" && parentRole == "zygote")
            role = QStringLiteral("renderer");
        tree.push_back({pid, role, fields["Pss"], fields["Pss_Anon"], fields["Pss_File"],
                        fields["Pss_Shmem"]});
        const auto [from, to] = children.equal_range(pid);
        for (auto it = from; it != to; ++it)
            pending.push_back({it->second, role});
    }
    return tree;
}

qint64 TreePssKb(qint64 root) {
    qint64 total = 0;
    for (const ProcessMemory& process : TreeMemory(root))
        total += process.pssKb;
    return total;
}

qint64 TreeDistinctKb(qint64 root) {
    std::unordered_set<quint64> frames;
    for (const ProcessMemory& process : TreeMemory(root)) {
        QFile maps(QStringLiteral("/proc/%1/maps").arg(process.pid));
        QFile pagemap(QStringLiteral("/proc/%1/pagemap").arg(process.pid));
        if (!maps.open(QIODevice::ReadOnly) || !pagemap.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : maps.readAll().split('\n')) {
            const QList<QByteArray> range = line.left(line.indexOf(' ')).split('-');
            if (range.size() != 2 || line.endsWith("[vsyscall]"))
                continue;
            const quint64 from = range[0].toULongLong(nullptr, 16) / 4096;
            const quint64 to = range[1].toULongLong(nullptr, 16) / 4096;
            if (!pagemap.seek(qint64(from * 8)))
                continue;
            const QByteArray entries = pagemap.read(qint64((to - from) * 8));
            for (qsizetype i = 0; i + 8 <= entries.size(); i += 8) {
                quint64 entry;
                std::memcpy(&entry, entries.constData() + i, 8);
                const quint64 frame = entry & ((quint64(1) << 55) - 1);
                if ((entry >> 63) & 1) {
                    if (frame == 0)
                        return -1; // frame numbers hidden: not root
                    frames.insert(frame);
                }
            }
        }
    }
    return qint64(frames.size()) * 4;
}

std::vector<std::pair<QString, qint64>> LargestMappings(qint64 pid, int count) {
    std::map<QString, qint64> byName;
    QFile smaps(QStringLiteral("/proc/%1/smaps").arg(pid));
    if (!smaps.open(QIODevice::ReadOnly))
        return {};
    QString name;
    for (const QByteArray& line : smaps.readAll().split('\n')) {
        if (line.startsWith("Pss:")) {
            byName[name] += line.mid(4).trimmed().split(' ').first().toLongLong();
        } else if (!line.isEmpty() && !line.left(line.indexOf(' ')).endsWith(':')) {
            // A mapping: "start-end perms offset device inode [name]".
            const QList<QByteArray> fields = line.simplified().split(' ');
            const QString file = fields.size() > 5 ? QString::fromLocal8Bit(fields[5]) : "[anon]";
            name = file.startsWith('/') ? QFileInfo(file).fileName() : file;
        }
    }
    std::vector<std::pair<QString, qint64>> largest(byName.begin(), byName.end());
    std::sort(largest.begin(), largest.end(),
              [](const auto& a, const auto& b) { return a.second > b.second; });
    if (int(largest.size()) > count)
        largest.resize(count);
    return largest;
}

double WaitForLine(QProcess& process, const QElapsedTimer& clock, const QByteArray& marker,
                   int limitMs) {
    process.setReadChannel(QProcess::StandardError);
    QElapsedTimer limit;
    limit.start();
    while (limit.elapsed() < limitMs) {
        while (process.canReadLine()) {
            if (process.readLine().contains(marker))
                return Seconds(clock);
        }
        if (process.state() == QProcess::NotRunning)
            break;
        process.waitForReadyRead(20);
    }
    return -1;
}

void Pause(QProcess& process, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        process.waitForReadyRead(std::max<int>(1, milliseconds - int(clock.elapsed())));
        process.readAllStandardError();
    }
}

Spread SpreadOf(std::vector<double> values) {
    values.erase(std::remove_if(values.begin(), values.end(), [](double v) { return v < 0; }),
                 values.end());
    if (values.empty())
        return {};
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values.front(), values.back()};
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

QString UserData(const QString& home) {
    return home + "/.local/share/Orvandeck/Glimmora/";
}

void MakeFreshHome(const QString& home) {
    QDir(home).removeRecursively();
    QDir().mkpath(UserData(home));
    QFile marker(UserData(home) + "Glimmora.cho");
    if (!marker.open(QIODevice::WriteOnly) || marker.write("3.5") != 3)
        qFatal("cannot prepare %s", qPrintable(home));
}

void StopProgram(QProcess& process, const QString& home) {
    if (!home.isEmpty()) {
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

void CopyPageForBareView(const QString& page, const QString& copy) {
    QFile in(page), out(copy);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot copy the page %s", qPrintable(page));
    static const QRegularExpression server(R"(http://127\.0\.0\.1:\d+/[0-9a-f]{32})");
    out.write(QString::fromUtf8(in.readAll()).replace(server, "file://").toUtf8());
}

void KeepStartPage(const QString& home, const QString& copy) {
    QProcess process;
    process.setProcessEnvironment(HomeEnvironment(home));
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    StartChild(process, QStringLiteral(GLIMMORA_EXE), {});
    if (WaitForLine(process, clock, "glimmora: start page loaded") < 0)
        qFatal("the program did not report its start page");
    // The page goes away when the program quits.
    CopyPageForBareView(UserData(home) + "GlimmoraData/temp.htm", copy);
    Pause(process, 1500); // the placement timer has run; the quit saves the settings
    StopProgram(process, home);
}

void MakePopulatedHome(const QString& home, const QRect& place, int chosenMailDef) {
    MakeFreshHome(home);
    KeepStartPage(home, home + "/first-start.htm");
    QFile settings(UserData(home) + "glimmora.ini");
    if (!settings.open(QIODevice::ReadWrite))
        qFatal("the first run left no settings file");
    QByteArray text = settings.readAll();
    const auto set = [&text](const QByteArray& key, int value) {
        const qsizetype at = text.indexOf(key + '=');
        if (at < 0)
            qFatal("no %s in the settings", key.constData());
        const qsizetype end = text.indexOf('\n', at);
        text.replace(at, (end < 0 ? text.size() : end) - at,
                     key + '=' + QByteArray::number(value) + '\r');
    };
    set("WelcomeScreen", 0);
    if (chosenMailDef >= 0)
        set("chosenMailDef", chosenMailDef);
    set("xpos", place.x());
    set("ypos", place.y());
    set("width", place.width());
    set("height", place.height());
    settings.resize(0);
    settings.seek(0);
    settings.write(text);
}
