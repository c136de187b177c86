// A label: text drawn on its parent, sized to its text while AutoSize is on. "&x" underlines x
// unless ShowAccelChar is off.
#pragma once

#include "framework/controls/control.h"
#include "framework/controls/panel.h"
#include "framework/core/properties.h"

namespace framework {

enum class TTextLayout { tlTop, tlCenter, tlBottom };

class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);
    static PersistentClass Published();

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout layout);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool show);

protected:
    void Paint() override;
    void Dispatch(TMessage& message) override;
    void Loaded() override;

private:
    uint32_t TextFormat() const;
    void AdjustBounds();

    bool autoSize_ = true;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    TTextLayout layout_ = TTextLayout::tlTop;
    bool transparent_ = false;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
};

template <>
struct EnumNames<TTextLayout> {
    static constexpr std::array names{"tlTop", "tlCenter", "tlBottom"};
    static_assert(names.size() == size_t(TTextLayout::tlBottom) + 1);
};

}  // namespace framework
