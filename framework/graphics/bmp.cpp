#include "framework/graphics/bmp.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>
#include <string>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <tmmintrin.h>
#endif

namespace framework {

namespace {

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;
constexpr uint32_t kMasksSize = 12;
// The masks of 32-bit rows that hold B, G, R (and A) bytes, the only bit-field layout we read.
constexpr uint32_t kRedMask = 0x00FF0000, kGreenMask = 0x0000FF00, kBlueMask = 0x000000FF;

uint16_t Get16(std::span<const uint8_t> b, size_t at) {
    return uint16_t(b[at] | (b[at + 1] << 8));
}
uint32_t Get32(std::span<const uint8_t> b, size_t at) {
    return uint32_t(b[at]) | (uint32_t(b[at + 1]) << 8) | (uint32_t(b[at + 2]) << 16) |
           (uint32_t(b[at + 3]) << 24);
}
void Put16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

[[noreturn]] void Refuse(const std::string& why) {
    throw EInvalidGraphic("Bitmap image is not valid: " + why);
}

bool IsPaletteDepth(int bits) {
    return bits == 1 || bits == 4 || bits == 8;
}
bool IsSupportedDepth(int bits) {
    return IsPaletteDepth(bits) || bits == 24 || bits == 32;
}
bool IsKnownInfoHeaderSize(uint32_t size) {
    // BITMAPINFOHEADER and its extensions: +RGB masks, +RGBA masks, V4, V5.
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

// The header fields a decoder needs, read and checked one by one.
struct BmpHeader {
    uint32_t fileSize = 0;
    uint32_t pixelOffset = 0;
    uint32_t infoSize = 0;
    int32_t width = 0;
    int32_t height = 0;  // rows, positive
    bool topDown = false;
    int bits = 0;
    uint32_t compression = 0;
    uint32_t sizeImage = 0;
    uint32_t clrUsed = 0;
    size_t tableStart = 0;  // first byte after the info header and any masks
    size_t paletteCount = 0;
    int64_t rowBytes = 0;
    int64_t pixelBytes = 0;
};

/*  A BMP image (all numbers little-endian):

      +0    "BM"
      +2    u32 size of the whole image ........ must equal the bytes we were given
      +6    u16 u16 reserved
      +10   u32 offset of the pixel rows ....... after the colour table, before the end
      +14   u32 info header size ............... 40 (52, 56, 108, 124: extensions follow +54)
      +18   i32 width .......................... 1 .. 32767
      +22   i32 height ......................... >0 bottom row first, <0 top row first
      +26   u16 planes ......................... 1
      +28   u16 bits per pixel ................. 1, 4, 8, 24, 32
      +30   u32 compression .................... 0; 3 (B,G,R masks) for 32 bits only
      +34   u32 size of the rows (may be 0)
      +38   i32 i32 pixels per metre x, y
      +46   u32 colours used ................... 0 = 2^bits; at most 2^bits
      +50   u32 colours important
      +54   [header extension] [3 x u32 masks when compression 3 and header 40]
            colour table: colours used x (B, G, R, 0) for 1, 4, 8 bits
            [gap]
      +offset  rows: |height| x ((width * bits + 31) / 32 * 4) bytes
            [trailing bytes up to the size]
*/
BmpHeader ReadHeader(std::span<const uint8_t> b) {
    if (b.size() < kBmpFileHeaderSize + kBmpInfoHeaderSize)
        Refuse("shorter than its headers");
    if (b[0] != 'B' || b[1] != 'M')
        Refuse("it does not start with \"BM\"");
    BmpHeader h;
    h.fileSize = Get32(b, 2);
    if (h.fileSize != b.size())
        Refuse("its size field says " + std::to_string(h.fileSize) + " bytes, the image has " +
               std::to_string(b.size()));
    h.pixelOffset = Get32(b, 10);
    h.infoSize = Get32(b, 14);
    if (!IsKnownInfoHeaderSize(h.infoSize))
        Refuse("unknown info header size " + std::to_string(h.infoSize));
    if (kBmpFileHeaderSize + uint64_t(h.infoSize) > b.size())
        Refuse("its info header runs past its end");

    int32_t width = int32_t(Get32(b, 18));
    int32_t height = int32_t(Get32(b, 22));
    if (width <= 0 || height == 0 || height == std::numeric_limits<int32_t>::min())
        Refuse("dimensions " + std::to_string(width) + " x " + std::to_string(height));
    h.width = width;
    h.topDown = height < 0;
    h.height = height < 0 ? -height : height;
    if (!platform::Surface::SizeAllowed(h.width, h.height))
        Refuse("dimensions " + std::to_string(h.width) + " x " + std::to_string(h.height) + " are too large");

    if (Get16(b, 26) != 1)
        Refuse("planes " + std::to_string(Get16(b, 26)));
    h.bits = Get16(b, 28);
    if (!IsSupportedDepth(h.bits))
        Refuse("unsupported bit depth " + std::to_string(h.bits));

    h.compression = Get32(b, 30);
    h.tableStart = kBmpFileHeaderSize + h.infoSize;
    if (h.compression == kBiBitfields && h.bits == 32) {
        if (h.infoSize == kBmpInfoHeaderSize)
            h.tableStart += kMasksSize;
        if (h.tableStart > b.size())
            Refuse("its colour masks run past its end");
        if (Get32(b, 54) != kRedMask || Get32(b, 58) != kGreenMask || Get32(b, 62) != kBlueMask)
            Refuse("unsupported colour masks");
    } else if (h.compression != kBiRgb) {
        Refuse("unsupported compression " + std::to_string(h.compression) + " at " + std::to_string(h.bits) +
               " bits");
    }
    h.sizeImage = Get32(b, 34);
    h.clrUsed = Get32(b, 46);

    if (IsPaletteDepth(h.bits)) {
        size_t full = size_t(1) << h.bits;
        if (h.clrUsed > full)
            Refuse("palette of " + std::to_string(h.clrUsed) + " colours at " + std::to_string(h.bits) +
                   " bits");
        h.paletteCount = h.clrUsed == 0 ? full : h.clrUsed;
    }
    uint64_t tableEnd = h.tableStart + uint64_t(h.paletteCount) * 4;
    if (tableEnd > h.pixelOffset)
        Refuse("its colour table runs into its pixel rows");

    h.rowBytes = BmpRowBytes(h.width, h.bits);
    h.pixelBytes = h.rowBytes * h.height;  // both bounded by the surface limits: no overflow
    if (h.rowBytes < 0 || uint64_t(h.pixelOffset) + uint64_t(h.pixelBytes) > b.size())
        Refuse("its pixel rows run past its end");
    return h;
}

// The colour each index shows, for all 256 a byte can hold (beyond the table: black).
std::array<uint32_t, 256> IndexColours(const std::vector<uint32_t>& palette) {
    std::array<uint32_t, 256> colours;
    for (size_t i = 0; i < colours.size(); ++i) colours[i] = PixelOfIndex(palette, uint8_t(i));
    return colours;
}

// Three bytes a pixel, four pixels from one 64-bit and one 32-bit load (B0 G0 R0 B1 G1 R1 B2 G2 |
// R2 B3 G3 R3) and written as two pairs, instead of a load for every byte.
void DecodeRow24Scalar(const uint8_t* src, uint32_t* dst, int32_t width) {
    static_assert(std::endian::native == std::endian::little, "pixels are B, G, R, A bytes in memory");
    constexpr uint64_t kOpaquePair = 0xFF000000FF000000ull;
    int32_t x = 0;
    for (; x + 4 <= width; x += 4, src += 12) {
        uint64_t q;
        uint32_t w;
        std::memcpy(&q, src, 8);
        std::memcpy(&w, src + 8, 4);
        const uint64_t first = (q & 0xFFFFFF) | ((q << 8) & 0x00FFFFFF00000000ull) | kOpaquePair;
        // Pixel 2 is B2 G2 from q and R2 from w; pixel 3 is the rest of w (its R2 byte falls under
        // pixel 2's alpha).
        const uint64_t second = (q >> 48) | (uint64_t(w & 0xFF) << 16) | (uint64_t(w) << 24) | kOpaquePair;
        std::memcpy(dst + x, &first, 8);
        std::memcpy(dst + x + 2, &second, 8);
    }
    for (; x < width; ++x, src += 3) dst[x] = platform::PackBGRA(src[0], src[1], src[2], 0xFF);
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
// The same with one byte shuffle for four pixels where the processor has SSSE3. A 16-byte load for
// 12 bytes of pixels stays inside the row while two more pixels follow.
__attribute__((target("ssse3"))) void DecodeRow24Ssse3(const uint8_t* src, uint32_t* dst, int32_t width) {
    const __m128i order = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i opaque = _mm_set1_epi32(int32_t(0xFF000000u));
    int32_t x = 0;
    for (; x + 6 <= width; x += 4, src += 12) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + x),
                         _mm_or_si128(_mm_shuffle_epi8(bytes, order), opaque));
    }
    DecodeRow24Scalar(src, dst + x, width - x);
}

void DecodeRow24(const uint8_t* src, uint32_t* dst, int32_t width) {
    static const bool ssse3 = __builtin_cpu_supports("ssse3");
    if (ssse3)
        DecodeRow24Ssse3(src, dst, width);
    else
        DecodeRow24Scalar(src, dst, width);
}
#else
void DecodeRow24(const uint8_t* src, uint32_t* dst, int32_t width) {
    DecodeRow24Scalar(src, dst, width);
}
#endif

void DecodeRows(std::span<const uint8_t> b, const BmpHeader& h, BmpImage& image) {
    const int32_t w = h.width;
    const bool indexed = IsPaletteDepth(h.bits);
    std::array<uint32_t, 256> colours{};
    if (indexed) {
        image.indexes.resize(size_t(w) * size_t(h.height));
        colours = IndexColours(image.format.palette);
    }
    for (int32_t y = 0; y < h.height; ++y) {
        int32_t stored = h.topDown ? y : h.height - 1 - y;
        const uint8_t* src = b.data() + h.pixelOffset + size_t(stored) * size_t(h.rowBytes);
        uint32_t* dst = image.pixels.row(y);
        if (h.bits == 8) {
            std::memcpy(image.indexes.data() + size_t(y) * size_t(w), src, size_t(w));
            for (int32_t x = 0; x < w; ++x) dst[x] = colours[src[x]];
        } else if (indexed) {
            uint8_t* idx = image.indexes.data() + size_t(y) * size_t(w);
            const int perByte = 8 / h.bits;
            const uint8_t mask = uint8_t((1 << h.bits) - 1);
            for (int32_t x = 0; x < w; ++x) {
                int shift = 8 - h.bits * (x % perByte + 1);
                idx[x] = uint8_t((src[x / perByte] >> shift) & mask);
                dst[x] = colours[idx[x]];
            }
        } else if (h.bits == 24) {
            DecodeRow24(src, dst, w);
        } else {
            for (int32_t x = 0; x < w; ++x, src += 4)
                dst[x] = platform::PackBGRA(src[0], src[1], src[2], src[3]);
        }
    }
}

// The size an image's file header gives, checked before anything of the image is read: the
// `remaining` bytes after the file header must hold it.
uint32_t CheckedImageSize(std::span<const uint8_t> head, int64_t remaining) {
    if (head[0] != 'B' || head[1] != 'M')
        Refuse("it does not start with \"BM\"");
    uint32_t size = Get32(head, 2);
    if (size < kBmpFileHeaderSize + kBmpInfoHeaderSize)
        Refuse("its size field says " + std::to_string(size) + " bytes, less than its headers");
    // The size field decides how much we take; never trust it beyond what the stream holds.
    if (int64_t(size - kBmpFileHeaderSize) > remaining)
        throw EReadError("Stream read error: the bitmap's size field says " + std::to_string(size) +
                         " bytes, the stream holds " + std::to_string(remaining + kBmpFileHeaderSize));
    return size;
}

}  // namespace

