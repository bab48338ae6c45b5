#pragma once
#include <QString>
#include <QStringList>
#include <QUrl>

// Sorted picture file names (names only) of a folder: *.gif, *.jpg, *.jpeg, *.png, *.gra,
// case-insensitively; empty when the folder is missing.
QStringList ListPictures(const QString& folder);

// True when the name ends in one of those extensions (any letter case).
bool IsPictureFileName(const QString& name);

// Write "temp.htm" (`pagePath`) for the pictures of `folder`, or the empty-category page.
// Both throw IoError when the page cannot be written.
void WritePicturePage(const QString& pagePath, const QString& folder, const QStringList& names,
                      const QString& catalogueBaseFolder);
void WriteEmptyPage(const QString& pagePath, const QString& pageDataFolder,
                    const QString& emptyTitle);

// Lists the folder and writes the matching page; returns the page's path.
QString WriteCategoryPage(const QString& folder);

// What a navigation of the picture browser means.
enum class NavigationKind {
    PageLoad,   // the picture page itself: let it load
    WebAddress, // an address containing "http://": let it load
    PictureClick,
};
NavigationKind ClassifyNavigation(const QUrl& url, const QString& pagePath);

// The local path that a picture link's address stands for.
QString PicturePathFromUrl(const QUrl& url);
