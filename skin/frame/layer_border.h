// The layered border: a skin's soft outline (a shadow or a glow) drawn around a skinned form by four
// top-level windows with per-pixel alpha, outside the form's own rectangle, so the form's bounds
// stay what they are. TbsFormLayerBorder is owned by the form's frame component, which tells it
// when the skin, the form's size, place, activation or visibility change; the border then composes
// its strips (layer_geometry.h) and places its windows.
//
// The windows are only made while the display blends translucent windows (IsCompositionEnabled):
// without a compositing manager an outline of half-transparent pixels cannot show, so the border
// keeps its state (shown, active, strips) and makes no windows.
//
// Clicks: without a "borderrect" the windows let the pointer through everywhere; with one, they
// let it through wherever their pixels are fully transparent.
//
// In the fullborder mode the border carries the whole frame while the frame component says so
// (TbsSkinForm::LayeredBorderDrawsFrame: the record asks for it and the display composes alpha;
// otherwise the form wears its normal skinned frame). The frame objects are then laid out and drawn
// on the top strip, and the windows take the pointer where the frame needs it: the top window
// tracks the objects under the mouse with indices of its own and forwards presses, releases and
// double-clicks to them; the caption moves the form, and with "hittestenable" the outer bands size
// it (both by the form's own move and size loops, the frame flagged meanwhile).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "framework/controls/control.h"
#include "platform/geometry.h"
#include "platform/window/types.h"
#include "skin/frame/layer_geometry.h"

namespace skin {

class TbsSkinData;
class TbsSkinForm;
class TbsFormLayerBorder;

// One of the four border windows: a borderless top-level window owned by the form, never activated
// by a click, transparent to the mouse when `clickThrough`, stay-on-top when the form is.
class TbsFormLayerWindow {
  public:
    static constexpr const char* kClassName = "TbsFormLayerWindow";
    TbsFormLayerWindow(TbsFormLayerBorder& border, LayerSide side, platform::HWND owner, bool clickThrough,
                       bool topMost);
    ~TbsFormLayerWindow();
    TbsFormLayerWindow(const TbsFormLayerWindow&) = delete;
    TbsFormLayerWindow& operator=(const TbsFormLayerWindow&) = delete;

    platform::HWND Handle() const { return handle_; }
    LayerSide Side() const { return side_; }
    TbsFormLayerBorder& Border() const { return border_; }

  private:
    TbsFormLayerBorder& border_;
    LayerSide side_;
    platform::HWND handle_ = nullptr;
};

class TbsFormLayerBorder {
  public:
    explicit TbsFormLayerBorder(TbsSkinForm& frame);
    ~TbsFormLayerBorder();
    TbsFormLayerBorder(const TbsFormLayerBorder&) = delete;
    TbsFormLayerBorder& operator=(const TbsFormLayerBorder&) = delete;

    // Takes the record and pictures from the skin (none when the skin is missing, empty, has no
    // usable LAYERFRAME or its pictures are not there). A shown border is hidden first.
    void Prepare(const TbsSkinData* data);
    // The skin gave a usable layered border.
    bool Prepared() const { return layout_.has_value(); }
    const std::optional<LayerFrameLayout>& Layout() const { return layout_; }

    // Composes the strips for the form's bounds and makes and places the four windows.
    void Show();
    // Composes the strips again and places the windows; `formBounds` stands for the form's window
    // rectangle while it is being changed and not there yet.
    void Update(std::optional<platform::Rect> formBounds = std::nullopt);
    // Only places the windows (the size has not changed).
    void Move(std::optional<platform::Rect> formBounds = std::nullopt);
    // Frees the windows and the strips.
    void Hide();

    // A fade level 0 .. 255 applied to both constant alphas; `push` shows the strips again with it.
    void SetAlpha(uint8_t level, bool push);
    // Active or inactive picture and alpha; `push` shows the strips again.
    void SetActive(bool active, bool push);
    // Shows the border from alpha 0 up to its active alpha, a step every 5 ms or more.
    void FadeIn();

    // What the form's frame calls when the form moved, or its state or visibility may have changed
    // (minimised, maximised, restored, shown, hidden): the border follows, shows or hides.
    void OnFormMoved();
    void OnFormStateChanged();

