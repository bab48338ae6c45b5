#include "catalogue/folder_names.h"

#include "platform/file_system.h"

#include <QDirIterator>

QString FolderNames::Find(const QString& folder, const QString& name) {
    const Listing& listing = ListingOf(folder);
    const auto found = listing.names.constFind(name.toLower());
    return found == listing.names.cend() ? QString() : listing.folder + *found;
}

const FolderNames::Listing& FolderNames::ListingOf(const QString& folder) {
    if (last_ && folder == lastFolder_)
        return *last_;
    auto known = listings_.find(folder);
    if (known == listings_.end()) {
        Listing listing;
        if (FolderExists(folder)) {
            listing.folder = ResolvePath(folder);
            if (!listing.folder.endsWith(u'/'))
                listing.folder += u'/';
            // An iterator, unlike a sorted listing, needs no status call per file.
            for (QDirIterator it(listing.folder, QDir::Files); it.hasNext();) {
                it.next();
                listing.names.insert(it.fileName().toLower(), it.fileName());
            }
        }
        known = listings_.insert(folder, listing);
    }
    // Other folders inserted later may move the listings: lastFolder_ changes with every new one.
    lastFolder_ = folder;
    last_ = &*known;
    return *known;
}
