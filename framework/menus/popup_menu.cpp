#include "framework/menus/popup_menu.h"

#include <memory>
#include <vector>

#include "framework/controls/control_look.h"
#include "framework/controls/win_control.h"
#include "framework/forms/application.h"
#include "framework/forms/screen.h"
#include "framework/graphics/image_list.h"
#include "platform/window/input.h"
#include "platform/window/keys.h"
#include "platform/window/message_loop.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"

namespace framework {

using namespace platform;

namespace {

constexpr int32_t kItemHeight = 20;
constexpr int32_t kLineHeight = 8;
constexpr int32_t kGlyphColumn = 22;
constexpr int32_t kArrowColumn = 16;

std::vector<TMenuItem*> ShownItems(const TMenuItem& parent) {
    std::vector<TMenuItem*> items;
    for (int i = 0; i < parent.Count(); ++i)
        if (parent.Items(i)->Visible()) items.push_back(parent.Items(i));
    return items;
}

bool Selectable(const TMenuItem* item) { return item->Enabled() && !item->IsLine(); }

// One level of the menu: a popup window listing the shown sub-items of an item.
class TPlainMenuWindow : public TCustomControl {
public:
    TPlainMenuWindow(TMenuItem& parent, TImageList* images)
        : TCustomControl(nullptr), parent_(parent), images_(images), items_(ShownItems(parent)) {
        TControl::SetVisible(false);
        SetParentFont(false);
        Font().SetColor(SystemColor(COLOR_MENUTEXT));
        SetColor(SystemColor(COLOR_MENU));
    }

    const std::vector<TMenuItem*>& Items() const { return items_; }
    TMenuItem& ParentItem() const { return parent_; }
    int Hot() const { return hot_; }
    void SetHot(int index) {
        if (index == hot_) return;
        hot_ = index;
        Invalidate();
    }

    // The rectangle of shown item i: one function for sizing, hit testing and painting.
    Rect ItemRect(int index) const {
        int32_t y = 2;
        for (int i = 0; i < index; ++i) y += Height(*items_[size_t(i)]);
        return {2, y, Width() - 2, y + Height(*items_[size_t(index)])};
    }
    int ItemAt(Point client) const {
        for (int i = 0; i < int(items_.size()); ++i)
            if (ItemRect(i).contains(client)) return i;
        return -1;
    }

    void Open(Point at, const Rect& avoid) {
        int32_t width = 0, height = 4;
        for (TMenuItem* item : items_) {
            width = std::max(width, TextWidth(*item));
            height += Height(*item);
        }
        width += GlyphColumn() + kArrowColumn + 8;
        const Rect work = Screen->MonitorFromPoint(at).WorkareaRect();
        // Kept on the screen: a sub-menu that does not fit on the right opens on the left of its item.
        if (at.X + width > work.Right) at.X = avoid.isEmpty() ? work.Right - width : avoid.Left - width;
        if (at.Y + height > work.Bottom) at.Y = std::max(work.Bottom - height, work.Top);
        at.X = std::max(at.X, work.Left);
        SetBounds(at.X, at.Y, width, height);
        if (HWND window = Handle()) {
            SetWindowPos(window, HWND_TOPMOST, Left(), Top(), width, height, SWP_SHOWWINDOW | SWP_NOACTIVATE);
            TControl::SetVisible(true);
        }
    }

protected:
    void CreateParams(TCreateParams& params) override {
        TCustomControl::CreateParams(params);
        params.Style = WS_POPUP;
        params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
        params.WndParent = nullptr;
        params.WinClassName = "TPlainMenuWindow";
    }

    void Dispatch(TMessage& message) override {
        if (message.Msg == WM_MOUSEACTIVATE) {
            message.Result = MA_NOACTIVATE;
            return;
        }
        TCustomControl::Dispatch(message);
    }

    void Paint() override {
        TCanvas& canvas = Canvas();
        const Rect client = ClientRect();
        canvas.Brush().SetColor(SystemColor(COLOR_MENU));
        canvas.FillRect(client);
        DrawButtonEdge(canvas, client, false);
        for (int i = 0; i < int(items_.size()); ++i) PaintItem(canvas, i);
    }

private:
    int32_t GlyphColumn() const { return images_ ? std::max(kGlyphColumn, images_->Width() + 6) : kGlyphColumn; }
    static int32_t Height(const TMenuItem& item) { return item.IsLine() ? kLineHeight : kItemHeight; }
    int32_t TextWidth(const TMenuItem& item) const {
        if (item.IsLine()) return 0;
        std::string text = StripHotkey(item.Caption());
        if (item.ShortCut() != scNone) text += "    " + ShortCutToText(item.ShortCut());
        TCanvas measure;
        measure.Font().Assign(Font());
        return measure.TextWidth(text);
    }

