#include "skin/menus/skin_popup_window.h"

#include <algorithm>

#include "framework/graphics/canvas.h"
#include "framework/graphics/image_list.h"
#include "framework/menus/menu_item.h"
#include "platform/gfx/dc.h"
#include "platform/window/input.h"
#include "platform/window/keys.h"
#include "platform/window/layered.h"
#include "platform/window/message_loop.h"
#include "platform/window/painting.h"
#include "platform/window/window.h"
#include "skin/controls/skin_fonts.h"
#include "skin/menus/item_painting.h"
#include "skin/menus/menu_session.h"
#include "skin/menus/skin_menu.h"
#include "skin/menus/window_fade.h"
#include "skin/render/layered_windows.h"
#include "skin/render/mask_region.h"
#include "skin/render/platform_calls.h"
#include "skin/render/rect_helpers.h"

namespace skin {

using framework::TBitmap;
using framework::TCanvas;
using framework::TMenuItem;
using framework::TMessage;
using framework::TTimer;
using platform::Point;
using platform::Rect;
using platform::Size;

// --- Popups that closed --------------------------------------------------------------------------

namespace {

uint64_t NextSerial() {
    static uint64_t serial = 0;
    return ++serial;
}

// How many popup message handlers are running now (nested): none may be freed meanwhile.
int& HandlersRunning() {
    static int running = 0;
    return running;
}

std::vector<TbsSkinPopupWindow*>& ClosedPopups() {
    static std::vector<TbsSkinPopupWindow*> closed;
    return closed;
}

TTimer* NewTimer(framework::TComponent* owner, uint32_t interval, framework::TNotifyEvent tick) {
    auto* timer = new TTimer(owner);
    timer->SetEnabled(false);
    timer->SetInterval(interval);
    timer->SetOnTimer(std::move(tick));
    return timer;
}

void Restart(TTimer& timer) {
    timer.SetEnabled(false);
    timer.SetEnabled(true);
}

}  // namespace

void SweepClosedPopups() {
    if (HandlersRunning() > 0)
        return;
    // Freeing a popup runs its handlers once more (its window goes): take the list first.
    std::vector<TbsSkinPopupWindow*> closed = std::exchange(ClosedPopups(), {});
    for (TbsSkinPopupWindow* popup : closed) delete popup;
}

bool ClosedPopupsWaiting() {
    return !ClosedPopups().empty();
}

// --- The popup -----------------------------------------------------------------------------------

TbsSkinPopupWindow::TbsSkinPopupWindow(TbsSkinMenu& driver, int level)
    : TPopupControl(nullptr), driver_(&driver), level_(level), serial_(NextSerial()) {
    trackingTimer_ = NewTimer(this, kTrackingInterval, [this](framework::TObject*) { TrackPointer(); });
    animationTimer_ = NewTimer(this, kMorphInterval, [this](framework::TObject*) { AnimationTick(); });
    scrollTimer_ = NewTimer(this, kScrollInterval, [this](framework::TObject*) { ScrollTick(); });
}

TbsSkinPopupWindow::~TbsSkinPopupWindow() = default;

void TbsSkinPopupWindow::CreateParams(framework::TCreateParams& params) {
    TPopupControl::CreateParams(params);
    params.ClassStyle |= platform::CS_SAVEBITS;
    if (IsOsVersion51OrLater())
        params.ClassStyle |= platform::CS_DROPSHADOW;
}

void TbsSkinPopupWindow::WndProc(TMessage& message) {
    ++HandlersRunning();
    try {
        TPopupControl::WndProc(message);
    } catch (...) {
        --HandlersRunning();
        throw;
    }
    --HandlersRunning();
}

void TbsSkinPopupWindow::Dispatch(TMessage& message) {
    switch (message.Msg) {
        case platform::WM_ERASEBKGND:
            // The paint covers every pixel.
            message.Result = 1;
            return;
        case platform::WM_CAPTURECHANGED:
            // Another window took the mouse: the menu cannot follow it any more and closes.
            if (!closed_ && HandleAllocated() && reinterpret_cast<platform::HWND>(message.LParam) != Handle())
                platform::PostMessage(Handle(), kMenuCancelMessage);
            break;
        default:
            break;
    }
    TPopupControl::Dispatch(message);
}

// --- Opening -------------------------------------------------------------------------------------

bool TbsSkinPopupWindow::Open(const OpenRequest& request) {
    root_ = request.root;
    if (!root_ || !driver_)
        return false;
    ReadSkin();
    framework::TMenu* menu = root_->GetParentMenu();
    images_ = menu ? menu->Images() : nullptr;
    if (menu && menu->AutoLineReduction() == framework::TMenuAutoFlag::maManual)
        root_->RethinkLines();
    BuildItems(request.start);
    if (items_.empty())
        return false;
    LayOut();
    const Placement place =
        PlacePopup({driver_->WorkArea(), request.anchor, size_.size, layout_.Cl.Top, size_.scrollMode,
                    size_.scrollByMaximum, request.submenu, request.upward});
    const Rect bounds = platform::rectOfSize(place.topLeft.X, place.topLeft.Y, size_.size.cx, size_.size.cy);
    SetBoundsRect(bounds);
    if (!Handle())
        return false;
    ApplyRegion();
    ApplyAlpha(request.first);
    ShowPopup(bounds);
    if (layered_ && request.first && driver_->AlphaBlendAnimation())
        FadeIn();
    platform::GetCursorPos(&lastPointer_);
    trackingTimer_->SetEnabled(true);
    PreselectFirstUsable();
    return true;
}

void TbsSkinPopupWindow::ReadSkin() {
    skin_ = MenuSkinOf(driver_->SkinData());
    metrics_ = MetricsOf(skin_, driver_->DefaultItemHeight());
    // One font for measuring and drawing: the record's, or the menu's default.
    const TbsDataSkinMenuItem* record = skin_.item;
    const SkinFontKeys keys =
        record ? SkinFontKeys{record->FontName, record->FontHeight, record->FontStyle} : SkinFontKeys{};
    AssignSkinFont(font_, record ? &keys : nullptr, driver_->UseSkinFont(), driver_->DefaultItemFont(),
                   skin_.data, driver_->DefaultItemFont().Color());
}

void TbsSkinPopupWindow::BuildItems(int start) {
    items_.clear();
    for (int i = std::max(start, 0); i < root_->Count(); ++i) {
        TMenuItem* item = root_->Items(i);
        if (item->Visible())
            items_.push_back(std::make_unique<TbsSkinMenuItem>(*this, *item));
    }
    heights_.clear();
    for (const auto& item : items_) heights_.push_back(MenuItemHeight(metrics_, item->IsSeparator()));
}

int32_t TbsSkinPopupWindow::WidestItemText() {
    TBitmap scratch;
    scratch.SetSize(1, 1);
    TCanvas& canvas = scratch.Canvas();
    canvas.Font().Assign(font_);
    int32_t widest = 0;
    for (const auto& item : items_) {
        Rect r{0, 0, 0, 0};
        canvas.DrawText(ItemSizingText(item->MenuItem()), r, platform::DT_CALCRECT);
        widest = std::max(widest, r.width() + 2);
    }
    return widest;
}

void TbsSkinPopupWindow::LayOut() {
    const std::optional<int32_t> imageWidth = images_ ? std::optional(images_->Width()) : std::nullopt;
    size_ = SizePopup(metrics_, heights_, WidestItemText(), GlyphColumnWidth(imageWidth),
                      driver_->MaxMenuItemsInWindow(), driver_->WorkArea());
    layout_ = PopupLayout(metrics_, size_.size);
    SetItemRun(0);
    PaintPopupBackground(PopupLookOf(), background_, true);
}

PopupLook TbsSkinPopupWindow::PopupLookOf() const {
    return {&skin_, size_.size, layout_, size_.scrollMode,
            images_ ? std::optional(images_->Width()) : std::nullopt};
}

void TbsSkinPopupWindow::SetItemRun(int first) {
    run_ = LayOutItems(layout_.Cl, size_.scrollMode, first, heights_);
    for (int i = 0; i < ItemCount(); ++i) {
        TbsSkinMenuItem& item = Item(i);
        item.Visible = run_.Shown(i);
        item.ItemRect = item.Visible ? run_.rects[size_t(i)] : Rect{};
    }
}

void TbsSkinPopupWindow::ApplyRegion() {
    if (!skin_.popup || !skin_.mask)
        return;
    platform::HRGN region =
        BuildFrameRegion(PopupWindowLayout(*skin_.popup), layout_, *skin_.mask, size_.size);
    // The window owns the region from here on, and frees the one it had.
    platform::SetWindowRgn(Handle(), region, false);
}

bool TbsSkinPopupWindow::AlphaOn() const {
    return driver_ && driver_->AlphaBlend() && AlphaWindowsShown();
}

void TbsSkinPopupWindow::ApplyAlpha(bool first) {
    if (!AlphaOn())
        return;
    const platform::HWND window = Handle();
    platform::SetWindowLongPtr(
        window, platform::GWL_EXSTYLE,
        platform::GetWindowLongPtr(window, platform::GWL_EXSTYLE) | platform::WS_EX_LAYERED);
    layered_ = true;
    SetWindowAlpha(window, first && driver_->AlphaBlendAnimation() ? 0 : driver_->AlphaBlendValue());
}

void TbsSkinPopupWindow::FadeIn() {
    const platform::HWND window = Handle();
    Update();
    skin::FadeIn(driver_->AlphaBlendValue(), 5, [window](uint8_t alpha) { SetWindowAlpha(window, alpha); });
}

void TbsSkinPopupWindow::PreselectFirstUsable() {
    for (int i = 0; i < ItemCount(); ++i) {
        if (!Item(i).Usable())
            continue;
        Item(i).Waiting = true;
        selected_ = i;
        EnsureShown(i);
        ItemActivate(i, true);
        return;
    }
}

// --- Geometry ------------------------------------------------------------------------------------

int TbsSkinPopupWindow::IndexOf(const TbsSkinMenuItem& item) const {
    for (int i = 0; i < ItemCount(); ++i)
        if (items_[size_t(i)].get() == &item)
            return i;
    return -1;
}

Rect TbsSkinPopupWindow::ItemScreenRect(int index) const {
    return Item(index).ItemRect.offsetBy(Left(), Top());
}

bool TbsSkinPopupWindow::CanScrollUp() const {
    return run_.first > 0;
}

bool TbsSkinPopupWindow::CanScrollDown() const {
    return run_.Last() < ItemCount() - 1;
}

bool TbsSkinPopupWindow::ScrollOne(int direction) {
    if (direction < 0 ? !CanScrollUp() : !CanScrollDown())
        return false;
    SetItemRun(run_.first + (direction < 0 ? -1 : 1));
    Invalidate();
    return true;
}

void TbsSkinPopupWindow::EnsureShown(int index) {
    if (!size_.scrollMode || run_.Shown(index))
        return;
    if (index < run_.first)
        SetItemRun(index);
    else
        SetItemRun(std::max(PageEndingAt(layout_.Cl, heights_, index), run_.first + 1));
    Invalidate();
}

// --- Item actions --------------------------------------------------------------------------------

void TbsSkinPopupWindow::ItemActivate(int index, bool byKeyboard) {
    if (closed_ || !driver_)
        return;
    TbsSkinMenuItem& item = Item(index);
    const bool wasWaiting = item.Waiting;
    item.Active = true;
    item.FrameNumber = 0;
    for (int i = 0; i < ItemCount(); ++i) {
        if (i != index && Item(i).Down) {
            Item(i).Down = false;
            Item(i).RedrawMenuItem();
        }
    }
    SetHint(item.MenuItem().Hint());
    if (wasWaiting && !byKeyboard) {
        item.RedrawMenuItem();
        return;
    }
    if (item.Down && driver_->PopupCount() > level_ + 2) {
        // Back on an item whose submenu has submenus open: those close, the submenu stays.
        driver_->CloseFrom(level_ + 2);
        TbsSkinPopupWindow* submenu = driver_->Popups(level_ + 1);
        for (int i = 0; i < submenu->ItemCount(); ++i) {
            if (submenu->Item(i).Down) {
                submenu->Item(i).Down = false;
                submenu->Item(i).RedrawMenuItem();
            }
        }
        return;
    }
    item.RedrawMenuItem();
    driver_->ItemHover(*this, index, byKeyboard);
}

void TbsSkinPopupWindow::ItemDeactivate(int index) {
    if (closed_)
        return;
    TbsSkinMenuItem& item = Item(index);
    item.Active = false;
    if (item.FrameAnimated())
        item.FrameNumber = skin_.item->FrameCount + 1;
    item.Waiting = false;
    if (!item.Down)
        item.RedrawMenuItem();
    if (driver_)
        driver_->ForgetWaiting(*this, index);
}

void TbsSkinPopupWindow::MoveSelection(int next) {
    const int previous = selected_;
    if (next == previous || next < 0)
        return;
    if (marker_ == MarkerHot::None)
        EnsureShown(next);
    if (previous >= 0 && Item(previous).Usable())
        ItemDeactivate(previous);
    previousSelected_ = previous;
    selected_ = next;
    ItemActivate(next, true);
}

void TbsSkinPopupWindow::SelectItem(int index) {
    if (index < 0 || index >= ItemCount() || closed_)
        return;
    EnsureShown(index);
    if (selected_ >= 0 && selected_ != index)
        ItemDeactivate(selected_);
    previousSelected_ = selected_;
    selected_ = index;
    ItemActivate(index, true);
}

int TbsSkinPopupWindow::NextUsable(int from, int step) const {
    for (int i = from; i >= 0 && i < ItemCount(); i += step)
        if (Item(i).Usable())
            return i;
    return -1;
}

// --- Keys ----------------------------------------------------------------------------------------

void TbsSkinPopupWindow::MenuKey(int vk) {
    if (closed_ || !driver_ || !IsWindowVisible(Handle()))
        return;
    const bool letterOrDigit = (vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z');
    if (letterOrDigit) {
        for (int i = 0; i < ItemCount(); ++i) {
            if (!Item(i).Usable() || !framework::IsAccel(char32_t(vk), Item(i).MenuItem().Caption()))
                continue;
            const int previous = selected_;
            ItemActivate(i, false);
            selected_ = i;
            if (previous >= 0 && previous != i && Item(previous).Usable())
                ItemDeactivate(previous);
            // The command may close the menu and free this popup: nothing of it is used after.
            driver_->ItemChoose(*this, i);
            return;
        }
        return;
    }
    const int count = ItemCount();
    switch (vk) {
        case platform::VK_RETURN:
            if (selected_ >= 0)
                driver_->ItemChoose(*this, selected_);
            return;
        case platform::VK_DOWN: {
            const int from = selected_ < 0 || selected_ >= count - 1 ? 0 : selected_ + 1;
            MoveSelection(NextUsable(from, 1));
            return;
        }
        case platform::VK_UP: {
            const int from = selected_ <= 0 ? count - 1 : selected_ - 1;
            MoveSelection(NextUsable(from, -1));
            return;
        }
        case platform::VK_HOME:
            MoveSelection(NextUsable(0, 1));
            return;
        case platform::VK_END:
            MoveSelection(NextUsable(count - 1, -1));
            return;
        case platform::VK_RIGHT:
            if (selected_ >= 0 && Item(selected_).HasSubItems())
                driver_->ItemChoose(*this, selected_);
            return;
        default:
            return;
    }
}

// --- Pointer -------------------------------------------------------------------------------------

void TbsSkinPopupWindow::TrackPointer() {
    if (closed_ || !HandleAllocated())
        return;
    Point pointer;
    platform::GetCursorPos(&pointer);
    if (pointer == lastPointer_)
        return;
    lastPointer_ = pointer;
    if (platform::WindowFromPoint(pointer) == Handle()) {
        HitTest(ScreenToClient(pointer));
    } else if (size_.scrollMode && marker_ != MarkerHot::None) {
        StopScrolling();
    }
}

void TbsSkinPopupWindow::HitTest(Point client) {
    if (size_.scrollMode) {
        const ScrollMarkers markers = MarkerRects(skin_.popup != nullptr, layout_.Cl, size_.size);
        if (markers.up.contains(client)) {
            if (marker_ != MarkerHot::Up && CanScrollUp())
                StartScrolling(MarkerHot::Up);
        } else if (markers.down.contains(client)) {
            if (marker_ != MarkerHot::Down && CanScrollDown())
                StartScrolling(MarkerHot::Down);
        } else if (marker_ != MarkerHot::None) {
            StopScrolling();
        }
    }
    int hit = -1;
    for (int i = run_.first; i < run_.first + run_.shown; ++i) {
        if (Item(i).ItemRect.contains(client)) {
            hit = i;
            break;
        }
    }
    if (hit < 0 || closed_)
        return;
    if (hit == selected_) {
        TbsSkinMenuItem& item = Item(hit);
        if (item.Waiting) {
            item.Waiting = false;
            if (item.HasSubItems() && item.Usable())
                ItemActivate(hit, false);
        }
        return;
    }
    const int previous = selected_;
    previousSelected_ = previous;
    selected_ = hit;
    if (previous >= 0 && Item(previous).Usable())
        ItemDeactivate(previous);
    if (Item(hit).Usable())
        ItemActivate(hit, false);
}

void TbsSkinPopupWindow::MouseRelease(Point screen) {
    if (closed_ || !driver_)
        return;
    lastPointer_ = screen;
    const Point client = ScreenToClient(screen);
    HitTest(client);
    if (closed_ || !driver_ || selected_ < 0)
        return;
    const TbsSkinMenuItem& item = Item(selected_);
    if (item.Visible && item.ItemRect.contains(client) && !item.IsSeparator())
        driver_->ItemChoose(*this, selected_);
}

void TbsSkinPopupWindow::Wheel(int delta) {
    if (closed_ || !driver_ || !size_.scrollMode || delta == 0)
        return;
    driver_->CloseFrom(level_ + 1);
    const int notches = std::max(std::abs(delta) / platform::WHEEL_DELTA, 1);
    for (int i = 0; i < notches; ++i)
        if (!ScrollOne(delta > 0 ? -1 : 1))
            break;
}

// --- Scrolling by the markers --------------------------------------------------------------------

void TbsSkinPopupWindow::SetMarker(MarkerHot marker) {
    if (marker == marker_)
        return;
    marker_ = marker;
    const ScrollMarkers markers = MarkerRects(skin_.popup != nullptr, layout_.Cl, size_.size);
    InvalidateArea(markers.up);
    InvalidateArea(markers.down);
}

void TbsSkinPopupWindow::StartScrolling(MarkerHot marker) {
    SetMarker(marker);
    if (driver_)
        driver_->CloseFrom(level_ + 1);
    Restart(*scrollTimer_);
}

void TbsSkinPopupWindow::StopScrolling() {
    scrollTimer_->SetEnabled(false);
    SetMarker(MarkerHot::None);
}

void TbsSkinPopupWindow::ScrollTick() {
    if (closed_)
        return;
    const int direction = marker_ == MarkerHot::Up ? -1 : marker_ == MarkerHot::Down ? 1 : 0;
    if (direction == 0 || !ScrollOne(direction))
        StopScrolling();
}

// --- Drawing -------------------------------------------------------------------------------------

ItemLook TbsSkinPopupWindow::LookOf(const TbsSkinMenuItem& item, Picture& background) const {
    ItemLook look;
    look.skin = &skin_;
    look.item = &item.MenuItem();
    look.images = images_;
    look.size = {item.ItemRect.width(), item.ItemRect.height()};
    look.highlighted = item.Highlighted();
    look.font = &font_;
    if (Picture::SizeAllowed(look.size.cx, look.size.cy) && look.size.cx > 0 && look.size.cy > 0) {
        background = Picture(look.size.cx, look.size.cy);
        CopyPictureRect(background, background.bounds(), background_.Surface(), item.ItemRect);
        look.background = &background;
    }
    if (item.MenuItem().OnDrawItem) {
        const TbsSkinMenuItem* sender = &item;
        look.drawItself = [sender](TCanvas& canvas, const Rect& text, bool highlighted) {
            // A copy: the handler may change the item's handler.
            framework::TMenuDrawItemEvent handler = sender->MenuItem().OnDrawItem;
            handler(const_cast<TbsSkinMenuItem*>(sender), canvas, text, highlighted);
            return true;
        };
    }
    return look;
}

void TbsSkinPopupWindow::DrawItemNow(TbsSkinMenuItem& item) {
    if (closed_ || !HandleAllocated() || !item.Visible)
        return;
    TBitmap picture;
    item.DrawPicture(picture);
    if (picture.Empty())
        return;
    const platform::HDC dc = platform::GetDC(Handle());
    if (!dc)
        return;
    platform::BitBlt(dc, item.ItemRect.Left, item.ItemRect.Top, picture.Width(), picture.Height(),
                     picture.Canvas().Handle(), 0, 0, platform::SRCCOPY);
    platform::ReleaseDC(Handle(), dc);
}

void TbsSkinPopupWindow::InvalidateArea(const Rect& area) {
    if (HandleAllocated())
        platform::InvalidateRect(Handle(), &area, false);
}

void TbsSkinPopupWindow::StartAnimation(uint32_t interval) {
    if (closed_)
        return;
    if (animationTimer_->Interval() != interval)
        animationTimer_->SetInterval(interval);
    animationTimer_->SetEnabled(true);
}

void TbsSkinPopupWindow::AnimationTick() {
    if (closed_)
        return;
    bool changed = false;
    for (const auto& item : items_) changed = item->AnimationStep() || changed;
    if (!changed)
        animationTimer_->SetEnabled(false);
}

void TbsSkinPopupWindow::Paint() {
    if (closed_)
        return;
    const PopupLook look = PopupLookOf();
    TBitmap buffer;
    PaintPopupBackground(look, buffer, size_.scrollMode);
    for (int i = run_.first; i < run_.first + run_.shown; ++i) Item(i).DrawMenuItem(buffer.Canvas());
    if (size_.scrollMode) {
        const int32_t itemsBottom = run_.shown > 0 ? Item(run_.Last()).ItemRect.Bottom : layout_.Cl.Top;
        PaintScrollMarkers(look, buffer, marker_, background_.Surface(), itemsBottom);
    }
    Canvas().Draw(0, 0, buffer);
}

// --- Closing -------------------------------------------------------------------------------------

void TbsSkinPopupWindow::ForgetSkin() {
    skin_ = MenuSkin{};
    if (!closed_) {
        PaintPopupBackground(PopupLookOf(), background_, true);
        Invalidate();
    }
}

void TbsSkinPopupWindow::Dispose() {
    if (closed_)
        return;
    closed_ = true;
    driver_ = nullptr;
    trackingTimer_->SetEnabled(false);
    animationTimer_->SetEnabled(false);
    scrollTimer_->SetEnabled(false);
    HidePopup();
    ClosedPopups().push_back(this);
}

}  // namespace skin
