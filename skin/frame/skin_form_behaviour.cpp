// The frame's behaviour: which object the pointer is over and what pressing it does, the window
// states the frame keeps itself (minimised, maximised, rolled up), moving with magnetic edges, the
// hit test, and the skinned system menu with its short-cut.
#include <algorithm>
#include <vector>

#include "framework/forms/application.h"
#include "framework/menus/menu_item.h"
#include "platform/window/input.h"
#include "platform/window/keys.h"
#include "platform/window/messages.h"
#include "platform/window/metrics.h"
#include "platform/window/timers.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"
#include "skin/data/skin_data.h"
#include "skin/frame/frame_hit_test.h"
#include "skin/frame/skin_form.h"
#include "skin/menus/skin_hint.h"
#include "skin/menus/skin_menu.h"
#include "skin/render/monitor_area.h"
#include "skin/render/rect_helpers.h"

namespace skin {

using namespace platform;
using framework::TMenuItem;
using framework::TMessage;
using framework::TMouseButton;

// --- Places -----------------------------------------------------------------------------------------

Point TbsSkinForm::ScreenToFrame(Point screen) const {
    Rect r{};
    if (HWND window = Window())
        GetWindowRect(window, &r);
    return {screen.X - r.Left, screen.Y - r.Top};
}

Rect TbsSkinForm::ObjectScreenRect(const TbsActiveSkinObject& object) const {
    if (LayeredBorderDrawsFrame()) {
        const Point strip = layerBorder_->StripOrigin();
        return object.ObjectRect.offsetBy(strip.X, strip.Y);
    }
    Rect r{};
    if (HWND window = Window())
        GetWindowRect(window, &r);
    return object.ObjectRect.offsetBy(r.Left, r.Top);
}

Rect TbsSkinForm::MonitorArea(bool workArea) const {
    Rect area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    MonitorAreaOf(Window(), workArea, area);
    return area;
}

// --- Timers -----------------------------------------------------------------------------------------

void TbsSkinForm::StartMorphing() {
    morphTimer_->SetEnabled(true);
}

void TbsSkinForm::StartAnimating() {
    animationTimer_->SetEnabled(true);
}

void TbsSkinForm::AnimationStep() {
    bool animating = false;
    for (size_t i = 0; i < objects_.size(); ++i) {
        TbsActiveSkinObject* o = objects_[i].get();
        if (auto* caption = dynamic_cast<TbsSkinCaptionObject*>(o))
            animating = caption->AnimationStep() || animating;
        else if (auto* animate = dynamic_cast<TbsSkinAnimateObject*>(o))
            animating = animate->AnimationStep() || animating;
    }
    if (!animating)
        animationTimer_->SetEnabled(false);
}

// --- Hover ------------------------------------------------------------------------------------------

bool TbsSkinForm::HoverAllowed() const {
    return !objects_.empty() && IsFormActive() && !inSizeMove_ && !layerDragging_ && !BorderStyleNone();
}

int32_t TbsSkinForm::ObjectAt(Point p) const {
    for (size_t i = 0; i < objects_.size(); ++i) {
        const TbsActiveSkinObject& o = *objects_[i];
        if (o.Enabled && o.Visible && o.ObjectRect.contains(p) &&
            o.PointInObject(p.X - o.ObjectRect.Left, p.Y - o.ObjectRect.Top))
            return int32_t(i);
    }
    return -1;
}

void TbsSkinForm::MoveHover(int32_t from, int32_t to) {
    auto usable = [this](int32_t i) -> TbsActiveSkinObject* {
        if (i < 0 || size_t(i) >= objects_.size())
            return nullptr;
        TbsActiveSkinObject* o = objects_[size_t(i)].get();
        return o->Enabled && o->Visible ? o : nullptr;
    };
    const std::weak_ptr<bool> alive = alive_;
    if (TbsActiveSkinObject* left = usable(from)) {
        left->MouseLeave();
        if (alive.expired())
            return;
        ShowObjectHint(*left, false);
    }
    // Leaving may have changed the objects (a skin change from an event handler).
    if (TbsActiveSkinObject* entered = usable(to)) {
        entered->MouseEnter();
        if (alive.expired())
            return;
        ShowObjectHint(*entered, true);
    }
}

void TbsSkinForm::TrackHotObject(int32_t x, int32_t y, bool track) {
    // A layered border that carries the frame tracks its objects itself.
    if (!HoverAllowed() || LayeredBorderDrawsFrame())
        return;
    previousHotIndex_ = hotIndex_;
    int32_t candidate = track ? ObjectAt({x, y}) : -1;
    // While a button holds the mouse only that button can be hot.
    if (capturedIndex_ != -1 && candidate != -1 && candidate != capturedIndex_)
        candidate = -1;
    hotIndex_ = candidate;
    if (hotIndex_ != previousHotIndex_)
        MoveHover(previousHotIndex_, hotIndex_);
}

void TbsSkinForm::ShowObjectHint(TbsActiveSkinObject& object, bool show) {
    auto* hint = dynamic_cast<TbsSkinHint*>(skinHint_);
    if (!showObjectHint_ || !hint)
        return;
    if (!show)
        hint->HideHintText();
    else if (!object.CurrentHint().empty())
        hint->ShowHintText(object.CurrentHint());
}

void TbsSkinForm::MouseTrackTick() {
    HWND window = Window();
    // A pressed button follows the pointer wherever it goes until the release.
    const bool holding = capturedIndex_ != -1;
    if (!window || (!IsFormActive() && !holding)) {
        mouseTrackTimer_->SetEnabled(false);
        return;
    }
    Point cursor;
    GetCursorPos(&cursor);
    if (WindowFromPoint(cursor) != window) {
        if (!holding)
            mouseTrackTimer_->SetEnabled(false);
        LeaveHotObject();
        return;
    }
    if (inSizeMove_ || layerDragging_) {
        mouseTrackTimer_->SetEnabled(false);
        return;
    }
    const Point p = ScreenToFrame(cursor);
    if (!geometry_.newLayout.Cl.contains(p) || !skinApplied_)
        TrackHotObject(p.X, p.Y, true);
    else if (hotIndex_ != -1)
        LeaveHotObject();
}

// --- Pressing and releasing ---------------------------------------------------------------------------

void TbsSkinForm::PressObject(Point p, TMouseButton button) {
    if (hotIndex_ < 0 || size_t(hotIndex_) >= objects_.size())
        return;
    TbsActiveSkinObject& o = *objects_[size_t(hotIndex_)];
    if (o.Kind() != FrameObjectKind::Caption)
        SetCapture(Window());
    capturedIndex_ = hotIndex_;
    o.MouseDown(p.X, p.Y, button);
}

void TbsSkinForm::ReleaseObject(Point p, TMouseButton button) {
    if (capturedIndex_ < 0 || size_t(capturedIndex_) >= objects_.size()) {
        capturedIndex_ = -1;
        return;
    }
    TbsActiveSkinObject& o = *objects_[size_t(capturedIndex_)];
    if (o.Kind() != FrameObjectKind::Caption && GetCapture() == Window())
        ReleaseCapture();
    const std::weak_ptr<bool> alive = alive_;
    o.MouseUp(p.X, p.Y, button);
    if (!alive.expired())
        capturedIndex_ = -1;
}

void TbsSkinForm::MoveOverObject(Point p) {
    int32_t i = capturedIndex_ != -1 ? capturedIndex_ : hotIndex_;
    if (i >= 0 && size_t(i) < objects_.size())
        objects_[size_t(i)]->MouseMove(p.X, p.Y);
}

void TbsSkinForm::DoubleClickObject() {
    if (hotIndex_ >= 0 && size_t(hotIndex_) < objects_.size())
        objects_[size_t(hotIndex_)]->DoubleClick();
}

// --- Commands -----------------------------------------------------------------------------------------

void TbsSkinForm::CloseForm() {
    form_->Close();
}

void TbsSkinForm::RunObjectCommand(TStdCommand command) {
    switch (command) {
        case TStdCommand::cmClose:
            LeaveHotObject();
            CloseForm();
            return;
        case TStdCommand::cmMaximize:
            LeaveHotObject();
            captionGlow_.HideLayer();
            ChangeFormState(formState_ == TbsFormState::Maximized ? TbsFormState::Normal
                                                                  : TbsFormState::Maximized);
            return;
        case TStdCommand::cmMinimize:
            LeaveHotObject();
            // Minimising to the tray needs a tray icon, which no form of this program has.
            if (alwaysMinimizeToTray_)
                return;
            captionGlow_.HideLayer();
            ChangeFormState(formState_ == TbsFormState::Minimized ? TbsFormState::Normal
                                                                  : TbsFormState::Minimized);
            return;
        case TStdCommand::cmRollUp:
            SetRollUp(!rolledUp_);
            return;
        case TStdCommand::cmMinimizeToTray:
            LeaveHotObject();
            return;
        case TStdCommand::cmSysMenu:
        case TStdCommand::cmDefault:
            return;
    }
}

// --- Window states --------------------------------------------------------------------------------------

void TbsSkinForm::ChangeFormState(TbsFormState state) {
    if (!skinnable_) {
        form_->SetWindowState(state == TbsFormState::Maximized   ? framework::TWindowState::wsMaximized
                              : state == TbsFormState::Minimized ? framework::TWindowState::wsMinimized
                                                                 : framework::TWindowState::wsNormal);
        return;
    }
    if (state == formState_)
        return;
    if (state == TbsFormState::Minimized && framework::Application &&
        framework::Application->MainForm() == form_) {
        // The main form stays as it is; the whole application goes to its taskbar entry.
        framework::Application->Minimize();
        if (OnMinimize)
            OnMinimize(this);
        return;
    }
    const TbsFormState old = formState_;
    formState_ = state;
    switch (state) {
        case TbsFormState::Normal:
            if (old == TbsFormState::Maximized && rolledUp_ && !rolledUpWhenMaximized_)
                SetRollUp(false);
            rolledUpWhenMaximized_ = false;
            Restore();
            break;
        case TbsFormState::Minimized:
            Minimize();
            break;
        case TbsFormState::Maximized:
            Maximize();
            break;
    }
    // Hidden while maximised, back on restoring, even where the bounds did not change.
    LayerBorderFollows();
}

void TbsSkinForm::Minimize() {
    if (IsEmptyRect(restoreBounds_))
        restoreBounds_ = form_->BoundsRect();
    const Point slot = ParkingSlot();
    form_->SetBounds(slot.X, slot.Y, MinFormWidth(), MinFormHeight());
    if (OnMinimize)
        OnMinimize(this);
}

Point TbsSkinForm::ParkingSlot() const {
    // A shown layered border reaches out of the window by its margins: the window parks within
    // the work area less them, so that its border stays on the work area too.
    const Rect work =
        layerBorder_->Shown() ? WithinMargins(MonitorArea(true), layerBorder_->Margins()) : MonitorArea(true);
    const int32_t w = MinFormWidth(), h = MinFormHeight();
    const Point first{work.Left, work.Bottom - h};
    if (w <= 0 || h <= 0 || !framework::Application)
        return first;
    std::vector<Point> taken;
    const framework::TApplication& app = *framework::Application;
    for (int i = 0; i < app.FormCount(); ++i) {
        framework::TForm* other = app.Forms(i);
        if (other == form_ || other == app.MainForm() || !other->Visible())
            continue;
        for (int c = 0; c < other->ComponentCount(); ++c)
            if (auto* frame = dynamic_cast<TbsSkinForm*>(other->Components(c));
                frame && frame->Skinnable() && frame->FormState() == TbsFormState::Minimized)
                taken.push_back(other->BoundsRect().topLeft());
    }
    // Every slot tried is a new place, so one of the first taken.size() + 1 is free.
    Point slot = first;
    for (size_t tries = 0; tries <= taken.size(); ++tries) {
        if (std::find(taken.begin(), taken.end(), slot) == taken.end())
            return slot;
        slot.X += w;
        if (int64_t(slot.X) + w > work.Right) {
            slot = {work.Left, slot.Y - h};
            if (slot.Y < work.Top)
                return first;
        }
    }
    return first;
}

void TbsSkinForm::Maximize() {
    rolledUpWhenMaximized_ = rolledUp_;
    if (IsEmptyRect(restoreBounds_))
        restoreBounds_ = form_->BoundsRect();
    Rect area = MonitorArea(!maximizeOnFullScreen_);
    const Rect monitor = MonitorArea(false);
    const Rect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    // With the taskbar hidden the window leaves a pixel on every side, where the pointer brings
    // the taskbar back.
    if (!maximizeOnFullScreen_ && area == monitor && monitor == screen)
        area = {area.Left + 1, area.Top + 1, area.Right - 1, area.Bottom - 1};
    // The border that carries the frame stays, around the window: the area leaves it room.
    if (LayeredBorderDrawsFrame())
        area = WithinMargins(area, layerBorder_->Margins());
    form_->SetBoundsRect(area);
    if (OnMaximize)
        OnMaximize(this);
}

void TbsSkinForm::Restore() {
    rolledUpMaximized_ = false;
    const Size before = WindowSize();
    const Rect back = restoreBounds_;
    if (!IsEmptyRect(back)) {
        if (firstShow_ && positionInMonitor_ != TbsPositionInMonitor::bspDefault) {
            const Rect a = MonitorArea(positionInMonitor_ == TbsPositionInMonitor::bspDesktopCenter);
            form_->SetBounds(a.Left + a.width() / 2 - back.width() / 2,
                             a.Top + a.height() / 2 - back.height() / 2, back.width(), back.height());
        } else {
            form_->SetBoundsRect(back);
        }
    }
    firstShow_ = false;
    mouseTrackTimer_->SetEnabled(true);
    if (before == WindowSize())
        ForceFrameRecalc();
    form_->Invalidate();
    restoreBounds_ = {};
    if (OnRestore)
        OnRestore(this);
}

void TbsSkinForm::SetRollUp(bool flag) {
    if (!borderIcons_.contains(TbsBorderIcon::biRollUp) || formState_ == TbsFormState::Minimized)
        return;
    if (rolledUp_ && formState_ == TbsFormState::Maximized && !rolledUpMaximized_)
        return;
    // Rolling up twice would save the rolled-up height as the one to roll down to.
    if (flag == rolledUp_)
        return;
    if (formState_ == TbsFormState::Maximized)
        rolledUpMaximized_ = flag;
    rolledUp_ = flag;
    if (flag) {
        // A window already as low as a rolled-up one is made a pixel higher first, so that rolling
        // up changes its size and the region and border follow.
        if (LayeredBorderDrawsFrame() && layerBorder_->Shown() && form_->Height() == MinFormHeight())
            form_->SetHeight(MinFormHeight() + 1);
        rollUpHeight_ = form_->Height();
        form_->SetHeight(MinFormHeight());
    } else if (clientHeight_ != 0) {
        form_->SetClientHeight(clientHeight_);
    } else {
        form_->SetHeight(rollUpHeight_);
    }
    if (OnChangeRollUpState)
        OnChangeRollUpState(this);
}

void TbsSkinForm::CaptionDoubleClick() {
    const bool resizable = IsResizable();
    if (resizable && formState_ == TbsFormState::Minimized)
        ChangeFormState(TbsFormState::Normal);
    else if (resizable && formState_ != TbsFormState::Maximized && !rolledUp_ &&
             borderIcons_.contains(TbsBorderIcon::biMaximize))
        ChangeFormState(TbsFormState::Maximized);
    else if (resizable && formState_ == TbsFormState::Maximized && !rolledUpMaximized_)
        ChangeFormState(TbsFormState::Normal);
    else
        SetRollUp(!rolledUp_);
    capturedIndex_ = -1;
}

// --- Moving -------------------------------------------------------------------------------------------

Point TbsSkinForm::SnapToScreenEdges(Point topLeft, Size size) {
    Point cursor;
    GetCursorPos(&cursor);
    return skin::SnapToScreenEdges(magneticEdges_, topLeft, size, MonitorArea(true), magneticSize_, cursor);
}

void TbsSkinForm::Moving(TMessage& message) {
    if (!skinnable_ || !message.LParam)
        return;
    Rect& proposed = *reinterpret_cast<Rect*>(message.LParam);
    if (formState_ == TbsFormState::Maximized) {
        GetWindowRect(Window(), &proposed);
        return;
    }
    if (!magnetic_)
        return;
    const Size size{proposed.width(), proposed.height()};
    const Point at = SnapToScreenEdges(proposed.topLeft(), size);
    proposed = rectOfSize(at.X, at.Y, size.cx, size.cy);
}

void TbsSkinForm::EnterSizeMove() {
    GetCursorPos(&magneticEdges_.saved);
    ResetHoverStates();
    mouseTrackTimer_->SetEnabled(false);
    hotIndex_ = capturedIndex_ = -1;
    inSizeMove_ = true;
    bool full = true;
    SystemParametersInfo(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
    dragFullWindows_ = full;
}

void TbsSkinForm::ExitSizeMove() {
    const Size now = WindowSize();
    if (liveSizing_ && (now.cx != frameWidth_ || now.cy != frameHeight_)) {
        TakeWindowSize();
        UpdateFrame(true);
    }
    liveSizing_ = inSizeMove_ = false;
    mouseTrackTimer_->SetEnabled(false);
    hotIndex_ = previousHotIndex_ = capturedIndex_ = -1;
    if (skinData_ && !skinData_->Empty())
        SendNcPaint();
    layerBorder_->Update();
}

// --- Hit testing --------------------------------------------------------------------------------------

int TbsSkinForm::HitTestFrame(Point p) const {
    std::vector<Rect> captions;
    for (const auto& o : objects_)
        if (o->Kind() == FrameObjectKind::Caption)
            captions.push_back(o->ObjectRect);
    FrameHitTestInput in;
    in.geometry = &geometry_;
    in.borderWidth = skinData_ ? skinData_->FormInfo().BorderWidth : 0;
    in.maskStrips = skinData_ && !skinData_->FrameMask().Surface().isEmpty() ? &maskStrips_ : nullptr;
    in.captionDragAreas = captions;
    in.state = formState_ == TbsFormState::Minimized   ? HitTestWindowState::Minimized
               : formState_ == TbsFormState::Maximized ? HitTestWindowState::Maximized
                                                       : HitTestWindowState::Normal;
    in.rolledUp = rolledUp_;
    in.resizable = IsResizable();
    in.objectHot = hotIndex_ >= 0 && size_t(hotIndex_) < objects_.size() && !inSizeMove_;
    return HitTestSkinnedFrame(in, p);
}

int TbsSkinForm::HitTestDefaultFrame(Point p) const {
    const Size size = WindowSize();
    const int32_t W = size.cx, H = size.cy;
    const bool sizing = IsResizable() && formState_ == TbsFormState::Normal && !rolledUp_;
    if (sizing) {
        if (hotIndex_ >= 0 && size_t(hotIndex_) < objects_.size())
            return HTOBJECT;
        const bool left = p.X <= 2, top = p.Y <= 2, right = p.X >= W - 2, bottom = p.Y >= H - 2;
        if (left && top)
            return HTTOPLEFT;
        if (right && top)
            return HTTOPRIGHT;
        if (left && bottom)
            return HTBOTTOMLEFT;
        if (right && bottom)
            return HTBOTTOMRIGHT;
        if (left)
            return HTLEFT;
        if (top)
            return HTTOP;
        if (right)
            return HTRIGHT;
        if (bottom)
            return HTBOTTOM;
    }
    std::vector<FrameObjectPlacement> placements = Placements();
    const Rect caption = LayoutDefaultFrameObjects(size, ToolWindow(), placements, std::nullopt);
    if (caption.contains(p))
        return HTCAPTION;
    if (DefaultClientArea(size, ToolWindow()).contains(p))
        return HTCLIENT;
    return HTOBJECT;
}

// --- The system menu ------------------------------------------------------------------------------------

TbsSkinMenu& TbsSkinForm::MenuDriver() {
    TbsSkinMenu& d = *menuDriver_;
    d.SetMaxMenuItemsInWindow(maxMenuItemsInWindow_);
    d.SetUseSkinFont(useSkinFontInMenu_);
    d.SetAlphaBlend(menusAlphaBlend_);
    d.SetAlphaBlendAnimation(menusAlphaBlendAnimation_);
    d.SetAlphaBlendValue(menusAlphaBlendValue_);
    d.SetDefaultItemHeight(defMenuItemHeight_);
    d.DefaultItemFont().Assign(defMenuItemFont_);
    return d;
}

TbsSkinData* TbsSkinForm::MenuSkinData() const {
    return menusSkinData_ && !menusSkinData_->Empty() ? menusSkinData_ : skinData_;
}

void TbsSkinForm::MenuOpening() {
    // The driver holds the keys, the wheel and the pointer while its menu is open; the frame
    // only notes that a menu is open.
    if (std::exchange(skinMenuOpen_, true))
        return;
    if (OnSkinMenuOpen)
        OnSkinMenuOpen(this);
}

void TbsSkinForm::MenuClosed() {
    menuButtonGlow_.HideLayer();
    const bool wasOpen = std::exchange(skinMenuOpen_, false);
    for (size_t i = 0; i < objects_.size(); ++i) {
        TbsActiveSkinObject* o = objects_[i].get();
        auto* button = dynamic_cast<TbsSkinButtonObject*>(o);
        auto* animate = dynamic_cast<TbsSkinAnimateObject*>(o);
        const bool owner = (button && button->Down && button->MenuOpen) ||
                           (animate && animate->Down && animate->Command() == TStdCommand::cmSysMenu);
        if (!owner)
            continue;
        if (capturedIndex_ == int32_t(i))
            capturedIndex_ = -1;
        if (button) {
            button->MenuOpen = false;
            button->SetDown(false);
        } else {
            animate->Down = false;
            animate->Frame = std::max(animate->AnimateRecord().CountFrames, 1);
            animate->Forwards = false;
            StartAnimating();
        }
        break;
    }
    // The second press of a double-click on the system-menu button closed its menu (a press
    // outside an open menu goes no further): the double-click closes the window.
    if (std::exchange(systemMenuPress_.valid, false)) {
        Point cursor;
        GetCursorPos(&cursor);
        if (GetKeyState(VK_LBUTTON) < 0 && systemMenuPress_.button.contains(cursor) &&
            GetTickCount() - systemMenuPress_.tick <= GetDoubleClickTime()) {
            CloseForm();
            return;
        }
    }
    if (wasOpen && OnSkinMenuClose)
        OnSkinMenuClose(this);
}

TMenuItem* TbsSkinForm::SystemMenuRoot() const {
    return systemMenu_ ? systemMenu_->Items() : defaultSystemMenu_->Items();
}

TMenuItem* TbsSkinForm::BuildSystemMenu() {
    // The items of an open menu must not go while it shows them.
    if (menuDriver_->Visible())
        menuDriver_->CloseAll();
    const SystemMenuState state{borderIcons_, formState_ == TbsFormState::Minimized,
                                formState_ == TbsFormState::Maximized, rolledUp_};
    const SystemMenuHandler run = [this, alive = AliveToken()](SystemMenuCommand command) {
        if (!alive.expired())
            RunSystemMenuCommand(command);
    };
    if (systemMenu_) {
        if (useDefaultSysMenu_)
            MergeDefaultSystemMenu(*systemMenu_->Items(), state, skinData_, run);
        return systemMenu_->Items();
    }
    BuildDefaultSystemMenu(*defaultSystemMenu_->Items(), state, skinData_, run);
    return defaultSystemMenu_->Items();
}

void TbsSkinForm::RunSystemMenuCommand(SystemMenuCommand command) {
    switch (command) {
        case SystemMenuCommand::Minimize:
            if (!alwaysMinimizeToTray_)
                ChangeFormState(TbsFormState::Minimized);
            return;
        case SystemMenuCommand::Maximize:
            ChangeFormState(TbsFormState::Maximized);
            return;
        case SystemMenuCommand::Restore:
            if (rolledUpMaximized_ || (rolledUp_ && formState_ == TbsFormState::Normal))
                SetRollUp(false);
            else
                ChangeFormState(TbsFormState::Normal);
            return;
        case SystemMenuCommand::RollUp:
            SetRollUp(true);
            return;
        case SystemMenuCommand::MinimizeToTray:
            return;
        case SystemMenuCommand::Close:
            CloseForm();
            return;
    }
}

void TbsSkinForm::PopupMenuItems(TMenuItem* root, const Rect& below, bool upward) {
    MenuOpening();
    MenuDriver().PopupItems(form_, MenuSkinData(), upward, root, below, 0);
    // Nothing to show opens nothing, and nothing will say it closed.
    if (!menuDriver_->Visible())
        MenuClosed();
}

void TbsSkinForm::ShowSystemMenu(Point at) {
    ShowSystemMenuBelow({at.X, at.Y, at.X, at.Y});
}

void TbsSkinForm::ShowSystemMenuBelow(const Rect& screen) {
    PopupMenuItems(BuildSystemMenu(), screen, false);
}

bool TbsSkinForm::ShowSystemMenuBelowButton() {
    for (const auto& o : objects_)
        if (o->Enabled && o->Command() == TStdCommand::cmSysMenu &&
            (o->Kind() == FrameObjectKind::StdButton || o->Kind() == FrameObjectKind::Animate)) {
            ShowSystemMenuBelow(ObjectScreenRect(*o));
            return true;
        }
    return false;
}

void TbsSkinForm::PopupObjectMenu(TbsSkinButtonObject& button) {
    const bool systemMenu =
        button.Kind() == FrameObjectKind::StdButton && button.Command() == TStdCommand::cmSysMenu;
    TMenuItem* root = systemMenu ? BuildSystemMenu() : button.Menu();
    if (!root)
        return;
    const Rect at = ObjectScreenRect(button);
    if (systemMenu)
        systemMenuPress_ = {true, GetTickCount(), at};
    button.MenuOpen = true;
    PopupMenuItems(root, at, button.PopupUp);
}

bool TbsSkinForm::ShortCut(framework::TWMKey& key) {
    if (!skinnable_)
        return false;
    const framework::TShiftState shift = framework::KeyDataToShiftState(key.KeyData);
    if (key.CharCode == VK_SPACE && shift == framework::TShiftState{framework::TShiftFlag::ssAlt}) {
        ShowSystemMenuBelowButton();
        return true;
    }
    // Everything else goes on: Alt+F4 reaches the platform, which closes the window.
    return false;
}

}  // namespace skin
