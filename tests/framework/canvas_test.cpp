// Canvases on bitmaps, fonts, and image lists drawn normal and disabled.
#include "framework/graphics/canvas.h"

#include <gtest/gtest.h>

#include "framework/core/stream.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/image_list.h"

using namespace framework;
using namespace platform;

namespace {

// How many pixels of the rectangle are not `background`.
int Ink(TBitmap& bitmap, Rect area, COLORREF background) {
    int ink = 0;
    for (int32_t y = area.Top; y < area.Bottom; ++y)
        for (int32_t x = area.Left; x < area.Right; ++x) ink += bitmap.Pixel(x, y) != background;
    return ink;
}

TEST(Canvas, ABitmapsCanvasDrawsOnItsPixelsAcrossResizesAndCopies) {
    TBitmap bitmap;
    bitmap.SetSize(40, 20);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetColor(RGB(255, 255, 255));
    canvas.FillRect({0, 0, 40, 20});
    canvas.Font().SetHeight(-12);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.TextOut(2, 2, "裙");
    EXPECT_GT(Ink(bitmap, {0, 0, 40, 20}, RGB(255, 255, 255)), 10);
    EXPECT_EQ(bitmap.Pixel(39, 19), RGB(255, 255, 255));

    // The same canvas keeps drawing after the bitmap grows.
    bitmap.SetSize(80, 30);
    canvas.Brush().SetColor(RGB(0, 0, 255));
    canvas.FillRect({60, 20, 80, 30});
    EXPECT_EQ(bitmap.Pixel(79, 29), RGB(0, 0, 255));

    // A copy has its own pixels and its own canvas.
    TBitmap copy = bitmap;
    EXPECT_TRUE(copy == bitmap);
    copy.Canvas().Brush().SetColor(RGB(0, 255, 0));
    copy.Canvas().FillRect({0, 0, 80, 30});
    EXPECT_EQ(copy.Pixel(0, 0), RGB(0, 255, 0));
    EXPECT_EQ(bitmap.Pixel(79, 29), RGB(0, 0, 255));
}

TEST(Canvas, DrawnColorsOfAPaletteBitmapAreSavedThroughItsPalette) {
    TBitmap bitmap;
    bitmap.SetPixelFormat(TPixelFormat::pf8bit);
    bitmap.SetSize(4, 4);
    bitmap.SetPalette({RGB(0, 0, 0), RGB(255, 0, 0), RGB(250, 250, 250)});
    bitmap.Canvas().Brush().SetColor(RGB(254, 2, 1));
    bitmap.Canvas().FillRect({0, 0, 2, 4});
    TMemoryStream stream;
    bitmap.SaveToStream(stream);
    stream.SetPosition(0);
    TBitmap loaded;
    loaded.LoadFromStream(stream);
    EXPECT_EQ(loaded.Pixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(loaded.Pixel(3, 3), RGB(0, 0, 0));
}

TEST(Canvas, CopyRectAndStretchDrawScaleNearestNeighbour) {
    TBitmap source;
    source.SetSize(2, 1);
    source.SetPixel(0, 0, RGB(255, 0, 0));
    source.SetPixel(1, 0, RGB(0, 0, 255));
    TBitmap target;
    target.SetSize(4, 2);
    target.Canvas().StretchDraw({0, 0, 4, 2}, source);
    EXPECT_EQ(target.Pixel(1, 1), RGB(255, 0, 0));
    EXPECT_EQ(target.Pixel(2, 0), RGB(0, 0, 255));
    target.Canvas().CopyRect({3, 0, 4, 1}, source.Canvas(), {0, 0, 1, 1});
    EXPECT_EQ(target.Pixel(3, 0), RGB(255, 0, 0));
}

TEST(Font, SizeAndHeightAreOneValueAndChangesAreTold) {
    TFont font;
    int changes = 0;
    font.OnChange = [&](TObject*) { ++changes; };
    font.SetSize(8);
    EXPECT_EQ(font.Height(), -11);
    font.SetHeight(-14);
    EXPECT_EQ(font.Size(), 11);
    font.SetStyle({TFontStyle::fsBold});
    font.SetHeight(-14);  // unchanged: no notice
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(font.LogFont().lfWeight, FW_BOLD);
    TFont other;
    other.Assign(font);
    EXPECT_TRUE(other.SameAs(font));
    // A height the platform refuses still gives a usable font.
    font.SetHeight(100000);
    EXPECT_NE(font.Handle(), nullptr);
}

TEST(ImageList, ImagesDrawWithTheirTransparentColorNormalAndDisabled) {
    TImageList images(nullptr);
    images.SetSize(4, 4);
    int changes = 0;
    const int listener = images.AddChangeListener([&] { ++changes; });
    Surface picture(4, 4);
    picture.fill(PixelFromColor(RGB(255, 0, 255)));  // the transparent colour
    picture.setPixel(1, 1, PixelFromColor(RGB(200, 0, 0)));
    EXPECT_EQ(images.AddMasked(picture), 0);
    EXPECT_EQ(images.Add(picture), 1);
    TBitmap target;
    target.SetSize(12, 4);
    target.Canvas().Brush().SetColor(RGB(0, 128, 0));
    target.Canvas().FillRect({0, 0, 12, 4});
    images.Draw(target.Canvas(), 0, 0, 0);
    images.Draw(target.Canvas(), 4, 0, 0, false);
    images.Draw(target.Canvas(), 8, 0, 1);
    images.Draw(target.Canvas(), 8, 0, 7);  // no such image: nothing
    EXPECT_EQ(target.Pixel(0, 0), RGB(0, 128, 0));
    EXPECT_EQ(target.Pixel(1, 1), RGB(200, 0, 0));
    const COLORREF grey = target.Pixel(5, 1);
    EXPECT_EQ(GetRValue(grey), GetGValue(grey));
    EXPECT_EQ(GetGValue(grey), GetBValue(grey));
    EXPECT_EQ(target.Pixel(4, 0), RGB(0, 128, 0));
    EXPECT_EQ(target.Pixel(8, 0), RGB(255, 0, 255));  // without a transparent colour
    images.SetWidth(16);                              // a new size drops the images
    EXPECT_EQ(images.Count(), 0);
    images.RemoveChangeListener(listener);
    images.SetWidth(8);
    EXPECT_EQ(changes, 3);
}

}  // namespace
