// The interactive half of the skinned tab strip: the tab under the pointer, the close boxes from
// press to close, and the scroller that stands for the strip's own arrows when one row of tabs
// does not fit.
#include <utility>

#include "platform/window/input.h"
#include "platform/window/message_loop.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"
#include "skin/controls/skin_tab_control.h"
#include "skin/controls/skin_updown.h"

namespace skin {

using namespace framework;
using platform::Point;
using platform::Rect;

// --- The tab under the pointer -------------------------------------------------------------------

bool TbsSkinTabControl::PointInCloseBox(int index, Point point) {
    const Rect tab = TabRect(index);
    return closeBoxes_.Get(index).rect.offsetBy(tab.Left, tab.Top).contains(point);
}

// Lights the tab under the point (none when the pointer has left) and its close box.
void TbsSkinTabControl::TrackHotTab(std::optional<Point> point) {
    if (DesignMode())
        return;
    previousHotTab_ = hotTab_;
    hotTab_ = point ? TabAt(*point) : -1;
    if (hotTab_ != previousHotTab_) {
        const int selected = TabIndex();
        if (previousHotTab_ >= 0 && previousHotTab_ != selected && previousHotTab_ < TabCount())
            DrawTabsNow();
        if (hotTab_ >= 0 && hotTab_ != selected)
            DrawTabsNow();
    }
    if (hotTab_ >= 0 && showCloseButtons_ &&
        StepCloseBox(closeBoxes_.At(hotTab_), CloseBoxEvent::Move, PointInCloseBox(hotTab_, *point)).redraw)
        DrawTabsNow();
}

void TbsSkinTabControl::PointerLeft() {
    TrackHotTab(std::nullopt);
    if (previousHotTab_ >= 0 && previousHotTab_ != TabIndex() && previousHotTab_ < TabCount()) {
        if (showCloseButtons_) {
            CloseBoxState& box = closeBoxes_.At(previousHotTab_);
            box.hot = box.pressed = false;
        }
        DrawTabsNow();
        previousHotTab_ = -1;
    }
    middlePressedTab_ = -1;
    if (OnMouseLeave)
        OnMouseLeave(this);
}

int TbsSkinTabControl::TabAt(Point point) {
    for (int i = 0; i < TabCount(); ++i)
        if (TabRect(i).contains(point))
            return i;
    return -1;
}

bool TbsSkinTabControl::TabFullyShown(int index) {
    if (index < 0 || index >= TabCount())
        return false;
    const Rect tab = TabRect(index);
    return tab.Left >= 0 &&
           skin::HiddenTabCount({tab}, ClientRect().width(), scroller_ ? scroller_->Width() : 0) == 0;
}

void TbsSkinTabControl::MouseMove(TShiftState shift, int x, int y) {
    TTabControl::MouseMove(shift, x, y);
    TrackHotTab(Point{x, y});
}

// The strip has selected the pressed tab (and raised OnChange) before this runs.
void TbsSkinTabControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TTabControl::MouseDown(button, shift, x, y);
    if (button == TMouseButton::mbMiddle) {
        // Selected now, as a left press selects, so that the close shows and deletes as a close
        // box's does.
        middlePressedTab_ = TabAt({x, y});
        SelectTabAsUser(middlePressedTab_);
        return;
    }
    if (button != TMouseButton::mbLeft)
        return;
    TrackHotTab(Point{x, y});
    if (hotTab_ >= 0 && showCloseButtons_ &&
        StepCloseBox(closeBoxes_.At(hotTab_), CloseBoxEvent::Press, PointInCloseBox(hotTab_, {x, y})).redraw)
        DrawTabsNow();
}

void TbsSkinTabControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TTabControl::MouseUp(button, shift, x, y);
    if (button == TMouseButton::mbMiddle) {
        // Released off the pressed tab, or the selection refused: nothing closes.
        const int pressed = std::exchange(middlePressedTab_, -1);
        if (pressed >= 0 && pressed == TabAt({x, y}) && pressed == TabIndex())
            CloseSelectedTab();
        return;
    }
    if (button != TMouseButton::mbLeft)
        return;
    TrackHotTab(Point{x, y});
    if (hotTab_ < 0 || !showCloseButtons_)
        return;
    const CloseBoxStep step =
        StepCloseBox(closeBoxes_.At(hotTab_), CloseBoxEvent::Release, PointInCloseBox(hotTab_, {x, y}));
    if (step.redraw)
        DrawTabsNow();
    if (step.close)
        CloseSelectedTab();
}

