#include "platform/window/painting.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "platform/gfx/dc.h"
#include "platform/window/internal.h"
#include "platform/window/message_loop.h"
#include "platform/window/window.h"

namespace platform {

using namespace win;

namespace {

struct WindowDc {
    HWND topLevel = nullptr;
    Rect reach;  // top-level coordinates: what the DC can change
};

// The DCs handed out by GetDC, GetWindowDC and BeginPaint, until they are released.
std::unordered_map<HDC, WindowDc>& WindowDcs() {
    static std::unordered_map<HDC, WindowDc> dcs;
    return dcs;
}

Rect WholeWindow(const WindowRecord& w) {
    return {0, 0, w.rect.width(), w.rect.height()};
}

// The part of its parent's client area a child window covers, in top-level coordinates.
Region CoveredArea(const WindowRecord& child) {
    Point offset = OffsetInTopLevel(child.handle);
    Region area(WholeWindow(child).offsetBy(offset.X, offset.Y));
    if (child.region)
        area = area.intersected(child.region->translated(offset.X, offset.Y));
    return area;
}

Region ExcludeVisibleChildren(Region area, const WindowRecord& w) {
    // Children show only within the client area: one reaching past it covers none of the frame.
    const Point offset = OffsetInTopLevel(w.handle);
    const Region client(w.client.offsetBy(offset.X, offset.Y));
    for (HWND c : w.children) {
        const WindowRecord& child = Get(c);
        if (child.style & WS_VISIBLE)
            area = area.subtracted(CoveredArea(child).intersected(client));
    }
    return area;
}

HDC MakeWindowDc(HWND hwnd, bool wholeWindow, const Region* limit) {
    WindowRecord* w = Find(hwnd);
    if (!w)
        return nullptr;
    HWND top = TopLevelOf(hwnd);
    Point offset = OffsetInTopLevel(hwnd);
    Region reach = VisibleRegion(hwnd, wholeWindow);
    if (limit)
        reach = reach.intersected(limit->translated(offset.X, offset.Y));
    Point origin = wholeWindow ? offset : Point{offset.X + w->client.Left, offset.Y + w->client.Top};
    HDC dc = CreateSurfaceDC(Get(top).top->surface.get(), origin, &reach);
    if (dc)
        WindowDcs()[dc] = WindowDc{top, reach.bounds()};
    return dc;
}

bool NeedsPaint(const WindowRecord& w) {
    return !w.update.isEmpty() || w.internalPaint;
}

HWND FirstToPaint(HWND hwnd) {
    WindowRecord& w = Get(hwnd);
    if (!(w.style & WS_VISIBLE))
        return nullptr;
    if (NeedsPaint(w))
        return hwnd;
    for (HWND child : w.children) {
        if (HWND found = FirstToPaint(child))
            return found;
    }
    return nullptr;
}

Region ClientPart(const WindowRecord& w) {
    return w.update.intersected(w.client);
}

// WM_NCPAINT when the frame is part of the update region, which leaves the client part.
void PaintFrameNow(HWND hwnd) {
    WindowRecord* w = Find(hwnd);
    if (!w)
        return;
    Region frame = w->update.subtracted(Region(w->client));
    if (frame.isEmpty())
        return;
    w->update = ClientPart(*w);
    SendMessage(hwnd, WM_NCPAINT, 1, 0);
}

// WM_ERASEBKGND over the client part of the update region; returns whether it was erased.
bool EraseNow(HWND hwnd) {
    WindowRecord* w = Find(hwnd);
    if (!w || !w->eraseNeeded)
        return true;
    w->eraseNeeded = false;
    Region area = ClientPart(*w);
    if (area.isEmpty())
        return true;
    HDC dc = MakeWindowDc(hwnd, false, &area);
    bool erased = SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) != 0;
    ReleaseDC(hwnd, dc);
    return erased;
}

void UpdateNow(HWND hwnd, bool paint, bool children) {
    WindowRecord* w = Find(hwnd);
    if (!w || !IsShownWithAncestors(hwnd))
        return;
    PaintFrameNow(hwnd);
    if (!EraseNow(hwnd)) {
        if (WindowRecord* again = Find(hwnd))
            again->eraseRefused = true;
    }
    if (paint) {
        w = Find(hwnd);
        if (w && NeedsPaint(*w))
            SendPaint(hwnd);
    }
    if (!children || !(w = Find(hwnd)))
        return;
    std::vector<HWND> list = w->children;
    for (HWND child : list) UpdateNow(child, paint, true);
}

}  // namespace

