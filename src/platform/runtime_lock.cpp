#include "platform/runtime_lock.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <atomic>

#include <cerrno>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace {

QByteArray Encoded(const QString& path) {
    return QFile::encodeName(path);
}

// A folder that the runtime files may live in: a real folder (no link), ours, closed to others.
// Anything else another user could have made, or could have put files into, to hold or fake our
// lock and requests.
bool IsPrivateFolder(const struct stat& st) {
    return S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & 0077) == 0;
}

bool IsPrivateFolder(const QString& path) {
    struct stat st;
    return ::lstat(Encoded(path).constData(), &st) == 0 && IsPrivateFolder(st);
}

// Makes the folder when missing; true when it is (now) a private folder.
bool MakePrivateFolder(const QString& path) {
    if (::mkdir(Encoded(path).constData(), 0700) != 0 && errno != EEXIST)
        return false;
    return IsPrivateFolder(path);
}

QString& FallbackParent() {
    static QString folder;
    return folder;
}

QString EntryPath(const QString& name) {
    const QString folder = RuntimeFolder();
    if (folder.isEmpty() || name.isEmpty() || name.contains('/'))
        return QString();
    return folder + name;
}

int OpenEntry(const QString& path) {
    return ::open(Encoded(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
}

// The requests the watcher took, by name, and the text of the latest; read (and cleared) by
// TakeRequests and TakeRequestText.
std::mutex takenLock;
std::map<QString, int> taken;
std::map<QString, QByteArray> takenText;

constexpr qint64 kMaxRequestText = 4096;

// Takes one request of that name: moved out of the way first, so that one arriving meanwhile
// stays for the next look, then read and removed. False when there was none.
bool TakeRequest(const QString& name) {
    const QString path = EntryPath(name);
    if (path.isEmpty())
        return false;
    static std::atomic<int> takes{0};
    const QString taking = path + QStringLiteral(".taken.%1.%2").arg(::getpid()).arg(++takes);
    if (::rename(Encoded(path).constData(), Encoded(taking).constData()) != 0)
        return false;
    QByteArray text;
    const int fd = ::open(Encoded(taking).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd >= 0) {
        text.resize(kMaxRequestText);
        const ssize_t got = ::read(fd, text.data(), size_t(text.size()));
        text.resize(got > 0 ? qsizetype(got) : 0);
        ::close(fd);
    }
    ::unlink(Encoded(taking).constData());
    const std::lock_guard<std::mutex> guard(takenLock);
    ++taken[name];
    if (!text.isEmpty())
        takenText[name] = text;
    return true;
}

} // namespace

void SetRuntimeFallback(const QString& folder) {
    FallbackParent() = folder;
}

QString RuntimeFolder() {
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    while (runtime.size() > 1 && runtime.endsWith('/'))
        runtime.chop(1);
    // The session's folder may be reached through a link; what counts is the folder itself.
    struct stat st;
    if (runtime.startsWith('/') && ::stat(Encoded(runtime).constData(), &st) == 0 &&
        IsPrivateFolder(st))
        return runtime + '/';
    // Once one start had to take the fallback, every later one finds it first: the shared name
    // coming free again must not split the instances between two locks.
    QString fallback = FallbackParent();
    if (!fallback.isEmpty() && !fallback.endsWith('/'))
        fallback += '/';
    if (!fallback.isEmpty())
        fallback += QStringLiteral("runtime");
    if (!fallback.isEmpty() && IsPrivateFolder(fallback))
        return fallback + '/';
    // The temporary folder is shared with everyone: the name may be taken by another user.
    const QString own = QDir::tempPath() + QStringLiteral("/glimmora-%1").arg(::getuid());
    if (MakePrivateFolder(own))
        return own + '/';
    if (!fallback.isEmpty() && QDir().mkpath(FallbackParent()) && MakePrivateFolder(fallback))
        return fallback + '/';
    return QString();
}

RuntimeLock::RuntimeLock(const QString& name) {
    const QString path = EntryPath(name);
    if (path.isEmpty())
        return;
    const int fd = OpenEntry(path);
    if (fd < 0)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        busy_ = errno == EWOULDBLOCK;
        ::close(fd);
        return;
    }
    fd_ = fd;
}

RuntimeLock::~RuntimeLock() {
    release();
}

void RuntimeLock::release() {
    if (fd_ >= 0) {
        ::close(fd_); // closing the only descriptor of the open file drops the lock
        fd_ = -1;
    }
}

