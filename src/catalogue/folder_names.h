#pragma once
#include <QHash>
#include <QString>

// The files of the folders beside a page's pictures (their skin tones, their larger copies), each
// folder listed once when first asked: a page of thousands of pictures asks about a handful of
// folders, and a status call per picture would cost more than writing the page. Make one for
// each page, so that no listing outlives a change on disk.
class FolderNames {
public:
    // The path of the file `name` (in any letter case) in `folder` (ending in '/', in any letter
    // case), as it is on disk; empty when there is none.
    QString Find(const QString& folder, const QString& name);

private:
    struct Listing {
        QString folder;                // as it is on disk, ending in '/'; empty when missing
        QHash<QString, QString> names; // lower case -> as on disk
    };
    const Listing& ListingOf(const QString& folder);

    QHash<QString, Listing> listings_;
    // A page's pictures come folder by folder: the last one asked about is kept at hand.
    QString lastFolder_;
    const Listing* last_ = nullptr;
};
