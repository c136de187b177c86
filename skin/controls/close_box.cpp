#include "skin/controls/close_box.h"

#include "framework/graphics/canvas.h"
#include "skin/data/skin_data.h"
#include "skin/render/nine_part_image.h"
#include "skin/render/standard_glyphs.h"

namespace skin {

using framework::TBitmap;
using platform::COLORREF;
using platform::Rect;
using platform::Size;

CloseBoxLook LookOf(const CloseBoxState& state) {
    if (state.pressed && state.hot)
        return CloseBoxLook::Pressed;
    return state.hot ? CloseBoxLook::Hot : CloseBoxLook::Normal;
}

CloseBoxStep StepCloseBox(CloseBoxState& s, CloseBoxEvent event, bool inside) {
    switch (event) {
        case CloseBoxEvent::Move:
            if (inside && !s.hot) {
                s.hot = true;
                return {true, false};
            }
            if (!inside && s.hot) {
                s.hot = s.pressed = false;
                return {true, false};
            }
            return {};
        case CloseBoxEvent::Press:
            s.hot = s.pressed = inside;
            return {inside, false};
        case CloseBoxEvent::Release:
            s.hot = inside;
            s.pressed = false;
            return {inside, inside};
    }
    return {};
}

CloseBoxState& CloseBoxStates::At(int i) {
    if (size_t(i) >= states_.size())
        states_.resize(size_t(i) + 1);
    return states_[size_t(i)];
}

CloseBoxState CloseBoxStates::Get(int i) const {
    return i >= 0 && size_t(i) < states_.size() ? states_[size_t(i)] : CloseBoxState{};
}

namespace {

Rect Or(const Rect& r, const Rect& fallback) {
    return r.isEmpty() ? fallback : r;
}

int32_t CentredTop(const Rect& area, int32_t height) {
    return area.height() / 2 + area.Top - height / 2;
}

Rect DrawBuiltInBox(TBitmap& face, const Rect& area, CloseBoxLook look) {
    const int32_t x = area.Left, y = CentredTop(area, kDefaultCloseBoxSize);
    DrawCloseGlyph(face.Canvas().Handle(), x + 2, y + 2,
                   look == CloseBoxLook::Normal ? platform::RGB(0, 0, 0) : platform::RGB(255, 255, 255));
    return platform::rectOfSize(x, y, kDefaultCloseBoxSize, kDefaultCloseBoxSize);
}

// A box of any size from the skin's button record for small tool buttons.
Rect DrawResizeToolButtonBox(TBitmap& face, const Rect& area, CloseBoxLook look, const TbsSkinData& data,
                             int32_t size) {
    const auto* button = data.ControlAs<TbsDataSkinButtonControl>(data.FindControlIndex("resizetoolbutton"));
    if (!button || size <= 0)
        return {};
    const Rect source = look == CloseBoxLook::Pressed
                            ? Or(Or(button->DownSkinRect, button->ActiveSkinRect), button->SkinRect)
                        : look == CloseBoxLook::Hot ? Or(button->ActiveSkinRect, button->SkinRect)
                                                    : button->SkinRect;
    TBitmap box;
    box.SetSize(size, size);
    const auto& pictures = data.ActivePictures();
    if (button->PictureIndex >= 0 && size_t(button->PictureIndex) < pictures.size()) {
        const NinePartLayout layout =
            ClampLayout({button->LeftTopPoint, button->RightTopPoint, button->LeftBottomPoint,
                         button->RightBottomPoint, button->ClientRect});
        ComposeNinePartImage(
            layout, ResizeLayout({button->SkinRect.width(), button->SkinRect.height()}, layout, {size, size}),
            box.Surface(), pictures[size_t(button->PictureIndex)].Surface(), ClampRect(source), {size, size},
            {button->LeftStretch, button->TopStretch, button->RightStretch, button->BottomStretch},
            {true, button->StretchEffect, button->StretchType});
    }
    const COLORREF color = look == CloseBoxLook::Pressed ? button->DownFontColor
                           : look == CloseBoxLook::Hot   ? button->ActiveFontColor
                                                         : button->FontColor;
    DrawCloseGlyph(box.Canvas().Handle(), size / 2 - 5, size / 2 - 5, color);
    const int32_t x = area.Left, y = CentredTop(area, size);
    face.Canvas().Draw(x, y, box);
    return platform::rectOfSize(x, y, size, size);
}

// The record's own close faces, copied as they are (without the transparent colour when asked).
Rect DrawRecordBox(TBitmap& face, const Rect& area, CloseBoxLook look, const TabSkin& skin) {
    const Rect source = look == CloseBoxLook::Pressed ? skin.closeButtonDownRect
                        : look == CloseBoxLook::Hot   ? skin.closeButtonActiveRect
                                                      : skin.closeButtonRect;
    if (!skin.picture || source.isEmpty())
        return {};
    const int32_t x = area.Left, y = CentredTop(area, source.height());
    const Rect to = platform::rectOfSize(x, y, source.width(), source.height());
    if (!skin.buttonTransparent) {
        CopyPictureRect(face.Surface(), to, *skin.picture, source);
        return to;
    }
    const uint32_t key = platform::PixelFromColor(skin.buttonTransparentColor) & 0x00FFFFFFu;
    const Rect from = platform::intersect(source, skin.picture->bounds());
    for (int32_t sy = from.Top; sy < from.Bottom; ++sy) {
        const int32_t ty = y + sy - source.Top;
        if (ty < 0 || ty >= face.Height())
            continue;
        const uint32_t* in = skin.picture->row(sy);
        uint32_t* out = face.Surface().row(ty);
        for (int32_t sx = from.Left; sx < from.Right; ++sx) {
            const int32_t tx = x + sx - source.Left;
            if (tx >= 0 && tx < face.Width() && (in[sx] & 0x00FFFFFFu) != key)
                out[tx] = in[sx];
        }
    }
    return to;
}

}  // namespace

Rect DrawCloseBox(TBitmap& face, const Rect& area, CloseBoxLook look, const TabSkin* skin,
                  const TbsSkinData* data, int32_t size) {
    if (!skin)
        return DrawBuiltInBox(face, area, look);
    if (skin->closeButtonRect.isEmpty())
        return data ? DrawResizeToolButtonBox(face, area, look, *data, size) : Rect{};
    return DrawRecordBox(face, area, look, *skin);
}

}  // namespace skin