bool GlobalAtomAdd(const QString& name) {
    const QString path = EntryPath(name);
    if (path.isEmpty())
        return false;
    const int fd =
        ::open(Encoded(path).constData(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

bool GlobalAtomAddText(const QString& name, const QByteArray& text) {
    const QString path = EntryPath(name);
    if (path.isEmpty() || text.size() > kMaxRequestText)
        return false;
    // Written beside it and renamed into place, so that a watcher never reads half of it.
    const QString writing = path + QStringLiteral(".%1.new").arg(::getpid());
    const int fd = ::open(Encoded(writing).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, text.constData(), size_t(text.size())) == text.size();
    ::close(fd);
    if (!written || ::rename(Encoded(writing).constData(), Encoded(path).constData()) != 0) {
        ::unlink(Encoded(writing).constData());
        return false;
    }
    return true;
}

bool GlobalAtomExists(const QString& name) {
    const QString path = EntryPath(name);
    struct stat st;
    return !path.isEmpty() && ::lstat(Encoded(path).constData(), &st) == 0;
}

bool GlobalAtomDelete(const QString& name) {
    const QString path = EntryPath(name);
    return !path.isEmpty() && ::unlink(Encoded(path).constData()) == 0;
}

StartQueue::StartQueue(const QString& name) {
    const QString path = EntryPath(name);
    if (path.isEmpty())
        return;
    fd_ = OpenEntry(path);
    if (fd_ < 0)
        return;
    int result;
    do
        result = ::flock(fd_, LOCK_SH);
    while (result != 0 && errno == EINTR);
    if (result != 0)
        leave(); // without a queue each start decides alone, as before
}

StartQueue::~StartQueue() {
    leave();
}

bool StartQueue::alone() {
    // Converting to exclusive fails while anyone else holds a shared place.
    return fd_ < 0 || ::flock(fd_, LOCK_EX | LOCK_NB) == 0;
}

void StartQueue::leave() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

QByteArray GlobalAtomIdentity(const QString& name) {
    const QString path = EntryPath(name);
    struct stat st;
    if (path.isEmpty() || ::lstat(Encoded(path).constData(), &st) != 0)
        return QByteArray();
    // A file made anew gets a new change time even where the inode number is reused at once.
    return QByteArray::number(quint64(st.st_dev)) + ':' + QByteArray::number(quint64(st.st_ino)) +
           ':' + QByteArray::number(qint64(st.st_ctim.tv_sec)) + '.' +
           QByteArray::number(qint64(st.st_ctim.tv_nsec));
}

struct RequestWatcher::State {
    QStringList names;
    int stop = -1;
    std::thread thread;

    void run() {
        const QByteArray folder = Encoded(RuntimeFolder());
        const int notify = ::inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
        const bool watching =
            notify >= 0 && !folder.isEmpty() &&
            ::inotify_add_watch(notify, folder.constData(), IN_CREATE | IN_MOVED_TO) >= 0;
        for (;;) {
            // Every request is taken, a later one too: a waiting start must see its own answered.
            for (const QString& name : names)
                TakeRequest(name);
            pollfd fds[2] = {{stop, POLLIN, 0}, {notify, POLLIN, 0}};
            // Without inotify the folder is looked at ten times a second.
            if (::poll(fds, watching ? 2 : 1, watching ? -1 : 100) < 0 && errno != EINTR)
                break;
            if (fds[0].revents != 0)
                break;
            char events[4096];
            while (watching && ::read(notify, events, sizeof events) > 0) {
            }
        }
        if (notify >= 0)
            ::close(notify);
    }
};

RequestWatcher::RequestWatcher(const QStringList& names) : state_(std::make_unique<State>()) {
    state_->names = names;
    state_->stop = ::eventfd(0, EFD_CLOEXEC);
    if (state_->stop >= 0)
        state_->thread = std::thread([state = state_.get()] { state->run(); });
}

RequestWatcher::~RequestWatcher() {
    if (state_->thread.joinable()) {
        const quint64 one = 1;
        [[maybe_unused]] const ssize_t written = ::write(state_->stop, &one, sizeof one);
        state_->thread.join();
    }
    if (state_->stop >= 0)
        ::close(state_->stop);
}

int TakeRequests(const QString& name) {
    TakeRequest(name); // one present now; whoever moves it away has taken it
    const std::lock_guard<std::mutex> guard(takenLock);
    return std::exchange(taken[name], 0);
}

QByteArray TakeRequestText(const QString& name) {
    const std::lock_guard<std::mutex> guard(takenLock);
    return std::exchange(takenText[name], QByteArray());
}

bool TakeCloseRequest(const QString& name) {
    return TakeRequests(name) > 0;
}
