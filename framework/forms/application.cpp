#include "framework/forms/application.h"

#include <algorithm>
#include <utility>

#include "framework/forms/hint_window.h"
#include "framework/forms/message_box.h"
#include "platform/window/focus.h"
#include "platform/window/input.h"
#include "platform/window/metrics.h"
#include "platform/window/timers.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"

namespace framework {

using namespace platform;

TApplication* Application = nullptr;

namespace {

constexpr const char* kAppWindowClass = "TApplication";
constexpr UINT_PTR kHintTimer = 1;
// Where the application's window lies: it has no size and is never seen, only its taskbar entry.
constexpr int32_t kOffScreen = -32000;

TErrorBoxHook& ErrorBoxHook() {
    static TErrorBoxHook hook;
    return hook;
}

bool IsMouseButtonMessage(UINT msg) {
    return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN ||
           msg == WM_NCLBUTTONDOWN || msg == WM_NCRBUTTONDOWN || msg == WM_NCMBUTTONDOWN ||
           msg == WM_MOUSEWHEEL;
}

}  // namespace

void HandleException(const std::exception& error) {
    if (Application)
        Application->HandleException(error);
}

LoopStep HandleNextMessage(UserInput input) {
    const UINT kinds = input == UserInput::Hold ? PM_QS_POSTMESSAGE | PM_QS_PAINT : 0;
    if (!WaitMessage(kinds))
        return LoopStep::NothingCanCome;
    MSG msg;
    // Woken for nothing that is a message (a wait that ended): the caller looks again.
    if (!PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE | kinds))
        return LoopStep::Handled;
    if (msg.message == WM_QUIT)
        return LoopStep::QuitPosted;
    PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE | kinds);
    try {
        ProcessMessage(msg);
    } catch (const std::exception& error) {
        HandleException(error);
    }
    return LoopStep::Handled;
}

TApplication::TApplication() : TComponent(nullptr) {
    if (Application)
        throw EInvalidOperation("An application exists already");
    Application = this;
    previousFilter_ = SetMessageFilter([this](MSG& msg) { return PreProcess(msg); });
}

TApplication::~TApplication() {
    CancelHint();
    // Forms go first, while the application and its window still exist for them.
    DestroyComponents();
    SetMessageFilter(std::move(previousFilter_));
    if (handle_ && IsWindow(handle_))
        DestroyWindow(handle_);
    Application = nullptr;
}

HWND TApplication::Handle() {
    if (handle_ && IsWindow(handle_))
        return handle_;
    WNDCLASS existing;
    if (!GetClassInfo(kAppWindowClass, &existing)) {
        WNDCLASS windowClass;
        windowClass.lpfnWndProc = AppWindowProc;
        windowClass.lpszClassName = kAppWindowClass;
        RegisterClass(windowClass);
    }
    handle_ = CreateWindowEx(0, kAppWindowClass, title_, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                             kOffScreen, kOffScreen, 0, 0);
    return handle_;
}

void TApplication::SetTitle(const std::string& title) {
    title_ = title;
    if (handle_)
        SetWindowText(handle_, title);
}

TForm* TApplication::ActiveForm() const {
    HWND active = GetActiveWindow();
    for (TForm* form : forms_)
        if (form->HandleAllocated() && form->Handle() == active)
            return form;
    return nullptr;
}

void TApplication::FormMade(TForm* form) {
    forms_.push_back(form);
}

void TApplication::FormGone(TForm* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
    if (mainForm_ == form)
        mainForm_ = nullptr;
    if (lastActiveForm_ == form)
        lastActiveForm_ = nullptr;
    if (hintControl_ && hintControl_->ParentForm() == form)
        CancelHint();
}

void TApplication::FormActivated(TForm* form) {
    lastActiveForm_ = form;
}

// --- The loop --------------------------------------------------------------------------------

void TApplication::Run() {
    if (HWND window = Handle())
        ShowWindow(window, SW_SHOWNA);
    if (mainForm_) {
        if (title_.empty())
            SetTitle(mainForm_->Caption());
        mainForm_->Show();
    }
    while (!terminated_) {
        if (!HandleMessage())
            break;
    }
}

