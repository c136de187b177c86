// Pens (outlines and lines) and brushes (fills) as handles.
//
// Pens are solid or null, of a width in pixels (0 counts as 1). Brushes are solid or null (clear).
// Colours may be system colours (0xFF000000 | index): they are resolved when the object is made.
#pragma once

#include <cstdint>

#include "platform/color.h"
#include "platform/gfx/gdi_object.h"

namespace platform {

enum : int {
    PS_SOLID = 0,
    PS_NULL = 5,
    PS_INSIDEFRAME = 6,  // drawn as PS_SOLID: shapes keep their outline inside their rectangle anyway
};

enum : uint32_t {
    BS_SOLID = 0,
    BS_NULL = 1,
    BS_HOLLOW = BS_NULL,
};

struct LOGPEN {
    int lopnStyle = PS_SOLID;
    int32_t lopnWidth = 1;
    COLORREF lopnColor = 0;
};

struct LOGBRUSH {
    uint32_t lbStyle = BS_SOLID;
    COLORREF lbColor = 0;
};

// Null for a style other than the ones above or a width beyond 1024.
HPEN CreatePen(int style, int32_t width, COLORREF color);
HBRUSH CreateSolidBrush(COLORREF color);
// Null for a style other than BS_SOLID and BS_NULL.
HBRUSH CreateBrushIndirect(const LOGBRUSH& brush);

bool GetObject(HPEN pen, LOGPEN* out);
bool GetObject(HBRUSH brush, LOGBRUSH* out);

// A process-wide solid brush of a system colour (COLOR_*), or null for an unknown index. Like stock
// objects it is never deleted.
HBRUSH GetSysColorBrush(int index);

}  // namespace platform
