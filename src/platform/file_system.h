#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QSaveFile;

// File names compare without regard to letter case, as the catalogue and data files expect:
// "glimmora.ini" and "Glimmora.ini" name one file. These helpers resolve such names on a
// case-sensitive file system.

// Returns the existing path whose components equal `path` without regard to case (the exact
// spelling wins when it exists). Components from the first one that does not exist on are kept as
// given, so the result also names where a new file goes.
QString ResolvePath(const QString& path);

bool FileExists(const QString& path);   // a regular file (case-insensitive lookup)
bool FolderExists(const QString& path); // a directory (case-insensitive lookup)

// True when `name` matches the wildcard `mask` ('*' any run, '?' one character), ignoring case.
bool MatchesMask(const QString& name, const QString& mask);

// Removes the folder `path` with everything in it, stopping at the first failure (what was removed
// stays removed). Refuses "/", the home folder and any folder holding it, mount points and a
// symbolic link given as the folder, however the path is spelled ("link/", "link/."); inside the
// tree links are removed, never followed, and a mount point stops the removal. Pending events are
// processed before each entry. True when the folder is gone.
bool RemoveFolderTree(const QString& path);
// Removes what `path` names: a symbolic link as a link (what it points to stays), a folder with
// RemoveFolderTree. With `within` given, only when the entry lies below that folder once the
// folders above the entry and `within` are resolved (links, "..", repeated slashes). True when
// something was removed.
bool RemoveFolderOrLink(const QString& path, const QString& within = QString());
// True when `path`, resolved with every link in it, lies below the resolved `folder`.
bool LiesInside(const QString& path, const QString& folder);
// True for "/", the home folder, a folder that holds the home folder, and mount points.
bool IsProtectedFolder(const QString& path);

// Names (without folder) of the entries of `folder` that match `mask`; files only unless
// `withFolders`. Never "." or "..". Hidden files included. Order as the system lists them.
QStringList ListMatching(const QString& folder, const QString& mask, bool withFolders = false);

// The lines of a text, without their line ends (LF or CR LF); a line end after the last line
// starts no further line.
QList<QByteArray> SplitTextLines(const QByteArray& text);
// The text without a UTF-8 byte-order mark in front.
QByteArray WithoutByteOrderMark(const QByteArray& text);

// Largest file that the program reads whole (16 MiB): no data file of the program comes near it,
// and reading a larger one would only hold the program up.
constexpr qint64 kLargestReadableFile = qint64(16) << 20;

// Whole file content, or nullopt when it cannot be read or is larger than kLargestReadableFile
// (such a file is noted as refused, see TakeNewRefusedFiles).
std::optional<QByteArray> ReadFileBytes(const QString& path);
// True when `path` names a file larger than kLargestReadableFile.
bool IsTooLargeToRead(const QString& path);

// Files that the program refused to read, so that the user can be told once.
enum class Refusal { TooLarge, FolderPathTooLong };
struct RefusedFile {
    QString path;
    Refusal reason;
};
void NoteRefusedFile(const QString& path, Refusal reason);
// The refusals noted since the last call, leaving out any path reported before in this run.
QList<RefusedFile> TakeNewRefusedFiles();

// Who may read a file that the program writes. Shared: a new file gets the usual mode (the
// umask's), a replaced one keeps its mode. Private, for what only this user's program needs
// (settings, tokens): a new file is 0600, and a replaced one loses any access of group and others.
enum class FileAccess { Shared, Private };

// Replaces `path` atomically: writes a temporary file in the same folder, makes it reach the disk
// and renames it over the old file. A failure (a full disk, a read-only folder) leaves the old
// file whole. Returns false on failure.
bool WriteFileAtomic(const QString& path, const QByteArray& data,
                     FileAccess access = FileAccess::Shared);
// Copies `source` over `target` the same way. Returns false on failure.
bool CopyFileAtomic(const QString& source, const QString& target);
// True when a file can be created and written in `folder` (not read-only, not full).
bool CanWriteInFolder(const QString& folder);
// Ends a replacing write through `file`: only when every byte written reached the disk does the
// new file take the old one's place; otherwise the writing is cancelled. Returns false then.
bool CommitSaveFile(QSaveFile& file);
// The same replacement without waiting for the disk: for a file rewritten at every keystroke that
// nobody needs back after a crash. Readers still see the old file or the new one, never a part.
bool ReplaceFileUnsynced(const QString& path, const QByteArray& data);
