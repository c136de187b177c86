// Arbitrary bytes as a BMP image, whole and as the start of a stream. An image that decodes must
// encode to bytes that decode to the same picture and encode to the same bytes again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "framework/graphics/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    framework::TMemoryStream stream(std::vector<uint8_t>(data, data + size));
    framework::BmpImage image;
    try {
        image = framework::ReadBmp(stream);
    } catch (const framework::Exception&) {
        return 0;
    }
    std::vector<uint8_t> encoded = framework::EncodeBmp(image.format, image.pixels, image.indexes);
    framework::BmpImage back = framework::DecodeBmp(encoded);
    if (!(back.format == image.format) || !(back.pixels == image.pixels) || back.indexes != image.indexes)
        std::abort();
    if (framework::EncodeBmp(back.format, back.pixels, back.indexes) != encoded)
        std::abort();
    return 0;
}
