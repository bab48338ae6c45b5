#include "platform/runtime_lock.h"
#include "platform/tick_count.h"

#include "support/test_env.h"
#include "support/wait.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Exit codes of a child process that probes the lock.
constexpr int kHeld = 10, kBusy = 11, kFailed = 12;

int ProbeInChild() {
    const pid_t pid = ::fork();
    if (pid == 0) {
        RuntimeLock lock;
        ::_exit(lock.held() ? kHeld : lock.heldElsewhere() ? kBusy : kFailed);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(RuntimeLock, ExcludesASecondProcessUntilReleased) {
    TempHome env;
    EXPECT_EQ(RuntimeFolder(), env.runtimeDir());
    {
        RuntimeLock lock;
        ASSERT_TRUE(lock.held());
        EXPECT_FALSE(lock.heldElsewhere());
        EXPECT_TRUE(QFileInfo::exists(env.runtimeDir() + "GlimmoraMutex"));
        EXPECT_EQ(ProbeInChild(), kBusy);
        // A second open of the lock file in this process is refused too.
        RuntimeLock second;
        EXPECT_FALSE(second.held());
        EXPECT_TRUE(second.heldElsewhere());
    }
    EXPECT_EQ(ProbeInChild(), kHeld);
    RuntimeLock again;
    EXPECT_TRUE(again.held());
    again.release();
    EXPECT_FALSE(again.held());
    EXPECT_EQ(ProbeInChild(), kHeld);
}

TEST(RuntimeLock, ReleasedWhenTheHolderDies) {
    TempHome env;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        RuntimeLock lock;
        const char c = lock.held() ? 'y' : 'n';
        (void)!::write(ready[1], &c, 1);
        for (;;)
            ::pause();
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    EXPECT_EQ(c, 'y');
    {
        RuntimeLock lock;
        EXPECT_FALSE(lock.held());
        EXPECT_TRUE(lock.heldElsewhere());
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    RuntimeLock lock;
    EXPECT_TRUE(lock.held());
    ::close(ready[0]);
    ::close(ready[1]);
}

// Without a session folder the lock lives in the temporary folder, under a name that another user
// may have taken first (or made open to others, or a link): it then lives in a folder of the
// user's own, every start finds it there, and the guard holds.
TEST(RuntimeLock, ASharedFolderNameTakenByOthersMovesTheLockToThePrivateFallback) {
    TempHome env;
    qunsetenv("XDG_RUNTIME_DIR");
    QTemporaryDir tmp;
    const QByteArray tmpBefore = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(tmp.path()));
    SetRuntimeFallback(env.userData());
    const QString shared = tmp.path() + QStringLiteral("/glimmora-%1").arg(::getuid());
    const QByteArray sharedName = QFile::encodeName(shared);
    const QString fallback = env.userData() + "runtime/";
    const auto mode = [](const QString& path) {
        struct stat st = {};
        ::lstat(QFile::encodeName(path).constData(), &st);
        return st.st_mode & 07777;
    };

    EXPECT_EQ(RuntimeFolder(), shared + '/');
    EXPECT_EQ(mode(shared), 0700u);
    ASSERT_TRUE(QDir(shared).removeRecursively());

    const std::function<void()> takeTheName[] = {
        [&] { // another user's folder
            ::mkdir(sharedName.constData(), 0700);
            ASSERT_EQ(::chown(sharedName.constData(), 65534, 65534), 0);
        },
        [&] { // ours, but anyone may put files into it
            ::mkdir(sharedName.constData(), 0700);
            ::chmod(sharedName.constData(), 0777);
        },
        [&] { // a link, which whoever made it may turn elsewhere
            QDir().mkpath(env.home() + "elsewhere");
            ::chmod(QFile::encodeName(env.home() + "elsewhere").constData(), 0700);
            ASSERT_EQ(::symlink(QFile::encodeName(env.home() + "elsewhere").constData(),
                                sharedName.constData()),
                      0);
        }};
    for (const auto& take : takeTheName) {
        take();
        EXPECT_EQ(RuntimeFolder(), fallback);
        EXPECT_EQ(mode(fallback), 0700u);
        {
            RuntimeLock lock;
            EXPECT_TRUE(lock.held());
            EXPECT_EQ(ProbeInChild(), kBusy);
        }
        // The name coming free again changes nothing: a start now must find the same lock.
        ::unlink(sharedName.constData());
        QDir(shared).removeRecursively();
        EXPECT_EQ(RuntimeFolder(), fallback);
        ASSERT_TRUE(QDir(fallback).removeRecursively());
    }
    SetRuntimeFallback(QString());
    qputenv("TMPDIR", tmpBefore);
    if (tmpBefore.isEmpty())
        qunsetenv("TMPDIR");
}

TEST(GlobalAtom, AddFindDelete) {
    TempHome env;
    const QString atom = QStringLiteral("Glimmora_CloseYourself");
    EXPECT_FALSE(GlobalAtomExists(atom));
    EXPECT_FALSE(GlobalAtomDelete(atom));
    EXPECT_TRUE(GlobalAtomAdd(atom));
    EXPECT_TRUE(GlobalAtomAdd(atom));
    EXPECT_TRUE(GlobalAtomExists(atom));
    EXPECT_TRUE(QFileInfo::exists(env.runtimeDir() + atom));
    EXPECT_TRUE(GlobalAtomDelete(atom));
    EXPECT_FALSE(GlobalAtomExists(atom));
    EXPECT_FALSE(GlobalAtomAdd(QStringLiteral("../escape")));
    EXPECT_FALSE(QFileInfo::exists(env.home() + "escape"));
}

// A launched "/toggle" brings the desktop's activation token to the running instance.
TEST(GlobalAtom, RequestsBringTheirTextWhoeverTakesThem) {
    TempHome env;
    const QString name = QStringLiteral("Glimmora_ShowOrHide");
    {
        RequestWatcher watcher({name});
        for (const QByteArray token : {"first-token", "second-token"}) {
            ASSERT_TRUE(GlobalAtomAddText(name, token));
            ASSERT_TRUE(WaitFor([&] { return !GlobalAtomExists(name); }, 5000));
        }
    }
    EXPECT_EQ(TakeRequests(name), 2);
    EXPECT_EQ(TakeRequestText(name), "second-token");
    EXPECT_EQ(TakeRequestText(name), "");
    // Without a watcher, the one who asks takes it.
    ASSERT_TRUE(GlobalAtomAddText(name, "third-token"));
    EXPECT_EQ(TakeRequests(name), 1);
    EXPECT_EQ(TakeRequestText(name), "third-token");
    EXPECT_TRUE(QDir(env.runtimeDir()).entryList(QDir::Files).filter(name).isEmpty());
}

TEST(TickCount, FollowsTheClockAndCanBeReplaced) {
    const uint32_t start = GetTickCount();
    QThread::msleep(50);
    const uint32_t elapsed = GetTickCount() - start;
    EXPECT_GE(elapsed, 50u);
    EXPECT_LT(elapsed, 5000u);

    uint32_t fake = 0xFFFFFFF0u;
    SetTickSource([&fake] { return fake; });
    const uint32_t before = GetTickCount();
    fake += 0x20; // wraps around
    EXPECT_EQ(GetTickCount(), 0x10u);
    EXPECT_EQ(uint32_t(GetTickCount() - before), 0x20u);
    SetTickSource({});
    EXPECT_GE(uint32_t(GetTickCount() - start), 50u);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
