// The picture page as the user feels it, against a bare browser view that shows the very same page
// file, on the same X server in the same run (tools/bench starts Xvfb and a window manager when no
// display is set). Everything is seen from outside the program, on the screen and in /proc: no
// script runs in its page.
//
//  - Category switch: from the key press in the category tree to the first screen of pictures
//    painted (90 % of the picture pixels that the view shows once it has settled), for own
//    categories of 50, 1,000 and 10,000 pictures; the bare view is told to load the page file that
//    the program wrote for that category. Also the answer to the mouse wheel while the 10,000
//    pictures load.
//  - Hot key: from Ctrl+Alt+S to the window mapped and to the page painted (the pictures on the
//    screen, be it the page or the picture of its last frame), after 10 s and 60 s hidden; the bare
//    view is hidden and shown.
//  - Memory (PSS of the process and its helpers) shown, and hidden a minute after hiding, right
//    after start and after a session of use: 200 switches with two visits to the 10,000
//    pictures, and 50 insertions into a stand-in mail window. The bare view loads the same pages
//    in the same order. Each runs alone, so that the libraries they share count in full; as other
//    programs on the machine may map the same libraries, each page the processes hold is also
//    counted once however many processes map it ("alone").
//
// Usage: page_bench [rounds [phase...]]; phases: memory switch hotkey session (all by default).
#include "desktop_probe.h"
#include "integration/mail_defs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QThread>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>

namespace {

const QRgb kPicture = qRgb(255, 0, 255); // the measured categories
const QRgb kNeutral = qRgb(0, 160, 0);   // the page shown before each switch
constexpr int kLongHiddenSeconds = 60;

// The own categories at the bottom of the tree, from the top: End selects the last one, each Up
// the next one above.
struct OwnCategory {
    const char* number;
    const char* name;
    int pictures;
    QRgb colour;
};
const OwnCategory kCategories[] = {
    {"9000001", "Bench 10000", 10000, kPicture}, {"9000002", "Bench neutral C", 1, kNeutral},
    {"9000003", "Bench 1000", 1000, kPicture},   {"9000004", "Bench neutral B", 1, kNeutral},
    {"9000005", "Bench 50", 50, kPicture},       {"9000006", "Bench neutral A", 1, kNeutral},
};

void WritePictures(const QString& folder, int count, QRgb colour) {
    QDir().mkpath(folder);
    QImage picture(48, 48, QImage::Format_RGB32);
    picture.fill(colour);
    QByteArray png;
    {
        QImage copy = picture;
        QFile probe(folder + "00000.png");
        if (!copy.save(&probe, "PNG"))
            qFatal("cannot write pictures into %s", qPrintable(folder));
    }
    QFile first(folder + "00000.png");
    first.open(QIODevice::ReadOnly);
    png = first.readAll();
    for (int i = 1; i < count; ++i) {
        QFile file(folder + QStringLiteral("%1.png").arg(i, 5, 10, QLatin1Char('0')));
        if (!file.open(QIODevice::WriteOnly) || file.write(png) != png.size())
            qFatal("cannot write pictures into %s", qPrintable(folder));
    }
}

void AddOwnCategories(const QString& home) {
    const QString user = UserData(home) + "GlimmoraData/";
    QByteArray list;
    for (const OwnCategory& c : kCategories) {
        list += QByteArray(c.number) + ':' + c.name + "\r\n";
        WritePictures(user + "owncats/" + c.number + '/', c.pictures, c.colour);
    }
    QFile file(user + "owncats.dat");
    if (!file.open(QIODevice::WriteOnly) || file.write(list) != list.size())
        qFatal("cannot write the own categories");
}

// The place of LibreOffice Writer in the program's list of mail programs, which the insertion in
// the session targets: a program that takes pictures, so that every click pastes.
int WriterMailDef() {
    LoadMailDefs(QFileInfo(QStringLiteral(GLIMMORA_EXE)).absolutePath() + "/glimmora.maildef.ini");
    const MailDefListType& list = MailDefList();
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i]->Name == "LibreOffice Writer" && list[i]->TakesPictures)
            return int(i);
    }
    qFatal("no LibreOffice Writer among the mail programs");
}

