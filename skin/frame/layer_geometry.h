// The layered border's geometry as pure functions of a skin's LAYERFRAME values and the size of its
// layer picture: where the four border windows go around a form, how large their strips are, and
// how the strips are cut from the picture. The border component, its tests and skinview all read it
// from here.
//
// The layer picture (pw x ph) holds the soft outline around a window that sits at Cl; the corner
// points cut it like a frame, and the four strips are placed around the form's window:
//
//   0     LT.X                   RT.X     pw        outer (OW x OH), at the form's place less Cl's
//   +-----+----------------------+--------+         left and top (plus the record's offsets):
//   |  top strip: rows 0 .. max(LT.Y, RT.Y) |       +-------------- top ---------------+
//   +----+--------------------------+-----+         | left |                    | right |
//   |left|   Cl: the form's window  |right|         |      |    the form        |       |
//   |    |                          |     |         |      |                    |       |
//   +----+--------------------------+-----+         +------------- bottom -------------+
//   |  bottom strip: rows min(LB.Y, RB.Y) .. ph |
//   +-----+----------------------+--------+ ph
//         LB.X                   RB.X
//
// The ends of the top and bottom strips are copied, their middles scaled to the outer width; the
// side strips repeat (or, with "fullstretch", scale) the picture's rows between top and bottom.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "platform/geometry.h"
#include "skin/data/window_records.h"
#include "skin/frame/frame_layout.h"
#include "skin/render/picture.h"

namespace skin {

// The four border windows, in the order their windows know them by.
enum class LayerSide { Left = 0, Top = 1, Right = 2, Bottom = 3 };
inline constexpr std::array kLayerSides{LayerSide::Left, LayerSide::Top, LayerSide::Right, LayerSide::Bottom};

// How far the border reaches out of the form on each side where the pointer takes it ("borderrect").
struct LayerMargins {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const LayerMargins&, const LayerMargins&) = default;
};

// `area` less the margins on each side: where a window goes so that its border stays in `area`.
platform::Rect WithinMargins(const platform::Rect& area, const LayerMargins& margins);

// A LAYERFRAME record checked against its picture: every value the geometry reads, within range.
struct LayerFrameLayout {
    platform::Size picture;                                      // pw x ph
    platform::Rect client;                                       // Cl, non-empty and inside the picture
    platform::Point leftTop, rightTop, leftBottom, rightBottom;  // inside the picture, ends in order
    int32_t leftOffset = 0, topOffset = 0, widthOffset = 0, heightOffset = 0;
    bool fullStretch = false;
    bool fullBorder = false;
    int32_t rollUpFormHeight = 0;
    uint8_t alpha = 255, inactiveAlpha = 255;
    LayerMargins margins;
    // The fullborder mode's frame, in picture coordinates: rectangles inside the picture (empty
    // when the record's are empty, inverted or outside it), points on it, sizes within range.
    platform::Rect captionRect, buttonsRect, sysMenuButtonRect;
    int32_t buttonsTopOffset = 0, sysButtonTopOffset = 0;
    platform::Rect borderRect;  // "borderrect", or the whole picture without one
    bool hitTestEnable = false;
    int32_t hitTestSize = 0;
    platform::Point hitTestLeftTop, hitTestRightTop, hitTestLeftBottom, hitTestRightBottom;
};

// The record as the geometry uses it, or none when it cannot give a border: no picture of that
// size, a client rectangle that is empty, inverted or outside the picture, or corner points whose
// ends cross. Points outside the picture are pulled onto its edge, alphas into 0 .. 255, offsets
// into a range no window reaches beyond.
std::optional<LayerFrameLayout> CheckLayerFrame(const TbsDataSkinLayerFrame& record, platform::Size picture);

// The rectangle the four windows fill around a form with these screen bounds. `rolledUp`: the form
// is rolled up or minimised and the border draws the whole frame, so "rollupformheight" stands for
// its height.
platform::Rect LayerOuterRect(const LayerFrameLayout& layout, const platform::Rect& formBounds,
                              bool rolledUp);

struct LayerStripSizes {
    int32_t topHeight = 0, bottomHeight = 0;
    int32_t leftWidth = 0, rightWidth = 0;
    int32_t sideHeight = 0;  // 0: the side strips have no rows
};
// The strips for an outer size: the bottom strip gives way where top and bottom together would be
// taller than the outer height.
LayerStripSizes LayerStripSizesFor(const LayerFrameLayout& layout, platform::Size outer);

// Where each window goes for an outer rectangle (indexed by LayerSide).
std::array<platform::Rect, 4> PlaceLayerWindows(const platform::Rect& outer, const LayerStripSizes& sizes);

// The four strips (indexed by LayerSide) cut from `image` (the layer picture with its alpha) for an
// outer size. A strip without rows or columns is left empty, as is one larger than a picture holds.
using LayerStrips = std::array<Picture, 4>;
void ComposeLayerStrips(const LayerFrameLayout& layout, const Picture& image, platform::Size outer,
                        LayerStrips& strips);

// --- The fullborder mode: the whole frame on the border ---
//
// The caption bar and its buttons lie on the top strip, which the top window shows at the outer
// rectangle's top-left corner; everything below is in outer coordinates (the top strip's own).
// Like the frame's nine parts, what lies right of the picture's middle moves with the outer width.

struct LayerFrameAreas {
    platform::Rect caption;  // "captionrect", its right edge moved with the width
    platform::Rect buttons;  // "buttonsrect" (moved when it lies in the right half), or empty
    platform::Rect sysMenuButton;
    platform::Rect border;  // where the frame's outer bands run ("borderrect", or the whole outer)
};
// The areas for an outer size; caption, buttons and system-menu button are kept on the top strip.
LayerFrameAreas LayerFrameAreasFor(const LayerFrameLayout& layout, platform::Size outer);

// Lays the frame objects out on the top strip: the caption buttons in a row from the right end of
// the buttons area (or of the caption area) leftwards, "buttonstopoffset" below its top; the
// system-menu button at "sysmenubuttonrect", or at the caption's left edge ("sysbuttontopoffset"
// below its top, or centred); the caption bar over the caption area between them. Objects drawn
// on the frame picture (other than the caption bar) have no place on the border: their rectangle
// is empty.
void LayoutLayerFrameObjects(const LayerFrameLayout& layout, platform::Size outer,
                             std::span<FrameObjectPlacement> objects,
                             std::optional<platform::Size> systemMenuIcon);

// What a point of the border (outer coordinates) does when pressed: HTCAPTION on the caption area,
// a sizing code (HTLEFT .. HTBOTTOMRIGHT) on the outer bands "hittestsize" wide when the record
// has "hittestenable" and the form may be sized now (corners reach as far as the hit-test points
// say, at least the band's width), else HTNOWHERE. Frame objects are asked before this.
int HitTestLayerFrame(const LayerFrameLayout& layout, platform::Size outer, platform::Point p, bool sizable);

// The height the form's window shows (its region) in the fullborder mode: its own height, or
// "rollupformheight" while rolled up or minimised.
int32_t FullBorderShownHeight(const LayerFrameLayout& layout, int32_t windowHeight, bool rolledUp);

// A record's constant alpha times a fade level `level` / 255, to the nearest integer (halves to
// the even one).
uint8_t ScaledLayerAlpha(uint8_t recordAlpha, uint8_t level);

// Colours times alpha: what the platform's per-pixel-alpha windows take.
void PremultiplyPicture(Picture& picture);

}  // namespace skin
