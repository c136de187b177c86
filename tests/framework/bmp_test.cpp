#include "framework/graphics/bmp.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

using namespace framework;

namespace {

std::vector<uint32_t> GreyPalette(size_t n) {
    std::vector<uint32_t> p;
    for (size_t i = 0; i < n; ++i) {
        uint32_t v = uint32_t(i * 255 / (n > 1 ? n - 1 : 1));
        p.push_back(v | (v << 8) | (v << 16));
    }
    return p;
}

// A random image of the given shape, with indexes that stay inside the palette.
BmpImage RandomImage(int32_t w, int32_t h, int bits, bool topDown, size_t paletteSize, uint32_t seed) {
    std::mt19937 rng(seed);
    BmpImage img;
    img.format.bitsPerPixel = bits;
    img.format.topDown = topDown;
    img.pixels = platform::Surface(w, h);
    if (bits <= 8) {
        img.format.palette = GreyPalette(paletteSize);
        img.indexes.resize(size_t(w) * size_t(h));
        for (auto& i : img.indexes) i = uint8_t(rng() % paletteSize);
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x)
                img.pixels.row(y)[x] = PixelOfIndex(img.format.palette, img.indexes[size_t(y) * w + x]);
    } else {
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x) img.pixels.row(y)[x] = rng() | (bits == 24 ? 0xFF000000u : 0);
    }
    return img;
}

std::vector<uint8_t> Encode(const BmpImage& img) {
    return EncodeBmp(img.format, img.pixels, img.indexes);
}

void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(v >> (8 * i));
}
void Put16(std::vector<uint8_t>& b, size_t at, uint16_t v) {
    b[at] = uint8_t(v);
    b[at + 1] = uint8_t(v >> 8);
}

TEST(Bmp, DecodeThenEncodeGivesTheSameBytesForEveryDepthAndOrientation) {
    struct Case {
        int bits;
        size_t palette;
    };
    const Case cases[] = {{1, 2}, {1, 1}, {4, 16}, {4, 9}, {8, 256}, {8, 255}, {8, 3}, {24, 0}, {32, 0}};
    uint32_t seed = 1;
    for (const Case& c : cases)
        for (bool topDown : {false, true})
            for (int32_t w : {1, 3, 5, 6, 7, 8, 13, 16, 17}) {
                SCOPED_TRACE("bits " + std::to_string(c.bits) + " palette " + std::to_string(c.palette) +
                             (topDown ? " top-down" : " bottom-up") + " width " + std::to_string(w));
                BmpImage img = RandomImage(w, 7, c.bits, topDown, c.palette, seed++);
                std::vector<uint8_t> bytes = Encode(img);
                BmpImage back = DecodeBmp(bytes);
                EXPECT_EQ(back.format, img.format);
                EXPECT_EQ(back.pixels, img.pixels);
                EXPECT_EQ(back.indexes, img.indexes);
                EXPECT_EQ(Encode(back), bytes);
            }
}

// The pictures of the shipped skin, by size and depth, with the byte sizes a reader must consume.
TEST(Bmp, ImageSizesFollowRowPaddingAndPaletteSize) {
    struct Case {
        int32_t w, h;
        int bits;
        size_t palette;
        size_t bytes;
    };
    const Case cases[] = {
        {158, 136, 8, 255, 22834}, {58, 102, 8, 210, 7014}, {61, 40, 24, 0, 7414},
        {539, 362, 24, 0, 586494}, {47, 21, 8, 9, 1098},
    };
    for (const Case& c : cases) {
        BmpImage img = RandomImage(c.w, c.h, c.bits, false, c.palette ? c.palette : 1, 7);
        EXPECT_EQ(Encode(img).size(), c.bytes) << c.w << " x " << c.h << " at " << c.bits;
    }
}

