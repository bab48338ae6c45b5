#include "integration/data_folders.h"

#include "integration/system_helpers.h"
#include "platform/program_folder.h"

QString CatalogueBaseFolder() {
    return ProgramFolder() + "GlimmoraData/";
}

QString PageDataFolder() {
    return CatalogueBaseFolder() + "data/";
}

// The per-user paths are computed afresh at every call: the data folder follows the environment.
QString UserDataPath(const QString& relative) {
    return UserDataFolder(QStringLiteral("Glimmora")) + relative;
}

QString UserCatalogueFolder() {
    return UserDataPath(QStringLiteral("GlimmoraData/"));
}

QString FavouritesFolder() {
    return UserCatalogueFolder() + "favorites/";
}

QString OwnCategoriesFolder() {
    return UserCatalogueFolder() + "owncats/";
}
