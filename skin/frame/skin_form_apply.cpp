// Keeping the frame in step with the skin and the window: applying a skin, rebuilding geometry,
// layout and region after size changes, live sizing, activation, showing with the fade-in, the
// skin change with its hand-over to the form's skinned controls, and switching the skin off and on.
#include <algorithm>

#include "framework/forms/application.h"
#include "platform/gfx/region.h"
#include "platform/window/message_loop.h"
#include "platform/window/messages.h"
#include "platform/window/metrics.h"
#include "platform/window/painting.h"
#include "platform/window/styles.h"
#include "platform/window/timers.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"
#include "skin/controls/skinned_control.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/frame/skin_form.h"
#include "skin/render/layered_windows.h"
#include "skin/render/mask_region.h"
#include "skin/render/monitor_area.h"
#include "skin/render/rect_helpers.h"

namespace skin {

using namespace platform;
using framework::TMessage;

// --- Applying a skin ----------------------------------------------------------------------------------

void TbsSkinForm::ApplySkin() {
    hotIndex_ = previousHotIndex_ = capturedIndex_ = -1;
    skinApplied_ = skinData_ && !skinData_->Empty() &&
                   FrameSkinUsable(skinData_->FormInfo(),
                                   {skinData_->FramePicture().Width(), skinData_->FramePicture().Height()});
    captionGlow_.HideLayer();
    menuButtonGlow_.HideLayer();
    layerBorder_->Hide();
    if (skinApplied_ && skinnable_) {
        CreateSkinObjects();
        UpdateButtonStates();
        layerBorder_->Prepare(skinData_);
    } else {
        layerBorder_->Prepare(nullptr);
    }
    // The mode is taken as it is now; everything below is built for it.
    layerDrawsFrame_ = LayerDrawsFrameNow();
    if (!skinApplied_ || !skinnable_) {
        FreeObjects();
        TakeWindowSize();
        UpdateRegion(true);
    }
    if (skinnable_) {
        form_->SetBorderIcons({});
    } else {
        framework::TBorderIcons icons;
        if (!hideCaptionButtons_)
            icons.insert(framework::TBorderIcon::biSystemMenu);
        if (borderIcons_.contains(TbsBorderIcon::biMinimize))
            icons.insert(framework::TBorderIcon::biMinimize);
        if (borderIcons_.contains(TbsBorderIcon::biMaximize))
            icons.insert(framework::TBorderIcon::biMaximize);
        form_->SetBorderIcons(icons);
    }
    FitToSizeLimits();
    TakeWindowSize();
    if (skinApplied_)
        UpdateFrame(true);
    form_->Invalidate();
    SetCaptionActive(true);
    mouseTrackTimer_->SetEnabled(true);
    if (OnChangeSkinData)
        OnChangeSkinData(this);
    if (!rolledUp_) {
        if (clientWidth_ > 0)
            form_->SetClientWidth(clientWidth_);
        if (clientHeight_ > 0)
            form_->SetClientHeight(clientHeight_);
    }
    LayerBorderFollows();
}

void TbsSkinForm::FitToSizeLimits() {
    HWND window = Window();
    if (!window)
        return;
    const Size now = WindowSize();
    const int32_t minW = MinFormWidth(), minH = MinFormHeight();
    const Rect bounds = form_->BoundsRect();
    if (now.cx < minW && now.cy < minH)
        form_->SetBounds(bounds.Left, bounds.Top, minW, minH);
    else if (now.cy < minH)
        form_->SetHeight(minH);
    else if (now.cx < minW)
        form_->SetWidth(minW);
    else
        ForceFrameRecalc();
    if ((rolledUp_ || formState_ == TbsFormState::Minimized) && form_->Height() != minH)
        form_->SetHeight(minH);
    if (formState_ == TbsFormState::Minimized && form_->Width() != minW)
        form_->SetWidth(minW);
}

void TbsSkinForm::UpdateFrame(bool rebuild) {
    if (Designing() || !skinData_ || skinData_->Empty())
        return;
    if (skinnable_) {
        CalcFrameGeometry();
        if (rebuild)
            LayoutObjects();
    }
    UpdateRegion(rebuild);
    if (!windowRegion_ && skinnable_ && !BorderStyleNone())
        SendNcPaint();
    if (skinApplied_ && skinData_->FormInfo().StretchEffect) {
        form_->Invalidate();
        for (int i = 0; i < form_->ControlCount(); ++i)
            if (auto* child = dynamic_cast<framework::TWinControl*>(form_->Controls(i));
                child && child->HandleAllocated())
                SendMessage(child->Handle(), SKM_PARENTCHANGED, 0, 0);
    }
}

void TbsSkinForm::SetRegion(HRGN region) {
    HWND window = Window();
    if (!window) {
        if (region)
            DeleteObject(region);
        return;
    }
    // The window owns the region from here on and frees the one it had.
    if (!SetWindowRgn(window, region, true) && region)
        DeleteObject(region);
    windowRegion_ = region;
}

void TbsSkinForm::UpdateRegion(bool rebuild) {
    if (!Window())
        return;
    const Rect whole{0, 0, frameWidth_ > 0 ? frameWidth_ : WindowSize().cx,
                     frameHeight_ > 0 ? frameHeight_ : WindowSize().cy};
    auto rectangle = [&] { SetRegion(CreateRectRgn(whole.Left, whole.Top, whole.Right, whole.Bottom)); };
    if (!skinnable_ || BorderStyleNone()) {
        SetRegion(nullptr);
        return;
    }
    if (LayeredBorderDrawsFrame()) {
        SetRegion(CreateRectRgn(0, 0, whole.Right, FullBorderShownHeight(whole.Bottom)));
        return;
    }
    if (!skinData_ || skinData_->Empty() || !skinApplied_) {
        maskStrips_ = FrameStrips{};
        rectangle();
        return;
    }
    const Picture& mask = skinData_->FrameMask().Surface();
    if (mask.isEmpty()) {
        rectangle();
        return;
    }
    if (!rebuild) {
        if (HRGN region = RegionFromMask(mask))
            SetRegion(region);
        return;
    }
    const TbsFormInfo& info = skinData_->FormInfo();
    const NinePartLayout maskLayout{info.LeftTopPoint, info.RightTopPoint, info.LeftBottomPoint,
                                    info.RightBottomPoint, info.MaskRectArea};
    NinePartLayout target = geometry_.newLayout;
    target.Cl = geometry_.maskArea;
    HRGN region = BuildFrameRegion(maskLayout, target, mask, {whole.width(), whole.height()}, &maskStrips_);
    if (region)
        SetRegion(region);
    else
        rectangle();
}

// --- Size changes -------------------------------------------------------------------------------------

void TbsSkinForm::SizeChanged(TMessage& message) {
    magneticEdges_.Unstick();
    if (inSizeMove_ && dragFullWindows_) {
        if (!logo_.Empty())
            form_->Invalidate();
        PassOn(message);
        return;
    }
    PassOn(message);
    TakeWindowSize();
    // A skin data component that went away (or a skin now empty) leaves the plain frame from here.
    skinApplied_ = skinApplied_ && skinData_ && !skinData_->Empty();
    if (skinApplied_) {
        if (skinnable_ && frameWidth_ >= MinFormWidth() && frameHeight_ >= MinFormHeight()) {
            layerBorder_->Update();
            UpdateFrame(true);
        }
    } else if (skinnable_) {
        if (objects_.size() && skinData_ == nullptr)
            FreeObjects();
        UpdateRegion(true);
        SendNcPaint();
    }
    if (alphaBlend_ && alphaBlendValue_ < 255 && layeringSupported_) {
        SendNcPaint();
        form_->Invalidate();
    }
    if (!logo_.Empty())
        form_->Invalidate();
}

void TbsSkinForm::Sizing(TMessage& message) {
    magneticEdges_.Unstick();
    if (!inSizeMove_ || !dragFullWindows_ || !message.LParam) {
        PassOn(message);
        return;
    }
    liveSizing_ = true;
    PassOn(message);
    const Rect proposed = *reinterpret_cast<const Rect*>(message.LParam);
    frameWidth_ = std::max(proposed.width(), MinFormWidth());
    frameHeight_ = std::max(proposed.height(), MinFormHeight());
    if (!skinData_ || (skinData_->Empty() && skinnable_)) {
        UpdateRegion(true);
        return;
    }
    const Size now = WindowSize();
    if (skinnable_ && now.cx >= MinFormWidth() && now.cy >= MinFormHeight() &&
        (now.cx != proposed.width() || now.cy != proposed.height())) {
        layerBorder_->Update(proposed);
        UpdateFrame(true);
    }
}

// --- Activation and showing ---------------------------------------------------------------------------

void TbsSkinForm::NcActivate(TMessage& message) {
    captionGlow_.HideLayer();
    menuButtonGlow_.HideLayer();
    frameActive_ = message.WParam != 0;
    if (!frameActive_)
        hotIndex_ = -1;
    message.Result = 1;
    FollowLayerFrameMode();
    if (form_->Visible())
        layerBorder_->SetActive(frameActive_, true);
    else
        layerBorder_->Hide();
    if (BorderStyleNone()) {
        SetCaptionActive(false);
    } else {
        SendNcPaint();
        SetCaptionActive(true);
    }
}

void TbsSkinForm::PrepareFadeIn() {
    HWND window = Window();
    if (!window || !layeringSupported_)
        return;
    const bool animateAll = skinData_ && skinData_->AnimationForAllWindows();
    if (animateAll && alphaBlendValue_ == 0)
        alphaBlendValue_ = 255;
    if (!alphaBlend_ && !alphaBlendAnimation_ && !animateAll)
        return;
    if (osVersion6OrLater_)
        SetWindowTransitions(window, false);
    SetWindowLongPtr(window, GWL_EXSTYLE, GetWindowLongPtr(window, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetWindowAlpha(window, 0);
    layerBorder_->SetAlpha(0, true);  // the border fades in with the form
    SetTimer(window, kFadeInTimer, 1);
}

void TbsSkinForm::ShowWindowMessage(TMessage& message) {
    if (message.WParam) {
        if (firstShow_ && positionInMonitor_ != TbsPositionInMonitor::bspDefault &&
            formState_ == TbsFormState::Normal) {
            Rect area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
            MonitorAreaOf(Window(), positionInMonitor_ == TbsPositionInMonitor::bspDesktopCenter, area);
            const Size s = WindowSize();
            form_->SetBounds(area.Left + area.width() / 2 - s.cx / 2, area.Top + area.height() / 2 - s.cy / 2,
                             s.cx, s.cy);
        }
        firstShow_ = false;
        PrepareFadeIn();
        if (skinnable_)
            ForceFrameRecalc();
    } else if (skinnable_) {
        captionGlow_.HideLayer();
        menuButtonGlow_.HideLayer();
    }
    PassOn(message);
}

void TbsSkinForm::FadeInStep() {
    HWND window = Window();
    if (!window)
        return;
    KillTimer(window, kFadeInTimer);
    const bool animateAll = skinData_ && skinData_->AnimationForAllWindows();
    const uint8_t target = (alphaBlendAnimation_ || animateAll) && !alphaBlend_ ? 255 : alphaBlendValue_;
    if (alphaBlendAnimation_ || animateAll) {
        if (framework::Application)
            framework::Application->ProcessMessages();
        else
            ProcessPendingMessages();
        if (!IsWindow(window))
            return;
        const int step = std::max(1, target / 15);
        int alpha = 0;
        DWORD last = GetTickCount();
        while (alpha < target) {
            if (GetTickCount() - last <= 5)
                continue;
            last = GetTickCount();
            alpha = std::min<int>(alpha + step, target);
            SetWindowAlpha(window, uint8_t(alpha));
            layerBorder_->SetAlpha(uint8_t(alpha), true);
        }
    } else if (target < 255) {
        SetWindowAlpha(window, target);
    }
    layerBorder_->SetAlpha(255, true);
    if (target == 255)
        SetWindowLongPtr(window, GWL_EXSTYLE,
                         GetWindowLongPtr(window, GWL_EXSTYLE) & ~LONG_PTR(WS_EX_LAYERED));
}

// --- Skin changes -------------------------------------------------------------------------------------

void TbsSkinForm::HandOverSkinChange(const TbsSkinData* sender, bool before) {
    NotifySkinnedControls(*form_, sender, before ? SkinChangeStep::Before : SkinChangeStep::After);
}

void TbsSkinForm::SkinChange(uint32_t message, TbsSkinData* sender) {
    switch (message) {
        case SKM_BEFORECHANGESKINDATA:
            if (sender != skinData_ || !sender)
                return;
            changingSkin_ = true;
            skinApplied_ = false;
            layerBorder_->Hide();
            for (framework::TTimer* timer : {mouseTrackTimer_, morphTimer_, animationTimer_})
                timer->SetEnabled(false);
            FreeObjects();
            HandOverSkinChange(sender, true);
            if (OnBeforeChangeSkinData)
                OnBeforeChangeSkinData(this);
            return;
        case SKM_CHANGESKINDATA:
            changingSkin_ = false;
            if (sender && sender == skinData_)
                ApplySkin();
            if (sender)
                HandOverSkinChange(sender, false);
            return;
        case SKM_AFTERCHANGESKINDATA:
            if (OnAfterChangeSkinData)
                OnAfterChangeSkinData(this);
            return;
        default:
            return;
    }
}

void TbsSkinForm::SkinnableChanged() {
    const bool next = skinData_->SkinnableForm();
    if (next == skinnable_)
        return;
    frameActive_ = form_->Active();
    const bool maximized = skinnable_ ? formState_ == TbsFormState::Maximized
                                      : form_->WindowState() == framework::TWindowState::wsMaximized;
    const bool visible = form_->Visible();
    if (maximized) {
        // Restored before it is hidden: the framework leaves the state of a hidden form alone.
        if (skinnable_)
            ChangeFormState(TbsFormState::Normal);
        else
            form_->SetWindowState(framework::TWindowState::wsNormal);
        form_->Hide();
    }
    skinnable_ = next;
    ApplySkin();
    HandOverSkinChange(skinData_, false);
    form_->SetWindowProc([this](TMessage& m) { SkinWindowProc(m); });
    ForceFrameRecalc();
    form_->Invalidate();
    if (maximized) {
        if (skinnable_)
            ChangeFormState(TbsFormState::Maximized);
        else
            form_->SetWindowState(framework::TWindowState::wsMaximized);
        if (visible)
            form_->Show();
    }
}

}  // namespace skin
