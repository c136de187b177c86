// TbsSkinPopupWindow: one level of an open skinned menu, a top-level popup that never takes the
// activation. It shows the visible sub-items of a framework menu item (from a start index), sizes
// and places itself (popup_geometry.h), paints its frame, items and scroll markers off screen, and
// carries out what the pointer and the keys do with its items: highlighting (ItemActivate,
// ItemDeactivate), choosing (through its menu driver), scrolling by the markers, the wheel and the
// keyboard.
//
// Its driver (TbsSkinMenu) makes and closes it. A closed popup is hidden at once and only freed
// later, never while its own handlers run; it then ignores everything.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "framework/controls/popup_control.h"
#include "framework/core/timer.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/font.h"
#include "platform/geometry.h"
#include "skin/menus/menu_skin.h"
#include "skin/menus/popup_geometry.h"
#include "skin/menus/popup_painting.h"
#include "skin/menus/skin_menu_item.h"

namespace framework {
class TImageList;
class TMenuItem;
}  // namespace framework

namespace skin {

class TbsSkinMenu;
struct ItemLook;

class TbsSkinPopupWindow : public framework::TPopupControl {
  public:
    static constexpr uint32_t kTrackingInterval = 50;
    static constexpr uint32_t kMorphInterval = 20;
    static constexpr uint32_t kScrollInterval = 100;

    TbsSkinPopupWindow(TbsSkinMenu& driver, int level);
    ~TbsSkinPopupWindow() override;

    struct OpenRequest {
        framework::TMenuItem* root = nullptr;
        int start = 0;
        platform::Rect anchor;  // screen coordinates
        bool upward = false;
        bool submenu = false;
        bool first = false;  // the top-level popup of an opening: it may fade in
    };
    // Builds the items, sizes, places and shows the popup and highlights its first usable item.
    // False when it shows nothing (no visible item, or no window).
    bool Open(const OpenRequest& request);

    TbsSkinMenu* Driver() const { return driver_; }
    int Level() const { return level_; }
    // A number no other popup of the process had, to recognise this one after code that may have
    // closed it.
    uint64_t Serial() const { return serial_; }
    framework::TMenuItem* Root() const { return root_; }
    bool Closed() const { return closed_; }

    int ItemCount() const { return int(items_.size()); }
    TbsSkinMenuItem& Item(int index) const { return *items_.at(size_t(index)); }
    int IndexOf(const TbsSkinMenuItem& item) const;
    int Selected() const { return selected_; }
    int FirstShown() const { return run_.first; }
    int ShownCount() const { return run_.shown; }
    bool ScrollMode() const { return size_.scrollMode; }
    bool ScrollByMaximum() const { return size_.scrollByMaximum; }
    MarkerHot Marker() const { return marker_; }
    const NinePartLayout& Layout() const { return layout_; }
    const MenuSkin& Skin() const { return skin_; }
    framework::TImageList* Images() const { return images_; }
    const framework::TFont& ItemFont() const { return font_; }
    // An item's rectangle on the screen.
    platform::Rect ItemScreenRect(int index) const;

    // --- What the pointer and the keys do ---
    // Highlights the item: other items lose their open submenus' mark, and the driver hears of it
    // (ItemHover) unless the item was only preselected and the pointer found it.
    void ItemActivate(int index, bool byKeyboard);
    void ItemDeactivate(int index);
    // Makes the item the selection as the keyboard does (the previous one deactivated), scrolled
    // into view.
    void SelectItem(int index);
    // A key-down; only the innermost popup gets them.
    void MenuKey(int vk);
    // The pointer's place now: hit testing when it moved over this popup, markers otherwise.
    void TrackPointer();
    // The left button went up at a screen point over this popup.
    void MouseRelease(platform::Point screen);
    // The wheel turned by `delta` (120 a notch, away from the user positive).
    void Wheel(int delta);
    // Scrolls by one item (negative: up); false when it cannot.
    bool ScrollOne(int direction);
    bool CanScrollUp() const;
    bool CanScrollDown() const;

    // Draws one item now, on the window.
    void DrawItemNow(TbsSkinMenuItem& item);
    // Starts the item animation timer at an interval.
    void StartAnimation(uint32_t interval);
    // What an item is drawn with (skin, font, images, the background under it, which `background`
    // receives).
    ItemLook LookOf(const TbsSkinMenuItem& item, Picture& background) const;

    // The skin is about to change: draw in the built-in look until the menu closes.
    void ForgetSkin();
    // Hides the popup, stops everything and forgets the driver. The object is freed later by
    // SweepClosedPopups, never while a handler of a popup runs.
    void Dispose();

  protected:
    void CreateParams(framework::TCreateParams& params) override;
    void Dispatch(framework::TMessage& message) override;
    void WndProc(framework::TMessage& message) override;
    void Paint() override;

  private:
    friend class TbsSkinMenu;

    void ReadSkin();
    void BuildItems(int start);
    int32_t WidestItemText();
    void LayOut();
    PopupLook PopupLookOf() const;
    void ApplyRegion();
    void ApplyAlpha(bool first);
    void FadeIn();
    void PreselectFirstUsable();
    void SetItemRun(int first);
    // Scrolls (in scroll mode) so that the item is shown.
    void EnsureShown(int index);
    void HitTest(platform::Point client);
    void SetMarker(MarkerHot marker);
    void StartScrolling(MarkerHot marker);
    void StopScrolling();
    void ScrollTick();
    void AnimationTick();
    // The keyboard's selection moves there: scrolled into view, the old item deactivated.
    void MoveSelection(int next);
    int NextUsable(int from, int step) const;
    bool AlphaOn() const;
    void InvalidateArea(const platform::Rect& area);

    TbsSkinMenu* driver_;
    const int level_;
    const uint64_t serial_;
    bool closed_ = false;
    int busy_ = 0;  // nested handlers running

    framework::TMenuItem* root_ = nullptr;
    framework::TImageList* images_ = nullptr;
    MenuSkin skin_;
    MenuMetrics metrics_;
    framework::TFont font_;
    std::vector<std::unique_ptr<TbsSkinMenuItem>> items_;
    std::vector<int32_t> heights_;
    PopupSize size_;
    NinePartLayout layout_;
    ItemRun run_;
    int selected_ = -1;
    int previousSelected_ = -1;
    MarkerHot marker_ = MarkerHot::None;
    platform::Point lastPointer_{-1, -1};
    bool layered_ = false;
    framework::TBitmap background_;  // with the client part drawn: what items without a face show

    framework::TTimer* trackingTimer_;
    framework::TTimer* animationTimer_;
    framework::TTimer* scrollTimer_;
};

// Frees the popups that closed, unless a popup's handler is running (then at a later call).
void SweepClosedPopups();
bool ClosedPopupsWaiting();

}  // namespace skin
