#include "platform/gfx/gdi_object.h"

#include <memory>

#include "platform/gfx/dc_internal.h"

namespace platform {

namespace gdi {
namespace {

struct StockObjects {
    HBRUSH brushes[NULL_BRUSH + 1] = {};
    HPEN pens[3] = {};  // WHITE_PEN, BLACK_PEN, NULL_PEN
    HFONT font = nullptr;
    HBITMAP bitmap = nullptr;
};

HBRUSH MakeStockBrush(bool hollow, COLORREF color) {
    auto b = std::make_unique<BrushObject>();
    b->hollow = hollow;
    b->color = color;
    return static_cast<HBRUSH>(Insert(Kind::Brush, std::move(b), true));
}

HPEN MakeStockPen(int style, COLORREF color) {
    auto p = std::make_unique<PenObject>();
    p->style = style;
    p->color = color;
    return static_cast<HPEN>(Insert(Kind::Pen, std::move(p), true));
}

const StockObjects& Stock() {
    static const StockObjects stock = [] {
        StockObjects s;
        s.brushes[WHITE_BRUSH] = MakeStockBrush(false, RGB(255, 255, 255));
        s.brushes[LTGRAY_BRUSH] = MakeStockBrush(false, RGB(192, 192, 192));
        s.brushes[GRAY_BRUSH] = MakeStockBrush(false, RGB(128, 128, 128));
        s.brushes[DKGRAY_BRUSH] = MakeStockBrush(false, RGB(64, 64, 64));
        s.brushes[BLACK_BRUSH] = MakeStockBrush(false, RGB(0, 0, 0));
        s.brushes[NULL_BRUSH] = MakeStockBrush(true, 0);
        s.pens[0] = MakeStockPen(PS_SOLID, RGB(255, 255, 255));
        s.pens[1] = MakeStockPen(PS_SOLID, RGB(0, 0, 0));
        s.pens[2] = MakeStockPen(PS_NULL, 0);
        auto f = std::make_unique<FontObject>();
        f->description.lfHeight = kDefaultFontHeight;
        f->description.lfFaceName = "Tahoma";
        s.font = static_cast<HFONT>(Insert(Kind::Font, std::move(f), true));
        auto b = std::make_unique<BitmapObject>();
        b->surface.resize(1, 1);
        s.bitmap = static_cast<HBITMAP>(Insert(Kind::Bitmap, std::move(b), true));
        return s;
    }();
    return stock;
}

bool SelectedInAnyDc(const void* object) {
    bool selected = false;
    ForEach(Kind::DeviceContext, [&](void*, Object* o) {
        const DcState& s = static_cast<DcObject*>(o)->state;
        if (s.pen == object || s.brush == object || s.font == object || s.bitmap == object)
            selected = true;
    });
    return selected;
}

}  // namespace

HPEN StockPen(int index) {
    return index >= WHITE_PEN && index <= NULL_PEN ? Stock().pens[index - WHITE_PEN] : nullptr;
}
HBRUSH StockBrush(int index) {
    return index >= WHITE_BRUSH && index <= NULL_BRUSH ? Stock().brushes[index] : nullptr;
}
HFONT StockFont() {
    return Stock().font;
}
HBITMAP StockBitmap() {
    return Stock().bitmap;
}

}  // namespace gdi

uint32_t GetObjectType(HGDIOBJ object) {
    gdi::Kind kind;
    if (!gdi::KindOf(object, &kind))
        return 0;
    switch (kind) {
        case gdi::Kind::Region:
            return OBJ_REGION;
        case gdi::Kind::Bitmap:
            return OBJ_BITMAP;
        case gdi::Kind::Font:
            return OBJ_FONT;
        case gdi::Kind::Pen:
            return OBJ_PEN;
        case gdi::Kind::Brush:
            return OBJ_BRUSH;
        case gdi::Kind::DeviceContext:
            return gdi::Find<gdi::DcObject>(object)->memory ? OBJ_MEMDC : OBJ_DC;
        case gdi::Kind::Icon:  // not a graphics object of its own kind: DestroyIcon frees it
            return 0;
    }
    return 0;
}

bool DeleteObject(HGDIOBJ object) {
    gdi::Kind kind;
    if (!gdi::KindOf(object, &kind) || kind == gdi::Kind::DeviceContext || kind == gdi::Kind::Icon)
        return false;
    if (gdi::IsStock(object))
        return true;
    if (gdi::SelectedInAnyDc(object))
        return false;
    return gdi::Remove(object, kind) != nullptr;
}

HGDIOBJ GetStockObject(int index) {
    if (index >= WHITE_BRUSH && index <= NULL_BRUSH)
        return gdi::StockBrush(index);
    if (index >= WHITE_PEN && index <= NULL_PEN)
        return gdi::StockPen(index);
    if (index == SYSTEM_FONT || index == DEFAULT_GUI_FONT)
        return gdi::StockFont();
    return nullptr;
}

size_t LiveGdiObjectCount() {
    return gdi::LiveCount();
}

}  // namespace platform
