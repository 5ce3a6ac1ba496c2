#pragma once
// The pictures of the three help pages: JPEG files drawn by app/help_pictures at build time, decoded
// with libjpeg.
#include <QImage>
#include <cstdint>
#include <span>
#include <string>

namespace zep {

// The JPEG bytes of page 1, 2 or 3; empty for another number.
std::span<const std::uint8_t> help_picture_jpeg(int page);

// Decodes a JPEG image to RGB (greyscale too). A damaged image gives a null QImage and `error` says why.
QImage decode_jpeg(std::span<const std::uint8_t> bytes, std::string* error = nullptr);

} // namespace zep
