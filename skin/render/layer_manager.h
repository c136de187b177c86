// Glow frames: a picture with an alpha channel shown around a caption button or push button while
// the pointer is on it, in a layered top-level window of its own that cannot be clicked, sits over
// the button and fades in over about a quarter of a second.
//
// TbsLayerWindow is built on a platform window of its own class (a borderless popup, a tool window
// transparent to the mouse, never activated by a click, layered right after creation).
// TbsLayerManager owns one such window and its image, and shows, fades and hides it; the fade runs
// on the window's own 25 ms timer.
#pragma once

#include <cstdint>
#include <memory>

#include "framework/graphics/bitmap.h"
#include "platform/geometry.h"
#include "platform/window/types.h"
#include "skin/render/work_bitmap.h"

namespace skin {

class TbsLayerManager;
class TbsSkinData;

class TbsLayerWindow {
  public:
    static constexpr const char* kClassName = "TbsLayerWindow";
    // A hidden layered window with these bounds (screen coordinates) whose fade timer ticks
    // `manager`.
    TbsLayerWindow(TbsLayerManager& manager, const platform::Rect& bounds);
    ~TbsLayerWindow();
    TbsLayerWindow(const TbsLayerWindow&) = delete;
    TbsLayerWindow& operator=(const TbsLayerWindow&) = delete;

    platform::HWND Handle() const { return handle_; }

  private:
    platform::HWND handle_ = nullptr;
};

class TbsLayerManager {
  public:
    static constexpr uint32_t kFadeInterval = 25;

    TbsLayerManager() = default;
    // Frees the timer, the window and the image.
    ~TbsLayerManager();
    TbsLayerManager(const TbsLayerManager&) = delete;
    TbsLayerManager& operator=(const TbsLayerManager&) = delete;

    // Placed top-most (the default), or not (a push button on a form that does not stay on top).
    bool TopMostMode() const { return topMost_; }
    void SetTopMostMode(bool value) { topMost_ = value; }

    // Shows the picture, its alpha taken from the mask, at (x, y) on the screen, fading in from 0
    // to `alpha` by alpha div 10 (at least 1) every tick. A layer already shown is hidden first.
    // Nothing when the platform cannot layer windows.
    void ShowLayer(int32_t x, int32_t y, uint8_t alpha, const framework::TBitmap& mask,
                   const framework::TBitmap& picture);
    // Stops the fade, frees the image, hides and destroys the window.
    void HideLayer();

    bool Visible() const { return visible_; }
    platform::HWND LayerWindow() const { return window_ ? window_->Handle() : nullptr; }
    const TbsBitmap* LayerImage() const { return image_.get(); }
    uint8_t CurrentAlpha() const { return current_; }
    bool Fading() const { return fading_; }

    // One fade step (the layer window's timer calls it).
    void FadeTick();

  private:
    std::unique_ptr<TbsLayerWindow> window_;
    std::unique_ptr<TbsBitmap> image_;
    bool topMost_ = true;
    bool visible_ = false;
    bool fading_ = false;
    uint8_t current_ = 0;
    uint8_t end_ = 0;
    uint8_t step_ = 1;
};

// The glow keys of a skin record ("glowlayer...").
struct GlowFrameKeys {
    int32_t pictureIndex = -1;
    int32_t maskPictureIndex = -1;
    int32_t offsetX = 0;
    int32_t offsetY = 0;
    int32_t alpha = 255;
};

// Which switch of the skin data allows the glow.
enum class GlowOwner { CaptionButton, PushButton };

// Shows a button's glow when the skin data exists and is not empty, the record has a glow picture
// that the skin holds, layering is supported and the skin data's switch for `owner` is on: the
// picture at `buttonScreen` less the offsets. A glow without a mask picture is fully opaque.
// Returns whether it was shown.
bool ShowGlowFrame(TbsLayerManager& manager, const TbsSkinData* data, const GlowFrameKeys& keys,
                   platform::Point buttonScreen, GlowOwner owner);

}  // namespace skin
