#include "framework/controls/win_control.h"

#include <algorithm>
#include <map>
#include <utility>

#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "framework/graphics/canvas.h"
#include "platform/gfx/dc.h"
#include "platform/window/focus.h"
#include "platform/window/ime.h"
#include "platform/window/input.h"
#include "platform/window/keys.h"
#include "platform/window/message_loop.h"
#include "platform/window/painting.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"

namespace framework {

using namespace platform;

namespace {

// The window of every windowed control, and the control whose window is being made: the
// window's first messages arrive inside CreateWindowEx, before it returns the handle.
std::map<HWND, TWinControl*>& WindowControls() {
    static std::map<HWND, TWinControl*> controls;
    return controls;
}
TWinControl* g_creating = nullptr;

// The control under the pointer as the last mouse message found it.
TControl* g_mouseControl = nullptr;

void RegisterWindowClass(const TCreateParams& params) {
    WNDCLASS existing;
    if (GetClassInfo(params.WinClassName, &existing)) return;
    WNDCLASS windowClass;
    windowClass.style = params.ClassStyle | CS_DBLCLKS;
    windowClass.lpfnWndProc = FrameworkWindowProc;
    windowClass.lpszClassName = params.WinClassName;
    RegisterClass(windowClass);
}

HCURSOR CursorOf(TCursor cursor) {
    switch (cursor) {
        case crArrow: return LoadCursor(nullptr, IDC_ARROW);
        case crCross: return LoadCursor(nullptr, IDC_CROSS);
        case crIBeam: return LoadCursor(nullptr, IDC_IBEAM);
        case crSizeNESW: return LoadCursor(nullptr, IDC_SIZENESW);
        case crSizeNS: return LoadCursor(nullptr, IDC_SIZENS);
        case crSizeNWSE: return LoadCursor(nullptr, IDC_SIZENWSE);
        case crSizeWE: return LoadCursor(nullptr, IDC_SIZEWE);
        case crHourGlass: return LoadCursor(nullptr, IDC_WAIT);
        case crNo: return LoadCursor(nullptr, IDC_NO);
        case crHandPoint: return LoadCursor(nullptr, IDC_HAND);
        case crSizeAll: return LoadCursor(nullptr, IDC_SIZEALL);
        default: return nullptr;
    }
}

bool IsMouseMessage(UINT msg) { return msg >= WM_MOUSEFIRST && msg < WM_MOUSEWHEEL; }

// Ends a paint begun with BeginPaint however the painting ends.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~PaintScope() {
        if (dc_) EndPaint(window_, &paint_);
    }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC dc() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_;
    HDC dc_ = nullptr;
};

}  // namespace

LRESULT FrameworkWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto& controls = WindowControls();
    auto found = controls.find(hwnd);
    TWinControl* control = found == controls.end() ? nullptr : found->second;
    if (!control && g_creating) {
        control = g_creating;
        control->handle_ = hwnd;
        controls[hwnd] = control;
    }
    if (!control) return DefWindowProc(hwnd, msg, wParam, lParam);
    TMessage message{msg, wParam, lParam, 0};
    control->MainWndProc(message);
    if (msg == WM_NCDESTROY) {
        controls.erase(hwnd);
        if (control->handle_ == hwnd) control->handle_ = nullptr;
    }
    return message.Result;
}

TControl* MouseControl() { return g_mouseControl; }

void ForgetMouseControl(TControl* control) {
    if (g_mouseControl == control) g_mouseControl = nullptr;
    if (TWinControl* parent = control->Parent(); parent && parent->mouseCapture_ == control)
        parent->mouseCapture_ = nullptr;
}

void SetMouseCapture(TControl* control, bool capture) {
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        if (!windowed->HandleAllocated()) return;
        if (capture)
            platform::SetCapture(windowed->Handle());
        else if (GetCapture() == windowed->Handle())
            ReleaseCapture();
        return;
    }
    TWinControl* parent = control->Parent();
    if (!parent || !parent->HandleAllocated()) return;
    if (capture) {
        parent->mouseCapture_ = control;
        platform::SetCapture(parent->Handle());
    } else if (parent->mouseCapture_ == control) {
        parent->mouseCapture_ = nullptr;
        if (GetCapture() == parent->Handle()) ReleaseCapture();
    }
}

