// Push buttons and check boxes, drawn in the plain platform look.
//
// A button clicks on a left press and release over it, on Space (pressed while the key is down),
// and on Enter: Enter anywhere in its form clicks the default button unless another button has
// the focus (then that one), or the focused control takes Enter itself; Escape clicks the cancel
// button. A disabled button ignores all of them and looks disabled.
#pragma once

#include "framework/controls/panel.h"
#include "framework/controls/win_control.h"
#include "framework/core/properties.h"
#include "framework/forms/form.h"

namespace framework {

class TButton : public TCustomControl {
public:
    explicit TButton(TComponent* owner);
    static PersistentClass Published();

    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool cancel) { cancel_ = cancel; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    // Clicks as a press and release would.
    void Click() override;
    // Whether Enter clicks this button now (focused, or default with no button focused).
    bool IsActiveDefault() const { return active_; }

protected:
    void Paint() override;
    void Dispatch(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;

private:
    void SetPressed(bool pressed);
    void UpdateActive(TWinControl* focused);

    bool default_ = false;
    bool cancel_ = false;
    bool active_ = false;
    bool pressed_ = false;
    bool mouseDown_ = false;
    bool spaceDown_ = false;
    TModalResult modalResult_ = mrNone;
};

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TCustomControl {
public:
    explicit TCheckBox(TComponent* owner);
    static PersistentClass Published();

    bool Checked() const { return state_ == TCheckBoxState::cbChecked; }
    void SetChecked(bool checked) { SetState(checked ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked); }
    TCheckBoxState State() const { return state_; }
    // A change of state raises OnClick, whoever made it.
    void SetState(TCheckBoxState state);
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool allow) { allowGrayed_ = allow; }
    // taRightJustify: the box on the left and the caption on its right (the usual look).
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void Click() override;
    void Dispatch(TMessage& message) override;

private:
    void Toggle();

    TCheckBoxState state_ = TCheckBoxState::cbUnchecked;
    bool allowGrayed_ = false;
    bool spaceDown_ = false;
    TAlignment alignment_ = TAlignment::taRightJustify;
};

template <>
struct EnumNames<TCheckBoxState> {
    static constexpr std::array names{"cbUnchecked", "cbChecked", "cbGrayed"};
    static_assert(names.size() == size_t(TCheckBoxState::cbGrayed) + 1);
};

}  // namespace framework
