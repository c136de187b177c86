#include "platform/window/window.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <utility>

#include "platform/gfx/dc.h"
#include "platform/window/focus.h"
#include "platform/window/input.h"
#include "platform/window/internal.h"
#include "platform/window/message_loop.h"
#include "platform/window/metrics.h"
#include "platform/window/painting.h"
#include "platform/window/window_pos.h"

namespace platform {

using namespace win;

namespace {

// Window coordinates stay well inside the region engine's limits, so that no sum of a position,
// a size and an offset can overflow.
constexpr int32_t kMaxWindowCoordinate = int32_t(1) << 24;

std::string Lowercase(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// Classes belong to the process, as on the platform: they outlive display sessions.
std::map<std::string, std::shared_ptr<WindowClass>>& Classes() {
    static std::map<std::string, std::shared_ptr<WindowClass>> classes;
    return classes;
}

std::shared_ptr<WindowClass> FindClass(std::string_view name) {
    auto it = Classes().find(Lowercase(name));
    return it == Classes().end() ? nullptr : it->second;
}

HWND NewHandle() {
    static uintptr_t next = 0x10000;
    next += 4;
    return reinterpret_cast<HWND>(next);
}

int32_t ClampCoordinate(int32_t v) {
    return std::clamp(v, -kMaxWindowCoordinate, kMaxWindowCoordinate);
}
int32_t ClampSize(int32_t v) {
    return std::clamp(v, 0, kMaxSurfaceDimension);
}

// Where a top-level window given CW_USEDEFAULT goes: a cascade inside the primary work area.
void ApplyDefaultPlacement(int32_t* x, int32_t* y, int32_t* width, int32_t* height) {
    static int cascade = 0;
    Rect work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    if (*x == CW_USEDEFAULT) {
        int step = (cascade++ % 8) * 24;
        *x = work.Left + 32 + step;
        *y = work.Top + 32 + step;
    }
    if (*width == CW_USEDEFAULT) {
        *width = work.width() * 3 / 4;
        *height = work.height() * 3 / 4;
    }
}

void MarkDestroying(HWND hwnd) {
    WindowRecord* w = Find(hwnd);
    if (!w)
        return;
    w->destroying = true;
    for (HWND child : w->children) MarkDestroying(child);
}

// WM_DESTROY to the window, then to its children (parents first).
void SendDestroyMessages(HWND hwnd) {
    WindowSystem& s = System();
    if (s.capture == hwnd)
        ReleaseCapture();
    if (s.focus == hwnd)
        s.focus = nullptr;
    SendMessage(hwnd, WM_DESTROY, 0, 0);
    WindowRecord* w = Find(hwnd);
    if (!w)
        return;
    std::vector<HWND> children = w->children;
    for (HWND child : children) {
        if (Find(child))
            SendDestroyMessages(child);
    }
}

void Unlink(WindowRecord& w) {
    WindowSystem& s = System();
    if (w.isChild()) {
        if (WindowRecord* parent = Find(w.parent))
            std::erase(parent->children, w.handle);
    } else {
        std::erase(s.topLevels, w.handle);
    }
}

// WM_NCDESTROY to the children, then to the window (children first), and the records go.
void FreeWindow(HWND hwnd) {
    WindowRecord* w = Find(hwnd);
    if (!w)
        return;
    std::vector<HWND> children = w->children;
    for (HWND child : children) FreeWindow(child);
    SendMessage(hwnd, WM_NCDESTROY, 0, 0);
    w = Find(hwnd);
    if (!w)
        return;
    ForgetWindowState(hwnd);
    if (w->nativeWidget && CurrentDisplay()) {
        CurrentDisplay()->placeNativeWidget(w->nativeWidget, TopLevelOf(hwnd), {}, false);
    }
    Unlink(*w);
    bool known = w->top && w->top->known;
    if (w->top)
        DetachSurfaceDCs(w->top->surface.get());
    System().windows.erase(reinterpret_cast<uintptr_t>(hwnd));
    if (Display* display = CurrentDisplay(); display && known) {
        display->topLevelDestroyed(hwnd);
        AnnounceStacking();
    }
}

// Sends WM_STYLECHANGING / WM_STYLECHANGED around a style change and returns the old value.
DWORD ChangeStyle(HWND hwnd, int index, DWORD requested) {
    WindowRecord* w = Find(hwnd);
    DWORD& field = index == GWL_STYLE ? w->style : w->exStyle;
    STYLESTRUCT change{field, requested};
    SendMessage(hwnd, WM_STYLECHANGING, WPARAM(index), reinterpret_cast<LPARAM>(&change));
    w = Find(hwnd);
    if (!w)
        return change.styleOld;
    DWORD& target = index == GWL_STYLE ? w->style : w->exStyle;
    DWORD old = target;
    DWORD value = change.styleNew;
    if (index == GWL_STYLE) {
        value = (value & ~WS_CHILD) | (old & WS_CHILD);  // a window stays a child or a top-level
    } else {
        value = (value & ~WS_EX_TOPMOST) | (old & WS_EX_TOPMOST);  // z-order changes go through SetWindowPos
    }
    target = value;
    STYLESTRUCT done{old, value};
    SendMessage(hwnd, WM_STYLECHANGED, WPARAM(index), reinterpret_cast<LPARAM>(&done));
    return old;
}

void LayeredStyleChanged(HWND hwnd, DWORD oldExStyle) {
    WindowRecord* w = Find(hwnd);
    if (!w || !w->top)
        return;
    bool was = (oldExStyle & WS_EX_LAYERED) != 0;
    bool is = (w->exStyle & WS_EX_LAYERED) != 0;
    if (was == is)
        return;
    if (is) {
        w->top->layer = {LayerAttributes::Mode::Unset, 255, std::nullopt};
    } else {
        // A window that is plain again shows its own painting, repainted in full.
        w->top->layer = {};
        *w->top->layeredImage = Surface();
        ReportSurfaceChange(hwnd, w->top->surface->bounds());
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
}

}  // namespace

namespace win {

void SendParentNotify(HWND child, UINT event, LPARAM lParam) {
    HWND hwnd = child;
    for (;;) {
        WindowRecord* w = Find(hwnd);
        if (!w || !w->isChild() || (w->exStyle & WS_EX_NOPARENTNOTIFY))
            return;
        HWND parent = w->parent;
        SendMessage(parent, WM_PARENTNOTIFY, MAKEWPARAM(int(event), int(w->id)), lParam);
        hwnd = parent;
    }
}

}  // namespace win

ATOM RegisterClass(const WNDCLASS& windowClass) {
    static ATOM nextAtom = 0xC000;
    if (windowClass.lpszClassName.empty())
        return 0;
    std::string key = Lowercase(windowClass.lpszClassName);
    if (Classes().count(key))
        return 0;
    auto cls = std::make_shared<WindowClass>();
    cls->name = windowClass.lpszClassName;
    cls->style = windowClass.style;
    cls->proc = windowClass.lpfnWndProc ? windowClass.lpfnWndProc : &DefWindowProc;
    cls->cursor = windowClass.hCursor;
    cls->background = windowClass.background;
    Classes()[key] = std::move(cls);
    return nextAtom == 0xFFFF ? nextAtom : nextAtom++;
}

bool UnregisterClass(std::string_view className) {
    auto it = Classes().find(Lowercase(className));
    if (it == Classes().end())
        return false;
    for (auto& [key, w] : System().windows) {
        if (w->windowClass == it->second)
            return false;
    }
    Classes().erase(it);
    return true;
}

bool GetClassInfo(std::string_view className, WNDCLASS* out) {
    auto cls = FindClass(className);
    if (!cls || !out)
        return false;
    out->style = cls->style;
    out->lpfnWndProc = cls->proc;
    out->hCursor = cls->cursor;
    out->background = cls->background;
    out->lpszClassName = cls->name;
    return true;
}

std::string GetClassName(HWND hwnd) {
    WindowRecord* w = Find(hwnd);
    return w ? w->windowClass->name : std::string();
}

int GetClassName(HWND hwnd, char* buffer, int bufferSize) {
    WindowRecord* w = Find(hwnd);
    if (!w || !buffer || bufferSize <= 0)
        return 0;
    const std::string& name = w->windowClass->name;
    size_t n = std::min(name.size(), size_t(bufferSize - 1));
    std::memcpy(buffer, name.data(), n);
    buffer[n] = '\0';
    return int(n);
}

HWND CreateWindowEx(DWORD exStyle, std::string_view className, std::string_view windowName, DWORD style,
                    int32_t x, int32_t y, int32_t width, int32_t height, HWND parent, UINT_PTR id,
                    void* param) {
    WindowSystem& s = System();
    auto cls = FindClass(className);
    if (!s.display || !cls)
        return nullptr;
    bool child = (style & WS_CHILD) != 0;
    if (child ? !Find(parent) : (parent && !Find(parent)))
        return nullptr;

    if (!child) {
        ApplyDefaultPlacement(&x, &y, &width, &height);
        // Top-level windows always clip their siblings; overlapped ones always have a caption.
        style |= WS_CLIPSIBLINGS;
        if (!(style & WS_POPUP))
            style |= WS_CAPTION;
    } else {
        if (x == CW_USEDEFAULT)
            x = y = 0;
        if (width == CW_USEDEFAULT)
            width = height = 0;
    }
    bool visible = (style & WS_VISIBLE) != 0;

    auto record = std::make_unique<WindowRecord>();
    HWND hwnd = NewHandle();
    record->handle = hwnd;
    record->windowClass = cls;
    record->style = style & ~WS_VISIBLE;
    record->exStyle = exStyle;
    record->proc = cls->proc;
    record->id = child ? id : 0;
    record->text = std::string(windowName);
    record->rect = rectOfSize(ClampCoordinate(x), ClampCoordinate(y), ClampSize(width), ClampSize(height));
    record->client = {0, 0, record->rect.width(), record->rect.height()};
    if (child) {
        record->parent = parent;
        Get(parent).children.push_back(hwnd);  // new children go to the bottom, as on the platform
    } else {
        record->owner = TopLevelOf(parent);
        record->top = std::make_unique<TopLevelPart>();
        if (exStyle & WS_EX_LAYERED)
            record->top->layer.mode = LayerAttributes::Mode::Unset;
    }
    s.windows[reinterpret_cast<uintptr_t>(hwnd)] = std::move(record);
    if (!child)
        RestackTopLevel(hwnd, (exStyle & WS_EX_TOPMOST) ? HWND_TOPMOST : HWND_TOP);

    WindowRecord& w = Get(hwnd);
    std::string nameCopy = w.text;
    CREATESTRUCT cs;
    cs.lpCreateParams = param;
    cs.hwndParent = child ? parent : w.owner;
    cs.id = w.id;
    cs.lpszName = nameCopy.c_str();
    cs.lpszClass = cls->name.c_str();
    cs.dwExStyle = exStyle;
    cs.style = style;

    if ((style & WS_THICKFRAME) || !(style & (WS_POPUP | WS_CHILD))) {
        int32_t cx = w.rect.width(), cy = w.rect.height();
        ClampToTrackingSize(hwnd, &cx, &cy);
        if (WindowRecord* again = Find(hwnd))
            again->rect = rectOfSize(again->rect.Left, again->rect.Top, cx, cy);
    }
    auto fill = [&cs](const WindowRecord& r) {
        cs.x = r.rect.Left, cs.y = r.rect.Top, cs.cx = r.rect.width(), cs.cy = r.rect.height();
    };
    if (WindowRecord* r = Find(hwnd))
        fill(*r);

    if (!SendMessage(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        MarkDestroying(hwnd);
        FreeWindow(hwnd);
        return nullptr;
    }
    WindowRecord* r = Find(hwnd);
    if (!r)
        return nullptr;
    Rect proposed = r->rect;
    SendMessage(hwnd, WM_NCCALCSIZE, 0, reinterpret_cast<LPARAM>(&proposed));
    r = Find(hwnd);
    if (!r)
        return nullptr;
    r->client =
        intersect(proposed.offsetBy(-r->rect.Left, -r->rect.Top), {0, 0, r->rect.width(), r->rect.height()});
    if (r->top)
        ResizeSurface(hwnd);
    fill(*r);

    if (SendMessage(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (!(r = Find(hwnd)))
        return nullptr;
    SendMessage(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(r->client.width(), r->client.height()));
    if (!(r = Find(hwnd)))
        return nullptr;
    SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(r->rect.Left + r->client.Left, r->rect.Top + r->client.Top));
    if (!(r = Find(hwnd)))
        return nullptr;

    if (r->isChild()) {
        SendParentNotify(hwnd, WM_CREATE, reinterpret_cast<LPARAM>(hwnd));
    } else {
        IntroduceTopLevel(hwnd);
    }
    if (!Find(hwnd))
        return nullptr;
    if (visible) {
        int command = (style & WS_MAXIMIZE)   ? SW_SHOWMAXIMIZED
                      : (style & WS_MINIMIZE) ? SW_SHOWMINIMIZED
                                              : SW_SHOW;
        ShowWindow(hwnd, command);
    }
    return Find(hwnd) ? hwnd : nullptr;
}

bool DestroyWindow(HWND hwnd) {
    WindowRecord* w = Find(hwnd);
    if (!w)
        return false;
    if (w->destroying)
        return true;
    bool child = w->isChild();
    if (child)
        SendParentNotify(hwnd, WM_DESTROY, reinterpret_cast<LPARAM>(hwnd));
    if (!(w = Find(hwnd)) || w->destroying)
        return true;

    if (w->style & WS_VISIBLE) {
        if (child) {
            ShowWindow(hwnd, SW_HIDE);
        } else {
            SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                         SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
        }
    }
    if (!Find(hwnd))
        return true;
    if (System().active == hwnd)
        ActivateOtherWindow(hwnd);

    std::vector<HWND> owned;
    for (HWND top : System().topLevels) {
        if (WindowRecord* t = Find(top); t && t->owner == hwnd)
            owned.push_back(top);
    }
    for (HWND o : owned) DestroyWindow(o);

    if (!(w = Find(hwnd)) || w->destroying)
        return true;
    if (HWND focus = System().focus; focus && (focus == hwnd || IsChild(hwnd, focus))) {
        HWND parent = child ? w->parent : nullptr;
        if (parent) {
            SetFocus(parent);
        } else {
            System().focus = nullptr;
        }
    }
    if (!Find(hwnd))
        return true;
    MarkDestroying(hwnd);
    SendDestroyMessages(hwnd);
    FreeWindow(hwnd);
    return true;
}

bool IsWindow(HWND hwnd) {
    return Find(hwnd) != nullptr;
}

LONG_PTR GetWindowLongPtr(HWND hwnd, int index) {
    WindowRecord* w = Find(hwnd);
    if (!w)
        return 0;
    switch (index) {
        case GWL_STYLE:
            return LONG_PTR(w->style);
        case GWL_EXSTYLE:
            return LONG_PTR(w->exStyle);
        case GWLP_WNDPROC:
            return reinterpret_cast<LONG_PTR>(w->proc);
        case GWLP_USERDATA:
            return w->userData;
        case GWLP_ID:
            return LONG_PTR(w->id);
        case GWLP_HWNDPARENT:
            return reinterpret_cast<LONG_PTR>(w->isChild() ? w->parent : w->owner);
        default:
            return 0;
    }
}

LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value) {
    WindowRecord* w = Find(hwnd);
    if (!w)
        return 0;
    switch (index) {
        case GWL_STYLE: {
            LONG_PTR old = LONG_PTR(ChangeStyle(hwnd, GWL_STYLE, DWORD(value)));
            if (Find(hwnd) && !Get(hwnd).isChild())
                AnnounceTopLevel(hwnd);
            PlaceNativeWidgets();
            return old;
        }
        case GWL_EXSTYLE: {
            DWORD old = ChangeStyle(hwnd, GWL_EXSTYLE, DWORD(value));
            LayeredStyleChanged(hwnd, old);
            AnnounceTopLevel(hwnd);
            return LONG_PTR(old);
        }
        case GWLP_WNDPROC: {
            LONG_PTR old = reinterpret_cast<LONG_PTR>(w->proc);
            w->proc = value ? reinterpret_cast<WNDPROC>(value) : &DefWindowProc;
            return old;
        }
        case GWLP_USERDATA:
            return std::exchange(w->userData, value);
        case GWLP_ID:
            return LONG_PTR(std::exchange(w->id, UINT_PTR(value)));
        case GWLP_HWNDPARENT: {
            if (w->isChild())
                return 0;
            HWND owner = TopLevelOf(reinterpret_cast<HWND>(value));
            if (value && !owner)
                return 0;
            // No cycles: the new owner must not be owned by this window, directly or not.
            for (WindowRecord* o = Find(owner); o; o = Find(o->owner)) {
                if (o->handle == hwnd)
                    return 0;
            }
            LONG_PTR old = reinterpret_cast<LONG_PTR>(w->owner);
            w->owner = owner;
            AnnounceTopLevel(hwnd);
            return old;
        }
        default:
            return 0;
    }
}

WNDPROC SubclassWindow(HWND hwnd, WNDPROC proc) {
    if (!Find(hwnd))
        return nullptr;
    return reinterpret_cast<WNDPROC>(SetWindowLongPtr(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
}

HWND GetParent(HWND hwnd) {
    WindowRecord* w = Find(hwnd);
    if (!w)
        return nullptr;
    if (w->isChild())
        return w->parent;
    return (w->style & WS_POPUP) ? w->owner : nullptr;
}

HWND GetAncestor(HWND hwnd, UINT relation) {
    WindowRecord* w = Find(hwnd);
    if (!w)
        return nullptr;
    switch (relation) {
        case GA_PARENT:
            return w->isChild() ? w->parent : nullptr;
        case GA_ROOT:
            return TopLevelOf(hwnd);
        case GA_ROOTOWNER: {
            HWND root = TopLevelOf(hwnd);
            while (WindowRecord* r = Find(root)) {
                if (!r->owner)
                    break;
                root = r->owner;
            }
            return root;
        }
        default:
            return nullptr;
    }
}

static const std::vector<HWND>* SiblingsOf(const WindowRecord& w) {
    if (!w.isChild())
        return &System().topLevels;
    WindowRecord* parent = Find(w.parent);
    return parent ? &parent->children : nullptr;
}

HWND GetWindow(HWND hwnd, UINT relation) {
    WindowRecord* w = Find(hwnd);
    if (!w)
        return nullptr;
    if (relation == GW_OWNER)
        return w->isChild() ? nullptr : w->owner;
    if (relation == GW_CHILD)
        return w->children.empty() ? nullptr : w->children.front();
    const std::vector<HWND>* siblings = SiblingsOf(*w);
    if (!siblings || siblings->empty())
        return nullptr;
    auto it = std::find(siblings->begin(), siblings->end(), hwnd);
    switch (relation) {
        case GW_HWNDFIRST:
            return siblings->front();
        case GW_HWNDLAST:
            return siblings->back();
        case GW_HWNDNEXT:
            return (it == siblings->end() || it + 1 == siblings->end()) ? nullptr : *(it + 1);
        case GW_HWNDPREV:
            return (it == siblings->end() || it == siblings->begin()) ? nullptr : *(it - 1);
        default:
            return nullptr;
    }
}

HWND GetTopWindow(HWND parent) {
    if (!parent)
        return System().topLevels.empty() ? nullptr : System().topLevels.front();
    return GetWindow(parent, GW_CHILD);
}

bool IsChild(HWND parent, HWND hwnd) {
    WindowRecord* w = Find(hwnd);
    while (w && w->isChild()) {
        if (w->parent == parent)
            return true;
        w = Find(w->parent);
    }
    return false;
}

HWND FindWindowEx(HWND parent, HWND after, std::string_view className, const char* windowName) {
    const std::vector<HWND>* list = nullptr;
    if (parent) {
        WindowRecord* p = Find(parent);
        if (!p)
            return nullptr;
        list = &p->children;
    } else {
        list = &System().topLevels;
    }
    auto it = list->begin();
    if (after) {
        it = std::find(list->begin(), list->end(), after);
        if (it == list->end())
            return nullptr;
        ++it;
    }
    std::string wantedClass = Lowercase(className);
    for (; it != list->end(); ++it) {
        WindowRecord& w = Get(*it);
        if (!wantedClass.empty() && Lowercase(w.windowClass->name) != wantedClass)
            continue;
        if (windowName && w.text != windowName)
            continue;
        return *it;
    }
    return nullptr;
}

bool SetWindowText(HWND hwnd, std::string_view text) {
    if (!Find(hwnd))
        return false;
    std::string copy(text);
    return SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str())) != 0;
}

int GetWindowTextLength(HWND hwnd) {
    if (!Find(hwnd))
        return 0;
    return int(SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

std::string GetWindowText(HWND hwnd) {
    int length = GetWindowTextLength(hwnd);
    if (length <= 0)
        return {};
    std::string buffer(size_t(length) + 1, '\0');
    LRESULT copied = SendMessage(hwnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    buffer.resize(size_t(std::clamp<LRESULT>(copied, 0, length)));
    return buffer;
}

bool EnableWindow(HWND hwnd, bool enable) {
    WindowRecord* w = Find(hwnd);
    if (!w)
        return false;
    bool wasDisabled = (w->style & WS_DISABLED) != 0;
    if (enable && wasDisabled) {
        w->style &= ~WS_DISABLED;
        SendMessage(hwnd, WM_ENABLE, 1, 0);
    } else if (!enable && !wasDisabled) {
        SendMessage(hwnd, WM_CANCELMODE, 0, 0);
        if (!(w = Find(hwnd)))
            return false;
        w->style |= WS_DISABLED;
        HWND focus = GetFocus();
        if (focus && (focus == hwnd || IsChild(hwnd, focus)))
            SetFocus(nullptr);
        SendMessage(hwnd, WM_ENABLE, 0, 0);
    }
    return wasDisabled;
}

bool IsWindowEnabled(HWND hwnd) {
    WindowRecord* w = Find(hwnd);
    return w && !(w->style & WS_DISABLED);
}

bool IsWindowVisible(HWND hwnd) {
    return IsShownWithAncestors(hwnd);
}

bool IsIconic(HWND hwnd) {
    WindowRecord* w = Find(hwnd);
    return w && (w->style & WS_MINIMIZE);
}

bool IsZoomed(HWND hwnd) {
    WindowRecord* w = Find(hwnd);
    return w && (w->style & WS_MAXIMIZE);
}

bool SetWindowRgn(HWND hwnd, HRGN region, bool redraw) {
    WindowRecord* w = Find(hwnd);
    if (!w || (region && !RegionFromHandle(region)))
        return false;
    Rect before = w->rect;
    w->region = region ? TakeRegionFromHandle(region) : std::nullopt;
    AnnounceShape(hwnd);
    UINT flags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | (redraw ? 0 : SWP_NOREDRAW);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, flags);
    if (!(w = Find(hwnd)))
        return true;
    if (redraw) {
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN);
        // What the old shape covered of the parent shows again.
        if (w->isChild()) {
            if (WindowRecord* parent = Find(w->parent)) {
                Region area(before.offsetBy(parent->client.Left, parent->client.Top));
                InvalidateWindowArea(w->parent, area, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
            }
        }
    }
    return true;
}

int GetWindowRgn(HWND hwnd, HRGN dest) {
    WindowRecord* w = Find(hwnd);
    if (!w || !w->region || !RegionFromHandle(dest))
        return ERROR;
    if (!CopyRegionToHandle(*w->region, dest))
        return ERROR;
    return w->region->kind();
}

}  // namespace platform
