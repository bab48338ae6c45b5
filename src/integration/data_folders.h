#pragma once
#include <QString>

// The one place that builds paths inside the user's data folder, and the catalogue's folders;
// every folder path ends with '/'.

// UserDataFolder("Glimmora") + `relative`: the data folder itself, or a path inside it.
QString UserDataPath(const QString& relative = QString());

QString CatalogueBaseFolder(); // ProgramFolder() + "GlimmoraData/"
QString PageDataFolder();      // CatalogueBaseFolder() + "data/"
QString UserCatalogueFolder(); // UserDataPath("GlimmoraData/")
QString FavouritesFolder();    // UserCatalogueFolder() + "favorites/"
QString OwnCategoriesFolder(); // UserCatalogueFolder() + "owncats/"
