// The BMP codec: Windows bitmap file images of 1, 4, 8, 24 and 32 bits per pixel, bottom-up or
// top-down, with colour tables of any size up to 2^bits entries.
//
// Decoding keeps everything an image carries besides its pixels (resolution, header extension,
// bytes between the colour table and the rows, bytes after the rows), so that encoding what was
// decoded gives the same bytes again. Damaged or lying images are refused with EInvalidGraphic
// before anything is read out of bounds or allocated beyond the platform's surface bounds.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "framework/core/exception.h"
#include "framework/core/stream.h"
#include "platform/gfx/surface.h"

namespace framework {

// A picture that is not a BMP image we can read, or whose header contradicts itself.
class EInvalidGraphic : public Exception {
    using Exception::Exception;
};

constexpr uint32_t kBmpFileHeaderSize = 14;
constexpr uint32_t kBmpInfoHeaderSize = 40;

// The fields of an image that do not change its pixels, written back as they were read.
struct BmpExtras {
    uint16_t reserved1 = 0;
    uint16_t reserved2 = 0;
    uint32_t compression = 0;    // 0 (plain rows) or 3 (32-bit rows with B, G, R masks)
    bool sizeImageGiven = true;  // biSizeImage holds the row bytes (false: written as 0)
    int32_t xPelsPerMeter = 0;
    int32_t yPelsPerMeter = 0;
    bool clrUsedGiven = true;       // palette images: biClrUsed written (false: 0 for a full table)
    uint32_t clrUsedTrueColor = 0;  // true-colour images: biClrUsed as read (its table is in `gap`)
    uint32_t clrImportant = 0;
    uint32_t infoHeaderSize = kBmpInfoHeaderSize;
    std::vector<uint8_t> headerTail;  // info header beyond 40 bytes, and masks that follow it
    std::vector<uint8_t> gap;         // bytes between the colour table and the rows
    std::vector<uint8_t> trailing;    // bytes after the rows up to the image's size field

    friend bool operator==(const BmpExtras&, const BmpExtras&) = default;
};

// Everything about an image except its pixels.
struct BmpFormat {
    int bitsPerPixel = 24;          // 1, 4, 8, 24 or 32
    bool topDown = false;           // rows stored top row first (negative height)
    std::vector<uint32_t> palette;  // palette images: entries as stored (B, G, R, reserved)
    BmpExtras extras;

    friend bool operator==(const BmpFormat&, const BmpFormat&) = default;
};

struct BmpImage {
    BmpFormat format;
    // The colours; alpha is the stored fourth byte for 32 bits and 0xFF otherwise.
    platform::Surface pixels;
    // Palette images: one palette index per pixel, rows top first (empty otherwise).
    std::vector<uint8_t> indexes;
};

// The colour of a palette entry as stored (B, G, R, reserved) as an opaque pixel.
constexpr uint32_t PixelFromPaletteEntry(uint32_t entry) {
    return entry | 0xFF000000u;
}
// The pixel a palette index shows; indexes beyond the table show black.
uint32_t PixelOfIndex(const std::vector<uint32_t>& palette, uint8_t index);

// Decodes one complete BMP image (its size field must equal bytes.size()).
BmpImage DecodeBmp(std::span<const uint8_t> bytes);
// Reads one BMP image from the stream's position, consuming exactly the number of bytes its size
// field gives. EInvalidGraphic when the header lies; EReadError when the stream ends early.
BmpImage ReadBmp(TStream& stream);
// The same from bytes in memory, reading the image at `offset` in place (no copy of its bytes) and
// moving `offset` past it; the same checks and errors as a stream holding those bytes.
BmpImage ReadBmp(std::span<const uint8_t> bytes, size_t& offset);

// The number of bytes of one stored row, or -1 when it would not fit 32 bits.
int64_t BmpRowBytes(int32_t width, int bitsPerPixel);

// Encodes an image. Palette images take their indexes from `indexes` (one per pixel); true-colour
// images ignore it.
std::vector<uint8_t> EncodeBmp(const BmpFormat& format, const platform::Surface& pixels,
                               std::span<const uint8_t> indexes);

}  // namespace framework
