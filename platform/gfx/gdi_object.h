// Handles of graphics objects: regions, device contexts, bitmaps, fonts, pens and brushes.
//
// A handle is an opaque value, never a pointer to the object: every call looks it up in one table
// that knows each live object's type, so a deleted, invented or wrongly typed handle is refused
// (the call returns its failure value and does nothing) instead of being dereferenced. Handle
// values carry a generation counter, so a slot reused after a delete does not revive old handles.
//
// All graphics calls belong to the user-interface thread; the table has no lock.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

// Distinct pointer types for the typed handles, so that a font cannot be passed where a region is
// expected; HGDIOBJ accepts any of them, as SelectObject and DeleteObject do.
struct HRGN__;
struct HDC__;
struct HBITMAP__;
struct HFONT__;
struct HPEN__;
struct HBRUSH__;
using HRGN = HRGN__*;
using HDC = HDC__*;
using HBITMAP = HBITMAP__*;
using HFONT = HFONT__*;
using HPEN = HPEN__*;
using HBRUSH = HBRUSH__*;
using HGDIOBJ = void*;

// Object types (GetObjectType).
enum : uint32_t {
    OBJ_PEN = 1,
    OBJ_BRUSH = 2,
    OBJ_DC = 3,
    OBJ_FONT = 6,
    OBJ_BITMAP = 7,
    OBJ_REGION = 8,
    OBJ_MEMDC = 10,
};

// Stock objects (GetStockObject). They live for the whole process; deleting one does nothing.
enum : int {
    WHITE_BRUSH = 0,
    LTGRAY_BRUSH = 1,
    GRAY_BRUSH = 2,
    DKGRAY_BRUSH = 3,
    BLACK_BRUSH = 4,
    NULL_BRUSH = 5,
    HOLLOW_BRUSH = NULL_BRUSH,
    WHITE_PEN = 6,
    BLACK_PEN = 7,
    NULL_PEN = 8,
    SYSTEM_FONT = 13,
    DEFAULT_GUI_FONT = 17,
};

// The type of a live object, or 0 for anything else.
uint32_t GetObjectType(HGDIOBJ object);

// Deletes a region, bitmap, font, pen or brush. False (and nothing happens) for an invalid handle
// and for an object that is selected into a device context right now; stock objects report success
// and stay. Device contexts are freed with DeleteDC.
bool DeleteObject(HGDIOBJ object);

// A stock object, or null for an unknown index.
HGDIOBJ GetStockObject(int index);

// The number of live objects that are not stock objects: lets tests see that nothing leaks.
size_t LiveGdiObjectCount();

}  // namespace platform
