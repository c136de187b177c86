// The skinned tab strip: construction, properties, skin reading and the answers moved onto the
// frame. Painting is in tab_painting.cpp; the pointer, the close boxes and the scroller in
// tab_interaction.cpp.
#include "skin/controls/skin_tab_control.h"

#include "framework/graphics/image_list.h"
#include "platform/window/message_loop.h"
#include "platform/window/window.h"
#include "skin/controls/skin_fonts.h"
#include "skin/controls/skin_updown.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/render/parent_background.h"

namespace skin {

using namespace framework;
using platform::Rect;
using platform::Size;

TbsSkinTabControl::TbsSkinTabControl(TComponent* owner)
    : TTabControl(owner),
      defaultFont_(std::make_unique<TFont>()),
      slotImages_(std::make_unique<TImageList>(nullptr)),
      canvas_(std::make_unique<TCanvas>()) {
    SetItemSize(0, defaultItemHeight_);
    for (TFont* font : {&Font(), defaultFont_.get()}) {
        TFont f;
        f.SetName("Arial");
        f.SetHeight(14);
        f.SetColor(platform::clBtnText);
        font->Assign(f);
    }
    // The image slot makes the strip leave room in every tab for the image and the close box.
    slotImages_->SetSize(1, 1);
    TTabControl::SetImages(slotImages_.get());
}

TbsSkinTabControl::~TbsSkinTabControl() {
    if (images_)
        images_->RemoveChangeListener(imagesListener_);
    // The slot goes before the base does: the base lets go of it first.
    TTabControl::SetImages(nullptr);
}

// --- Properties ----------------------------------------------------------------------------------

void TbsSkinTabControl::SetTabExtededDraw(bool on) {
    extendedDraw_ = on;
    Invalidate();
}

void TbsSkinTabControl::SetTabMargin(int margin) {
    if (margin < -1 || margin == tabMargin_)
        return;
    tabMargin_ = margin;
    Repaint();
}

void TbsSkinTabControl::SetTabSpacing(int spacing) {
    if (spacing == tabSpacing_)
        return;
    tabSpacing_ = spacing;
    Repaint();
}

void TbsSkinTabControl::SetTabLayout(TbsButtonLayout layout) {
    if (layout == tabLayout_)
        return;
    tabLayout_ = layout;
    Repaint();
}

void TbsSkinTabControl::SetTextInHorizontal(bool on) {
    textInHorizontal_ = on;
    Invalidate();
}

void TbsSkinTabControl::SetImages(TImageList* images) {
    if (images == images_)
        return;
    if (images_) {
        images_->RemoveChangeListener(imagesListener_);
        images_->RemoveFreeNotification(this);
    }
    images_ = images;
    if (images_) {
        images_->FreeNotification(this);
        imagesListener_ = images_->AddChangeListener([this] {
            UpdateImageSlot();
            Invalidate();
        });
    }
    UpdateImageSlot();
    Invalidate();
}

void TbsSkinTabControl::SetShowCloseButtons(bool show) {
    // Every switch on starts with all boxes clear.
    closeBoxes_.Clear();
    if (show == showCloseButtons_)
        return;
    showCloseButtons_ = show;
    UpdateImageSlot();
    Invalidate();
}

void TbsSkinTabControl::SetTabsBGTransparent(bool on) {
    if (on == tabsBGTransparent_)
        return;
    tabsBGTransparent_ = on;
    Invalidate();
}

void TbsSkinTabControl::SetDefaultItemHeight(int height) {
    defaultItemHeight_ = height;
    if (skinIndex_ == -1) {
        SetItemSize(TabWidth(), height);
        UpdateScrollerPosition();
        Invalidate();
        Realign();
    }
}

void TbsSkinTabControl::SetTabPosition(TTabPosition position) {
    TTabControl::SetTabPosition(position);
    UpdateImageSlot();
}

void TbsSkinTabControl::SetSkinData(TbsSkinData* skinData) {
    if (LinkSkinData(*this, skinData_, skinData))
        ChangeSkinData();
}

void TbsSkinTabControl::Notification(TComponent* component, Operation operation) {
    TTabControl::Notification(component, operation);
    if (operation != Operation::opRemove)
        return;
    if (component == skinData_)
        skinData_ = nullptr;
    if (component == images_) {
        images_ = nullptr;
        UpdateImageSlot();
        Invalidate();
    }
    if (component == scroller_)
        scroller_ = nullptr;
}

// The slot is 1 pixel plus the images plus the close box along the tab (down a column's tab).
void TbsSkinTabControl::UpdateImageSlot() {
    const bool side = IsSideColumn(TabPosition());
    int32_t along = 1;
    if (images_)
        along += side ? images_->Height() : images_->Width();
    if (showCloseButtons_)
        along += closeBoxSize_;
    if (side)
        slotImages_->SetSize(1, along);
    else
        slotImages_->SetSize(along, 1);
}

// --- The skin ------------------------------------------------------------------------------------

void TbsSkinTabControl::ReadTabSkin() {
    skin_ = skin::ReadTabSkin(skinData_, skinDataName_, &skinIndex_);
}

void TbsSkinTabControl::ResetSkinIndex() {
    skinIndex_ = -1;
    skin_.reset();
}

void TbsSkinTabControl::ChangeSkinData() {
    ReadTabSkin();
    closeBoxSize_ =
        !skin_ || skin_->closeButtonRect.isEmpty() ? kDefaultCloseBoxSize : skin_->closeButtonRect.width();
    UpdateImageSlot();
    // The strip measures captions in the control's font.
    const bool skinFont = skin_ && useSkinFont_;
    AssignSkinFont(Font(), skinFont ? &skin_->font : nullptr, useSkinFont_, *defaultFont_, skinData_,
                   skinFont ? skin_->fontColor : defaultFont_->Color());
    const int height = TabHeight() > 0 ? TabHeight() : !skin_ ? defaultItemHeight_ : skin_->tabRect.height();
    SetItemSize(TabWidth(), height);
    UpdateScrollerPosition();
    Invalidate();
    Realign();
    Repaint();
    // A new scroller takes the new skin.
    if (scroller_) {
        delete scroller_;
        scroller_ = nullptr;
        UpdateScroller();
    }
}

void TbsSkinTabControl::Loaded() {
    TTabControl::Loaded();
    if (skinIndex_ == -1) {
        SetItemSize(TabWidth(), TabHeight() > 0 ? TabHeight() : defaultItemHeight_);
        UpdateScrollerPosition();
        Realign();
    }
}

// --- Geometry ------------------------------------------------------------------------------------

bool TbsSkinTabControl::OneRow() const {
    return !MultiLine() && !IsSideColumn(TabPosition());
}

std::optional<BorderWidths> TbsSkinTabControl::RecordBorders() const {
    return skin_ ? std::optional(skin_->Borders()) : std::nullopt;
}

Rect TbsSkinTabControl::TabRect(int index) {
    const Rect adjusted = TTabControl::TabRect(index);
    return adjusted.isEmpty() ? adjusted : TabRectOf(adjusted, index, OneRow());
}

Rect TbsSkinTabControl::DisplayArea() {
    return DisplayAreaOf(DisplayRect(), TabPosition());
}

void TbsSkinTabControl::AdjustClientRect(Rect& rect) {
    rect = DisplayArea();
}

Rect TbsSkinTabControl::FrameRect() {
    return FrameOf(DisplayArea(), RecordBorders().value_or(BorderWidths{}));
}

Rect TbsSkinTabControl::ActiveTabExtent() {
    const int selected = TabIndex();
    if (selected < 0)
        return {};
    return skin::ActiveTabExtent(TabRect(selected), TabPosition(), skin_ ? skin_->ActiveRise() : 0);
}

// The strip answers first; then its tabs and page are moved onto the frame.
void TbsSkinTabControl::WndProc(TMessage& message) {
    TTabControl::WndProc(message);
    AdjustAnswer(message);
}

void TbsSkinTabControl::AdjustAnswer(TMessage& message) {
    switch (message.Msg) {
        case TCM_ADJUSTRECT:
            if (!message.WParam && message.LParam) {
                Rect& rect = *reinterpret_cast<Rect*>(message.LParam);
                const Rect client = ClientRect();
                rect =
                    AdjustPageArea(rect, {client.width(), client.height()}, TabPosition(), RecordBorders());
            }
            return;
        case TCM_GETITEMRECT:
            if (message.Result && message.LParam && Style() == TTabStyle::tsTabs) {
                Rect& rect = *reinterpret_cast<Rect*>(message.LParam);
                rect = AdjustTabRect(rect, TabPosition(), !MultiLine());
            }
            return;
        case TCM_HITTEST:
            // The tab drawn under the point, as the pointer tracking finds it.
            if (const auto* info = reinterpret_cast<const TCHITTESTINFO*>(message.LParam)) {
                message.Result = -1;
                for (int i = 0; i < TabCount(); ++i)
                    if (TabRect(i).contains(info->pt)) {
                        message.Result = i;
                        break;
                    }
            }
            return;
        case TCM_SETCURSEL:
            // The strip may have scrolled the selected tab into view.
            if (scroller_)
                UpdateScrollerPosition();
            return;
        case platform::WM_SETFONT:
        case TCM_SETITEMSIZE:
        case TCM_SETIMAGELIST:
        case TCM_INSERTITEM:
        case TCM_SETITEM:
        case TCM_DELETEITEM:
        case TCM_DELETEALLITEMS:
            // Every layout of the strip makes its own arrows again; the scroller stands for them.
            DestroyStripArrows();
            return;
        default:
            return;
    }
}

void TbsSkinTabControl::Dispatch(TMessage& message) {
    switch (message.Msg) {
        case platform::WM_PAINT:
            painting_ = true;
            try {
                TTabControl::Dispatch(message);
            } catch (...) {
                painting_ = false;
                throw;
            }
            painting_ = false;
            return;
        case platform::WM_ERASEBKGND:
            // During a paint the paint covers everything; erasing would only flicker.
            if (!painting_)
                PaintTabBackground(reinterpret_cast<platform::HDC>(message.WParam));
            message.Result = 1;
            return;
        case platform::WM_SIZE:
            TTabControl::Dispatch(message);
            if (skin_ && skin_->stretchEffect)
                for (int i = 0; i < ControlCount(); ++i)
                    if (auto* child = dynamic_cast<TWinControl*>(Controls(i));
                        child && child->HandleAllocated())
                        platform::SendMessage(child->Handle(), SKM_PARENTCHANGED);
            if (OneRow())
                UpdateScroller();
            return;
        case platform::WM_HSCROLL:
            TTabControl::Dispatch(message);
            Invalidate();
            return;
        case CM_MOUSELEAVE:
            TTabControl::Dispatch(message);
            PointerLeft();
            return;
        case SKM_PARENTCHANGED:
            if (tabsBGTransparent_)
                Repaint();
            return;
        default:
            TTabControl::Dispatch(message);
    }
}

// Children that show what lies behind them get the control's own background.
void TbsSkinTabControl::CreateHandleDone() {
    TTabControl::CreateHandleDone();
    ParentBackgroundHooks hooks;
    hooks.paintBackground = [this](platform::HDC dc) { PaintTabBackground(dc); };
    SetParentBackgroundHooks(Handle(), std::move(hooks));
}

void TbsSkinTabControl::DestroyWnd() {
    if (HandleAllocated())
        RemoveParentBackgroundHooks(Handle());
    TTabControl::DestroyWnd();
}

}  // namespace skin
