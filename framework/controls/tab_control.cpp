#include "framework/controls/tab_control.h"

#include "framework/graphics/image_list.h"
#include "platform/window/message_loop.h"
#include "platform/window/window.h"

namespace framework {

using namespace platform;

TTabControl::TTabControl(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetControlStyle(ControlStyle().insert(TControlStyleFlag::csAcceptsControls));
    SetBounds(0, 0, 289, 193);
}

TTabControl::~TTabControl() {
    if (images_)
        images_->RemoveChangeListener(imagesListener_);
}

void TTabControl::CreateParams(TCreateParams& params) {
    RegisterTabStripClasses();
    TWinControl::CreateParams(params);
    CreateSubClass(params, kTabStripClass);
    params.Style |= WS_CLIPCHILDREN;
    if (tabPosition_ == TTabPosition::tpBottom || tabPosition_ == TTabPosition::tpRight)
        params.Style |= TCS_BOTTOM;
    if (tabPosition_ == TTabPosition::tpLeft || tabPosition_ == TTabPosition::tpRight)
        params.Style |= TCS_VERTICAL;
    if (multiLine_)
        params.Style |= TCS_MULTILINE;
    if (style_ != TTabStyle::tsTabs)
        params.Style |= TCS_BUTTONS;
    if (tabWidth_ > 0)
        params.Style |= TCS_FIXEDWIDTH;
}

void TTabControl::CreateHandleDone() {
    TWinControl::CreateHandleDone();
    SendTabsToWindow();
}

void TTabControl::SendTabsToWindow() {
    HWND window = Handle();
    if (!window)
        return;
    SendMessage(window, TCM_SETIMAGELIST, 0, LPARAM(images_));
    SendMessage(window, TCM_SETITEMSIZE, 0, MAKELPARAM(itemSize_.cx, itemSize_.cy));
    SendMessage(window, TCM_DELETEALLITEMS);
    for (size_t i = 0; i < tabs_.size(); ++i) {
        TCITEM item{TCIF_TEXT | TCIF_IMAGE, tabs_[i].c_str(), int(i)};
        SendMessage(window, TCM_INSERTITEM, i, LPARAM(&item));
    }
    SendMessage(window, TCM_SETCURSEL, WPARAM(tabIndex_));
}

void TTabControl::DestroyWnd() {
    // The selection lives in the window; it is kept for the next one.
    if (HandleAllocated())
        tabIndex_ = int(SendMessage(Handle(), TCM_GETCURSEL));
    TWinControl::DestroyWnd();
}

// --- Tabs ------------------------------------------------------------------------------------

void TTabControl::SetTabs(const std::vector<std::string>& captions) {
    tabs_ = captions;
    tabIndex_ = -1;
    if (HandleAllocated())
        SendTabsToWindow();
    TabsChanged();
}

int TTabControl::AddTab(const std::string& caption) {
    InsertTab(TabCount(), caption);
    return TabCount() - 1;
}

void TTabControl::InsertTab(int index, const std::string& caption) {
    index = std::clamp(index, 0, TabCount());
    tabs_.insert(tabs_.begin() + index, caption);
    if (HandleAllocated()) {
        TCITEM item{TCIF_TEXT | TCIF_IMAGE, caption.c_str(), index};
        SendMessage(Handle(), TCM_INSERTITEM, WPARAM(index), LPARAM(&item));
    } else if (tabIndex_ >= index) {
        ++tabIndex_;
    }
    TabsChanged();
}

void TTabControl::DeleteTab(int index) {
    if (index < 0 || index >= TabCount())
        return;
    tabs_.erase(tabs_.begin() + index);
    if (HandleAllocated()) {
        SendMessage(Handle(), TCM_DELETEITEM, WPARAM(index));
    } else if (tabIndex_ == index) {
        tabIndex_ = -1;
    } else if (tabIndex_ > index) {
        --tabIndex_;
    }
    TabsChanged();
}

void TTabControl::SetTabCaption(int index, const std::string& caption) {
    if (index < 0 || index >= TabCount())
        return;
    tabs_[size_t(index)] = caption;
    if (HandleAllocated()) {
        TCITEM item{TCIF_TEXT, caption.c_str(), -1};
        SendMessage(Handle(), TCM_SETITEM, WPARAM(index), LPARAM(&item));
    }
    TabsChanged();
}

void TTabControl::ClearTabs() {
    SetTabs({});
}

void TTabControl::TabsChanged() {
    if (HandleAllocated()) {
        const Rect client = ClientRect();
        SendMessage(Handle(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.width(), client.height()));
    }
    Realign();
    Invalidate();
}

int TTabControl::TabIndex() const {
    if (!HandleAllocated())
        return tabIndex_;
    return int(SendMessage(const_cast<TTabControl*>(this)->Handle(), TCM_GETCURSEL));
}

void TTabControl::SetTabIndex(int index) {
    if (index >= TabCount())
        return;
    if (index < 0)
        index = -1;
    if (HandleAllocated())
        SendMessage(Handle(), TCM_SETCURSEL, WPARAM(index));
    else
        tabIndex_ = index;
    Invalidate();
}

void TTabControl::SelectTabAsUser(int index) {
    if (index >= 0 && index < TabCount() && HandleAllocated())
        SendMessage(Handle(), TCM_SETCURFOCUS, WPARAM(index));
}

void TTabControl::SelectNextTab(bool forward) {
    const int count = TabCount();
    if (count == 0)
        return;
    const int selected = TabIndex();
    int next = forward ? selected + 1 : selected - 1;
    if (selected < 0)
        next = forward ? 0 : count - 1;
    SelectTabAsUser((next + count) % count);
}

// --- Look ------------------------------------------------------------------------------------

void TTabControl::SetTabPosition(TTabPosition position) {
    if (position == tabPosition_)
        return;
    tabPosition_ = position;
    RecreateWnd();
}

void TTabControl::SetMultiLine(bool multiLine) {
    if (multiLine == multiLine_)
        return;
    multiLine_ = multiLine;
    RecreateWnd();
}

void TTabControl::SetStyle(TTabStyle style) {
    if (style == style_)
        return;
    style_ = style;
    RecreateWnd();
}

void TTabControl::SetTabHeight(int height) {
    tabHeight_ = std::max(height, 0);
    SetItemSize(tabWidth_, tabHeight_);
}

void TTabControl::SetTabWidth(int width) {
    const bool fixedChanged = (width > 0) != (tabWidth_ > 0);
    tabWidth_ = std::max(width, 0);
    if (fixedChanged)
        RecreateWnd();
    SetItemSize(tabWidth_, tabHeight_);
}

void TTabControl::SetItemSize(int width, int height) {
    itemSize_ = {width, height};
    if (HandleAllocated())
        SendMessage(Handle(), TCM_SETITEMSIZE, 0, MAKELPARAM(width, height));
    Realign();
    Invalidate();
}

void TTabControl::SetImages(TImageList* images) {
    if (images == images_)
        return;
    if (images_) {
        images_->RemoveChangeListener(imagesListener_);
        images_->RemoveFreeNotification(this);
    }
    images_ = images;
    if (images_) {
        images_->FreeNotification(this);
        imagesListener_ = images_->AddChangeListener([this] { ImagesChanged(); });
    }
    ImagesChanged();
}

void TTabControl::ImagesChanged() {
    // Handing the list over again makes the strip measure its tabs anew.
    if (HandleAllocated())
        SendMessage(Handle(), TCM_SETIMAGELIST, 0, LPARAM(images_));
    Realign();
    Invalidate();
}

void TTabControl::Notification(TComponent* component, Operation operation) {
    TWinControl::Notification(component, operation);
    if (operation == Operation::opRemove && component == images_) {
        images_ = nullptr;
        ImagesChanged();
    }
}

// --- Geometry --------------------------------------------------------------------------------

Rect TTabControl::TabRect(int index) {
    Rect rect;
    if (index < 0 || index >= TabCount() || !Handle())
        return {};
    Perform(TCM_GETITEMRECT, WPARAM(index), LPARAM(&rect));
    return rect;
}

Rect TTabControl::DisplayRect() {
    Rect rect = TWinControl::ClientRect();
    if (Handle())
        Perform(TCM_ADJUSTRECT, 0, LPARAM(&rect));
    return rect;
}

void TTabControl::AdjustClientRect(Rect& rect) {
    rect = DisplayRect();
}

int TTabControl::IndexOfTabAt(int x, int y) {
    if (!Handle())
        return -1;
    TCHITTESTINFO info{{x, y}, 0};
    return int(Perform(TCM_HITTEST, 0, LPARAM(&info)));
}

// --- Events ----------------------------------------------------------------------------------

bool TTabControl::CanChange() {
    bool allow = true;
    if (OnChanging)
        OnChanging(this, allow);
    return allow;
}

void TTabControl::Change() {
    if (OnChange)
        OnChange(this);
}

void TTabControl::Dispatch(TMessage& message) {
    if (message.Msg == CN_NOTIFY && message.LParam) {
        const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
        if (header->code == TCN_SELCHANGING) {
            message.Result = CanChange() ? 0 : 1;
            return;
        }
        if (header->code == TCN_SELCHANGE) {
            Change();
            return;
        }
    }
    TWinControl::Dispatch(message);
}

}  // namespace framework