void TbsSkinTabControl::CloseSelectedTab() {
    CloseTab(TabIndex());
}

void TbsSkinTabControl::CloseTab(int k) {
    if (k < 0 || k >= TabCount())
        return;
    bool canClose = true;
    if (OnClose)
        OnClose(k, canClose);
    if (canClose) {
        // The strip re-lays out and sends WM_SIZE, which brings the scroller up to date.
        DeleteTab(k);
        Invalidate();
        if (OnAfterClose)
            OnAfterClose(this);
        return;
    }
    Point cursor;
    Rect window;
    if (HandleAllocated() && platform::GetCursorPos(&cursor) && platform::GetWindowRect(Handle(), &window) &&
        !window.contains(cursor)) {
        CloseBoxState& box = closeBoxes_.At(k);
        box.hot = box.pressed = false;
        DrawTabsNow();
    }
}

void TbsSkinTabControl::Change() {
    // The strip may have scrolled to show the selected tab.
    SyncScrollerPosition();
    TTabControl::Change();
    Invalidate();
}

// --- The scroller --------------------------------------------------------------------------------

std::vector<Rect> TbsSkinTabControl::TabRects() {
    std::vector<Rect> rects;
    rects.reserve(size_t(TabCount()));
    for (int i = 0; i < TabCount(); ++i) rects.push_back(TabRect(i));
    return rects;
}

int TbsSkinTabControl::HiddenTabCount() {
    return skin::HiddenTabCount(TabRects(), ClientRect().width(), scroller_ ? scroller_->Width() : 0);
}

int TbsSkinTabControl::LeftHiddenTabCount() {
    return skin::LeftHiddenTabCount(TabRects());
}

void TbsSkinTabControl::DestroyStripArrows() {
    if (!HandleAllocated())
        return;
    while (HWND arrows = platform::FindWindowEx(Handle(), nullptr, kUpDownClass, nullptr))
        if (!platform::DestroyWindow(arrows))
            break;
}

void TbsSkinTabControl::UpdateScroller() {
    DestroyStripArrows();
    const int hidden = HiddenTabCount();
    if (hidden == 0 && scroller_) {
        delete scroller_;
        scroller_ = nullptr;
    } else if (hidden > 0 && !scroller_) {
        CreateScroller();
    }
    if (!scroller_)
        return;
    scroller_->SetMax(hidden);
    PlaceScroller();
}

// At the row's end: top right above top tabs, bottom right beside bottom ones.
void TbsSkinTabControl::PlaceScroller() {
    const Rect client = ClientRect();
    const int32_t top = TabPosition() == TTabPosition::tpTop ? 0 : client.height() - scroller_->Height();
    scroller_->SetBounds(client.width() - scroller_->Width(), top, scroller_->Width(), scroller_->Height());
}

void TbsSkinTabControl::CreateScroller() {
    auto* scroller = new TbsSkinUpDown(this);
    scroller->SetBounds(0, 0, kScrollerWidth, kScrollerHeight);
    scroller->SetMin(0);
    scroller->SetMax(HiddenTabCount());
    scroller->SetPosition(LeftHiddenTabCount());
    scroller->SetIncrement(1);
    scroller->OnChange = [this](TObject*) { ScrollerChanged(); };
    scroller->SetSkinDataName(skin_ ? skin_->upDown : std::string());
    scroller->SetParent(this);
    scroller_ = scroller;
    PlaceScroller();
    scroller->SetSkinData(skinData_);
    scroller->Show();
}

// The scroller's position is the first visible tab.
void TbsSkinTabControl::ScrollerChanged() {
    if (!scroller_)
        return;
    scroller_->SetMax(HiddenTabCount());
    if (HandleAllocated())
        platform::SendMessage(Handle(), platform::WM_HSCROLL,
                              platform::MAKEWPARAM(SB_THUMBPOSITION, scroller_->Position()));
}

// Scrolling changes how many tabs are partly hidden: the limit is brought up to date first, or a
// position past the old one would be refused and the scroller would stop following the row.
void TbsSkinTabControl::SyncScrollerPosition() {
    if (!scroller_)
        return;
    scroller_->SetMax(HiddenTabCount());
    scroller_->SetPosition(LeftHiddenTabCount());
}

void TbsSkinTabControl::UpdateScrollerPosition() {
    SyncScrollerPosition();
    Invalidate();
}

}  // namespace skin
