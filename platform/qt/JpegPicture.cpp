#include "platform/qt/JpegPicture.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

// libjpeg reports a fatal error through error_exit, which must not return:
// jump back to the decoder instead of ending the program.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void ErrorExit(j_common_ptr info)
{
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(manager->jump, 1);
}

void OutputMessage(j_common_ptr) {}  // warnings stay silent

}  // namespace

bool IsJpegData(const std::string& bytes)
{
    return bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
           static_cast<unsigned char>(bytes[1]) == 0xD8 && static_cast<unsigned char>(bytes[2]) == 0xFF;
}

bool DecodeJpeg(const std::string& bytes, QImage& image)
{
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = ErrorExit;
    errors.base.output_message = OutputMessage;
    // Everything that must survive a jump back lives outside this frame's
    // automatic variables that change after setjmp.
    QImage decoded;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    decoded = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB888);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = decoded.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    // A warning means damaged data (libjpeg fills what is missing): refused.
    const bool whole = errors.base.num_warnings == 0;
    jpeg_destroy_decompress(&info);
    if (!whole) return false;
    image = decoded.convertToFormat(QImage::Format_RGB32);
    return true;
}
