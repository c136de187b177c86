// The platform's tab strip window class ("SysTabControl32") and the scroll arrows it uses
// ("msctls_updown32"), with the platform's messages and values, written for the framework's tab
// control (tab_control.h) to build on as the platform's common controls are built on.
//
// The strip keeps one row of tabs (TCS_BOTTOM: along the bottom edge), or with TCS_VERTICAL one
// column along the left edge (TCS_RIGHT: the right edge) that never scrolls. Tab i's rectangle
// (TCM_GETITEMRECT) starts 2 pixels in from the edges of the window, tabs side by side (one below
// the other in a column) from the first visible one; its length follows its caption
// in the strip's font (WM_SETFONT), the image slot (TCM_SETIMAGELIST: every tab reserves the list's
// width) and a fixed width (TCM_SETITEMSIZE with TCS_FIXEDWIDTH); its height the font, or the fixed
// height. When the row does not fit, the strip shows its own scroll arrows, a child window of class
// "msctls_updown32" at its top right, made again at the next layout if someone destroyed it; its
// WM_HSCROLL with SB_THUMBPOSITION makes a tab the first visible one. Selecting a hidden tab scrolls
// it into view, with or without the arrows' window. A left press selects the tab that TCM_HITTEST,
// sent to the window, names, asking the parent first (WM_NOTIFY TCN_SELCHANGING, answered TRUE refuses) and
// telling it after (TCN_SELCHANGE); Left and Right do the same from the keyboard, and TCM_SETCURFOCUS
// for a tab the program names on the user's behalf; TCM_SETCURSEL selects without either notice.
#pragma once

#include <string>

#include "platform/geometry.h"
#include "platform/window/messages.h"
#include "platform/window/types.h"

namespace framework {

class TImageList;

using platform::HWND;
using platform::UINT;

constexpr const char* kTabStripClass = "SysTabControl32";
constexpr const char* kUpDownClass = "msctls_updown32";

// Tab strip styles.
constexpr platform::DWORD TCS_BOTTOM = 0x0002;
constexpr platform::DWORD TCS_RIGHT = 0x0002;
constexpr platform::DWORD TCS_VERTICAL = 0x0080;
constexpr platform::DWORD TCS_BUTTONS = 0x0100;
constexpr platform::DWORD TCS_MULTILINE = 0x0200;
constexpr platform::DWORD TCS_FIXEDWIDTH = 0x0400;
constexpr platform::DWORD TCS_FOCUSNEVER = 0x8000;

// Tab strip messages.
constexpr UINT TCM_FIRST = 0x1300;
constexpr UINT TCM_GETIMAGELIST = TCM_FIRST + 2;  // returns the TImageList* set
constexpr UINT TCM_SETIMAGELIST = TCM_FIRST + 3;  // lParam: TImageList* (null: none)
constexpr UINT TCM_GETITEMCOUNT = TCM_FIRST + 4;
constexpr UINT TCM_GETITEM = TCM_FIRST + 5;     // wParam: index; lParam: TCITEM* to fill
constexpr UINT TCM_SETITEM = TCM_FIRST + 6;     // wParam: index; lParam: const TCITEM*
constexpr UINT TCM_INSERTITEM = TCM_FIRST + 7;  // wParam: index; lParam: const TCITEM*
constexpr UINT TCM_DELETEITEM = TCM_FIRST + 8;
constexpr UINT TCM_DELETEALLITEMS = TCM_FIRST + 9;
constexpr UINT TCM_GETITEMRECT = TCM_FIRST + 10;  // wParam: index; lParam: Rect*
constexpr UINT TCM_GETCURSEL = TCM_FIRST + 11;
constexpr UINT TCM_SETCURSEL = TCM_FIRST + 12;    // returns the previous selection, -1 if refused
constexpr UINT TCM_HITTEST = TCM_FIRST + 13;      // lParam: TCHITTESTINFO*; returns the tab or -1
constexpr UINT TCM_ADJUSTRECT = TCM_FIRST + 40;   // wParam FALSE: window to page area; TRUE: back
constexpr UINT TCM_SETITEMSIZE = TCM_FIRST + 41;  // lParam: MAKELPARAM(width, height); returns the old
constexpr UINT TCM_GETROWCOUNT = TCM_FIRST + 44;
constexpr UINT TCM_SETCURFOCUS = TCM_FIRST + 48;  // wParam: index; selects as the user does

constexpr UINT TCN_FIRST = UINT(-550);
constexpr UINT TCN_SELCHANGE = TCN_FIRST - 1;
constexpr UINT TCN_SELCHANGING = TCN_FIRST - 2;

constexpr UINT TCIF_TEXT = 0x0001;
constexpr UINT TCIF_IMAGE = 0x0002;

struct TCITEM {
    UINT mask = 0;
    const char* pszText = nullptr;  // UTF-8; filled by TCM_GETITEM with a pointer valid until the next change
    int iImage = -1;
};

struct TCHITTESTINFO {
    platform::Point pt;
    UINT flags = 0;
};

// Scroll codes of WM_HSCROLL (low word of wParam).
constexpr UINT SB_LINELEFT = 0;
constexpr UINT SB_LINERIGHT = 1;
constexpr UINT SB_THUMBPOSITION = 4;
constexpr UINT SB_ENDSCROLL = 8;

// Up-down (scroll arrows) messages. The arrows send their parent WM_HSCROLL with SB_THUMBPOSITION
// and the new position in the high word of wParam.
constexpr UINT UDM_SETRANGE32 = platform::WM_USER + 111;  // wParam: lower, lParam: upper
constexpr UINT UDM_GETRANGE32 = platform::WM_USER + 112;  // wParam, lParam: int* lower, upper
constexpr UINT UDM_SETPOS32 = platform::WM_USER + 113;
constexpr UINT UDM_GETPOS32 = platform::WM_USER + 114;

// Registers both classes (once); the tab control does so before it makes its window.
void RegisterTabStripClasses();

}  // namespace framework
