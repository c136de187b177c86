// The control base: a component with a place on a parent, a font, a colour and a message path.
//
// Every message a control gets travels one path: WindowProc (replaceable, so that a component can
// take over a control's messages and give them back), then the virtual WndProc, then Dispatch (the
// message handlers by message number: a class overrides Dispatch, handles its messages and passes
// the rest to its base's Dispatch), then DefaultHandler (for a windowed control, the window class's
// own procedure). Windowed controls (TWinControl) get their messages from their window; the others
// through Perform, from their parent.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "framework/core/component.h"
#include "framework/core/enum_set.h"
#include "framework/core/exception.h"
#include "framework/core/properties.h"
#include "framework/graphics/font.h"
#include "platform/geometry.h"
#include "platform/window/messages.h"
#include "platform/window/styles.h"
#include "platform/window/types.h"

namespace framework {

class TWinControl;
class TForm;

using platform::LPARAM;
using platform::LRESULT;
using platform::Point;
using platform::Rect;
using platform::UINT;
using platform::WPARAM;

// A message as handlers see it; Result is what the sender gets back.
struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};
using TWndMethod = std::function<void(TMessage& message)>;

// Messages between the framework's controls (they never reach the platform's own procedures).
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0;
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
constexpr UINT CM_DIALOGKEY = CM_BASE + 5;        // wParam: virtual key; a handler sets Result 1
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;       // wParam: code point (access keys)
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;     // lParam: the TWinControl* now focused
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 62;  // wParam: virtual key; Result 1 keeps it
// Platform notifications reflected by a parent to the child control they are about.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + 0x0111;
constexpr UINT CN_NOTIFY = CN_BASE + 0x004E;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum class TShiftFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = EnumSet<TShiftFlag>;
// The input method a control asks for when it gets the focus.
enum class TImeMode { imDisable, imClose, imOpen, imDontCare, imChinese };

template <>
struct EnumNames<TAlign> {
    static constexpr std::array names{"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"};
    static_assert(names.size() == size_t(TAlign::alClient) + 1);
};
template <>
struct EnumNames<TImeMode> {
    static constexpr std::array names{"imDisable", "imClose", "imOpen", "imDontCare", "imChinese"};
    static_assert(names.size() == size_t(TImeMode::imChinese) + 1);
};

// Cursor shapes, the framework's numbering.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crNo = -12;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;
using TKeyEvent = std::function<void(TObject* sender, uint16_t& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TObject* sender, char32_t& key)>;

// What a control class does by nature.
enum class TControlStyleFlag {
    csAcceptsControls,  // may parent other controls
    csCaptureMouse,     // holds the mouse from a press to the release
    csClickEvents,      // a press and a release on it make a click
    csOpaque,           // paints its whole area (the parent need not paint below it)
    csDoubleClicks,     // takes double-clicks as such (else as a second press)
};
using TControlStyle = EnumSet<TControlStyleFlag>;

// What a control is going through.
enum class TControlStateFlag { csLButtonDown, csClicked, csFocusing, csAligning, csPainting };
using TControlState = EnumSet<TControlStateFlag>;