// A window of LibreOffice Writer, as the insertion looks for it; it counts the Ctrl+V that it
// receives.
class StandInMailWindow {
public:
    StandInMailWindow() {
        display_ = XOpenDisplay(nullptr);
        window_ = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 800, 560, 400, 300, 0,
                                      0, 0xFFFFFF);
        XClassHint hint{const_cast<char*>("libreoffice"), const_cast<char*>("libreoffice-writer")};
        XSetClassHint(display_, window_, &hint);
        XStoreName(display_, window_, "Untitled 1 - LibreOffice Writer");
        XSelectInput(display_, window_, KeyPressMask);
        XMapWindow(display_, window_);
        XSync(display_, False);
    }
    ~StandInMailWindow() {
        XDestroyWindow(display_, window_);
        XCloseDisplay(display_);
    }
    int Pastes() {
        while (XPending(display_)) {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type == KeyPress && XLookupKeysym(&event.xkey, 0) == XStringToKeysym("v") &&
                (event.xkey.state & ControlMask))
                ++pastes_;
        }
        return pastes_;
    }

private:
    Display* display_ = nullptr;
    Window window_ = 0;
    int pastes_ = 0;
};

struct Memory {
    qint64 shownKb = 0, hiddenKb = 0, mainHiddenKb = 0, hiddenAloneKb = 0;
    // Hidden: each process, and what the main process maps most.
    std::vector<ProcessMemory> hiddenTree;
    std::vector<std::pair<QString, qint64>> mainMappings;
};

// The program, seen from outside.
class Program {
public:
    Program(XProbe& x, const QString& home) : x_(x), home_(home) {}
    ~Program() { Stop(); }

    void Start() {
        process_.setProcessEnvironment(HomeEnvironment(home_));
        process_.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer clock;
        clock.start();
        StartChild(process_, QStringLiteral(GLIMMORA_EXE), {});
        if (WaitForLine(process_, clock, "glimmora: start page loaded") < 0)
            qFatal("the program did not load its start page");
        // The placement timer moves the window into view after a second.
        QElapsedTimer wait;
        wait.start();
        QRect last;
        int steady = 0;
        while (wait.elapsed() < 20000 && steady < 10) {
            Pause(process_, 100);
            window_ = x_.MappedWindowOf(process_.processId());
            const QRect now = window_ ? x_.Geometry(window_) : QRect();
            steady = now == last && now.intersects(QRect(0, 0, 1280, 1024)) ? steady + 1 : 0;
            last = now;
        }
        if (!window_)
            qFatal("the main window did not appear");
        Pause(process_, 2000);
    }
    void Stop() {
        if (process_.state() != QProcess::NotRunning)
            StopProgram(process_, home_);
    }
    qint64 Pid() const { return process_.processId(); }
    bool Shown() { return x_.IsMapped(window_); }
    QRect Window() { return x_.Geometry(window_); }
    // The picture browser: right of the 241-pixel pane, below the 62-pixel tool bar.
    QRect Browser() { return Window().adjusted(241, 62, 0, 0); }
    QString Page() const { return UserData(home_) + "GlimmoraData/temp.htm"; }
    void Idle(int milliseconds) {
        process_.readAllStandardError();
        Pause(process_, milliseconds);
    }

    // The tree: below the tool bar, the 30-pixel search band and the tree's 34-pixel header.
    void FocusTree() {
        x_.Click(Window().topLeft() + QPoint(60, 62 + 30 + 34 + 8));
        Idle(1500);
    }
    void HotKey() { x_.Key("s", {"Control_L", "Alt_L"}); }

private:
    XProbe& x_;
    QString home_;
    QProcess process_;
    XWindowId window_ = 0;
};

