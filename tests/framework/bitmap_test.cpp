#include "framework/graphics/bitmap.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace framework;
using platform::RGB;

namespace {

std::vector<uint8_t> Saved(const TBitmap& bmp) {
    TMemoryStream s;
    bmp.SaveToStream(s);
    return s.Bytes();
}

TBitmap Loaded(const std::vector<uint8_t>& bytes) {
    TMemoryStream s(bytes);
    TBitmap bmp;
    bmp.LoadFromStream(s);
    return bmp;
}

// A 4 x 2 palette bitmap whose palette holds red twice (entries 1 and 3).
TBitmap SmallPaletteBitmap() {
    TBitmap bmp;
    bmp.SetPixelFormat(TPixelFormat::pf8bit);
    bmp.SetPalette({RGB(0, 0, 0), RGB(255, 0, 0), RGB(0, 0, 255), RGB(255, 0, 0)});
    bmp.SetSize(4, 2);
    return bmp;
}

TEST(Bitmap, NewBitmapIsEmptyTrueColor) {
    TBitmap bmp;
    EXPECT_TRUE(bmp.Empty());
    EXPECT_EQ(bmp.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(bmp.BitsPerPixel(), 24);
    EXPECT_THROW(Saved(bmp), EInvalidGraphic) << "an empty bitmap has no BMP image";
}

TEST(Bitmap, LoadThenSaveGivesTheSameBytes) {
    for (TPixelFormat pf : {TPixelFormat::pf1bit, TPixelFormat::pf4bit, TPixelFormat::pf8bit,
                            TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
        TBitmap bmp;
        bmp.SetPixelFormat(pf);
        bmp.SetSize(9, 5);
        for (int32_t y = 0; y < 5; ++y)
            for (int32_t x = 0; x < 9; ++x)
                bmp.SetPixel(x, y, (x + y) % 2 ? RGB(255, 255, 255) : RGB(0, 0, 0));
        std::vector<uint8_t> bytes = Saved(bmp);
        TBitmap back = Loaded(bytes);
        EXPECT_EQ(back.PixelFormat(), pf);
        EXPECT_EQ(back.Pixel(1, 0), RGB(255, 255, 255));
        EXPECT_EQ(Saved(back), bytes) << BitsPerPixel(pf) << " bits";
    }
}

TEST(Bitmap, PaletteIndexesSurviveUnlessThePixelIsDrawnOver) {
    TBitmap bmp = SmallPaletteBitmap();
    // Load an image that uses both red entries; then draw one pixel blue and one a near-red.
    BmpFormat f;
    f.bitsPerPixel = 8;
    f.palette = {0x000000, 0xFF0000, 0x0000FF, 0xFF0000};  // B,G,R,0 entries: black, red, blue, red
    platform::Surface s(4, 1);
    std::vector<uint8_t> idx = {3, 1, 3, 0};
    for (int x = 0; x < 4; ++x) s.row(0)[x] = PixelOfIndex(f.palette, idx[size_t(x)]);
    bmp = Loaded(EncodeBmp(f, s, idx));
    EXPECT_EQ(bmp.Pixel(0, 0), RGB(255, 0, 0));
    bmp.SetPixel(1, 0, RGB(0, 0, 250));
    bmp.SetPixel(3, 0, RGB(250, 5, 0));
    TBitmap back = Loaded(Saved(bmp));
    EXPECT_EQ(back.PaletteIndexes(), (std::vector<uint8_t>{3, 2, 3, 1}))
        << "untouched pixels keep their entry, drawn ones take the nearest";
    EXPECT_EQ(back.Pixel(1, 0), RGB(0, 0, 255));
}

TEST(Bitmap, ChangingFormatKeepsColorsThePaletteHolds) {
    TBitmap bmp;
    bmp.SetSize(3, 1);
    bmp.SetPixel(0, 0, RGB(255, 0, 0));
    bmp.SetPixel(1, 0, RGB(255, 255, 255));
    bmp.SetPixel(2, 0, RGB(51, 102, 153));
    bmp.SetPixelFormat(TPixelFormat::pf8bit);
    EXPECT_EQ(bmp.Palette().size(), 256u);
    EXPECT_EQ(bmp.Pixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(bmp.Pixel(2, 0), RGB(51, 102, 153));
    bmp.SetPixelFormat(TPixelFormat::pf1bit);
    EXPECT_EQ(bmp.Pixel(0, 0), RGB(0, 0, 0)) << "red is nearer black than white";
    EXPECT_EQ(bmp.Pixel(1, 0), RGB(255, 255, 255));
    bmp.SetPixelFormat(TPixelFormat::pf24bit);
    EXPECT_TRUE(bmp.Palette().empty());
    EXPECT_EQ(bmp.Pixel(1, 0), RGB(255, 255, 255));
}

TEST(Bitmap, RefusesSizesAndPalettesBeyondItsBounds) {
    TBitmap bmp;
    EXPECT_THROW(bmp.SetSize(40000, 1), EOutOfResources);
    EXPECT_THROW(bmp.SetSize(-1, 1), EOutOfResources);
    EXPECT_THROW(bmp.SetPalette({RGB(0, 0, 0)}), EInvalidGraphic) << "true colour has no palette";
    bmp.SetPixelFormat(TPixelFormat::pf1bit);
    EXPECT_THROW(bmp.SetPalette({0, 1, 2}), EInvalidGraphic);
}

TEST(Bitmap, AFailedLoadLeavesTheBitmapAsItWas) {
    TBitmap bmp = SmallPaletteBitmap();
    TBitmap before = bmp;
    std::vector<uint8_t> damaged = Saved(bmp);
    damaged[28] = 16;  // bit depth
    TMemoryStream s(damaged);
    EXPECT_THROW(bmp.LoadFromStream(s), EInvalidGraphic);
    EXPECT_EQ(bmp, before);
}

TEST(Bitmap, FilesRoundTrip) {
    auto path = std::filesystem::temp_directory_path() / "velmoro_bitmap_test.bmp";
    TBitmap bmp = SmallPaletteBitmap();
    bmp.SaveToFile(path.string());
    TBitmap back;
    back.LoadFromFile(path.string());
    EXPECT_EQ(back, bmp);
    std::filesystem::remove(path);
    EXPECT_THROW(back.LoadFromFile(path.string()), EFOpenError);
}

}  // namespace
