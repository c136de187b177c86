#include "skin/render/layered_windows.h"

#include "platform/window/layered.h"
#include "platform/window/window_pos.h"
#include "skin/render/platform_calls.h"
#include "skin/render/stack_blur.h"

namespace skin {

using namespace platform;

bool SetWindowAlpha(HWND window, uint8_t alpha) {
    return PlatformCalls().layeredAttributes && SetLayeredWindowAttributes(window, 0, alpha, LWA_ALPHA);
}

bool PushLayeredImage(const TbsBitmap& image, uint8_t alpha, HWND window) {
    if (!PlatformCalls().updateLayered || image.Empty())
        return false;
    Rect bounds;
    if (!GetWindowRect(window, &bounds))
        return false;
    const Point position = bounds.topLeft(), from{0, 0};
    const Size size{image.Width(), image.Height()};
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha, AC_SRC_ALPHA};
    return UpdateLayeredWindow(window, nullptr, &position, &size, image.CanvasOf(), &from, 0, &blend,
                               ULW_ALPHA);
}

void MakeAlphaFromMask(const framework::TBitmap& picture, const framework::TBitmap& mask, TbsBitmap& image) {
    image.CopyFrom(picture);
    image.FillAlpha(255);
    if (!mask.Empty()) {
        TbsBitmap alpha;
        alpha.CopyFrom(mask);
        AlphaFromMask(image, alpha);
    }
    image.ClampColoursToAlpha();
}

bool IsCompositionEnabled() {
    bool enabled = false;
    return PlatformCalls().composition && DwmIsCompositionEnabled(&enabled) && enabled;
}

// The platform offers neither setting (PlatformCalls() finds neither call): they do nothing.
bool SetWindowTransitions(HWND, bool) {
    return false;
}
bool SetBlurBehind(HWND, bool, HRGN) {
    return false;
}

}  // namespace skin
