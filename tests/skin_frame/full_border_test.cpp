// The layered border's fullborder mode: the border's windows carry the whole frame (caption bar,
// caption buttons, outer bands) and the form is a plain rectangle of client area. The layout and
// hit test of the border's frame as tables; a form of the headless display wearing a small skin
// whose LAYERFRAME draws a frame (the second skin's objects, a layer picture made here), driven by
// injected pointer input; damaged records; and the fallback to the normal frame without a
// compositor.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/gfx/region.h"
#include "platform/window/focus.h"
#include "platform/window/input.h"
#include "platform/window/message_loop.h"
#include "platform/window/messages.h"
#include "platform/window/metrics.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/ini_document.h"
#include "skin/data/skin_data.h"
#include "skin/frame/layer_border.h"
#include "skin/frame/layer_geometry.h"
#include "skin/frame/skin_form.h"
#include "skin/menus/skin_menu.h"
#include "skin/menus/skin_popup_window.h"
#include "skins/dusk_skin.h"
#include "tests/skin_data/skin_fixture.h"
#include "tests/skin_frame/layer_border_fixture.h"

namespace skin {
namespace {

using framework::TForm;
using platform::Point;
using platform::Rect;
using platform::Size;

// --- The frame's layer picture ---------------------------------------------------------------------
//
//   0   4   8                                    92  96 100
//   +---------------------------------------------------+  a soft shadow 4 pixels wide,
//   |   +-------------------------------------------+   |  the frame inside "borderrect" (4, 4, 96, 70):
//   |   |   caption bar "captionrect" (8, 10, 92, 28) |   |  a 4-pixel border, the caption bar,
//   |   |   +-----------------------------------+   |   |  and the form's window at "clientrect"
//   |   |   |   clientrect (8, 30, 92, 66)       |   |   |  (8, 30, 92, 66).
//   |   |   +-----------------------------------+   |   |
//   |   +-------------------------------------------+   |
//   +---------------------------------------------------+ 74
constexpr Size kPicture{100, 74};
constexpr Rect kBorderRect{4, 4, 96, 70};
constexpr Rect kClientRect{8, 30, 92, 66};

framework::TBitmap LayerPicture(bool inactive) {
    framework::TBitmap p;
    p.SetPixelFormat(framework::TPixelFormat::pf24bit);
    p.SetSize(kPicture.cx, kPicture.cy);
    for (int32_t y = 0; y < kPicture.cy; ++y)
        for (int32_t x = 0; x < kPicture.cx; ++x) {
            const bool frame = kBorderRect.contains({x, y});
            const bool caption = frame && y >= 8 && y < 30 && x >= 8 && x < 92;
            const uint8_t shade = uint8_t(40 + (30 - std::min(y, 30)) * 2);
            platform::COLORREF c = platform::RGB(20, 20, 30);
            if (caption)
                c = inactive ? platform::RGB(120, 120, 130) : platform::RGB(70, 60, uint8_t(120 + shade));
            else if (frame)
                c = inactive ? platform::RGB(90, 90, 100) : platform::RGB(48, 40, 110);
            p.SetPixel(x, y, c);
        }
    return p;
}

// White where the frame is, a soft grey falling off through the shadow.
framework::TBitmap LayerMask() {
    framework::TBitmap p;
    p.SetPixelFormat(framework::TPixelFormat::pf24bit);
    p.SetSize(kPicture.cx, kPicture.cy);
    for (int32_t y = 0; y < kPicture.cy; ++y)
        for (int32_t x = 0; x < kPicture.cx; ++x) {
            const int32_t in = std::min({x, y, kPicture.cx - 1 - x, kPicture.cy - 1 - y});
            const uint8_t v = kBorderRect.contains({x, y}) ? 255 : uint8_t(20 + in * 25);
            p.SetPixel(x, y, platform::RGB(v, v, v));
        }
    return p;
}

using LayerKeys = std::map<std::string, std::string>;

LayerKeys FrameKeys() {
    return {{"pictureindex", "9"},
            {"maskpictureindex", "10"},
            {"inactivepictureindex", "11"},
            {"inactivemaskpictureindex", "10"},
            {"lefttoppoint", "24,30"},
            {"righttoppoint", "76,30"},
            {"leftbottompoint", "24,66"},
            {"rightbottompoint", "76,66"},
            {"clientrect", "8,30,92,66"},
            {"borderrect", "4,4,96,70"},
            {"fullborder", "1"},
            {"hittestenable", "1"},
            {"hittestsize", "4"},
            {"captionrect", "8,10,92,28"},
            {"rollupformheight", "6"}};
}

TbsDataSkinLayerFrame RecordOf(const LayerKeys& keys) {
    IniDocument ini;
    for (const auto& [key, value] : keys) ini.WriteString("LAYERFRAME", key, value);
    TbsDataSkinLayerFrame record;
    record.Load(ini);
    return record;
}

// --- Layout and hit test ----------------------------------------------------------------------------

// The second skin's caption bar and caption buttons as the layout sees them.
std::vector<FrameObjectPlacement> DuskObjects() {
    auto button = [](TStdCommand command, Rect skinRect) {
        return FrameObjectPlacement{FrameObjectKind::StdButton, command, skinRect, true, true, {}};
    };
    return {{FrameObjectKind::Caption, std::nullopt, {12, 5, 145, 20}, false, true, {}},
            button(TStdCommand::cmClose, {40, 0, 58, 17}),
            button(TStdCommand::cmMinimize, {40, 51, 58, 68}),
            button(TStdCommand::cmMaximize, {40, 17, 58, 34}),
            button(TStdCommand::cmSysMenu, {427, 0, 445, 17}),
            {FrameObjectKind::Button, std::nullopt, {0, 0, 30, 10}, false, true, {}}};
}

TEST(FullBorderLayoutTest, ObjectsGoOnTheTopStripWhereTheRecordSays) {
    struct Case {
        const char* what;
        LayerKeys changes;
        Rect caption, close, minimize, maximize, sysMenu;
    };
    // An outer width of 416 (a form 400 wide): what lies right of the picture's middle moves by 316.
    const Case cases[] = {
        {"buttons at the caption's right end, the system-menu button centred at its left",
         {},
         {26, 10, 354, 28},
         {390, 10, 408, 27},
         {354, 10, 372, 27},
         {372, 10, 390, 27},
         {8, 11, 26, 28}},
        {"a buttons rectangle in the right half moves with the width, buttons lowered",
         {{"buttonsrect", "60,8,90,30"}, {"buttonstopoffset", "2"}},
         {26, 10, 408, 28},
         {388, 10, 406, 27},
         {352, 10, 370, 27},
         {370, 10, 388, 27},
         {8, 11, 26, 28}},
        {"the system-menu button at its own rectangle",
         {{"sysmenubuttonrect", "10,12,26,26"}},
         {26, 10, 354, 28},
         {390, 10, 408, 27},
         {354, 10, 372, 27},
         {372, 10, 390, 27},
         {10, 12, 26, 26}},
        {"the system-menu button offset from the caption's top",
         {{"sysbuttontopoffset", "1"}},
         {26, 10, 354, 28},
         {390, 10, 408, 27},
         {354, 10, 372, 27},
         {372, 10, 390, 27},
         {8, 11, 26, 28}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LayerKeys keys = FrameKeys();
        for (const auto& [k, v] : c.changes) keys[k] = v;
        const LayerFrameLayout l = *CheckLayerFrame(RecordOf(keys), kPicture);
        std::vector<FrameObjectPlacement> objects = DuskObjects();
        LayoutLayerFrameObjects(l, {416, 338}, objects, std::nullopt);
        EXPECT_EQ(objects[0].rect, c.caption);
        EXPECT_EQ(objects[1].rect, c.close);
        EXPECT_EQ(objects[2].rect, c.minimize);
        EXPECT_EQ(objects[3].rect, c.maximize);
        EXPECT_EQ(objects[4].rect, c.sysMenu);
        EXPECT_TRUE(objects[5].rect.isEmpty()) << "drawn on the frame picture: no place on the border";
    }
}

TEST(FullBorderLayoutTest, TheBorderTellsCaptionBandsAndCorners) {
    const LayerFrameLayout l = *CheckLayerFrame(RecordOf(FrameKeys()), kPicture);
    const Size outer{416, 338};  // the border box runs from (4, 4) to (412, 334)
    struct Case {
        Point p;
        int sizable, fixed;  // with the form sizable, and not
    };
    const Case cases[] = {
        {{200, 20}, platform::HTCAPTION, platform::HTCAPTION},
        {{200, 5}, platform::HTTOP, platform::HTNOWHERE},
        {{5, 150}, platform::HTLEFT, platform::HTNOWHERE},
        {{410, 150}, platform::HTRIGHT, platform::HTNOWHERE},
        {{200, 333}, platform::HTBOTTOM, platform::HTNOWHERE},
        {{5, 5}, platform::HTTOPLEFT, platform::HTNOWHERE},
        {{411, 5}, platform::HTTOPRIGHT, platform::HTNOWHERE},
        {{4, 333}, platform::HTBOTTOMLEFT, platform::HTNOWHERE},
        {{411, 333}, platform::HTBOTTOMRIGHT, platform::HTNOWHERE},
        {{2, 150}, platform::HTNOWHERE, platform::HTNOWHERE},
        {{200, 29}, platform::HTNOWHERE, platform::HTNOWHERE},
        {{414, 336}, platform::HTNOWHERE, platform::HTNOWHERE},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HitTestLayerFrame(l, outer, c.p, true), c.sizable) << c.p.X << "," << c.p.Y;
        EXPECT_EQ(HitTestLayerFrame(l, outer, c.p, false), c.fixed) << c.p.X << "," << c.p.Y;
    }
    // Hit-test points widen the corners along the edges; without "hittestenable" no band sizes.
    LayerKeys keys = FrameKeys();
    keys["hittestlefttoppoint"] = "30,20";
    const LayerFrameLayout wide = *CheckLayerFrame(RecordOf(keys), kPicture);
    EXPECT_EQ(HitTestLayerFrame(wide, outer, {25, 5}, true), platform::HTTOPLEFT);
    EXPECT_EQ(HitTestLayerFrame(l, outer, {25, 5}, true), platform::HTTOP);
    keys = FrameKeys();
    keys["hittestenable"] = "0";
    EXPECT_EQ(HitTestLayerFrame(*CheckLayerFrame(RecordOf(keys), kPicture), outer, {410, 150}, true),
              platform::HTNOWHERE);
}

TEST(FullBorderLayoutTest, DamagedRecordsGiveAClampedLayoutOrNone) {
    struct Case {
        const char* what;
        LayerKeys changes;
    };
    const Case cases[] = {
        {"caption rectangle inverted", {{"captionrect", "92,28,8,10"}}},
        {"caption rectangle far outside", {{"captionrect", "-2000000000,-5,2000000000,900000000"}}},
        {"buttons rectangle inverted and huge", {{"buttonsrect", "2147483647,0,-2147483647,30"}}},
        {"system-menu rectangle outside the picture", {{"sysmenubuttonrect", "500,500,600,600"}}},
        {"offsets at the limits",
         {{"buttonstopoffset", "2147483647"}, {"sysbuttontopoffset", "-2147483647"}}},
        {"hit-test points far away",
         {{"hittestlefttoppoint", "-2147483647,2147483647"}, {"hittestrightbottompoint", "99999999,-9"}}},
        {"band huge", {{"hittestsize", "2147483647"}}},
        {"band negative", {{"hittestsize", "-50"}}},
        {"border rectangle inverted", {{"borderrect", "96,70,4,4"}}},
        {"border rectangle huge", {{"borderrect", "-2147483647,-2147483647,2147483647,2147483647"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LayerKeys keys = FrameKeys();
        for (const auto& [k, v] : c.changes) keys[k] = v;
        const std::optional<LayerFrameLayout> l = CheckLayerFrame(RecordOf(keys), kPicture);
        ASSERT_TRUE(l);
        for (const LayerMargins& m : {l->margins})
            EXPECT_TRUE(m.left <= kPicture.cx && m.top <= kPicture.cy && m.right <= kPicture.cx &&
                        m.bottom <= kPicture.cy);
        for (Size outer : {Size{416, 338}, Size{16, 38}, Size{0, 0}, Size{32000, 20000}}) {
            const Rect strip{0, 0, outer.cx, LayerStripSizesFor(*l, outer).topHeight};
            const LayerFrameAreas a = LayerFrameAreasFor(*l, outer);
            for (const Rect& r : {a.caption, a.buttons, a.sysMenuButton})
                EXPECT_TRUE(r.isEmpty() || (r.Left >= 0 && r.Top >= 0 && r.Right <= strip.Right &&
                                            r.Bottom <= strip.Bottom));
            std::vector<FrameObjectPlacement> objects = DuskObjects();
            LayoutLayerFrameObjects(*l, outer, objects, std::nullopt);
            EXPECT_TRUE(objects[0].rect.isEmpty() ||
                        (objects[0].rect.Left >= a.caption.Left && objects[0].rect.Right <= a.caption.Right));
            for (int32_t y = -3; y < outer.cy + 3; y += 7)
                for (int32_t x = -3; x < std::min(outer.cx, 600) + 3; x += 5) {
                    const int code = HitTestLayerFrame(*l, outer, {x, y}, true);
                    EXPECT_TRUE(code == platform::HTNOWHERE || code == platform::HTCAPTION ||
                                platform::IsSizingHitCode(code));
                }
        }
    }
}

// --- A form wearing the frame on its border ------------------------------------------------------------

class FullBorderTest : public layer_test::LayerBorderFixture {
  protected:
    // The second skin with the frame's LAYERFRAME in place of its shadow and the layer pictures
    // after its own (9: the picture, 10: its mask, 11: the inactive picture).
    TbsSkinData* FullBorderSkin(const LayerKeys& keys = FrameKeys()) {
        TbsSkinData* dusk = EmbeddedSkin(skins::DuskSkinCompressedData());
        std::string ini = fixture::ReadFile(fixture::SourceDir() / "skins" / "dusk" / "skin.ini");
        const size_t from = ini.find("[LAYERFRAME]");
        const size_t to = ini.find("\r\n[", from);
        std::string section = "[LAYERFRAME]\r\n";
        for (const auto& [k, v] : keys) section += k + "=" + v + "\r\n";
        ini.replace(from, to + 2 - from, section);
        std::vector<framework::TBitmap> pictures = dusk->ActivePictures();
        pictures.push_back(LayerPicture(false));
        pictures.push_back(LayerMask());
        pictures.push_back(LayerPicture(true));
        auto* stored = new TbsCompressedStoredSkin(form);
        fixture::StorePackage(*stored, fixture::PackageBytes(ini, pictures, dusk->FramePicture()));
        auto* data = new TbsSkinData(form);
        data->LoadStoredSkin(*stored);
        return data;
    }
    Point Centre(const char* object) const {
        const Rect r = frame->ObjectScreenRect(*frame->FindObject(object));
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    // A point of the border (outer coordinates) on the screen.
    Point OnBorder(Point p) const {
        const Rect outer = frame->LayerBorder().OuterRect();
        return {outer.Left + p.X, outer.Top + p.Y};
    }
    int32_t IndexOf(const char* object) const { return frame->FindObjectIndex(frame->FindObject(object)); }
    Size ClientSize() const {
        Rect r;
        platform::GetClientRect(skinned->Handle(), &r);
        return {r.width(), r.height()};
    }
    Rect RegionBox() const {
        platform::HRGN region = platform::CreateRectRgn(0, 0, 0, 0);
        Rect box{};
        if (platform::GetWindowRgn(skinned->Handle(), region) != 0)
            platform::GetRgnBox(region, &box);
        platform::DeleteObject(region);
        return box;
    }
    void MoveTo(Point p) {
        display.moveMouse(p);
        Pump();
    }
    static void Wait(uint32_t ms) { platform::PumpMessagesFor(ms); }
};

TEST_F(FullBorderTest, TheFormIsAllClientAreaWithTheFrameOnTheBorder) {
    ShowForm(FullBorderSkin());
    ASSERT_TRUE(frame->LayeredBorderDrawsFrame());
    const TbsFormLayerBorder& border = frame->LayerBorder();
    ASSERT_TRUE(border.Shown());
    EXPECT_EQ(LayerWindows().size(), 4u);
    EXPECT_FALSE(border.ClickThrough());
    EXPECT_EQ(border.OuterRect(), ExpectedOuter());
    // No non-client area: the client is the window, every point of it HTCLIENT.
    EXPECT_EQ(ClientSize(), (Size{400, 300}));
    const Rect r = FormRect();
    for (Point p :
         {Point{r.Left + 2, r.Top + 2}, Point{r.Left + 200, r.Top + 5}, Point{r.Right - 1, r.Bottom - 1}})
        EXPECT_EQ(platform::SendMessage(skinned->Handle(), platform::WM_NCHITTEST, 0,
                                        platform::MAKELPARAM(p.X, p.Y)),
                  platform::HTCLIENT);
    EXPECT_EQ(RegionBox(), (Rect{0, 0, 400, 300}));
    EXPECT_EQ(frame->MinFormHeight(), 10);
    // The caption buttons are drawn on the top strip at their places, in their normal faces.
    const Picture& top = border.Strip(LayerSide::Top);
    const TbsActiveSkinObject& close = *frame->FindObject("closebutton");
    EXPECT_EQ(close.ObjectRect, (Rect{390, 10, 408, 27}));
    const platform::Surface& faces = frame->SkinData()->ActivePictures()[0].Surface();
    for (int32_t y = 0; y < 17; y += 4)
        for (int32_t x = 0; x < 18; x += 3)
            ASSERT_EQ(top.pixel(390 + x, 10 + y) & 0xFFFFFFu, faces.pixel(40 + x, y) & 0xFFFFFFu)
                << x << "," << y;
    // Rolled up, the window shows "rollupformheight" rows and the border closes around them.
    frame->SetRollUp(true);
    Pump();
    EXPECT_EQ(skinned->Height(), 10);
    EXPECT_EQ(RegionBox(), (Rect{0, 0, 400, 6}));
    EXPECT_EQ(border.OuterRect().height(), 6 + kPicture.cy - kClientRect.height());
    frame->SetRollUp(false);
    Pump();
    EXPECT_EQ(skinned->Height(), 300);
    EXPECT_EQ(RegionBox(), (Rect{0, 0, 400, 300}));
}

TEST_F(FullBorderTest, HoverLightsAButtonAndTheTimerEndsItOnceThePointerLeft) {
    ShowForm(FullBorderSkin());
    const TbsFormLayerBorder& border = frame->LayerBorder();
    MoveTo(Centre("maxbutton"));
    EXPECT_EQ(border.HotIndex(), IndexOf("maxbutton"));
    EXPECT_TRUE(frame->FindObject("maxbutton")->Active);
    EXPECT_EQ(frame->HotIndex(), -1) << "the frame's own indices stay out of it";
    // Into the form, where the border hears no more of the pointer: the timer ends the hover.
    MoveTo({FormRect().Left + 200, FormRect().Top + 150});
    EXPECT_EQ(border.HotIndex(), IndexOf("maxbutton"));
    Wait(TbsFormLayerBorder::kHoverInterval + 50);
    EXPECT_EQ(border.HotIndex(), -1);
    EXPECT_FALSE(frame->FindObject("maxbutton")->Active);
}

TEST_F(FullBorderTest, CloseClosesOnAReleaseOverItOnly) {
    ShowForm(FullBorderSkin());
    // Pressed, moved off, released: nothing.
    MoveTo(Centre("closebutton"));
    display.pressButton();
    Pump();
    EXPECT_EQ(frame->LayerBorder().PressedIndex(), IndexOf("closebutton"));
    MoveTo(OnBorder({200, 20}));
    display.releaseButton();
    Pump();
    EXPECT_EQ(closes, 0);
    EXPECT_EQ(frame->LayerBorder().PressedIndex(), -1);
    // Pressed and released over it: the form's close.
    display.click(Centre("closebutton"));
    Pump();
    EXPECT_EQ(closes, 1);
    // The minimise button minimises as on the normal frame.
    display.click(Centre("minbutton"));
    Pump();
    EXPECT_EQ(frame->FormState(), TbsFormState::Minimized);
}

TEST_F(FullBorderTest, ACaptionDoubleClickMaximisesAndRestoresAndTheBorderStays) {
    ShowForm(FullBorderSkin());
    const Rect before = FormRect();
    display.doubleClick(OnBorder({200, 20}));
    Pump();
    ASSERT_EQ(frame->FormState(), TbsFormState::Maximized);
    Rect work;
    platform::SystemParametersInfo(platform::SPI_GETWORKAREA, 0, &work, 0);
    // The work area less the border's margins (4, 26, 4, 4), the border around the window.
    EXPECT_EQ(FormRect(), (Rect{work.Left + 4, work.Top + 26, work.Right - 4, work.Bottom - 4}));
    EXPECT_TRUE(frame->LayerBorder().Shown());
    EXPECT_EQ(frame->LayerBorder().OuterRect(), ExpectedOuter());
    display.doubleClick(OnBorder({200, 20}));
    Pump();
    EXPECT_EQ(frame->FormState(), TbsFormState::Normal);
    EXPECT_EQ(FormRect(), before);
}

TEST_F(FullBorderTest, DraggingTheCaptionMovesTheForm) {
    ShowForm(FullBorderSkin());
    const Rect before = FormRect();
    display.drag(OnBorder({200, 20}), {OnBorder({200, 20}).X + 90, OnBorder({200, 20}).Y + 60}, 6);
    Pump();
    EXPECT_EQ(FormRect(), before.offsetBy(90, 60));
    EXPECT_EQ(frame->LayerBorder().OuterRect(), ExpectedOuter());
    EXPECT_FALSE(frame->LayerBorderDragging());
}

TEST_F(FullBorderTest, DraggingABandSizesTheFormOnlyWithHitTestEnable) {
    for (bool enable : {true, false}) {
        SCOPED_TRACE(enable ? "hittestenable" : "no hittestenable");
        LayerKeys keys = FrameKeys();
        keys["hittestenable"] = enable ? "1" : "0";
        ShowForm(FullBorderSkin(keys));
        const Rect before = FormRect();
        // The right band (outer x 408 .. 412) and the bottom-right corner.
        const Point right = OnBorder({409, 150});
        MoveTo(right);
        EXPECT_EQ(display.cursorShape(),
                  enable ? platform::CursorShape::SizeWE : platform::CursorShape::Arrow);
        display.drag(right, {right.X + 60, right.Y}, 4);
        Pump();
        const Rect wider{before.Left, before.Top, before.Right + 60, before.Bottom};
        EXPECT_EQ(FormRect(), enable ? wider : before);
        const Point corner = OnBorder(
            {frame->LayerBorder().OuterRect().width() - 5, frame->LayerBorder().OuterRect().height() - 5});
        const Rect mid = FormRect();
        display.drag(corner, {corner.X - 30, corner.Y + 40}, 4);
        Pump();
        const Rect sized{mid.Left, mid.Top, mid.Right - 30, mid.Bottom + 40};
        EXPECT_EQ(FormRect(), enable ? sized : mid);
        EXPECT_EQ(frame->LayerBorder().OuterRect(), ExpectedOuter());
        delete skinned;
        Pump();
    }
}

TEST_F(FullBorderTest, ARightButtonReleaseOnTheCaptionOpensTheSystemMenuAtTheCursor) {
    ShowForm(FullBorderSkin());
    const Point at = OnBorder({200, 20});
    display.click(at, platform::MouseButton::Right);
    Pump();
    TbsSkinMenu& driver = frame->MenuDriver();
    ASSERT_TRUE(driver.Visible());
    Rect r;
    platform::GetWindowRect(driver.Popups(0)->Handle(), &r);
    EXPECT_EQ(r.topLeft(), at);
}

TEST_F(FullBorderTest, WithoutACompositorTheFormWearsItsNormalFrameUntilOneComes) {
    display.setComposesAlpha(false);
    ShowForm(FullBorderSkin());
    EXPECT_FALSE(frame->LayeredBorderDrawsFrame());
    EXPECT_TRUE(LayerWindows().empty());
    // The second skin's frame around a client area (insets 4, 23, 4, 5) that takes its own hit test.
    EXPECT_EQ(ClientSize(), (Size{392, 272}));
    const Rect r = FormRect();
    EXPECT_EQ(platform::SendMessage(skinned->Handle(), platform::WM_NCHITTEST, 0,
                                    platform::MAKELPARAM(r.Left + 100, r.Top + 10)),
              platform::HTCAPTION);
    EXPECT_FALSE(frame->FindObject("closebutton")->ObjectRect.isEmpty());

    // A compositing manager starts: the border takes the frame.
    display.setComposesAlpha(true);
    platform::SendMessage(skinned->Handle(), platform::WM_DWMCOMPOSITIONCHANGED, 0, 0);
    Pump();
    EXPECT_TRUE(frame->LayeredBorderDrawsFrame());
    EXPECT_EQ(LayerWindows().size(), 4u);
    EXPECT_EQ(ClientSize(), (Size{400, 300}));
    EXPECT_EQ(FormRect(), r);
    display.click(Centre("closebutton"));
    Pump();
    EXPECT_EQ(closes, 1);

    // It stops: back to the normal frame (noticed on the next change of place as well).
    display.setComposesAlpha(false);
    skinned->SetBounds(210, 160, 400, 300);
    Pump();
    EXPECT_FALSE(frame->LayeredBorderDrawsFrame());
    EXPECT_EQ(ClientSize(), (Size{392, 272}));
    EXPECT_TRUE(LayerWindows().empty());
}

TEST_F(FullBorderTest, DamagedRecordsOnAFormKeepTheFrameOnTheStrip) {
    const std::vector<LayerKeys> damaged = {
        {{"captionrect", "92,28,8,10"}},
        {{"captionrect", "-2000000000,-5,2000000000,900000000"}, {"buttonstopoffset", "2147483647"}},
        {{"buttonsrect", "2147483647,0,-2147483647,30"}, {"sysmenubuttonrect", "-50,-50,500,500"}},
        {{"hittestsize", "2147483647"}, {"hittestrightbottompoint", "-2147483647,2147483647"}},
        {{"hittestsize", "-50"}, {"borderrect", "96,70,4,4"}},
    };
    for (const LayerKeys& changes : damaged) {
        SCOPED_TRACE(changes.begin()->first + "=" + changes.begin()->second);
        LayerKeys keys = FrameKeys();
        for (const auto& [k, v] : changes) keys[k] = v;
        ShowForm(FullBorderSkin(keys));
        ASSERT_TRUE(frame->LayeredBorderDrawsFrame());
        const Picture& top = frame->LayerBorder().Strip(LayerSide::Top);
        for (const auto& o : frame->FrameObjects()) {
            if (o->Kind() == FrameObjectKind::Caption) {
                EXPECT_TRUE(o->ObjectRect.isEmpty() ||
                            intersect(o->ObjectRect, top.bounds()) == o->ObjectRect);
            }
        }
        // The pointer across the strip and the bands, pressed and released: nothing breaks.
        const Rect outer = frame->LayerBorder().OuterRect();
        for (int32_t x = 0; x < outer.width(); x += 37) {
            MoveTo(OnBorder({x, 12}));
            display.click(OnBorder({x, 5}));
            Pump();
        }
        display.drag(OnBorder({outer.width() - 2, outer.height() / 2}),
                     OnBorder({outer.width() + 20, outer.height() / 2}));
        frame->MenuDriver().CloseAll();
        frame->ChangeFormState(TbsFormState::Normal);
        delete skinned;
        Pump();
    }
}

TEST_F(FullBorderTest, ActiveAndInactiveOnTheScreen) {
    ShowForm(FullBorderSkin());
    const Picture activeTop = frame->LayerBorder().Strip(LayerSide::Top);
    SaveShot("full_border_active");
    TForm* other = application.CreateForm<TForm>();
    other->SetBounds(680, 520, 200, 150);
    other->Show();
    platform::SetActiveWindow(other->Handle());
    Pump();
    EXPECT_FALSE(frame->LayerBorder().Active());
    // The inactive picture (grey) under the caption.
    EXPECT_NE(frame->LayerBorder().Strip(LayerSide::Top).pixel(200, 12), activeTop.pixel(200, 12));
    SaveShot("full_border_inactive");
}

}  // namespace
}  // namespace skin