bool TApplication::HandleMessage() {
    switch (HandleNextMessage()) {
        case LoopStep::Handled:
            return true;
        case LoopStep::QuitPosted: {
            MSG quit;
            PeekMessage(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
            terminated_ = true;
            return false;
        }
        case LoopStep::NothingCanCome:
            return false;
    }
    return false;
}

void TApplication::ProcessMessages() {
    // Taking input can post messages of its own (a mouse leave): passes go on until one finds
    // nothing.
    for (;;) {
        try {
            if (ProcessPendingMessages() == 0)
                return;
        } catch (const std::exception& error) {
            HandleException(error);
        }
    }
}

void TApplication::Terminate() {
    if (terminated_)
        return;
    terminated_ = true;
    PostQuitMessage(0);
}

bool TApplication::PreProcess(MSG& msg) {
    if (OnMessage) {
        bool handled = false;
        OnMessage(msg, handled);
        if (handled)
            return true;
    }
    TrackHint(msg);
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        if (TWinControl* control = TWinControl::FindControl(msg.hwnd))
            return control->PreProcessKeyDown(msg);
    }
    return false;
}

// --- Minimising ------------------------------------------------------------------------------

void TApplication::Minimize() {
    if (minimized_)
        return;
    HWND window = Handle();
    minimized_ = true;
    // Each shown form is minimised itself, so that a desktop's window manager iconifies it (and
    // brings it back when the user activates it); the application's window keeps the taskbar entry.
    for (TForm* form : forms_)
        if (form->HandleAllocated() && IsWindowVisible(form->Handle()) && !IsIconic(form->Handle()))
            ShowWindow(form->Handle(), SW_SHOWMINNOACTIVE);
    if (window) {
        ShowWindow(window, SW_SHOWNA);
        ShowWindow(window, SW_MINIMIZE);
    }
    if (OnMinimize)
        OnMinimize(this);
}

void TApplication::Restore() {
    if (!minimized_)
        return;
    minimized_ = false;
    if (handle_)
        ShowWindow(handle_, SW_RESTORE);
    for (TForm* form : std::vector<TForm*>(forms_))
        if (form->Visible() && form->HandleAllocated())
            ShowWindow(form->Handle(), IsIconic(form->Handle()) ? SW_SHOWNOACTIVATE : SW_SHOWNA);
    TForm* back = lastActiveForm_ ? lastActiveForm_ : mainForm_;
    if (back && back->HandleAllocated() && back->Visible())
        SetForegroundWindow(back->Handle());
    if (OnRestore)
        OnRestore(this);
}

