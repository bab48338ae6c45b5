#include "integration/catalogue_folders.h"

#include "integration/system_helpers.h"
#include "platform/program_folder.h"

QString CatalogueBaseFolder() {
    return ProgramFolder() + "GlimmoraData/";
}

QString PageDataFolder() {
    return CatalogueBaseFolder() + "data/";
}

// The per-user paths are computed afresh at every call: the data folder follows the environment.
QString UserCatalogueFolder() {
    return UserDataFolder("Glimmora") + "GlimmoraData/";
}

QString FavouritesFolder() {
    return UserCatalogueFolder() + "favorites/";
}

QString OwnCategoriesFolder() {
    return UserCatalogueFolder() + "owncats/";
}
