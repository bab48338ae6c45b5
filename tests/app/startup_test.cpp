// The entry routine, exercised on the real executable: clean-up run, seeding, and the hand-over
// between instances.
#include "integration/x11_test_env.h"
#include "platform/runtime_lock.h"
#include "support/headless_sway.h"
#include "support/test_env.h"
#include "support/wait.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QString Executable() {
    return BuiltProgramDir() + "glimmora";
}

QProcessEnvironment Environment(const TempHome& home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.home());
    env.insert("XDG_DATA_HOME", home.dataHome());
    env.insert("XDG_CONFIG_HOME", home.configHome());
    env.insert("XDG_RUNTIME_DIR", home.runtimeDir());
    return env;
}

// A data folder in which no first-start window waits for the user.
void PrepareQuietStart(const TempHome& home) {
    WriteFile(home.userData() + "Glimmora.cho", "3.5");
    WriteFile(home.userData() + "glimmora.ini",
              "[Glimmora]\r\nxpos=40\r\nypos=50\r\nwidth=700\r\nheight=480\r\nversion=3.5\r\n"
              "WelcomeScreen=0\r\nchosenMailDef=0\r\n");
}

QString PagePath(const TempHome& home) {
    return home.userData() + "GlimmoraData/temp.htm";
}

QStringList Output(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(5000);
    return QString::fromLocal8Bit(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

// The dialog windows on the screen that belong to the process.
QStringList DialogWindows(const QProcess& process) {
    QStringList dialogs;
    const QString pid = QString::number(process.processId());
    for (const QString& window : Output("xdotool", {"search", "--onlyvisible", "--pid", pid})) {
        if (Output("xprop", {"-id", window, "_NET_WM_WINDOW_TYPE"})
                .join(' ')
                .contains("_NET_WM_WINDOW_TYPE_DIALOG"))
            dialogs << window;
    }
    return dialogs;
}

// Whether a window of the program is mapped and viewable on the current display.
bool ProgramWindowShown() {
    // The tray icon's small window has the class too.
    for (const QString& window :
         Output("xdotool", {"search", "--onlyvisible", "--class", "Glimmora"})) {
        for (const QString& line : Output("xdotool", {"getwindowgeometry", "--shell", window}))
            if (line.startsWith("WIDTH=") && line.mid(6).toInt() > 64)
                return true;
    }
    return false;
}

// How many of the started instances still run.
long Running(const std::vector<std::unique_ptr<QProcess>>& starts) {
    return std::count_if(starts.begin(), starts.end(), [](const auto& p) {
        return p->state() != QProcess::NotRunning && !p->waitForFinished(1);
    });
}

} // namespace

TEST(Startup, DeleteItAllRemovesDataFolderAndAutostartButKeepsMakerFolder) {
    TempHome home;
    WriteFile(home.userData() + "GlimmoraData/owncats/12/a.png", "x");
    WriteFile(home.userData() + "glimmora.ini", "[Glimmora]\r\n");
    WriteFile(home.configHome() + "autostart/Glimmora.desktop",
              "[Desktop Entry]\nType=Application\nName=Glimmora\nExec=/opt/glimmora /minime\n");

    QProcess p;
    p.setProcessEnvironment(Environment(home));
    p.start(Executable(), {"/deleteitall"});
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(home.userData()));
    EXPECT_TRUE(QFileInfo::exists(home.dataHome() + "Orvandeck"));
    EXPECT_FALSE(QFileInfo::exists(home.configHome() + "autostart/Glimmora.desktop"));
}

TEST(Startup, DeleteItAllIsCaseSensitive) {
    TempHome home;
    PrepareQuietStart(home);
    QProcess p;
    p.setProcessEnvironment(Environment(home));
    p.start(Executable(), {"/DELETEITALL"});
    ASSERT_TRUE(p.waitForStarted());
    // A normal run: it seeds the folder and shows its start page instead of deleting anything.
    EXPECT_TRUE(WaitFor([&] { return QFileInfo::exists(PagePath(home)); }, 30000));
    EXPECT_TRUE(QFileInfo::exists(home.userData() + "glimmora.ini"));
    p.kill();
    p.waitForFinished();
}