// --- TWinControl ----------------------------------------------------------------------------

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    // The children stay (their owners free them) but lose this parent; their windows go with ours.
    while (!controls_.empty()) RemoveControl(controls_.back());
    DestroyWnd();
}

TWinControl* TWinControl::FindControl(HWND window) {
    auto& controls = WindowControls();
    auto found = controls.find(window);
    return found == controls.end() ? nullptr : found->second;
}

HWND TWinControl::Handle() {
    if (!handle_ && !InState(csDestroying)) CreateWnd();
    return handle_;
}

void TWinControl::CreateParams(TCreateParams& params) {
    params.Caption = TControl::GetText();
    params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (ControlStyle().contains(TControlStyleFlag::csAcceptsControls)) params.Style |= WS_CLIPCHILDREN;
    if (Visible()) params.Style |= WS_VISIBLE;
    if (!Enabled()) params.Style |= WS_DISABLED;
    if (tabStop_) params.Style |= WS_TABSTOP;
    params.X = Left();
    params.Y = Top();
    params.Width = Width();
    params.Height = Height();
    params.WndParent = Parent() ? Parent()->Handle() : nullptr;
    params.WinClassName = ClassName();
}

void TWinControl::CreateSubClass(TCreateParams& params, std::string_view platformClass) {
    WNDCLASS base;
    if (!GetClassInfo(platformClass, &base)) return;
    params.BaseClassName = std::string(platformClass);
    defWndProc_ = base.lpfnWndProc;
}

void TWinControl::CreateWnd() {
    TCreateParams params;
    defWndProc_ = nullptr;
    CreateParams(params);
    if (!defWndProc_) defWndProc_ = DefWindowProc;
    if ((params.Style & WS_CHILD) && !params.WndParent) return;
    RegisterWindowClass(params);
    CreateWindowHandle(params);
    if (!handle_) return;
    SendFontToWindow();
    for (TControl* child : std::vector<TControl*>(controls_))
        if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->HandleNeeded();
    CreateHandleDone();
    Realign();
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
    TWinControl* outer = std::exchange(g_creating, this);
    HWND made = CreateWindowEx(params.ExStyle, params.WinClassName, params.Caption, params.Style, params.X, params.Y,
                               params.Width, params.Height, params.WndParent, 0, nullptr);
    g_creating = outer;
    if (!made) {
        // A window refused at creation may have been bound to this control for its first messages.
        if (handle_) WindowControls().erase(handle_);
        handle_ = nullptr;
        return;
    }
    handle_ = made;
    UpdateBoundsFromWindow();
}

void TWinControl::DestroyWnd() {
    if (!handle_) return;
    HWND window = handle_;
    if (IsWindow(window)) {
        DestroyWindow(window);
    }
    WindowControls().erase(window);
    handle_ = nullptr;
}

void TWinControl::RecreateWnd() {
    if (!handle_ || recreating_) return;
    recreating_ = true;
    DestroyWnd();
    CreateWnd();
    recreating_ = false;
}

void TWinControl::MainWndProc(TMessage& message) {
    try {
        if (WindowProc()) WindowProc()(message);
    } catch (const std::exception& error) {
        HandleException(error);
    }
}

void TWinControl::InsertControl(TControl* control) {
    controls_.push_back(control);
    control->parent_ = this;
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (windowed) tabList_.push_back(windowed);
    if (control->ParentFont()) control->Perform(CM_PARENTFONTCHANGED);
    if (control->ParentColor()) control->Perform(CM_PARENTCOLORCHANGED);
    if (windowed && handle_) windowed->HandleNeeded();
    control->Invalidate();
    if (control->Align() != TAlign::alNone) Realign();
}

void TWinControl::RemoveControl(TControl* control) {
    if (TForm* form = ParentForm()) form->ControlRemoved(control);
    if (g_mouseControl == control) g_mouseControl = nullptr;
    if (mouseCapture_ == control) mouseCapture_ = nullptr;
    control->Invalidate();
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        windowed->DestroyWnd();
        tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), windowed), tabList_.end());
    }
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    control->parent_ = nullptr;
    if (control->Align() != TAlign::alNone) Realign();
}

void TWinControl::SetParent(TWinControl* parent) {
    if (parent == Parent()) return;
    TControl::SetParent(parent);
}

