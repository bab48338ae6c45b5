#pragma once
#include <QString>
#include <QStringList>

// The pictures inserted last, newest first, kept in a plain text file in the user's catalogue
// folder: one full path per line (UTF-8, CR LF).

constexpr int kRecentPicturesKept = 24;

// The list after `picture` was inserted: it moves to the front, an earlier entry of it goes, and
// only the newest kRecentPicturesKept stay.
QStringList WithRecentPicture(const QStringList& pictures, const QString& picture);

// The list in a file, without the pictures that no longer exist; empty when the file is missing
// or unreadable.
QStringList ReadRecentPictures(const QString& file);
// Replaces the file atomically; false when it could not be written (the old one stays whole).
bool WriteRecentPictures(const QString& file, const QStringList& pictures);

// UserCatalogueFolder() + "recent.dat".
QString RecentPicturesFile();
// Puts `picture` at the front of the program's list. Failures are not reported: the insertion
// they follow has happened.
void RememberRecentPicture(const QString& picture);
