#include "framework/controls/tab_strip_window.h"

#include <algorithm>
#include <map>
#include <vector>

#include "framework/controls/win_control.h"
#include "framework/graphics/image_list.h"
#include "framework/graphics/text_measure.h"
#include "platform/gfx/dc.h"
#include "platform/window/focus.h"
#include "platform/window/keys.h"
#include "platform/window/message_loop.h"
#include "platform/window/metrics.h"
#include "platform/window/painting.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"

namespace framework {

using namespace platform;

namespace {

// The strip's metrics, those of the platform's tab control.
constexpr int32_t kMargin = 2;           // between the window's edge and the row of tabs
constexpr int32_t kPaddingX = 6;         // between a tab's edge and its caption
constexpr int32_t kImageGap = 3;         // between the image slot and the caption
constexpr int32_t kAutoExtraHeight = 7;  // above and below the caption of an automatic height
constexpr int32_t kUpDownWidth = 32;

struct TabItem {
    std::string text;
    int image = -1;
    // The caption's width in the strip's font, measured once (-1: not yet); every tab's place is
    // asked for on every pointer move, so measuring each time would cost a text layout per tab.
    mutable int32_t textWidth = -1;
};

struct TabStrip {
    std::vector<TabItem> items;
    int selected = -1;
    int firstVisible = 0;
    HFONT font = nullptr;
    Size fixedSize;  // 0: automatic
    TImageList* images = nullptr;
    HWND upDown = nullptr;
    std::string returnedText;  // what TCM_GETITEM hands out
};

std::map<HWND, TabStrip>& Strips() {
    static std::map<HWND, TabStrip> strips;
    return strips;
}

TabStrip* StripOf(HWND hwnd) {
    auto& strips = Strips();
    auto found = strips.find(hwnd);
    return found == strips.end() ? nullptr : &found->second;
}

DWORD StyleOf(HWND hwnd) {
    return DWORD(GetWindowLongPtr(hwnd, GWL_STYLE));
}

// --- Geometry: one set of functions for layout, hit testing and painting ---------------------

bool Vertical(DWORD style) {
    return (style & TCS_VERTICAL) != 0;
}
// Bottom tabs, or with TCS_VERTICAL right tabs: the row lies at the far side of the window.
bool FarSide(DWORD style) {
    return (style & TCS_BOTTOM) != 0;
}

// The image slot along a tab's length and across it (a column of tabs turns the slot).
int32_t ImageAlong(const TabStrip& strip, DWORD style) {
    return Vertical(style) ? strip.images->Height() : strip.images->Width();
}
int32_t ImageAcross(const TabStrip& strip, DWORD style) {
    return Vertical(style) ? strip.images->Width() : strip.images->Height();
}

// How thick the row (or column) of tabs is: the fixed height, or the caption's and the image's.
int32_t TabHeight(const TabStrip& strip, DWORD style) {
    if (strip.fixedSize.cy > 0)
        return strip.fixedSize.cy;
    int32_t content = TextMeasure(strip.font).LineHeight();
    if (strip.images)
        content = std::max(content, ImageAcross(strip, style));
    return content + kAutoExtraHeight;
}

// How long a tab is along its row: the fixed width, or its caption and the image slot.
int32_t TabWidth(const TabStrip& strip, DWORD style, const TextMeasure& measure, const TabItem& item) {
    if ((style & TCS_FIXEDWIDTH) && strip.fixedSize.cx > 0)
        return strip.fixedSize.cx;
    if (item.textWidth < 0)
        item.textWidth = measure.Width(item.text);
    int32_t width = item.textWidth + 2 * kPaddingX;
    if (strip.images)
        width += ImageAlong(strip, style) + kImageGap;
    return width;
}

// Every tab's rectangle, the first visible tab at the margin: side by side in a row along the top
// or bottom edge, or one below the other in a column along the left or right edge.
std::vector<Rect> ItemRects(HWND hwnd, const TabStrip& strip) {
    const DWORD style = StyleOf(hwnd);
    const TextMeasure measure(strip.font);
    const int32_t height = TabHeight(strip, style);
    Rect client;
    GetClientRect(hwnd, &client);
    const bool vertical = Vertical(style);
    const int32_t across =
        FarSide(style) ? (vertical ? client.Right : client.Bottom) - kMargin - height : kMargin;
    std::vector<int32_t> widths;
    for (const TabItem& item : strip.items) widths.push_back(TabWidth(strip, style, measure, item));
    int32_t along = kMargin;
    for (int i = 0; i < strip.firstVisible && i < int(widths.size()); ++i) along -= widths[size_t(i)];
    std::vector<Rect> rects;
    for (int32_t width : widths) {
        rects.push_back(vertical ? Rect{across, along, across + height, along + width}
                                 : Rect{along, across, along + width, across + height});
        along += width;
    }
    return rects;
}

// A column of tabs is never scrolled: only a row overflows.
bool Overflows(HWND hwnd, const TabStrip& strip) {
    if (strip.items.empty() || Vertical(StyleOf(hwnd)))
        return false;
    Rect client;
    GetClientRect(hwnd, &client);
    TabStrip fromStart = strip;
    fromStart.firstVisible = 0;
    return ItemRects(hwnd, fromStart).back().Right > client.Right;
}

// Where the row ends: before the scroll arrows while the row overflows (also when someone has
// put arrows of their own in the place of the strip's).
int32_t RowRight(HWND hwnd, const TabStrip& strip) {
    Rect client;
    GetClientRect(hwnd, &client);
    return client.Right - (Overflows(hwnd, strip) ? kUpDownWidth : 0);
}

// The largest first visible tab that still shows the last tab whole next to the arrows.
int LastScrollPosition(HWND hwnd, const TabStrip& strip) {
    if (strip.items.empty())
        return 0;
    Rect client;
    GetClientRect(hwnd, &client);
    TabStrip fromStart = strip;
    fromStart.firstVisible = 0;
    const std::vector<Rect> rects = ItemRects(hwnd, fromStart);
    const int32_t room = client.Right - kUpDownWidth - kMargin;
    int position = int(rects.size()) - 1;
    while (position > 0 && rects.back().Right - rects[size_t(position - 1)].Left <= room) --position;
    return position;
}

// The page lies beside the row of tabs: below a top row, above a bottom row, right of a left
// column, left of a right column.
Rect PageArea(HWND hwnd, const TabStrip& strip, const Rect& window) {
    const DWORD style = StyleOf(hwnd);
    const int32_t row = TabHeight(strip, style);
    Rect r = window;
    if (Vertical(style) && FarSide(style))
        r.Right -= row;
    else if (Vertical(style))
        r.Left += row;
    else if (FarSide(style))
        r.Bottom -= row;
    else
        r.Top += row;
    // The page's border and the padding inside it.
    return {r.Left + 4, r.Top + 4, r.Right - 4, r.Bottom - 4};
}

Rect WindowFromPage(HWND hwnd, const TabStrip& strip, const Rect& page) {
    const DWORD style = StyleOf(hwnd);
    const int32_t row = TabHeight(strip, style);
    Rect r{page.Left - 4, page.Top - 4, page.Right + 4, page.Bottom + 4};
    if (Vertical(style) && FarSide(style))
        r.Right += row;
    else if (Vertical(style))
        r.Left -= row;
    else if (FarSide(style))
        r.Bottom += row;
    else
        r.Top -= row;
    return r;
}

int HitTest(HWND hwnd, const TabStrip& strip, Point point) {
    const std::vector<Rect> rects = ItemRects(hwnd, strip);
    const int32_t right = RowRight(hwnd, strip);
    for (size_t i = 0; i < rects.size(); ++i)
        if (rects[i].contains(point) && point.X < right && rects[i].Right > 0)
            return int(i);
    return -1;
}

// --- The scroll arrows -----------------------------------------------------------------------

void UpdateScrollArrows(HWND hwnd, TabStrip& strip) {
    if (!Overflows(hwnd, strip)) {
        if (strip.upDown && IsWindow(strip.upDown))
            DestroyWindow(strip.upDown);
        strip.upDown = nullptr;
        strip.firstVisible = 0;
        return;
    }
    Rect client;
    GetClientRect(hwnd, &client);
    const int32_t height = std::min(TabHeight(strip, StyleOf(hwnd)) + kMargin, client.height());
    const int32_t top = FarSide(StyleOf(hwnd)) ? client.Bottom - height : 0;
    if (!strip.upDown || !IsWindow(strip.upDown)) {
        strip.upDown = CreateWindowEx(0, kUpDownClass, "", WS_CHILD | WS_VISIBLE, client.Right - kUpDownWidth,
                                      top, kUpDownWidth, height, hwnd, 1);
    } else {
        SetWindowPos(strip.upDown, nullptr, client.Right - kUpDownWidth, top, kUpDownWidth, height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const int last = LastScrollPosition(hwnd, strip);
    strip.firstVisible = std::min(strip.firstVisible, last);
    SendMessage(strip.upDown, UDM_SETRANGE32, 0, last);
    SendMessage(strip.upDown, UDM_SETPOS32, 0, strip.firstVisible);
}

void Relayout(HWND hwnd, TabStrip& strip) {
    UpdateScrollArrows(hwnd, strip);
    InvalidateRect(hwnd, nullptr, true);
}

void EnsureVisible(HWND hwnd, TabStrip& strip, int index) {
    if (index < 0 || !Overflows(hwnd, strip))
        return;
    const int last = LastScrollPosition(hwnd, strip);
    if (index < strip.firstVisible)
        strip.firstVisible = index;
    while (strip.firstVisible < last && ItemRects(hwnd, strip)[size_t(index)].Right > RowRight(hwnd, strip))
        ++strip.firstVisible;
    if (strip.upDown && IsWindow(strip.upDown))
        SendMessage(strip.upDown, UDM_SETPOS32, 0, strip.firstVisible);
    InvalidateRect(hwnd, nullptr, true);
}

// --- Selection by the user -------------------------------------------------------------------

LRESULT Notify(HWND hwnd, UINT code) {
    NMHDR header{hwnd, UINT_PTR(GetWindowLongPtr(hwnd, GWLP_ID)), code};
    return SendMessage(GetParent(hwnd), WM_NOTIFY, header.idFrom, LPARAM(&header));
}

void SelectByUser(HWND hwnd, int index) {
    TabStrip* strip = StripOf(hwnd);
    if (!strip || index < 0 || index >= int(strip->items.size()) || index == strip->selected)
        return;
    if (Notify(hwnd, TCN_SELCHANGING) != 0)
        return;
    // The parent may have done anything meanwhile, this window's end included.
    strip = StripOf(hwnd);
    if (!strip || index >= int(strip->items.size()))
        return;
    strip->selected = index;
    EnsureVisible(hwnd, *strip, index);
    InvalidateRect(hwnd, nullptr, true);
    Notify(hwnd, TCN_SELCHANGE);
}

// --- Painting: the plain look ----------------------------------------------------------------

void FillColor(HDC dc, const Rect& rect, int colorIndex) {
    FillRect(dc, rect, GetSysColorBrush(colorIndex));
}

// The page's raised frame: the client area less the row (or column) of tabs.
Rect PageFrame(DWORD style, const Rect& client, int32_t row) {
    const int32_t band = row + kMargin;
    if (Vertical(style))
        return FarSide(style) ? Rect{0, 0, client.Right - band, client.Bottom}
                              : Rect{band, 0, client.Right, client.Bottom};
    return FarSide(style) ? Rect{0, 0, client.Right, client.Bottom - band}
                          : Rect{0, band, client.Right, client.Bottom};
}

// The selected tab stands 2 pixels larger and reaches 1 pixel into the page.
Rect RaisedTab(DWORD style, const Rect& tab) {
    Rect r{tab.Left - 2, tab.Top - 2, tab.Right + 2, tab.Bottom + 2};
    if (Vertical(style) && FarSide(style))
        r.Left += 1;
    else if (Vertical(style))
        r.Right -= 1;
    else if (FarSide(style))
        r.Top += 1;
    else
        r.Bottom -= 1;
    return r;
}

void PaintStrip(HWND hwnd, HDC dc) {
    TabStrip* strip = StripOf(hwnd);
    if (!strip)
        return;
    Rect client;
    GetClientRect(hwnd, &client);
    FillColor(dc, client, COLOR_BTNFACE);
    const DWORD style = StyleOf(hwnd);
    const Rect page = PageFrame(style, client, TabHeight(*strip, style));
    FillColor(dc, {page.Left, page.Top, page.Right, page.Top + 1}, COLOR_BTNHIGHLIGHT);
    FillColor(dc, {page.Left, page.Top, page.Left + 1, page.Bottom}, COLOR_BTNHIGHLIGHT);
    FillColor(dc, {page.Right - 1, page.Top, page.Right, page.Bottom}, COLOR_3DDKSHADOW);
    FillColor(dc, {page.Left, page.Bottom - 1, page.Right, page.Bottom}, COLOR_3DDKSHADOW);

    const std::vector<Rect> rects = ItemRects(hwnd, *strip);
    const int32_t right = RowRight(hwnd, *strip);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, 0, 0, right, client.Bottom);
    HGDIOBJ oldFont = strip->font ? SelectObject(dc, strip->font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    for (size_t i = 0; i < rects.size(); ++i) {
        Rect tab = rects[i];
        const bool selected = int(i) == strip->selected;
        if (selected)
            tab = RaisedTab(style, tab);
        FillColor(dc, tab, COLOR_BTNFACE);
        FillColor(dc, {tab.Left, tab.Top + 2, tab.Left + 1, tab.Bottom}, COLOR_BTNHIGHLIGHT);
        FillColor(dc, {tab.Left + 2, tab.Top, tab.Right - 2, tab.Top + 1}, COLOR_BTNHIGHLIGHT);
        FillColor(dc, {tab.Left + 1, tab.Top + 1, tab.Left + 2, tab.Top + 2}, COLOR_BTNHIGHLIGHT);
        FillColor(dc, {tab.Right - 1, tab.Top + 2, tab.Right, tab.Bottom}, COLOR_3DDKSHADOW);
        FillColor(dc, {tab.Right - 2, tab.Top + 1, tab.Right - 1, tab.Bottom}, COLOR_BTNSHADOW);
        Rect text = tab;
        if (strip->images) {
            const int32_t imageTop = tab.Top + (tab.height() - strip->images->Height()) / 2;
            if (strip->items[i].image >= 0)
                strip->images->Draw(dc, tab.Left + kPaddingX, imageTop, strip->items[i].image, true);
            text.Left += strip->images->Width() + kImageGap;
        }
        DrawText(dc, strip->items[i].text, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        if (selected && GetFocus() == hwnd) {
            Rect focus{text.Left + 3, tab.Top + 3, text.Right - 3, tab.Bottom - 2};
            for (int32_t x = focus.Left; x < focus.Right; x += 2) {
                SetPixel(dc, x, focus.Top, 0);
                SetPixel(dc, x, focus.Bottom - 1, 0);
            }
        }
    }
    if (oldFont)
        SelectObject(dc, oldFont);
    RestoreDC(dc, saved);
}

// --- The strip's procedure -------------------------------------------------------------------

LRESULT TabStripProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE)
        Strips()[hwnd] = TabStrip{};
    TabStrip* strip = StripOf(hwnd);
    if (!strip)
        return DefWindowProc(hwnd, msg, wParam, lParam);
    switch (msg) {
        case WM_NCDESTROY:
            Strips().erase(hwnd);
            return DefWindowProc(hwnd, msg, wParam, lParam);
        case WM_SETFONT:
            strip->font = reinterpret_cast<HFONT>(wParam);
            for (TabItem& item : strip->items) item.textWidth = -1;
            Relayout(hwnd, *strip);
            return 0;
        case WM_GETFONT:
            return LRESULT(strip->font);
        case WM_SIZE:
            Relayout(hwnd, *strip);
            return 0;
        case WM_GETDLGCODE:
            return LRESULT(DLGC_WANTARROWS | DLGC_WANTCHARS);
        case WM_ERASEBKGND: {
            Rect client;
            GetClientRect(hwnd, &client);
            FillColor(reinterpret_cast<HDC>(wParam), client, COLOR_BTNFACE);
            return 1;
        }
        case WM_PAINT: {
            if (wParam) {
                PaintStrip(hwnd, reinterpret_cast<HDC>(wParam));
                return 0;
            }
            PAINTSTRUCT paint;
            if (HDC dc = BeginPaint(hwnd, &paint)) {
                PaintStrip(hwnd, dc);
                EndPaint(hwnd, &paint);
            }
            return 0;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(hwnd, nullptr, true);
            return 0;
        case WM_LBUTTONDOWN:
        // The strip's class takes double clicks; the second press of one selects as any press.
        case WM_LBUTTONDBLCLK: {
            if (!(StyleOf(hwnd) & TCS_FOCUSNEVER))
                SetFocus(hwnd);
            // The window is asked, so that a control built on the strip that draws its tabs
            // elsewhere selects the tab drawn under the pointer.
            TCHITTESTINFO info{PointFromLParam(lParam), 0};
            const int index = int(SendMessage(hwnd, TCM_HITTEST, 0, LPARAM(&info)));
            if (index >= 0)
                SelectByUser(hwnd, index);
            return 0;
        }
        case WM_KEYDOWN: {
            const int key = int(wParam);
            if (key == VK_LEFT || key == VK_UP)
                SelectByUser(hwnd, strip->selected - 1);
            if (key == VK_RIGHT || key == VK_DOWN)
                SelectByUser(hwnd, strip->selected < 0 ? 0 : strip->selected + 1);
            return 0;
        }
        case WM_HSCROLL:
            if (LOWORD(wParam) == SB_THUMBPOSITION) {
                const int position = int(int16_t(HIWORD(wParam)));
                if (position >= 0 && position < int(strip->items.size()) && position != strip->firstVisible) {
                    strip->firstVisible = position;
                    if (strip->upDown && IsWindow(strip->upDown))
                        SendMessage(strip->upDown, UDM_SETPOS32, 0, position);
                    InvalidateRect(hwnd, nullptr, true);
                }
            }
            return 0;
        case TCM_GETITEMCOUNT:
            return LRESULT(strip->items.size());
        case TCM_INSERTITEM: {
            const auto* item = reinterpret_cast<const TCITEM*>(lParam);
            if (!item)
                return -1;
            const size_t at = std::min(size_t(wParam), strip->items.size());
            TabItem tab;
            if ((item->mask & TCIF_TEXT) && item->pszText)
                tab.text = item->pszText;
            if (item->mask & TCIF_IMAGE)
                tab.image = item->iImage;
            strip->items.insert(strip->items.begin() + ptrdiff_t(at), tab);
            if (strip->selected >= int(at))
                ++strip->selected;
            Relayout(hwnd, *strip);
            return LRESULT(at);
        }
        case TCM_SETITEM:
        case TCM_GETITEM: {
            auto* item = reinterpret_cast<TCITEM*>(lParam);
            if (!item || wParam >= strip->items.size())
                return 0;
            TabItem& tab = strip->items[wParam];
            if (msg == TCM_GETITEM) {
                strip->returnedText = tab.text;
                if (item->mask & TCIF_TEXT)
                    item->pszText = strip->returnedText.c_str();
                if (item->mask & TCIF_IMAGE)
                    item->iImage = tab.image;
                return 1;
            }
            if ((item->mask & TCIF_TEXT) && item->pszText) {
                tab.text = item->pszText;
                tab.textWidth = -1;
            }
            if (item->mask & TCIF_IMAGE)
                tab.image = item->iImage;
            Relayout(hwnd, *strip);
            return 1;
        }
        case TCM_DELETEITEM: {
            const int index = int(wParam);
            if (index < 0 || index >= int(strip->items.size()))
                return 0;
            strip->items.erase(strip->items.begin() + index);
            // Removing the selected tab leaves none selected; an earlier one moves it down.
            if (strip->selected == index)
                strip->selected = -1;
            else if (strip->selected > index)
                --strip->selected;
            Relayout(hwnd, *strip);
            return 1;
        }
        case TCM_DELETEALLITEMS:
            strip->items.clear();
            strip->selected = -1;
            Relayout(hwnd, *strip);
            return 1;
        case TCM_GETITEMRECT: {
            auto* rect = reinterpret_cast<Rect*>(lParam);
            if (!rect || wParam >= strip->items.size())
                return 0;
            *rect = ItemRects(hwnd, *strip)[wParam];
            return 1;
        }
        case TCM_GETCURSEL:
            return strip->selected;
        case TCM_SETCURSEL: {
            const int index = int(wParam);
            if (index >= int(strip->items.size()))
                return -1;
            const int previous = strip->selected;
            strip->selected = index < 0 ? -1 : index;
            EnsureVisible(hwnd, *strip, strip->selected);
            InvalidateRect(hwnd, nullptr, true);
            return previous;
        }
        case TCM_SETCURFOCUS:
            SelectByUser(hwnd, int(wParam));
            return 0;
        case TCM_HITTEST: {
            auto* info = reinterpret_cast<TCHITTESTINFO*>(lParam);
            return info ? HitTest(hwnd, *strip, info->pt) : -1;
        }
        case TCM_ADJUSTRECT: {
            auto* rect = reinterpret_cast<Rect*>(lParam);
            if (!rect)
                return 0;
            *rect = wParam ? WindowFromPage(hwnd, *strip, *rect) : PageArea(hwnd, *strip, *rect);
            return 0;
        }
        case TCM_SETITEMSIZE: {
            const LRESULT old = MAKELRESULT(strip->fixedSize.cx, strip->fixedSize.cy);
            strip->fixedSize = {int32_t(LOWORD(uintptr_t(lParam))), int32_t(HIWORD(uintptr_t(lParam)))};
            Relayout(hwnd, *strip);
            return old;
        }
        case TCM_SETIMAGELIST: {
            TImageList* old = strip->images;
            strip->images = reinterpret_cast<TImageList*>(lParam);
            Relayout(hwnd, *strip);
            return LRESULT(old);
        }
        case TCM_GETIMAGELIST:
            return LRESULT(strip->images);
        case TCM_GETROWCOUNT:
            return strip->items.empty() ? 0 : 1;
        default:
            return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

// --- The scroll arrows' procedure ------------------------------------------------------------

struct UpDown {
    int lower = 0;
    int upper = 0;
    int position = 0;
    int pressed = 0;  // -1 left arrow, 1 right arrow
};

std::map<HWND, UpDown>& UpDowns() {
    static std::map<HWND, UpDown> upDowns;
    return upDowns;
}

Rect ArrowRect(HWND hwnd, int side) {
    Rect client;
    GetClientRect(hwnd, &client);
    const int32_t middle = client.width() / 2;
    return side < 0 ? Rect{0, 0, middle, client.Bottom} : Rect{middle, 0, client.Right, client.Bottom};
}

void PaintArrow(HDC dc, const Rect& rect, int side, bool pressed, bool enabled) {
    FillColor(dc, rect, COLOR_BTNFACE);
    const int light = pressed ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT;
    const int dark = pressed ? COLOR_BTNHIGHLIGHT : COLOR_3DDKSHADOW;
    FillColor(dc, {rect.Left, rect.Top, rect.Right, rect.Top + 1}, light);
    FillColor(dc, {rect.Left, rect.Top, rect.Left + 1, rect.Bottom}, light);
    FillColor(dc, {rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom}, dark);
    FillColor(dc, {rect.Right - 1, rect.Top, rect.Right, rect.Bottom}, dark);
    const int32_t cx = rect.Left + rect.width() / 2 + (pressed ? 1 : 0);
    const int32_t cy = rect.Top + rect.height() / 2 + (pressed ? 1 : 0);
    HBRUSH brush = GetSysColorBrush(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
    for (int i = 0; i < 4; ++i) {
        const int32_t x = side < 0 ? cx - 2 + i : cx + 1 - i;
        FillRect(dc, {x, cy - i, x + 1, cy + i + 1}, brush);
    }
}

void Step(HWND hwnd, UpDown& upDown, int side) {
    const int position = std::clamp(upDown.position + side, upDown.lower, upDown.upper);
    if (position == upDown.position)
        return;
    upDown.position = position;
    InvalidateRect(hwnd, nullptr, true);
    HWND parent = GetParent(hwnd);
    SendMessage(parent, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position), LPARAM(hwnd));
    SendMessage(parent, WM_HSCROLL, MAKEWPARAM(SB_ENDSCROLL, position), LPARAM(hwnd));
}

LRESULT UpDownProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE)
        UpDowns()[hwnd] = UpDown{};
    auto found = UpDowns().find(hwnd);
    if (found == UpDowns().end())
        return DefWindowProc(hwnd, msg, wParam, lParam);
    UpDown& upDown = found->second;
    switch (msg) {
        case WM_NCDESTROY:
            UpDowns().erase(found);
            return DefWindowProc(hwnd, msg, wParam, lParam);
        case UDM_SETRANGE32:
            upDown.lower = int(int32_t(wParam));
            upDown.upper = int(int32_t(lParam));
            upDown.position = std::clamp(upDown.position, upDown.lower, std::max(upDown.lower, upDown.upper));
            InvalidateRect(hwnd, nullptr, true);
            return 0;
        case UDM_GETRANGE32:
            if (wParam)
                *reinterpret_cast<int*>(wParam) = upDown.lower;
            if (lParam)
                *reinterpret_cast<int*>(lParam) = upDown.upper;
            return 0;
        case UDM_SETPOS32: {
            const int old = upDown.position;
            upDown.position =
                std::clamp(int(int32_t(lParam)), upDown.lower, std::max(upDown.lower, upDown.upper));
            InvalidateRect(hwnd, nullptr, true);
            return old;
        }
        case UDM_GETPOS32:
            return upDown.position;
        case WM_LBUTTONDOWN: {
            const int side = ArrowRect(hwnd, -1).contains(PointFromLParam(lParam)) ? -1 : 1;
            upDown.pressed = side;
            InvalidateRect(hwnd, nullptr, true);
            Step(hwnd, upDown, side);
            return 0;
        }
        case WM_LBUTTONUP:
            if (auto again = UpDowns().find(hwnd); again != UpDowns().end()) {
                again->second.pressed = 0;
                InvalidateRect(hwnd, nullptr, true);
            }
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = wParam ? reinterpret_cast<HDC>(wParam) : BeginPaint(hwnd, &paint);
            if (!dc)
                return 0;
            PaintArrow(dc, ArrowRect(hwnd, -1), -1, upDown.pressed<0, upDown.position> upDown.lower);
            PaintArrow(dc, ArrowRect(hwnd, 1), 1, upDown.pressed > 0, upDown.position < upDown.upper);
            if (!wParam)
                EndPaint(hwnd, &paint);
            return 0;
        }
        default:
            return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

void RegisterTabStripClasses() {
    WNDCLASS existing;
    if (!GetClassInfo(kTabStripClass, &existing)) {
        WNDCLASS strip;
        strip.style = CS_DBLCLKS;
        strip.lpfnWndProc = TabStripProc;
        strip.lpszClassName = kTabStripClass;
        RegisterClass(strip);
    }
    if (!GetClassInfo(kUpDownClass, &existing)) {
        WNDCLASS upDown;
        upDown.lpfnWndProc = UpDownProc;
        upDown.lpszClassName = kUpDownClass;
        RegisterClass(upDown);
    }
}

}  // namespace framework
