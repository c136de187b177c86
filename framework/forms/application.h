// The application object: the forms in the order they were made, the main form, the message loop
// with its pre-processing (the application's OnMessage, keyboard short-cuts and dialog keys,
// hints), minimising the whole application to its taskbar entry, the hint settings and the hint
// window class, and the standard error message box.
//
// One TApplication exists at a time; the program makes it first (after its display) and it is
// reachable as `Application` while it lives. Forms made with CreateForm are owned by it and freed
// with it; the first one becomes the main form.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/component.h"
#include "framework/forms/form.h"
#include "platform/window/message_loop.h"

namespace framework {

class THintWindow;

using TMessageEvent = std::function<void(platform::MSG& msg, bool& handled)>;
// What the application is about to show as a hint; a handler may change it or refuse it.
struct THintInfo {
    TControl* HintControl = nullptr;
    Point HintPos;  // screen position of the hint window's top-left corner
    int HintMaxWidth = 0;
    int HideTimeout = 0;
};
using TShowHintEvent = std::function<void(std::string& hintText, bool& canShow, THintInfo& info)>;
using TExceptionEvent = std::function<void(TObject* sender, const std::exception& error)>;
// Makes the window the application shows hints in (the hint window class).
using THintWindowClass = std::function<THintWindow*(TComponent* owner)>;
// Where the standard error message box goes instead of the screen (tests).
using TErrorBoxHook = std::function<void(const std::string& title, const std::string& text)>;

class TApplication : public TComponent {
  public:
    TApplication();
    ~TApplication() override;

    // The hidden window that owns every form's window and holds the application's taskbar entry.
    platform::HWND Handle();
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);

    // Makes a form owned by the application; the first becomes the main form.
    template <class T, class... Args>
    T* CreateForm(Args&&... args) {
        T* form = new T(this, std::forward<Args>(args)...);
        if (!mainForm_)
            mainForm_ = form;
        return form;
    }
    TForm* MainForm() const { return mainForm_; }
    void SetMainForm(TForm* form) { mainForm_ = form; }
    // Every form that exists, in the order they were made.
    int FormCount() const { return int(forms_.size()); }
    TForm* Forms(int index) const { return forms_.at(size_t(index)); }
    // The form whose window is active, or nullptr.
    TForm* ActiveForm() const;

    // Shows the main form and runs the message loop until Terminate (or the main form closes).
    void Run();
    // Handles the messages that are waiting (and those they post), without waiting for more.
    void ProcessMessages();
    // Waits for one message and handles it; false when no message can ever come.
    bool HandleMessage();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // Hides every form into the application's taskbar entry, and brings them back.
    void Minimize();
    void Restore();
    bool IsMinimized() const { return minimized_; }

    // Hints: the pause before a hint shows, the shorter pause when moving from one hinted control
    // to the next, and how long it stays (milliseconds).
    int HintPause() const { return hintPause_; }
    void SetHintPause(int ms) { hintPause_ = ms; }
    int HintShortPause() const { return hintShortPause_; }
    void SetHintShortPause(int ms) { hintShortPause_ = ms; }
    int HintHidePause() const { return hintHidePause_; }
    void SetHintHidePause(int ms) { hintHidePause_ = ms; }
    bool ShowHint() const { return showHint_; }
    // Switching hints off frees the hint window; on again makes a new one with the class now set.
    void SetShowHint(bool showHint);
    const THintWindowClass& HintWindowClass() const { return hintWindowClass_; }
    void SetHintWindowClass(THintWindowClass hintClass);
    // The hint window now in use (made on first use), or nullptr while hints are off.
    THintWindow* HintWindow();
    void CancelHint();

    // The standard error message box: a modal window with the error's text and an OK button.
    void ShowException(const std::exception& error);
    // A failure inside a message handler or an event: OnException, else ShowException.
    void HandleException(const std::exception& error);
    // Replaces the box by a call (tests); returns the previous hook.
    static TErrorBoxHook SetErrorBoxHook(TErrorBoxHook hook);

    // The application-wide filter: sees every message the loop takes, first; `handled` consumes it.
    // A component may take it over and put the previous one back.
    TMessageEvent OnMessage;
    TExceptionEvent OnException;
    TShowHintEvent OnShowHint;
    TNotifyEvent OnMinimize;
    TNotifyEvent OnRestore;

  private:
    friend class TForm;
    static LRESULT AppWindowProc(platform::HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    bool PreProcess(platform::MSG& msg);
    void FormMade(TForm* form);
    void FormGone(TForm* form);
    void FormActivated(TForm* form);
    void TrackHint(const platform::MSG& msg);
    void HintTimerFired();

    platform::HWND handle_ = nullptr;
    std::string title_;
    TForm* mainForm_ = nullptr;
    TForm* lastActiveForm_ = nullptr;
    std::vector<TForm*> forms_;
    bool terminated_ = false;
    bool minimized_ = false;
    int hintPause_ = 500;
    int hintShortPause_ = 50;
    int hintHidePause_ = 2500;
    bool showHint_ = true;
    THintWindowClass hintWindowClass_;
    THintWindow* hintWindow_ = nullptr;
    TControl* hintControl_ = nullptr;
    enum class HintPhase { Idle, Waiting, Shown } hintPhase_ = HintPhase::Idle;
    platform::MessageFilter previousFilter_;
};

// The application while it exists, else nullptr.
extern TApplication* Application;

// A failure inside a message handler: to the application, or dropped when there is none.
void HandleException(const std::exception& error);

// One step of every loop of the program (the application's, a modal form's, an open menu's, a
// page call's): waits for the next message and handles it as the application's loop does, a
// failure going to HandleException. WM_QUIT stays in the queue for the outermost loop.
//
// A loop that waits for something other than the user (a page call's answer) holds the user's
// input: keys, pointer and input method stay queued, in order, for the loop outside, so that what
// the user does is carried out after the wait instead of inside it; posted messages, timers and
// painting go on.
enum class LoopStep { Handled, QuitPosted, NothingCanCome };
enum class UserInput { Take, Hold };
LoopStep HandleNextMessage(UserInput input = UserInput::Take);

}  // namespace framework