    bool Shown() const { return shown_; }
    bool Active() const { return active_; }
    uint8_t ActiveAlpha() const { return activeAlpha_; }
    uint8_t InactiveAlpha() const { return inactiveAlpha_; }
    // The constant alpha of the present state.
    uint8_t CurrentAlpha() const { return active_ ? activeAlpha_ : inactiveAlpha_; }
    LayerMargins Margins() const { return layout_ ? layout_->margins : LayerMargins{}; }
    // The outer rectangle the windows were last placed for, and each window's place in it (indexed
    // by LayerSide; a window whose strip has no rows is not shown).
    const platform::Rect& OuterRect() const { return outer_; }
    std::array<platform::Rect, 4> WindowPlaces() const;
    // The window of a side (null while none is made, or its strip has no rows).
    platform::HWND Window(LayerSide side) const;
    const Picture& Strip(LayerSide side) const { return strips_[size_t(side)]; }
    // The picture the strips are cut from now (inactive while inactive, when the skin has one).
    const Picture& CurrentImage() const;
    // The strips as the display composes the border's windows over `target`, whose pixel (0, 0)
    // is the screen point `origin`.
    void ComposeOver(Picture& target, platform::Point origin) const;
    // Whether the windows let every click through (no "borderrect", and not the fullborder mode).
    bool ClickThrough() const { return clickThrough_; }

    // --- The fullborder mode ---
    // The border carries the whole frame now.
    bool DrawsFrame() const;
    // The screen point of the top strip's pixel (0, 0): frame objects lie in its coordinates.
    platform::Point StripOrigin() const { return outer_.topLeft(); }
    // The frame's areas on the border for its present outer size.
    LayerFrameAreas FrameAreas() const;
    int32_t HotIndex() const { return hot_; }
    int32_t PreviousHotIndex() const { return previousHot_; }
    int32_t PressedIndex() const { return pressed_; }
    // The form is being moved or sized from the border.
    bool Dragging() const { return dragging_; }
    // What a layer window's point (its own coordinates) answers to WM_NCHITTEST.
    platform::LRESULT HitTest(const TbsFormLayerWindow& window, platform::Point local) const;
    // What a press there does to the form (HitTestLayerFrame), HTNOWHERE unless the border
    // carries the frame.
    int FramePartAt(const TbsFormLayerWindow& window, platform::Point local) const;
    // The pointer on a layer window (points in that window's coordinates).
    void PointerMoved(const TbsFormLayerWindow& window, platform::Point local);
    void PointerPressed(const TbsFormLayerWindow& window, platform::Point local,
                        framework::TMouseButton button);
    void PointerReleased(const TbsFormLayerWindow& window, platform::Point local,
                         framework::TMouseButton button);
    void PointerDoubleClicked(const TbsFormLayerWindow& window, platform::Point local);
    // The hover timer's tick: the hover ends once the cursor has left the top window.
    void HoverTick();
    // Ends any hover on the border's objects (they are told they were left).
    void EndHover();
    static constexpr platform::UINT_PTR kHoverTimer = 1;
    static constexpr uint32_t kHoverInterval = 500;

  private:
    platform::HWND FormWindow() const;
    std::optional<platform::Rect> FormBounds() const;
    // Whether the border is to be seen with the form as it is now.
    bool WantedNow() const;
    platform::Rect OuterFor(const platform::Rect& formBounds) const;
    void Compose(const platform::Rect& formBounds);
    // Composes the strips for these bounds and makes (when needed), places and pushes the windows.
    void Recompose(const platform::Rect& formBounds);
    void MakeWindows();
    void Place(bool push);
    void Push();
    // Lays the frame objects out on the top strip and has each draw itself onto it.
    void DrawFrame();
    platform::Size OuterSize() const { return {outer_.width(), outer_.height()}; }
    platform::Point ToOuter(const TbsFormLayerWindow& window, platform::Point local) const;
    bool Sizable() const;
    // The hover moves to the object under `p` (none unless `track`), as the frame's own tracking
    // does it.
    void TrackHot(platform::Point p, bool track);
    void StartHoverTimer();
    void StopHoverTimer();
    // Runs the form's move (SC_MOVE) or size (SC_SIZE + edge) loop from the cursor.
    void DragForm(platform::WPARAM command);
    void ActivateForm();

    TbsSkinForm& frame_;
    std::optional<LayerFrameLayout> layout_;
    Picture activeImage_, inactiveImage_;
    uint8_t activeAlpha_ = 255, inactiveAlpha_ = 255;
    bool clickThrough_ = true;
    LayerStrips strips_;
    platform::Rect outer_{};
    std::array<std::unique_ptr<TbsFormLayerWindow>, 4> windows_;
    bool shown_ = false;
    bool active_ = true;
    int32_t hot_ = -1, previousHot_ = -1, pressed_ = -1;
    bool hoverTimer_ = false;
    bool dragging_ = false;
};

}  // namespace skin