// The bare browser view, told what to do on its stdin.
class Bare {
public:
    Bare(XProbe& x, const QString& page, const QRect& place) : x_(x) {
        process_.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer clock;
        clock.start();
        StartChild(process_, QStringLiteral(BARE_BROWSER_EXE),
                   {page, QString::number(place.width()), QString::number(place.height()),
                    QString::number(place.x()), QString::number(place.y())});
        if (WaitForLine(process_, clock, "bare: page loaded") < 0)
            qFatal("the bare browser did not load its page");
        QElapsedTimer wait;
        wait.start();
        while (!(window_ = x_.MappedWindowOf(process_.processId())) && wait.elapsed() < 10000)
            Pause(process_, 50);
        if (!window_)
            qFatal("the bare browser's window did not appear");
        Pause(process_, 2000);
    }
    ~Bare() {
        process_.closeWriteChannel();
        StopProgram(process_, QString());
    }
    void Command(const QString& command) {
        process_.write(command.toLocal8Bit() + '\n');
        process_.waitForBytesWritten(1000);
    }
    qint64 Pid() const { return process_.processId(); }
    bool Shown() { return x_.IsMapped(window_); }
    QRect Browser() {
        return qEnvironmentVariableIsSet("BARE_CHILD")
                   ? x_.Geometry(window_).adjusted(241, 62, 0, 0)
                   : x_.Geometry(window_);
    }
    void Idle(int milliseconds) {
        process_.readAllStandardError();
        Pause(process_, milliseconds);
    }

private:
    XProbe& x_;
    QProcess process_;
    XWindowId window_ = 0;
};

// Waits until `area` shows the neutral page (its one picture, none of the measured ones).
template <typename Side> bool WaitNeutral(XProbe& x, Side& side) {
    QElapsedTimer wait;
    wait.start();
    while (wait.elapsed() < 90000) {
        const QImage screen = x.Grab(side.Browser());
        if (CountColour(screen, kPicture) == 0 && CountColour(screen, kNeutral) > 0)
            return true;
        side.Idle(20);
    }
    return false;
}

// Seconds from `clock`'s start until the measured pictures are painted in the side's browser.
template <typename Side> double TimeToPainted(XProbe& x, Side& side, const QElapsedTimer& clock) {
    const QRect area = side.Browser();
    return TimeToSettledShare(clock, [&] {
        side.Idle(0);
        return x.CountColour(area, kPicture);
    });
}

template <typename Side> void WaitPainted(XProbe& x, Side& side) {
    QElapsedTimer clock;
    clock.start();
    TimeToPainted(x, side, clock);
}

// The point 20 pixels into the first measured picture, from the top left.
QPoint FirstPicture(const QImage& screen) {
    for (int y = 0; y < screen.height(); ++y) {
        for (int x = 0; x < screen.width(); ++x) {
            if (CountColour(screen.copy(x, y, 1, 1), kPicture, 24) == 1)
                return QPoint(x + 20, y + 20);
        }
    }
    return QPoint(-1, -1);
}

// Milliseconds from a turn of the mouse wheel over the page to the first changed frame; the
// median of a few turns.
template <typename Side> double WheelAnswer(XProbe& x, Side& side) {
    const QRect area = side.Browser();
    std::vector<double> answers;
    for (int turn = 0; turn < 5; ++turn) {
        const QImage before = x.Grab(area);
        QElapsedTimer clock;
        clock.start();
        x.Click(area.center(), 5);
        double answer = -1;
        while (clock.elapsed() < 10000) {
            side.Idle(0);
            if (x.Grab(area) != before) {
                answer = Seconds(clock) * 1e3;
                break;
            }
            QThread::usleep(2000);
        }
        answers.push_back(answer);
        side.Idle(300);
    }
    return SpreadOf(answers).median;
}

struct Timing {
    std::vector<double> program, bare;
};

void PrintRatio(const char* what, const Timing& t, const char* goal) {
    const Spread p = SpreadOf(t.program), b = SpreadOf(t.bare);
    std::printf("  %-40s %7.0f ms (%4.0f-%5.0f)  bare %6.0f ms (%4.0f-%5.0f)  ratio %5.2f  %s\n",
                what, p.median * 1e3, p.low * 1e3, p.high * 1e3, b.median * 1e3, b.low * 1e3,
                b.high * 1e3, b.median > 0 ? p.median / b.median : -1.0, goal);
}

double Mb(qint64 kb) {
    return double(kb) / 1024.0;
}

template <typename Side> void WaitHidden(Side& side) {
    QElapsedTimer wait;
    wait.start();
    while (side.Shown() && wait.elapsed() < 5000)
        side.Idle(10);
    if (side.Shown())
        qFatal("the window did not hide (does another program hold Ctrl+Alt+S?)");
}

