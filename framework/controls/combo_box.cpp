#include "framework/controls/combo_box.h"

#include <cctype>

#include "framework/controls/control_look.h"
#include "framework/forms/screen.h"
#include "framework/graphics/canvas.h"
#include "platform/window/input.h"
#include "platform/window/keys.h"
#include "platform/window/message_loop.h"
#include "platform/window/metrics.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"

namespace framework {

using namespace platform;

namespace {

constexpr int32_t kButtonWidth = 17;
// Posted to the combo to free a closed list once its last message is done.
constexpr UINT CM_FREELIST = CM_BASE + 0x100;
constexpr int32_t kScrollBarWidth = 16;

int32_t FontLineHeight(const TFont& font) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font.Handle());
    TEXTMETRIC metrics;
    const int32_t height = GetTextMetrics(dc, &metrics) ? metrics.tmHeight : 13;
    SelectObject(dc, old);
    DeleteDC(dc);
    return height;
}

// The caption without its leading blanks, for matching typed letters.
std::string_view Trimmed(const std::string& caption) {
    std::string_view view(caption);
    while (!view.empty() && view.front() == ' ') view.remove_prefix(1);
    return view;
}

}  // namespace

// The open list: a top-level popup that never takes the activation. It holds the mouse while it
// is open, so that a press anywhere else closes it.
class TComboListWindow : public TCustomControl {
public:
    explicit TComboListWindow(TComboBox& combo) : TCustomControl(nullptr), combo_(combo) {
        TControl::SetVisible(false);
        SetColor(SystemColor(COLOR_WINDOW));
        SetParentFont(false);
        Font().Assign(combo.Font());
        hot_ = combo.ItemIndex();
    }

    int Rows() const { return std::min(int(combo_.Items().size()), combo_.DropDownCount()); }
    bool Scrolls() const { return int(combo_.Items().size()) > Rows(); }
    int Hot() const { return hot_; }

    // Where row i of the items lies now (top rows scrolled away give rectangles above the list).
    Rect RowRect(int index) const {
        const int32_t h = combo_.ItemHeight();
        const int32_t right = Width() - 2 - (Scrolls() ? kScrollBarWidth : 0);
        return {1, 1 + (index - top_) * h, right, 1 + (index - top_ + 1) * h};
    }
    int RowAt(Point point) const {
        const int32_t h = combo_.ItemHeight();
        if (point.X < 1 || point.X >= RowRect(0).Right || point.Y < 1) return -1;
        const int index = top_ + (point.Y - 1) / h;
        return index < top_ + Rows() && index < int(combo_.Items().size()) ? index : -1;
    }

    void Open() {
        const int32_t height = Rows() * combo_.ItemHeight() + 2;
        const Point below = combo_.ClientToScreen({0, combo_.Height()});
        const Rect work = Screen->MonitorFromPoint(below).WorkareaRect();
        int32_t y = below.Y;
        // No room below: the list opens upwards.
        if (y + height > work.Bottom && below.Y - combo_.Height() - height >= work.Top) y = below.Y - combo_.Height() - height;
        SetBounds(below.X, y, combo_.Width(), height);
        ShowRow(hot_ < 0 ? 0 : hot_);
        HWND window = Handle();
        if (!window) return;
        SetWindowPos(window, HWND_TOPMOST, Left(), Top(), Width(), Height(), SWP_SHOWWINDOW | SWP_NOACTIVATE);
        TControl::SetVisible(true);
        SetCapture(window);
    }

    void ShowRow(int index) {
        const int rows = Rows();
        if (index < top_) top_ = index;
        if (index >= top_ + rows) top_ = index - rows + 1;
        top_ = std::clamp(top_, 0, std::max(int(combo_.Items().size()) - rows, 0));
        Invalidate();
    }
    void SetHot(int index) {
        if (combo_.Items().empty()) return;
        hot_ = std::clamp(index, 0, int(combo_.Items().size()) - 1);
        ShowRow(hot_);
    }
    void ReleaseHandleLater() {
        closing_ = true;
        if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
        TControl::SetVisible(false);
    }
    void Scroll(int rows) {
        top_ = std::clamp(top_ + rows, 0, std::max(int(combo_.Items().size()) - Rows(), 0));
        Invalidate();
    }

protected:
    void CreateParams(TCreateParams& params) override {
        TCustomControl::CreateParams(params);
        params.Style = WS_POPUP;
        params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
        params.WndParent = nullptr;
        params.WinClassName = "TComboListWindow";
    }