TEST(Startup, FirstStartCreatesAndSeedsDataFolderWithoutOverwriting) {
    TempHome home;
    PrepareQuietStart(home);
    WriteFile(home.userData() + "glimmora.maildef.ini", "[Glimmora]\r\nmaildef_version=mine\r\n");
    QProcess p;
    p.setProcessEnvironment(Environment(home));
    p.start(Executable(), {"/minime"});
    ASSERT_TRUE(p.waitForStarted());
    ASSERT_TRUE(WaitFor([&] { return QFileInfo::exists(PagePath(home)); }, 30000));
    EXPECT_TRUE(QFileInfo(home.userData() + "GlimmoraData/favorites").isDir());
    EXPECT_TRUE(QFileInfo(home.userData() + "GlimmoraData/owncats").isDir());
    EXPECT_TRUE(QFileInfo::exists(home.userData() + "GlimmoraData/pics.full.def"));
    EXPECT_TRUE(QFileInfo::exists(home.userData() + "Glimmora.def"));
    EXPECT_EQ(ReadFile(home.userData() + "glimmora.maildef.ini"),
              QByteArray("[Glimmora]\r\nmaildef_version=mine\r\n"));
    p.kill();
    p.waitForFinished();
}

TEST(Startup, SecondStartEndsFirstInstanceWhichSavesItsSettingsFirst) {
    TempHome home;
    PrepareQuietStart(home);
    QProcess first;
    first.setProcessEnvironment(Environment(home));
    first.start(Executable(), QStringList());
    ASSERT_TRUE(first.waitForStarted());
    ASSERT_TRUE(WaitFor([&] { return QFileInfo::exists(PagePath(home)); }, 30000));
    QThread::msleep(1500); // the window has been placed

    QProcess second;
    second.setProcessEnvironment(Environment(home));
    QElapsedTimer timer;
    timer.start();
    second.start(Executable(), {"/minime"});
    ASSERT_TRUE(second.waitForStarted());
    ASSERT_TRUE(first.waitForFinished(5000)) << "the first instance did not quit";
    EXPECT_LT(timer.elapsed(), 2500);
    // The first instance saved its window bounds while quitting; the page file went with it.
    QByteArray ini = ReadFile(home.userData() + "glimmora.ini");
    EXPECT_TRUE(ini.contains("xpos=40")) << ini.constData();
    EXPECT_TRUE(ini.contains("width=700")) << ini.constData();

    // The second instance carries on and shows its own start page.
    EXPECT_TRUE(WaitFor([&] { return QFileInfo::exists(PagePath(home)); }, 30000));
    EXPECT_EQ(second.state(), QProcess::Running);
    second.kill();
    second.waitForFinished();
}

TEST(Startup, TwentyRapidStartsLeaveExactlyOneRunningInstance) {
    TempHome home;
    PrepareQuietStart(home);
    std::vector<std::unique_ptr<QProcess>> starts;
    QRandomGenerator random(12); // the same interleaving on every run
    for (int i = 0; i < 20; ++i) {
        starts.push_back(std::make_unique<QProcess>());
        starts.back()->setProcessEnvironment(Environment(home));
        starts.back()->start(Executable(), {"/minime"});
        QThread::msleep(random.bounded(201));
    }
    const auto running = [&] { return Running(starts); };
    EXPECT_TRUE(WaitFor([&] { return running() <= 1; }, 120000)) << running() << " still run";
    QThread::msleep(3000); // nobody else is still on the way up
    EXPECT_EQ(running(), 1);
    RuntimeLock probe;
    EXPECT_TRUE(probe.heldElsewhere()) << "the survivor does not hold the lock";
    for (auto& p : starts) {
        p->kill();
        p->waitForFinished();
    }
}