// Hides with `hide`, waits `hiddenMs`, shows with `show`: seconds to mapped and to painted.
template <typename Side>
std::pair<double, double> HideAndShow(XProbe& x, Side& side, const std::function<void()>& hide,
                                      const std::function<void()>& show, int hiddenMs) {
    hide();
    WaitHidden(side);
    side.Idle(hiddenMs);
    QElapsedTimer clock;
    clock.start();
    show();
    double mapped = -1;
    while (clock.elapsed() < 10000) {
        if (side.Shown()) {
            mapped = Seconds(clock);
            break;
        }
        side.Idle(0);
        QThread::usleep(500);
    }
    const double painted = TimeToPainted(x, side, clock);
    return {mapped, painted};
}

// Shown after three seconds, hidden a minute after hiding: the program gives memory back over
// that minute.
template <typename Side> Memory MeasureMemory(Side& side, const std::function<void()>& hide) {
    Memory m;
    side.Idle(3000);
    m.shownKb = TreePssKb(side.Pid());
    hide();
    WaitHidden(side);
    side.Idle(65000);
    m.hiddenTree = TreeMemory(side.Pid());
    for (const ProcessMemory& process : m.hiddenTree)
        m.hiddenKb += process.pssKb;
    m.mainHiddenKb = m.hiddenTree.front().pssKb;
    m.mainMappings = LargestMappings(side.Pid(), 8);
    m.hiddenAloneKb = TreeDistinctKb(side.Pid());
    return m;
}

// The pages that the program wrote, for the bare view.
struct Pages {
    QString folder;
    QString Path(const QString& name) const { return folder + name + ".htm"; }
    void Keep(const QString& written, const QString& name) const {
        CopyPageForBareView(written, Path(name));
    }
};

const QRect kBarePlace(10, 540, 509, 428); // below the main window, as big as its browser

void MemoryRightAfterStart(XProbe& x, const QString& home, const Pages& pages, Memory& program,
                           Memory& bare) {
    // Each alone: shared libraries count in full.
    {
        Program p(x, home);
        p.Start();
        pages.Keep(p.Page(), "start");
        program = MeasureMemory(p, [&] { p.HotKey(); });
    }
    Bare b(x, pages.Path("start"), kBarePlace);
    bare = MeasureMemory(b, [&] { b.Command("hide"); });
}

void Switches(XProbe& x, Program& program, Bare& bare, const Pages& pages, int rounds) {
    const int sizes[] = {50, 1000, 10000};
    Timing switches[3];
    std::vector<double> wheelProgram, wheelBare;
    program.FocusTree();
    for (int r = 0; r < rounds; ++r) {
        x.Key("End");
        if (!WaitNeutral(x, program))
            qFatal("the program did not show the neutral page");
        pages.Keep(program.Page(), "neutral");
        for (int s = 0; s < 3; ++s) {
            const QString name = QStringLiteral("page%1").arg(sizes[s]);
            // The program: one key up to the category.
            QElapsedTimer clock;
            clock.start();
            x.Key("Up");
            switches[s].program.push_back(TimeToPainted(x, program, clock));
            if (sizes[s] == 10000)
                wheelProgram.push_back(WheelAnswer(x, program));
            pages.Keep(program.Page(), name);
            // The bare view: the same page file.
            bare.Command("load " + pages.Path("neutral"));
            if (!WaitNeutral(x, bare))
                qFatal("the bare view did not show the neutral page");
            clock.restart();
            bare.Command("load " + pages.Path(name));
            switches[s].bare.push_back(TimeToPainted(x, bare, clock));
            if (sizes[s] == 10000)
                wheelBare.push_back(WheelAnswer(x, bare));
            // On to the neutral category above.
            if (s < 2) {
                x.Key("Up");
                if (!WaitNeutral(x, program))
                    qFatal("the program did not show the neutral page");
            }
        }
    }
    std::printf("Category switch to the first screen painted (median of %d, lowest-highest):\n",
                rounds);
    PrintRatio("50 pictures", switches[0], "(goal <= 100 ms)");
    PrintRatio("1,000 pictures", switches[1], "(goal <= 150 ms)");
    PrintRatio("10,000 pictures", switches[2], "(goal <= 200 ms)");
    std::printf("  mouse wheel to a new frame while 10,000 pictures load: %.0f ms, bare %.0f ms\n",
                SpreadOf(wheelProgram).median, SpreadOf(wheelBare).median);
    std::fflush(stdout);
}

