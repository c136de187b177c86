#include "framework/controls/label.h"

#include "framework/graphics/canvas.h"

namespace framework {

using namespace platform;

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    SetParentColor(true);
    SetBounds(0, 0, 65, 17);
}

void TLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustBounds();
}

void TLabel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout layout) {
    layout_ = layout;
    Invalidate();
}

void TLabel::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Invalidate();
}

void TLabel::SetWordWrap(bool wordWrap) {
    wordWrap_ = wordWrap;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetShowAccelChar(bool show) {
    showAccelChar_ = show;
    AdjustBounds();
    Invalidate();
}

uint32_t TLabel::TextFormat() const {
    static constexpr uint32_t kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    uint32_t format = kAlign[size_t(alignment_)];
    format |= wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE;
    if (!showAccelChar_) format |= DT_NOPREFIX;
    return format;
}

void TLabel::AdjustBounds() {
    if (!autoSize_ || InState(csLoading)) return;
    TCanvas& canvas = Canvas();
    canvas.Font().Assign(Font());
    Rect text{0, 0, wordWrap_ ? Width() : 0, 0};
    HDC measure = CreateCompatibleDC(nullptr);
    canvas.SetHandle(measure);
    const std::string caption = Caption().empty() ? std::string(" ") : Caption();
    canvas.DrawText(caption, text, TextFormat() | DT_CALCRECT);
    canvas.SetHandle(nullptr);
    DeleteDC(measure);
    // A right-aligned label keeps its right edge as it grows.
    int32_t left = Left();
    if (alignment_ == TAlignment::taRightJustify) left = Left() + Width() - text.Right;
    SetBounds(left, Top(), text.Right, text.Bottom);
}

void TLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TLabel::Dispatch(TMessage& message) {
    TGraphicControl::Dispatch(message);
    if (message.Msg == CM_TEXTCHANGED || message.Msg == CM_FONTCHANGED) AdjustBounds();
}

void TLabel::Paint() {
    Rect r = ClientRect();
    if (!transparent_) {
        Canvas().Brush().SetColor(Color());
        Canvas().FillRect(r);
    }
    Rect text = r;
    if (layout_ != TTextLayout::tlTop) {
        Rect measured{0, 0, r.width(), 0};
        Canvas().DrawText(Caption(), measured, TextFormat() | DT_CALCRECT);
        const int32_t room = r.height() - measured.height();
        text.Top += layout_ == TTextLayout::tlCenter ? room / 2 : room;
    }
    if (!Enabled()) {
        // The disabled look: grey text with a white emboss below and right.
        Canvas().Font().SetColor(SystemColor(COLOR_BTNHIGHLIGHT));
        Rect shadow = text.offsetBy(1, 1);
        Canvas().DrawText(Caption(), shadow, TextFormat());
        Canvas().Font().SetColor(SystemColor(COLOR_GRAYTEXT));
    }
    Canvas().DrawText(Caption(), text, TextFormat());
}

}  // namespace framework
