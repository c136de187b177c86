// An integer spin edit: an edit for a whole number with up and down arrow buttons on its right.
//
// Value reads the text (core/spin_value.h): a number that does not fit or text that is no number
// reads as MinValue; the value is not forced into [MinValue, MaxValue] while it is typed, but when
// the focus leaves the edit and whenever the program or the arrows set it. Equal MinValue and
// MaxValue mean no range at all. Only digits and signs can be typed.
#pragma once

#include "framework/controls/edit.h"

namespace framework {

class TSpinEdit : public TCustomEdit {
public:
    explicit TSpinEdit(TComponent* owner);
    static PersistentClass Published();

    int32_t MinValue() const { return minValue_; }
    void SetMinValue(int32_t value) { minValue_ = value; }
    int32_t MaxValue() const { return maxValue_; }
    void SetMaxValue(int32_t value) { maxValue_ = value; }
    int32_t Increment() const { return increment_; }
    void SetIncrement(int32_t increment) { increment_ = increment; }
    bool EditorEnabled() const { return editorEnabled_; }
    void SetEditorEnabled(bool enabled) { editorEnabled_ = enabled; }

    int32_t Value() const;
    // Sets the text to the value held in range.
    void SetValue(int32_t value);
    // The value held in range (unchanged without a range).
    int32_t CheckValue(int32_t value) const;
    void UpClick();
    void DownClick();

protected:
    void Paint() override;
    void Dispatch(TMessage& message) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DoExit() override;
    bool IsValidChar(char32_t key) const override;
    Rect TextArea() const override;

private:
    enum class Arrow { None, Up, Down };
    // The two buttons' rectangles: one function for painting and for hit testing.
    Rect ButtonRect(Arrow arrow) const;
    Arrow ArrowAt(Point point) const;
    void Step(Arrow arrow);
    void StopRepeat();

    int32_t minValue_ = 0;
    int32_t maxValue_ = 0;
    int32_t increment_ = 1;
    bool editorEnabled_ = true;
    Arrow pressed_ = Arrow::None;
};

}  // namespace framework