    void Dispatch(TMessage& message) override {
        switch (message.Msg) {
            case WM_MOUSEACTIVATE: message.Result = MA_NOACTIVATE; return;
            case WM_MOUSEMOVE: {
                const int row = RowAt(PointFromLParam(message.LParam));
                if (row >= 0) {
                    movedOver_ = true;
                    if (row != hot_) {
                        hot_ = row;
                        Invalidate();
                    }
                }
                return;
            }
            case WM_LBUTTONDOWN: {
                const Point p = PointFromLParam(message.LParam);
                if (!ClientRect().contains(p)) {
                    // A press outside closes the list; on the combo itself it must not reopen it.
                    combo_.CloseUp(false);
                    return;
                }
                if (Scrolls() && p.X >= RowRect(0).Right) {
                    Scroll(p.Y < Height() / 2 ? -Rows() : Rows());
                    return;
                }
                pressedInside_ = true;
                return;
            }
            case WM_LBUTTONUP: {
                const int row = RowAt(PointFromLParam(message.LParam));
                const bool choose = row >= 0 && (pressedInside_ || movedOver_);
                pressedInside_ = false;
                if (choose) {
                    hot_ = row;
                    combo_.CloseUp(true);
                }
                return;
            }
            case WM_MOUSEWHEEL: Scroll(-GET_WHEEL_DELTA_WPARAM(message.WParam) / WHEEL_DELTA * 3); return;
            case WM_CAPTURECHANGED:
                if (combo_.list_ == this && !closing_) {
                    closing_ = true;
                    combo_.CloseUp(false);
                }
                return;
            default: TCustomControl::Dispatch(message);
        }
    }

