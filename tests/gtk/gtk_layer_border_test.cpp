// The layered border on a real X display: a form wearing the second skin (skins/dusk) over a
// backdrop of one known colour. With a compositing manager (xcompmgr) the X server shows the
// shadow's four windows exactly as our own composition of their strips over that colour, active and
// inactive, and a click on the shadow reaches the backdrop below; without one no border window is
// shown, and the form's X shape is the one `skinview region` draws for the skin at each size. With
// its LAYERFRAME switched to the fullborder mode, the caption buttons drawn on the border's top
// window take real clicks.
#include <gtk/gtk.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "platform/gfx/png.h"
#include "platform/window/focus.h"
#include "skin/data/embedded_skin.h"
#include "skin/data/skin_data.h"
#include "skin/frame/skin_form.h"
#include "skins/dusk_skin.h"
#include "tests/gtk/desktop_test_support.h"
#include "tools/skinview/skinview.h"

namespace platform::test {
namespace {

using framework::TForm;

constexpr COLORREF kBackdrop = RGB(0, 160, 80);

// xcompmgr in its plain mode (translucency, no shadows of its own), started before the test's
// display makes its windows' visuals, stopped with the test.
class Compositor {
  public:
    Compositor() {
        if (std::system("command -v xcompmgr >/dev/null 2>&1") != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            // It reports X errors on windows that went before it painted them: not ours to see.
            if (std::freopen("/dev/null", "w", stderr) == nullptr)
                _exit(126);
            execlp("xcompmgr", "xcompmgr", "-n", static_cast<char*>(nullptr));
            _exit(127);
        }
        gdk_set_allowed_backends("x11");
        gtk_init(nullptr, nullptr);
        GdkDisplay* x = gdk_display_get_default();
        for (int i = 0; i < 500 && !(running_ = gdk_screen_is_composited(gdk_screen_get_default())); ++i) {
            gdk_display_sync(x);
            g_main_context_iteration(nullptr, false);
            g_usleep(10000);
        }
    }
    ~Compositor() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    Compositor(const Compositor&) = delete;
    Compositor& operator=(const Compositor&) = delete;
    bool running() const { return running_; }

