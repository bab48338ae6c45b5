#include "platform/runtime_lock.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray Encoded(const QString& path) {
    return QFile::encodeName(path);
}

// A folder we may keep the lock in: a real folder (no link), owned by us, closed to others.
bool IsPrivateFolder(const QString& path) {
    struct stat st;
    if (::lstat(Encoded(path).constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & 0077) == 0;
}

QString EntryPath(const QString& name) {
    const QString folder = RuntimeFolder();
    if (folder.isEmpty() || name.isEmpty() || name.contains('/'))
        return QString();
    return folder + name;
}

} // namespace

QString RuntimeFolder() {
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    while (runtime.size() > 1 && runtime.endsWith('/'))
        runtime.chop(1);
    struct stat st;
    if (runtime.startsWith('/') && ::stat(Encoded(runtime).constData(), &st) == 0 &&
        S_ISDIR(st.st_mode))
        return runtime + '/';
    // /tmp is shared with everyone: the folder must be ours alone or another user could hold
    // or fake our lock.
    const QString own = QStringLiteral("/tmp/glimmora-%1").arg(::getuid());
    if (::mkdir(Encoded(own).constData(), 0700) != 0 && errno != EEXIST)
        return QString();
    return IsPrivateFolder(own) ? own + '/' : QString();
}

RuntimeLock::RuntimeLock(const QString& name) {
    const QString path = EntryPath(name);
    if (path.isEmpty())
        return;
    const int fd =
        ::open(Encoded(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
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

bool GlobalAtomExists(const QString& name) {
    const QString path = EntryPath(name);
    struct stat st;
    return !path.isEmpty() && ::lstat(Encoded(path).constData(), &st) == 0;
}

bool GlobalAtomDelete(const QString& name) {
    const QString path = EntryPath(name);
    return !path.isEmpty() && ::unlink(Encoded(path).constData()) == 0;
}
