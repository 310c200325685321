// The bitmap reader as crests, masks and board templates reach it: the header
// alone, then the whole picture; a picture it accepts is written again and
// read back.
#include <cstdint>
#include <cstdlib>

#include "FuzzSupport.h"
#include "platform/Bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes = v3fuzz::Bytes(data, size);
    v3::BmpHeader header;
    v3::ParseBmpHeader(bytes, header);
    v3::BmpImage image;
    if (v3::ReadBmp(bytes, image) != v3::BmpError::None) return 0;
    if (image.width <= 0 || image.height <= 0) std::abort();
    if (image.pixels.size() != size_t(image.width) * size_t(image.height) * image.BytesPerPixel())
        std::abort();
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) (void)image.Rgb(x, y);
    v3::BmpImage again;
    if (v3::ReadBmp(v3::WriteBmp(image), again) != v3::BmpError::None) std::abort();
    if (again.pixels != image.pixels) std::abort();
    return 0;
}