  private:
    pid_t pid_ = -1;
    bool running_ = false;
};

// What the X server shows in a screen rectangle.
Surface ScreenPixels(const Rect& r) {
    Surface out(r.width(), r.height());
    GdkPixbuf* pixels =
        gdk_pixbuf_get_from_window(gdk_get_default_root_window(), r.Left, r.Top, r.width(), r.height());
    if (!pixels)
        return Surface();
    const int stride = gdk_pixbuf_get_rowstride(pixels), channels = gdk_pixbuf_get_n_channels(pixels);
    const guchar* data = gdk_pixbuf_read_pixels(pixels);
    for (int32_t y = 0; y < r.height(); ++y)
        for (int32_t x = 0; x < r.width(); ++x) {
            const guchar* p = data + y * stride + x * channels;
            out.setPixel(x, y, PixelFromColor(RGB(p[0], p[1], p[2])));
        }
    g_object_unref(pixels);
    return out;
}

int ChannelDifference(uint32_t a, uint32_t b) {
    int most = 0;
    for (int shift : {0, 8, 16})
        most = std::max(most, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
    return most;
}

class LayerBorderOnX : public DesktopTest {
  protected:
    // The backdrop over the whole screen, and the skinned form at (200, 150), 400 x 300, on it.
    // `fullBorder`: the shadow's record carries the whole frame, its top strip made tall enough
    // for the caption bar and its buttons.
    void ShowSkinnedForm(bool fullBorder = false) {
        backdrop = solid({0, 0, 1280, 1024}, kBackdrop);
        form = application.CreateForm<TForm>();
        form->SetBorderStyle(framework::TFormBorderStyle::bsSizeable);
        form->SetCaption("Velmoro V1.0");
        form->SetBounds(200, 150, 400, 300);
        data = skin::LoadEmbeddedSkin(form, skins::DuskSkinCompressedData());
        if (fullBorder) {
            auto& record = const_cast<skin::TbsDataSkinLayerFrame&>(data->LayerFrame());
            record.FullBorder = true;
            record.ClientRect.Top = record.LeftTopPoint.Y = record.RightTopPoint.Y = 40;
            record.CaptionRect = {16, 16, 80, 38};
        }
        form->OnClose = [this](framework::TObject*, framework::TCloseAction& action) {
            ++closes;
            action = framework::TCloseAction::caNone;
        };
        frame = new skin::TbsSkinForm(form);
        frame->SetSkinData(data);
        form->Show();
        runUntil([&] { return IsWindowVisible(form->Handle()); });
    }
    Rect FormRect() const {
        Rect r;
        GetWindowRect(form->Handle(), &r);
        return r;
    }
    // Where the form shows and the shadow does not: the shadow's outer rectangle less the form.
    bool InShadowArea(Point p) const {
        return frame->LayerBorder().OuterRect().contains(p) && !FormRect().contains(p);
    }
    // The largest channel difference between the screen and our composition of the strips over
    // the backdrop, over the shadow's area.
    int ShadowDifference() {
        const Rect outer = frame->LayerBorder().OuterRect();
        Surface expected(outer.width(), outer.height());
        expected.fill(PixelFromColor(kBackdrop));
        frame->LayerBorder().ComposeOver(expected, outer.topLeft());
        const Surface shown = ScreenPixels(outer);
        if (shown.isEmpty())
            return 256;
        int most = 0;
        for (int32_t y = 0; y < outer.height(); ++y)
            for (int32_t x = 0; x < outer.width(); ++x)
                if (InShadowArea({outer.Left + x, outer.Top + y}))
                    most = std::max(most, ChannelDifference(shown.pixel(x, y), expected.pixel(x, y)));
        return most;
    }

    framework::TApplication application;
    HWND backdrop = nullptr;
    TForm* form = nullptr;
    skin::TbsSkinData* data = nullptr;
    skin::TbsSkinForm* frame = nullptr;
    int closes = 0;
};

class GtkBareLayerBorderTest : public LayerBorderOnX {};

TEST_F(GtkBareLayerBorderTest, WithoutACompositorNoBorderWindowShows) {
    if (display.hasCompositor())
        GTEST_SKIP() << "a compositing manager runs on this display";
    ShowSkinnedForm();
    EXPECT_TRUE(frame->LayerBorder().Shown());
    for (skin::LayerSide side : skin::kLayerSides) EXPECT_EQ(frame->LayerBorder().Window(side), nullptr);
    const Rect r = FormRect();
    EXPECT_TRUE(showsColor({r.Left + r.width() / 2, r.Bottom + 6}, kBackdrop));
}

TEST_F(GtkBareLayerBorderTest, TheFormsXShapeIsTheSkinsRegion) {
    ShowSkinnedForm();
    const char* sourceDir = std::getenv("VELMORO_SOURCE_DIR");
    const std::filesystem::path source =
        std::filesystem::path(sourceDir ? sourceDir : ".") / "skins" / "dusk";
    const std::filesystem::path picture = std::filesystem::temp_directory_path() / "velmoro_dusk_region.png";
    for (Size size : {Size{400, 300}, Size{177, 120}, Size{640, 200}}) {
        SCOPED_TRACE(std::to_string(size.cx) + "x" + std::to_string(size.cy));
        form->SetBounds(200, 150, size.cx, size.cy);
        std::ostringstream out, err;
        ASSERT_EQ(tools::RunSkinview(
                      {"region", source.string(), "--size",
                       std::to_string(size.cx) + "x" + std::to_string(size.cy), "-o", picture.string()},
                      out, err),
                  0)
            << err.str();
        const std::optional<Surface> region = LoadSurfacePng(picture.string());
        ASSERT_TRUE(region);
        // Where the region is white the backdrop shows through the X shape; where black, the frame.
        auto matches = [&] {
            const Surface shown = ScreenPixels(FormRect());
            if (shown.width() != size.cx || shown.height() != size.cy)
                return false;
            for (int32_t y = 0; y < size.cy; ++y)
                for (int32_t x = 0; x < size.cx; ++x) {
                    const bool outside = (region->pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
                    if (outside != (ColorFromPixel(shown.pixel(x, y)) == kBackdrop))
                        return false;
                }
            return true;
        };
        EXPECT_TRUE(runUntil(matches));
        // The rounded top corners are really there.
        EXPECT_EQ(region->pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
        EXPECT_EQ(region->pixel(0, size.cy - 1) & 0xFFFFFF, 0u);
    }
    std::filesystem::remove(picture);
}

// The compositing manager runs before the display is made (base classes are made in order).
class CompositorFirst {
  protected:
    Compositor compositor;
};

class GtkComposedLayerBorderTest : public CompositorFirst, public LayerBorderOnX {};

TEST_F(GtkComposedLayerBorderTest, TheScreenShowsTheShadowAsWeComposeIt) {
    if (!compositor.running())
        GTEST_SKIP() << "xcompmgr is not installed";
    ASSERT_TRUE(display.hasCompositor());
    ShowSkinnedForm();
    skin::TbsFormLayerBorder& border = frame->LayerBorder();
    ASSERT_TRUE(border.Shown());
    for (skin::LayerSide side : skin::kLayerSides) EXPECT_TRUE(IsWindowVisible(border.Window(side)));
    // The compositor paints a moment later; the shadow then matches to rounding.
    EXPECT_TRUE(runUntil([&] { return ShadowDifference() <= 2; }, 5000)) << ShadowDifference();
    EXPECT_NE(screenColorAt({FormRect().Left + 200, FormRect().Bottom + 6}), kBackdrop);
    saveScreenshot("gtk_layer_border_active");

    // Another window takes the activation: the lighter shadow.
    HWND other = solid({900, 700, 1100, 850}, RGB(250, 250, 250));
    SetActiveWindow(other);
    ASSERT_TRUE(runUntil([&] { return !border.Active(); }));
    EXPECT_TRUE(runUntil([&] { return ShadowDifference() <= 2; }, 5000)) << ShadowDifference();
    saveScreenshot("gtk_layer_border_inactive");

    // Moved: the shadow is drawn at the new place.
    form->SetBounds(300, 220, 460, 320);
    EXPECT_TRUE(runUntil([&] { return ShadowDifference() <= 2; }, 5000)) << ShadowDifference();

    // A click on the shadow lands on the backdrop below it.
    log().clear();
    const Rect r = FormRect();
    xdotool("mousemove " + std::to_string(r.Left + r.width() / 2) + " " + std::to_string(r.Bottom + 6) +
            " click 1");
    EXPECT_TRUE(runUntil([&] { return !messagesOf(backdrop, WM_LBUTTONDOWN).empty(); }));
}

TEST_F(GtkComposedLayerBorderTest, AFullBorderFormsCaptionButtonsOnTheBorderTakeClicks) {
    if (!compositor.running())
        GTEST_SKIP() << "xcompmgr is not installed";
    ShowSkinnedForm(true);
    ASSERT_TRUE(frame->LayeredBorderDrawsFrame());
    skin::TbsFormLayerBorder& border = frame->LayerBorder();
    ASSERT_TRUE(border.Shown());
    ASSERT_NE(border.Window(skin::LayerSide::Top), nullptr);
    // The close button's face is opaque, so the top window's X input shape holds it.
    const Rect close = frame->ObjectScreenRect(*frame->FindObject("closebutton"));
    ASSERT_FALSE(close.isEmpty());
    EXPECT_TRUE(runUntil([&] { return screenColorAt({close.Left + 9, close.Top + 8}) != kBackdrop; }));
    saveScreenshot("gtk_full_border");
    xdotool("mousemove " + std::to_string(close.Left + 9) + " " + std::to_string(close.Top + 8) + " click 1");
    EXPECT_TRUE(runUntil([&] { return closes == 1; })) << closes;
}

}  // namespace
}  // namespace platform::test