    void Paint() override {
        TCanvas& canvas = Canvas();
        const Rect client = ClientRect();
        DrawFrame(canvas, client, SystemColor(COLOR_WINDOWFRAME));
        canvas.Brush().SetColor(SystemColor(COLOR_WINDOW));
        canvas.FillRect({1, 1, client.Right - 1, client.Bottom - 1});
        const auto& items = combo_.Items();
        for (int i = top_; i < top_ + Rows() && i < int(items.size()); ++i) {
            const Rect row = RowRect(i);
            const bool hot = i == hot_;
            if (hot) {
                canvas.Brush().SetColor(SystemColor(COLOR_HIGHLIGHT));
                canvas.FillRect(row);
            }
            canvas.Font().SetColor(hot ? SystemColor(COLOR_HIGHLIGHTTEXT) : combo_.Font().Color());
            Rect text{row.Left + 2, row.Top, row.Right - 2, row.Bottom};
            canvas.DrawText(items[size_t(i)], text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        }
        if (Scrolls()) PaintScrollBar(canvas);
    }

private:
    void PaintScrollBar(TCanvas& canvas) {
        const Rect bar{RowRect(0).Right, 1, Width() - 1, Height() - 1};
        canvas.Brush().SetColor(SystemColor(COLOR_SCROLLBAR));
        canvas.FillRect(bar);
        const int total = int(combo_.Items().size());
        const int32_t thumbHeight = std::max(bar.height() * Rows() / total, 8);
        const int32_t thumbTop = bar.Top + (bar.height() - thumbHeight) * top_ / std::max(total - Rows(), 1);
        DrawButtonFace(canvas, {bar.Left, thumbTop, bar.Right, thumbTop + thumbHeight}, false, false);
    }

    TComboBox& combo_;
    int top_ = 0;
    int hot_ = -1;
    bool pressedInside_ = false;
    bool movedOver_ = false;
    bool closing_ = false;
};

// --- TComboBox -------------------------------------------------------------------------------

TComboBox::TComboBox(TComponent* owner) : TCustomControl(owner) {
    SetTabStop(true);
    SetColor(SystemColor(COLOR_WINDOW));
    // The list holds the mouse while it is open; the combo itself never does.
    SetControlStyle(ControlStyle().erase(TControlStyleFlag::csCaptureMouse));
    SetBounds(0, 0, 145, 21);
}

TComboBox::~TComboBox() {
    delete std::exchange(list_, nullptr);
    delete std::exchange(closedList_, nullptr);
}

void TComboBox::SetItems(const std::vector<std::string>& items) {
    CloseUp(false);
    items_ = items;
    if (itemIndex_ >= int(items_.size())) itemIndex_ = -1;
    Invalidate();
}

void TComboBox::AddItem(const std::string& item) {
    items_.push_back(item);
    Invalidate();
}

void TComboBox::SetItemIndex(int index) {
    if (index < -1 || index >= int(items_.size())) index = -1;
    if (index == itemIndex_) return;
    itemIndex_ = index;
    Invalidate();
}

std::string TComboBox::GetText() const {
    return itemIndex_ >= 0 && itemIndex_ < int(items_.size()) ? items_[size_t(itemIndex_)] : std::string();
}

void TComboBox::SetText(const std::string& text) {
    for (size_t i = 0; i < items_.size(); ++i) {
        if (items_[i] == text) {
            SetItemIndex(int(i));
            return;
        }
    }
}

int TComboBox::ItemHeight() const { return FontLineHeight(Font()) + 2; }

UINT TComboBox::DialogCode() const {
    // While the list is open, Enter and Escape belong to it, not to the form's buttons.
    return DLGC_WANTARROWS | (list_ ? DLGC_WANTALLKEYS : 0);
}

void TComboBox::Change() {
    if (OnChange) OnChange(this);
}

void TComboBox::SelectByUser(int index) {
    if (items_.empty()) return;
    index = std::clamp(index, 0, int(items_.size()) - 1);
    if (index == itemIndex_) return;
    itemIndex_ = index;
    Invalidate();
    Change();
    Click();
}

// --- Dropping down ---------------------------------------------------------------------------

void TComboBox::SetDroppedDown(bool dropped) {
    if (dropped == DroppedDown()) return;
    if (!dropped) {
        CloseUp(false);
        return;
    }
    if (items_.empty() || !HandleAllocated()) return;
    if (OnDropDown) OnDropDown(this);
    list_ = new TComboListWindow(*this);
    list_->Open();
    Invalidate();
}

void TComboBox::CloseUp(bool accept) {
    TComboListWindow* list = std::exchange(list_, nullptr);
    if (!list) return;
    const int chosen = list->Hot();
    // The list goes before anything else happens (a handler of the change may close the form),
    // but is freed only later: this may run inside one of its own messages.
    if (GetCapture() == list->Handle()) ReleaseCapture();
    list->ReleaseHandleLater();
    delete std::exchange(closedList_, list);
    if (HandleAllocated()) PostMessage(Handle(), CM_FREELIST);
    Invalidate();
    if (accept && chosen >= 0) SelectByUser(chosen);
    if (OnCloseUp) OnCloseUp(this);
}

Rect TComboBox::ButtonRect() const {
    const Rect client = ClientRect();
    return {client.Right - 2 - kButtonWidth, client.Top + 2, client.Right - 2, client.Bottom - 2};
}

// --- Input -----------------------------------------------------------------------------------

void TComboBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        SetDroppedDown(!DroppedDown());
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TComboBox::KeyDown(uint16_t& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (key == 0) return;
    const bool alt = shift.contains(TShiftFlag::ssAlt);
    if (key == VK_F4 || (alt && (key == VK_DOWN || key == VK_UP))) {
        SetDroppedDown(!DroppedDown());
        key = 0;
        return;
    }
    const int page = std::max(dropDownCount_ - 1, 1);
    if (list_) {
        switch (key) {
            case VK_UP: list_->SetHot(list_->Hot() - 1); break;
            case VK_DOWN: list_->SetHot(list_->Hot() + 1); break;
            case VK_PRIOR: list_->SetHot(list_->Hot() - page); break;
            case VK_NEXT: list_->SetHot(list_->Hot() + page); break;
            case VK_HOME: list_->SetHot(0); break;
            case VK_END: list_->SetHot(int(items_.size()) - 1); break;
            case VK_RETURN: CloseUp(true); break;
            case VK_ESCAPE: CloseUp(false); break;
            default: return;
        }
        key = 0;
        return;
    }
    switch (key) {
        case VK_UP:
        case VK_LEFT: SelectByUser(itemIndex_ < 0 ? 0 : itemIndex_ - 1); break;
        case VK_DOWN:
        case VK_RIGHT: SelectByUser(itemIndex_ + 1); break;
        case VK_PRIOR: SelectByUser(itemIndex_ - page); break;
        case VK_NEXT: SelectByUser(itemIndex_ + page); break;
        case VK_HOME: SelectByUser(0); break;
        case VK_END: SelectByUser(int(items_.size()) - 1); break;
        default: return;
    }
    key = 0;
}

void TComboBox::KeyPress(char32_t& key) {
    TCustomControl::KeyPress(key);
    if (key < 0x20 || items_.empty()) return;
    // The next item after the selected one whose caption starts with the typed letter.
    const auto lower = [](char32_t c) { return c < 0x80 ? char32_t(std::tolower(int(c))) : c; };
    const int count = int(items_.size());
    for (int step = 1; step <= count; ++step) {
        const int index = ((itemIndex_ < 0 ? -1 : itemIndex_) + step) % count;
        std::string_view caption = Trimmed(items_[size_t(index)]);
        if (!caption.empty() && static_cast<unsigned char>(caption.front()) < 0x80 &&
            lower(char32_t(caption.front())) == lower(key)) {
            if (list_)
                list_->SetHot(index);
            else
                SelectByUser(index);
            break;
        }
    }
    key = 0;
}

void TComboBox::Dispatch(TMessage& message) {
    switch (message.Msg) {
        case CM_FREELIST: delete std::exchange(closedList_, nullptr); return;
        case WM_MOUSEWHEEL: {
            // One item per notch; fine wheels add up to notches.
            wheelRemainder_ += GET_WHEEL_DELTA_WPARAM(message.WParam);
            const int notches = wheelRemainder_ / WHEEL_DELTA;
            wheelRemainder_ -= notches * WHEEL_DELTA;
            if (list_)
                list_->Scroll(-notches * 3);
            else if (notches != 0 && !items_.empty())
                SelectByUser(std::clamp(itemIndex_ - notches, 0, int(items_.size()) - 1));
            message.Result = 1;
            return;
        }
        case WM_KILLFOCUS:
        case WM_CANCELMODE:
            CloseUp(false);
            break;
        case WM_SETFOCUS:
        case CM_ENABLEDCHANGED:
        case CM_FONTCHANGED: Invalidate(); break;
        default: break;
    }
    TCustomControl::Dispatch(message);
}

void TComboBox::Paint() {
    TCanvas& canvas = Canvas();
    const Rect client = ClientRect();
    Rect inner = DrawSunkenEdge(canvas, client);
    canvas.Brush().SetColor(Enabled() ? Color() : SystemColor(COLOR_BTNFACE));
    canvas.FillRect(inner);

    const Rect button = ButtonRect();
    Rect arrowArea = DrawButtonFace(canvas, button, list_ != nullptr, false);
    if (list_) arrowArea = arrowArea.offsetBy(1, 1);
    DrawArrow(canvas, arrowArea, ArrowDirection::Down, Enabled() ? clBlack : SystemColor(COLOR_GRAYTEXT));

    // The selected item; highlighted while the combo has the focus and the list is closed.
    Rect field{inner.Left + 1, inner.Top + 1, button.Left - 1, inner.Bottom - 1};
    const bool highlight = Focused() && !list_;
    if (highlight) {
        canvas.Brush().SetColor(SystemColor(COLOR_HIGHLIGHT));
        canvas.FillRect(field);
    }
    TColor textColor = Font().Color();
    if (!Enabled()) textColor = SystemColor(COLOR_GRAYTEXT);
    if (highlight) textColor = SystemColor(COLOR_HIGHLIGHTTEXT);
    canvas.Font().SetColor(textColor);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    Rect text{field.Left + 1, field.Top, field.Right - 1, field.Bottom};
    canvas.DrawText(GetText(), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (highlight) DrawFocusRect(canvas, field, SystemColor(COLOR_HIGHLIGHTTEXT));
}

}  // namespace framework
