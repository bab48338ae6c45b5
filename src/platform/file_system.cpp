#include "platform/file_system.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

bool EntryExists(const QString& path) {
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

// The entry of `folder` whose name equals `name` without regard to case; the exact spelling first.
QString MatchEntry(const QString& folder, const QString& name) {
    const QString base = folder.isEmpty() ? QStringLiteral(".") : folder;
    if (EntryExists(base + '/' + name))
        return name;
    QDirIterator it(base, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QString candidate = it.fileName();
        if (candidate.compare(name, Qt::CaseInsensitive) == 0)
            return candidate;
    }
    return QString();
}

// The character at `i` (a surrogate pair is one character); moves `i` past it.
char32_t NextCharacter(const QString& text, qsizetype& i) {
    const QChar c = text[i++];
    if (c.isHighSurrogate() && i < text.size() && text[i].isLowSurrogate())
        return QChar::surrogateToUcs4(c, text[i++]);
    return c.unicode();
}

// Classic wildcard match: '*' any run, '?' one character, letter case ignored. Goes by
// characters, not UTF-16 units, so that '?' also stands for a character such as an emoji.
bool WildcardMatch(const QString& name, const QString& mask) {
    qsizetype n = 0, m = 0, starMask = -1, starName = 0;
    while (n < name.size()) {
        qsizetype nameNext = n, maskNext = m;
        const char32_t c = NextCharacter(name, nameNext);
        const char32_t k = m < mask.size() ? NextCharacter(mask, maskNext) : 0;
        if (m < mask.size() && k == U'*') {
            starMask = m;
            m = maskNext;
            starName = n;
        } else if (m < mask.size() &&
                   (k == U'?' || QChar::toCaseFolded(k) == QChar::toCaseFolded(c))) {
            m = maskNext;
            n = nameNext;
        } else if (starMask >= 0) {
            m = starMask + 1;
            NextCharacter(name, starName);
            n = starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == u'*')
        ++m;
    return m == mask.size();
}

// Mount points listed by the kernel for this process (bind mounts share the device number of
// their source, so a device comparison alone misses them).
QSet<QString> MountPoints() {
    QSet<QString> points;
    QFile f(QStringLiteral("/proc/self/mountinfo"));
    if (!f.open(QIODevice::ReadOnly))
        return points;
    const QList<QByteArray> lines = f.readAll().split('\n');
    for (const QByteArray& line : lines) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 5)
            continue;
        // Blanks and other special characters are written as octal escapes (\040).
        QByteArray raw = fields[4], decoded;
        for (qsizetype i = 0; i < raw.size(); ++i) {
            if (raw[i] == '\\' && i + 3 < raw.size()) {
                bool ok = false;
                const int code = raw.mid(i + 1, 3).toInt(&ok, 8);
                if (ok) {
                    decoded += char(code);
                    i += 3;
                    continue;
                }
            }
            decoded += raw[i];
        }
        points.insert(QFile::decodeName(decoded));
    }
    return points;
}

struct RefusalLog {
    QList<RefusedFile> pending;
    QSet<QString> reported;
};

RefusalLog& Refusals() {
    static RefusalLog log;
    return log;
}

struct TreeGuard {
    dev_t device;
    QSet<QString> mountPoints;
};

