#include "balloon/jpeg_writer.h"

#include "platform/file_system.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace {

// libjpeg ends the process on an error unless the handler jumps back out.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnJpegError(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void OnJpegMessage(j_common_ptr, int) {}

// Kept outside the function that calls setjmp, so that nothing there needs to survive a jump.
struct EncodeState {
    jpeg_compress_struct info;
    ErrorManager errors;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
};

bool Encode(EncodeState& s, const QImage& rgb, int quality) {
    s.info.err = jpeg_std_error(&s.errors.base);
    s.errors.base.error_exit = OnJpegError;
    s.errors.base.emit_message = OnJpegMessage;
    s.errors.message[0] = '\0';
    if (setjmp(s.errors.jump)) {
        jpeg_destroy_compress(&s.info);
        return false;
    }
    jpeg_create_compress(&s.info);
    jpeg_mem_dest(&s.info, &s.buffer, &s.size);
    s.info.image_width = JDIMENSION(rgb.width());
    s.info.image_height = JDIMENSION(rgb.height());
    s.info.input_components = 3;
    s.info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&s.info);
    jpeg_set_quality(&s.info, quality, TRUE);
    // jpeg_set_defaults leaves the scan script empty: one sequential (baseline) scan.
    jpeg_start_compress(&s.info, TRUE);
    while (s.info.next_scanline < s.info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(s.info.next_scanline)));
        jpeg_write_scanlines(&s.info, &row, 1);
    }
    jpeg_finish_compress(&s.info);
    jpeg_destroy_compress(&s.info);
    return true;
}

} // namespace

bool WriteJpegFile(const QImage& image, const QString& path, int quality, QString* error) {
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (image.isNull() || image.width() > JPEG_MAX_DIMENSION || image.height() > JPEG_MAX_DIMENSION)
        return fail(
            QStringLiteral("The picture is empty or too large to be saved as \"%1\".").arg(path));
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull())
        return fail(QStringLiteral("There is not enough memory to save \"%1\".").arg(path));

    EncodeState state;
    const bool encoded = Encode(state, rgb, quality);
    const QByteArray bytes =
        encoded ? QByteArray(reinterpret_cast<const char*>(state.buffer), qsizetype(state.size))
                : QByteArray();
    std::free(state.buffer);
    if (!encoded)
        return fail(QStringLiteral("The picture could not be encoded for \"%1\": %2.")
                        .arg(path, QString::fromLocal8Bit(state.errors.message)));

    if (!WriteFileAtomic(path, bytes))
        return fail(QStringLiteral("The picture could not be saved as \"%1\".").arg(path));
    return true;
}
