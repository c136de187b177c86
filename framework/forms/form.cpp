#include "framework/forms/form.h"

#include "framework/core/form_data.h"
#include "framework/forms/application.h"
#include "framework/forms/screen.h"
#include "platform/window/focus.h"
#include "platform/window/input.h"
#include "platform/window/keys.h"
#include "platform/window/message_loop.h"
#include "platform/window/metrics.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"

namespace framework {

using namespace platform;

TShiftState KeyDataToShiftState(LPARAM keyData) {
    TShiftState shift;
    shift.set(TShiftFlag::ssShift, GetKeyState(VK_SHIFT) < 0);
    shift.set(TShiftFlag::ssCtrl, GetKeyState(VK_CONTROL) < 0);
    shift.set(TShiftFlag::ssAlt, (keyData & (LPARAM(1) << 29)) != 0);
    return shift;
}

TForm::TForm(TComponent* owner) : TWinControl(owner) {
    TControl::SetVisible(false);
    SetParentFont(false);
    SetControlStyle(ControlStyle().insert(TControlStyleFlag::csAcceptsControls));
    // A size with room for a client area, so that client sizes can be measured from the start.
    SetBounds(0, 0, 320, 240);
    if (Application)
        Application->FormMade(this);
}

TForm::~TForm() {
    Destroying();
    DoDestroy();
    if (Application)
        Application->FormGone(this);
}

void TForm::BeforeDestruction() {
    DoDestroy();
}

void TForm::DoCreate() {
    if (!OnCreate)
        return;
    try {
        OnCreate(this);
    } catch (const std::exception& error) {
        HandleException(error);
    }
}

void TForm::DoDestroy() {
    if (destroyed_)
        return;
    destroyed_ = true;
    if (!OnDestroy)
        return;
    try {
        OnDestroy(this);
    } catch (const std::exception& error) {
        HandleException(error);
    }
}

// --- Window ----------------------------------------------------------------------------------

void TForm::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    params.ExStyle = 0;
    bool minMaxAllowed = true;
    switch (borderStyle_) {
        case TFormBorderStyle::bsNone:
            params.Style |= WS_POPUP;
            minMaxAllowed = false;
            break;
        case TFormBorderStyle::bsSingle:
            params.Style |= WS_CAPTION;
            break;
        case TFormBorderStyle::bsSizeable:
            params.Style |= WS_CAPTION | WS_THICKFRAME;
            break;
        case TFormBorderStyle::bsDialog:
            params.Style |= WS_POPUP | WS_CAPTION;
            params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
            minMaxAllowed = false;
            break;
        case TFormBorderStyle::bsToolWindow:
            params.Style |= WS_CAPTION;
            params.ExStyle |= WS_EX_TOOLWINDOW;
            minMaxAllowed = false;
            break;
        case TFormBorderStyle::bsSizeToolWin:
            params.Style |= WS_CAPTION | WS_THICKFRAME;
            params.ExStyle |= WS_EX_TOOLWINDOW;
            minMaxAllowed = false;
            break;
    }
    if (borderStyle_ != TFormBorderStyle::bsNone && borderIcons_.contains(TBorderIcon::biSystemMenu)) {
        params.Style |= WS_SYSMENU;
        if (minMaxAllowed && borderIcons_.contains(TBorderIcon::biMinimize))
            params.Style |= WS_MINIMIZEBOX;
        if (minMaxAllowed && borderIcons_.contains(TBorderIcon::biMaximize))
            params.Style |= WS_MAXIMIZEBOX;
    }
    if (!Enabled())
        params.Style |= WS_DISABLED;
    // Shown by Show (SetVisible), never at creation: the first show places the form.
    params.WndParent = Application ? Application->Handle() : nullptr;
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
    if (style == borderStyle_)
        return;
    borderStyle_ = style;
    RecreateWnd();
}

void TForm::SetBorderIcons(TBorderIcons icons) {
    if (icons == borderIcons_)
        return;
    borderIcons_ = icons;
    RecreateWnd();
}

void TForm::SetClientWidth(int32_t width) {
    if (InState(csLoading))
        loadedClientWidth_ = width;
    TControl::SetClientWidth(width);
}

void TForm::SetClientHeight(int32_t height) {
    if (InState(csLoading))
        loadedClientHeight_ = height;
    TControl::SetClientHeight(height);
}

