#include "catalogue/picture_sizes.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QImageIOHandler>
#include <QImageReader>

namespace {

struct KnownSize {
    qint64 bytes = -1;
    QDateTime modified;
    QSize size;
};

// Bounded, so that browsing a huge collection does not grow the resident program for good.
constexpr qsizetype kMostRemembered = 50000;

QHash<QString, KnownSize>& Remembered() {
    static QHash<QString, KnownSize> sizes;
    return sizes;
}

QSize ReadHeaderSize(const QString& path) {
    // The reader tries the format that the extension names, then looks at the content.
    QImageReader reader(path);
    QSize size = reader.size();
    if (size.isValid() && (reader.transformation() & QImageIOHandler::TransformationRotate90))
        size.transpose(); // the browser honours the orientation tag
    return size;
}

} // namespace

QSize PictureDisplaySize(const QString& path) {
    const QFileInfo info(path);
    const qint64 bytes = info.size();
    const QDateTime modified = info.lastModified();
    QHash<QString, KnownSize>& remembered = Remembered();
    const auto known = remembered.constFind(path);
    if (known != remembered.constEnd() && known->bytes == bytes && known->modified == modified)
        return known->size;
    if (remembered.size() >= kMostRemembered)
        remembered.clear();
    const QSize size = info.isFile() ? ReadHeaderSize(path) : QSize();
    remembered.insert(path, {bytes, modified, size});
    return size;
}

void ForgetPictureDisplaySizes() {
    Remembered().clear();
}