TEST(Bmp, DecodesPixelsInStoredOrder) {
    // 1 bit, 3 x 2, bottom-up: bottom row 101, top row 010 (most significant bit first).
    BmpImage img;
    img.format.bitsPerPixel = 1;
    img.format.palette = {0x000000, 0xFFFFFF};
    img.pixels = platform::Surface(3, 2);
    img.indexes = {0, 1, 0, 1, 0, 1};
    std::vector<uint8_t> b = Encode(img);
    ASSERT_EQ(b.size(), 54u + 8 + 8);
    EXPECT_EQ(b[62], 0b10100000) << "bottom row first";
    EXPECT_EQ(b[66], 0b01000000);
    BmpImage back = DecodeBmp(b);
    EXPECT_EQ(back.pixels.pixel(1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(back.pixels.pixel(0, 0), 0xFF000000u);
    EXPECT_EQ(back.pixels.pixel(0, 1), 0xFFFFFFFFu);

    // 4 bits: the high nibble is the left pixel.
    img.format.bitsPerPixel = 4;
    img.format.topDown = true;
    img.indexes = {1, 0, 1, 0, 0, 0};
    b = Encode(img);
    EXPECT_EQ(b[62], 0x10) << "top row first";
    EXPECT_EQ(b[63], 0x10);
}

TEST(Bmp, IndexesBeyondThePaletteShowBlackAndAreKept) {
    BmpImage img = RandomImage(4, 2, 8, false, 3, 1);
    std::vector<uint8_t> b = Encode(img);
    b[b.size() - 1] = 200;  // last pixel of the top row
    BmpImage back = DecodeBmp(b);
    EXPECT_EQ(back.pixels.pixel(3, 0), 0xFF000000u);
    EXPECT_EQ(back.indexes[3], 200);
    EXPECT_EQ(Encode(back), b);
}

// What other writers put around the pixels comes back unchanged.
TEST(Bmp, KeepsHeaderExtensionsGapsAndTrailingBytes) {
    BmpImage img = RandomImage(5, 3, 32, true, 0, 3);
    BmpExtras& e = img.format.extras;
    e.compression = 3;
    e.infoHeaderSize = 124;
    e.headerTail.assign(124 - 40, 0);
    // The V5 header's masks: R, G, B, A.
    const uint32_t masks[] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    std::memcpy(e.headerTail.data(), masks, sizeof masks);
    e.headerTail[16] = 'B';  // colour space "BGRs"
    e.xPelsPerMeter = 2835;
    e.yPelsPerMeter = 2835;
    e.sizeImageGiven = false;
    e.reserved1 = 7;
    e.gap = {1, 2, 3};
    e.trailing = {9, 9};
    std::vector<uint8_t> b = Encode(img);
    BmpImage back = DecodeBmp(b);
    EXPECT_EQ(back.format, img.format);
    EXPECT_EQ(back.pixels, img.pixels);
    EXPECT_EQ(Encode(back), b);

    // 40-byte header with the masks after it, and an 8-bit image whose full table says 0 colours.
    BmpImage masked = RandomImage(2, 2, 32, false, 0, 4);
    masked.format.extras.compression = 3;
    masked.format.extras.headerTail.resize(12);
    std::memcpy(masked.format.extras.headerTail.data(), masks, 12);
    EXPECT_EQ(Encode(DecodeBmp(Encode(masked))), Encode(masked));
    BmpImage full = RandomImage(3, 3, 8, false, 256, 5);
    full.format.extras.clrUsedGiven = false;
    std::vector<uint8_t> fb = Encode(full);
    EXPECT_EQ(fb[46], 0) << "colours used written as 0";
    EXPECT_EQ(Encode(DecodeBmp(fb)), fb);
}

TEST(Bmp, LyingHeadersAreRefused) {
    const std::vector<uint8_t> good = Encode(RandomImage(6, 4, 8, false, 10, 9));  // 54 + 40 + 32 bytes
    ASSERT_EQ(good.size(), 126u);
    struct Case {
        const char* what;
        std::function<void(std::vector<uint8_t>&)> damage;
        const char* message;
    };
    const Case cases[] = {
        {"not BM", [](auto& b) { b[1] = 'X'; }, "\"BM\""},
        {"size field too small", [](auto& b) { Put32(b, 2, 100); }, "size field"},
        {"size field too large", [](auto& b) { Put32(b, 2, 0xFFFFFFFF); }, "size field"},
        {"unknown info header", [](auto& b) { Put32(b, 14, 12); }, "info header size"},
        {"info header past end",
         [](auto& b) {
             Put32(b, 14, 124);
             b.resize(100);
             Put32(b, 2, 100);
         },
         "info header"},
        {"width 0", [](auto& b) { Put32(b, 18, 0); }, "dimensions"},
        {"negative width", [](auto& b) { Put32(b, 18, uint32_t(-6)); }, "dimensions"},
        {"height 0", [](auto& b) { Put32(b, 22, 0); }, "dimensions"},
        {"most negative height", [](auto& b) { Put32(b, 22, 0x80000000u); }, "dimensions"},
        {"huge width", [](auto& b) { Put32(b, 18, 40000); }, "too large"},
        {"too many pixels",
         [](auto& b) {
             Put32(b, 18, 30000);
             Put32(b, 22, 30000);
         },
         "too large"},
        {"planes", [](auto& b) { Put16(b, 26, 2); }, "planes"},
        {"16 bits", [](auto& b) { Put16(b, 28, 16); }, "bit depth"},
        {"0 bits", [](auto& b) { Put16(b, 28, 0); }, "bit depth"},
        {"palette larger than 2^bits", [](auto& b) { Put32(b, 46, 257); }, "palette"},
        {"palette larger than 4 bits allow",
         [](auto& b) {
             Put16(b, 28, 4);
             Put32(b, 46, 17);
         },
         "palette"},
        {"run-length compression", [](auto& b) { Put32(b, 30, 1); }, "compression"},
        {"bit fields at 8 bits", [](auto& b) { Put32(b, 30, 3); }, "compression"},
        {"pixel offset inside the palette", [](auto& b) { Put32(b, 10, 60); }, "colour table"},
        {"pixel offset past the end", [](auto& b) { Put32(b, 10, 120); }, "pixel rows"},
        {"rows past the end", [](auto& b) { Put32(b, 22, 5); }, "pixel rows"},
        {"palette says more than the offset leaves", [](auto& b) { Put32(b, 46, 20); }, "colour table"},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> b = good;
        c.damage(b);
        try {
            DecodeBmp(b);
            ADD_FAILURE() << c.what << ": accepted";
        } catch (const EInvalidGraphic& e) {
            EXPECT_NE(e.Message().find(c.message), std::string::npos) << c.what << ": " << e.Message();
        }
    }
}

TEST(Bmp, BitFieldsNeedTheStandardMasks) {
    BmpImage img = RandomImage(2, 2, 32, false, 0, 4);
    img.format.extras.compression = 3;
    img.format.extras.headerTail = {0xFF, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0};  // R and B swapped
    EXPECT_THROW(DecodeBmp(Encode(img)), EInvalidGraphic);
    img.format.extras.headerTail.resize(4);  // masks cut off by the pixel offset
    std::vector<uint8_t> b = Encode(img);
    EXPECT_THROW(DecodeBmp(b), EInvalidGraphic);
}

TEST(Bmp, EveryTruncationIsRefusedCleanly) {
    const std::vector<uint8_t> good = Encode(RandomImage(5, 3, 4, false, 5, 2));
    for (size_t n = 0; n < good.size(); ++n) {
        std::vector<uint8_t> cut(good.begin(), good.begin() + n);
        if (n >= 6)
            Put32(cut, 2, uint32_t(n));  // a size field that agrees with the cut image
        EXPECT_THROW(DecodeBmp(cut), EInvalidGraphic) << n << " bytes";
    }
}

TEST(Bmp, ReadBmpConsumesExactlyItsSizeField) {
    std::vector<uint8_t> a = Encode(RandomImage(3, 3, 24, false, 0, 1));
    std::vector<uint8_t> b = Encode(RandomImage(2, 5, 8, true, 4, 2));
    TMemoryStream s;
    s.WriteBuffer(a.data(), int64_t(a.size()));
    s.WriteBuffer(b.data(), int64_t(b.size()));
    s.WriteBuffer("tail", 4);
    s.SetPosition(0);
    EXPECT_EQ(Encode(ReadBmp(s)), a);
    EXPECT_EQ(s.Position(), int64_t(a.size()));
    EXPECT_EQ(Encode(ReadBmp(s)), b);
    EXPECT_EQ(s.Position(), int64_t(a.size() + b.size()));
}

TEST(Bmp, ReadBmpRefusesASizeBeyondTheStreamBeforeAllocating) {
    std::vector<uint8_t> a = Encode(RandomImage(3, 3, 24, false, 0, 1));
    Put32(a, 2, 0xFFFFFFF0u);
    TMemoryStream s(a);
    EXPECT_THROW(ReadBmp(s), EReadError);
    TMemoryStream tiny(std::vector<uint8_t>{'B', 'M', 10, 0, 0, 0});
    EXPECT_THROW(ReadBmp(tiny), EReadError) << "the stream ends inside the file header";
    TMemoryStream small(std::vector<uint8_t>{'B', 'M', 20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_THROW(ReadBmp(small), EInvalidGraphic) << "a size smaller than the headers";
}

TEST(Bmp, EncodingRefusesWhatCannotBeWritten) {
    BmpFormat f;
    EXPECT_THROW(EncodeBmp(f, platform::Surface(), {}), EInvalidGraphic) << "empty";
    f.bitsPerPixel = 8;
    EXPECT_THROW(EncodeBmp(f, platform::Surface(1, 1), std::vector<uint8_t>{0}), EInvalidGraphic)
        << "no palette";
    f.palette.assign(3, 0);
    EXPECT_THROW(EncodeBmp(f, platform::Surface(2, 1), std::vector<uint8_t>{0}), EInvalidGraphic)
        << "indexes";
    f.bitsPerPixel = 16;
    EXPECT_THROW(EncodeBmp(f, platform::Surface(1, 1), {}), EInvalidGraphic) << "depth";
}

}  // namespace
