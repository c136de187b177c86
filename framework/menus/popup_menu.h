// The popup menu component and its plain look: Popup(x, y) shows the items in a popup window at
// that screen point (moved to stay on the screen), with sub-menus opening beside their item, and
// waits until an item is chosen (then runs its Click) or the menu is dismissed. The pointer and
// the keys (Up, Down, Left, Right, Enter, Escape and the items' access keys) choose; a press
// outside dismisses. While the menu is open it holds the application's message filter and gives
// it back afterwards. A skinned menu replaces this look by overriding Popup.
#pragma once

#include <cstdint>

#include "framework/menus/menu_item.h"
#include "platform/geometry.h"

namespace framework {

class TPopupMenu : public TMenu {
  public:
    explicit TPopupMenu(TComponent* owner);
    static PersistentClass Published();

    virtual void Popup(int32_t x, int32_t y);
    // The component the menu was last shown for (set by whoever shows it).
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* component) { popupComponent_ = component; }
    // The point of the last Popup, (-1, -1) before the first.
    platform::Point PopupPoint() const { return popupPoint_; }

    TNotifyEvent OnPopup;

  protected:
    // For menus that show themselves another way (the skinned popup menu).
    void SetPopupPoint(platform::Point point) { popupPoint_ = point; }

  private:
    TComponent* popupComponent_ = nullptr;
    platform::Point popupPoint_{-1, -1};
};

// Shows the visible sub-items of `root` as the plain popup menu at `point` (screen) and returns
// the item chosen (not yet clicked), or nullptr when the menu was dismissed.
TMenuItem* TrackPlainMenu(TMenuItem& root, platform::Point point, TImageList* images);

}  // namespace framework
