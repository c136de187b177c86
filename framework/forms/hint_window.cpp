#include "framework/forms/hint_window.h"

#include "framework/graphics/canvas.h"
#include "framework/graphics/text_measure.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"

namespace framework {

using namespace platform;

THintWindow::THintWindow(TComponent* owner) : TPopupControl(owner) {
    SetColor(SystemColor(COLOR_INFOBK));
    SetParentFont(false);
    Font().SetColor(SystemColor(COLOR_INFOTEXT));
}

void THintWindow::CreateParams(TCreateParams& params) {
    TPopupControl::CreateParams(params);
    params.Style |= WS_BORDER;
}

Rect THintWindow::CalcHintRect(int maxWidth, const std::string& hint) {
    const Rect text = TextMeasure(Font()).Extent(hint, maxWidth, DT_WORDBREAK | DT_NOPREFIX);
    // Text inset by 2 inside a one-pixel border, and a little air on the right.
    return {0, 0, text.Right + 6, text.Bottom + 4};
}

void THintWindow::ActivateHint(Rect rect, const std::string& hint) {
    SetCaption(hint);
    ShowPopup(rect);
    Invalidate();
    Update();
}

void THintWindow::ReleaseHintWindow() {
    HidePopup();
}

bool THintWindow::HintShowing() const {
    return Visible();
}

void THintWindow::Paint() {
    Rect client = ClientRect();
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(client);
    Rect text{2, 2, client.Right - 2, client.Bottom - 2};
    Canvas().DrawText(Caption(), text, DT_WORDBREAK | DT_NOPREFIX);
}

}  // namespace framework
