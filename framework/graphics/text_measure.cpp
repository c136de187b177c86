#include "framework/graphics/text_measure.h"

#include "platform/gfx/dc.h"

namespace framework {

using namespace platform;

TextMeasure::TextMeasure(HFONT font) : dc_(CreateCompatibleDC(nullptr)) {
    if (font)
        previous_ = SelectObject(dc_, font);
}

TextMeasure::~TextMeasure() {
    if (previous_)
        SelectObject(dc_, previous_);
    DeleteDC(dc_);
}

int32_t TextMeasure::Width(std::string_view text) const {
    Size size;
    return !text.empty() && GetTextExtentPoint32(dc_, text, &size) ? size.cx : 0;
}

int32_t TextMeasure::LineHeight() const {
    TEXTMETRIC metrics;
    return GetTextMetrics(dc_, &metrics) ? metrics.tmHeight : -kDefaultFontHeight;
}

Rect TextMeasure::Extent(std::string_view text, int32_t width, uint32_t format) const {
    Rect rect{0, 0, width, 0};
    DrawText(dc_, text, &rect, format | DT_CALCRECT);
    return rect;
}

}  // namespace framework
