#include "framework/controls/panel.h"

#include "framework/controls/control_look.h"
#include "framework/graphics/canvas.h"

namespace framework {

using namespace platform;

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle(ControlStyle().insert(TControlStyleFlag::csAcceptsControls));
    SetBounds(0, 0, 185, 41);
}

void TPanel::SetBevelOuter(TPanelBevel bevel) {
    bevelOuter_ = bevel;
    Realign();
    Invalidate();
}

void TPanel::SetBevelInner(TPanelBevel bevel) {
    bevelInner_ = bevel;
    Realign();
    Invalidate();
}

void TPanel::SetBevelWidth(int width) {
    bevelWidth_ = std::max(width, 1);
    Realign();
    Invalidate();
}

void TPanel::SetBorderStyle(TBorderStyle style) {
    borderStyle_ = style;
    Realign();
    Invalidate();
}

void TPanel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    Invalidate();
}

int TPanel::BorderWidth() const {
    int width = borderStyle_ == TBorderStyle::bsSingle ? 1 : 0;
    if (bevelOuter_ != TPanelBevel::bvNone) width += bevelWidth_;
    if (bevelInner_ != TPanelBevel::bvNone) width += bevelWidth_;
    return width;
}

void TPanel::AdjustClientRect(Rect& rect) {
    const int inset = BorderWidth();
    rect = {rect.Left + inset, rect.Top + inset, rect.Right - inset, rect.Bottom - inset};
}

void TPanel::Paint() {
    Rect r = ClientRect();
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(r);
    if (borderStyle_ == TBorderStyle::bsSingle) {
        DrawFrame(Canvas(), r, SystemColor(COLOR_BTNSHADOW));
        r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    }
    for (TPanelBevel bevel : {bevelOuter_, bevelInner_}) {
        if (bevel == TPanelBevel::bvNone) continue;
        const TColor light = SystemColor(COLOR_BTNHIGHLIGHT), dark = SystemColor(COLOR_BTNSHADOW);
        for (int i = 0; i < bevelWidth_; ++i) {
            const TColor topLeft = bevel == TPanelBevel::bvRaised ? light : dark;
            const TColor bottomRight = bevel == TPanelBevel::bvRaised ? dark : light;
            Canvas().Brush().SetColor(topLeft);
            Canvas().FillRect({r.Left, r.Top, r.Right, r.Top + 1});
            Canvas().FillRect({r.Left, r.Top, r.Left + 1, r.Bottom});
            Canvas().Brush().SetColor(bottomRight);
            Canvas().FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom});
            Canvas().FillRect({r.Right - 1, r.Top, r.Right, r.Bottom});
            r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
        }
    }
    if (Caption().empty()) return;
    static constexpr uint32_t kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    Canvas().DrawText(Caption(), r, kAlign[size_t(alignment_)] | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace framework
