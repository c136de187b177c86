#include "platform/window/ime.h"

#include "platform/window/state.h"
#include "platform/window/window_pos.h"

namespace platform {

using namespace win;

bool ImeSetEnabled(HWND hwnd, bool enabled) {
    WindowRecord* w = Find(hwnd);
    if (!w)
        return false;
    w->imeEnabled = enabled;
    WindowSystem& s = System();
    if (s.focus == hwnd && s.display)
        s.display->imeFocus(hwnd, enabled);
    return true;
}

bool ImeIsEnabled(HWND hwnd) {
    WindowRecord* w = Find(hwnd);
    return w && w->imeEnabled;
}

bool ImeSetCaret(HWND hwnd, const Rect& caret) {
    WindowRecord* w = Find(hwnd);
    if (!w)
        return false;
    Point origin = ClientOriginOnScreen(*w);
    if (Display* display = CurrentDisplay())
        display->imeCaret(caret.offsetBy(origin.X, origin.Y));
    return true;
}

bool ImeGetComposition(HWND hwnd, std::string* preedit, int32_t* cursor) {
    const Composition& c = System().composition;
    if (!Find(hwnd) || c.hwnd != hwnd)
        return false;
    if (preedit)
        *preedit = c.preedit;
    if (cursor)
        *cursor = c.cursor;
    return true;
}

}  // namespace platform
