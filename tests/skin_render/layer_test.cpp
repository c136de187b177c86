#include <gtest/gtest.h>

#include <vector>

#include "platform/display/headless_display.h"
#include "platform/window/message_loop.h"
#include "platform/window/styles.h"
#include "platform/window/window.h"
#include "skin/data/skin_data.h"
#include "skin/render/layer_manager.h"
#include "skin/render/layered_windows.h"
#include "skin/render/platform_calls.h"
#include "tests/skin_data/skin_fixture.h"

namespace skin {
namespace {

using platform::COLORREF;
using platform::HeadlessDisplay;
using platform::RGB;

TEST(OsVersionTest, Table) {
    struct Case {
        OsVersion v;
        bool layering, v51, v6, v61;
    };
    const Case cases[] = {
        {{4, 0}, false, false, false, false}, {{5, 0}, true, false, false, false},
        {{5, 1}, true, true, false, false},   {{5, 2}, true, false, false, false},
        {{6, 0}, true, true, true, false},    {{6, 1}, true, true, true, true},
        {{6, 2}, true, true, true, false},    {{10, 0}, true, true, true, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LayeringSupported(c.v), c.layering) << int(c.v.major) << "." << int(c.v.minor);
        EXPECT_EQ(IsOsVersion51OrLater(c.v), c.v51) << int(c.v.major) << "." << int(c.v.minor);
        EXPECT_EQ(IsOsVersion6OrLater(c.v), c.v6) << int(c.v.major) << "." << int(c.v.minor);
        EXPECT_EQ(IsOsVersion61(c.v), c.v61) << int(c.v.major) << "." << int(c.v.minor);
    }
    EXPECT_EQ(GetOsVersionPair(), (OsVersion{6, 1}));
    EXPECT_TRUE(LayeringSupported());
    EXPECT_FALSE(IsCompositionEnabled());
}

// Composition is on exactly while the display says a compositing manager blends its windows.
TEST(CompositionTest, FollowsTheDisplay) {
    EXPECT_FALSE(IsCompositionEnabled());  // no display
    HeadlessDisplay::Options options;
    options.composesAlpha = true;
    HeadlessDisplay display(options);
    EXPECT_TRUE(IsCompositionEnabled());
    display.setComposesAlpha(false);
    EXPECT_FALSE(IsCompositionEnabled());
    display.setComposesAlpha(true);
    EXPECT_TRUE(IsCompositionEnabled());
    EXPECT_FALSE(SetBlurBehind(nullptr, true, nullptr));
    EXPECT_FALSE(SetWindowTransitions(nullptr, false));
}

framework::TBitmap Solid(int32_t w, int32_t h, COLORREF c) {
    framework::TBitmap b;
    b.SetSize(w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) b.SetPixel(x, y, c);
    return b;
}

TEST(MakeAlphaFromMaskTest, MaskGivesAlphaAndLimitsColors) {
    const framework::TBitmap picture = Solid(3, 1, RGB(200, 100, 250));
    framework::TBitmap mask = Solid(3, 1, RGB(0, 0, 0));
    mask.SetPixel(1, 0, RGB(255, 255, 255));
    mask.SetPixel(2, 0, RGB(128, 128, 128));
    TbsBitmap image;
    MakeAlphaFromMask(picture, mask, image);
    EXPECT_EQ(image.PixelAt(0, 0), 0x00000000u);  // black: fully transparent
    EXPECT_EQ(image.PixelAt(1, 0), 0xFFC864FAu);  // white: the picture at full opacity
    EXPECT_EQ(image.PixelAt(2, 0), 0x80806480u);  // grey: every colour byte at most 128
    TbsBitmap opaque;
    MakeAlphaFromMask(picture, framework::TBitmap(), opaque);
    EXPECT_EQ(opaque.PixelAt(2, 0), 0xFFC864FAu);
}

class LayerTest : public ::testing::Test {
  protected:
    uint8_t LayerAlpha(platform::HWND w) const { return display.stateOf(w)->layer.alpha; }

