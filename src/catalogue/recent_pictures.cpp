#include "catalogue/recent_pictures.h"

#include "catalogue/picture_page.h"
#include "integration/data_folders.h"
#include "platform/file_system.h"

#include <QDir>
#include <QFileInfo>

QStringList WithRecentPicture(const QStringList& pictures, const QString& picture) {
    QStringList result{picture};
    for (const QString& earlier : pictures) {
        if (result.size() >= kRecentPicturesKept)
            break;
        if (earlier != picture)
            result << earlier;
    }
    return result;
}

QStringList ReadRecentPictures(const QString& file) {
    const std::optional<QByteArray> content = ReadFileBytes(file);
    if (!content)
        return {};
    QStringList pictures;
    for (const QByteArray& line : SplitTextLines(WithoutByteOrderMark(*content))) {
        const QString path = QString::fromUtf8(line);
        // A damaged line names no picture; a picture removed since is left out.
        if (QDir::isAbsolutePath(path) && IsPictureFileName(path) && QFileInfo(path).isFile() &&
            !pictures.contains(path))
            pictures << path;
        if (pictures.size() == kRecentPicturesKept)
            break;
    }
    return pictures;
}

bool WriteRecentPictures(const QString& file, const QStringList& pictures) {
    QByteArray text;
    for (const QString& picture : pictures) {
        // A line break in a name would split it into two lines that name other files.
        if (!picture.contains(u'\n') && !picture.contains(u'\r'))
            text += picture.toUtf8() + "\r\n";
    }
    // What the user inserted lately is nobody else's business.
    return WriteFileAtomic(file, text, FileAccess::Private);
}

QString RecentPicturesFile() {
    return UserCatalogueFolder() + QStringLiteral("recent.dat");
}

void RememberRecentPicture(const QString& picture) {
    const QString file = RecentPicturesFile();
    QDir().mkpath(QFileInfo(file).absolutePath());
    WriteRecentPictures(file,
                        WithRecentPicture(ReadRecentPictures(file), QDir::cleanPath(picture)));
}