// With no session folder and the temporary folder's name for ours taken by another user, the guard
// still holds: of three starts one instance runs, its lock in a folder of the user's own.
TEST(Startup, TheGuardHoldsWhenAnotherUserTookTheSharedFolderName) {
    TempHome home;
    PrepareQuietStart(home);
    QTemporaryDir tmp;
    const QByteArray taken =
        QFile::encodeName(tmp.path() + QStringLiteral("/glimmora-%1").arg(::getuid()));
    ASSERT_EQ(::mkdir(taken.constData(), 0700), 0);
    ASSERT_EQ(::chown(taken.constData(), 65534, 65534), 0);
    QProcessEnvironment env = Environment(home);
    env.remove("XDG_RUNTIME_DIR");
    env.insert("TMPDIR", tmp.path());
    std::vector<std::unique_ptr<QProcess>> starts;
    for (int i = 0; i < 3; ++i) {
        starts.push_back(std::make_unique<QProcess>());
        starts.back()->setProcessEnvironment(env);
        starts.back()->start(Executable(), {"/minime"});
        ASSERT_TRUE(starts.back()->waitForStarted());
        QThread::msleep(1500);
    }
    EXPECT_TRUE(WaitFor([&] { return Running(starts) <= 1; }, 60000)) << Running(starts);
    QThread::msleep(3000); // nobody else is still on the way up
    EXPECT_EQ(Running(starts), 1);
    EXPECT_TRUE(QFileInfo::exists(home.userData() + "runtime/GlimmoraMutex"));
    for (auto& p : starts) {
        p->kill();
        p->waitForFinished();
    }
}

TEST(Startup, CloseRequestTakenDuringStartUpEndsTheProcessAndKeepsStoredBounds) {
    TempHome home;
    PrepareQuietStart(home);
    QFile::remove(home.userData() + "Glimmora.cho"); // the language chooser keeps start-up open
    QProcess p;
    p.setProcessEnvironment(Environment(home));
    p.start(Executable(), QStringList());
    ASSERT_TRUE(p.waitForStarted());
    // The translation file is put in place right after the hand-over.
    ASSERT_TRUE(WaitFor([&] { return QFileInfo::exists(home.userData() + "Glimmora.def"); }));
    QThread::msleep(1500);
    ASSERT_TRUE(GlobalAtomAdd("Glimmora_CloseYourself"));
    const bool ended = p.waitForFinished(10000);
    EXPECT_TRUE(ended) << "the instance took the request and kept running";
    EXPECT_FALSE(GlobalAtomExists("Glimmora_CloseYourself"));
    // The window was never placed: the stored bounds stay as they were.
    const QByteArray ini = ReadFile(home.userData() + "glimmora.ini");
    EXPECT_TRUE(ini.contains("xpos=40") && ini.contains("width=700")) << ini.constData();
    if (!ended) {
        p.kill();
        p.waitForFinished();
    }
}

TEST(Startup, ToggleStartsShownThenHidesAndShowsTheRunningInstance) {
    PrivateXServer display; // a window manager of its own: it iconifies the window
    ASSERT_TRUE(display.ok());
    TempHome home;
    PrepareQuietStart(home);
    QProcess first;
    first.setProcessEnvironment(Environment(home));
    first.start(Executable(), {"/toggle"});
    ASSERT_TRUE(first.waitForStarted()) << first.errorString().toStdString();
    // The splash window is gone once the start page is written.
    ASSERT_TRUE(WaitFor([&] { return QFileInfo::exists(PagePath(home)); }, 30000));
    ASSERT_TRUE(WaitFor(ProgramWindowShown, 10000)) << "no instance ran: the start shows it";

    for (const bool shownAfter : {false, true}) {
        QProcess toggle;
        toggle.setProcessEnvironment(Environment(home));
        toggle.start(Executable(), {"/toggle"});
        ASSERT_TRUE(toggle.waitForFinished(5000)) << "the request was not taken";
        EXPECT_EQ(toggle.exitCode(), 0);
        EXPECT_TRUE(WaitFor([&] { return ProgramWindowShown() == shownAfter; }, 5000))
            << "shown after the toggle: " << shownAfter;
    }
    EXPECT_EQ(first.state(), QProcess::Running) << "a toggle never ends the instance";
    first.kill();
    first.waitForFinished();
}