namespace win {

LRESULT SendPaint(HWND hwnd) {
    uint64_t before = Get(hwnd).beginPaints;
    LRESULT result = SendMessage(hwnd, WM_PAINT, 0, 0);
    // A procedure that answers WM_PAINT without BeginPaint would be handed WM_PAINT forever; the
    // window counts as painted instead.
    if (WindowRecord* w = Find(hwnd); w && w->beginPaints == before)
        ValidateRgn(hwnd, nullptr);
    return result;
}

void InvalidateWindowArea(HWND hwnd, const Region& area, UINT flags) {
    WindowRecord* w = Find(hwnd);
    if (!w)
        return;
    Region inside = area.intersected(WholeWindow(*w));
    if (flags & RDW_INVALIDATE) {
        w->update = w->update.united(inside);
        if (flags & RDW_ERASE)
            w->eraseNeeded = true;
    }
    if (flags & RDW_INTERNALPAINT)
        w->internalPaint = true;
    if (flags & RDW_VALIDATE) {
        w->update = w->update.subtracted(inside);
        if ((flags & RDW_NOERASE) || w->update.isEmpty())
            w->eraseNeeded = false;
    }
    if (flags & RDW_NOINTERNALPAINT)
        w->internalPaint = false;

    bool children = (flags & RDW_ALLCHILDREN) || (!(flags & RDW_NOCHILDREN) && !(w->style & WS_CLIPCHILDREN));
    if (!children)
        return;
    for (HWND c : w->children) {
        WindowRecord& child = Get(c);
        Rect where = child.rect.offsetBy(w->client.Left, w->client.Top);
        Region childArea = inside.intersected(where);
        if (childArea.isEmpty())
            continue;
        childArea.translate(-where.Left, -where.Top);
        InvalidateWindowArea(c, childArea, flags | RDW_FRAME);
    }
}

Region VisibleRegion(HWND hwnd, bool wholeWindow) {
    WindowRecord* w = Find(hwnd);
    if (!w || !IsShownWithAncestors(hwnd))
        return Region();
    Point offset = OffsetInTopLevel(hwnd);
    Region visible((wholeWindow ? WholeWindow(*w) : w->client).offsetBy(offset.X, offset.Y));
    if (w->region)
        visible = visible.intersected(w->region->translated(offset.X, offset.Y));
    if (w->style & WS_CLIPCHILDREN)
        visible = ExcludeVisibleChildren(visible, *w);

    for (WindowRecord* cur = w; cur->isChild();) {
        WindowRecord* parent = Find(cur->parent);
        if (!parent)
            break;
        if (cur->style & WS_CLIPSIBLINGS) {
            for (HWND sibling : parent->children) {
                if (sibling == cur->handle)
                    break;  // only the siblings above it
                const WindowRecord& s = Get(sibling);
                if (s.style & WS_VISIBLE)
                    visible = visible.subtracted(CoveredArea(s));
            }
        }
        Point parentOffset = OffsetInTopLevel(parent->handle);
        visible = visible.intersected(parent->client.offsetBy(parentOffset.X, parentOffset.Y));
        if (parent->region)
            visible = visible.intersected(parent->region->translated(parentOffset.X, parentOffset.Y));
        cur = parent;
    }
    return visible;
}

HWND NextWindowToPaint(HWND filter) {
    if (filter) {
        if (!Find(filter) || !IsShownWithAncestors(filter))
            return nullptr;
        return FirstToPaint(filter);
    }
    for (HWND top : System().topLevels) {
        if (HWND found = FirstToPaint(top))
            return found;
    }
    return nullptr;
}

void ReportSurfaceChange(HWND topLevel, const Rect& area) {
    WindowRecord* w = KnownTopLevel(topLevel);
    if (!w || w->top->layer.mode == LayerAttributes::Mode::PerPixel)
        return;  // its layered image is shown instead
    Rect dirty = intersect(area, w->top->surface->bounds());
    if (!dirty.isEmpty())
        CurrentDisplay()->surfaceUpdated(topLevel, *w->top->surface, dirty);
}

void ResizeSurface(HWND topLevel) {
    WindowRecord& w = Get(topLevel);
    Surface& surface = *w.top->surface;
    Surface old = surface;
    if (!surface.resize(w.rect.width(), w.rect.height()))
        return;
    surface.fill(0);
    // Keep what was there until the window repaints, so a display never shows garbage meanwhile.
    int32_t width = std::min(old.width(), surface.width());
    for (int32_t y = 0; y < std::min(old.height(), surface.height()); ++y) {
        std::memcpy(surface.row(y), old.row(y), size_t(width) * 4);
    }
}

}  // namespace win