    void PaintItem(TCanvas& canvas, int index) {
        const TMenuItem& item = *items_[size_t(index)];
        const Rect r = ItemRect(index);
        if (item.IsLine()) {
            const int32_t y = r.Top + r.height() / 2;
            canvas.Brush().SetColor(SystemColor(COLOR_BTNSHADOW));
            canvas.FillRect({r.Left + 1, y - 1, r.Right - 1, y});
            canvas.Brush().SetColor(SystemColor(COLOR_BTNHIGHLIGHT));
            canvas.FillRect({r.Left + 1, y, r.Right - 1, y + 1});
            return;
        }
        const bool hot = index == hot_;
        if (hot) {
            canvas.Brush().SetColor(SystemColor(COLOR_HIGHLIGHT));
            canvas.FillRect(r);
        }
        const TColor textColor = !item.Enabled() ? SystemColor(COLOR_GRAYTEXT)
                                 : hot           ? SystemColor(COLOR_HIGHLIGHTTEXT)
                                                 : SystemColor(COLOR_MENUTEXT);
        const Rect glyph{r.Left, r.Top, r.Left + GlyphColumn(), r.Bottom};
        if (!item.Bitmap().isEmpty()) {
            Surface picture = item.Bitmap();
            canvas.Draw(glyph.Left + (glyph.width() - picture.width()) / 2,
                        glyph.Top + (glyph.height() - picture.height()) / 2, picture);
        } else if (images_ && item.ImageIndex() >= 0) {
            images_->Draw(canvas, glyph.Left + (glyph.width() - images_->Width()) / 2,
                          glyph.Top + (glyph.height() - images_->Height()) / 2, item.ImageIndex(), item.Enabled());
        } else if (item.Checked()) {
            if (item.RadioItem()) {
                const int32_t cx = glyph.Left + glyph.width() / 2, cy = glyph.Top + glyph.height() / 2;
                canvas.Brush().SetColor(textColor);
                canvas.FillRect({cx - 2, cy - 3, cx + 2, cy + 3});
                canvas.FillRect({cx - 3, cy - 2, cx + 3, cy + 2});
            } else {
                DrawCheckMark(canvas, glyph, textColor);
            }
        }
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        canvas.Font().SetColor(textColor);
        Rect text{glyph.Right + 2, r.Top, r.Right - kArrowColumn, r.Bottom};
        canvas.DrawText(item.Caption(), text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
        if (item.ShortCut() != scNone) {
            Rect keys = text;
            canvas.DrawText(ShortCutToText(item.ShortCut()), keys, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
        }
        if (item.Count() > 0) DrawArrow(canvas, {r.Right - kArrowColumn, r.Top, r.Right, r.Bottom}, ArrowDirection::Right, textColor);
    }

    TMenuItem& parent_;
    TImageList* images_;
    std::vector<TMenuItem*> items_;
    int hot_ = -1;
};

// The open levels of one popup menu and what the user does with them.
class PlainMenuSession {
public:
    PlainMenuSession(TMenuItem& root, Point point, TImageList* images) : images_(images) {
        Open(root, point, {});
    }
    ~PlainMenuSession() {
        while (!levels_.empty()) CloseLast();
    }

    bool Done() const { return done_ || levels_.empty(); }
    TMenuItem* Chosen() const { return chosen_; }

    // Every message goes past here first while the menu is open; the menu's own are consumed.
    bool Filter(MSG& msg) {
        switch (msg.message) {
            case WM_MOUSEMOVE:
            case WM_NCMOUSEMOVE: Hover(msg.pt); return true;
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
            case WM_MBUTTONDOWN:
            case WM_NCLBUTTONDOWN:
            case WM_NCRBUTTONDOWN:
                if (LevelAt(msg.pt) < 0) Dismiss();
                return true;
            case WM_LBUTTONUP:
            case WM_RBUTTONUP: Release(msg.pt); return true;
            case WM_KEYDOWN:
            case WM_SYSKEYDOWN: Key(int(msg.wParam)); return true;
            case WM_CHAR:
            case WM_SYSCHAR: Accelerator(char32_t(msg.wParam)); return true;
            case WM_KEYUP:
            case WM_SYSKEYUP:
            case WM_MOUSEWHEEL:
            case WM_LBUTTONDBLCLK:
            case WM_RBUTTONDBLCLK: return true;
            case WM_ACTIVATE:
            case WM_CANCELMODE: Dismiss(); return false;
            default: return false;
        }
    }

private:
    void Open(TMenuItem& parent, Point at, const Rect& avoid) {
        auto level = std::make_unique<TPlainMenuWindow>(parent, images_);
        if (level->Items().empty()) return;
        level->Open(at, avoid);
        if (levels_.empty() && level->HandleAllocated()) SetCapture(level->Handle());
        levels_.push_back(std::move(level));
    }
    void CloseLast() {
        std::unique_ptr<TPlainMenuWindow> level = std::move(levels_.back());
        levels_.pop_back();
        if (level->HandleAllocated() && GetCapture() == level->Handle()) ReleaseCapture();
    }
    void CloseAbove(int level) {
        while (int(levels_.size()) > level + 1) CloseLast();
    }
    int LevelAt(Point screen) const {
        for (int i = int(levels_.size()) - 1; i >= 0; --i)
            if (levels_[size_t(i)]->BoundsRect().contains(screen)) return i;
        return -1;
    }
    void Hover(Point screen) {
        const int level = LevelAt(screen);
        if (level < 0) return;
        TPlainMenuWindow& window = *levels_[size_t(level)];
        const int index = window.ItemAt(window.ScreenToClient(screen));
        if (index < 0 || index == window.Hot()) return;
        CloseAbove(level);
        window.SetHot(index);
        TMenuItem* item = window.Items()[size_t(index)];
        if (Selectable(item) && item->Count() > 0) OpenSub(level);
    }
    void OpenSub(int level) {
        TPlainMenuWindow& window = *levels_[size_t(level)];
        const int hot = window.Hot();
        if (hot < 0) return;
        TMenuItem* item = window.Items()[size_t(hot)];
        const Rect r = window.ItemRect(hot);
        const Point topRight = window.ClientToScreen({r.Right, r.Top});
        const Point topLeft = window.ClientToScreen({r.Left, r.Top});
        Open(*item, {topRight.X, topRight.Y - 2}, {topLeft.X, topLeft.Y, topRight.X, topRight.Y});
    }
    void Release(Point screen) {
        const int level = LevelAt(screen);
        if (level < 0) return;
        TPlainMenuWindow& window = *levels_[size_t(level)];
        const int index = window.ItemAt(window.ScreenToClient(screen));
        if (index >= 0) Choose(level, index);
    }
    void Choose(int level, int index) {
        TMenuItem* item = levels_[size_t(level)]->Items()[size_t(index)];
        if (!Selectable(item)) return;
        if (item->Count() > 0) {
            if (int(levels_.size()) == level + 1) OpenSub(level);
            return;
        }
        chosen_ = item;
        done_ = true;
    }
    void Dismiss() { done_ = true; }
    void MoveHot(TPlainMenuWindow& window, int step) {
        const int count = int(window.Items().size());
        int index = window.Hot();
        for (int tries = 0; tries < count; ++tries) {
            index = index < 0 ? (step > 0 ? 0 : count - 1) : (index + step + count) % count;
            if (Selectable(window.Items()[size_t(index)])) {
                window.SetHot(index);
                return;
            }
        }
    }
    void Key(int key) {
        const int level = int(levels_.size()) - 1;
        TPlainMenuWindow& window = *levels_.back();
        switch (key) {
            case VK_UP: MoveHot(window, -1); break;
            case VK_DOWN: MoveHot(window, 1); break;
            case VK_RIGHT:
                if (window.Hot() >= 0 && window.Items()[size_t(window.Hot())]->Count() > 0) OpenSub(level);
                break;
            case VK_LEFT:
            case VK_ESCAPE:
                if (level > 0)
                    CloseLast();
                else
                    Dismiss();
                break;
            case VK_RETURN:
                if (window.Hot() >= 0) Choose(level, window.Hot());
                break;
            default: break;
        }
    }
    void Accelerator(char32_t key) {
        const int level = int(levels_.size()) - 1;
        const auto& items = levels_.back()->Items();
        for (int i = 0; i < int(items.size()); ++i) {
            if (Selectable(items[size_t(i)]) && IsAccel(key, items[size_t(i)]->Caption())) {
                levels_.back()->SetHot(i);
                Choose(level, i);
                return;
            }
        }
    }

    TImageList* images_;
    std::vector<std::unique_ptr<TPlainMenuWindow>> levels_;
    TMenuItem* chosen_ = nullptr;
    bool done_ = false;
};

}  // namespace

TMenuItem* TrackPlainMenu(TMenuItem& root, Point point, TImageList* images) {
    PlainMenuSession session(root, point, images);
    // The menu takes the application's filter over while it is open and gives it back after.
    MessageFilter previous = GetMessageFilter();
    SetMessageFilter([&session, previous](MSG& msg) {
        if (session.Filter(msg)) return true;
        return previous ? previous(msg) : false;
    });
    while (!session.Done()) {
        MSG msg;
        if (GetMessage(&msg) <= 0) {
            if (msg.message == WM_QUIT) PostQuitMessage(int(msg.wParam));
            break;
        }
        try {
            ProcessMessage(msg);
        } catch (const std::exception& error) {
            HandleException(error);
        }
    }
    SetMessageFilter(previous);
    return session.Chosen();
}

// --- TPopupMenu ------------------------------------------------------------------------------

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

void TPopupMenu::Popup(int32_t x, int32_t y) {
    popupPoint_ = {x, y};
    if (OnPopup) OnPopup(this);
    if (AutoLineReduction() == TMenuAutoFlag::maAutomatic) Items()->RethinkLines();
    if (TMenuItem* chosen = TrackPlainMenu(*Items(), {x, y}, Images())) chosen->Click();
}

}  // namespace framework
