// Windows: classes, creation and destruction, the window tree (parent, owner, children), styles and
// the other per-window values, text, enabling, and window regions.
//
// Top-level windows have no parent (WS_POPUP or overlapped); the window given at creation becomes
// their owner. Child windows (WS_CHILD) live inside their parent's client area and are drawn into
// their top-level window's surface. Destruction follows the platform: owned windows go first, then
// WM_DESTROY reaches the window and then its children (parents first), and WM_NCDESTROY reaches
// the children before the window itself (children first).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/color.h"
#include "platform/gfx/gdi_object.h"
#include "platform/window/messages.h"
#include "platform/window/styles.h"
#include "platform/window/types.h"

namespace platform {

struct WNDCLASS {
    UINT style = 0;                      // CS_*
    WNDPROC lpfnWndProc = nullptr;       // null: DefWindowProc
    HCURSOR hCursor = nullptr;           // shown over the client area; null: the arrow
    std::optional<COLORREF> background;  // what DefWindowProc erases with; none: no erasing
    std::string lpszClassName;
};

// An atom (non-zero) for the class, or 0 when the name is empty or a class of that name (compared
// without regard to case) exists.
ATOM RegisterClass(const WNDCLASS& windowClass);
// False when no such class exists or windows of the class are alive.
bool UnregisterClass(std::string_view className);
bool GetClassInfo(std::string_view className, WNDCLASS* out);
// The name the class was registered with, or "" for a bad handle.
std::string GetClassName(HWND hwnd);
// Copies the name into `buffer` (NUL-terminated, cut to fit) and returns its length, 0 on failure.
int GetClassName(HWND hwnd, char* buffer, int bufferSize);

// Creates a window of a registered class. `parent` is the parent of a WS_CHILD window (required)
// and the owner of any other window. `id` is a child's identifier (GWLP_ID). `param` reaches
// WM_NCCREATE and WM_CREATE in CREATESTRUCT::lpCreateParams. Sizes below 0 become 0; positions and
// sizes are limited to what a surface can hold. CW_USEDEFAULT picks a place or size for a top-level
// window. Returns null when the class is unknown, the parent is not a window, or the window
// procedure refused WM_NCCREATE (FALSE) or WM_CREATE (-1).
HWND CreateWindowEx(DWORD exStyle, std::string_view className, std::string_view windowName, DWORD style,
                    int32_t x, int32_t y, int32_t width, int32_t height, HWND parent = nullptr,
                    UINT_PTR id = 0, void* param = nullptr);
bool DestroyWindow(HWND hwnd);
bool IsWindow(HWND hwnd);

// GWL_STYLE, GWL_EXSTYLE, GWLP_WNDPROC, GWLP_USERDATA, GWLP_ID, GWLP_HWNDPARENT (the owner of a
// top-level window, the parent of a child). Setting returns the previous value, 0 on failure.
// Style changes send WM_STYLECHANGING and WM_STYLECHANGED; as on the platform they take effect on
// the frame only at the next SetWindowPos with SWP_FRAMECHANGED.
LONG_PTR GetWindowLongPtr(HWND hwnd, int index);
LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value);
inline LONG_PTR GetWindowLong(HWND hwnd, int index) {
    return GetWindowLongPtr(hwnd, index);
}
inline LONG_PTR SetWindowLong(HWND hwnd, int index, LONG_PTR value) {
    return SetWindowLongPtr(hwnd, index, value);
}
// Installs a window procedure and returns the previous one (SetWindowLongPtr with GWLP_WNDPROC,
// typed); null on failure.
WNDPROC SubclassWindow(HWND hwnd, WNDPROC proc);

// The parent of a child window, the owner of a top-level window (as the platform answers).
HWND GetParent(HWND hwnd);
HWND GetAncestor(HWND hwnd, UINT relation);
HWND GetWindow(HWND hwnd, UINT relation);
// The topmost child of `parent`, or the topmost top-level window for null.
HWND GetTopWindow(HWND parent);
bool IsChild(HWND parent, HWND hwnd);
// The first child of `parent` (top-level windows for null) after `after`, in z-order, whose class
// (case-insensitive) and text match; an empty class or a null text matches any.
HWND FindWindowEx(HWND parent, HWND after, std::string_view className, const char* windowName);

// Through WM_SETTEXT and WM_GETTEXT, in UTF-8.
bool SetWindowText(HWND hwnd, std::string_view text);
std::string GetWindowText(HWND hwnd);
int GetWindowTextLength(HWND hwnd);

// Returns whether the window was disabled before. Disabling sends WM_CANCELMODE first and takes
// the focus away from the window and its children; WM_ENABLE follows the change.
bool EnableWindow(HWND hwnd, bool enable);
bool IsWindowEnabled(HWND hwnd);
// The window and all its ancestors have WS_VISIBLE.
bool IsWindowVisible(HWND hwnd);
bool IsIconic(HWND hwnd);
bool IsZoomed(HWND hwnd);

// Gives the window a shape (window coordinates). The window owns the region from then on and
// deletes the previous one; null removes the shape. With `redraw` the window is repainted. Returns
// false (and the caller keeps the region) for a bad window or region handle.
bool SetWindowRgn(HWND hwnd, HRGN region, bool redraw);
// Copies the window's shape into `dest`: the region's kind (SIMPLEREGION, COMPLEXREGION), or ERROR
// (0) when the window has none or a handle is bad.
int GetWindowRgn(HWND hwnd, HRGN dest);

}  // namespace platform
