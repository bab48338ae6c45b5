#include "catalogue/catalogue_model.h"

#include "integration/data_folders.h"
#include "integration/translation_table.h"
#include "platform/file_system.h"

#include <QCollator>
#include <algorithm>

void SortNamesCaseInsensitive(QStringList& names) {
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(names.begin(), names.end(), [&collator](const QString& a, const QString& b) {
        int order = collator.compare(a, b);
        if (order == 0)
            order = a.compare(b, Qt::CaseInsensitive);
        if (order == 0)
            order = a.compare(b);
        return order < 0;
    });
}

DefinitionLine ParseDefinitionLine(const QByteArray& line) {
    const QString text = DecodeBytes(line);
    DefinitionLine result;
    while (result.depth < text.size() && text.at(result.depth) == u'-')
        ++result.depth;
    const qsizetype open = text.indexOf(u'[');
    const qsizetype close = text.indexOf(u']');
    if (open >= 0 && close > open)
        result.name = text.mid(open + 1, close - open - 1);
    result.folderPart = close >= 0 ? text.mid(close + 1) : text;
    return result;
}

OwnCategoryLine ParseOwnCategoryLine(const QByteArray& line) {
    const QString text = DecodeBytes(line);
    OwnCategoryLine result;
    const qsizetype colon = text.indexOf(u':');
    if (colon >= 0) {
        result.number = text.left(colon);
        result.name = text.mid(colon + 1);
    } else {
        result.name = text;
    }
    return result;
}

namespace {

// No folder path can be longer than the system allows (PATH_MAX). Only absurdly deep nesting or
// absurdly long names reach it, and refusing them keeps each line's work bounded: without the
// limit a file of a few megabytes nested thousands of levels deep builds gigabytes of paths.
constexpr qsizetype kLongestFolderPath = 4096;

// Appends the nodes of one definition file. Every file starts again at the top level. False,
// with nothing appended, when a folder path would exceed kLongestFolderPath.
bool AppendDefinitionFile(CatalogueData& data, const QByteArray& content,
                          const QString& catalogueBaseFolder) {
    const size_t firstNode = data.nodes.size();
    int last = -1;     // the last node added from this file
    int lastLevel = 0; // its number of levels up to the top, itself included
    for (const QByteArray& raw : SplitTextLines(content)) {
        const DefinitionLine line = ParseDefinitionLine(raw);
        // A depth that jumps further down than one level still hangs the node under the last one.
        while (lastLevel > line.depth) {
            last = data.nodes[last].parent;
            --lastLevel;
        }
        const int parent = last;
        QString folderPart = line.folderPart;
        folderPart.replace(u'\\', u'/');
        const QString& parentFolder =
            parent >= 0 ? data.CategoryFolders.at(parent) : catalogueBaseFolder;
        if (parentFolder.size() + folderPart.size() + 1 > kLongestFolderPath) {
            data.nodes.resize(firstNode);
            data.CategoryFolders.resize(static_cast<qsizetype>(firstNode));
            return false;
        }
        data.nodes.push_back({line.name, parent});
        data.CategoryFolders.append(parentFolder + folderPart + u'/');
        last = static_cast<int>(data.nodes.size()) - 1;
        ++lastLevel;
    }
    return true;
}

// The definition files to read, in name order: the user's. A user folder without any could not
// take the copies made at start (read-only or full from the first run); the program's own are
// read then, each in the language's variant that would have been copied, else as it ships.
QStringList DefinitionFiles(const QString& userCatalogueFolder, const QString& catalogueBaseFolder,
                            const QString& languageCode) {
    const QString mask = QStringLiteral("pics.*.def");
    QStringList files = ListMatching(userCatalogueFolder, mask);
    const bool shipped = files.isEmpty();
    const QString folder = shipped ? catalogueBaseFolder : userCatalogueFolder;
    if (shipped)
        files = ListMatching(folder, mask);
    SortNamesCaseInsensitive(files);
    for (QString& file : files) {
        const QString variant = folder + file.chopped(4) + QStringLiteral(".t") + languageCode;
        file = shipped && FileExists(variant) ? ResolvePath(variant) : folder + file;
    }
    return files;
}

} // namespace

CatalogueData ReadCatalogue(const QString& userCatalogueFolder, const QString& catalogueBaseFolder,
                            const QString& ownCategoriesFolder, const QString& languageCode) {
    CatalogueData data;
    for (const QString& path :
         DefinitionFiles(userCatalogueFolder, catalogueBaseFolder, languageCode)) {
        // A definition file that cannot be read adds no categories; the rest of the catalogue
        // still loads, so one damaged file never hides the others.
        const std::optional<QByteArray> content = ReadFileBytes(path);
        if (content &&
            !AppendDefinitionFile(data, WithoutByteOrderMark(*content), catalogueBaseFolder))
            NoteRefusedFile(ResolvePath(path), Refusal::FolderPathTooLong);
    }
    data.LastBuiltInIndex = static_cast<int>(data.CategoryFolders.size()) - 1;

    const QString ownList = userCatalogueFolder + QStringLiteral("owncats.dat");
    if (FileExists(ownList)) {
        // Unreadable like missing: no own categories, and nothing is written back by a load.
        const std::optional<QByteArray> content = ReadFileBytes(ResolvePath(ownList));
        if (content) {
            for (const QByteArray& raw : SplitTextLines(WithoutByteOrderMark(*content))) {
                const OwnCategoryLine line = ParseOwnCategoryLine(raw);
                data.nodes.push_back({line.name, -1});
                data.CategoryFolders.append(ownCategoriesFolder + line.number + u'/');
            }
        }
    }
    return data;
}

CatalogueData LoadCatalogueData(const QString& languageCode) {
    return ReadCatalogue(UserCatalogueFolder(), CatalogueBaseFolder(), OwnCategoriesFolder(),
                         languageCode);
}
