// TbsSkinHint: makes the application's hints skinned. Made at run time, it gives the application
// the skinned hint window class (skin_hint_window.h), has the application make its hint window
// anew, shows hints sooner when moving from one hinted control to the next (100 ms) and installs
// its show-hint handler, which takes the hint title and image of skinned controls. The hints then
// use the first active TbsSkinHint of the main form (or, without one there, the first active one
// made). It can also show a text of its own at the pointer on request (ShowHintText), after the
// application's hint pause and for its hide pause.
//
// When the last TbsSkinHint goes, the application gets its previous hint window class and
// show-hint handler back.
#pragma once

#include <cstdint>
#include <string>

#include "framework/core/component.h"
#include "framework/core/timer.h"
#include "framework/forms/application.h"
#include "framework/graphics/font.h"

namespace framework {
class TImageList;
}

namespace skin {

class TbsSkinData;
class TbsSkinHintWindow;

class TbsSkinHint : public framework::TComponent {
  public:
    explicit TbsSkinHint(framework::TComponent* owner);
    ~TbsSkinHint() override;
    static framework::PersistentClass Published();

    // Setting it clears Active of every other TbsSkinHint of the main form.
    bool Active() const { return active_; }
    void SetActive(bool active);
    TbsSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TbsSkinData* data);
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool value) { alphaBlend_ = value; }
    uint8_t AlphaBlendValue() const { return alphaValue_; }
    void SetAlphaBlendValue(int32_t value);
    bool AlphaBlendAnimation() const { return alphaAnimation_; }
    void SetAlphaBlendAnimation(bool value) { alphaAnimation_ = value; }
    framework::TFont& DefaultFont() { return defaultFont_; }
    const framework::TFont& DefaultFont() const { return defaultFont_; }
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool value) { useSkinFont_ = value; }
    // Where a hint breaks its line ("@"); every one shows as a line break.
    const std::string& LineSeparator() const { return lineSeparator_; }
    void SetLineSeparator(const std::string& separator) { lineSeparator_ = separator; }
    // After the component took what the hinted control gives: the application's hint may still be
    // changed or refused here.
    framework::TShowHintEvent OnShowHint;

    // What the hinted control gave for the hint showing next: a title, an image of a list.
    const std::string& HintTitle() const { return hintTitle_; }
    framework::TImageList* HintImageList() const { return hintImages_; }
    int HintImageIndex() const { return hintImageIndex_; }

    // Shows `text` below the pointer after the application's hint pause, hidden again after its
    // hide pause (or by HideHintText).
    void ShowHintText(const std::string& text);
    void HideHintText();
    // The component's own window, which shows the requested hints.
    TbsSkinHintWindow& HintWindow();

  protected:
    void Notification(framework::TComponent* component, framework::Operation operation) override;

  private:
    friend struct SkinHintHandler;
    void HandleShowHint(std::string& text, bool& canShow, framework::THintInfo& info);
    void InstallShowHintHandler();
    void ClearHintDetails();
    void HintTimerFired();

    bool active_ = true;
    TbsSkinData* skinData_ = nullptr;
    bool alphaBlend_ = false;
    uint8_t alphaValue_ = 0;
    bool alphaAnimation_ = false;
    framework::TFont defaultFont_;
    bool useSkinFont_ = true;
    std::string lineSeparator_ = "@";
    std::string hintTitle_;
    framework::TImageList* hintImages_ = nullptr;
    int hintImageIndex_ = -1;

    TbsSkinHintWindow* window_ = nullptr;
    framework::TTimer* hintTimer_ = nullptr;
    std::string hintText_;
    bool hintShown_ = false;
};

// The component the application's hints show with: the first active TbsSkinHint among the main
// form's components, else the first active one made; null without one.
TbsSkinHint* FindActiveSkinHint();
// Whether any TbsSkinHint exists.
bool AnySkinHint();

}  // namespace skin
