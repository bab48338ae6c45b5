#include "platform/picture_decoder.h"

#include "platform/file_system.h"

#include <QFileInfo>
#include <QImageReader>

DecodedPicture DecodePicture(const QString& requested) {
    DecodedPicture result;
    // Catalogue file names compare without regard to case.
    const QString path = ResolvePath(requested);
    QFileInfo info(path);
    if (!info.exists() || !info.isFile()) {
        result.error =
            QStringLiteral("The picture file \"%1\" is missing or is not a file.").arg(requested);
        return result;
    }
    QImageReader reader(path);
    // The extension may lie or be unknown ("*.gra"); the content decides.
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        result.error = QStringLiteral("The picture file \"%1\" could not be read: %2.")
                           .arg(path, reader.errorString());
        return result;
    }
    result.image = std::move(image);
    return result;
}
