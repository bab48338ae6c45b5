#pragma once
#include "catalogue/picture_search.h"
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

// Sorted picture file names (names only) of a folder: *.gif, *.jpg, *.jpeg, *.png, *.gra,
// case-insensitively; empty when the folder is missing.
QStringList ListPictures(const QString& folder);

// True when the name ends in one of those extensions (any letter case).
bool IsPictureFileName(const QString& name);

// The full paths of ListPictures (folder), in its order.
QStringList ListPicturePaths(const QString& folder);

// Write "temp.htm" (`pagePath`) for the pictures of `folder`, or the empty-category page, whose
// title and text are plain texts (escaped here). Both throw IoError when the page cannot be
// written.
void WritePicturePage(const QString& pagePath, const QString& folder, const QStringList& names,
                      const QString& catalogueBaseFolder);
void WriteEmptyPage(const QString& pagePath, const QString& pageDataFolder,
                    const QString& emptyTitle, const QString& text = QString());

// Plain texts above the pictures of a page of found pictures.
struct FoundPageTexts {
    QString heading;
    QString note; // below the heading; none when empty
};
// A page of pictures from any folders (search results, the recently used ones), written from the
// same base as a category page: the heading, the note, then the pictures in a grid of `columns`
// columns. Picture i carries the anchor FoundPictureAnchor (i); the page's address with that
// fragment marks the picture. Throws IoError when the page cannot be written.
void WriteFoundPage(const QString& pagePath, const QStringList& paths, const FoundPageTexts& texts,
                    int columns, const QString& catalogueBaseFolder);
QString FoundPictureAnchor(int index);

// The names (alt and title) that every page written from now on gives its pictures: those of the
// interface language's keyword table; a picture that it lacks is named by its file name.
void SetPictureNames(KeywordTable names);

// The page shown is written to "temp.htm" in the user's catalogue folder; while that folder does
// not take it (read-only, a full disk), to "Glimmora-temp.htm" in the runtime folder, a folder of
// the user's own that others cannot read. Pages are shown whether or not the data folder keeps
// what the user changes.
//
// Runs `write` with the usual page path and, when it throws IoError, once more with the spare one.
// Returns the path written; throws IoError when neither took the page.
QString WriteShownPage(const std::function<void(const QString& pagePath)>& write);
// The path of the page written last (the usual one before any was written).
QString ShownPagePath();
// Removes the page files, at the usual place and the spare one.
void RemovePageFiles();

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
