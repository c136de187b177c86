// DrawText, TextOut and measuring.
#include "platform/gfx/dc_internal.h"

namespace platform {

int DrawText(HDC, std::string_view, Rect*, uint32_t) { return 0; }
int DrawTextW(HDC, std::u16string_view, Rect*, uint32_t) { return 0; }
bool TextOut(HDC, int32_t, int32_t, std::string_view) { return false; }
bool GetTextExtentPoint32(HDC, std::string_view, Size*) { return false; }
bool GetTextMetrics(HDC, TEXTMETRIC*) { return false; }

}  // namespace platform
