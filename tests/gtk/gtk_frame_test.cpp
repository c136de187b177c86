// The skinned frame on a real X display under a window manager (openbox): maximising takes the
// desktop's work area and restoring returns exactly, and minimising the application iconifies
// every window of it through the window manager; activating one brings them all back with their
// skinned frames.
#include <gtk/gtk.h>

#include <sstream>

#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "platform/display/gtk/x11.h"
#include "platform/window/metrics.h"
#include "skin/data/embedded_skin.h"
#include "skin/data/skin_data.h"
#include "skin/frame/skin_form.h"
#include "skins/shipped_skin.h"
#include "tests/gtk/desktop_test_support.h"
#include "tests/gtk/window_manager.h"

namespace platform::test {
namespace {

using framework::TForm;

class GtkFrameTest : public DesktopTest {
  protected:
    skin::TbsSkinForm* SkinnedForm(TForm* f, const Rect& bounds, bool resizable) {
        f->SetBorderStyle(resizable ? framework::TFormBorderStyle::bsSizeable
                                    : framework::TFormBorderStyle::bsSingle);
        f->SetCaption("Velmoro frame test");
        f->SetBounds(bounds.Left, bounds.Top, bounds.width(), bounds.height());
        auto* data = skin::LoadEmbeddedSkin(f, skins::ShippedSkinCompressedData());
        auto* frame = new skin::TbsSkinForm(f);
        frame->SetBorderIcons({skin::TbsBorderIcon::biSystemMenu, skin::TbsBorderIcon::biMinimize,
                               skin::TbsBorderIcon::biMaximize});
        frame->SetSkinData(data);
        f->Show();
        return frame;
    }
    // The window's outer rectangle as the X server has it.
    static Rect XRectOf(TForm* f, GtkDisplay& display) {
        GdkWindow* w = gtk_widget_get_window(display.desktopWindowOf(f->Handle()));
        int x = 0, y = 0, width = 0, height = 0;
        gdk_window_get_origin(w, &x, &y);
        gdk_window_get_geometry(w, nullptr, nullptr, &width, &height);
        return rectOfSize(x, y, width, height);
    }
    // The work area the window manager announces on the root window.
    static Rect AnnouncedWorkArea() {
        std::string out;
        if (FILE* pipe = popen("xprop -root _NET_WORKAREA 2>/dev/null", "r")) {
            char buffer[256];
            while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
            pclose(pipe);
        }
        int x = 0, y = 0, w = 0, h = 0;
        const size_t equals = out.find('=');
        if (equals == std::string::npos ||
            std::sscanf(out.c_str() + equals + 1, " %d, %d, %d, %d", &x, &y, &w, &h) != 4)
            return {};
        return rectOfSize(x, y, w, h);
    }
    static bool Iconified(TForm* f, GtkDisplay& display) {
        GdkWindow* w = gtk_widget_get_window(display.desktopWindowOf(f->Handle()));
        return w && (gdk_window_get_state(w) & GDK_WINDOW_STATE_ICONIFIED);
    }

    framework::TApplication application;
};

TEST_F(GtkFrameTest, MaximisingTakesTheWorkAreaAndMinimisingIconifiesEveryWindow) {
    WindowManager manager;
    if (!manager.running())
        GTEST_SKIP() << "openbox is not installed or did not start";
    ASSERT_TRUE(runUntil([] { return gtk::WindowManagerRuns(gdk_screen_get_default()); }, 10000));
    TForm* main = application.CreateForm<TForm>();
    skin::TbsSkinForm* mainFrame = SkinnedForm(main, {100, 100, 500, 400}, false);
    auto* second = new TForm(main);
    skin::TbsSkinForm* secondFrame = SkinnedForm(second, {600, 150, 900, 400}, true);
    ASSERT_TRUE(runUntil([&] { return XRectOf(second, display) == Rect{600, 150, 900, 400}; }, 10000));

    // Maximised: the work area, less a pixel on every side where it is the whole screen (no
    // panel keeps any room, as a hidden taskbar would not).
    Rect work = AnnouncedWorkArea();
    ASSERT_FALSE(work.isEmpty());
    const Rect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (work == screen)
        work = {work.Left + 1, work.Top + 1, work.Right - 1, work.Bottom - 1};
    secondFrame->ChangeFormState(skin::TbsFormState::Maximized);
    EXPECT_TRUE(runUntil([&] { return XRectOf(second, display) == work; }, 10000))
        << "maximised to " << XRectOf(second, display).Left << "," << XRectOf(second, display).Top << " "
        << XRectOf(second, display).width() << " x " << XRectOf(second, display).height();
    secondFrame->ChangeFormState(skin::TbsFormState::Normal);
    EXPECT_TRUE(runUntil([&] { return XRectOf(second, display) == Rect{600, 150, 900, 400}; }, 10000));

    // The main form's minimise: both windows iconified by the window manager; activating one
    // (as a taskbar would) restores both where they were.
    mainFrame->ChangeFormState(skin::TbsFormState::Minimized);
    EXPECT_TRUE(runUntil([&] { return Iconified(main, display) && Iconified(second, display); }, 10000))
        << "not iconified";
    EXPECT_TRUE(application.IsMinimized());
    gdk_window_deiconify(gtk_widget_get_window(display.desktopWindowOf(second->Handle())));
    EXPECT_TRUE(runUntil([&] { return !application.IsMinimized() && !Iconified(main, display); }, 10000))
        << "activating one window did not bring the application back";
    EXPECT_FALSE(IsIconic(main->Handle()));
    EXPECT_TRUE(runUntil([&] { return XRectOf(main, display) == Rect{100, 100, 500, 400}; }, 10000));
    // The skinned frame is there again once the window has been painted: the caption bar's
    // colour, not the platform's frame.
    const Rect caption = mainFrame->FindObject("caption1")->ObjectRect.offsetBy(100, 100);
    COLORREF bar = COLORREF(-1);
    EXPECT_TRUE(runUntil([&] {
        bar = screenColorAt({caption.Left + 200, caption.Top + 2});
        return bar != COLORREF(-1) && GetRValue(bar) > GetBValue(bar);
    })) << "the caption bar is not the skin's deep rose: "
        << GetRValue(bar) << "," << GetGValue(bar) << "," << GetBValue(bar);
}

}  // namespace
}  // namespace platform::test
