#include "platform/color.h"

#include <array>
#include <cstddef>

namespace platform {

namespace {

// A light, neutral scheme: grey button faces with white highlights, blue selection and captions.
constexpr std::array<COLORREF, COLOR_SYSCOLOR_COUNT> kSystemColors = [] {
    std::array<COLORREF, COLOR_SYSCOLOR_COUNT> c{};
    c[COLOR_SCROLLBAR] = RGB(200, 200, 200);
    c[COLOR_BACKGROUND] = RGB(58, 110, 165);
    c[COLOR_ACTIVECAPTION] = RGB(10, 36, 106);
    c[COLOR_INACTIVECAPTION] = RGB(128, 128, 128);
    c[COLOR_MENU] = RGB(240, 240, 240);
    c[COLOR_WINDOW] = RGB(255, 255, 255);
    c[COLOR_WINDOWFRAME] = RGB(100, 100, 100);
    c[COLOR_MENUTEXT] = RGB(0, 0, 0);
    c[COLOR_WINDOWTEXT] = RGB(0, 0, 0);
    c[COLOR_CAPTIONTEXT] = RGB(255, 255, 255);
    c[COLOR_ACTIVEBORDER] = RGB(212, 208, 200);
    c[COLOR_INACTIVEBORDER] = RGB(212, 208, 200);
    c[COLOR_APPWORKSPACE] = RGB(171, 171, 171);
    c[COLOR_HIGHLIGHT] = RGB(51, 153, 255);
    c[COLOR_HIGHLIGHTTEXT] = RGB(255, 255, 255);
    c[COLOR_BTNFACE] = RGB(240, 240, 240);
    c[COLOR_BTNSHADOW] = RGB(160, 160, 160);
    c[COLOR_GRAYTEXT] = RGB(109, 109, 109);
    c[COLOR_BTNTEXT] = RGB(0, 0, 0);
    c[COLOR_INACTIVECAPTIONTEXT] = RGB(212, 208, 200);
    c[COLOR_BTNHIGHLIGHT] = RGB(255, 255, 255);
    c[COLOR_3DDKSHADOW] = RGB(105, 105, 105);
    c[COLOR_3DLIGHT] = RGB(227, 227, 227);
    c[COLOR_INFOTEXT] = RGB(0, 0, 0);
    c[COLOR_INFOBK] = RGB(255, 255, 225);
    c[25] = RGB(181, 181, 181);  // unnamed slot, kept grey like its neighbours
    c[COLOR_HOTLIGHT] = RGB(0, 102, 204);
    c[COLOR_GRADIENTACTIVECAPTION] = RGB(166, 202, 240);
    c[COLOR_GRADIENTINACTIVECAPTION] = RGB(192, 192, 192);
    c[COLOR_MENUHILIGHT] = RGB(51, 153, 255);
    c[COLOR_MENUBAR] = RGB(240, 240, 240);
    return c;
}();

}  // namespace

COLORREF GetSysColor(int index) {
    if (index < 0 || index >= COLOR_SYSCOLOR_COUNT)
        return 0;
    return kSystemColors[size_t(index)];
}

COLORREF ColorToRGB(COLORREF c) {
    if (IsSystemColor(c))
        return GetSysColor(int(c & 0xFF));
    return c & 0x00FFFFFFu;
}

}  // namespace platform