void TForm::Loaded() {
    TWinControl::Loaded();
    if (loadedClientWidth_ >= 0 && ClientWidth() != loadedClientWidth_)
        TControl::SetClientWidth(loadedClientWidth_);
    if (loadedClientHeight_ >= 0 && ClientHeight() != loadedClientHeight_)
        TControl::SetClientHeight(loadedClientHeight_);
    loadedClientWidth_ = loadedClientHeight_ = -1;
}

Rect TForm::ClientRect() const {
    // The client area depends on the frame, which the window knows: asking makes the window.
    const_cast<TForm*>(this)->HandleNeeded();
    return TWinControl::ClientRect();
}

TWindowState TForm::WindowState() const {
    if (HandleAllocated()) {
        HWND window = const_cast<TForm*>(this)->Handle();
        if (IsIconic(window))
            return TWindowState::wsMinimized;
        if (IsZoomed(window))
            return TWindowState::wsMaximized;
        if (IsWindowVisible(window))
            return TWindowState::wsNormal;
    }
    return requestedState_;
}

void TForm::SetWindowState(TWindowState state) {
    requestedState_ = state;
    if (!HandleAllocated() || !Visible())
        return;
    switch (state) {
        case TWindowState::wsNormal:
            ShowWindow(Handle(), SW_RESTORE);
            break;
        case TWindowState::wsMinimized:
            if (Application && Application->MainForm() == this)
                Application->Minimize();
            else
                ShowWindow(Handle(), SW_MINIMIZE);
            break;
        case TWindowState::wsMaximized:
            ShowWindow(Handle(), SW_SHOWMAXIMIZED);
            break;
    }
}

// --- Showing and closing ---------------------------------------------------------------------

void TForm::Show() {
    SetVisible(true);
    BringToFront();
}

void TForm::SetVisible(bool visible) {
    if (visible == Visible()) {
        if (!visible || (HandleAllocated() && IsWindowVisible(Handle())))
            return;
    }
    TControl::SetVisible(visible);
    HWND window = Handle();
    if (!window)
        return;
    if (visible) {
        if (!shownOnce_)
            PlaceForFirstShow();
        shownOnce_ = true;
        if (Application && Application->IsMinimized())
            return;
        int command = SW_SHOWNORMAL;
        if (requestedState_ == TWindowState::wsMaximized)
            command = SW_SHOWMAXIMIZED;
        if (requestedState_ == TWindowState::wsMinimized)
            command = SW_SHOWMINIMIZED;
        ShowWindow(window, command);
        if (OnShow)
            OnShow(this);
    } else {
        ShowWindow(window, SW_HIDE);
        if (OnHide)
            OnHide(this);
    }
}

void TForm::PlaceForFirstShow() {
    Rect area;
    switch (position_) {
        case TPosition::poScreenCenter:
            area = {0, 0, Screen->Width(), Screen->Height()};
            break;
        case TPosition::poDesktopCenter:
            area = Screen->WorkAreaRect();
            break;
        case TPosition::poMainFormCenter:
        case TPosition::poOwnerFormCenter: {
            TForm* around =
                position_ == TPosition::poOwnerFormCenter ? dynamic_cast<TForm*>(Owner()) : nullptr;
            if (!around && Application)
                around = Application->MainForm();
            if (!around || around == this)
                return;
            area = around->BoundsRect();
            break;
        }
        default:
            return;
    }
    SetBounds(area.Left + (area.width() - Width()) / 2, area.Top + (area.height() - Height()) / 2, Width(),
              Height());
}

void TForm::BringToFront() {
    if (HandleAllocated() && Visible())
        SetForegroundWindow(Handle());
}

bool TForm::Active() const {
    return HandleAllocated() && GetActiveWindow() == const_cast<TForm*>(this)->Handle();
}

