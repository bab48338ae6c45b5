// Picture files of any content, decoded as the balloon designer and the add-picture preview do
// (DecodePicture) and as the insertion's clipboard does (PictureClipboard): no fault, a bitmap
// within the image readers' allocation limit, both agree on every picture the designer accepts,
// and the clipboard content is the picture and one img element that embeds it, nothing else.
// The first byte picks the file name's extension; the rest is the file.
#include "fuzz_support.h"
#include "platform/picture_clipboard.h"
#include "platform/picture_decoder.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QMimeData>
#include <QRegularExpression>
#include <QThread>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    static const char* const kNames[] = {"p.gif", "p.jpg", "p.jpeg", "p.png", "p.gra",
                                         "p.GIF", "p.bmp", "p.tga",  "p"};
    const QString path = FuzzScratchFolder() + QString::fromLatin1(kNames[data[0] % 9]);
    FuzzWriteFile(path, QByteArray(reinterpret_cast<const char*>(data + 1),
                                   static_cast<qsizetype>(size - 1)));
    const qint64 limit = qint64(QImageReader::allocationLimit()) * 1024 * 1024;

    const DecodedPicture picture = DecodePicture(path);
    FUZZ_CHECK(picture.ok() == picture.error.isEmpty());
    if (picture.ok())
        FUZZ_CHECK(picture.image.sizeInBytes() <= limit);

    PictureClipboard clipboard;
    clipboard.Navigate(path);
    while (clipboard.state() == PictureClipboard::State::Loading)
        QThread::usleep(200);
    if (picture.ok())
        FUZZ_CHECK(clipboard.state() == PictureClipboard::State::Ready);
    if (clipboard.state() != PictureClipboard::State::Ready) {
        FUZZ_CHECK(!clipboard.errorString().isEmpty() && clipboard.CreateMimeData() == nullptr);
        QFile::remove(path);
        return 0;
    }
    const QImage image = clipboard.image();
    FUZZ_CHECK(!image.isNull() && image.sizeInBytes() <= limit);
    if (picture.ok())
        FUZZ_CHECK(image.size() == picture.image.size());

    const std::unique_ptr<QMimeData> mime(clipboard.CreateMimeData());
    FUZZ_CHECK(mime);
    // The PNG form is the picture itself (its header says so; decoding it again would double
    // the time spent on a large picture).
    QByteArray png = mime->data(QStringLiteral("image/png"));
    QBuffer pngBuffer(&png);
    QImageReader pngReader(&pngBuffer, "png");
    FUZZ_CHECK(pngReader.canRead() && pngReader.size() == image.size());
    // One img element whose only address is a data: address of a picture type.
    static const QRegularExpression html(QStringLiteral(
        R"(^<img src="data:image/[a-z0-9.+-]+;base64,[A-Za-z0-9+/=]*" width="\d+" height="\d+">$)"));
    FUZZ_CHECK(html.match(mime->html()).hasMatch());
    for (const QString& format : mime->formats())
        FUZZ_CHECK(format.startsWith(u"image/") || format == u"text/html");
    QFile::remove(path);
    return 0;
}
