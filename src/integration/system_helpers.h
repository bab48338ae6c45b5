#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <stdexcept>

// The program's small operating-system helpers. Folder paths end with '/'; file names are looked
// up without regard to case. Texts of files are byte strings.

// An input/output failure that the helpers pass to their callers.
struct IoError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// $XDG_DATA_HOME (else $HOME/.local/share) + "/Orvandeck/" + word + "/"; without either, the
// program folder + word + "/". With an empty word, the maker's folder. Recomputed at every call.
QString UserDataFolder(const QString& word);

// The user's copy when it exists, else the program folder's, else the user-side path.
QString FindDataFile(const QString& word, const QString& file);

void EnsureUserDataFolder(const QString& word);
void CopyMissingFiles(const QString& word, const QStringList& files);
void RemoveUserDataFolder(const QString& word);

// Removes a folder with everything in it. Never removes "/", the home folder or a mount point and
// never follows a symbolic link: one given as the folder is removed as a link, its target stays.
// Stops at the first failure; reports nothing.
void DeleteFolderTree(const QString& path);

bool FolderExists(const QString& path);

// Names (without folder) of the files in `folder` matching `mask` (case-insensitive wildcards),
// in the order the system lists them; pending events are processed after each file.
QStringList ListFiles(const QString& folder, const QString& mask);

// Every line preceded by one CR, line ends removed; empty when the file is missing.
// Throws IoError when the file exists but cannot be read.
QByteArray ReadTextFile(const QString& path);
// Replaces the file with `text` + CR LF (atomically). Throws IoError on failure.
void WriteTextFile(const QString& path, const QByteArray& text);
// Creates the file with `text` (no line end) only when none exists. Throws IoError on failure.
void WriteTextFileOnce(const QString& path, const QByteArray& text);

// Sum of the sizes of the files matching `pattern` (a path, possibly with wildcards in its last
// component); 0 when nothing matches.
qint32 TotalFileSize(const QString& pattern);

// Largest answer DownloadFile accepts; a larger one is an error and leaves no such file.
constexpr qint64 kDownloadLimit = 1024 * 1024;
// Downloads `url` into `path` (created or replaced), processing events between blocks of at most
// 1024 bytes. Returns true. Throws IoError when the file cannot be written or the answer exceeds
// kDownloadLimit. Server error pages are stored like any content.
bool DownloadFile(const QString& url, const QString& path);

// The XDG autostart file Glimmora.desktop stands in for the autostart entry.
bool IsAutostartOn(const QString& word);
void SetAutostart(const QString& word, const QString& command, bool on);

void OpenDocument(const QString& path); // only when the file exists
void OpenTarget(const QString& target); // file path or URL, no check

// The Windows-family test on given version values; IsNtFamilyWindows() answers for this system.
bool IsNtFamilyVersion(int platformId, int major, int minor);
bool IsNtFamilyWindows();

// Copies source over target, replacing it; every failure is ignored.
void CopyFileSilently(const QString& source, const QString& target);

// The executable's path followed by " /minime": the autostart command.
QString AutostartCommand();

// The first command-line argument, or the empty text.
QString FirstArgument(const QStringList& arguments);