void HotKey(XProbe& x, Program& program, Bare& bare, const Pages& pages, int rounds) {
    // On the page of 50 pictures.
    program.FocusTree();
    x.Key("End");
    WaitNeutral(x, program);
    x.Key("Up");
    WaitPainted(x, program);
    pages.Keep(program.Page(), "page50");
    bare.Command("load " + pages.Path("page50"));
    WaitPainted(x, bare);
    Timing mappedShort, paintedShort, mappedLong, paintedLong;
    const auto hotKey = [&] { program.HotKey(); };
    const auto hide = [&] { bare.Command("hide"); };
    const auto show = [&] { bare.Command("show"); };
    const auto measure = [&](Timing& mapped, Timing& painted, int hiddenMs) {
        auto [m, p] = HideAndShow(x, program, hotKey, hotKey, hiddenMs);
        mapped.program.push_back(m);
        painted.program.push_back(p);
        std::tie(m, p) = HideAndShow(x, bare, hide, show, hiddenMs);
        mapped.bare.push_back(m);
        painted.bare.push_back(p);
    };
    for (int r = 0; r < rounds; ++r)
        measure(mappedShort, paintedShort, 10000);
    for (int r = 0; r < std::min(rounds, 3); ++r)
        measure(mappedLong, paintedLong, kLongHiddenSeconds * 1000);
    std::printf("Hot key to the window (median of %d; the bare view is hidden and shown):\n",
                rounds);
    PrintRatio("mapped, hidden 10 s", mappedShort, "(keep)");
    PrintRatio("page painted, hidden 10 s", paintedShort, "(goal <= 80 ms)");
    PrintRatio("mapped, hidden 60 s", mappedLong, "");
    PrintRatio("page painted, hidden 60 s", paintedLong, "(goal <= 80 ms)");
    std::fflush(stdout);
}

// 200 switches with two visits to the 10,000 pictures, then 50 insertions; the pages written on
// the way are kept for the bare view.
Memory ProgramSession(XProbe& x, Program& program, const Pages& pages,
                      std::vector<QString>& sessionPages) {
    StandInMailWindow mail; // before the tree takes the focus: a new window gets it
    program.FocusTree();
    const auto switchTo = [&](const char* key) {
        x.Key(key);
        program.Idle(250);
        if (x.CountColour(program.Browser(), kPicture) > 0)
            WaitPainted(x, program);
        const QString name = QStringLiteral("session%1").arg(sessionPages.size());
        pages.Keep(program.Page(), name);
        sessionPages.push_back(pages.Path(name));
    };
    int done = 0;
    for (int visit = 0; visit < 2; ++visit) {
        switchTo("End");
        for (int i = 0; i < 5; ++i)
            switchTo("Up"); // the 10,000 pictures
        switchTo("Up");
        switchTo("Up");
        done += 8;
        // Back and forth between two catalogue categories above.
        while (done < 100 * (visit + 1)) {
            switchTo(done % 2 ? "Down" : "Up");
            ++done;
        }
    }
    x.Key("End");
    WaitNeutral(x, program);
    x.Key("Up"); // 50 pictures
    WaitPainted(x, program);
    int arrived = 0;
    for (int i = 0; i < 50; ++i) {
        const QPoint first = FirstPicture(x.Grab(program.Browser()));
        if (first.x() < 0) {
            std::fprintf(stderr, "no picture to click\n");
            break;
        }
        const int before = mail.Pastes();
        x.Click(program.Browser().topLeft() + first);
        QElapsedTimer wait;
        wait.start();
        while (mail.Pastes() == before && wait.elapsed() < 8000)
            program.Idle(20);
        arrived += mail.Pastes() > before ? 1 : 0;
    }
    std::printf("  session: %zu switches, %d of 50 insertions arrived\n", sessionPages.size(),
                arrived);
    if (!program.Shown())
        program.HotKey();
    return MeasureMemory(program, [&] { program.HotKey(); });
}

Memory BareSession(XProbe& x, Bare& bare, const std::vector<QString>& sessionPages) {
    for (const QString& page : sessionPages) {
        bare.Command("load " + page);
        bare.Idle(250);
        if (x.CountColour(bare.Browser(), kPicture) > 0)
            WaitPainted(x, bare);
    }
    bare.Command("show");
    return MeasureMemory(bare, [&] { bare.Command("hide"); });
}