void ProcessPendingEvents() {
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

// Empties the open folder `dirFd` (whose path is `path`); false at the first failure.
bool EmptyFolder(int dirFd, const QString& path, const TreeGuard& guard) {
    DIR* dir = ::fdopendir(dirFd);
    if (!dir) {
        ::close(dirFd);
        return false;
    }
    bool ok = true;
    // Reading and removing at once can skip entries; collect the names first.
    QList<QByteArray> names;
    errno = 0;
    while (dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names.append(name);
    }
    if (errno != 0)
        ok = false;
    for (const QByteArray& name : names) {
        if (!ok)
            break;
        ProcessPendingEvents();
        struct stat st;
        if (::fstatat(dirFd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            ok = false;
            break;
        }
        if (S_ISDIR(st.st_mode)) {
            const QString childPath = path + QFile::decodeName(name);
            if (st.st_dev != guard.device || guard.mountPoints.contains(childPath)) {
                ok = false;
                break;
            }
            // A folder the owner cannot read or change is made so, like clearing read-only.
            if ((st.st_mode & S_IRWXU) != S_IRWXU)
                ::fchmodat(dirFd, name.constData(), (st.st_mode & 07777) | S_IRWXU, 0);
            const int childFd =
                ::openat(dirFd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (childFd < 0 || !EmptyFolder(childFd, childPath + '/', guard) ||
                ::unlinkat(dirFd, name.constData(), AT_REMOVEDIR) != 0) {
                ok = false;
                break;
            }
        } else if (::unlinkat(dirFd, name.constData(), 0) != 0) {
            // A symbolic link is removed as a link: its target is never touched.
            ok = false;
            break;
        }
    }
    ::closedir(dir);
    return ok;
}

// The entry that `path` names, with the folders above it resolved and the entry itself not
// followed. "." and ".." are taken by their spelling, as callers check paths: "a/link/.." names
// "a", never the folder above the link's target. "dir/" and "dir/." name the entry "dir"; given
// to the system as they are, both would follow a link "dir". Empty for "/" and for an entry whose
// folder does not exist.
QString PhysicalEntry(const QString& path) {
    if (path.isEmpty())
        return QString();
    const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const qsizetype slash = clean.lastIndexOf('/');
    const QString name = clean.mid(slash + 1);
    if (slash < 0 || name.isEmpty() || name == QLatin1String(".."))
        return QString();
    const QString parent =
        QFileInfo(slash == 0 ? QStringLiteral("/") : clean.left(slash)).canonicalFilePath();
    if (parent.isEmpty())
        return QString();
    return parent == QLatin1String("/") ? parent + name : parent + '/' + name;
}

// True when the resolved path `entry` lies below `folder`, which is resolved here.
bool LiesBelow(const QString& entry, const QString& folder) {
    const QString root = QFileInfo(ResolvePath(folder)).canonicalFilePath();
    return !entry.isEmpty() && !root.isEmpty() && entry.startsWith(root + '/');
}

} // namespace

QString ResolvePath(const QString& path) {
    if (path.isEmpty() || EntryExists(path))
        return path;
    const bool absolute = path.startsWith('/');
    const bool trailingSlash = path.endsWith('/') && path.size() > 1;
    const QStringList parts = path.split('/', Qt::SkipEmptyParts);
    QString resolved = absolute ? QStringLiteral("/") : QString();
    bool matching = true;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QString part = parts[i];
        if (matching && part != "." && part != "..") {
            const QString found = MatchEntry(resolved, part);
            if (found.isEmpty())
                matching = false; // the rest does not exist: keep it as given
            else
                part = found;
        }
        resolved += part;
        if (i + 1 < parts.size())
            resolved += '/';
    }
    if (trailingSlash && !resolved.endsWith('/'))
        resolved += '/';
    return resolved;
}

bool FileExists(const QString& path) {
    return QFileInfo(ResolvePath(path)).isFile();
}

bool FolderExists(const QString& path) {
    return !path.isEmpty() && QFileInfo(ResolvePath(path)).isDir();
}

bool MatchesMask(const QString& name, const QString& mask) {
    if (WildcardMatch(name, mask))
        return true;
    // As in the classic file search, "name.*" also finds a name without any extension.
    if (mask.endsWith(QStringLiteral(".*")) && !name.contains('.'))
        return WildcardMatch(name, mask.left(mask.size() - 2));
    return false;
}

QStringList ListMatching(const QString& folder, const QString& mask, bool withFolders) {
    QStringList names;
    const QString resolved = ResolvePath(folder);
    if (!QFileInfo(resolved).isDir())
        return names;
    QDir::Filters filters = QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot;
    if (withFolders)
        filters |= QDir::Dirs;
    QDirIterator it(resolved, filters);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (MatchesMask(name, mask))
            names.append(name);
    }
    return names;
}

