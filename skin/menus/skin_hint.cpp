#include "skin/menus/skin_hint.h"

#include <algorithm>
#include <vector>

#include "framework/forms/form.h"
#include "framework/graphics/image_list.h"
#include "platform/window/input.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skinned_control.h"
#include "skin/data/skin_data.h"
#include "skin/menus/skin_hint_window.h"

namespace skin {

using framework::TComponent;
using framework::THintInfo;

namespace {

// Below the pointer's shape, which reaches about 20 pixels below its hot spot.
constexpr int32_t kBelowPointer = 20;

// Every TbsSkinHint alive, in the order they were made.
std::vector<TbsSkinHint*>& LiveHints() {
    static std::vector<TbsSkinHint*> hints;
    return hints;
}

bool IsLive(const TbsSkinHint* hint) {
    const auto& live = LiveHints();
    return std::find(live.begin(), live.end(), hint) != live.end();
}

// What the application had before the first TbsSkinHint, given back after the last.
struct ApplicationHints {
    bool saved = false;
    framework::THintWindowClass windowClass;
    framework::TShowHintEvent showHint;
};
ApplicationHints& Before() {
    static ApplicationHints before;
    return before;
}

bool Designing(const TComponent& c) {
    return c.InState(framework::csDesigning);
}

}  // namespace

// The application's show-hint handler while a TbsSkinHint has it.
struct SkinHintHandler {
    TbsSkinHint* hint;
    void operator()(std::string& text, bool& canShow, THintInfo& info) const {
        hint->HandleShowHint(text, canShow, info);
    }
};

TbsSkinHint* FindActiveSkinHint() {
    using framework::Application;
    if (Application && Application->MainForm()) {
        const framework::TForm* main = Application->MainForm();
        for (int i = 0; i < main->ComponentCount(); ++i)
            if (auto* hint = dynamic_cast<TbsSkinHint*>(main->Components(i));
                hint && IsLive(hint) && hint->Active())
                return hint;
    }
    for (TbsSkinHint* hint : LiveHints())
        if (hint->Active())
            return hint;
    return nullptr;
}

bool AnySkinHint() {
    return !LiveHints().empty();
}

TbsSkinHint::TbsSkinHint(TComponent* owner) : TComponent(owner) {
    LiveHints().push_back(this);
    using framework::Application;
    if (Designing(*this) || !Application)
        return;
    if (!Before().saved)
        Before() = {true, Application->HintWindowClass(), Application->OnShowHint};
    Application->SetHintWindowClass([](TComponent* windowOwner) -> framework::THintWindow* {
        return new TbsSkinHintWindow(windowOwner);
    });
    // The application makes its hint window anew, of the new class.
    const bool showHint = Application->ShowHint();
    Application->SetShowHint(false);
    Application->SetShowHint(showHint);
    InstallShowHintHandler();
    Application->SetHintShortPause(100);
}

TbsSkinHint::~TbsSkinHint() {
    HideHintText();
    std::erase(LiveHints(), this);
    ForgetSkinHint(this);
    using framework::Application;
    if (!Application)
        return;
    const SkinHintHandler* handler = Application->OnShowHint.target<SkinHintHandler>();
    if (handler && handler->hint == this) {
        if (TbsSkinHint* other = FindActiveSkinHint())
            other->InstallShowHintHandler();
        else
            Application->OnShowHint = Before().showHint;
    }
    if (LiveHints().empty() && Before().saved) {
        Application->SetHintWindowClass(Before().windowClass);
        Before() = {};
    }
}

void TbsSkinHint::SetActive(bool active) {
    active_ = active;
    if (!active)
        return;
    using framework::Application;
    if (Application && Application->MainForm()) {
        const framework::TForm* main = Application->MainForm();
        for (int i = 0; i < main->ComponentCount(); ++i)
            if (auto* other = dynamic_cast<TbsSkinHint*>(main->Components(i)); other && other != this)
                other->active_ = false;
    }
    if (!Designing(*this))
        InstallShowHintHandler();
}

void TbsSkinHint::SetSkinData(TbsSkinData* data) {
    LinkSkinData(*this, skinData_, data);
}

void TbsSkinHint::SetAlphaBlendValue(int32_t value) {
    alphaValue_ = uint8_t(std::clamp(value, 0, 255));
}

void TbsSkinHint::Notification(TComponent* component, framework::Operation operation) {
    TComponent::Notification(component, operation);
    if (operation != framework::Operation::opRemove)
        return;
    if (component == skinData_)
        skinData_ = nullptr;
    if (component == hintImages_)
        hintImages_ = nullptr;
}

void TbsSkinHint::InstallShowHintHandler() {
    if (framework::Application)
        framework::Application->OnShowHint = SkinHintHandler{this};
}

void TbsSkinHint::ClearHintDetails() {
    hintTitle_.clear();
    if (hintImages_)
        hintImages_->RemoveFreeNotification(this);
    hintImages_ = nullptr;
    hintImageIndex_ = -1;
}

void TbsSkinHint::HandleShowHint(std::string& text, bool& canShow, THintInfo& info) {
    ClearHintDetails();
    if (const auto* control = dynamic_cast<const TbsSkinControl*>(info.HintControl)) {
        hintTitle_ = control->HintTitle();
        hintImageIndex_ = control->HintImageIndex();
        hintImages_ = control->HintImageList();
        if (hintImages_)
            hintImages_->FreeNotification(this);
    }
    if (framework::TShowHintEvent handler = OnShowHint)
        handler(text, canShow, info);
}

TbsSkinHintWindow& TbsSkinHint::HintWindow() {
    if (!window_)
        window_ = new TbsSkinHintWindow(this, this);
    return *window_;
}

void TbsSkinHint::ShowHintText(const std::string& text) {
    HideHintText();
    hintText_ = text;
    if (!hintTimer_) {
        hintTimer_ = new framework::TTimer(this);
        hintTimer_->SetEnabled(false);
        hintTimer_->SetOnTimer([this](framework::TObject*) { HintTimerFired(); });
    }
    const int pause = framework::Application ? framework::Application->HintPause() : 500;
    hintTimer_->SetInterval(uint32_t(std::max(pause, 1)));
    hintTimer_->SetEnabled(true);
}

void TbsSkinHint::HintTimerFired() {
    hintTimer_->SetEnabled(false);
    if (hintShown_) {
        HideHintText();
        return;
    }
    platform::Point pointer;
    platform::GetCursorPos(&pointer);
    HintWindow().ActivateHint(platform::rectOfSize(pointer.X, pointer.Y + kBelowPointer, 0, 0), hintText_);
    hintShown_ = true;
    const int hide = framework::Application ? framework::Application->HintHidePause() : 2500;
    hintTimer_->SetInterval(uint32_t(std::max(hide, 1)));
    hintTimer_->SetEnabled(true);
}

void TbsSkinHint::HideHintText() {
    if (hintTimer_)
        hintTimer_->SetEnabled(false);
    if (window_ && window_->HintShowing())
        window_->ReleaseHintWindow();
    hintShown_ = false;
    ClearHintDetails();
}

}  // namespace skin