uint32_t PixelOfIndex(const std::vector<uint32_t>& palette, uint8_t index) {
    return index < palette.size() ? PixelFromPaletteEntry(palette[index]) : 0xFF000000u;
}

int64_t BmpRowBytes(int32_t width, int bitsPerPixel) {
    int64_t bytes = (int64_t(width) * bitsPerPixel + 31) / 32 * 4;
    return bytes > std::numeric_limits<int32_t>::max() ? -1 : bytes;
}

BmpImage DecodeBmp(std::span<const uint8_t> b) {
    BmpHeader h = ReadHeader(b);
    BmpImage image;
    BmpFormat& f = image.format;
    f.bitsPerPixel = h.bits;
    f.topDown = h.topDown;
    for (size_t i = 0; i < h.paletteCount; ++i) f.palette.push_back(Get32(b, h.tableStart + 4 * i));

    BmpExtras& e = f.extras;
    e.reserved1 = Get16(b, 6);
    e.reserved2 = Get16(b, 8);
    e.compression = h.compression;
    e.sizeImageGiven = h.sizeImage != 0;
    e.xPelsPerMeter = int32_t(Get32(b, 38));
    e.yPelsPerMeter = int32_t(Get32(b, 42));
    e.clrUsedGiven = !IsPaletteDepth(h.bits) || h.clrUsed != 0;
    e.clrUsedTrueColor = IsPaletteDepth(h.bits) ? 0 : h.clrUsed;
    e.clrImportant = Get32(b, 50);
    e.infoHeaderSize = h.infoSize;
    size_t tableEnd = h.tableStart + h.paletteCount * 4;
    size_t rowsEnd = h.pixelOffset + size_t(h.pixelBytes);
    e.headerTail.assign(b.begin() + kBmpFileHeaderSize + kBmpInfoHeaderSize, b.begin() + h.tableStart);
    e.gap.assign(b.begin() + tableEnd, b.begin() + h.pixelOffset);
    e.trailing.assign(b.begin() + rowsEnd, b.end());

    image.pixels = platform::Surface(h.width, h.height);
    DecodeRows(b, h, image);
    return image;
}

