// Drawing one menu item: the shipped MENUITEM face across a 104-pixel item (ends 8 and 8, the
// 38-pixel middle tiled as 38, 38 and 12), its text area and caption place, headers, the built-in
// marks against the strokes they are made of, and the window-command glyphs of system-menu items.
#include "skin/menus/item_painting.h"

#include <gtest/gtest.h>

#include <functional>

#include "framework/graphics/bitmap.h"
#include "framework/menus/menu_item.h"
#include "platform/gfx/dc.h"
#include "platform/gfx/pen_brush.h"
#include "skin/menus/item_layout.h"
#include "skin/menus/menu_skin.h"
#include "skin/render/standard_glyphs.h"
#include "tests/skin_menus/menus_fixture.h"

using namespace skin;
using framework::TBitmap;
using framework::TMenuItem;
using menus_test::MenusTest;
using platform::COLORREF;
using platform::Point;
using platform::Rect;

namespace {

std::vector<COLORREF> Column(const platform::Surface& s, int32_t x, int32_t top, int32_t bottom) {
    std::vector<COLORREF> colors;
    for (int32_t y = top; y < bottom; ++y) colors.push_back(platform::ColorFromPixel(s.pixel(x, y)));
    return colors;
}

// A picture with only the pixels a drawing call changes in black on white.
TBitmap Drawn(const std::function<void(platform::HDC)>& draw) {
    TBitmap b;
    b.SetSize(12, 12);
    b.Canvas().Brush().SetColor(platform::RGB(255, 255, 255));
    b.Canvas().FillRect({0, 0, 12, 12});
    draw(b.Canvas().Handle());
    return b;
}

class ItemPaintingTest : public MenusTest {
  protected:
    ItemPaintingTest() : data(ShippedSkin()), skin(MenuSkinOf(data)) { font.SetName("Arial"); }

    TBitmap Draw(TMenuItem& item, platform::Size size, bool highlighted = false) {
        ItemLook look;
        look.skin = &skin;
        look.item = &item;
        look.size = size;
        look.highlighted = highlighted;
        look.font = &font;
        TBitmap picture;
        DrawItemPicture(look, picture);
        return picture;
    }

