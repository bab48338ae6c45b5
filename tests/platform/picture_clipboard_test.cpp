#include "platform/picture_clipboard.h"

#include "support/test_env.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMimeData>
#include <QRegularExpression>
#include <QThread>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

namespace {

bool WaitLoaded(const PictureClipboard& copy) {
    QElapsedTimer waited;
    waited.start();
    while (copy.state() == PictureClipboard::State::Loading && waited.elapsed() < 10000)
        QThread::msleep(2);
    return copy.state() == PictureClipboard::State::Ready;
}

QByteArray Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage Sample() {
    QImage image(19, 11, QImage::Format_RGB32);
    image.fill(QColor(10, 200, 90));
    return image;
}

// The data: addresses of all img elements in the HTML.
QStringList ImageSources(const QString& html) {
    QStringList sources;
    static const QRegularExpression img(QStringLiteral("<img[^>]*src=\"([^\"]*)\""));
    for (auto it = img.globalMatch(html); it.hasNext();)
        sources.append(it.next().captured(1));
    return sources;
}

class PictureClipboardTest : public ::testing::Test {
protected:
    TempHome home;
    PictureClipboard copy;
};

TEST_F(PictureClipboardTest, JpegNamedGifIsRecognisedByContentAndEmbeddedAsItIs) {
    const QByteArray jpeg = Encoded(Sample(), "JPEG");
    ASSERT_FALSE(jpeg.isEmpty());
    const QString path = home.home() + "odd name %20 & more.gif";
    WriteFile(path, jpeg);
    copy.Navigate(QUrl::fromLocalFile(path).toString());
    ASSERT_TRUE(WaitLoaded(copy)) << copy.errorString().toStdString();
    EXPECT_EQ(copy.path(), path);
    EXPECT_EQ(copy.originalMimeType(), "image/jpeg");

    std::unique_ptr<QMimeData> data(copy.CreateMimeData());
    ASSERT_TRUE(data);
    EXPECT_EQ(data->data("image/jpeg"), jpeg);
    EXPECT_EQ(QImage::fromData(data->data("image/png"), "PNG").size(), QSize(19, 11));
    EXPECT_FALSE(data->hasFormat("text/uri-list"));
    EXPECT_FALSE(data->hasUrls());
    const QString html = data->html();
    EXPECT_FALSE(html.contains("file:"));
    const QStringList sources = ImageSources(html);
    ASSERT_EQ(sources.size(), 1);
    const QString prefix = QStringLiteral("data:image/jpeg;base64,");
    ASSERT_TRUE(sources[0].startsWith(prefix)) << sources[0].left(40).toStdString();
    EXPECT_EQ(QByteArray::fromBase64(sources[0].mid(prefix.size()).toLatin1()), jpeg);
}

TEST_F(PictureClipboardTest, PngKeepsItsOwnBytes) {
    const QByteArray png = Encoded(Sample(), "PNG");
    const QString path = home.home() + "Smile.PNG";
    WriteFile(path, png);
    // File names are looked up without regard to case.
    copy.Navigate(home.home() + "smile.png");
    ASSERT_TRUE(WaitLoaded(copy)) << copy.errorString().toStdString();
    std::unique_ptr<QMimeData> data(copy.CreateMimeData());
    ASSERT_TRUE(data);
    EXPECT_EQ(data->data("image/png"), png);
    EXPECT_EQ(ImageSources(data->html()),
              QStringList{"data:image/png;base64," + QString::fromLatin1(png.toBase64())});
}

TEST_F(PictureClipboardTest, FileThatOnlyBeginsLikeAPngIsOfferedAsThePictureItDecodedTo) {
    // Decodes, but not as PNG: its own bytes under the PNG type would paste as a broken picture.
    const QString path = home.home() + "looks-like.gif";
    WriteFile(path, QByteArray::fromBase64("iVBORw0K0AfcAAEBACwAAAAA0AfcBQACAkQBAQM="));
    copy.Navigate(path);
    ASSERT_TRUE(WaitLoaded(copy)) << copy.errorString().toStdString();
    std::unique_ptr<QMimeData> data(copy.CreateMimeData());
    ASSERT_TRUE(data);
    EXPECT_NE(copy.originalMimeType(), "image/png");
    EXPECT_EQ(QImage::fromData(data->data("image/png"), "PNG").size(), copy.image().size());
}

TEST_F(PictureClipboardTest, WhatIsNoPictureFailsWithAReason) {
    const QString text = home.home() + "notes.gif";
    WriteFile(text, "GIF89a but then nothing sensible");
    for (const QString& url : {text, home.home() + "missing.png", home.home(), QString()}) {
        copy.Navigate(url);
        EXPECT_FALSE(WaitLoaded(copy)) << url.toStdString();
        EXPECT_EQ(copy.state(), PictureClipboard::State::Failed);
        EXPECT_FALSE(copy.errorString().isEmpty());
        EXPECT_EQ(copy.CreateMimeData(), nullptr);
        EXPECT_FALSE(copy.SelectAllAndCopy());
    }
}

TEST(PicturePathFromUrl, DecodesFileAddressesAndKeepsPaths) {
    EXPECT_EQ(PicturePathFromUrl("file:///home/a/my%20pic.gif"), "/home/a/my pic.gif");
    EXPECT_EQ(PicturePathFromUrl("file:///home/a/my pic.gif"), "/home/a/my pic.gif");
    EXPECT_EQ(PicturePathFromUrl("/home/a/100%.gif"), "/home/a/100%.gif");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
