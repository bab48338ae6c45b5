// The balloon picture file: a baseline colour JPEG of quality 90 that decodes back to the
// composition.
#include "balloon/balloon_composition.h"
#include "balloon/jpeg_writer.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <csetjmp>
#include <cstdio>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <vector>

namespace {

struct Decoded {
    bool ok = false;
    bool progressive = true;
    int components = 0;
    J_COLOR_SPACE colourSpace = JCS_UNKNOWN;
    int firstQuant[2] = {0, 0};
    QImage image;
};

struct ErrorJump {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void JumpOnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1);
}

struct DecodeJob {
    jpeg_decompress_struct info;
    ErrorJump errors;
    Decoded out;
};

// Everything that must survive the error jump lives in the job, outside this frame.
bool RunDecode(DecodeJob& job, FILE* file) {
    job.info.err = jpeg_std_error(&job.errors.base);
    job.errors.base.error_exit = JumpOnError;
    if (setjmp(job.errors.jump)) {
        jpeg_destroy_decompress(&job.info);
        return false;
    }
    jpeg_create_decompress(&job.info);
    jpeg_stdio_src(&job.info, file);
    jpeg_read_header(&job.info, TRUE);
    job.out.progressive = job.info.progressive_mode;
    job.out.components = job.info.num_components;
    job.out.colourSpace = job.info.jpeg_color_space;
    if (job.info.quant_tbl_ptrs[0]) {
        job.out.firstQuant[0] = job.info.quant_tbl_ptrs[0]->quantval[0];
        job.out.firstQuant[1] = job.info.quant_tbl_ptrs[0]->quantval[1];
    }
    job.info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&job.info);
    job.out.image =
        QImage(int(job.info.output_width), int(job.info.output_height), QImage::Format_RGB888);
    while (job.info.output_scanline < job.info.output_height) {
        JSAMPROW row = job.out.image.scanLine(int(job.info.output_scanline));
        jpeg_read_scanlines(&job.info, &row, 1);
    }
    jpeg_finish_decompress(&job.info);
    jpeg_destroy_decompress(&job.info);
    return true;
}

// Reads the file with libjpeg itself, not through the image plugins.
Decoded DecodeWithLibjpeg(const QString& path) {
    FILE* file = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (!file)
        return {};
    DecodeJob job;
    job.out.ok = RunDecode(job, file);
    std::fclose(file);
    return job.out;
}

QImage Gradient(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, 128));
    return image;
}

TEST(BalloonJpeg, BaselineColourQuality90DecodesToTheComposition) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("temp2.dat.html.jpg"));
    const BalloonComposition composition =
        ComposeBalloon({QStringLiteral("Cool :-)"), QStringLiteral("Hi!")}, Gradient(48, 40),
                       BalloonTextFont(), StandardBalloonPieces());
    ASSERT_FALSE(composition.image.isNull());
    QString error;
    ASSERT_TRUE(WriteJpegFile(composition.image, path, 90, &error)) << error.toStdString();

    QFile raw(path);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    const QByteArray bytes = raw.readAll();
    EXPECT_TRUE(bytes.startsWith("\xFF\xD8"));
    EXPECT_TRUE(bytes.contains(QByteArray("\xFF\xC0", 2))) << "baseline frame header";
    EXPECT_FALSE(bytes.contains(QByteArray("\xFF\xC2", 2))) << "progressive frame header";

    const Decoded decoded = DecodeWithLibjpeg(path);
    ASSERT_TRUE(decoded.ok);
    EXPECT_FALSE(decoded.progressive);
    EXPECT_EQ(decoded.components, 3);
    EXPECT_EQ(decoded.colourSpace, JCS_YCbCr);
    // Quality 90 scales the standard luminance table (16, 11, ...) to 20 %.
    EXPECT_EQ(decoded.firstQuant[0], 3);
    EXPECT_EQ(decoded.firstQuant[1], 2);
    ASSERT_EQ(decoded.image.size(), composition.resultSize);

    double total = 0;
    int worst = 0;
    for (int y = 0; y < decoded.image.height(); ++y)
        for (int x = 0; x < decoded.image.width(); ++x) {
            const QRgb a = decoded.image.pixel(x, y), b = composition.image.pixel(x, y);
            const int d = std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                          std::abs(qBlue(a) - qBlue(b));
            total += d;
            worst = std::max(worst, d);
        }
    const double mean = total / (3.0 * decoded.image.width() * decoded.image.height());
    EXPECT_LT(mean, 3.0);
    EXPECT_LT(worst, 3 * 90);
}

TEST(BalloonJpeg, ReplacesAnOldFileAndReportsFailuresNamingTheFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("balloon.jpg"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x'));
    }
    QString error;
    QImage small(10, 7, QImage::Format_RGB32);
    small.fill(Qt::blue);
    ASSERT_TRUE(WriteJpegFile(small, path, 90, &error));
    const Decoded decoded = DecodeWithLibjpeg(path);
    ASSERT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.image.size(), QSize(10, 7));
    EXPECT_LT(QFileInfo(path).size(), 100000);

    // A folder where the file should be: nothing written, the reason names the file.
    const QString blocked = dir.filePath(QStringLiteral("blocked.jpg"));
    ASSERT_TRUE(QDir().mkpath(blocked));
    EXPECT_FALSE(WriteJpegFile(small, blocked, 90, &error));
    EXPECT_TRUE(error.contains(blocked)) << error.toStdString();
    EXPECT_TRUE(QFileInfo(blocked).isDir());

    const QString missingFolder = dir.filePath(QStringLiteral("no/such/folder/x.jpg"));
    EXPECT_FALSE(WriteJpegFile(small, missingFolder, 90, &error));
    EXPECT_TRUE(error.contains(missingFolder));

    EXPECT_FALSE(WriteJpegFile(QImage(), path, 90, &error));
    EXPECT_TRUE(DecodeWithLibjpeg(path).ok) << "a failed write leaves the old file whole";
}

} // namespace