LRESULT TApplication::AppWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TApplication* app = Application;
    if (!app || hwnd != app->handle_)
        return DefWindowProc(hwnd, msg, wParam, lParam);
    try {
        switch (msg) {
            case WM_SYSCOMMAND:
                switch (SysCommandOf(wParam)) {
                    case SC_MINIMIZE:
                        app->Minimize();
                        return 0;
                    case SC_RESTORE:
                        app->Restore();
                        return 0;
                    case SC_CLOSE:
                        if (app->mainForm_)
                            app->mainForm_->Close();
                        return 0;
                    default:
                        break;
                }
                break;
            case WM_CLOSE:
                if (app->mainForm_)
                    app->mainForm_->Close();
                return 0;
            case WM_ACTIVATE:
                // The application's window never keeps the activation: its last active form takes it.
                if (LOWORD(wParam) != WA_INACTIVE && !app->minimized_) {
                    TForm* back = app->lastActiveForm_ ? app->lastActiveForm_ : app->mainForm_;
                    if (back && back->HandleAllocated() && back->Visible())
                        SetActiveWindow(back->Handle());
                }
                return 0;
            case WM_TIMER:
                if (wParam == kHintTimer) {
                    app->HintTimerFired();
                    return 0;
                }
                break;
            default:
                break;
        }
    } catch (const std::exception& error) {
        app->HandleException(error);
        return 0;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

// --- Hints -----------------------------------------------------------------------------------

void TApplication::SetShowHint(bool showHint) {
    if (showHint == showHint_)
        return;
    showHint_ = showHint;
    if (!showHint) {
        CancelHint();
        delete std::exchange(hintWindow_, nullptr);
    }
}

void TApplication::SetHintWindowClass(THintWindowClass hintClass) {
    hintWindowClass_ = std::move(hintClass);
}

THintWindow* TApplication::HintWindow() {
    if (!showHint_)
        return nullptr;
    if (!hintWindow_)
        hintWindow_ = hintWindowClass_ ? hintWindowClass_(this) : new THintWindow(this);
    return hintWindow_;
}

void TApplication::CancelHint() {
    if (handle_)
        KillTimer(handle_, kHintTimer);
    if (hintWindow_ && hintPhase_ == HintPhase::Shown)
        hintWindow_->ReleaseHintWindow();
    hintPhase_ = HintPhase::Idle;
    hintControl_ = nullptr;
}

void TApplication::TrackHint(const MSG& msg) {
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN || IsMouseButtonMessage(msg.message)) {
        if (hintPhase_ != HintPhase::Idle)
            CancelHint();
        return;
    }
    if (msg.message != WM_MOUSEMOVE || !showHint_)
        return;
    TWinControl* window = TWinControl::FindControl(msg.hwnd);
    TControl* control = window;
    if (window) {
        if (TControl* child = window->ControlAtPos(PointFromLParam(msg.lParam)))
            control = child;
    }
    if (control == hintControl_)
        return;
    const bool wasShown = hintPhase_ == HintPhase::Shown;
    CancelHint();
    if (!control || control->Hint().empty() || !control->ShowHint() || !Handle())
        return;
    hintControl_ = control;
    hintPhase_ = HintPhase::Waiting;
    SetTimer(handle_, kHintTimer, UINT(wasShown ? hintShortPause_ : hintPause_));
}

void TApplication::HintTimerFired() {
    KillTimer(handle_, kHintTimer);
    if (hintPhase_ == HintPhase::Shown || !hintControl_) {
        CancelHint();
        return;
    }
    std::string text = hintControl_->Hint();
    Point cursor;
    GetCursorPos(&cursor);
    THintInfo info;
    info.HintControl = hintControl_;
    // Below the pointer's shape, which reaches about 20 pixels below its hot spot.
    info.HintPos = {cursor.X, cursor.Y + 20};
    info.HintMaxWidth = GetSystemMetrics(SM_CXSCREEN);
    info.HideTimeout = hintHidePause_;
    bool canShow = true;
    if (OnShowHint)
        OnShowHint(text, canShow, info);
    THintWindow* window = canShow && !text.empty() ? HintWindow() : nullptr;
    if (!window) {
        hintPhase_ = HintPhase::Idle;
        return;
    }
    Rect rect = window->CalcHintRect(info.HintMaxWidth, text);
    window->ActivateHint(rect.offsetBy(info.HintPos.X, info.HintPos.Y), text);
    hintPhase_ = HintPhase::Shown;
    SetTimer(handle_, kHintTimer, UINT(std::max(info.HideTimeout, 1)));
}

// --- Errors ----------------------------------------------------------------------------------

TErrorBoxHook TApplication::SetErrorBoxHook(TErrorBoxHook hook) {
    return std::exchange(ErrorBoxHook(), std::move(hook));
}

void TApplication::HandleException(const std::exception& error) {
    if (OnException)
        OnException(this, error);
    else
        ShowException(error);
}

void TApplication::ShowException(const std::exception& error) {
    std::string text = error.what();
    // The box ends the message with a full stop unless it ends in punctuation already.
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        text += '.';
    const std::string title = title_.empty() && mainForm_ ? mainForm_->Caption() : title_;
    if (ErrorBoxHook()) {
        ErrorBoxHook()(title, text);
        return;
    }
    ShowMessageBox(title, text);
}

}  // namespace framework