bool RedrawWindow(HWND hwnd, const Rect* rect, HRGN region, UINT flags) {
    WindowRecord* w = Find(hwnd);
    if (!w)
        return false;
    Rect reach = (flags & RDW_FRAME) ? WholeWindow(*w) : w->client;
    Region area(reach);
    if (rect) {
        area = Region(rect->offsetBy(w->client.Left, w->client.Top)).intersected(reach);
    } else if (const Region* given = region ? RegionFromHandle(region) : nullptr) {
        area = given->translated(w->client.Left, w->client.Top).intersected(reach);
    } else if (region) {
        return false;
    }
    if (flags & (RDW_INVALIDATE | RDW_VALIDATE | RDW_INTERNALPAINT | RDW_NOINTERNALPAINT)) {
        InvalidateWindowArea(hwnd, area, flags);
    }
    if (flags & RDW_UPDATENOW) {
        UpdateNow(hwnd, true, !(flags & RDW_NOCHILDREN));
    } else if (flags & RDW_ERASENOW) {
        UpdateNow(hwnd, false, !(flags & RDW_NOCHILDREN));
    }
    return true;
}

bool InvalidateRect(HWND hwnd, const Rect* rect, bool erase) {
    return RedrawWindow(hwnd, rect, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

bool InvalidateRgn(HWND hwnd, HRGN region, bool erase) {
    return RedrawWindow(hwnd, nullptr, region, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

bool ValidateRect(HWND hwnd, const Rect* rect) {
    return RedrawWindow(hwnd, rect, nullptr, RDW_VALIDATE);
}

bool ValidateRgn(HWND hwnd, HRGN region) {
    WindowRecord* w = Find(hwnd);
    if (!w)
        return false;
    if (!region) {
        // The whole window, frame included: nothing of it is left to paint.
        InvalidateWindowArea(hwnd, Region(WholeWindow(*w)),
                             RDW_VALIDATE | RDW_NOCHILDREN | RDW_NOINTERNALPAINT);
        return true;
    }
    return RedrawWindow(hwnd, nullptr, region, RDW_VALIDATE);
}

bool UpdateWindow(HWND hwnd) {
    return RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

bool GetUpdateRect(HWND hwnd, Rect* rect, bool erase) {
    WindowRecord* w = Find(hwnd);
    if (!w)
        return false;
    if (erase)
        UpdateNow(hwnd, false, false);
    if (!(w = Find(hwnd)))
        return false;
    Rect box = ClientPart(*w).bounds();
    if (rect)
        *rect = box.isEmpty() ? Rect{} : box.offsetBy(-w->client.Left, -w->client.Top);
    return !box.isEmpty();
}

int GetUpdateRgn(HWND hwnd, HRGN dest, bool erase) {
    WindowRecord* w = Find(hwnd);
    if (!w || !RegionFromHandle(dest))
        return ERROR;
    if (erase)
        UpdateNow(hwnd, false, false);
    if (!(w = Find(hwnd)))
        return ERROR;
    Region part = ClientPart(*w).translated(-w->client.Left, -w->client.Top);
    CopyRegionToHandle(part, dest);
    return part.kind();
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint) {
    WindowRecord* w = Find(hwnd);
    if (!w || !paint)
        return nullptr;
    PaintFrameNow(hwnd);
    if (!(w = Find(hwnd)))
        return nullptr;
    ++w->beginPaints;
    Region area = ClientPart(*w);
    bool erase = w->eraseNeeded;
    bool refused = w->eraseRefused;
    w->update = Region();
    w->internalPaint = false;
    w->eraseNeeded = false;
    w->eraseRefused = false;
    HDC dc = MakeWindowDc(hwnd, false, &area);
    paint->hdc = dc;
    paint->fErase = refused;
    paint->rcPaint =
        area.bounds().isEmpty() ? Rect{} : area.bounds().offsetBy(-w->client.Left, -w->client.Top);
    if (erase && !area.isEmpty()) {
        paint->fErase = SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) == 0;
    }
    return dc;
}

bool EndPaint(HWND hwnd, const PAINTSTRUCT* paint) {
    if (!paint)
        return false;
    return ReleaseDC(hwnd, paint->hdc);
}

HDC GetDC(HWND hwnd) {
    return MakeWindowDc(hwnd, false, nullptr);
}
HDC GetWindowDC(HWND hwnd) {
    return MakeWindowDc(hwnd, true, nullptr);
}

bool ReleaseDC(HWND, HDC dc) {
    auto it = WindowDcs().find(dc);
    if (it == WindowDcs().end())
        return false;
    WindowDc released = it->second;
    WindowDcs().erase(it);
    DeleteDC(dc);
    ReportSurfaceChange(released.topLevel, released.reach);
    return true;
}

}  // namespace platform
