// A panel: a plain container with an optional bevel, an optional one-pixel frame and a caption.
// The filter panel of the search window is flat: no bevel, a one-pixel frame.
#pragma once

#include "framework/controls/win_control.h"
#include "framework/core/properties.h"

namespace framework {

enum class TPanelBevel { bvNone, bvLowered, bvRaised };
enum class TBorderStyle { bsNone, bsSingle };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* owner);
    static PersistentClass Published();

    TPanelBevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TPanelBevel bevel);
    TPanelBevel BevelInner() const { return bevelInner_; }
    void SetBevelInner(TPanelBevel bevel);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

protected:
    void Paint() override;
    void AdjustClientRect(Rect& rect) override;

private:
    int BorderWidth() const;

    TPanelBevel bevelOuter_ = TPanelBevel::bvRaised;
    TPanelBevel bevelInner_ = TPanelBevel::bvNone;
    int bevelWidth_ = 1;
    TBorderStyle borderStyle_ = TBorderStyle::bsNone;
    TAlignment alignment_ = TAlignment::taCenter;
};

template <>
struct EnumNames<TPanelBevel> {
    static constexpr std::array names{"bvNone", "bvLowered", "bvRaised"};
    static_assert(names.size() == size_t(TPanelBevel::bvRaised) + 1);
};
template <>
struct EnumNames<TBorderStyle> {
    static constexpr std::array names{"bsNone", "bsSingle"};
    static_assert(names.size() == size_t(TBorderStyle::bsSingle) + 1);
};
template <>
struct EnumNames<TAlignment> {
    static constexpr std::array names{"taLeftJustify", "taRightJustify", "taCenter"};
    static_assert(names.size() == size_t(TAlignment::taCenter) + 1);
};

}  // namespace framework
