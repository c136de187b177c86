// The window system's own state: the window table, classes, the queue, timers, focus, activation
// and capture. Internal to platform/window; other layers use the calls of the public headers.
//
// Rule for every call here: a WindowRecord* is only valid until the next message is sent (a window
// procedure may destroy any window), so code looks the handle up again after each SendMessage.
#pragma once

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/display/display.h"
#include "platform/gfx/region.h"
#include "platform/gfx/surface.h"
#include "platform/window/message_loop.h"
#include "platform/window/styles.h"
#include "platform/window/types.h"
#include "platform/window/window.h"

namespace platform::win {

struct WindowClass {
    std::string name;
    UINT style = 0;
    WNDPROC proc = nullptr;
    HCURSOR cursor = nullptr;
    std::optional<COLORREF> background;
};

// What a top-level window has beyond a child: the pixels it shows and how it is composed.
struct TopLevelPart {
    // The whole window's pixels; children draw into it at their offset. Held by pointer so that
    // device contexts keep a stable target for as long as the window lives.
    std::unique_ptr<Surface> surface = std::make_unique<Surface>();
    LayerAttributes layer;
    // The image UpdateLayeredWindow gave (premultiplied); shown instead of the surface then.
    std::unique_ptr<Surface> layeredImage = std::make_unique<Surface>();
    // The display hears of the window once its creation succeeded; what it was told last.
    bool known = false;
    std::optional<TopLevelState> lastSent;
};

struct WindowRecord {
    HWND handle = nullptr;
    std::shared_ptr<const WindowClass> windowClass;
    DWORD style = 0;
    DWORD exStyle = 0;
    WNDPROC proc = nullptr;
    LONG_PTR userData = 0;
    UINT_PTR id = 0;
    HWND parent = nullptr;       // child windows only
    HWND owner = nullptr;        // top-level windows only
    std::vector<HWND> children;  // top of the z-order first
    Rect rect;                   // in the parent's client coordinates; screen for top-level windows
    Rect client;                 // client area in window coordinates
    std::string text;
    std::optional<Region> region;  // window region, window coordinates

    // Painting: what needs repainting, in window coordinates (client and non-client area).
    Region update;
    bool eraseNeeded = false;
    bool eraseRefused = false;  // WM_ERASEBKGND answered 0: BeginPaint reports fErase
    bool internalPaint = false;
    uint64_t beginPaints = 0;  // BeginPaint calls so far: tells whether WM_PAINT was answered properly

    // Minimised and maximised windows remember where they return to.
    Rect normalRect;
    bool maximizedBeforeMinimize = false;

    bool destroying = false;
    bool imeEnabled = false;   // wants the input method while it has the focus
    bool frameActive = false;  // the state the last WM_NCACTIVATE gave the platform frame
    NativeWidget* nativeWidget = nullptr;

    std::unique_ptr<TopLevelPart> top;  // top-level windows only

    bool isChild() const { return (style & WS_CHILD) != 0; }
};

struct Timer {
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    UINT elapse = 0;
    uint32_t due = 0;
    TIMERPROC proc = nullptr;
    uint64_t order = 0;  // creation order, so that timers due together fire in that order
};

struct ClickMemory {
    HWND hwnd = nullptr;
    MouseButton button = MouseButton::Left;
    bool client = false;
    uint32_t time = 0;
    Point point;
    bool valid = false;
};

struct LeaveTracking {
    HWND hwnd = nullptr;
    bool client = false;     // TME_LEAVE
    bool nonClient = false;  // TME_LEAVE | TME_NONCLIENT
};

struct Composition {
    HWND hwnd = nullptr;
    std::string preedit;
    int32_t cursor = 0;
};

struct WindowSystem {
    Display* display = nullptr;

    std::unordered_map<uintptr_t, std::unique_ptr<WindowRecord>> windows;
    std::vector<HWND> topLevels;  // top of the z-order first

    HWND active = nullptr;
    HWND focus = nullptr;
    HWND capture = nullptr;
    HWND keyboardGrab = nullptr;  // a top-level window
    bool appActive = false;
    HWND activeBeforeAppLeft = nullptr;

    std::deque<MSG> posted;
    bool quitPosted = false;
    int quitCode = 0;
    std::deque<InputEvent> input;  // raw events, turned into messages when the loop takes them
    std::deque<MSG> readyInput;    // turned into messages but not yet removed (PM_NOREMOVE)
    MSG lastMessage;               // GetMessagePos, GetMessageTime

    std::vector<Timer> timers;
    uint64_t timerOrder = 0;

    Point cursor;
    HCURSOR cursorShape = nullptr;
    ClickMemory lastClick;
    LeaveTracking leaveTracking;
    std::array<uint8_t, 256> keyState{};       // as of the last input message taken (GetKeyState)
    std::array<uint8_t, 256> asyncKeyState{};  // as the display reported it (GetAsyncKeyState)
    int lastKeyVk = 0;
    std::string lastKeyText;  // what the last key-down types, for TranslateMessage
    Composition composition;

    MessageFilter filter;
    bool dragFullWindows = true;  // SPI_GETDRAGFULLWINDOWS
    int sendDepth = 0;
};

WindowSystem& System();
Display* CurrentDisplay();

// The record of a live window, or null for a destroyed or invented handle.
WindowRecord* Find(HWND hwnd);
WindowRecord& Get(HWND hwnd);  // only for handles known to be live

// The top-level window a window belongs to (itself for a top-level window); null when not a window.
HWND TopLevelOf(HWND hwnd);
// Where the window's top-left corner lies in its top-level window's coordinates.
Point OffsetInTopLevel(HWND hwnd);
// The window rectangle in screen coordinates.
Rect ScreenRectOf(const WindowRecord& w);
// The client area's origin in screen coordinates.
Point ClientOriginOnScreen(const WindowRecord& w);

// The window and every ancestor have WS_VISIBLE; a minimised top-level window counts as visible.
bool IsShownWithAncestors(HWND hwnd);

// A top-level window the display knows (created, not being destroyed), or null.
WindowRecord* KnownTopLevel(HWND hwnd);
// Tells the display of a new top-level window and everything about it.
void IntroduceTopLevel(HWND hwnd);
// Tells the display what it shows of a top-level window, when that changed.
void AnnounceTopLevel(HWND hwnd);
void AnnounceStacking();
void AnnounceShape(HWND hwnd);
// Places the native widgets of every window again (after moves, shows and hides).
void PlaceNativeWidgets();

// Forgets a window everywhere (focus, capture, queue, timers) once it is destroyed.
void ForgetWindowState(HWND hwnd);

}  // namespace platform::win
