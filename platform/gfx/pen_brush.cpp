#include "platform/gfx/pen_brush.h"

#include <array>
#include <memory>

#include "platform/gfx/objects.h"

namespace platform {

constexpr int32_t kMaxPenWidth = 1024;

HPEN CreatePen(int style, int32_t width, COLORREF color) {
    if (style != PS_SOLID && style != PS_NULL && style != PS_INSIDEFRAME)
        return nullptr;
    if (width < 0 || width > kMaxPenWidth)
        return nullptr;
    auto pen = std::make_unique<gdi::PenObject>();
    pen->style = style == PS_NULL ? PS_NULL : PS_SOLID;
    pen->width = std::max(width, 1);
    pen->color = ColorToRGB(color);
    return static_cast<HPEN>(gdi::Insert(gdi::Kind::Pen, std::move(pen)));
}

HBRUSH CreateBrushIndirect(const LOGBRUSH& brush) {
    if (brush.lbStyle != BS_SOLID && brush.lbStyle != BS_NULL)
        return nullptr;
    auto b = std::make_unique<gdi::BrushObject>();
    b->hollow = brush.lbStyle == BS_NULL;
    b->color = ColorToRGB(brush.lbColor);
    return static_cast<HBRUSH>(gdi::Insert(gdi::Kind::Brush, std::move(b)));
}

HBRUSH CreateSolidBrush(COLORREF color) {
    return CreateBrushIndirect({BS_SOLID, color});
}

bool GetObject(HPEN pen, LOGPEN* out) {
    const auto* p = gdi::Find<gdi::PenObject>(pen);
    if (!p || !out)
        return false;
    *out = {p->style, p->width, p->color};
    return true;
}

bool GetObject(HBRUSH brush, LOGBRUSH* out) {
    const auto* b = gdi::Find<gdi::BrushObject>(brush);
    if (!b || !out)
        return false;
    *out = {b->hollow ? BS_NULL : BS_SOLID, b->color};
    return true;
}

HBRUSH GetSysColorBrush(int index) {
    if (index < 0 || index >= COLOR_SYSCOLOR_COUNT)
        return nullptr;
    static std::array<HBRUSH, COLOR_SYSCOLOR_COUNT> brushes{};
    if (!brushes[size_t(index)]) {
        auto b = std::make_unique<gdi::BrushObject>();
        b->color = GetSysColor(index);
        brushes[size_t(index)] = static_cast<HBRUSH>(gdi::Insert(gdi::Kind::Brush, std::move(b), true));
    }
    return brushes[size_t(index)];
}

}  // namespace platform
