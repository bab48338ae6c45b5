#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// File names compare without regard to letter case, as the catalogue and data files expect:
// "glimmora.ini" and "Glimmora.ini" name one file. These helpers resolve such names on a
// case-sensitive file system.

// Returns the existing path whose components equal `path` without regard to case (the exact
// spelling wins when it exists). When nothing matches, returns `path` unchanged.
QString ResolvePath(const QString& path);

bool FileExists(const QString& path);   // a regular file (case-insensitive lookup)
bool FolderExists(const QString& path); // a directory (case-insensitive lookup)

// True when `name` matches the wildcard `mask` ('*' any run, '?' one character), ignoring case.
bool MatchesMask(const QString& name, const QString& mask);

// Names (without folder) of the entries of `folder` that match `mask`; files only unless
// `withFolders`. Never "." or "..". Hidden files included. Order as the system lists them.
QStringList ListMatching(const QString& folder, const QString& mask, bool withFolders = false);

// Whole file content, or nullopt when it cannot be read.
std::optional<QByteArray> ReadFileBytes(const QString& path);

// Replaces `path` atomically: writes a temporary file in the same folder, flushes it and renames
// it over the old file. A failure leaves the old file whole. Returns false on failure.
bool WriteFileAtomic(const QString& path, const QByteArray& data);
