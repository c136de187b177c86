// What an open menu holds while it is open, and gives back when it closes, whatever closes it:
//
// - the program's message filter: every message the loop takes passes the menu first, which keeps
//   the keys, the wheel and the mouse for itself;
// - the capture, on the top-level popup: the mouse comes to the menu wherever it is (and on the
//   desktop the pointer is grabbed with it), so a press anywhere else closes the menu;
// - the desktop's keyboard, grabbed for the window the menu belongs to, as desktop menus do;
// - a watch on that window: its deactivation, moving, sizing, hiding, destruction or a press on
//   it (IsMenuClosingMessage) closes the menu. The watch only posts kMenuCancelMessage to the
//   capture window; the menu closes when the loop takes that message, outside the window's own
//   message handling.
#pragma once

#include <functional>
#include <memory>

#include "framework/controls/win_control.h"
#include "platform/window/messages.h"
#include "platform/window/types.h"

namespace skin {

// Posted to the top-level popup when something outside the menu asks it to close.
constexpr platform::UINT kMenuCancelMessage = platform::WM_APP + 0x4CC;

// The messages of the owning window on which an open menu closes: WM_MOVE, WM_SIZE, WM_ACTIVATE,
// WM_KILLFOCUS, WM_CANCELMODE, WM_MOUSEACTIVATE, the button presses (client and non-client) and
// WM_PARENTNOTIFY.
bool IsMenuClosingMessage(platform::UINT message);

class MenuInputSession {
  public:
    // Takes over the filter (`filter` answers true for the messages it consumed), the capture for
    // `captureWindow`, the keyboard for `owner`'s window and the watch on `owner` (either may be
    // null). `skinChanging` runs at once when the owner hears that the skin is about to change
    // (SKM_BEFORECHANGESKINDATA): a menu must not draw from records that are about to go.
    MenuInputSession(platform::HWND captureWindow, framework::TWinControl* owner,
                     std::function<bool(platform::MSG&)> filter, std::function<void()> skinChanging);
    // Gives everything back: the filter to whoever had it (or, when someone took it over since,
    // lets it pass everything on), the keyboard, the capture, the owner's message path.
    ~MenuInputSession();
    MenuInputSession(const MenuInputSession&) = delete;
    MenuInputSession& operator=(const MenuInputSession&) = delete;

    platform::HWND CaptureWindow() const { return captureWindow_; }

    struct Shared;

  private:
    void WatchOwner(framework::TWinControl* owner);
    void ReleaseOwner();

    platform::HWND captureWindow_;
    platform::HWND keyboardWindow_ = nullptr;
    std::shared_ptr<Shared> shared_;
    framework::TWinControl* owner_ = nullptr;
};

}  // namespace skin
