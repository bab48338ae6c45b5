#include "catalogue/own_categories.h"

#include "catalogue/picture_page.h"
#include "integration/data_folders.h"
#include "integration/system_helpers.h"
#include "platform/file_system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>
#include <QThread>
#include <filesystem>
#include <system_error>

namespace {

constexpr int kCategoryNumberLimit = 9999999;
constexpr int kCategoryNumberDraws = 1000;

std::filesystem::path FsPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString WithSlash(const QString& folder) {
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

// Copies a picture file over `target`. Copying a file onto itself would empty it, and a folder
// as the source would leave an empty target in place of a picture: both are skipped. False when
// the copy could not be written (the old target then stays as it was).
bool CopyPictureFile(const QString& source, const QString& target) {
    const QFileInfo from(source);
    if (!from.isFile() || from.canonicalFilePath() == QFileInfo(target).canonicalFilePath())
        return true;
    return CopyFileAtomic(source, target);
}

QSet<QString> ListedNumbers(const QByteArray& list) {
    QSet<QString> numbers;
    for (const QByteArray& line : SplitTextLines(WithoutByteOrderMark(list)))
        numbers.insert(ParseOwnCategoryLine(line).number);
    return numbers;
}

} // namespace

QString OwnCategoriesList() {
    return ResolvePath(UserCatalogueFolder() + QStringLiteral("owncats.dat"));
}

QString CleanFileName(const QString& path) {
    const QString name = path.mid(path.lastIndexOf(u'/') + 1);
    QString clean;
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if ((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') ||
            u == u'.' || u == u'_' || u == u'-')
            clean += c;
    }
    return clean;
}

QString AddOwnCategory(const QString& name, const CategoryNumberSource& draw) {
    if (name.isEmpty())
        return QString();
    QString lineName = name;
    lineName.replace(u'\r', u' ');
    lineName.replace(u'\n', u' ');

    const QString listPath = OwnCategoriesList();
    QByteArray list;
    if (FileExists(listPath)) {
        const std::optional<QByteArray> content = ReadFileBytes(listPath);
        if (!content)
            throw IoError("The list of own categories cannot be read: " + listPath.toStdString());
        list = *content;
    }

    const QString ownFolder = OwnCategoriesFolder();
    if (!QDir().mkpath(ownFolder))
        throw IoError("The folder for own categories cannot be created: " +
                      ownFolder.toStdString());
    const QSet<QString> listed = ListedNumbers(list);
    QString number;
    QString folder;
    for (int attempt = 0; attempt < kCategoryNumberDraws && number.isEmpty(); ++attempt) {
        const int drawn = draw ? draw() : QRandomGenerator::global()->bounded(kCategoryNumberLimit);
        const QString candidate = QString::number(drawn);
        const QString path = ownFolder + candidate;
        // An existing folder or line belongs to another category: draw again.
        if (drawn < 0 || listed.contains(candidate) || QFileInfo::exists(path))
            continue;
        if (!QDir().mkdir(path)) {
            if (QFileInfo::exists(path))
                continue;
            throw IoError("The folder for the new category cannot be created: " +
                          path.toStdString());
        }
        number = candidate;
        folder = path;
    }
    if (number.isEmpty())
        throw IoError("No free folder number for the new category in " + ownFolder.toStdString());

    if (!list.isEmpty() && !list.endsWith('\n'))
        list += "\r\n"; // the last line keeps its own line
    list += number.toUtf8() + ':' + lineName.toUtf8() + "\r\n";
    if (!WriteFileAtomic(listPath, list)) {
        QDir().rmdir(folder);
        throw IoError("The list of own categories cannot be written: " + listPath.toStdString());
    }
    return number;
}

bool IsOwnCategoryFolder(const QString& folder) {
    const QFileInfo info(QDir::cleanPath(folder));
    const QString name = info.fileName();
    return !folder.isEmpty() && !name.isEmpty() && name != u"." && name != u".." &&
           info.path() == QDir::cleanPath(OwnCategoriesFolder());
}

bool RemoveOwnCategory(const CatalogueData& catalogue, int index,
                       const std::function<void()>& beforeReplace) {
    if (index <= catalogue.LastBuiltInIndex || index < 0 ||
        index >= catalogue.CategoryFolders.size())
        return false;
    const qsizetype k = index - catalogue.LastBuiltInIndex; // 1 for the first own category
    const QString listPath = OwnCategoriesList();
    if (!FileExists(listPath))
        return false;
    const std::optional<QByteArray> content = ReadFileBytes(listPath);
    if (!content)
        throw IoError("The list of own categories cannot be read: " + listPath.toStdString());
    const QList<QByteArray> lines = SplitTextLines(WithoutByteOrderMark(*content));
    const QString folder = catalogue.CategoryFolders.at(index);
    // The list may have changed since the catalogue was read: only the line of this very
    // category may go.
    if (k > lines.size() ||
        OwnCategoriesFolder() + ParseOwnCategoryLine(lines.at(k - 1)).number + u'/' != folder)
        return false;

    QByteArray rest;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i != k - 1)
            rest += lines.at(i) + "\r\n";
    }
    // The new list is complete on disk before one rename replaces the old one, so there is never
    // a moment without a whole list.
    const QString tempPath = listPath + QStringLiteral(".tmp");
    if (!WriteFileAtomic(tempPath, rest))
        throw IoError("The new list of own categories cannot be written: " +
                      tempPath.toStdString());
    if (beforeReplace)
        beforeReplace();
    std::error_code error;
    std::filesystem::rename(FsPath(tempPath), FsPath(listPath), error);
    if (error) {
        QFile::remove(tempPath);
        throw IoError("The list of own categories cannot be replaced: " + listPath.toStdString());
    }

    // A category whose folder is a link loses the link, never what it points to; nothing that
    // lies outside the data folder once every link is resolved is removed.
    if (IsOwnCategoryFolder(folder))
        RemoveFolderOrLink(folder, UserDataPath());
    return true;
}

