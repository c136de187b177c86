// Single-line edits: a caret, a selection made with the keys or the mouse, the clipboard, one level
// of undo (undo again redoes), and text through the input method: its composition is shown at the
// caret, underlined, and the committed text arrives as characters.
//
// Positions (SelStart, SelLength) count characters; the text is UTF-8. Enter is left to the form,
// so that it reaches the default button.
#pragma once

#include <string>
#include <string_view>

#include "framework/controls/win_control.h"
#include "framework/core/properties.h"

namespace framework {

class TCustomEdit : public TCustomControl {
public:
    explicit TCustomEdit(TComponent* owner);

    // At most this many characters (0: no limit); typing and pasting stop there.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int maxLength) { maxLength_ = std::max(maxLength, 0); }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    // Selects all the text when the edit gets the focus from the keyboard.
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool autoSelect) { autoSelect_ = autoSelect; }

    int SelStart() const;
    void SetSelStart(int start);
    int SelLength() const;
    void SetSelLength(int length);
    std::string SelText() const;
    // Replaces the selection (an undoable change).
    void SetSelText(const std::string& text);
    void SelectAll();
    void ClearSelection() { SetSelText(""); }

    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    bool CanUndo() const { return canUndo_; }
    void Undo();
    void ClearUndo() { canUndo_ = false; }
    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    // The input method's composition now shown at the caret ("" when none).
    const std::string& Preedit() const { return preedit_; }

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void Dispatch(TMessage& message) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DblClick() override;
    void DoEnter() override;
    UINT DialogCode() const override { return DLGC_WANTCHARS | DLGC_WANTARROWS; }
    bool WantsInputMethod() const override;

    // The text changed (typed, pasted, undone or set by the program).
    virtual void Change();
    // Whether a typed character may go in (a spin edit takes digits and signs only).
    virtual bool IsValidChar(char32_t) const { return true; }
    // Where the text lies within the client area (a spin edit keeps its buttons beside it).
    virtual Rect TextArea() const;

private:
    size_t SelectionStart() const { return std::min(caret_, anchor_); }
    size_t SelectionEnd() const { return std::max(caret_, anchor_); }
    void Replace(std::string_view with, bool typing);
    void MoveCaret(size_t position, bool extend);
    size_t PositionAt(int x) const;
    int32_t XOf(size_t position) const;
    int32_t MeasureText(std::string_view text) const;
    int32_t LineHeight() const;
    void ScrollToCaret();
    void UpdateImeCaret();
    void ReadComposition();
    void TextChangedOutside();

    int maxLength_ = 0;
    bool readOnly_ = false;
    bool autoSelect_ = true;
    size_t caret_ = 0;   // byte offset, on a character boundary
    size_t anchor_ = 0;  // the other end of the selection
    int32_t scroll_ = 0;
    std::string preedit_;
    int32_t preeditCursor_ = 0;
    std::string undoText_;
    size_t undoCaret_ = 0;
    bool canUndo_ = false;
    bool typingRun_ = false;
    bool modified_ = false;
    bool mouseSelecting_ = false;
    bool changingText_ = false;
};

class TEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
    static PersistentClass Published();
};

}  // namespace framework
