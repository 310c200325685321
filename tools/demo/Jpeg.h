#pragma once
// JPEG files through libjpeg: encoding a 24-bit picture, and reading a file's size.
#include <string>
#include <string_view>

#include "platform/Bmp.h"

namespace v3::demo {

// Baseline JPEG of a 24-bit picture; empty when the picture is not 24-bit or
// the library fails.
std::string EncodeJpeg(const BmpImage& rgb, int quality = 90);

// Reads the header of a JPEG file: false when the bytes are no JPEG. With
// `decodeAll` the whole picture is decoded too (a damaged file then gives false).
bool ReadJpegInfo(std::string_view bytes, int& width, int& height, int& components, bool decodeAll = false);

}  // namespace v3::demo
