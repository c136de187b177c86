// The clipboard's text, through the display (UTF-8).
#pragma once

#include <string>
#include <string_view>

namespace platform {

// "" when the clipboard holds no text or no display is connected.
std::string GetClipboardText();
// False without a display.
bool SetClipboardText(std::string_view text);

}  // namespace platform
