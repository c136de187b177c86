#include "skin/render/text_output.h"

#include "platform/gfx/text.h"
#include "skin/render/platform_calls.h"
#include "skin/render/text_encoding.h"

namespace skin {

using namespace platform;

int DrawTextUnicode(HDC canvas, std::u16string_view text, Rect& rect, uint32_t format) {
    if (PlatformCalls().ntFamily)
        return DrawTextW(canvas, text, &rect, format);
    return DrawText(canvas, Utf8FromUtf16(text), &rect, format);
}

namespace {

Rect Extent(HDC canvas, std::u16string_view text) {
    Rect r{0, 0, 0, 0};
    DrawTextUnicode(canvas, text, r, DT_CALCRECT);
    return r;
}

}  // namespace

int32_t MeasureTextWidth(HDC canvas, std::u16string_view text) {
    return Extent(canvas, text).width();
}
int32_t MeasureTextHeight(HDC canvas, std::u16string_view text) {
    return Extent(canvas, text).height();
}

void FitTextWithEllipsis(HDC canvas, std::u16string& text, int32_t maxWidth) {
    if (MeasureTextWidth(canvas, text) <= maxWidth)
        return;
    std::u16string rest = text;
    while (!rest.empty()) {
        rest.pop_back();  // one character: both halves of a surrogate pair
        if (!rest.empty() && rest.back() >= 0xD800 && rest.back() <= 0xDBFF)
            rest.pop_back();
        if (rest.empty() || MeasureTextWidth(canvas, rest + u"...") <= maxWidth)
            break;
    }
    text = rest + u"...";
}

}  // namespace skin
