#include "integration/system_helpers.h"

#include "platform/autostart_file.h"
#include "platform/file_system.h"
#include "platform/http_download.h"
#include "platform/process_info.h"
#include "platform/program_folder.h"
#include "platform/shell_open.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <limits>

namespace {

QString WithoutTrailingSlashes(QString path) {
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    return path;
}

// The local application-data folder, or empty when the environment names none.
QString LocalDataHome() {
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (xdg.startsWith('/')) // relative values are invalid and ignored
        return WithoutTrailingSlashes(xdg);
    const QString home = qEnvironmentVariable("HOME");
    if (home.startsWith('/'))
        return WithoutTrailingSlashes(home) + QStringLiteral("/.local/share");
    return QString();
}

void ProcessPendingEvents() {
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

bool HasWildcards(const QString& text) {
    return text.contains('*') || text.contains('?');
}

} // namespace

QString UserDataFolder(const QString& word) {
    const QString data = LocalDataHome();
    const QString base = data.isEmpty() ? ProgramFolder() : data + QStringLiteral("/Orvandeck/");
    return word.isEmpty() ? base : base + word + '/';
}

QString FindDataFile(const QString& word, const QString& file) {
    const QString user = UserDataFolder(word) + file;
    if (FileExists(user))
        return ResolvePath(user);
    const QString shipped = ProgramFolder() + file;
    if (FileExists(shipped))
        return ResolvePath(shipped);
    return ResolvePath(user);
}

void EnsureUserDataFolder(const QString& word) {
    // The local data folder itself is a standard folder that a fresh account may still lack;
    // the maker's folder below it is created with it.
    const QString maker = UserDataFolder(QString());
    if (!FolderExists(maker))
        QDir().mkpath(maker);
    const QString own = UserDataFolder(word);
    if (!FolderExists(own))
        QDir().mkdir(ResolvePath(own));
}

void CopyMissingFiles(const QString& word, const QStringList& files) {
    EnsureUserDataFolder(word);
    for (const QString& entry : files) {
        const QString source = ProgramFolder() + entry;
        const QString target = ResolvePath(UserDataFolder(word) + entry);
        if (!FileExists(source) || QFileInfo::exists(target) || QFileInfo(target).isSymLink())
            continue;
        // QFile::copy never overwrites and only renames a complete copy into place.
        if (QFile::copy(ResolvePath(source), target)) {
            // The user's copy is the user's to change, even when the shipped file is read-only.
            QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
        }
    }
}

void RemoveUserDataFolder(const QString& word) {
    const QString folder = UserDataFolder(word);
    DeleteFolderTree(folder);
    if (FolderExists(folder))
        RemoveFolderTree(folder);
}

void DeleteFolderTree(const QString& path) {
    RemoveFolderOrLink(path);
}

QStringList ListFiles(const QString& folder, const QString& mask) {
    const QStringList names = ListMatching(folder, mask, false);
    for (qsizetype i = 0; i < names.size(); ++i)
        ProcessPendingEvents();
    return names;
}

QByteArray ReadTextFile(const QString& path) {
    const QString resolved = ResolvePath(path);
    if (!QFileInfo(resolved).exists())
        return QByteArray();
    const std::optional<QByteArray> bytes = ReadFileBytes(resolved);
    if (!bytes)
        throw IoError("cannot read " + resolved.toStdString());
    QByteArray text;
    text.reserve(bytes->size() + 1);
    for (const QByteArray& line : SplitTextLines(*bytes)) {
        text += '\r';
        text += line;
    }
    return text;
}

void WriteTextFile(const QString& path, const QByteArray& text) {
    if (!WriteFileAtomic(path, text + "\r\n"))
        throw IoError("cannot write " + path.toStdString());
}

void WriteTextFileOnce(const QString& path, const QByteArray& text) {
    const QString resolved = ResolvePath(path);
    if (QFileInfo::exists(resolved) || QFileInfo(resolved).isSymLink())
        return;
    QFile file(resolved);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw IoError("cannot create " + resolved.toStdString());
    if (file.write(text) != text.size() || !file.flush()) {
        // A cut-off file would never be written again: leave none.
        file.close();
        QFile::remove(resolved);
        throw IoError("cannot write " + resolved.toStdString());
    }
}

qint32 TotalFileSize(const QString& pattern) {
    qint64 total = 0;
    const qsizetype slash = pattern.lastIndexOf('/');
    const QString last = pattern.mid(slash + 1);
    if (!HasWildcards(last)) {
        const QFileInfo info(ResolvePath(pattern));
        total = info.isFile() ? info.size() : 0;
    } else {
        const QString folder = slash >= 0 ? pattern.left(slash + 1) : QString();
        const QString resolved = ResolvePath(folder.isEmpty() ? QStringLiteral("./") : folder);
        for (const QString& name : ListMatching(resolved, last, true)) {
            const QFileInfo info(resolved + '/' + name);
            if (info.isFile())
                total += info.size();
        }
    }
    // Past 2 GiB the count stays at its largest value rather than turning negative.
    return qint32(qMin<qint64>(total, std::numeric_limits<qint32>::max()));
}

bool DownloadFile(const QString& url, const QString& path) {
    switch (HttpDownload(url, path, kDownloadLimit)) {
    case DownloadOutcome::Stored:
    case DownloadOutcome::Incomplete:
        return true;
    case DownloadOutcome::TooLarge:
        throw IoError("the answer from " + url.toStdString() + " is larger than the limit");
    case DownloadOutcome::Refused: // only under DownloadPolicy::SecureAnswerOnly
        throw IoError("the answer from " + url.toStdString() + " was refused");
    case DownloadOutcome::WriteFailed:
        break;
    }
    throw IoError("cannot write " + path.toStdString());
}

bool IsAutostartOn(const QString& word) {
    return ReadAutostartCommand(word).size() > 2;
}

void SetAutostart(const QString& word, const QString& command, bool on) {
    if (on)
        WriteAutostartFile(word, command);
    else
        RemoveAutostartFile(word);
}

void OpenDocument(const QString& path) {
    if (FileExists(path))
        ShellOpen(ResolvePath(path));
}

void OpenTarget(const QString& target) {
    ShellOpen(target);
}

bool IsNtFamilyVersion(int platformId, int major, int minor) {
    constexpr int kWin32Windows = 1; // the 95, 98 and ME line
    return !(platformId == kWin32Windows && major < 5 && minor < 91);
}

bool IsNtFamilyWindows() {
    constexpr int kWin32Nt = 2;
    return IsNtFamilyVersion(kWin32Nt, 10, 0);
}

void CopyFileSilently(const QString& source, const QString& target) {
    // The old target stays whole until the complete copy is on the disk and replaces it.
    CopyFileAtomic(source, target);
}

QString AutostartCommand() {
    // The clean-up run asks for it before any application object exists.
    const QString executable = QCoreApplication::instance()
                                   ? QCoreApplication::applicationFilePath()
                                   : RunningExecutable();
    return ExecArgument(executable) + QStringLiteral(" /minime");
}

QString FirstArgument(const QStringList& arguments) {
    return arguments.size() > 1 ? arguments.at(1) : QString();
}
