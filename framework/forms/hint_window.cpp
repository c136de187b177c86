#include "framework/forms/hint_window.h"

#include "framework/graphics/canvas.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"

namespace framework {

using namespace platform;

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
    TControl::SetVisible(false);
    SetColor(SystemColor(COLOR_INFOBK));
    SetParentFont(false);
    Font().SetColor(SystemColor(COLOR_INFOTEXT));
}

void THintWindow::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.Style = WS_POPUP | WS_BORDER;
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    params.WndParent = nullptr;
}

Rect THintWindow::CalcHintRect(int maxWidth, const std::string& hint) {
    TCanvas measure;
    measure.Font().Assign(Font());
    Rect text{0, 0, maxWidth, 0};
    HDC dc = CreateCompatibleDC(nullptr);
    measure.SetHandle(dc);
    measure.DrawText(hint, text, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    measure.SetHandle(nullptr);
    DeleteDC(dc);
    // Text inset by 2 inside a one-pixel border, and a little air on the right.
    return {0, 0, text.Right + 6, text.Bottom + 4};
}

void THintWindow::ActivateHint(Rect rect, const std::string& hint) {
    SetCaption(hint);
    HWND window = Handle();
    if (!window) return;
    SetWindowPos(window, HWND_TOPMOST, rect.Left, rect.Top, rect.width(), rect.height(),
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    TControl::SetVisible(true);
    Invalidate();
    Update();
}

void THintWindow::ReleaseHintWindow() {
    if (HandleAllocated())
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    TControl::SetVisible(false);
}

bool THintWindow::HintShowing() const { return Visible(); }

void THintWindow::Paint() {
    Rect client = ClientRect();
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(client);
    Rect text{2, 2, client.Right - 2, client.Bottom - 2};
    Canvas().DrawText(Caption(), text, DT_WORDBREAK | DT_NOPREFIX);
}

void THintWindow::Dispatch(TMessage& message) {
    // A hint never takes the activation, even when clicked.
    if (message.Msg == WM_MOUSEACTIVATE) {
        message.Result = MA_NOACTIVATE;
        return;
    }
    TCustomControl::Dispatch(message);
}

}  // namespace framework
