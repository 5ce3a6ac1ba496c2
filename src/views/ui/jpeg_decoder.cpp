#include "views/ui/help_pictures.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace zep {
namespace {

// libjpeg's own error handler ends the program: this one jumps back to the decoder instead.
struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf back;
    char message[JMSG_LENGTH_MAX];
};

void jump_back(j_common_ptr info) {
    auto* e = reinterpret_cast<ErrorJump*>(info->err);
    (*info->err->format_message)(info, e->message);
    std::longjmp(e->back, 1);
}

} // namespace

QImage decode_jpeg(std::span<const std::uint8_t> bytes, std::string* error) {
    if (bytes.empty()) {
        if (error)
            *error = "no picture";
        return {};
    }
    jpeg_decompress_struct info{};
    ErrorJump err{};
    info.err = jpeg_std_error(&err.manager);
    err.manager.error_exit = jump_back;
    // Declared before setjmp so that no destructor is skipped by the jump.
    std::vector<unsigned char> pixels;
    if (setjmp(err.back)) {
        jpeg_destroy_decompress(&info);
        if (error)
            *error = err.message;
        return {};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const int width = static_cast<int>(info.output_width);
    const int height = static_cast<int>(info.output_height);
    pixels.resize(static_cast<std::size_t>(width) * height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels.data() + static_cast<std::size_t>(info.output_scanline) * width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return QImage(pixels.data(), width, height, 3 * width, QImage::Format_RGB888).copy();
}

} // namespace zep