TControl* TWinControl::ControlAtPos(Point client, bool allowDisabled) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (c->Visible() && (allowDisabled || c->Enabled()) && c->BoundsRect().contains(client)) return c;
    }
    return nullptr;
}

void TWinControl::Broadcast(TMessage& message) {
    for (TControl* child : std::vector<TControl*>(controls_)) {
        if (std::find(controls_.begin(), controls_.end(), child) == controls_.end()) continue;
        child->WindowProc()(message);
        if (message.Result != 0) return;
    }
}

// --- Bounds and alignment --------------------------------------------------------------------

void TWinControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    if (!handle_) {
        TControl::SetBounds(left, top, width, height);
        return;
    }
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (left == Left() && top == Top() && width == Width() && height == Height()) return;
    // The window reports where it ended up (WM_WINDOWPOSCHANGED): its limits may have changed it.
    SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    RequestAlign();
}

void TWinControl::UpdateBoundsFromWindow() {
    Rect rect;
    if (!handle_ || !GetWindowRect(handle_, &rect)) return;
    if (HWND parent = GetParent(handle_); parent && (GetWindowLongPtr(handle_, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(HWND_DESKTOP, parent, &rect);
    StoreBounds(rect);
}

Rect TWinControl::ClientRect() const {
    Rect rect;
    if (handle_ && GetClientRect(handle_, &rect)) return rect;
    return TControl::ClientRect();
}

Point TWinControl::ClientOrigin() const {
    if (!handle_) return TControl::ClientOrigin();
    Point origin;
    platform::ClientToScreen(handle_, &origin);
    return origin;
}

void TWinControl::Realign() {
    if (ControlState().contains(TControlStateFlag::csAligning)) return;
    SetControlState(TControlStateFlag::csAligning, true);
    Rect rect = ClientRect();
    AdjustClientRect(rect);
    AlignControls(nullptr, rect);
    SetControlState(TControlStateFlag::csAligning, false);
}

void TWinControl::AdjustClientRect(Rect&) {}

void TWinControl::AlignControls(TControl*, Rect& rect) {
    static constexpr TAlign kOrder[] = {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight,
                                        TAlign::alClient};
    for (TAlign align : kOrder) {
        for (TControl* c : std::vector<TControl*>(controls_)) {
            if (c->Align() != align || !c->Visible()) continue;
            const int32_t w = c->Width(), h = c->Height();
            switch (align) {
                case TAlign::alTop:
                    c->SetBounds(rect.Left, rect.Top, rect.width(), h);
                    rect.Top += c->Height();
                    break;
                case TAlign::alBottom:
                    c->SetBounds(rect.Left, rect.Bottom - h, rect.width(), h);
                    rect.Bottom -= c->Height();
                    break;
                case TAlign::alLeft:
                    c->SetBounds(rect.Left, rect.Top, w, rect.height());
                    rect.Left += c->Width();
                    break;
                case TAlign::alRight:
                    c->SetBounds(rect.Right - w, rect.Top, w, rect.height());
                    rect.Right -= c->Width();
                    break;
                default: c->SetBounds(rect.Left, rect.Top, std::max(rect.width(), 0), std::max(rect.height(), 0));
            }
        }
    }
}

// --- State -----------------------------------------------------------------------------------

void TWinControl::SetVisible(bool visible) {
    if (visible == Visible()) return;
    TControl::SetVisible(visible);
    if (handle_)
        SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                         (visible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void TWinControl::SetEnabled(bool enabled) {
    if (enabled == Enabled()) return;
    TControl::SetEnabled(enabled);
    if (handle_) EnableWindow(handle_, enabled);
}

bool TWinControl::Showing() const {
    if (!Visible()) return false;
    if (Parent()) return Parent()->Showing();
    return handle_ && IsWindowVisible(handle_);
}

void TWinControl::Invalidate() {
    if (handle_) InvalidateRect(handle_, nullptr, true);
}

void TWinControl::Update() {
    if (handle_) UpdateWindow(handle_);
}

std::string TWinControl::GetText() const { return TControl::GetText(); }

void TWinControl::SetText(const std::string& text) {
    if (handle_)
        SetWindowText(handle_, text);
    else
        TControl::SetText(text);
}

// --- Focus -----------------------------------------------------------------------------------

int TWinControl::TabOrder() const {
    if (!Parent()) return -1;
    auto& list = Parent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    // While form data is read the later controls are not there yet: the parent sorts at Loaded.
    if (InState(csLoading)) requestedTabOrder_ = order;
    if (!Parent()) return;
    auto& list = Parent()->tabList_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    const size_t at = size_t(std::clamp(order, 0, int(list.size())));
    list.insert(list.begin() + ptrdiff_t(at), this);
}

void TWinControl::Loaded() {
    TControl::Loaded();
    std::stable_sort(tabList_.begin(), tabList_.end(), [](const TWinControl* a, const TWinControl* b) {
        auto key = [](const TWinControl* c) { return c->requestedTabOrder_ < 0 ? INT32_MAX : c->requestedTabOrder_; };
        return key(a) < key(b);
    });
    Realign();
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

bool TWinControl::CanFocus() const {
    TForm* form = ParentForm();
    if (!form) return false;
    for (const TControl* c = this; c != form; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

void TWinControl::SetFocus() {
    if (TForm* form = ParentForm(); form && form != this) {
        form->FocusControl(this);
    } else if (HWND window = Handle()) {
        platform::SetFocus(window);
    }
}

std::vector<TWinControl*> TWinControl::TabOrderList() const {
    std::vector<TWinControl*> list;
    for (TWinControl* child : tabList_) {
        list.push_back(child);
        std::vector<TWinControl*> inner = child->TabOrderList();
        list.insert(list.end(), inner.begin(), inner.end());
    }
    return list;
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const {
    std::vector<TWinControl*> list = TabOrderList();
    if (list.empty()) return nullptr;
    const int count = int(list.size());
    auto found = std::find(list.begin(), list.end(), current);
    int start = found == list.end() ? (forward ? count - 1 : 0) : int(found - list.begin());
    int i = start;
    do {
        i = forward ? (i + 1) % count : (i + count - 1) % count;
        TWinControl* candidate = list[size_t(i)];
        if (candidate->CanFocus() && (!checkTabStop || candidate->TabStop())) return candidate;
    } while (i != start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
    if (TWinControl* next = FindNextControl(current, forward, checkTabStop)) next->SetFocus();
}

void TWinControl::SetImeMode(TImeMode mode) {
    imeMode_ = mode;
    if (Focused()) ApplyImeMode();
}

bool TWinControl::WantsInputMethod() const {
    return imeMode_ == TImeMode::imOpen || imeMode_ == TImeMode::imChinese;
}

void TWinControl::ApplyImeMode() {
    if (handle_) ImeSetEnabled(handle_, WantsInputMethod());
}

void TWinControl::FocusArrived() {
    if (TForm* form = ParentForm(); form && form != this) form->FocusedControlChanged(this);
    ApplyImeMode();
    DoEnter();
}

void TWinControl::FocusLeft() { DoExit(); }

void TWinControl::DoEnter() {
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit) OnExit(this);
}

// --- Keys ------------------------------------------------------------------------------------

void TWinControl::KeyDown(uint16_t& key, TShiftState shift) {
    if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(uint16_t& key, TShiftState shift) {
    if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char32_t& key) {
    if (OnKeyPress) OnKeyPress(this, key);
}

bool TWinControl::PreProcessKeyDown(const MSG& msg) {
    TForm* form = dynamic_cast<TForm*>(this);
    if (!form) form = ParentForm();
    MSG copy = msg;
    if (form && form->IsShortCut(copy)) return true;
    const int key = int(msg.wParam);
    UINT mask = 0;
    if (key == VK_TAB)
        mask = DLGC_WANTTAB;
    else if (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN)
        mask = DLGC_WANTARROWS;
    else if (key == VK_RETURN || key == VK_ESCAPE)
        mask = DLGC_WANTALLKEYS;
    if (mask == 0 || !form) return false;
    if (Perform(CM_WANTSPECIALKEY, WPARAM(key)) != 0) return false;
    if (Perform(WM_GETDLGCODE) & mask) return false;
    return form->Perform(CM_DIALOGKEY, WPARAM(key), msg.lParam) != 0;
}

bool TWinControl::DoKeyDown(TMessage& message) {
    uint16_t key = uint16_t(message.WParam);
    TShiftState shift = KeyboardShiftState();
    TForm* form = ParentForm();
    if (form && form != this && form->KeyPreview()) {
        form->KeyDown(key, shift);
        if (key == 0) return true;
    }
    KeyDown(key, shift);
    message.WParam = key;
    return key == 0;
}

bool TWinControl::DoKeyPress(TMessage& message) {
    char32_t key = char32_t(message.WParam);
    TForm* form = ParentForm();
    if (form && form != this && form->KeyPreview()) {
        form->KeyPress(key);
        if (key == 0) return true;
    }
    KeyPress(key);
    message.WParam = WPARAM(key);
    return key == 0;
}

// --- Messages --------------------------------------------------------------------------------

void TWinControl::WndProc(TMessage& message) {
    if (IsMouseMessage(message.Msg)) {
        Point p = PointFromLParam(message.LParam);
        TControl* target = mouseCapture_;
        if (!target) {
            TControl* under = ControlAtPos(p);
            if (under && !dynamic_cast<TWinControl*>(under)) target = under;
        }
        if (message.Msg == WM_MOUSEMOVE) TrackMouseOver(target ? target : this);
        if (target) {
            TMessage forwarded = message;
            forwarded.LParam = MAKELPARAM(p.X - target->Left(), p.Y - target->Top());
            target->WindowProc()(forwarded);
            message.Result = forwarded.Result;
            return;
        }
    }
    TControl::WndProc(message);
}

void TWinControl::TrackMouseOver(TControl* control) {
    if (control != g_mouseControl) {
        TControl* old = std::exchange(g_mouseControl, control);
        if (old) old->Perform(CM_MOUSELEAVE);
        if (control && g_mouseControl == control) control->Perform(CM_MOUSEENTER);
    }
    if (handle_) {
        TRACKMOUSEEVENT track;
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = handle_;
        TrackMouseEvent(&track);
    }
}

void TWinControl::Dispatch(TMessage& message) {
    switch (message.Msg) {
        case WM_PAINT: PaintHandler(message); return;
        case WM_ERASEBKGND:
            if (EraseBackground(reinterpret_cast<HDC>(message.WParam)))
                message.Result = 1;
            else
                DefaultHandler(message);
            return;
        case WM_SETFOCUS:
            DefaultHandler(message);
            FocusArrived();
            return;
        case WM_KILLFOCUS:
            DefaultHandler(message);
            FocusLeft();
            return;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (!DoKeyDown(message)) DefaultHandler(message);
            return;
        case WM_KEYUP:
        case WM_SYSKEYUP: {
            uint16_t key = uint16_t(message.WParam);
            KeyUp(key, KeyboardShiftState());
            if (key != 0) DefaultHandler(message);
            return;
        }
        case WM_CHAR:
            if (!DoKeyPress(message)) DefaultHandler(message);
            return;
        case WM_GETDLGCODE:
            DefaultHandler(message);
            message.Result |= LRESULT(DialogCode());
            return;
        case WM_NOTIFY:
        case WM_COMMAND: ReflectNotify(message); return;
        case WM_SIZE:
            DefaultHandler(message);
            Realign();
            return;
        case WM_WINDOWPOSCHANGED:
            UpdateBoundsFromWindow();
            DefaultHandler(message);
            return;
        case WM_SETTEXT:
            DefaultHandler(message);
            TControl::SetText(message.LParam ? reinterpret_cast<const char*>(message.LParam) : "");
            return;
        case WM_SETCURSOR:
            if (LOWORD(uintptr_t(message.LParam)) == HTCLIENT && Cursor() != crDefault) {
                if (HCURSOR cursor = CursorOf(Cursor())) {
                    platform::SetCursor(cursor);
                    message.Result = 1;
                    return;
                }
            }
            DefaultHandler(message);
            return;
        case WM_MOUSELEAVE:
            if (g_mouseControl == this || (g_mouseControl && g_mouseControl->Parent() == this &&
                                           !dynamic_cast<TWinControl*>(g_mouseControl))) {
                TControl* old = std::exchange(g_mouseControl, nullptr);
                old->Perform(CM_MOUSELEAVE);
            }
            DefaultHandler(message);
            return;
        case WM_CAPTURECHANGED:
            mouseCapture_ = nullptr;
            DefaultHandler(message);
            return;
        case CM_DIALOGKEY:
        case CM_FOCUSCHANGED: Broadcast(message); return;
        case CM_FONTCHANGED:
            FontChanged();
            return;
        case CM_COLORCHANGED: {
            Invalidate();
            TMessage notice{CM_PARENTCOLORCHANGED, 0, 0, 0};
            for (TControl* child : std::vector<TControl*>(controls_)) child->WindowProc()(notice);
            return;
        }
        default: TControl::Dispatch(message);
    }
}

void TWinControl::DefaultHandler(TMessage& message) {
    if (!handle_) return;
    message.Result = CallWindowProc(defWndProc_ ? defWndProc_ : DefWindowProc, handle_, message.Msg,
                                    message.WParam, message.LParam);
}

void TWinControl::ReflectNotify(TMessage& message) {
    HWND from = nullptr;
    if (message.Msg == WM_NOTIFY && message.LParam)
        from = reinterpret_cast<const NMHDR*>(message.LParam)->hwndFrom;
    else if (message.Msg == WM_COMMAND)
        from = reinterpret_cast<HWND>(message.LParam);
    TWinControl* target = from ? FindControl(from) : nullptr;
    if (target && target != this) {
        message.Result = target->Perform(message.Msg == WM_NOTIFY ? CN_NOTIFY : CN_COMMAND, message.WParam,
                                         message.LParam);
        return;
    }
    DefaultHandler(message);
}

void TWinControl::FontChanged() {
    SendFontToWindow();
    Invalidate();
    TMessage notice{CM_PARENTFONTCHANGED, 0, 0, 0};
    for (TControl* child : std::vector<TControl*>(controls_)) child->WindowProc()(notice);
}

void TWinControl::SendFontToWindow() {
    if (handle_) SendMessage(handle_, WM_SETFONT, WPARAM(Font().Handle()), 0);
}

// --- Painting --------------------------------------------------------------------------------

void TWinControl::PaintHandler(TMessage& message) {
    if (HDC dc = reinterpret_cast<HDC>(message.WParam)) {
        PaintWindow(dc);
        PaintControls(dc, nullptr);
        return;
    }
    if (!handle_) return;
    PaintScope paint(handle_);
    if (!paint.dc()) return;
    SetControlState(TControlStateFlag::csPainting, true);
    try {
        PaintWindow(paint.dc());
        PaintControls(paint.dc(), nullptr);
    } catch (...) {
        SetControlState(TControlStateFlag::csPainting, false);
        throw;
    }
    SetControlState(TControlStateFlag::csPainting, false);
}

void TWinControl::PaintWindow(HDC dc) {
    // The framework's own classes have nothing to paint; a platform class paints its face.
    if (!defWndProc_ || defWndProc_ == DefWindowProc) return;
    TMessage message{WM_PAINT, WPARAM(dc), 0, 0};
    DefaultHandler(message);
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
    auto start = first ? std::find(controls_.begin(), controls_.end(), first) : controls_.begin();
    for (auto it = start; it != controls_.end(); ++it) {
        TControl* child = *it;
        if (dynamic_cast<TWinControl*>(child) || !child->Visible()) continue;
        Rect box;
        const int saved = SaveDC(dc);
        OffsetWindowOrgEx(dc, -child->Left(), -child->Top(), nullptr);
        IntersectClipRect(dc, 0, 0, child->Width(), child->Height());
        if (GetClipBox(dc, &box) != 0 && !box.isEmpty()) child->Perform(WM_PAINT, WPARAM(dc));
        RestoreDC(dc, saved);
    }
}

bool TWinControl::EraseBackground(HDC dc) {
    if (!dc) return false;
    const TColor color = Color();
    HBRUSH brush = IsSystemColor(color) ? GetSysColorBrush(int(color & 0xFF)) : CreateSolidBrush(color);
    platform::FillRect(dc, ClientRect(), brush);
    if (!IsSystemColor(color)) DeleteObject(brush);
    return true;
}

// --- TCustomControl --------------------------------------------------------------------------

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner), canvas_(std::make_unique<TCanvas>()) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(HDC dc) {
    canvas_->SetHandle(dc);
    canvas_->Font().Assign(Font());
    canvas_->Brush().SetColor(Color());
    try {
        Paint();
    } catch (...) {
        canvas_->SetHandle(nullptr);
        throw;
    }
    canvas_->SetHandle(nullptr);
}

}  // namespace framework
