// Arbitrary bytes as a BMP image, whole and as the start of a stream, read from the stream and in
// place from memory: both readers must end alike (the same image or the same error). An image that
// decodes must encode to bytes that decode to the same picture and encode to the same bytes again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>

#include "framework/graphics/bmp.h"

namespace {

// The image, or the error's message.
template <class ReadFn>
std::optional<framework::BmpImage> Read(ReadFn read, std::string& error) {
    try {
        return read();
    } catch (const framework::EReadError& e) {
        error = "read: " + e.Message();
    } catch (const framework::Exception& e) {
        error = "other: " + e.Message();
    }
    return std::nullopt;
}

bool Same(const framework::BmpImage& a, const framework::BmpImage& b) {
    return a.format == b.format && a.pixels == b.pixels && a.indexes == b.indexes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    framework::TMemoryStream stream(std::vector<uint8_t>(data, data + size));
    std::string streamError, memoryError;
    const std::optional<framework::BmpImage> read =
        Read([&] { return framework::ReadBmp(stream); }, streamError);
    size_t offset = 0;
    const std::optional<framework::BmpImage> inPlace =
        Read([&] { return framework::ReadBmp(std::span<const uint8_t>(data, size), offset); }, memoryError);
    if (read.has_value() != inPlace.has_value() || streamError != memoryError)
        std::abort();
    if (!read)
        return 0;
    if (!Same(*read, *inPlace) || int64_t(offset) != stream.Position())
        std::abort();
    const framework::BmpImage& image = *read;
    std::vector<uint8_t> encoded = framework::EncodeBmp(image.format, image.pixels, image.indexes);
    framework::BmpImage back = framework::DecodeBmp(encoded);
    if (!Same(back, image))
        std::abort();
    if (framework::EncodeBmp(back.format, back.pixels, back.indexes) != encoded)
        std::abort();
    return 0;
}
