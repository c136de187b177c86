// Windowed controls: a control with a platform window of its own, made on demand, that can hold
// other controls, take the focus and the keyboard, and be reached in tab order.
//
// The window's procedure is the framework's: it hands every message to the control's WindowProc.
// What the control does not handle goes to DefWndProc, the window class's own procedure:
// DefWindowProc for the framework's classes, or the procedure of a platform class the control is
// built on (CreateSubClass: the tab control on "SysTabControl32").
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/controls/control.h"
#include "platform/color.h"
#include "platform/gfx/gdi_object.h"
#include "platform/window/types.h"

namespace framework {

using platform::DWORD;
using platform::HDC;
using platform::HWND;
using platform::WNDPROC;

// WM_GETDLGCODE answers: the keys a control takes itself instead of the form's dialog keys.
constexpr UINT DLGC_WANTARROWS = 0x0001;
constexpr UINT DLGC_WANTTAB = 0x0002;
constexpr UINT DLGC_WANTALLKEYS = 0x0004;
constexpr UINT DLGC_WANTCHARS = 0x0080;

// The head of every WM_NOTIFY (lParam); the parent reflects it to the child as CN_NOTIFY.
struct NMHDR {
    HWND hwndFrom = nullptr;
    platform::UINT_PTR idFrom = 0;
    UINT code = 0;
};

// The procedure of every window the framework makes for a control.
LRESULT FrameworkWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// The control under the pointer, as the last mouse message found it.
TControl* MouseControl();
// Holds the mouse for the control from a press to its release (a graphic control through its
// parent's window).
void SetMouseCapture(TControl* control, bool capture);
// Forgets a control that goes away.
void ForgetMouseControl(TControl* control);

// How the control's window is made (CreateParams fills it, CreateWindowHandle uses it).
struct TCreateParams {
    std::string Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    HWND WndParent = nullptr;  // the parent window of a child, the owner of a top-level window
    // The window class the framework registers for the control: its class name by default.
    std::string WinClassName;
    UINT ClassStyle = 0;
    // The platform class whose procedure serves as DefWndProc (CreateSubClass), or empty.
    std::string BaseClassName;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;
    static PersistentClass Published();

    // --- The window ---
    // The window, made now (with the parents' windows) when there is none yet. Null when the
    // platform refused to make it (no parent window for a child, no display).
    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded() { Handle(); }
    // Destroys the window and makes it again with the present CreateParams (children too).
    void RecreateWnd();
    // The control whose window this is, or nullptr.
    static TWinControl* FindControl(HWND window);

    // --- Children ---
    int ControlCount() const { return int(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(size_t(index)); }
    // The visible child under a client point (graphic and windowed), topmost first.
    TControl* ControlAtPos(Point client, bool allowDisabled = false) const;
    // Sends the message to every child (stops early once one sets Result).
    void Broadcast(TMessage& message);
    // Lays the aligned children out again.
    void Realign();

    // --- Focus and keys ---
    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop) { tabStop_ = tabStop; }
    bool Focused() const;
    // Visible and enabled, with all parents, and inside a shown form.
    virtual bool CanFocus() const;
    virtual void SetFocus();
    // The windowed children (and theirs) in tab order.
    std::vector<TWinControl*> TabOrderList() const;
    // The next (or previous) control after `current` in tab order among this control's
    // descendants, wrapping around; `checkTabStop` skips controls without TabStop.
    TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const;
    void SelectNext(TWinControl* current, bool forward, bool checkTabStop);
    // A key-down on its way to this control: offered to the form's short-cuts, then, unless the
    // control takes the key itself (Tab, arrows, Enter, Escape), to the form's dialog keys.
    // True when one of them consumed it.
    bool PreProcessKeyDown(const platform::MSG& msg);
    TImeMode ImeMode() const { return imeMode_; }
    void SetImeMode(TImeMode mode);
    const std::string& ImeName() const { return imeName_; }
    void SetImeName(const std::string& name) { imeName_ = name; }

    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;
    Rect ClientRect() const override;
    Point ClientOrigin() const override;
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    bool Showing() const override;
    void Invalidate() override;
    void Update() override;
    std::string GetText() const override;
    void SetText(const std::string& text) override;
    void SetParent(TWinControl* parent) override;
    // Puts the children read from form data in the tab order they asked for, and aligns them.
    void Loaded() override;

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    friend class TControl;
    friend class TForm;

    virtual void CreateParams(TCreateParams& params);
    // Builds the control's window on a platform class: its procedure becomes DefWndProc.
    void CreateSubClass(TCreateParams& params, std::string_view platformClass);
    virtual void CreateWnd();
    virtual void CreateWindowHandle(const TCreateParams& params);
    virtual void DestroyWnd();
    // Called once the window exists (children's windows made, font and text sent).
    virtual void CreateHandleDone() {}
    WNDPROC DefWndProc() const { return defWndProc_; }

    void WndProc(TMessage& message) override;
    void Dispatch(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

    // Draws the control's own face (without its graphic children) on `dc`; by default the
    // window class paints (WM_PAINT with the DC in wParam).
    virtual void PaintWindow(HDC dc);
    // Draws the visible graphic children from `first` on (all when null).
    void PaintControls(HDC dc, TControl* first);
    // Paints the background in Color; answers true when it did.
    virtual bool EraseBackground(HDC dc);

    virtual void KeyDown(uint16_t& key, TShiftState shift);
    virtual void KeyUp(uint16_t& key, TShiftState shift);
    virtual void KeyPress(char32_t& key);
    virtual void DoEnter();
    virtual void DoExit();
    // Which keys the control takes itself instead of leaving them to the form's dialog keys
    // (Tab, Enter, Escape, arrows): WM_GETDLGCODE's answer.
    virtual UINT DialogCode() const { return 0; }
    // Whether the control asks for the input method while it has the focus (ImeMode).
    virtual bool WantsInputMethod() const;

    // Where the aligned children go, in client coordinates (the tab control: its page area).
    virtual void AdjustClientRect(Rect& rect);
    virtual void AlignControls(TControl* control, Rect& rect);

    void FontChanged() override;

private:
    friend LRESULT FrameworkWindowProc(HWND, UINT, WPARAM, LPARAM);
    friend void SetMouseCapture(TControl*, bool);
    friend void ForgetMouseControl(TControl*);
    bool DoKeyDown(TMessage& message);
    bool DoKeyPress(TMessage& message);
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void MainWndProc(TMessage& message);
    void UpdateBoundsFromWindow();
    void PaintHandler(TMessage& message);
    void ReflectNotify(TMessage& message);
    void FocusArrived();
    void FocusLeft();
    void TrackMouseOver(TControl* control);
    void SendFontToWindow();
    void ApplyImeMode();

    HWND handle_ = nullptr;
    WNDPROC defWndProc_ = nullptr;
    std::vector<TControl*> controls_;  // in z-order, bottom first
    std::vector<TWinControl*> tabList_;
    bool tabStop_ = false;
    int requestedTabOrder_ = -1;  // as read from form data, applied by the parent's Loaded
    TImeMode imeMode_ = TImeMode::imDontCare;
    std::string imeName_;
    TControl* mouseCapture_ = nullptr;  // the graphic child holding the mouse
    bool recreating_ = false;
};

// A windowed control that draws itself on a canvas (panels, buttons, edits).
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;
    TCanvas& Canvas() { return *canvas_; }

protected:
    // Draws the control on Canvas(), set up on the paint DC with the control's font.
    virtual void Paint() {}
    void PaintWindow(HDC dc) override;

private:
    std::unique_ptr<TCanvas> canvas_;
};

}  // namespace framework
