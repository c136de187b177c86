#include "skin/menus/menu_session.h"

#include "platform/window/input.h"
#include "platform/window/message_loop.h"
#include "platform/window/window.h"
#include "skin/data/skin_messages.h"

namespace skin {

using framework::TMessage;
using framework::TWinControl;
using framework::TWndMethod;
using platform::HWND;
using platform::MSG;

bool IsMenuClosingMessage(platform::UINT message) {
    using namespace platform;
    switch (message) {
        case WM_MOVE:
        case WM_SIZE:
        case WM_ACTIVATE:
        case WM_KILLFOCUS:
        case WM_CANCELMODE:
        case WM_MOUSEACTIVATE:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_NCMBUTTONDOWN:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_PARENTNOTIFY:
            return true;
        default:
            return false;
    }
}

struct MenuInputSession::Shared {
    bool active = true;
    HWND captureWindow = nullptr;
    bool ownerGone = false;
    std::function<bool(MSG&)> filter;
    std::function<void()> skinChanging;
    platform::MessageFilter previous;
};

namespace {

struct SessionFilter {
    std::shared_ptr<MenuInputSession::Shared> shared;
    bool operator()(MSG& msg) const {
        // A copy: the menu may close (and this filter go) while the message is handled.
        std::shared_ptr<MenuInputSession::Shared> s = shared;
        if (s->active && s->filter(msg))
            return true;
        return s->previous ? s->previous(msg) : false;
    }
};

// The owning window's messages pass here first while the menu is open.
struct OwnerWatch {
    std::shared_ptr<MenuInputSession::Shared> shared;
    TWndMethod previous;
    void operator()(TMessage& message) const {
        using namespace platform;
        MenuInputSession::Shared& s = *shared;
        const bool closes = IsMenuClosingMessage(message.Msg) || message.Msg == WM_DESTROY ||
                            (message.Msg == WM_ACTIVATEAPP && message.WParam == 0) ||
                            (message.Msg == WM_SHOWWINDOW && message.WParam == 0);
        if (s.active && message.Msg == SKM_BEFORECHANGESKINDATA) {
            s.skinChanging();
            PostMessage(s.captureWindow, kMenuCancelMessage);
        }
        if (s.active && closes)
            PostMessage(s.captureWindow, kMenuCancelMessage);
        if (message.Msg == WM_DESTROY)
            s.ownerGone = true;
        // Nothing of this object is touched after the message went on: the window's handler
        // may replace it.
        if (previous)
            previous(message);
    }
};

}  // namespace

MenuInputSession::MenuInputSession(HWND captureWindow, TWinControl* owner, std::function<bool(MSG&)> filter,
                                   std::function<void()> skinChanging)
    : captureWindow_(captureWindow), shared_(std::make_shared<Shared>()) {
    shared_->captureWindow = captureWindow;
    shared_->filter = std::move(filter);
    shared_->skinChanging = std::move(skinChanging);
    shared_->previous = platform::SetMessageFilter(SessionFilter{shared_});
    if (captureWindow)
        platform::SetCapture(captureWindow);
    if (owner && owner->HandleAllocated()) {
        platform::SetKeyboardGrab(owner->Handle());
        keyboardWindow_ = platform::GetKeyboardGrab();
        WatchOwner(owner);
    }
}

MenuInputSession::~MenuInputSession() {
    shared_->active = false;
    const SessionFilter* installed = platform::GetMessageFilter().target<SessionFilter>();
    if (installed && installed->shared == shared_)
        platform::SetMessageFilter(std::move(shared_->previous));
    // Otherwise someone took the filter over since: ours stays in their chain and passes all on.
    if (keyboardWindow_ && platform::GetKeyboardGrab() == keyboardWindow_)
        platform::SetKeyboardGrab(nullptr);
    if (owner_)
        ReleaseOwner();
    if (captureWindow_ && platform::GetCapture() == captureWindow_)
        platform::ReleaseCapture();
}

void MenuInputSession::WatchOwner(TWinControl* owner) {
    owner_ = owner;
    owner->SetWindowProc(OwnerWatch{shared_, owner->WindowProc()});
}

void MenuInputSession::ReleaseOwner() {
    // A window that went meanwhile is not touched; one whose message path someone else took over
    // since keeps the watch in its chain, where it now passes everything on.
    if (shared_->ownerGone)
        return;
    const OwnerWatch* watch = owner_->WindowProc().target<OwnerWatch>();
    if (watch && watch->shared == shared_)
        owner_->SetWindowProc(watch->previous);
}

}  // namespace skin
