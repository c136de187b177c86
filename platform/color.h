// Colours of the window system: 0x00BBGGRR values, and system colours named as 0xFF000000 plus the
// system colour index (COLOR_*), resolved by GetSysColor.
#pragma once

#include <cstdint>

namespace platform {

using COLORREF = uint32_t;

constexpr COLORREF RGB(uint8_t r, uint8_t g, uint8_t b) {
    return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}
constexpr uint8_t GetRValue(COLORREF c) {
    return uint8_t(c & 0xFF);
}
constexpr uint8_t GetGValue(COLORREF c) {
    return uint8_t((c >> 8) & 0xFF);
}
constexpr uint8_t GetBValue(COLORREF c) {
    return uint8_t((c >> 16) & 0xFF);
}

// System colour indexes.
enum : int {
    COLOR_SCROLLBAR = 0,
    COLOR_BACKGROUND = 1,
    COLOR_ACTIVECAPTION = 2,
    COLOR_INACTIVECAPTION = 3,
    COLOR_MENU = 4,
    COLOR_WINDOW = 5,
    COLOR_WINDOWFRAME = 6,
    COLOR_MENUTEXT = 7,
    COLOR_WINDOWTEXT = 8,
    COLOR_CAPTIONTEXT = 9,
    COLOR_ACTIVEBORDER = 10,
    COLOR_INACTIVEBORDER = 11,
    COLOR_APPWORKSPACE = 12,
    COLOR_HIGHLIGHT = 13,
    COLOR_HIGHLIGHTTEXT = 14,
    COLOR_BTNFACE = 15,
    COLOR_BTNSHADOW = 16,
    COLOR_GRAYTEXT = 17,
    COLOR_BTNTEXT = 18,
    COLOR_INACTIVECAPTIONTEXT = 19,
    COLOR_BTNHIGHLIGHT = 20,
    COLOR_3DDKSHADOW = 21,
    COLOR_3DLIGHT = 22,
    COLOR_INFOTEXT = 23,
    COLOR_INFOBK = 24,
    COLOR_HOTLIGHT = 26,
    COLOR_GRADIENTACTIVECAPTION = 27,
    COLOR_GRADIENTINACTIVECAPTION = 28,
    COLOR_MENUHILIGHT = 29,
    COLOR_MENUBAR = 30,
    COLOR_SYSCOLOR_COUNT = 31,
};

// A colour as the skin and the code name a system colour: 0xFF000000 | index.
constexpr COLORREF SystemColor(int index) {
    return 0xFF000000u | COLORREF(index);
}
constexpr bool IsSystemColor(COLORREF c) {
    return (c & 0xFF000000u) == 0xFF000000u;
}

constexpr COLORREF clBtnFace = SystemColor(COLOR_BTNFACE);
constexpr COLORREF clBtnText = SystemColor(COLOR_BTNTEXT);
constexpr COLORREF clBtnShadow = SystemColor(COLOR_BTNSHADOW);
constexpr COLORREF clWindow = SystemColor(COLOR_WINDOW);
constexpr COLORREF clWindowText = SystemColor(COLOR_WINDOWTEXT);

// The fixed colour of a system colour index (a light, neutral scheme); other values pass through
// unchanged apart from their top byte.
COLORREF GetSysColor(int index);
// A colour value ready for painting: system colours resolved, the top byte cleared.
COLORREF ColorToRGB(COLORREF c);

}  // namespace platform
