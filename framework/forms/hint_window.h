// The hint window: a small top-most popup without activation that shows one hint text. The
// application makes its hint window through its hint window class, so a skin can replace it.
#pragma once

#include <string>

#include "framework/controls/win_control.h"

namespace framework {

class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent* owner);

    // The size the window needs for `hint`, at (0, 0); lines wider than maxWidth wrap.
    virtual Rect CalcHintRect(int maxWidth, const std::string& hint);
    // Shows `hint` in `rect` (screen coordinates), top-most, without taking the activation.
    virtual void ActivateHint(Rect rect, const std::string& hint);
    // Hides the window.
    virtual void ReleaseHintWindow();
    bool HintShowing() const;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void Dispatch(TMessage& message) override;
};

}  // namespace framework
