#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// The category tree as read from the definition files and "owncats.dat", without any widget:
// nodes in depth-first, parents-first order (the absolute index), each with its parent's index.
struct CategoryNode {
    QString name;
    int parent = -1; // absolute index of the parent, -1 for a top-level node
};

struct CatalogueData {
    std::vector<CategoryNode> nodes;
    QStringList CategoryFolders; // entry i: folder of node i, ending with '/'
    int LastBuiltInIndex = -1;
};

// Reads "pics.*.def" of `userCatalogueFolder` (name order, case-insensitive) and then its
// "owncats.dat". Built-in folders are relative to `catalogueBaseFolder`, own ones lie in
// `ownCategoriesFolder`. When `userCatalogueFolder` holds no "pics.*.def", those of
// `catalogueBaseFolder` are read instead, each as its variant ".t" + `languageCode` where it has
// one.
CatalogueData ReadCatalogue(const QString& userCatalogueFolder, const QString& catalogueBaseFolder,
                            const QString& ownCategoriesFolder,
                            const QString& languageCode = QStringLiteral("00"));

// The parsing steps, exposed for tests and fuzzing.
struct DefinitionLine {
    int depth = 0;
    QString name;
    QString folderPart;
};
DefinitionLine ParseDefinitionLine(const QByteArray& line);
struct OwnCategoryLine {
    QString number;
    QString name;
};
OwnCategoryLine ParseOwnCategoryLine(const QByteArray& line);

// Sorts file names without regard to case in the user's locale order (ties by exact spelling, so
// the order never depends on the listing order).
void SortNamesCaseInsensitive(QStringList& names);

// ReadCatalogue on the program's own folders.
CatalogueData LoadCatalogueData(const QString& languageCode = QStringLiteral("00"));
