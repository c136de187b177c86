#include "skin/menus/skin_popup_menu.h"

#include "framework/controls/win_control.h"
#include "skin/data/skin_data.h"
#include "skin/menus/menu_host.h"
#include "skin/menus/skin_menu.h"

namespace skin {

using framework::TComponent;
using framework::TControl;
using framework::TWinControl;
using platform::Rect;

TbsSkinPopupMenu::TbsSkinPopupMenu(TComponent* owner) : TPopupMenu(owner) {}

TbsSkinPopupMenu::~TbsSkinPopupMenu() {
    if (IsOpen()) {
        shownBy_->SetCloseHandler({});
        shownBy_->CloseAll();
    }
    Refer(shownBy_, static_cast<TbsSkinMenu*>(nullptr));
}

template <class T>
void TbsSkinPopupMenu::Refer(T*& field, T* value) {
    if (field == value)
        return;
    if (field)
        field->RemoveFreeNotification(this);
    field = value;
    if (field)
        field->FreeNotification(this);
}

void TbsSkinPopupMenu::SetSkinData(TbsSkinData* data) {
    Refer(skinData_, data);
}

void TbsSkinPopupMenu::SetSkinForm(TComponent* frame) {
    Refer(skinForm_, frame);
}

void TbsSkinPopupMenu::SetForm(TWinControl* form) {
    Refer(form_, form);
    if (ownDriver_)
        ownDriver_->SetOwnerForm(form);
}

void TbsSkinPopupMenu::Notification(TComponent* component, framework::Operation operation) {
    TPopupMenu::Notification(component, operation);
    if (operation != framework::Operation::opRemove)
        return;
    if (component == skinData_)
        skinData_ = nullptr;
    if (component == skinForm_)
        skinForm_ = nullptr;
    if (component == form_)
        form_ = nullptr;
    if (component == shownBy_)
        shownBy_ = nullptr;
    if (component == ownDriver_)
        ownDriver_ = nullptr;
}

TbsSkinMenuHost* TbsSkinPopupMenu::FindHost() const {
    if (auto* host = dynamic_cast<TbsSkinMenuHost*>(skinForm_))
        return host;
    const TComponent* owner = Owner();
    const TComponent* scopes[] = {form_, owner, owner ? owner->Owner() : nullptr};
    for (const TComponent* scope : scopes)
        if (TbsSkinMenuHost* host = FindMenuHost(scope))
            return host;
    return nullptr;
}

TbsSkinMenu& TbsSkinPopupMenu::Driver() {
    if (TbsSkinMenuHost* host = FindHost())
        return host->MenuDriver();
    if (!ownDriver_) {
        ownDriver_ = new TbsSkinMenu(this);
        ownDriver_->SetOwnerForm(form_);
    }
    return *ownDriver_;
}

bool TbsSkinPopupMenu::IsOpen() const {
    return shownBy_ && shownBy_->Visible() && shownBy_->RootItem() == Items();
}

void TbsSkinPopupMenu::Popup(int32_t x, int32_t y) {
    SetPopupPoint({x, y});
    if (OnPopup)
        OnPopup(this);
    Show(nullptr, {x, y, x, y}, false);
}

void TbsSkinPopupMenu::PopupFor(TControl* control, const Rect& rect, bool upward) {
    SetPopupPoint({rect.Left, upward ? rect.Top : rect.Bottom});
    SetPopupComponent(control);
    if (OnPopup)
        OnPopup(this);
    Show(control, rect, upward);
}

void TbsSkinPopupMenu::Show(TControl* opener, const Rect& rect, bool upward) {
    TbsSkinMenuHost* host = FindHost();
    TbsSkinMenu& driver = Driver();
    TbsSkinData* data = skinData_ ? skinData_ : host ? host->MenuSkinData() : nullptr;
    if (driver.Visible())
        driver.CloseAll();
    if (host)
        host->MenuOpening();
    driver.PopupItems(opener, data, upward, Items(), rect, 0);
    if (!driver.Visible() || driver.RootItem() != Items())
        return;
    Refer(shownBy_, &driver);
    driver.SetCloseHandler([this] {
        if (framework::TNotifyEvent handler = OnMenuClose)
            handler(this);
    });
}

}  // namespace skin
