#pragma once
#include "catalogue/catalogue_model.h"

#include <QString>
#include <QStringList>
#include <functional>

// Own categories, own pictures and favourites: the file work behind the main window's buttons,
// without any window. Every function works on the program's folders (data_folders.h).

// The file-name part of `path` (after its last '/') keeping only "a"-"z", "A"-"Z", "0"-"9", ".",
// "_" and "-"; every other character is dropped.
QString CleanFileName(const QString& path);

// The list of own categories, "owncats.dat" in UserCatalogueFolder().
QString OwnCategoriesList();

// Draws the folder number of a new own category, 0 <= N < 9999999.
using CategoryNumberSource = std::function<int()>;

// Creates the folder OwnCategoriesFolder() + N and appends the line N + ":" + name to
// "owncats.dat" (created when missing). A number whose folder or line already exists is drawn
// again. Line breaks in `name` become blanks so that one category stays one line. Returns N as
// text; an empty name does nothing and returns an empty text. Throws IoError when the folder or
// the list cannot be written; then no line is added and no new folder is left behind.
QString AddOwnCategory(const QString& name, const CategoryNumberSource& draw = {});

// Removes the own category at absolute index `index` of `catalogue`: "owncats.dat" is rewritten
// without its line, through "owncats.dat.tmp" renamed over it in one step, and the category's
// folder is deleted when it lies inside OwnCategoriesFolder() and, with every link resolved, inside
// the data folder; a folder that is a link loses the link only. Returns false, changing nothing,
// when the index is not an own category or the list no longer holds that category at its line.
// Throws IoError when the list cannot be read or replaced; the old list then stays whole.
// `beforeReplace` runs after the new list was written and before it replaces the old one.
bool RemoveOwnCategory(const CatalogueData& catalogue, int index,
                       const std::function<void()>& beforeReplace = {});

// True when the category folder is a folder directly inside OwnCategoriesFolder().
bool IsOwnCategoryFolder(const QString& folder);

// True when `picturePath` lies in FavouritesFolder() (compared with letter case).
bool IsInFavourites(const QString& picturePath);
// Copies the picture into FavouritesFolder() under its own file name, replacing a favourite of
// that name. Returns true when the favourite exists afterwards; failures are not reported.
bool CopyToFavourites(const QString& picturePath);

// True when `path` names a picture file (by its extension) directly inside one of the catalogue's
// category folders or the favourites folder. Anything else must never be deleted as a picture.
bool IsCataloguePicture(const QString& path, const CatalogueData& catalogue);
// Deletes the picture when IsCataloguePicture allows it; returns true when it was deleted.
bool DeleteCataloguePicture(const QString& path, const CatalogueData& catalogue);

// Copies `files` into `folder` under their cleaned names, replacing files of those names; a file
// whose cleaned name is empty or only dots is skipped silently. `progress` gets 1 .. n before each
// file and n + 1 at the end; `pause` (default: sleeping without processing events) is called with
// 300 after each file. Returns the files whose copy could not be written (a full disk): for them
// nothing changed in the folder.
QStringList AddPictures(const QStringList& files, const QString& folder,
                        const std::function<void(int)>& progress = {},
                        const std::function<void(int)>& pause = {});