TEST(Startup, UnderWaylandTheStoredPositionStaysAndTheSizeIsKept) {
    HeadlessSway sway;
    ASSERT_TRUE(sway.ok()) << sway.error().toStdString();
    TempHome home;
    PrepareQuietStart(home);
    QProcess p;
    // As in a Wayland session with XWayland (here the test's X server): the program makes itself
    // a Wayland client.
    QProcessEnvironment env = sway.clientEnvironment(Environment(home));
    env.remove("QT_QPA_PLATFORM");
    env.insert("DISPLAY", qEnvironmentVariable("DISPLAY"));
    p.setProcessEnvironment(env);
    p.start(Executable(), QStringList());
    ASSERT_TRUE(p.waitForStarted());
    ASSERT_TRUE(WaitFor([&] { return sway.query("get_tree").contains("\"glimmora\""); }, 30000));
    QThread::msleep(1500); // the window has been placed
    ASSERT_TRUE(GlobalAtomAdd("Glimmora_CloseYourself"));
    ASSERT_TRUE(p.waitForFinished(10000));
    const QByteArray ini = ReadFile(home.userData() + "glimmora.ini");
    EXPECT_TRUE(ini.contains("xpos=40\r\nypos=50")) << ini.constData();
    EXPECT_TRUE(ini.contains("width=700\r\nheight=480")) << ini.constData();
}

TEST(Startup, QuittingWithTheDataFolderFullLeavesTheSettingsFileAsItWas) {
    TempHome home;
    SmallFileSystem disk(home.userData(), "1m");
    // The catalogue folder on a file system of its own: the page file that quitting deletes
    // first frees no room for the settings file.
    SmallFileSystem catalogue(home.userData() + "GlimmoraData", "8m");
    if (!disk.mounted() || !catalogue.mounted())
        GTEST_SKIP() << kNoMountMessage;
    PrepareQuietStart(home);
    const QString settings = home.userData() + "glimmora.ini";
    const QByteArray ini = ReadFile(settings);
    QProcess p;
    p.setProcessEnvironment(Environment(home));
    p.start(Executable(), QStringList());
    ASSERT_TRUE(p.waitForStarted());
    ASSERT_TRUE(WaitFor([&] { return QFileInfo::exists(PagePath(home)); }, 30000));
    QThread::msleep(1500); // the window has been placed
    ASSERT_TRUE(disk.fill());

    GlobalAtomAdd("Glimmora_CloseYourself");
    ASSERT_TRUE(p.waitForFinished(10000)) << "the close request was not taken";
    EXPECT_EQ(ReadFile(settings), ini);
}

namespace {

// Starts the program on a read-only data folder: it says so once, and the start category shows
// its pictures all the same.
void StartAndSayOnce(const TempHome& home) {
    QProcess p;
    p.setProcessEnvironment(Environment(home));
    p.start(Executable(), {"/minime"});
    ASSERT_TRUE(p.waitForStarted());
    QStringList notice;
    ASSERT_TRUE(WaitFor([&] { return !(notice = DialogWindows(p)).isEmpty(); }, 30000));
    EXPECT_EQ(notice.size(), 1);
    Output("xdotool", {"windowfocus", "--sync", notice.first(), "key", "Return"});
    ASSERT_TRUE(WaitFor([&] { return DialogWindows(p).isEmpty(); }, 5000));
    // The start category shows its pictures all the same: its page lies in the runtime folder.
    EXPECT_TRUE(
        WaitFor([&] { return ReadFile(home.runtimeDir() + "Glimmora-temp.htm").contains("<img "); },
                30000));

    // Nothing more is said: no failed save at quitting holds the program up with a message.
    GlobalAtomAdd("Glimmora_CloseYourself");
    EXPECT_TRUE(p.waitForFinished(10000));
}

} // namespace

TEST(Startup, AReadOnlyDataFolderStartsAndSaysSoOnce) {
    // A data folder that was in use (its catalogue is there) and one read-only from the first
    // run, which took no copy of the catalogue.
    for (const bool inUse : {true, false}) {
        SCOPED_TRACE(inUse ? "in use" : "from the first run");
        TempHome home;
        SmallFileSystem disk(home.userData(), "1m");
        if (!disk.mounted())
            GTEST_SKIP() << kNoMountMessage;
        PrepareQuietStart(home);
        if (inUse)
            WriteFile(home.userData() + "GlimmoraData/pics.full.def",
                      ReadFile(BuiltProgramDir() + "GlimmoraData/pics.full.def"));
        ASSERT_TRUE(disk.makeReadOnly());
        StartAndSayOnce(home);
    }
}
