#pragma once
// What the desktop benchmarks see of a program from outside it, on the same X server: its
// windows, the pixels on the screen, its memory, its lines on stderr; and what they do to it:
// keys and mouse through XTest, as a user would.
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QRgb>
#include <QString>

#include <functional>
#include <vector>

using XWindowId = unsigned long;

// Owns the system-tray selection of the X screen, so that a program sees a notification area and
// hides into it as it does on a desktop. The docking requests are left unanswered.
class StandInTray {
public:
    StandInTray();
    ~StandInTray();
    StandInTray(const StandInTray&) = delete;
    StandInTray& operator=(const StandInTray&) = delete;

private:
    struct Data;
    Data* d_;
};

// One connection to the X server for looking and acting.
class XProbe {
public:
    XProbe();
    ~XProbe();
    XProbe(const XProbe&) = delete;
    XProbe& operator=(const XProbe&) = delete;

    // The process's main window (its largest top-level window with _NET_WM_PID = `pid`, of at
    // least 150,000 pixels; the first one found stays) when it is mapped, else 0.
    XWindowId MappedWindowOf(qint64 pid);
    bool IsMapped(XWindowId window);
    // The window's inside on the root window.
    QRect Geometry(XWindowId window);
    // What the screen shows in `area` (root coordinates).
    QImage Grab(const QRect& area);
    // Pixels of `area` within `tolerance` of `colour` in every channel.
    int CountColour(const QRect& area, QRgb colour, int tolerance = 24);

    // Presses and releases a key (an X keysym name such as "Down"), with the modifiers held.
    void Key(const char* keysym, const std::vector<const char*>& modifiers = {});
    void Click(const QPoint& at, int button = 1);

private:
    struct Data;
    Data* d_;
};

int CountColour(const QImage& image, QRgb colour, int tolerance = 24);

// Starts a program that ends when the benchmark ends, however it ends.
void StartChild(QProcess& process, const QString& program, const QStringList& arguments);

// Seconds elapsed on `clock`.
double Seconds(const QElapsedTimer& clock);

// Samples `count` as fast as it can until it has not changed for `quietMs` (and is above zero),
// or `limitMs` have passed. Returns the seconds from `clock`'s start at which the count first
// reached `share` of its final value, or -1 when it never rose above zero.
double TimeToSettledShare(const QElapsedTimer& clock, const std::function<int()>& count,
                          int quietMs = 1000, int limitMs = 60000, double share = 0.9,
                          int* finalCount = nullptr);

// PSS in kB of `root` and all its descendants (the browser engine's helper processes).
qint64 TreePssKb(qint64 root);
// The same, each process apart: what it is (the helpers' "--type=") and its PSS in anonymous
// memory (heaps), in mapped files (libraries) and in shared memory.
struct ProcessMemory {
    qint64 pid = 0;
    QString role;
    qint64 pssKb = 0, anonKb = 0, fileKb = 0, shmemKb = 0;
};
std::vector<ProcessMemory> TreeMemory(qint64 root);
// The memory that `root` and its descendants hold, each page counted once however many processes
// map it: their PSS if nothing else on the machine shared their libraries. -1 without the right
// to read page frame numbers (root).
qint64 TreeDistinctKb(qint64 root);
// The `count` mappings of the process (by file name, "[heap]", "[anon]") with the most PSS, in kB.
std::vector<std::pair<QString, qint64>> LargestMappings(qint64 pid, int count);
// PSS in kB of that process alone.
qint64 ProcessPssKb(qint64 pid);

// Seconds from `clock`'s start until `marker` appears on the process's stderr; -1 on a time-out.
double WaitForLine(QProcess& process, const QElapsedTimer& clock, const QByteArray& marker,
                   int limitMs = 60000);
// Waits while reading what the process writes: a full pipe would stop it.
void Pause(QProcess& process, int milliseconds);

// Median, and the smallest and largest value.
struct Spread {
    double median = -1, low = -1, high = -1;
};
Spread SpreadOf(std::vector<double> values);

// ---- the program under measurement ---------------------------------------------------------

// Copies a page that the program wrote for the bare view, with the pictures' file addresses
// instead of the program's picture server: a bare view shows local pictures from their files,
// and the program's server may have ended.
void CopyPageForBareView(const QString& page, const QString& copy);

// The environment of a run in `home`: its own data, configuration and runtime folders, and the
// program's report of its page loads on stderr ("glimmora: start page loaded").
QProcessEnvironment HomeEnvironment(const QString& home);
// A home folder whose only data file is the language choice, so that no window waits for an
// answer.
void MakeFreshHome(const QString& home);
// The user's data folder in `home`.
QString UserData(const QString& home);
// What a first run leaves behind, with the welcome window switched off as a regular user has it,
// the main window at `place`, and the mail program as shipped unless `chosenMailDef` (its place in
// the program's list) says another.
void MakePopulatedHome(const QString& home, const QRect& place = QRect(10, 10, 750, 490),
                       int chosenMailDef = -1);
// Starts the program in `home`, copies its start page to `copy` once loaded, and ends it.
void KeepStartPage(const QString& home, const QString& copy);
// Ends the program as a newly started instance would (its close request), else by signals.
void StopProgram(QProcess& process, const QString& home);
