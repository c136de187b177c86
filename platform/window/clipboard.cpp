#include "platform/window/clipboard.h"

#include "platform/window/state.h"

namespace platform {

std::string GetClipboardText() {
    Display* display = win::CurrentDisplay();
    return display ? display->clipboardText() : std::string();
}

bool SetClipboardText(std::string_view text) {
    Display* display = win::CurrentDisplay();
    if (!display)
        return false;
    display->setClipboardText(text);
    return true;
}

}  // namespace platform
