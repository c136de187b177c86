// TbsSkinPopupMenu: the framework's popup menu drawn and driven by the skin engine. Popup(x, y)
// opens its items at a screen point; PopupFor opens them for a control, below or above a
// rectangle, and the control then hears SKM_MENUCLOSED when the menu closes and SKM_MENUCOMMAND
// after a chosen item's command ran. Both return at once: the menu lives on in the message loop
// until an item is chosen or the menu is dismissed, and OnMenuClose runs once when it closes.
//
// The menu uses the driver of the form's skinned frame when it finds one (menu_host.h): the
// frame set for it (SkinForm), else the first among the components of Form, of its owner, of its
// owner's owner. Without a frame it uses a driver of its own. Its skin is SkinData, else the
// frame's menu skin; without either it draws its built-in look.
#pragma once

#include <cstdint>

#include "framework/menus/popup_menu.h"
#include "platform/geometry.h"

namespace framework {
class TControl;
class TWinControl;
}  // namespace framework

namespace skin {

class TbsSkinData;
class TbsSkinMenu;
class TbsSkinMenuHost;

class TbsSkinPopupMenu : public framework::TPopupMenu {
  public:
    explicit TbsSkinPopupMenu(framework::TComponent* owner);
    // An open menu of this popup menu closes (without OnMenuClose).
    ~TbsSkinPopupMenu() override;
    static framework::PersistentClass Published();

    TbsSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TbsSkinData* data);
    // The frame whose driver to use: a component that is a TbsSkinMenuHost (others are ignored).
    framework::TComponent* SkinForm() const { return skinForm_; }
    void SetSkinForm(framework::TComponent* frame);
    // The form searched for a frame before the owners, and the form the menu belongs to.
    framework::TWinControl* Form() const { return form_; }
    void SetForm(framework::TWinControl* form);

    void Popup(int32_t x, int32_t y) override;
    void PopupFor(framework::TControl* control, const platform::Rect& rect, bool upward);

    // The frame found for the menu now, or null.
    TbsSkinMenuHost* FindHost() const;
    // The driver a menu opens with now: the frame's, else the menu's own.
    TbsSkinMenu& Driver();
    // Whether a menu of this popup menu is open.
    bool IsOpen() const;

    framework::TNotifyEvent OnMenuClose;

  protected:
    void Notification(framework::TComponent* component, framework::Operation operation) override;

  private:
    void Show(framework::TControl* opener, const platform::Rect& rect, bool upward);
    template <class T>
    void Refer(T*& field, T* value);

    TbsSkinData* skinData_ = nullptr;
    framework::TComponent* skinForm_ = nullptr;
    framework::TWinControl* form_ = nullptr;
    TbsSkinMenu* ownDriver_ = nullptr;
    TbsSkinMenu* shownBy_ = nullptr;  // the driver of the open menu
};

}  // namespace skin