void PrintMemory(const Memory& programStart, const Memory& bareStart, const Memory& programUsed,
                 const Memory& bareUsed) {
    std::printf("Memory, PSS of all processes (hidden: main process alone in brackets; alone: each"
                " page once, as if nothing else mapped the libraries):\n");
    const auto line = [](const char* what, const Memory& p, const Memory& b) {
        if (p.shownKb == 0)
            return;
        std::printf("  %-18s shown %6.1f MB (bare %6.1f)  hidden %6.1f MB [%6.1f] (bare %6.1f);"
                    " hidden alone %6.1f MB (bare %6.1f)\n",
                    what, Mb(p.shownKb), Mb(b.shownKb), Mb(p.hiddenKb), Mb(p.mainHiddenKb),
                    Mb(b.hiddenKb), Mb(p.hiddenAloneKb), Mb(b.hiddenAloneKb));
    };
    line("right after start", programStart, bareStart);
    line("after the session", programUsed, bareUsed);
    // Where the hidden memory lives: anonymous memory is the heaps, file the libraries.
    const auto breakdown = [](const char* what, const Memory& m) {
        if (m.hiddenTree.empty())
            return;
        std::printf("  %s, hidden, by process (PSS MB: all = anonymous + files + shared):\n", what);
        for (const ProcessMemory& p : m.hiddenTree)
            std::printf("    %-24s %6.1f = %6.1f + %6.1f + %5.1f\n", qPrintable(p.role),
                        Mb(p.pssKb), Mb(p.anonKb), Mb(p.fileKb), Mb(p.shmemKb));
        std::printf("    main process, largest:");
        for (const auto& [name, kb] : m.mainMappings)
            std::printf(" %s %.1f;", qPrintable(name), Mb(kb));
        std::printf("\n");
    };
    breakdown("program right after start", programStart);
    breakdown("bare view right after start", bareStart);
    breakdown("program after the session", programUsed);
    if (programStart.hiddenKb > 0)
        std::printf("  hidden right after start %.1f MB, alone %.1f MB (goal <= 100 MB)\n",
                    Mb(programStart.hiddenKb), Mb(programStart.hiddenAloneKb));
    if (programStart.hiddenKb > 0 && programUsed.hiddenKb > 0)
        std::printf(
            "  hidden after the session / right after start: %.2f, alone %.2f (goal <= 1.2)\n",
            double(programUsed.hiddenKb) / double(programStart.hiddenKb),
            double(programUsed.hiddenAloneKb) / double(programStart.hiddenAloneKb));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    QStringList phases;
    for (int i = 2; i < argc; ++i)
        phases << QString::fromLocal8Bit(argv[i]);
    const auto wanted = [&](const char* phase) {
        return phases.isEmpty() || phases.contains(QLatin1String(phase));
    };
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qFatal("needs an X display (tools/bench starts one)");
    QTemporaryDir scratch(QDir::tempPath() + "/glimmora-page-XXXXXX");
    StandInTray tray;
    XProbe x;

    const QString home = scratch.path() + "/home";
    MakePopulatedHome(home, QRect(10, 10, 750, 490), WriterMailDef());
    AddOwnCategories(home);
    Pages pages{scratch.path() + "/pages/"};
    QDir().mkpath(pages.folder);

    Memory programStart, bareStart, programUsed, bareUsed;
    if (wanted("memory"))
        MemoryRightAfterStart(x, home, pages, programStart, bareStart);
    else
        KeepStartPage(home, pages.Path("start"));

    if (wanted("switch") || wanted("hotkey")) {
        Program program(x, home);
        program.Start();
        Bare bare(x, pages.Path("start"), kBarePlace);
        if (program.Window().intersects(bare.Browser()))
            qFatal("the two windows overlap");
        if (wanted("switch"))
            Switches(x, program, bare, pages, rounds);
        if (wanted("hotkey"))
            HotKey(x, program, bare, pages, rounds);
    }
    if (wanted("session")) {
        // Each alone, as for the memory right after start.
        std::vector<QString> sessionPages;
        {
            Program program(x, home);
            program.Start();
            programUsed = ProgramSession(x, program, pages, sessionPages);
        }
        Bare bare(x, pages.Path("start"), kBarePlace);
        bareUsed = BareSession(x, bare, sessionPages);
    }
    PrintMemory(programStart, bareStart, programUsed, bareUsed);
    return 0;
}
