#include "skin/frame/skin_form.h"

#include "framework/core/exception.h"
#include "platform/window/message_loop.h"
#include "platform/window/metrics.h"
#include "platform/window/styles.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"
#include "skin/data/skin_data.h"
#include "skin/menus/skin_menu.h"
#include "skin/render/layered_windows.h"
#include "skin/render/monitor_area.h"
#include "skin/render/platform_calls.h"
#include "skin/render/rect_helpers.h"
#include "skin/render/skin_font.h"
#include "skin/render/text_encoding.h"

namespace skin {

using namespace platform;
using framework::TComponent;

namespace {

void CaptionFontDefaults(framework::TFont& font, framework::TColor colour) {
    font.SetName("Arial");
    font.SetHeight(14);
    font.SetStyle({framework::TFontStyle::fsBold});
    font.SetColor(colour);
}

framework::TTimer* DisabledTimer(TComponent* owner, uint32_t interval) {
    auto* timer = new framework::TTimer(owner);
    timer->SetEnabled(false);
    timer->SetInterval(interval);
    return timer;
}

}  // namespace

// --- Attaching and detaching ------------------------------------------------------------------------

TbsSkinForm::TbsSkinForm(TComponent* owner) : TComponent(owner) {
    CaptionFontDefaults(defCaptionFont_, clBtnText);
    CaptionFontDefaults(defInActiveCaptionFont_, clBtnShadow);
    defMenuItemFont_.SetName("Arial");
    defMenuItemFont_.SetHeight(14);
    mouseTrackTimer_ = DisabledTimer(this, 50);
    morphTimer_ = DisabledTimer(this, 25);
    animationTimer_ = DisabledTimer(this, 25);
    morphTimer_->SetOnTimer([this](framework::TObject*) { MorphStep(); });
    animationTimer_->SetOnTimer([this](framework::TObject*) { AnimationStep(); });
    mouseTrackTimer_->SetOnTimer([this](framework::TObject*) { MouseTrackTick(); });
    menuDriver_ = new TbsSkinMenu(this);

    form_ = dynamic_cast<framework::TForm*>(owner);
    if (!form_)
        throw framework::EInvalidCast("Invalid class typecast");

    layerBorder_ = std::make_unique<TbsFormLayerBorder>(*this);
    form_->SetBorderIcons({});
    form_->OnShortCut = [this](framework::TWMKey& key, bool& handled) {
        if (OnShortCut)
            OnShortCut(key, handled);
        if (!handled)
            handled = ShortCut(key);
    };
    form_->SetAutoSize(false);
    form_->SetAutoScroll(false);
    defaultSystemMenu_ = std::make_unique<framework::TPopupMenu>(nullptr);

    osVersion6OrLater_ = IsOsVersion6OrLater();
    osVersion61_ = IsOsVersion61();
    layeringSupported_ = skin::LayeringSupported();

    if (Designing())
        return;
    previous_ = form_->WindowProc();
    form_->SetWindowProc([this](framework::TMessage& message) { SkinWindowProc(message); });
    // A form that is active already heard its WM_NCACTIVATE before the frame came.
    frameActive_ = form_->Active();
    // The frame is worked out again under the new handler; the window itself (and the windows of
    // its children, such as a browser) stays.
    ForceFrameRecalc();
}

TbsSkinForm::~TbsSkinForm() {
    // An open menu closes while the frame can still hear it close.
    delete std::exchange(menuDriver_, nullptr);
    for (framework::TTimer* timer : {mouseTrackTimer_, morphTimer_, animationTimer_})
        timer->SetEnabled(false);
    FreeObjects();
    if (layerBorder_)
        layerBorder_->Hide();
    if (form_ && !Designing() && !form_->InState(framework::csDestroying)) {
        form_->SetWindowProc(previous_);
        // The form gets its platform frame back: no shape, the platform's insets.
        if (HWND window = form_->HandleAllocated() ? form_->Handle() : nullptr) {
            SetWindowRgn(window, nullptr, true);
            SetWindowPos(window, nullptr, 0, 0, 0, 0,
                         SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (smallIcon_)
        DestroyIcon(smallIcon_);
}

void TbsSkinForm::Loaded() {
    TComponent::Loaded();
}

void TbsSkinForm::Notification(TComponent* component, framework::Operation operation) {
    TComponent::Notification(component, operation);
    if (operation != framework::Operation::opRemove)
        return;
    if (component == skinData_) {
        // The frame keeps what it last painted; the next size change or skin message finds no skin.
        skinData_ = nullptr;
    }
    if (component == menusSkinData_)
        menusSkinData_ = nullptr;
    if (component == systemMenu_)
        systemMenu_ = nullptr;
    if (component == skinHint_)
        skinHint_ = nullptr;
}

// --- Properties -------------------------------------------------------------------------------------

namespace {

template <class T>
void Link(TComponent& self, T*& field, T* value) {
    if (field == value)
        return;
    if (field)
        field->RemoveFreeNotification(&self);
    field = value;
    if (field)
        field->FreeNotification(&self);
}

}  // namespace

void TbsSkinForm::SetSkinData(TbsSkinData* data) {
    Link(*this, skinData_, data);
    if (skinData_)
        skinnable_ = skinData_->SkinnableForm();
    if (!Designing())
        ApplySkin();
}

void TbsSkinForm::SetMenusSkinData(TbsSkinData* data) {
    Link(*this, menusSkinData_, data);
}

void TbsSkinForm::SetSystemMenu(framework::TPopupMenu* menu) {
    Link(*this, systemMenu_, menu);
}

void TbsSkinForm::SetSkinHint(TComponent* hint) {
    Link(*this, skinHint_, hint);
}

void TbsSkinForm::SetBorderIcons(TbsBorderIcons icons) {
    borderIcons_ = icons;
    if (Reading() || Designing())
        return;
    UpdateButtonStates();
    SendNcPaint();
}

void TbsSkinForm::SetShowIcon(bool value) {
    showIcon_ = value;
    if (!Reading() && !Designing())
        SendNcPaint();
}

void TbsSkinForm::SetAlphaBlend(bool value) {
    alphaBlend_ = value;
    if (Reading() || Designing() || !layeringSupported_)
        return;
    HWND window = Window();
    if (!window)
        return;
    const LONG_PTR ex = GetWindowLongPtr(window, GWL_EXSTYLE);
    SetWindowLongPtr(window, GWL_EXSTYLE, value ? (ex | WS_EX_LAYERED) : (ex & ~LONG_PTR(WS_EX_LAYERED)));
    if (value)
        SetWindowAlpha(window, alphaBlendValue_);
}

void TbsSkinForm::SetAlphaBlendValue(uint8_t value) {
    alphaBlendValue_ = value;
    if (alphaBlend_ && !Reading() && !Designing() && layeringSupported_)
        if (HWND window = Window())
            SetWindowAlpha(window, value);
}

void TbsSkinForm::SetMaxMenuItemsInWindow(int32_t value) {
    if (value >= 0)
        maxMenuItemsInWindow_ = value;
}

framework::PersistentClass TbsSkinForm::Published() {
    using framework::Property;
    using framework::SubObject;
    using S = TbsSkinForm;
    return framework::ClassTable<TbsSkinForm>(
        "TbsSkinForm", "",
        {
            Property("SkinData", &S::SetSkinData),
            Property("MenusSkinData", &S::SetMenusSkinData),
            Property("BorderIcons", &S::SetBorderIcons),
            Property("ShowIcon", &S::SetShowIcon),
            SubObject("DefCaptionFont", &S::DefCaptionFont, "TFont"),
            SubObject("DefInActiveCaptionFont", &S::DefInActiveCaptionFont, "TFont"),
            Property("MinWidth", &S::SetMinWidth),
            Property("MinHeight", &S::SetMinHeight),
            Property("MaxWidth", &S::SetMaxWidth),
            Property("MaxHeight", &S::SetMaxHeight),
            Property("ClientWidth", &S::SetClientWidth),
            Property("ClientHeight", &S::SetClientHeight),
            Property("AlwaysResize", &S::SetAlwaysResize),
            Property("MaximizeOnFullScreen", &S::SetMaximizeOnFullScreen),
            Property("PositionInMonitor", &S::SetPositionInMonitor),
            Property("Magnetic", &S::SetMagnetic),
            Property("MagneticSize", &S::SetMagneticSize),
            Property("HideCaptionButtons", &S::SetHideCaptionButtons),
            Property("DisableSystemMenu", &S::SetDisableSystemMenu),
            Property("UseDefaultSysMenu", &S::SetUseDefaultSysMenu),
            Property("SystemMenu", &S::SetSystemMenu),
            Property("UseFormCursorInNCArea", &S::SetUseFormCursorInNCArea),
            Property("ClientInActiveEffect", &S::SetClientInActiveEffect),
            Property("ClientInActiveEffectType", &S::SetClientInActiveEffectType),
            Property("AlphaBlend", &S::SetAlphaBlend),
            Property("AlphaBlendValue", &S::SetAlphaBlendValue),
            Property("AlphaBlendAnimation", &S::SetAlphaBlendAnimation),
            Property("LogoBitMapTransparent", &S::SetLogoBitMapTransparent),
            Property("ShowObjectHint", &S::SetShowObjectHint),
            Property("UseDefaultObjectHint", &S::SetUseDefaultObjectHint),
            Property("SkinHint", &S::SetSkinHint),
            Property("DefMenuItemHeight", &S::SetDefMenuItemHeight),
            SubObject("DefMenuItemFont", &S::DefMenuItemFont, "TFont"),
            Property("UseSkinFontInMenu", &S::SetUseSkinFontInMenu),
            Property("MenusAlphaBlend", &S::SetMenusAlphaBlend),
            Property("MenusAlphaBlendAnimation", &S::SetMenusAlphaBlendAnimation),
            Property("MenusAlphaBlendValue", &S::SetMenusAlphaBlendValue),
            Property("MaxMenuItemsInWindow", &S::SetMaxMenuItemsInWindow),
            Property("QuickButtonsShowHint", &S::SetQuickButtonsShowHint),
            Property("QuickButtonsShowDivider", &S::SetQuickButtonsShowDivider),
            Property("AlwaysShowInTray", &S::SetAlwaysShowInTray),
            Property("AlwaysMinimizeToTray", &S::SetAlwaysMinimizeToTray),
        });
}

void RegisterSkinFrameClasses() {
    static const bool registered = [] {
        framework::RegisterPersistentClass(TbsSkinForm::Published());
        return true;
    }();
    (void)registered;
}

// --- Small helpers ----------------------------------------------------------------------------------

HWND TbsSkinForm::Window() const {
    return form_ && form_->HandleAllocated() ? form_->Handle() : nullptr;
}

bool TbsSkinForm::Skinned() const {
    return skinApplied_ && skinData_ && !skinData_->Empty();
}

bool TbsSkinForm::BorderStyleNone() const {
    return form_->BorderStyle() == framework::TFormBorderStyle::bsNone;
}

bool TbsSkinForm::ToolWindow() const {
    const auto style = form_->BorderStyle();
    return style == framework::TFormBorderStyle::bsToolWindow ||
           style == framework::TFormBorderStyle::bsSizeToolWin;
}

Size TbsSkinForm::WindowSize() const {
    Rect r;
    if (HWND window = Window(); window && GetWindowRect(window, &r))
        return {r.width(), r.height()};
    return {form_->Width(), form_->Height()};
}

void TbsSkinForm::TakeWindowSize() {
    const Size s = WindowSize();
    frameWidth_ = s.cx;
    frameHeight_ = s.cy;
}

void TbsSkinForm::PassOn(framework::TMessage& message) {
    if (previous_)
        previous_(message);
}

void TbsSkinForm::SendNcPaint() {
    if (HWND window = Window())
        SendMessage(window, WM_NCPAINT, 1, 0);
}

int32_t TbsSkinForm::FindObjectIndex(const TbsActiveSkinObject* object) const {
    for (size_t i = 0; i < objects_.size(); ++i)
        if (objects_[i].get() == object)
            return int32_t(i);
    return -1;
}

TbsActiveSkinObject* TbsSkinForm::FindObject(std::string_view idName) const {
    for (const auto& o : objects_)
        if (o->IDName() == idName)
            return o.get();
    return nullptr;
}

// --- Geometry and layout ----------------------------------------------------------------------------

void TbsSkinForm::CalcFrameGeometry() {
    if (!skinData_ || skinData_->Empty())
        return;
    if (frameWidth_ == 0 || frameHeight_ == 0) {
        const Size s = WindowSize();
        if (frameWidth_ == 0)
            frameWidth_ = s.cx;
        if (frameHeight_ == 0)
            frameHeight_ = s.cy;
    }
    const framework::TBitmap& picture = skinData_->FramePicture();
    geometry_ = skin::CalcFrameGeometry(skinData_->FormInfo(), {picture.Width(), picture.Height()},
                                        {frameWidth_, frameHeight_});
}

std::vector<FrameObjectPlacement> TbsSkinForm::Placements() const {
    std::vector<FrameObjectPlacement> placements;
    placements.reserve(objects_.size());
    for (const auto& o : objects_) placements.push_back(o->Placement());
    return placements;
}

void TbsSkinForm::ApplyPlacements(const std::vector<FrameObjectPlacement>& placements) {
    for (size_t i = 0; i < objects_.size() && i < placements.size(); ++i)
        objects_[i]->ObjectRect = placements[i].rect;
}

void TbsSkinForm::LayoutObjects() {
    if (LayeredBorderDrawsFrame())
        return;
    std::vector<FrameObjectPlacement> placements = Placements();
    const std::optional<Size> icon = showIcon_ ? std::optional(SmallIconSize()) : std::nullopt;
    LayoutFrameObjects(geometry_, placements, icon);
    ApplyPlacements(placements);
}

// --- Frame objects ----------------------------------------------------------------------------------

void TbsSkinForm::FreeObjects() {
    hotIndex_ = previousHotIndex_ = capturedIndex_ = -1;
    objects_.clear();
}

void TbsSkinForm::CreateSkinObjects() {
    FreeObjects();
    if (!skinData_)
        return;
    for (const auto& record : skinData_->SkinObjects())
        if (auto object = MakeFrameObject(*this, *record))
            objects_.push_back(std::move(object));
}

void TbsSkinForm::MakeDefaultButtons() {
    for (TStdCommand command : {TStdCommand::cmClose, TStdCommand::cmMaximize, TStdCommand::cmMinimize,
                                TStdCommand::cmRollUp, TStdCommand::cmMinimizeToTray, TStdCommand::cmSysMenu})
        objects_.push_back(std::make_unique<TbsSkinStdButtonObject>(*this, command));
    UpdateButtonStates();
}

void TbsSkinForm::UpdateButtonStates() {
    const CaptionButtonSettings settings{borderIcons_, hideCaptionButtons_, disableSystemMenu_};
    for (const auto& o : objects_) {
        const std::optional<TStdCommand> command = o->Command();
        const auto* animate = dynamic_cast<const TbsSkinAnimateObject*>(o.get());
        if (!command || (animate && !animate->AnimateRecord().ButtonStyle))
            continue;
        std::optional<bool> custom;
        if (*command == TStdCommand::cmDefault) {
            bool visible = false;
            if (OnActivateCustomObject)
                OnActivateCustomObject(o->IDName(), visible);
            custom = visible;
        }
        const ButtonState state = CaptionButtonState(*command, o->Record().SkinRectInAPicture, settings,
                                                     {o->Enabled, o->Visible}, custom);
        o->Enabled = state.enabled;
        o->Visible = state.visible;
    }
    UpdateDefaultHints();
}

void TbsSkinForm::UpdateDefaultHints() {
    if (!useDefaultObjectHint_ || !skinData_)
        return;
    for (const auto& o : objects_) {
        const std::optional<TStdCommand> command = o->Command();
        if (!command)
            continue;
        if (const auto hints = DefaultButtonHints(*command, skinData_)) {
            o->SetHint(hints->normal);
            if (auto* button = dynamic_cast<TbsSkinStdButtonObject*>(o.get()))
                button->SetRestoreHint(hints->restore);
        }
    }
}

void TbsSkinForm::ResetHoverStates() {
    layerBorder_->EndHover();
    for (const auto& o : objects_) {
        if (o->Kind() == FrameObjectKind::Caption)
            continue;
        o->Active = false;
        o->MouseIn = false;
        o->MorphFactor = 0;
        if (auto* animate = dynamic_cast<TbsSkinAnimateObject*>(o.get()))
            animate->Frame = 1;
    }
}

void TbsSkinForm::SetCaptionActive(bool animate) {
    const bool active = IsFormActive();
    for (const auto& o : objects_) {
        auto* caption = dynamic_cast<TbsSkinCaptionObject*>(o.get());
        if (!caption || caption->Active == active)
            continue;
        caption->Active = active;
        if (animate) {
            if (caption->Animates()) {
                const TbsDataSkinCaption& r = caption->CaptionRecord();
                caption->TimeAccumulator = 25;
                caption->AnimationFrame = active ? 1 : (r.InActiveAnimation ? r.FrameCount : 0);
                animationTimer_->SetEnabled(true);
            }
            SendNcPaint();
            if (caption->CanMorph())
                morphTimer_->SetEnabled(true);
        } else {
            caption->MorphFactor = active ? 1 : 0;
        }
        break;
    }
    const framework::TNotifyEvent& event = active ? OnActivate : OnDeActivate;
    if (event)
        event(this);
}

void TbsSkinForm::MorphStep() {
    bool stepped = false;
    for (const auto& o : objects_) {
        if (!o->CanMorph() || !o->NeedsMorphStep())
            continue;
        stepped = true;
        o->MorphFactor = std::clamp(o->MorphFactor + (o->Active ? 0.2 : -0.2), 0.0, 1.0);
        RedrawObject(*o);
    }
    if (!stepped)
        morphTimer_->SetEnabled(false);
}

// --- What objects draw with -------------------------------------------------------------------------

std::u16string TbsSkinForm::CaptionText() const {
    return Utf16FromUtf8(form_->Caption());
}

LOGFONT TbsSkinForm::CaptionFont(const TbsDataSkinCaption& caption) const {
    const SkinFontKeys keys{caption.FontName, caption.FontHeight, caption.FontStyle};
    return ApplySkinFont(&keys, true, defCaptionFont_.LogFont(), skinData_);
}

HICON TbsSkinForm::SmallIcon() const {
    // Forms and the application carry no icon of their own here: the platform's application icon.
    if (!smallIcon_) {
        const Size s = SmallIconSize();
        smallIcon_ =
            CopyImage(LoadIcon(nullptr, IDI_APPLICATION), IMAGE_ICON, s.cx, s.cy, LR_COPYFROMRESOURCE);
    }
    return smallIcon_;
}

Size TbsSkinForm::SmallIconSize() const {
    const int32_t cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
    if (cx == 0 || cy == 0)
        return {GetSystemMetrics(SM_CXSIZE), GetSystemMetrics(SM_CYSIZE)};
    return {cx, cy};
}

// --- Window behaviour -------------------------------------------------------------------------------

bool TbsSkinForm::IsFormActive() const {
    // The platform announces a change of activation (WM_NCACTIVATE) before the active window
    // changes, so the frame follows that announcement.
    return frameActive_;
}

bool TbsSkinForm::IsResizable() const {
    const auto style = form_->BorderStyle();
    return alwaysResize_ || style == framework::TFormBorderStyle::bsSizeable ||
           style == framework::TFormBorderStyle::bsSizeToolWin;
}

int32_t TbsSkinForm::MinFormWidth() const {
    const bool minimized = formState_ == TbsFormState::Minimized;
    if (!Skinned())
        return minWidth_ > 0 ? minWidth_ : 120;
    const int32_t pw = skinData_->FramePicture().Width();
    const int32_t skinMin = skinData_->FormInfo().FormMinWidth;
    if (pw < minWidth_ && !minimized)
        return minWidth_;
    if (skinMin > 0)
        return skinMin >= minWidth_ || minimized ? skinMin : minWidth_;
    return pw;
}

int32_t TbsSkinForm::MinFormHeight() const {
    const bool small = rolledUp_ || formState_ == TbsFormState::Minimized;
    auto atLeastMinHeight = [&](int32_t own) { return own >= minHeight_ || small ? own : minHeight_; };
    if (LayeredBorderDrawsFrame() && Skinned()) {
        // The border above the window carries the caption: the window may be as low as this.
        constexpr int32_t kFullBorderMinHeight = 10;
        const int32_t own =
            skinData_->FramePicture().Height() - HeightOfRect(skinData_->FormInfo().ClientRect);
        return own >= minHeight_ || small ? kFullBorderMinHeight : minHeight_;
    }
    if (!Skinned())
        return atLeastMinHeight(DefaultFrameMetricsFor(ToolWindow()).captionHeight + 6);
    const int32_t skinMin = skinData_->FormInfo().FormMinHeight;
    if (skinMin != 0)
        return minHeight_ > skinMin && !small ? minHeight_ : skinMin;
    return atLeastMinHeight(skinData_->FramePicture().Height() -
                            HeightOfRect(skinData_->FormInfo().ClientRect));
}

int32_t TbsSkinForm::MaxFormWidth() const {
    if (maxWidth_ != 0)
        return maxWidth_;
    Rect area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    MonitorAreaOf(Window(), !maximizeOnFullScreen_, area);
    return area.width();
}

int32_t TbsSkinForm::MaxFormHeight() const {
    if (maxHeight_ != 0)
        return maxHeight_;
    Rect area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    MonitorAreaOf(Window(), !maximizeOnFullScreen_, area);
    return area.height();
}

void TbsSkinForm::ForceFrameRecalc() {
    HWND window = Window();
    if (!window)
        return;
    Rect r;
    GetWindowRect(window, &r);
    const int32_t w = r.width(), h = r.height();
    const int32_t step = w - 1 < MinFormWidth() ? 1 : -1;
    const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
    SetWindowPos(window, nullptr, 0, 0, w + step, h, flags);
    SetWindowPos(window, nullptr, 0, 0, w, h, flags);
}

}  // namespace skin
