// TbsSkinMenu: the driver of skinned menus. It shows every level of a menu as a popup of its own
// (TbsSkinPopupWindow), opens and closes submenus (on a 500 ms wait under the pointer, at once by
// the keyboard or a click), runs the chosen item's command, and tells the control that opened the
// menu, the form it belongs to and whoever asked (the close handler) when the menu closes.
//
// While a menu is open the driver holds the program's input (menu_session.h): the keys, the wheel
// and every press go to the menu, and the desktop's pointer and keyboard are grabbed; everything is
// given back when the menu closes, whatever closes it.
//
// The window frame owns one driver for its system menu; a skinned popup menu without a frame to
// use makes one of its own.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "framework/controls/control.h"
#include "framework/core/component.h"
#include "framework/core/timer.h"
#include "framework/graphics/font.h"
#include "platform/geometry.h"
#include "platform/window/types.h"

namespace framework {
class TMenuItem;
class TWinControl;
}  // namespace framework

namespace skin {

class MenuInputSession;
class TbsSkinData;
class TbsSkinPopupWindow;

class TbsSkinMenu : public framework::TComponent {
  public:
    static constexpr uint32_t kWaitInterval = 500;

    explicit TbsSkinMenu(framework::TComponent* owner);
    // Closes every popup.
    ~TbsSkinMenu() override;

    // --- Settings (the frame copies its own into them) ---
    // 0: no limit; otherwise a popup with more items shows this many and scrolls. Negative values
    // are ignored.
    int32_t MaxMenuItemsInWindow() const { return maxItems_; }
    void SetMaxMenuItemsInWindow(int32_t value);
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool value) { useSkinFont_ = value; }
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool value) { alphaBlend_ = value; }
    bool AlphaBlendAnimation() const { return alphaAnimation_; }
    void SetAlphaBlendAnimation(bool value) { alphaAnimation_ = value; }
    uint8_t AlphaBlendValue() const { return alphaValue_; }
    void SetAlphaBlendValue(int32_t value);
    // The height of an item without a skin record; values of 0 or less are ignored.
    int32_t DefaultItemHeight() const { return defaultItemHeight_; }
    void SetDefaultItemHeight(int32_t value);
    // The item font without the skin's ("Arial", height 14).
    framework::TFont& DefaultItemFont() { return defaultItemFont_; }
    // The form the menu belongs to (it hears SKM_MENUCLOSED; its window's deactivation, moving and
    // the like close the menu). By default the first form among the driver's owners.
    framework::TWinControl* OwnerForm() const;
    void SetOwnerForm(framework::TWinControl* form);

    // --- Opening and closing ---
    // Shows the visible sub-items of `root` from `start` on, below `rect` (screen coordinates; a
    // point as an empty rectangle) or above it with `upward`, for `opener` (may be null), drawn
    // from `skinData` (null: the built-in look). Any open menu closes first. Nothing opens for a
    // root without items or a start at or past their count.
    void PopupItems(framework::TControl* opener, TbsSkinData* skinData, bool upward,
                    framework::TMenuItem* root, const platform::Rect& rect, int start);
    // Closes the popups from `level` on; level 0 closes the menu: the input goes back, the opener
    // hears SKM_MENUCLOSED and the close handler runs (once).
    void CloseFrom(int level);
    // Closes the menu and tells the form and the opener. Nothing when no menu is open.
    void CloseAll();
    // Called once when the menu next closes, then forgotten.
    void SetCloseHandler(std::function<void()> handler) { closeHandler_ = std::move(handler); }

    bool Visible() const { return visible_; }
    // True while the top-level popup of an opening is being shown.
    bool First() const { return first_; }
    int PopupCount() const { return int(popups_.size()); }
    TbsSkinPopupWindow* Popups(int index) const { return popups_.at(size_t(index)); }
    TbsSkinPopupWindow* LastPopup() const { return popups_.empty() ? nullptr : popups_.back(); }
    // The item whose sub-items the top-level popup shows, or null.
    framework::TMenuItem* RootItem() const;
    framework::TControl* Opener() const { return opener_; }
    framework::TControl* CommandTarget() const { return commandTarget_; }
    TbsSkinData* SkinData() const { return skinData_; }
    const platform::Rect& WorkArea() const { return workArea_; }
    // The popup whose item waits for its submenu, and that item's index; -1 when none waits.
    TbsSkinPopupWindow* WaitingPopup() const;
    int WaitingIndex() const { return waitingIndex_; }
    bool WaitTimerRunning() const { return waitTimer_->Enabled(); }

    // --- What the popups report ---
    // The item is highlighted: without sub-items the popups below close; with sub-items under the
    // pointer, they close too and the item waits 500 ms for its submenu.
    void ItemHover(TbsSkinPopupWindow& popup, int index, bool byKeyboard);
    // The item is chosen: without sub-items the menu closes and its command runs (the command
    // target hears SKM_MENUCOMMAND); with sub-items its command runs and its submenu opens.
    void ItemChoose(TbsSkinPopupWindow& popup, int index);
    // A key-down for the menu: to the innermost popup, or Escape and Left between levels.
    void MenuKey(int vk);
    // A popup deactivated the waiting item.
    void ForgetWaiting(const TbsSkinPopupWindow& popup, int index);

  protected:
    void Notification(framework::TComponent* component, framework::Operation operation) override;

  private:
    friend class TbsSkinPopupWindow;

    TbsSkinPopupWindow* OpenPopup(framework::TMenuItem* root, int start, const platform::Rect& anchor,
                                  bool upward, bool submenu);
    void Dispose(TbsSkinPopupWindow& popup);
    void SetSkinData(TbsSkinData* data);
    // The skin is about to change or go: the popups stop drawing from it, and the menu closes.
    void SkinGoing();
    TbsSkinPopupWindow* PopupOfSerial(uint64_t serial) const;
    TbsSkinPopupWindow* PopupAt(platform::Point screen) const;
    void StartSession();
    void EndSession();
    bool FilterMessage(platform::MSG& msg);
    void StopWaiting();
    void WaitTimerFired();
    void SetOpener(framework::TControl* opener);
    void SetCommandTarget(framework::TControl* target);
    void SendMenuClosed(framework::TControl* control);
    void Refer(framework::TControl*& field, framework::TControl* value);

    int32_t maxItems_ = 0;
    bool useSkinFont_ = true;
    bool alphaBlend_ = false;
    bool alphaAnimation_ = false;
    uint8_t alphaValue_ = 150;
    int32_t defaultItemHeight_ = 20;
    framework::TFont defaultItemFont_;
    framework::TWinControl* ownerForm_ = nullptr;

    std::vector<TbsSkinPopupWindow*> popups_;
    framework::TTimer* waitTimer_;
    framework::TTimer* sweeper_;  // frees closed popups soon after they closed
    uint64_t waitingSerial_ = 0;
    int waitingIndex_ = -1;
    platform::Rect workArea_;
    bool visible_ = false;
    bool first_ = false;
    framework::TControl* opener_ = nullptr;
    framework::TControl* commandTarget_ = nullptr;
    TbsSkinData* skinData_ = nullptr;
    std::function<void()> closeHandler_;
    std::unique_ptr<MenuInputSession> session_;
    // Cleared when the driver goes, so that code resumed after a command knows.
    std::shared_ptr<bool> alive_;
};

}  // namespace skin
