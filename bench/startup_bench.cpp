// Start-up of the program against a bare browser window that loads the same page, in the same run
// on the same X server (tools/bench starts Xvfb and a window manager when no display is set).
//
// Two moments from process start: the main window mapped (seen on the X server) and the start page
// loaded (reported on stderr by both programs; by the program only when GLIMMORA_REPORT_PAGE_LOAD
// is set). The program's one-second placement timer runs after the page was asked for, so it is
// not part of the figures. Starts alternate between the bare window, a fresh home and a populated
// home, so that a change in the machine's load touches all three alike.
//
// Usage: startup_bench [rounds] (at least 7)
#include "desktop_probe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

namespace {

struct Start {
    double mapped = -1;
    double loaded = -1;
};

// Starts `process` and waits for its main window and its `marker` line.
Start Measure(XProbe& x, QProcess& process, const QString& program, const QStringList& arguments,
              const QByteArray& marker) {
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setReadChannel(QProcess::StandardError);
    QElapsedTimer clock;
    clock.start();
    StartChild(process, program, arguments);
    process.waitForStarted(10000);
    Start start;
    while (clock.elapsed() < 60000 && (start.mapped < 0 || start.loaded < 0)) {
        if (start.mapped < 0 && x.MappedWindowOf(process.processId()))
            start.mapped = Seconds(clock);
        while (start.loaded < 0 && process.canReadLine()) {
            if (process.readLine().contains(marker))
                start.loaded = Seconds(clock);
        }
        if (process.state() == QProcess::NotRunning)
            break;
        process.waitForReadyRead(1);
    }
    return start;
}

Start StartProgram(XProbe& x, const QString& home) {
    QProcess process;
    process.setProcessEnvironment(HomeEnvironment(home));
    const Start start =
        Measure(x, process, QStringLiteral(GLIMMORA_EXE), {}, "glimmora: start page loaded");
    StopProgram(process, home);
    return start;
}

Start StartBare(XProbe& x, const QString& page) {
    QProcess process;
    const Start start =
        Measure(x, process, QStringLiteral(BARE_BROWSER_EXE), {page}, "bare: page loaded");
    StopProgram(process, QString());
    return start;
}

void PrintLine(const char* what, const std::vector<double>& program,
               const std::vector<double>& bare) {
    const Spread p = SpreadOf(program), b = SpreadOf(bare);
    std::printf("  %-34s %6.0f ms (%4.0f-%4.0f)  bare %6.0f ms (%4.0f-%4.0f)  ratio %.2f\n", what,
                p.median * 1e3, p.low * 1e3, p.high * 1e3, b.median * 1e3, b.low * 1e3,
                b.high * 1e3, p.median / b.median);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(7, atoi(argv[1])) : 7;
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qFatal("needs an X display (tools/bench starts one)");
    QTemporaryDir scratch(QDir::tempPath() + "/glimmora-startup-XXXXXX");
    StandInTray tray;
    XProbe x;

    // The populated home: what a first run leaves behind. Its start page is the bare window's page.
    const QString populated = scratch.path() + "/populated";
    MakePopulatedHome(populated);
    const QString page = scratch.path() + "/start.htm";
    KeepStartPage(populated, page);

    std::vector<double> bareMapped, bareLoaded, freshMapped, freshLoaded, fullMapped, fullLoaded;
    const QString freshHome = scratch.path() + "/fresh";
    for (int r = 0; r < rounds; ++r) {
        const Start b = StartBare(x, page);
        MakeFreshHome(freshHome);
        const Start f = StartProgram(x, freshHome);
        const Start p = StartProgram(x, populated);
        if (b.loaded < 0 || f.loaded < 0 || p.loaded < 0)
            qFatal("a start-up did not finish");
        bareMapped.push_back(b.mapped);
        bareLoaded.push_back(b.loaded);
        freshMapped.push_back(f.mapped);
        freshLoaded.push_back(f.loaded);
        fullMapped.push_back(p.mapped);
        fullLoaded.push_back(p.loaded);
    }
    std::printf("Start-up (median of %d, lowest-highest):\n", rounds);
    PrintLine("fresh home, main window mapped", freshMapped, bareMapped);
    PrintLine("fresh home, start page loaded", freshLoaded, bareLoaded);
    PrintLine("populated home, main window mapped", fullMapped, bareMapped);
    PrintLine("populated home, start page loaded", fullLoaded, bareLoaded);
    std::printf("  (goal: start page loaded <= 1.3 x the bare window)\n");
    return 0;
}
