// The objects behind bitmap, font, pen and brush handles. Internal to platform/gfx.
#pragma once

#include <memory>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/font.h"
#include "platform/gfx/gdi_table.h"
#include "platform/gfx/pen_brush.h"
#include "platform/gfx/surface.h"

namespace platform::gdi {

struct BitmapObject : Object {
    static constexpr Kind kKind = Kind::Bitmap;
    Surface surface;
    HDC selectedInto = nullptr;  // a bitmap is selected into at most one memory DC
};

class FontFace;  // gfx/font_face.h: the resolved face, shared by fonts of equal description

struct FontObject : Object {
    static constexpr Kind kKind = Kind::Font;
    LOGFONT description;
    std::shared_ptr<const FontFace> face;  // resolved on first use
};

struct PenObject : Object {
    static constexpr Kind kKind = Kind::Pen;
    int style = PS_SOLID;
    int32_t width = 1;
    COLORREF color = 0;  // resolved: no system colour
};

struct BrushObject : Object {
    static constexpr Kind kKind = Kind::Brush;
    bool hollow = false;
    COLORREF color = 0;  // resolved: no system colour
};

}  // namespace platform::gdi