    HeadlessDisplay display;
    framework::TBitmap picture = Solid(20, 10, RGB(255, 255, 255));
    framework::TBitmap mask = Solid(20, 10, RGB(255, 255, 255));
};

// The alphas pushed by the fade: the first at 0 when shown, then one a tick.
TEST_F(LayerTest, FadeSequences) {
    struct Case {
        uint8_t alpha;
        std::vector<int> pushed;
    };
    const Case cases[] = {
        {255, {25, 50, 75, 100, 125, 150, 175, 200, 225, 250, 255}},
        {5, {1, 2, 3, 4, 5}},
        {100, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}},
        {9, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {0, {0}},
    };
    for (const Case& c : cases) {
        TbsLayerManager manager;
        manager.ShowLayer(100, 50, c.alpha, mask, picture);
        const platform::HWND w = manager.LayerWindow();
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(manager.Visible());
        EXPECT_EQ(LayerAlpha(w), 0);
        std::vector<int> pushed;
        int updates = display.surfaceUpdates();
        for (int tick = 0; tick < 20; ++tick) {
            platform::PumpMessagesFor(TbsLayerManager::kFadeInterval);
            if (display.surfaceUpdates() != updates)
                pushed.push_back(LayerAlpha(w));
            updates = display.surfaceUpdates();
        }
        EXPECT_EQ(pushed, c.pushed) << int(c.alpha);
        EXPECT_FALSE(manager.Fading());
        EXPECT_EQ(manager.CurrentAlpha(), c.alpha);
    }
}

TEST_F(LayerTest, LayerWindowIsAnUnclickableToolWindowOverEverything) {
    TbsLayerManager manager;
    manager.ShowLayer(100, 50, 255, mask, picture);
    const platform::HWND w = manager.LayerWindow();
    const auto ex = platform::GetWindowLongPtr(w, platform::GWL_EXSTYLE);
    EXPECT_TRUE(ex & platform::WS_EX_LAYERED);
    EXPECT_TRUE(ex & platform::WS_EX_TRANSPARENT);
    EXPECT_TRUE(ex & platform::WS_EX_TOOLWINDOW);
    EXPECT_EQ(platform::GetClassName(w), TbsLayerWindow::kClassName);
    EXPECT_TRUE(display.stateOf(w)->topmost);
    EXPECT_TRUE(display.stateOf(w)->shown);
    EXPECT_FALSE(display.stateOf(w)->inTaskbar);
    EXPECT_EQ(display.stateOf(w)->bounds, (platform::Rect{100, 50, 120, 60}));
    EXPECT_EQ(platform::SendMessage(w, platform::WM_MOUSEACTIVATE), platform::MA_NOACTIVATE);

    TbsLayerManager lower;
    lower.SetTopMostMode(false);
    lower.ShowLayer(0, 0, 255, mask, picture);
    EXPECT_FALSE(display.stateOf(lower.LayerWindow())->topmost);
}

TEST_F(LayerTest, ShowingAgainReplacesTheLayerAndHidingDestroysIt) {
    TbsLayerManager manager;
    manager.ShowLayer(100, 50, 255, mask, picture);
    const platform::HWND first = manager.LayerWindow();
    platform::PumpMessagesFor(50);
    manager.ShowLayer(300, 60, 128, mask, picture);
    const platform::HWND second = manager.LayerWindow();
    EXPECT_FALSE(platform::IsWindow(first));
    ASSERT_TRUE(platform::IsWindow(second));
    EXPECT_EQ(LayerAlpha(second), 0);
    EXPECT_EQ(display.stateOf(first), nullptr);
    manager.HideLayer();
    EXPECT_FALSE(platform::IsWindow(second));
    EXPECT_FALSE(manager.Visible());
    EXPECT_EQ(manager.LayerImage(), nullptr);
    platform::PumpMessagesFor(100);  // no timer left to tick a destroyed layer
    manager.HideLayer();             // hiding twice is harmless
}

// What the screen shows through the layer once the fade has finished.
TEST_F(LayerTest, ScreenShowsThePictureThroughItsMask) {
    const framework::TBitmap red = Solid(4, 1, RGB(255, 0, 0));
    framework::TBitmap mask4 = Solid(4, 1, RGB(0, 0, 0));
    mask4.SetPixel(1, 0, RGB(255, 255, 255));
    TbsLayerManager manager;
    manager.ShowLayer(10, 10, 255, mask4, red);
    platform::PumpMessagesFor(400);
    const COLORREF desktop = display.colorAt({500, 500});
    EXPECT_EQ(display.colorAt({10, 10}), desktop);         // black mask pixel: nothing shows
    EXPECT_EQ(display.colorAt({11, 10}), RGB(255, 0, 0));  // white: the picture
}

TEST_F(LayerTest, GlowNeedsSkinDataAPictureAndTheSwitch) {
    TbsCompressedStoredSkin stored(nullptr);
    fixture::StoreSkin(stored, "[VERSION]\n", {Solid(8, 6, RGB(0, 0, 255)), Solid(8, 6, RGB(128, 128, 128))});
    TbsSkinData data(nullptr);
    data.LoadStoredSkin(stored);
    ASSERT_EQ(data.ActivePictures().size(), 2u);
    struct Case {
        const char* name;
        const TbsSkinData* data;
        GlowFrameKeys keys;
        GlowOwner owner;
        bool captionSwitch, buttonSwitch;
        bool shown;
        uint32_t pixel;  // the layer image's pixel (0, 0) when shown
    };
    const Case cases[] = {
        {"no skin data", nullptr, {0, 1, 2, 3, 200}, GlowOwner::CaptionButton, true, true, false, 0},
        {"no glow picture", &data, {-1, 1, 2, 3, 200}, GlowOwner::CaptionButton, true, true, false, 0},
        {"a picture the skin lacks",
         &data,
         {5, 1, 2, 3, 200},
         GlowOwner::CaptionButton,
         true,
         true,
         false,
         0},
        {"caption glows switched off",
         &data,
         {0, 1, 2, 3, 200},
         GlowOwner::CaptionButton,
         false,
         true,
         false,
         0},
        {"button glows switched off", &data, {0, 1, 2, 3, 200}, GlowOwner::PushButton, true, false, false, 0},
        {"masked", &data, {0, 1, 2, 3, 200}, GlowOwner::CaptionButton, true, false, true, 0x80000080u},
        {"no mask: opaque", &data, {0, -1, 2, 3, 200}, GlowOwner::PushButton, false, true, true, 0xFF0000FFu},
    };
    for (const Case& c : cases) {
        data.SetShowCaptionButtonGlowFrames(c.captionSwitch);
        data.SetShowButtonGlowFrames(c.buttonSwitch);
        TbsLayerManager manager;
        EXPECT_EQ(ShowGlowFrame(manager, c.data, c.keys, {50, 50}, c.owner), c.shown) << c.name;
        EXPECT_EQ(manager.Visible(), c.shown) << c.name;
        if (!c.shown)
            continue;
        EXPECT_EQ(display.stateOf(manager.LayerWindow())->bounds, (platform::Rect{48, 47, 56, 53})) << c.name;
        EXPECT_EQ(manager.LayerImage()->PixelAt(0, 0), c.pixel) << c.name;
        platform::PumpMessagesFor(400);
        EXPECT_EQ(manager.CurrentAlpha(), 200) << c.name;
    }
}

}  // namespace
}  // namespace skin
