#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

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

// Whole file content, or nullopt when it cannot be read.
std::optional<QByteArray> ReadFileBytes(const QString& path);

// Replaces `path` atomically: writes a temporary file in the same folder, flushes it and renames
// it over the old file. A failure leaves the old file whole. Returns false on failure.
bool WriteFileAtomic(const QString& path, const QByteArray& data);
