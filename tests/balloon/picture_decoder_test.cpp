// Picture decoding for the windows that show a picture outside the browser: the content decides
// the format, whatever the file is called.
#include "platform/picture_decoder.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A 1 x 1 GIF whose one pixel is red (no GIF writer ships with the image plugins).
const QByteArray kRedGif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00"
                         ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
                         36);

QByteArray Encode(const char* format, QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format));
    return bytes;
}

QString Put(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

bool Near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) < 8 && std::abs(qGreen(a) - qGreen(b)) < 8 &&
           std::abs(qBlue(a) - qBlue(b)) < 8;
}

TEST(PictureDecoder, FormatComesFromTheContentNotTheName) {
    QTemporaryDir dir;
    const struct {
        QString name;
        QByteArray bytes;
        QSize size;
        QRgb colour;
    } cases[] = {
        {"smiley.gra", Encode("PNG", {17, 9}, Qt::green), {17, 9}, qRgb(0, 255, 0)},
        {"smiley.gif", Encode("JPEG", {32, 16}, Qt::blue), {32, 16}, qRgb(0, 0, 255)},
        {"smiley2.gra", kRedGif, {1, 1}, qRgb(255, 0, 0)},
        {"SMILEY.PNG", Encode("PNG", {3, 4}, Qt::yellow), {3, 4}, qRgb(255, 255, 0)},
        {"no_extension", Encode("JPEG", {8, 8}, Qt::red), {8, 8}, qRgb(255, 0, 0)},
    };
    for (const auto& c : cases) {
        const DecodedPicture picture = DecodePicture(Put(dir, c.name, c.bytes));
        ASSERT_TRUE(picture.ok()) << c.name.toStdString() << ": " << picture.error.toStdString();
        EXPECT_TRUE(picture.error.isEmpty());
        EXPECT_EQ(picture.image.size(), c.size) << c.name.toStdString();
        EXPECT_TRUE(Near(picture.image.pixel(0, 0), c.colour)) << c.name.toStdString();
    }
    EXPECT_TRUE(DecodePicture(dir.filePath("Smiley.png")).ok()) << "SMILEY.PNG in any case";
}

TEST(PictureDecoder, UnreadableFilesGiveAReasonNamingTheFile) {
    QTemporaryDir dir;
    const QString garbage = Put(dir, "broken.png", QByteArray(300, '\x42'));
    const QString empty = Put(dir, "empty.gif", QByteArray());
    const QString folder = dir.filePath("folder.jpg");
    QDir().mkpath(folder);
    const QString missing = dir.filePath("missing.png");
    for (const QString& path : {garbage, empty, folder, missing}) {
        const DecodedPicture picture = DecodePicture(path);
        EXPECT_FALSE(picture.ok()) << path.toStdString();
        EXPECT_TRUE(picture.image.isNull());
        EXPECT_TRUE(picture.error.contains(path)) << picture.error.toStdString();
    }

    // Cut-off files: whatever the decoder makes of them, it never crashes and never claims a
    // size the file does not have.
    const QByteArray png = Encode("PNG", {40, 30}, Qt::red);
    const QByteArray jpeg = Encode("JPEG", {40, 30}, Qt::red);
    for (const QString& path :
         {Put(dir, "cut.png", png.left(png.size() / 2)),
          Put(dir, "cut.jpg", jpeg.left(jpeg.size() / 2)), Put(dir, "cut.gif", kRedGif.left(20))}) {
        const DecodedPicture picture = DecodePicture(path);
        if (picture.ok())
            EXPECT_LE(picture.image.width(), 40);
        else
            EXPECT_FALSE(picture.error.isEmpty());
    }
}

} // namespace
