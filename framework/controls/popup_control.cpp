#include "framework/controls/popup_control.h"

#include "platform/window/window_pos.h"

namespace framework {

using namespace platform;

TPopupControl::TPopupControl(TComponent* owner) : TCustomControl(owner) {
    TControl::SetVisible(false);
}

void TPopupControl::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.Style = WS_POPUP;
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    params.WndParent = nullptr;
}

void TPopupControl::ShowPopup(const Rect& bounds) {
    SetBoundsRect(bounds);
    HWND window = Handle();
    if (!window)
        return;
    SetWindowPos(window, HWND_TOPMOST, bounds.Left, bounds.Top, bounds.width(), bounds.height(),
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    TControl::SetVisible(true);
}

void TPopupControl::HidePopup() {
    if (HandleAllocated())
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    TControl::SetVisible(false);
}

void TPopupControl::Dispatch(TMessage& message) {
    if (message.Msg == WM_MOUSEACTIVATE) {
        message.Result = MA_NOACTIVATE;
        return;
    }
    TCustomControl::Dispatch(message);
}

}  // namespace framework
