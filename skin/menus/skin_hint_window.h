// TbsSkinHintWindow: the application's hint window in the skin's look. Each time a hint shows it
// looks up the active TbsSkinHint (skin_hint.h) and draws the hint in that component's skin: the
// HINTWINDOW picture as a nine-part frame around the text in the record's font (shaped by its
// mask), or the built-in look (info colours, a one-pixel frame) when the component has no skin.
// Without an active component nothing shows. A hint whose control gave a title or an image (the
// skinned controls do) shows the title above the text and the image on their left.
#pragma once

#include <cstdint>
#include <string>

#include "framework/forms/hint_window.h"
#include "platform/geometry.h"
#include "skin/render/nine_part_layout.h"

namespace framework {
class TImageList;
}

namespace skin {

class TbsSkinHint;

class TbsSkinHintWindow : public framework::THintWindow {
  public:
    // A window of the application (its hint window class) looks up the active component at each
    // hint; a component's own window for requested hints names it.
    explicit TbsSkinHintWindow(framework::TComponent* owner, TbsSkinHint* component = nullptr);
    ~TbsSkinHintWindow() override;

    // The size ActivateHint will give the hint (the width is not limited: lines break only where
    // the text breaks them).
    platform::Rect CalcHintRect(int maxWidth, const std::string& hint) override;
    // Shows the hint with its top-left corner at rect's, kept inside the screen's work area.
    void ActivateHint(platform::Rect rect, const std::string& hint) override;

    // What the last hint showed (window coordinates), for tools and tests.
    bool Skinned() const { return skinned_; }
    const NinePartLayout& Layout() const { return layout_; }
    platform::Rect TextRect() const;
    bool Layered() const { return layered_; }
    uint8_t AppliedAlpha() const { return alpha_; }

    // The component goes: a hint shown for it hides.
    void Forget(const TbsSkinHint* hint);

  protected:
    void CreateParams(framework::TCreateParams& params) override;
    void Dispatch(framework::TMessage& message) override;
    void Paint() override;

  private:
    struct Measured {
        platform::Size text;
        platform::Size title;
        platform::Size image;
    };
    TbsSkinHint* Component() const;
    // A hint with a title or an image.
    bool Variant() const;
    void Prepare(const TbsSkinHint& hint, const std::string& text);
    Measured Measure();
    platform::Size ContentSize(const Measured& m) const;
    platform::Size SizeFor(const Measured& m);
    void ApplyLayering(const TbsSkinHint& hint);
    void ApplyRegion();
    platform::Rect Limit() const;
    void PaintContent(framework::TCanvas& canvas);

    TbsSkinHint* fixed_;
    const TbsSkinHint* shownFor_ = nullptr;  // the component of the hint shown now
    bool skinned_ = false;
    std::string title_;
    framework::TImageList* images_ = nullptr;
    int imageIndex_ = -1;
    Measured measured_;
    NinePartLayout layout_;
    bool layered_ = false;
    uint8_t alpha_ = 255;
    bool alphaApplied_ = false;
};

// Every skinned hint window forgets a component that goes.
void ForgetSkinHint(const TbsSkinHint* hint);

}  // namespace skin