// The modifier keys as they are now, for mouse and key events.
TShiftState KeyboardShiftState();
TShiftState MouseShiftState(WPARAM keys);

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;
    static PersistentClass Published();

    // --- Place ---
    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    int32_t Left() const { return left_; }
    int32_t Top() const { return top_; }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    void SetLeft(int32_t left) { SetBounds(left, top_, width_, height_); }
    void SetTop(int32_t top) { SetBounds(left_, top, width_, height_); }
    void SetWidth(int32_t width) { SetBounds(left_, top_, width, height_); }
    void SetHeight(int32_t height) { SetBounds(left_, top_, width_, height); }
    // Negative sizes become 0. A windowed control moves its window.
    virtual void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);
    Rect BoundsRect() const { return platform::rectOfSize(left_, top_, width_, height_); }
    void SetBoundsRect(const Rect& rect) { SetBounds(rect.Left, rect.Top, rect.width(), rect.height()); }
    // The area children and painting use, in the control's own coordinates.
    virtual Rect ClientRect() const { return {0, 0, width_, height_}; }
    int32_t ClientWidth() const { return ClientRect().width(); }
    int32_t ClientHeight() const { return ClientRect().height(); }
    void SetClientWidth(int32_t width) { SetClientSize(width, ClientHeight()); }
    void SetClientHeight(int32_t height) { SetClientSize(ClientWidth(), height); }
    // Screen position of the client area's top-left corner.
    virtual Point ClientOrigin() const;
    Point ClientToScreen(Point client) const;
    Point ScreenToClient(Point screen) const;
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    // --- State ---
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and so are all parents (and the top one has a window that is shown).
    virtual bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);
    // Caption and Text are one value: a windowed control keeps it as its window text.
    std::string Caption() const { return GetText(); }
    void SetCaption(const std::string& text) { SetText(text); }
    std::string Text() const { return GetText(); }
    virtual std::string GetText() const { return text_; }
    virtual void SetText(const std::string& text);

    // --- Look ---
    TFont& Font() { return *font_; }
    const TFont& Font() const { return *font_; }
    void SetFont(const TFont& font) { font_->Assign(font); }
    // Takes the parent's font and follows it until the font is changed.
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool parentColor);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor) { cursor_ = cursor; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool showHint) { showHint_ = showHint; }
    intptr_t Tag() const { return tag_; }
    void SetTag(intptr_t tag) { tag_ = tag; }

    TControlStyle ControlStyle() const { return controlStyle_; }
    TControlState ControlState() const { return controlState_; }

    // --- Messages ---
    // Sends a message through WindowProc now.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // The first stage of every message; by default WndProc. Replacing it returns nothing: keep
    // the previous one (WindowProc()) to pass messages on and to put back.
    const TWndMethod& WindowProc() const { return windowProc_; }
    void SetWindowProc(TWndMethod proc);

    // --- Painting ---
    // Marks the control's area to be repainted.
    virtual void Invalidate();
    // Paints what is marked now.
    virtual void Update();
    void Repaint();
    void Refresh() { Repaint(); }

    // The form this control lies on (its top parent when that is a form), or nullptr.
    TForm* ParentForm() const;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

protected:
    friend class TWinControl;

    virtual void WndProc(TMessage& message);
    // The message handlers by message number; unknown messages go to DefaultHandler.
    virtual void Dispatch(TMessage& message);
    virtual void DefaultHandler(TMessage& message);

    // Dynamic operations: what the control does on the mouse and clicks, before its events.
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void Click();
    virtual void DblClick();

    virtual void SetClientSize(int32_t width, int32_t height);
    // The parent's alignment runs again (Align, size or visibility changed).
    void RequestAlign();
    // Told when the font changed (the control's own, or its parent's while ParentFont).
    virtual void FontChanged();

    void SetControlStyle(TControlStyle style) { controlStyle_ = style; }
    void SetControlState(TControlStateFlag flag, bool on) { controlState_.set(flag, on); }
    // Where the bounds are stored without moving anything (windows report their own moves).
    void StoreBounds(const Rect& rect);

private:
    void MouseButtonDown(TMessage& message, TMouseButton button);
    void MouseButtonUp(TMessage& message, TMouseButton button);
    void FontObjectChanged();

    TWinControl* parent_ = nullptr;
    int32_t left_ = 0;
    int32_t top_ = 0;
    int32_t width_ = 0;
    int32_t height_ = 0;
    TAlign align_ = TAlign::alNone;
    bool visible_ = true;
    bool enabled_ = true;
    std::string text_;
    std::unique_ptr<TFont> font_;
    bool parentFont_ = true;
    bool adoptingParentFont_ = false;
    TColor color_ = platform::clBtnFace;
    bool parentColor_ = false;
    TCursor cursor_ = crDefault;
    std::string hint_;
    bool showHint_ = false;
    intptr_t tag_ = 0;
    TControlStyle controlStyle_{TControlStyleFlag::csCaptureMouse, TControlStyleFlag::csClickEvents};
    TControlState controlState_;
    TWndMethod windowProc_;
};

// A control without a window of its own that paints itself on its parent's canvas (label).
class TCanvas;
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;
    TCanvas& Canvas() { return *canvas_; }

protected:
    // Draws the control on Canvas() (its origin the control's top-left).
    virtual void Paint() {}
    void Dispatch(TMessage& message) override;

private:
    std::unique_ptr<TCanvas> canvas_;
};

}  // namespace framework
