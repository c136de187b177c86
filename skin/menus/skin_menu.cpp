#include "skin/menus/skin_menu.h"

#include <algorithm>

#include "framework/controls/win_control.h"
#include "framework/forms/form.h"
#include "framework/menus/menu_item.h"
#include "platform/window/input.h"
#include "platform/window/keys.h"
#include "platform/window/message_loop.h"
#include "platform/window/metrics.h"
#include "platform/window/timers.h"
#include "platform/window/window.h"
#include "skin/controls/skinned_control.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/menus/component_watch.h"
#include "skin/menus/menu_session.h"
#include "skin/menus/skin_popup_window.h"
#include "skin/render/monitor_area.h"

namespace skin {

using framework::TComponent;
using framework::TControl;
using framework::TMenuItem;
using framework::TWinControl;
using platform::MSG;
using platform::Point;
using platform::Rect;

namespace {

// A skin message to a control: sent to its window, performed on a control without one.
void Tell(TControl& control, platform::UINT message) {
    auto* windowed = dynamic_cast<TWinControl*>(&control);
    if (windowed && windowed->HandleAllocated())
        platform::SendMessage(windowed->Handle(), message, 0, 0);
    else
        control.Perform(message, 0, 0);
}

platform::HWND WindowOf(TControl* control) {
    for (TControl* c = control; c; c = c->Parent())
        if (auto* windowed = dynamic_cast<TWinControl*>(c); windowed && windowed->HandleAllocated())
            return windowed->Handle();
    return nullptr;
}

}  // namespace

TbsSkinMenu::TbsSkinMenu(TComponent* owner) : TComponent(owner), alive_(std::make_shared<bool>(true)) {
    defaultItemFont_.SetName("Arial");
    defaultItemFont_.SetHeight(14);
    waitTimer_ = new framework::TTimer(this);
    waitTimer_->SetEnabled(false);
    waitTimer_->SetInterval(kWaitInterval);
    waitTimer_->SetOnTimer([this](framework::TObject*) { WaitTimerFired(); });
    sweeper_ = new framework::TTimer(this);
    sweeper_->SetEnabled(false);
    sweeper_->SetInterval(platform::USER_TIMER_MINIMUM);
    sweeper_->SetOnTimer([this](framework::TObject*) {
        SweepClosedPopups();
        sweeper_->SetEnabled(ClosedPopupsWaiting());
    });
}

TbsSkinMenu::~TbsSkinMenu() {
    CloseAll();
    *alive_ = false;
    SweepClosedPopups();
}

// --- Settings ------------------------------------------------------------------------------------

void TbsSkinMenu::SetMaxMenuItemsInWindow(int32_t value) {
    if (value >= 0)
        maxItems_ = value;
}

void TbsSkinMenu::SetAlphaBlendValue(int32_t value) {
    alphaValue_ = uint8_t(std::clamp(value, 0, 255));
}

void TbsSkinMenu::SetDefaultItemHeight(int32_t value) {
    if (value > 0)
        defaultItemHeight_ = value;
}

TWinControl* TbsSkinMenu::OwnerForm() const {
    if (ownerForm_)
        return ownerForm_;
    // A form that is being destroyed hears nothing more.
    for (TComponent* c = Owner(); c && !c->InState(framework::csDestroying); c = c->Owner())
        if (auto* form = dynamic_cast<framework::TForm*>(c))
            return form;
    return nullptr;
}

void TbsSkinMenu::SetOwnerForm(TWinControl* form) {
    if (ownerForm_)
        ownerForm_->RemoveFreeNotification(this);
    ownerForm_ = form;
    if (ownerForm_)
        ownerForm_->FreeNotification(this);
}

void TbsSkinMenu::Refer(TControl*& field, TControl* value) {
    if (field == value)
        return;
    TControl* old = field;
    field = value;
    // Another reference to the same control keeps the notice.
    if (old && old != opener_ && old != commandTarget_)
        old->RemoveFreeNotification(this);
    if (value)
        value->FreeNotification(this);
}

void TbsSkinMenu::SetOpener(TControl* opener) {
    Refer(opener_, opener);
}

void TbsSkinMenu::SetCommandTarget(TControl* target) {
    Refer(commandTarget_, target);
}

void TbsSkinMenu::SetSkinData(TbsSkinData* data) {
    LinkSkinData(*this, skinData_, data);
}

void TbsSkinMenu::Notification(TComponent* component, framework::Operation operation) {
    TComponent::Notification(component, operation);
    if (operation != framework::Operation::opRemove)
        return;
    if (component == opener_)
        opener_ = nullptr;
    if (component == commandTarget_)
        commandTarget_ = nullptr;
    if (component == ownerForm_)
        ownerForm_ = nullptr;
    if (component == skinData_) {
        skinData_ = nullptr;
        SkinGoing();
    }
}

void TbsSkinMenu::SkinGoing() {
    for (TbsSkinPopupWindow* popup : popups_) popup->ForgetSkin();
    if (session_)
        platform::PostMessage(session_->CaptureWindow(), kMenuCancelMessage);
}

// --- Opening and closing -------------------------------------------------------------------------

TMenuItem* TbsSkinMenu::RootItem() const {
    return popups_.empty() ? nullptr : popups_.front()->Root();
}

void TbsSkinMenu::PopupItems(TControl* opener, TbsSkinData* data, bool upward, TMenuItem* root,
                             const Rect& rect, int start) {
    SweepClosedPopups();
    first_ = !visible_;
    const std::shared_ptr<bool> alive = alive_;
    // A menu that is open closes (and says so) before the new one opens.
    CloseAll();
    if (!*alive)
        return;
    SetOpener(opener);
    workArea_ = {0, 0, platform::GetSystemMetrics(platform::SM_CXSCREEN),
                 platform::GetSystemMetrics(platform::SM_CYSCREEN)};
    platform::HWND window =
        OwnerForm() && OwnerForm()->HandleAllocated() ? OwnerForm()->Handle() : WindowOf(opener);
    MonitorAreaOf(window, true, workArea_);
    SetSkinData(data);
    if (!root || start < 0 || start >= root->Count()) {
        SetOpener(nullptr);
        return;
    }
    visible_ = true;
    TbsSkinPopupWindow* top = OpenPopup(root, start, rect, upward, false);
    first_ = false;
    if (!*alive)
        return;
    if (!top) {
        // Nothing to show (no visible item, or no window): nothing opened, so nothing closes.
        visible_ = false;
        SetOpener(nullptr);
        return;
    }
    StartSession();
}

TbsSkinPopupWindow* TbsSkinMenu::OpenPopup(TMenuItem* root, int start, const Rect& anchor, bool upward,
                                           bool submenu) {
    auto* popup = new TbsSkinPopupWindow(*this, int(popups_.size()));
    popups_.push_back(popup);
    const uint64_t serial = popup->Serial();
    const std::shared_ptr<bool> alive = alive_;
    const bool shown = popup->Open({root, start, anchor, upward, submenu, first_});
    if (!*alive)
        return nullptr;
    // Opening highlights the first item, whose drawing is the application's own for some items.
    TbsSkinPopupWindow* still = PopupOfSerial(serial);
    if (shown && still)
        return still;
    if (still) {
        popups_.erase(std::find(popups_.begin(), popups_.end(), still));
        Dispose(*still);
    }
    return nullptr;
}

void TbsSkinMenu::Dispose(TbsSkinPopupWindow& popup) {
    if (waitingSerial_ == popup.Serial())
        StopWaiting();
    popup.Dispose();
    sweeper_->SetEnabled(true);
}

void TbsSkinMenu::CloseFrom(int level) {
    level = std::max(level, 0);
    while (int(popups_.size()) > level) {
        TbsSkinPopupWindow* popup = popups_.back();
        popups_.pop_back();
        Dispose(*popup);
    }
    if (level > 0 || !visible_)
        return;
    visible_ = false;
    StopWaiting();
    EndSession();
    SetCommandTarget(opener_);
    TControl* opener = opener_;
    SetOpener(nullptr);
    const std::shared_ptr<bool> alive = alive_;
    if (opener)
        Tell(*opener, SKM_MENUCLOSED);
    if (!*alive)
        return;
    if (std::function<void()> handler = std::exchange(closeHandler_, {}))
        handler();
}

void TbsSkinMenu::CloseAll() {
    if (!visible_ && popups_.empty())
        return;
    const std::shared_ptr<bool> alive = alive_;
    CloseFrom(0);
    if (!*alive)
        return;
    StopWaiting();
    if (TWinControl* form = OwnerForm())
        Tell(*form, SKM_MENUCLOSED);
    if (!*alive)
        return;
    if (TControl* opener = opener_) {
        SetOpener(nullptr);
        Tell(*opener, SKM_MENUCLOSED);
    }
}

// --- The waiting item ----------------------------------------------------------------------------

TbsSkinPopupWindow* TbsSkinMenu::PopupOfSerial(uint64_t serial) const {
    for (TbsSkinPopupWindow* popup : popups_)
        if (popup->Serial() == serial)
            return popup;
    return nullptr;
}

TbsSkinPopupWindow* TbsSkinMenu::WaitingPopup() const {
    return waitingIndex_ >= 0 ? PopupOfSerial(waitingSerial_) : nullptr;
}

void TbsSkinMenu::StopWaiting() {
    waitTimer_->SetEnabled(false);
    waitingSerial_ = 0;
    waitingIndex_ = -1;
}

void TbsSkinMenu::ForgetWaiting(const TbsSkinPopupWindow& popup, int index) {
    if (waitingSerial_ == popup.Serial() && waitingIndex_ == index)
        StopWaiting();
}

void TbsSkinMenu::WaitTimerFired() {
    TbsSkinPopupWindow* popup = WaitingPopup();
    const int index = waitingIndex_;
    StopWaiting();
    if (popup && index < popup->ItemCount())
        ItemChoose(*popup, index);
}

// --- Item actions --------------------------------------------------------------------------------

void TbsSkinMenu::ItemHover(TbsSkinPopupWindow& popup, int index, bool byKeyboard) {
    const TbsSkinMenuItem& item = popup.Item(index);
    if (!item.HasSubItems()) {
        StopWaiting();
        CloseFrom(popup.Level() + 1);
        return;
    }
    if (byKeyboard)
        return;
    CloseFrom(popup.Level() + 1);
    waitingSerial_ = popup.Serial();
    waitingIndex_ = index;
    waitTimer_->SetEnabled(false);
    waitTimer_->SetEnabled(true);
}

void TbsSkinMenu::ItemChoose(TbsSkinPopupWindow& popup, int index) {
    if (popup.Closed() || index < 0 || index >= popup.ItemCount())
        return;
    TbsSkinMenuItem& item = popup.Item(index);
    if (!item.Usable() || item.Down)
        return;
    item.Waiting = false;
    TMenuItem* chosen = &item.MenuItem();
    const std::shared_ptr<bool> alive = alive_;
    // The command runs after code that may free the item (the close handler, the command itself).
    ComponentWatch watch(chosen);
    if (!item.HasSubItems()) {
        StopWaiting();
        CloseAll();
        if (watch.Alive())
            chosen->Click();
        if (!*alive)
            return;
        if (TControl* target = commandTarget_) {
            Tell(*target, SKM_MENUCOMMAND);
            if (!*alive)
                return;
        }
        SetCommandTarget(nullptr);
        return;
    }
    const uint64_t serial = popup.Serial();
    const int level = popup.Level();
    chosen->Click();
    if (!*alive || !watch.Alive())
        return;
    TbsSkinPopupWindow* parent = PopupOfSerial(serial);
    if (!parent || index >= parent->ItemCount() || &parent->Item(index).MenuItem() != chosen)
        return;
    StopWaiting();
    CloseFrom(level + 1);
    const Rect anchor = parent->ItemScreenRect(index);
    if (!OpenPopup(chosen, 0, anchor, false, true) || !*alive)
        return;
    if ((parent = PopupOfSerial(serial)) && index < parent->ItemCount()) {
        parent->Item(index).Down = true;
        parent->Item(index).RedrawMenuItem();
    }
}

void TbsSkinMenu::MenuKey(int vk) {
    TbsSkinPopupWindow* last = LastPopup();
    if (!visible_ || !last)
        return;
    if (vk == platform::VK_ESCAPE || vk == platform::VK_LEFT) {
        const int count = PopupCount();
        if (count >= 2) {
            TbsSkinPopupWindow& parent = *popups_[size_t(count - 2)];
            if (parent.Selected() >= 0) {
                TbsSkinMenuItem& item = parent.Item(parent.Selected());
                item.Down = false;
                item.RedrawMenuItem();
            }
            CloseFrom(count - 1);
        } else if (vk == platform::VK_ESCAPE) {
            CloseAll();
        }
        return;
    }
    last->MenuKey(vk);
}

// --- The input while a menu is open --------------------------------------------------------------

void TbsSkinMenu::StartSession() {
    if (popups_.empty() || !popups_.front()->HandleAllocated())
        return;
    TWinControl* owner = OwnerForm();
    session_ = std::make_unique<MenuInputSession>(
        popups_.front()->Handle(), owner, [this](MSG& msg) { return FilterMessage(msg); },
        [this] { SkinGoing(); });
}

void TbsSkinMenu::EndSession() {
    session_.reset();
}

TbsSkinPopupWindow* TbsSkinMenu::PopupAt(Point screen) const {
    const platform::HWND under = platform::WindowFromPoint(screen);
    for (TbsSkinPopupWindow* popup : popups_)
        if (popup->HandleAllocated() && popup->Handle() == under)
            return popup;
    return nullptr;
}

bool TbsSkinMenu::FilterMessage(MSG& msg) {
    using namespace platform;
    if (!visible_)
        return false;
    switch (msg.message) {
        case kMenuCancelMessage:
            if (session_ && msg.hwnd == session_->CaptureWindow())
                CloseAll();
            return true;
        case WM_MOUSEMOVE:
        case WM_NCMOUSEMOVE: {
            // Every popup follows the pointer at once (and on its own timer besides).
            const std::vector<TbsSkinPopupWindow*> open = popups_;
            const std::shared_ptr<bool> alive = alive_;
            for (TbsSkinPopupWindow* popup : open) {
                if (!*alive || !PopupOfSerial(popup->Serial()))
                    break;
                popup->TrackPointer();
            }
            return true;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_NCMBUTTONDOWN:
        case WM_NCLBUTTONDBLCLK:
        case WM_NCRBUTTONDBLCLK:
        case WM_NCMBUTTONDBLCLK:
            // A press anywhere but on the menu closes it, and goes no further.
            if (!PopupAt(msg.pt))
                CloseAll();
            return true;
        case WM_LBUTTONUP:
        case WM_NCLBUTTONUP:
            if (TbsSkinPopupWindow* popup = PopupAt(msg.pt))
                popup->MouseRelease(msg.pt);
            return true;
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
        case WM_NCRBUTTONUP:
        case WM_NCMBUTTONUP:
            return true;
        case WM_MOUSEWHEEL: {
            TbsSkinPopupWindow* popup = PopupAt(msg.pt);
            if (!popup)
                popup = LastPopup();
            if (popup)
                popup->Wheel(GET_WHEEL_DELTA_WPARAM(msg.wParam));
            return true;
        }
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            MenuKey(int(msg.wParam));
            return true;
        case WM_KEYUP:
        case WM_SYSKEYUP:
        case WM_CHAR:
        case WM_SYSCHAR:
            return true;
        default:
            return false;
    }
}

}  // namespace skin
