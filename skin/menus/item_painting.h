// Drawing one menu item into a picture of its size: from the skin's MENUITEM record (faces cut
// from its picture, text area, marks, fonts and colours) or in the built-in look in system
// colours; separators, headers (a disabled item whose caption starts and ends with "-"), images,
// check and radio marks, submenu arrows and the window-command glyphs of system-menu items.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/font.h"
#include "platform/geometry.h"
#include "skin/data/value_types.h"
#include "skin/render/picture.h"

namespace framework {
class TImageList;
class TMenuItem;
}  // namespace framework

namespace skin {

struct MenuSkin;

// A separator is an item whose caption is "-"; a header a disabled item whose caption starts and
// ends with "-" (shown without them).
bool IsSeparatorCaption(std::string_view caption);
bool IsHeaderItem(const framework::TMenuItem& item);

// The text an item is sized by: its caption, then two spaces and its short-cut when it has one.
std::string ItemSizingText(const framework::TMenuItem& item);

// The built-in marks, in a colour, from the mark position (x, y): a check mark 7 x 8, a submenu
// arrow 4 x 7 pointing right, a radio dot 6 x 6.
void DrawBuiltInCheck(platform::HDC canvas, platform::Point at, platform::COLORREF color);
void DrawBuiltInArrow(platform::HDC canvas, platform::Point at, platform::COLORREF color);
void DrawBuiltInRadio(platform::HDC canvas, platform::Point at, platform::COLORREF color);

struct ItemLook {
    const MenuSkin* skin = nullptr;
    const framework::TMenuItem* item = nullptr;
    framework::TImageList* images = nullptr;  // the menu's images
    platform::Size size;                      // the item rectangle's
    bool highlighted = false;                 // active or down
    // An animation frame that replaces the face (a rectangle of the face picture).
    std::optional<platform::Rect> frameFace;
    // The item font (the record's or the menu's default; its colour is set here by state).
    const framework::TFont* font = nullptr;
    // What the popup shows under the item (its background with the client area drawn), item-sized;
    // the item starts from it, so an empty or transparent face shows the popup.
    const Picture* background = nullptr;
    // The item's own drawing (its OnDrawItem); answers true when it drew the item.
    std::function<bool(framework::TCanvas& canvas, const platform::Rect& text, bool highlighted)> drawItself;
};

// Draws the item into `target`, which becomes the item's size.
void DrawItemPicture(const ItemLook& look, framework::TBitmap& target);

// The same between the normal and the highlighted look, combined by the morph `kind` at `progress`
// (0 normal, 1 highlighted).
void DrawMorphedItemPicture(const ItemLook& look, TMorphKind kind, double progress,
                            framework::TBitmap& target);

}  // namespace skin
