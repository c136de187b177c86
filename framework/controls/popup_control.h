// A control shown as a top-level popup that never takes the activation: the open list of a
// drop-down list, a level of the plain popup menu, the hint window. It stays hidden until shown
// with ShowPopup, above every other window, and a press on it leaves the activation where it is.
#pragma once

#include "framework/controls/win_control.h"

namespace framework {

class TPopupControl : public TCustomControl {
  public:
    explicit TPopupControl(TComponent* owner);
    // Places the popup at `bounds` (screen coordinates), above the others, and shows it.
    void ShowPopup(const Rect& bounds);
    void HidePopup();

  protected:
    void CreateParams(TCreateParams& params) override;
    void Dispatch(TMessage& message) override;
};

}  // namespace framework