bool TForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TForm::Close() {
    if (inModal_) {
        modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = TCloseAction::caHide;
    if (OnClose)
        OnClose(this, action);
    if (action == TCloseAction::caNone)
        return;
    if (Application && Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    switch (action) {
        case TCloseAction::caHide:
            Hide();
            break;
        case TCloseAction::caMinimize:
            SetWindowState(TWindowState::wsMinimized);
            break;
        case TCloseAction::caFree:
            Release();
            break;
        default:
            break;
    }
}

void TForm::Release() {
    if (HWND window = Handle())
        PostMessage(window, CM_RELEASE);
    else
        delete this;
}

TModalResult TForm::ShowModal() {
    if (inModal_)
        throw EInvalidOperation("Cannot make a visible window modal");
    std::vector<HWND> disabled;
    if (Application) {
        for (int i = 0; i < Application->FormCount(); ++i) {
            TForm* other = Application->Forms(i);
            if (other != this && other->HandleAllocated() && IsWindowEnabled(other->Handle())) {
                disabled.push_back(other->Handle());
                EnableWindow(other->Handle(), false);
            }
        }
    }
    modalResult_ = mrNone;
    inModal_ = true;
    Show();
    while (modalResult_ == mrNone && IsWindowVisible(Handle())) {
        if (HandleNextMessage() != LoopStep::Handled)
            modalResult_ = mrCancel;
    }
    inModal_ = false;
    for (HWND window : disabled) EnableWindow(window, true);
    Hide();
    return modalResult_;
}

// --- Focus -----------------------------------------------------------------------------------

void TForm::SetActiveControl(TWinControl* control) {
    if (control == activeControl_)
        return;
    if (InState(csLoading) || !control) {
        activeControl_ = control;
        return;
    }
    if (control->ParentForm() != this || !control->CanFocus())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    activeControl_ = control;
    if (Active())
        platform::SetFocus(control->Handle());
}

void TForm::FocusControl(TWinControl* control) {
    if (!control || control->ParentForm() != this)
        return;
    activeControl_ = control;
    if (Active())
        platform::SetFocus(control->Handle());
}

void TForm::FocusedControlChanged(TWinControl* control) {
    activeControl_ = control;
    Perform(CM_FOCUSCHANGED, 0, LPARAM(control));
}

void TForm::ControlRemoved(TControl* control) {
    for (TControl* c = activeControl_; c; c = c->Parent()) {
        if (c == control) {
            activeControl_ = nullptr;
            return;
        }
    }
}

void TForm::Activated(bool active) {
    if (!active) {
        if (OnDeactivate)
            OnDeactivate(this);
        return;
    }
    if (Application)
        Application->FormActivated(this);
    // The first activation picks the first control in tab order.
    if (!activeControl_ || !activeControl_->CanFocus())
        activeControl_ = FindNextControl(nullptr, true, true);
    if (activeControl_)
        platform::SetFocus(activeControl_->Handle());
    else
        platform::SetFocus(Handle());
    if (OnActivate)
        OnActivate(this);
}

// --- Keys ------------------------------------------------------------------------------------

bool TForm::IsShortCut(MSG& msg) {
    if (!OnShortCut)
        return false;
    TWMKey key{msg.message, uint16_t(msg.wParam), msg.lParam, 0};
    bool handled = false;
    OnShortCut(key, handled);
    return handled;
}

bool TForm::DialogKey(TMessage& message) {
    const int key = int(message.WParam);
    const TShiftState shift = KeyDataToShiftState(message.LParam);
    if (key == VK_TAB) {
        if (shift.contains(TShiftFlag::ssCtrl) || shift.contains(TShiftFlag::ssAlt))
            return false;
        SelectNext(activeControl_, !shift.contains(TShiftFlag::ssShift), true);
        return true;
    }
    if (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) {
        if (!activeControl_ || !activeControl_->Parent())
            return false;
        activeControl_->Parent()->SelectNext(activeControl_, key == VK_RIGHT || key == VK_DOWN, false);
        return true;
    }
    return false;
}

// --- Messages --------------------------------------------------------------------------------

void TForm::SysCommand(TMessage& message) {
    const UINT command = SysCommandOf(message.WParam);
    // The main form minimises the whole application to its taskbar entry; any of its forms
    // brought back (by the desktop, from its iconified window) brings the whole application back.
    if (Application && Application->MainForm() == this && command == SC_MINIMIZE) {
        Application->Minimize();
        return;
    }
    if (Application && command == SC_RESTORE && Application->IsMinimized()) {
        Application->Restore();
        return;
    }
    DefaultHandler(message);
}

void TForm::Dispatch(TMessage& message) {
    switch (message.Msg) {
        case WM_CLOSE:
            Close();
            return;
        case WM_ACTIVATE:
            Activated(LOWORD(message.WParam) != WA_INACTIVE && !HIWORD(message.WParam));
            return;
        case WM_SYSCOMMAND:
            SysCommand(message);
            return;
        case CM_RELEASE:
            delete this;
            return;
        case CM_DIALOGKEY:
            if (DialogKey(message)) {
                message.Result = 1;
                return;
            }
            TWinControl::Dispatch(message);
            return;
        default:
            TWinControl::Dispatch(message);
    }
}

}  // namespace framework

namespace framework {

void TForm::LoadFormData(const FormData& data, const std::function<void()>& bind) {
    ApplyFormData(*this, data, bind);
    DoCreate();
}

}  // namespace framework
