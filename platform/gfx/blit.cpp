// Copies between device contexts: plain, scaled and with a key colour.
#include "platform/gfx/dc_internal.h"

namespace platform {

bool BitBlt(HDC, int32_t, int32_t, int32_t, int32_t, HDC, int32_t, int32_t, uint32_t) { return false; }
bool StretchBlt(HDC, int32_t, int32_t, int32_t, int32_t, HDC, int32_t, int32_t, int32_t, int32_t, uint32_t) {
    return false;
}
bool TransparentBlt(HDC, int32_t, int32_t, int32_t, int32_t, HDC, int32_t, int32_t, int32_t, int32_t, COLORREF) {
    return false;
}

}  // namespace platform