    TbsSkinData* data;
    MenuSkin skin;
    framework::TFont font;
};

TEST_F(ItemPaintingTest, TheShippedFaceAcrossA104PixelItem) {
    ASSERT_NE(skin.item, nullptr);
    ASSERT_NE(skin.faces, nullptr);
    TMenuItem item(nullptr);  // no caption: only the face
    const TBitmap picture = Draw(item, {104, 20});
    const platform::Surface& faces = *skin.faces;
    const Rect face = skin.item->SkinRect;  // 0,54,54,74
    // Target column -> source column of the face: ends 8 and 8, the middle (8 .. 45) tiled from 8.
    const struct {
        int32_t target, source;
    } columns[] = {{0, 0},   {7, 7},  {8, 8},   {45, 45}, {46, 8},
                   {83, 45}, {84, 8}, {95, 19}, {96, 46}, {103, 53}};
    for (const auto& c : columns) {
        SCOPED_TRACE(c.target);
        EXPECT_EQ(Column(picture.Surface(), c.target, 0, 20),
                  Column(faces, face.Left + c.source, face.Top, face.Bottom));
    }
    const ItemLayout layout = SkinnedItemLayout(*skin.item, 104, std::nullopt);
    EXPECT_EQ(layout.text, (Rect{2, 2, 102, 18}));
    EXPECT_EQ(layout.glyph, 16);
    EXPECT_EQ(CaptionRect(layout, {40, 14}).Left, 18);
    EXPECT_EQ(CaptionRect(layout, {40, 14}), (Rect{18, 3, 60, 17}));
    EXPECT_EQ(SubmenuArrowAt(layout), (Point{95, 6}));
    EXPECT_EQ(MarkAt(layout), (Point{4, 6}));
    // With an image list the column is the image width + 5.
    EXPECT_EQ(SkinnedItemLayout(*skin.item, 104, 16).glyph, 21);
    const ItemLayout plain = PlainItemLayout({104, 20}, std::nullopt);
    EXPECT_EQ(plain.text, (Rect{2, 2, 102, 18}));
    EXPECT_EQ(plain.glyph, 19);
    EXPECT_EQ(MarkAt(plain), (Point{5, 6}));
}

TEST_F(ItemPaintingTest, HighlightedAndSeparatorFaces) {
    TMenuItem item(nullptr);
    const TBitmap active = Draw(item, {54, 20}, true);
    const Rect activeFace = skin.item->ActiveSkinRect;  // 0,75,54,95
    EXPECT_EQ(Column(active.Surface(), 30, 0, 20),
              Column(*skin.faces, 30, activeFace.Top, activeFace.Bottom));
    TMenuItem separator(nullptr);
    separator.SetCaption("-");
    const TBitmap line = Draw(separator, {104, 3});
    // Divider ends 18 and 4 of a 53-wide face: column 100 shows source column 49.
    const Rect divider = skin.item->DividerRect;
    EXPECT_EQ(Column(line.Surface(), 100, 0, 3), Column(*skin.faces, 49, divider.Top, divider.Bottom));
    EXPECT_EQ(Column(line.Surface(), 5, 0, 3), Column(*skin.faces, 5, divider.Top, divider.Bottom));
}

TEST_F(ItemPaintingTest, HeadersAreDisabledItemsBetweenHyphens) {
    struct Case {
        const char* caption;
        bool enabled;
        bool header;
    };
    const Case cases[] = {{"-Colours-", false, true}, {"-Colours-", true, false}, {"--", false, true},
                          {"-", false, false},        {"-Colours", false, false}, {"Colours", false, false}};
    for (const Case& c : cases) {
        TMenuItem item(nullptr);
        item.SetCaption(c.caption);
        item.SetEnabled(c.enabled);
        EXPECT_EQ(IsHeaderItem(item), c.header) << c.caption;
    }
    ASSERT_NE(skin.header, nullptr);  // the shipped skin has "label"
    TMenuItem header(nullptr), ordinary(nullptr);
    header.SetCaption("-Colours-");
    header.SetEnabled(false);
    ordinary.SetCaption("-Colours-");
    const TBitmap headerPicture = Draw(header, {104, 20});
    const TBitmap ordinaryPicture = Draw(ordinary, {104, 20});
    // The ordinary one shows the item face at its left end, the header the label's face.
    EXPECT_EQ(
        Column(ordinaryPicture.Surface(), 0, 0, 20),
        Column(*skin.faces, skin.item->SkinRect.Left, skin.item->SkinRect.Top, skin.item->SkinRect.Bottom));
    const Rect label = skin.header->SkinRect;
    const int32_t y = (20 - label.height()) / 2;  // the face centred on the item's rows
    for (int32_t row = std::max(y, 0); row < std::min(y + label.height(), 20); ++row)
        EXPECT_EQ(headerPicture.Pixel(0, row),
                  platform::ColorFromPixel(skin.headerPicture->pixel(label.Left, label.Top + row - y)));
}

TEST(BuiltInMarks, MatchTheStrokesTheyAreMadeOf) {
    const COLORREF black = 0;
    // Check mark: for i = 0 to 2, (x, y + 5 - i) to (x + 2, y + 7 - i) to (x + 7, y + 2 - i).
    const TBitmap check = Drawn([&](platform::HDC dc) { DrawBuiltInCheck(dc, {2, 1}, black); });
    const TBitmap checkStrokes = Drawn([](platform::HDC dc) {
        platform::HPEN pen = platform::CreatePen(platform::PS_SOLID, 1, 0);
        platform::HGDIOBJ old = platform::SelectObject(dc, pen);
        for (int i = 0; i < 3; ++i) {
            platform::MoveToEx(dc, 2, 1 + 5 - i, nullptr);
            platform::LineTo(dc, 2 + 2, 1 + 7 - i);
            platform::LineTo(dc, 2 + 7, 1 + 2 - i);
        }
        platform::SelectObject(dc, old);
        platform::DeleteObject(pen);
    });
    EXPECT_EQ(check.Surface(), checkStrokes.Surface());
    // Arrow: for i = 0 to 3, column x + i from row y + i to row y + 6 - i.
    const TBitmap arrow = Drawn([&](platform::HDC dc) { DrawBuiltInArrow(dc, {3, 2}, black); });
    const TBitmap arrowStrokes = Drawn([](platform::HDC dc) {
        for (int i = 0; i < 4; ++i)
            for (int y = 2 + i; y <= 2 + 6 - i; ++y) platform::SetPixel(dc, 3 + i, y, 0);
    });
    EXPECT_EQ(arrow.Surface(), arrowStrokes.Surface());
    // Radio dot: a filled circle in (x, y, x + 6, y + 6).
    const TBitmap radio = Drawn([&](platform::HDC dc) { DrawBuiltInRadio(dc, {3, 3}, black); });
    for (const Point inside : {Point{5, 3}, Point{3, 5}, Point{8, 5}, Point{5, 8}})
        EXPECT_EQ(radio.Pixel(inside.X, inside.Y), black);
    for (const Point outside : {Point{3, 3}, Point{8, 8}, Point{9, 5}, Point{5, 9}})
        EXPECT_NE(radio.Pixel(outside.X, outside.Y), black);
}

TEST_F(ItemPaintingTest, MarksWithoutSkinFacesAreBuiltInInTheTextColor) {
    // The shipped record gives no check, radio or arrow faces.
    EXPECT_TRUE(skin.item->CheckImageRect == Rect{});
    const COLORREF text = platform::ColorToRGB(skin.item->FontColor);
    TMenuItem checked(nullptr), radio(nullptr), parent(nullptr);
    checked.SetChecked(true);
    radio.SetRadioItem(true);
    radio.SetChecked(true);
    parent.Add(new TMenuItem(nullptr));
    const ItemLayout layout = SkinnedItemLayout(*skin.item, 104, std::nullopt);
    const Point mark = MarkAt(layout), arrow = SubmenuArrowAt(layout);
    // A pixel of each mark: the check's lowest stroke, the dot's centre (one pixel lower), the
    // arrow's base.
    EXPECT_EQ(Draw(checked, {104, 20}).Pixel(mark.X + 2, mark.Y + 7), text);
    EXPECT_EQ(Draw(radio, {104, 20}).Pixel(mark.X + 3, mark.Y + 4), text);
    EXPECT_EQ(Draw(parent, {104, 20}).Pixel(arrow.X, arrow.Y + 3), text);
}

TEST_F(ItemPaintingTest, SystemMenuItemsShowTheirWindowCommandGlyph) {
    TMenuItem restore(nullptr), plain(nullptr);
    restore.SetName("BSF_RESTORE");
    restore.SetCaption("&Restore");
    plain.SetCaption("&Restore");
    TBitmap expected = Draw(plain, {104, 20});
    const ItemLayout layout = SkinnedItemLayout(*skin.item, 104, std::nullopt);
    // (T.Left + 2, T.Top + height(T) div 2 - 4): (4, 6).
    EXPECT_EQ(MarkAt(layout), (Point{4, 6}));
    DrawRestoreGlyph(expected.Canvas().Handle(), 4, 6, platform::ColorToRGB(skin.item->FontColor));
    EXPECT_EQ(Draw(restore, {104, 20}).Surface(), expected.Surface());
}

TEST_F(ItemPaintingTest, ItemsWithoutARecord) {
    const MenuSkin none;
    TMenuItem item(nullptr), disabled(nullptr);
    item.SetCaption("Open");
    disabled.SetCaption("Print");
    disabled.SetEnabled(false);
    ItemLook look;
    look.skin = &none;
    look.item = &item;
    look.size = {104, 20};
    look.font = &font;
    TBitmap normal, highlighted;
    DrawItemPicture(look, normal);
    look.highlighted = true;
    DrawItemPicture(look, highlighted);
    // The gutter in the button face colour, the rest in the window colour.
    EXPECT_EQ(normal.Pixel(5, 1), platform::GetSysColor(platform::COLOR_BTNFACE));
    EXPECT_EQ(normal.Pixel(100, 1), platform::GetSysColor(platform::COLOR_WINDOW));
    // Highlighted: a navy frame filled with 0xD2BDB6.
    EXPECT_EQ(highlighted.Pixel(0, 0), COLORREF(0x800000));
    EXPECT_EQ(highlighted.Pixel(100, 1), COLORREF(0xD2BDB6));
}

}  // namespace
