// The window system on the headless display, end to end: a captioned window with a Chinese caption
// and a tool window beside it; the first is dragged by its caption with injected input (press,
// moves, release, which the platform's own move loop consumes), and the screen is saved as PNG.
#include <cstdio>
#include <string>

#include "platform/display/headless_display.h"
#include "platform/gfx/dc.h"
#include "platform/window/message_loop.h"
#include "platform/window/painting.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"

using namespace platform;

namespace {

// Paints a line of text in the middle of the client area.
LRESULT ExampleProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT)
        return DefWindowProc(hwnd, message, wParam, lParam);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    Rect client;
    GetClientRect(hwnd, &client);
    HFONT font =
        CreateFont(-13, 0, 0, 0, FW_NORMAL, false, false, false, GB2312_CHARSET, 0, 0, 0, 0, "Tahoma");
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(40, 40, 40));
    DrawText(dc, GetWindowText(hwnd) == "工具" ? "工具窗口" : "拖动标题栏可以移动窗口", &client,
             DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, old);
    DeleteObject(font);
    EndPaint(hwnd, &ps);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string path = argc > 1 ? argv[1] : "headless_drag.png";
    HeadlessDisplay display;

    WNDCLASS windowClass;
    windowClass.lpfnWndProc = &ExampleProc;
    windowClass.background = clBtnFace;
    windowClass.lpszClassName = "VelmoroExample";
    RegisterClass(windowClass);

    HWND main = CreateWindowEx(0, "VelmoroExample", "淘宝试衣间 — Velmoro", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                               60, 80, 420, 260);
    HWND tool = CreateWindowEx(WS_EX_TOOLWINDOW, "VelmoroExample", "工具",
                               WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 600, 120, 220, 160, main);
    if (!main || !tool) {
        std::fprintf(stderr, "could not create the windows\n");
        return 1;
    }
    ProcessPendingMessages();

    // Press on the caption, move in steps, release: the move loop runs inside the press.
    Rect before;
    GetWindowRect(main, &before);
    display.drag({before.Left + 150, before.Top + 12}, {before.Left + 330, before.Top + 232}, 6);
    ProcessPendingMessages();

    Rect after;
    GetWindowRect(main, &after);
    std::printf("dragged from (%d, %d) to (%d, %d)\n", before.Left, before.Top, after.Left, after.Top);
    if (!display.saveScreenshot(path)) {
        std::fprintf(stderr, "could not write %s\n", path.c_str());
        return 1;
    }
    std::printf("screen saved to %s\n", path.c_str());
    bool moved = after.Left == before.Left + 180 && after.Top == before.Top + 220;
    return moved ? 0 : 1;
}
