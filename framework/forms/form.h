// Forms: top-level windows made of controls, with a border style, border icons, a caption, a
// place on the screen, a window state, the control that has the focus in them, a default button,
// keyboard short-cuts, and the creation, close and destruction events.
//
// Every form's window is owned by the application's hidden window, which holds the taskbar entry.
// A form comes to life hidden; Show makes it visible (placing it by Position the first time).
// Closing asks OnCloseQuery, then OnClose decides: hide (the default for secondary forms), free,
// minimise or nothing; closing the main form ends the application.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "framework/controls/win_control.h"
#include "platform/window/types.h"

namespace framework {

struct FormData;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = EnumSet<TBorderIcon>;
enum class TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter,
};
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };

template <>
struct EnumNames<TFormBorderStyle> {
    static constexpr std::array names{"bsNone",   "bsSingle",     "bsSizeable",
                                      "bsDialog", "bsToolWindow", "bsSizeToolWin"};
    static_assert(names.size() == size_t(TFormBorderStyle::bsSizeToolWin) + 1);
};
template <>
struct EnumNames<TBorderIcon> {
    static constexpr std::array names{"biSystemMenu", "biMinimize", "biMaximize", "biHelp"};
    static_assert(names.size() == size_t(TBorderIcon::biHelp) + 1);
};
template <>
struct EnumNames<TPosition> {
    static constexpr std::array names{"poDesigned",        "poDefault",        "poDefaultPosOnly",
                                      "poDefaultSizeOnly", "poScreenCenter",   "poDesktopCenter",
                                      "poMainFormCenter",  "poOwnerFormCenter"};
    static_assert(names.size() == size_t(TPosition::poOwnerFormCenter) + 1);
};
template <>
struct EnumNames<TWindowState> {
    static constexpr std::array names{"wsNormal", "wsMinimized", "wsMaximized"};
    static_assert(names.size() == size_t(TWindowState::wsMaximized) + 1);
};

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;

// A key message as the form's short-cut handling sees it. KeyData is the message's lParam (bit 29:
// Alt was down).
struct TWMKey {
    UINT Msg = 0;
    uint16_t CharCode = 0;
    LPARAM KeyData = 0;
    LRESULT Result = 0;
};
// The shift state of a key message: Alt from its key data, Shift and Ctrl as they are now.
TShiftState KeyDataToShiftState(LPARAM keyData);

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;
using TShortCutEvent = std::function<void(TWMKey& msg, bool& handled)>;

// Sent to a form by Release; the form frees itself when it gets it.
constexpr UINT CM_RELEASE = CM_BASE + 33;

class TForm : public TWinControl {
  public:
    explicit TForm(TComponent* owner);
    ~TForm() override;
    static PersistentClass Published();

    // Builds the form's components from form data, in order: create every component and apply
    // its properties; `bind` (the form's code picking up its components and wiring its events);
    // resolve references in the order they were read; Loaded in creation order; then OnCreate,
    // whose failure goes to the application's error box. See core/form_data.h.
    void LoadFormData(const FormData& data, const std::function<void()>& bind = {});

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons icons);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    TWindowState WindowState() const;
    void SetWindowState(TWindowState state);
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool keyPreview) { keyPreview_ = keyPreview; }
    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool autoScroll) { autoScroll_ = autoScroll; }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize) { autoSize_ = autoSize; }

    // The control that has the focus while the form is active, or gets it when it becomes so.
    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* control);
    // The form's window is the active window.
    bool Active() const;

    void Show();
    void Hide() { SetVisible(false); }
    // Asks and closes as the header comment says.
    void Close();
    bool CloseQuery();
    // Frees the form once the messages now being handled are done.
    void Release();
    // Shows the form and runs a loop until ModalResult is set or the form closes; the other forms
    // of the application are disabled meanwhile.
    TModalResult ShowModal();
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    void BringToFront();

    // Offers a key-down to OnShortCut; true when it was handled.
    bool IsShortCut(platform::MSG& msg);
    // Gives `control` the focus now if the form is active, else when it becomes active.
    void FocusControl(TWinControl* control);

    // While form data is read the client size is also kept, and set again once everything is
    // loaded: components read after it (a frame that draws the non-client area itself) may change
    // the frame, and the client size is what the form data means.
    void SetClientWidth(int32_t width);
    void SetClientHeight(int32_t height);
    void Loaded() override;

    void SetVisible(bool visible) override;
    Rect ClientRect() const override;
    bool CanFocus() const override { return Visible() && Enabled(); }

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TShortCutEvent OnShortCut;

  protected:
    friend class TWinControl;
    friend class TApplication;

    void CreateParams(TCreateParams& params) override;
    void Dispatch(TMessage& message) override;
    void BeforeDestruction() override;
    // Runs OnCreate; a failure goes to the application's error box.
    void DoCreate();
    void DoDestroy();

  private:
    void FocusedControlChanged(TWinControl* control);
    void ControlRemoved(TControl* control);
    void Activated(bool active);
    void PlaceForFirstShow();
    bool DialogKey(TMessage& message);
    void SysCommand(TMessage& message);

    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    TBorderIcons borderIcons_{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize};
    TPosition position_ = TPosition::poDesigned;
    TWindowState requestedState_ = TWindowState::wsNormal;
    bool keyPreview_ = false;
    bool autoScroll_ = false;
    bool autoSize_ = false;
    bool shownOnce_ = false;
    int32_t loadedClientWidth_ = -1;  // -1: the form data gives none
    int32_t loadedClientHeight_ = -1;
    bool destroyed_ = false;
    bool inModal_ = false;
    TWinControl* activeControl_ = nullptr;
    TModalResult modalResult_ = mrNone;
};

}  // namespace framework