bool IsInFavourites(const QString& picturePath) {
    return QDir::cleanPath(picturePath).startsWith(QDir::cleanPath(FavouritesFolder()) + u'/');
}

bool CopyToFavourites(const QString& picturePath) {
    const QString name = QFileInfo(picturePath).fileName();
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    const QString favourites = FavouritesFolder();
    QDir().mkpath(favourites);
    const QString target = favourites + name;
    CopyPictureFile(picturePath, target);
    return QFileInfo(target).isFile();
}

bool IsCataloguePicture(const QString& path, const CatalogueData& catalogue) {
    if (path.isEmpty() || !QDir::isAbsolutePath(path))
        return false;
    const QFileInfo info(QDir::cleanPath(path));
    if (!IsPictureFileName(info.fileName()))
        return false;
    const QString parent = info.path();
    QStringList folders = catalogue.CategoryFolders;
    folders.append(FavouritesFolder());
    for (const QString& folder : folders) {
        const QString clean = QDir::cleanPath(folder);
        if (clean == parent || QDir::cleanPath(ResolvePath(clean)) == parent)
            return true;
    }
    return false;
}

bool DeleteCataloguePicture(const QString& path, const CatalogueData& catalogue) {
    if (!IsCataloguePicture(path, catalogue))
        return false;
    // The path as checked: given as it came, "link/../x.gif" would be resolved by the system from
    // where the link points.
    const QString checked = QDir::cleanPath(path);
    const QFileInfo info(checked);
    if (!info.isFile() && !info.isSymLink())
        return false;
    return QFile::remove(checked);
}

QStringList AddPictures(const QStringList& files, const QString& folder,
                        const std::function<void(int)>& progress,
                        const std::function<void(int)>& pause) {
    const QString target = WithSlash(folder);
    QDir().mkpath(target);
    QStringList failed;
    const int n = static_cast<int>(files.size());
    for (int i = 0; i < n; ++i) {
        if (progress)
            progress(i + 1);
        const QString name = CleanFileName(files.at(i));
        // A name of dots only would address the folder itself or its parent.
        const bool usable = !name.isEmpty() && name.count(u'.') != name.size();
        if (usable && !CopyPictureFile(files.at(i), target + name))
            failed.append(files.at(i));
        if (pause)
            pause(300);
        else
            QThread::msleep(300);
    }
    if (progress)
        progress(n + 1);
    return failed;
}
