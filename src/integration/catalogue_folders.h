#pragma once
#include <QString>

// The catalogue's folders; every folder path ends with '/'.
QString CatalogueBaseFolder(); // ProgramFolder() + "GlimmoraData/"
QString PageDataFolder();      // CatalogueBaseFolder() + "data/"
QString UserCatalogueFolder(); // UserDataFolder("Glimmora") + "GlimmoraData/"
QString FavouritesFolder();    // UserCatalogueFolder() + "favorites/"
QString OwnCategoriesFolder(); // UserCatalogueFolder() + "owncats/"