QList<QByteArray> SplitTextLines(const QByteArray& text) {
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

QByteArray WithoutByteOrderMark(const QByteArray& text) {
    return text.startsWith("\xEF\xBB\xBF") ? text.mid(3) : text;
}

std::optional<QByteArray> ReadFileBytes(const QString& path) {
    QFile f(ResolvePath(path));
    if (!QFileInfo(f.fileName()).isFile() || !f.open(QIODevice::ReadOnly))
        return std::nullopt;
    // The size of the open file counts: the name may have been given another file meanwhile.
    if (f.size() > kLargestReadableFile) {
        NoteRefusedFile(f.fileName(), Refusal::TooLarge);
        return std::nullopt;
    }
    QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return std::nullopt;
    return data;
}

bool IsTooLargeToRead(const QString& path) {
    const QFileInfo info(ResolvePath(path));
    return info.isFile() && info.size() > kLargestReadableFile;
}

void NoteRefusedFile(const QString& path, Refusal reason) {
    RefusalLog& log = Refusals();
    if (!log.reported.contains(path) &&
        std::none_of(log.pending.cbegin(), log.pending.cend(),
                     [&](const RefusedFile& f) { return f.path == path; }))
        log.pending.append({path, reason});
}

QList<RefusedFile> TakeNewRefusedFiles() {
    RefusalLog& log = Refusals();
    for (const RefusedFile& file : log.pending)
        log.reported.insert(file.path);
    return std::exchange(log.pending, {});
}

bool CanWriteInFolder(const QString& folder) {
    // A byte that reaches the file shows both a read-only folder and a full disk; the probe
    // removes itself.
    QTemporaryFile probe(ResolvePath(folder) + QStringLiteral("/.write-test-XXXXXX"));
    return probe.open() && probe.write("x", 1) == 1 && probe.flush();
}

bool CommitSaveFile(QSaveFile& file) {
    // Qt keeps written bytes in a buffer of its own, and commit() renames whatever reached the
    // file even when the last flush failed for want of space: everything must be on the disk
    // before the new file may take the old one's place.
    if (file.error() != QFileDevice::NoError || !file.flush() || ::fsync(file.handle()) != 0) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

namespace {

// The mode of a private file: that of the file it replaces without any access of group and others,
// or read and write for the owner alone. (The "User" flags describe the running user's access, not
// the file's mode, and are left out.)
QFile::Permissions PrivateMode(const QString& path) {
    constexpr QFile::Permissions kOwnerOnly =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    if (QFileInfo::exists(path))
        return QFile::permissions(path) & kOwnerOnly;
    return QFile::ReadOwner | QFile::WriteOwner;
}

} // namespace

bool WriteFileAtomic(const QString& path, const QByteArray& data, FileAccess access) {
    QSaveFile f(ResolvePath(path));
    if (!f.open(QIODevice::WriteOnly))
        return false;
    // Closed to others before a byte is written: the file takes the old one's place only so.
    if (access == FileAccess::Private && !f.setPermissions(PrivateMode(f.fileName()))) {
        f.cancelWriting();
        return false;
    }
    if (f.write(data) != data.size()) {
        f.cancelWriting();
        return false;
    }
    return CommitSaveFile(f);
}

bool CopyFileAtomic(const QString& source, const QString& target) {
    QFile in(ResolvePath(source));
    if (!QFileInfo(in.fileName()).isFile() || !in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(ResolvePath(target));
    if (!out.open(QIODevice::WriteOnly))
        return false;
    char block[64 * 1024];
    for (;;) {
        const qint64 n = in.read(block, sizeof block);
        if (n < 0 || (n > 0 && out.write(block, n) != n)) {
            out.cancelWriting();
            return false;
        }
        if (n == 0)
            break;
    }
    return CommitSaveFile(out);
}

bool ReplaceFileUnsynced(const QString& path, const QByteArray& data) {
    const QString target = ResolvePath(path);
    QTemporaryFile temp(target + QStringLiteral(".XXXXXX"));
    if (!temp.open() || temp.write(data) != data.size() || !temp.flush())
        return false;
    temp.setAutoRemove(false);
    const QByteArray from = QFile::encodeName(temp.fileName());
    temp.close();
    if (::rename(from.constData(), QFile::encodeName(target).constData()) != 0) {
        ::unlink(from.constData());
        return false;
    }
    return true;
}

bool IsProtectedFolder(const QString& path) {
    const QString canonical = QFileInfo(ResolvePath(path)).canonicalFilePath();
    if (canonical.isEmpty())
        return false;
    if (canonical == QLatin1String("/"))
        return true;
    // Neither the home folder nor a folder that contains it; the account's home counts too, in
    // case $HOME names another folder.
    QStringList homes = {QDir::homePath()};
    if (const passwd* account = ::getpwuid(::getuid()))
        homes.append(QFile::decodeName(account->pw_dir));
    for (const QString& candidate : homes) {
        const QString home = QFileInfo(candidate).canonicalFilePath();
        if (!home.isEmpty() && (home == canonical || home.startsWith(canonical + '/')))
            return true;
    }
    if (MountPoints().contains(canonical))
        return true;
    struct stat self, parent;
    const QString parentPath = QFileInfo(canonical).absolutePath();
    return ::stat(QFile::encodeName(canonical).constData(), &self) == 0 &&
           ::stat(QFile::encodeName(parentPath).constData(), &parent) == 0 &&
           self.st_dev != parent.st_dev;
}

bool RemoveFolderTree(const QString& path) {
    const QString folder = PhysicalEntry(ResolvePath(path));
    struct stat st;
    // The folder itself must be a real folder, not a link to one.
    if (folder.isEmpty() || ::lstat(QFile::encodeName(folder).constData(), &st) != 0 ||
        !S_ISDIR(st.st_mode) || IsProtectedFolder(folder))
        return false;
    const QByteArray encoded = QFile::encodeName(folder);
    const TreeGuard guard{st.st_dev, MountPoints()};
    if ((st.st_mode & S_IRWXU) != S_IRWXU)
        ::chmod(encoded.constData(), (st.st_mode & 07777) | S_IRWXU);
    const int fd = ::open(encoded.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0 || !EmptyFolder(fd, folder + '/', guard))
        return false;
    return ::rmdir(encoded.constData()) == 0;
}

bool RemoveFolderOrLink(const QString& path, const QString& within) {
    const QString entry = PhysicalEntry(ResolvePath(path));
    if (entry.isEmpty() || (!within.isEmpty() && !LiesBelow(entry, within)))
        return false;
    struct stat st;
    if (::lstat(QFile::encodeName(entry).constData(), &st) != 0)
        return false;
    if (S_ISLNK(st.st_mode))
        return ::unlink(QFile::encodeName(entry).constData()) == 0;
    return RemoveFolderTree(entry);
}

bool LiesInside(const QString& path, const QString& folder) {
    return LiesBelow(QFileInfo(ResolvePath(path)).canonicalFilePath(), folder);
}