BmpImage ReadBmp(TStream& stream) {
    uint8_t fileHeader[kBmpFileHeaderSize];
    stream.ReadBuffer(fileHeader, kBmpFileHeaderSize);
    const uint32_t size = CheckedImageSize(fileHeader, stream.Size() - stream.Position());
    std::vector<uint8_t> bytes(size);
    std::copy(fileHeader, fileHeader + kBmpFileHeaderSize, bytes.begin());
    stream.ReadBuffer(bytes.data() + kBmpFileHeaderSize, size - kBmpFileHeaderSize);
    return DecodeBmp(bytes);
}

BmpImage ReadBmp(std::span<const uint8_t> bytes, size_t& offset) {
    const std::span<const uint8_t> rest = bytes.subspan(std::min(offset, bytes.size()));
    if (rest.size() < kBmpFileHeaderSize)
        throw EReadError(kStreamReadError);
    const uint32_t size = CheckedImageSize(rest, int64_t(rest.size() - kBmpFileHeaderSize));
    BmpImage image = DecodeBmp(rest.first(size));
    offset += size;
    return image;
}

std::vector<uint8_t> EncodeBmp(const BmpFormat& f, const platform::Surface& pixels,
                               std::span<const uint8_t> indexes) {
    const BmpExtras& e = f.extras;
    const int bits = f.bitsPerPixel;
    if (!IsSupportedDepth(bits))
        Refuse("cannot write " + std::to_string(bits) + " bits per pixel");
    if (pixels.isEmpty())
        Refuse("cannot write an empty bitmap");
    const bool indexed = IsPaletteDepth(bits);
    const int32_t w = pixels.width(), h = pixels.height();
    if (indexed && (f.palette.empty() || f.palette.size() > (size_t(1) << bits)))
        Refuse("a palette of " + std::to_string(f.palette.size()) + " colours at " + std::to_string(bits) +
               " bits");
    if (indexed && indexes.size() != size_t(w) * size_t(h))
        Refuse("palette indexes do not match the size");
    if (e.infoHeaderSize < kBmpInfoHeaderSize || e.headerTail.size() < e.infoHeaderSize - kBmpInfoHeaderSize)
        Refuse("inconsistent info header");

    const int64_t rowBytes = BmpRowBytes(w, bits);
    const int64_t pixelBytes = rowBytes * h;
    const size_t paletteBytes = indexed ? f.palette.size() * 4 : 0;
    const uint64_t offset =
        kBmpFileHeaderSize + kBmpInfoHeaderSize + e.headerTail.size() + paletteBytes + e.gap.size();
    const uint64_t size = offset + uint64_t(pixelBytes) + e.trailing.size();
    if (size > std::numeric_limits<uint32_t>::max())
        Refuse("the image would exceed 4 GiB");

    uint32_t clrUsed =
        indexed
            ? ((!e.clrUsedGiven && f.palette.size() == (size_t(1) << bits)) ? 0 : uint32_t(f.palette.size()))
            : e.clrUsedTrueColor;
    std::vector<uint8_t> out;
    out.reserve(size_t(size));
    out.push_back('B');
    out.push_back('M');
    Put32(out, uint32_t(size));
    Put16(out, e.reserved1);
    Put16(out, e.reserved2);
    Put32(out, uint32_t(offset));
    Put32(out, e.infoHeaderSize);
    Put32(out, uint32_t(w));
    Put32(out, uint32_t(f.topDown ? -h : h));
    Put16(out, 1);
    Put16(out, uint16_t(bits));
    Put32(out, e.compression);
    Put32(out, e.sizeImageGiven ? uint32_t(pixelBytes) : 0);
    Put32(out, uint32_t(e.xPelsPerMeter));
    Put32(out, uint32_t(e.yPelsPerMeter));
    Put32(out, clrUsed);
    Put32(out, e.clrImportant);
    out.insert(out.end(), e.headerTail.begin(), e.headerTail.end());
    if (indexed)
        for (uint32_t entry : f.palette) Put32(out, entry);
    out.insert(out.end(), e.gap.begin(), e.gap.end());

    const size_t rowsStart = out.size();
    out.resize(rowsStart + size_t(pixelBytes), 0);
    for (int32_t y = 0; y < h; ++y) {
        int32_t stored = f.topDown ? y : h - 1 - y;
        uint8_t* dst = out.data() + rowsStart + size_t(stored) * size_t(rowBytes);
        const uint32_t* src = pixels.row(y);
        if (indexed) {
            const uint8_t* idx = indexes.data() + size_t(y) * size_t(w);
            const int perByte = 8 / bits;
            const uint8_t mask = uint8_t((1 << bits) - 1);
            for (int32_t x = 0; x < w; ++x)
                dst[x / perByte] |= uint8_t((idx[x] & mask) << (8 - bits * (x % perByte + 1)));
        } else if (bits == 24) {
            for (int32_t x = 0; x < w; ++x, dst += 3) {
                dst[0] = uint8_t(src[x]);
                dst[1] = uint8_t(src[x] >> 8);
                dst[2] = uint8_t(src[x] >> 16);
            }
        } else {
            for (int32_t x = 0; x < w; ++x, dst += 4)
                for (int i = 0; i < 4; ++i) dst[i] = uint8_t(src[x] >> (8 * i));
        }
    }
    out.insert(out.end(), e.trailing.begin(), e.trailing.end());
    return out;
}

}  // namespace framework
