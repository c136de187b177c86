// The layered border: its geometry and strips as tables against a simple reference, and the four
// border windows around a form of the headless display wearing the second skin (skins/dusk),
// following its size, place, activation, visibility and state; the shipped skin never makes one.
#include "skin/frame/layer_border.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/gfx/region.h"
#include "platform/window/focus.h"
#include "platform/window/input.h"
#include "platform/window/message_loop.h"
#include "platform/window/messages.h"
#include "platform/window/metrics.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/frame/skin_form.h"
#include "skins/dusk_skin.h"
#include "tests/skin_frame/layer_border_fixture.h"

namespace skin {
namespace {

using framework::TForm;
using framework::TMessage;
using platform::Point;
using platform::Rect;
using platform::Size;

// The second skin's shadow record, as its generator writes it.
TbsDataSkinLayerFrame DuskRecord() {
    TbsDataSkinLayerFrame r;
    r.PictureIndex = 0;
    r.LeftTopPoint = {34, 12};
    r.RightTopPoint = {62, 12};
    r.LeftBottomPoint = {34, 76};
    r.RightBottomPoint = {62, 76};
    r.ClientRect = {16, 12, 80, 76};
    return r;
}
constexpr Size kDuskPicture{96, 98};

// --- Geometry -----------------------------------------------------------------------------------------

TEST(LayerGeometryTest, BadRecordsGiveNoBorderOrAClampedOne) {
    struct Case {
        const char* what;
        void (*change)(TbsDataSkinLayerFrame&);
        bool usable;
    };
    const Case cases[] = {
        {"as written", [](TbsDataSkinLayerFrame&) {}, true},
        {"empty client rectangle", [](TbsDataSkinLayerFrame& r) { r.ClientRect = {}; }, false},
        {"inverted client rectangle",
         [](TbsDataSkinLayerFrame& r) {
             r.ClientRect = {80, 76, 16, 12};
         },
         false},
        {"client rectangle past the picture", [](TbsDataSkinLayerFrame& r) { r.ClientRect.Right = 97; },
         false},
        {"client rectangle before the picture", [](TbsDataSkinLayerFrame& r) { r.ClientRect.Top = -1; },
         false},
        {"top corners crossed", [](TbsDataSkinLayerFrame& r) { std::swap(r.LeftTopPoint, r.RightTopPoint); },
         false},
        {"bottom corners crossed", [](TbsDataSkinLayerFrame& r) { r.LeftBottomPoint.X = 90; }, false},
        {"corner far outside",
         [](TbsDataSkinLayerFrame& r) {
             r.RightTopPoint = {1 << 30, -(1 << 30)};
         },
         true},
        {"alphas out of range",
         [](TbsDataSkinLayerFrame& r) { r.AlphaBlendValue = -7, r.InActiveAlphaBlendValue = 999; }, true},
        {"offsets at the integer limits",
         [](TbsDataSkinLayerFrame& r) {
             r.LeftOffset = INT32_MIN, r.WidthOffset = INT32_MAX, r.HeightOffset = INT32_MAX;
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TbsDataSkinLayerFrame record = DuskRecord();
        c.change(record);
        const std::optional<LayerFrameLayout> l = CheckLayerFrame(record, kDuskPicture);
        ASSERT_EQ(l.has_value(), c.usable);
        if (!l)
            continue;
        for (Point p : {l->leftTop, l->rightTop, l->leftBottom, l->rightBottom}) {
            EXPECT_TRUE(p.X >= 0 && p.X <= kDuskPicture.cx && p.Y >= 0 && p.Y <= kDuskPicture.cy);
        }
        // Whatever the record, the windows stay within the coordinate range and their strips
        // within what a picture holds (or are not made).
        const Rect outer = LayerOuterRect(*l, {100, 100, 600, 500}, false);
        EXPECT_LE(outer.Left, outer.Right);
        EXPECT_LE(outer.Top, outer.Bottom);
        Picture image(kDuskPicture.cx, kDuskPicture.cy);
        LayerStrips strips;
        ComposeLayerStrips(*l, image, {std::min(outer.width(), 5000), std::min(outer.height(), 5000)},
                           strips);
    }
    TbsDataSkinLayerFrame record = DuskRecord();
    record.AlphaBlendValue = -7;
    record.InActiveAlphaBlendValue = 999;
    EXPECT_EQ(CheckLayerFrame(record, kDuskPicture)->alpha, 0);
    EXPECT_EQ(CheckLayerFrame(record, kDuskPicture)->inactiveAlpha, 255);
    EXPECT_FALSE(CheckLayerFrame(DuskRecord(), {0, 98}));
}

TEST(LayerGeometryTest, TheWindowsCloseAroundTheFormsRectangle) {
    const LayerFrameLayout l = *CheckLayerFrame(DuskRecord(), kDuskPicture);
    const Rect forms[] = {{100, 80, 500, 380}, {0, 0, 1, 1}, {-300, 40, 10, 700}, {5, 5, 1285, 1029}};
    for (const Rect& form : forms) {
        SCOPED_TRACE(testing::PrintToString(form.Left) + "," + testing::PrintToString(form.Top));
        const Rect outer = LayerOuterRect(l, form, false);
        EXPECT_EQ(outer, (Rect{form.Left - 16, form.Top - 12, form.Right + 16, form.Bottom + 22}));
        const auto w = PlaceLayerWindows(outer, LayerStripSizesFor(l, {outer.width(), outer.height()}));
        const Rect& top = w[size_t(LayerSide::Top)];
        const Rect& bottom = w[size_t(LayerSide::Bottom)];
        const Rect& left = w[size_t(LayerSide::Left)];
        const Rect& right = w[size_t(LayerSide::Right)];
        EXPECT_EQ(top, (Rect{outer.Left, outer.Top, outer.Right, form.Top}));
        EXPECT_EQ(bottom, (Rect{outer.Left, form.Bottom, outer.Right, outer.Bottom}));
        EXPECT_EQ(left, (Rect{outer.Left, form.Top, form.Left, form.Bottom}));
        EXPECT_EQ(right, (Rect{form.Right, form.Top, outer.Right, form.Bottom}));
    }
    // Offsets move and widen the outline; a height too small for top and bottom leaves no sides.
    TbsDataSkinLayerFrame moved = DuskRecord();
    moved.LeftOffset = 3, moved.TopOffset = -2, moved.WidthOffset = 10, moved.HeightOffset = -100;
    const LayerFrameLayout m = *CheckLayerFrame(moved, kDuskPicture);
    const Rect outer = LayerOuterRect(m, {100, 80, 500, 160}, false);
    EXPECT_EQ(outer, (Rect{87, 66, 87 + 400 + 10 + 32, 66 + (80 - 100) + 34}));
    const LayerStripSizes s = LayerStripSizesFor(m, {outer.width(), 30});
    EXPECT_EQ(s.topHeight, 12);
    EXPECT_EQ(s.bottomHeight, 18);
    EXPECT_EQ(s.sideHeight, 0);
}

// A picture whose every pixel is distinct, except that each row between the corner columns is
// one colour, so a scaled middle shows the same whichever source column it takes.
Picture CornerPicture(Size size, int32_t midLeft, int32_t midRight, uint32_t seed) {
    std::mt19937 random(seed);
    Picture p(size.cx, size.cy);
    for (int32_t y = 0; y < size.cy; ++y) {
        const uint32_t middle = random() | 0xFF000000u;
        for (int32_t x = 0; x < size.cx; ++x)
            p.setPixel(x, y, x >= midLeft && x < midRight ? middle : (random() | 0xFF000000u));
    }
    return p;
}

TEST(LayerGeometryTest, StripsAreCutAsASimpleReferenceCutsThem) {
    TbsDataSkinLayerFrame record = DuskRecord();
    record.LeftTopPoint = {24, 10}, record.RightTopPoint = {70, 12};
    record.LeftBottomPoint = {24, 80}, record.RightBottomPoint = {70, 78};
    for (bool stretch : {false, true}) {
        record.FullStretch = stretch;
        const LayerFrameLayout l = *CheckLayerFrame(record, kDuskPicture);
        const Picture image = CornerPicture(kDuskPicture, 24, 70, stretch ? 7 : 3);
        for (Size outer : {Size{96, 98}, Size{500, 300}, Size{97, 40}, Size{200, 31}}) {
            SCOPED_TRACE(testing::PrintToString(outer.cx) + "x" + testing::PrintToString(outer.cy));
            LayerStrips strips;
            ComposeLayerStrips(l, image, outer, strips);
            const int32_t topH = 12, rowsTop = 12, rowsBottom = 78;
            const int32_t bottomH = std::min(98 - 78, outer.cy - topH);
            // Ends copied, middle from the same row; the bottom strip ends with the picture's rows.
            auto endsSource = [&](int32_t x, int32_t leftEnd, int32_t rightEnd) {
                const int32_t rightWidth = 96 - rightEnd;
                return x < leftEnd ? x : x >= outer.cx - rightWidth ? x - (outer.cx - 96) : leftEnd;
            };
            const Picture& top = strips[size_t(LayerSide::Top)];
            ASSERT_EQ(top.width(), outer.cx);
            ASSERT_EQ(top.height(), topH);
            for (int32_t y = 0; y < topH; ++y)
                for (int32_t x = 0; x < outer.cx; ++x)
                    ASSERT_EQ(top.pixel(x, y), image.pixel(endsSource(x, 24, 70), y)) << x << "," << y;
            const Picture& bottom = strips[size_t(LayerSide::Bottom)];
            ASSERT_EQ(bottom.height(), bottomH);
            for (int32_t y = 0; y < bottomH; ++y)
                for (int32_t x = 0; x < outer.cx; ++x)
                    ASSERT_EQ(bottom.pixel(x, y), image.pixel(endsSource(x, 24, 70), 98 - bottomH + y));
            const int32_t sideH = outer.cy - topH - bottomH;
            for (LayerSide side : {LayerSide::Left, LayerSide::Right}) {
                const Picture& strip = strips[size_t(side)];
                if (sideH <= 0) {
                    EXPECT_TRUE(strip.isEmpty());
                    continue;
                }
                const int32_t x0 = side == LayerSide::Left ? 0 : 80;
                ASSERT_EQ(strip.width(), 16);
                ASSERT_EQ(strip.height(), sideH);
                for (int32_t y = 0; y < sideH; ++y) {
                    const int32_t rows = rowsBottom - rowsTop;
                    const int32_t sy =
                        stretch ? rowsTop + int32_t(int64_t(y) * rows / sideH) : rowsTop + y % rows;
                    if (stretch && sideH != rows)
                        continue;  // scaled rows: the scaling rule is the picture copy's own
                    for (int32_t x = 0; x < 16; ++x) ASSERT_EQ(strip.pixel(x, y), image.pixel(x0 + x, sy));
                }
            }
        }
    }
}

TEST(LayerGeometryTest, AlphaLevelsScaleToTheNearestInteger) {
    struct Case {
        uint8_t record, level, expected;
    };
    const Case cases[] = {{255, 255, 255}, {230, 255, 230}, {255, 0, 0},  {200, 128, 100},
                          {1, 128, 1},     {1, 127, 0},     {230, 17, 15}};
    for (const Case& c : cases)
        EXPECT_EQ(ScaledLayerAlpha(c.record, c.level), c.expected) << int(c.record) << " at " << int(c.level);
}

// --- The windows around a form ------------------------------------------------------------------------

class LayerBorderTest : public layer_test::LayerBorderFixture {
  protected:
    static int VisibleLayerWindows() {
        int n = 0;
        for (platform::HWND w : LayerWindows()) n += platform::IsWindowVisible(w);
        return n;
    }
    // Each visible window sits where the geometry puts it, with its strip's size.
    void ExpectWindowsAroundTheForm() {
        const TbsFormLayerBorder& border = frame->LayerBorder();
        ASSERT_TRUE(border.Shown());
        const Rect outer = ExpectedOuter();
        EXPECT_EQ(border.OuterRect(), outer);
        const auto places = border.WindowPlaces();
        for (LayerSide side : kLayerSides) {
            platform::HWND w = border.Window(side);
            ASSERT_NE(w, nullptr);
            EXPECT_TRUE(platform::IsWindowVisible(w));
            Rect r;
            platform::GetWindowRect(w, &r);
            EXPECT_EQ(r, places[size_t(side)]) << "side " << int(side);
        }
    }
};

TEST_F(LayerBorderTest, TheShippedSkinNeverMakesALayeredWindow) {
    ShowForm(ShippedSkin());
    EXPECT_FALSE(frame->LayerBorder().Prepared());
    EXPECT_FALSE(frame->LayeredBordersEnabled());
    skinned->SetBounds(120, 90, 500, 400);
    frame->ChangeFormState(TbsFormState::Maximized);
    frame->ChangeFormState(TbsFormState::Normal);
    platform::SetActiveWindow(form->Handle());
    platform::SendMessage(skinned->Handle(), SKM_LAYERRESUME, 0, 0);
    Pump();
    EXPECT_TRUE(LayerWindows().empty());
}

TEST_F(LayerBorderTest, FourWindowsFollowTheFormsSizePlaceAndState) {
    ShowForm(EmbeddedSkin(skins::DuskSkinCompressedData()));
    ASSERT_TRUE(frame->LayeredBordersEnabled());
    ExpectWindowsAroundTheForm();
    EXPECT_EQ(LayerWindows().size(), 4u);
    EXPECT_TRUE(frame->LayerBorder().ClickThrough());

    struct Step {
        const char* what;
        std::function<void()> act;
        bool shown;
    };
    const Step steps[] = {
        {"moved", [&] { skinned->SetBounds(260, 170, 400, 300); }, true},
        {"sized", [&] { skinned->SetBounds(260, 170, 520, 360); }, true},
        {"hidden", [&] { skinned->Hide(); }, false},
        {"shown", [&] { skinned->Show(); }, true},
        {"maximised", [&] { frame->ChangeFormState(TbsFormState::Maximized); }, false},
        {"restored", [&] { frame->ChangeFormState(TbsFormState::Normal); }, true},
        {"minimised by the platform", [&] { platform::ShowWindow(skinned->Handle(), platform::SW_MINIMIZE); },
         false},
        {"restored by the platform", [&] { platform::ShowWindow(skinned->Handle(), platform::SW_RESTORE); },
         true},
        {"borders switched off", [&] { frame->SkinData()->SetShowLayeredBorders(false); }, false},
        {"borders switched on", [&] { frame->SkinData()->SetShowLayeredBorders(true); }, true},
        {"suspended", [&] { platform::SendMessage(skinned->Handle(), SKM_LAYERSUSPEND, 0, 0); }, false},
        {"resumed", [&] { platform::SendMessage(skinned->Handle(), SKM_LAYERRESUME, 0, 0); }, true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        Pump();
        EXPECT_EQ(frame->LayerBorder().Shown(), step.shown);
        if (step.shown) {
            ExpectWindowsAroundTheForm();
        } else {
            EXPECT_EQ(VisibleLayerWindows(), 0);
        }
    }
}

// A minimised form other than the main one is parked at the work area's bottom-left corner; with a
// border that reaches out of it (margins 10, 6, 12, 14 here), it parks that much further in, so
// that the border stays on the work area too.
TEST_F(LayerBorderTest, AParkedFormKeepsItsBorderOnTheWorkArea) {
    TbsSkinData* dusk = EmbeddedSkin(skins::DuskSkinCompressedData());
    const_cast<TbsDataSkinLayerFrame&>(dusk->LayerFrame()).BorderRect = {6, 6, 92, 90};
    ShowForm(dusk);
    ASSERT_TRUE(frame->LayerBorder().Shown());
    Rect work;
    platform::SystemParametersInfo(platform::SPI_GETWORKAREA, 0, &work, 0);
    const Size parked{frame->MinFormWidth(), frame->MinFormHeight()};

    frame->ChangeFormState(TbsFormState::Minimized);
    Pump();
    EXPECT_EQ(FormRect(),
              platform::rectOfSize(work.Left + 10, work.Bottom - 14 - parked.cy, parked.cx, parked.cy));
    EXPECT_TRUE(frame->LayerBorder().Shown());

    // Without the border the window parks at the corner itself.
    frame->ChangeFormState(TbsFormState::Normal);
    frame->SkinData()->SetShowLayeredBorders(false);
    frame->ChangeFormState(TbsFormState::Minimized);
    Pump();
    EXPECT_EQ(FormRect(), platform::rectOfSize(work.Left, work.Bottom - parked.cy, parked.cx, parked.cy));
}

TEST_F(LayerBorderTest, DraggingTheCaptionKeepsTheBorderWithTheForm) {
    ShowForm(EmbeddedSkin(skins::DuskSkinCompressedData()));
    const Rect before = FormRect();
    display.drag({before.Left + 120, before.Top + 10}, {before.Left + 300, before.Top + 140}, 12);
    Pump();
    ASSERT_NE(FormRect(), before);
    EXPECT_GT(movingSteps, 0);
    EXPECT_EQ(stepsBehind, 0);
    ExpectWindowsAroundTheForm();
}

TEST_F(LayerBorderTest, AnInactiveFormShowsTheLighterShadow) {
    ShowForm(EmbeddedSkin(skins::DuskSkinCompressedData()));
    const TbsFormLayerBorder& border = frame->LayerBorder();
    ASSERT_TRUE(border.Active());
    const Picture activeTop = border.Strip(LayerSide::Top);
    SaveShot("layer_border_active");
    // Another window beside it takes the activation, leaving the form in view.
    TForm* other = application.CreateForm<TForm>();
    other->SetBounds(680, 480, 200, 150);
    other->Show();
    platform::SetActiveWindow(other->Handle());
    Pump();
    EXPECT_FALSE(border.Active());
    EXPECT_EQ(border.CurrentAlpha(), 230);
    const Picture& inactiveTop = border.Strip(LayerSide::Top);
    ASSERT_EQ(inactiveTop.width(), activeTop.width());
    // The same place in the lighter picture: never more opaque, somewhere less.
    int lighter = 0;
    for (int32_t y = 0; y < activeTop.height(); ++y)
        for (int32_t x = 0; x < activeTop.width(); ++x) {
            const uint32_t a = activeTop.pixel(x, y) >> 24, i = inactiveTop.pixel(x, y) >> 24;
            ASSERT_LE(i, a);
            lighter += i < a;
        }
    EXPECT_GT(lighter, 0);
    SaveShot("layer_border_inactive");
    platform::SetActiveWindow(skinned->Handle());
    Pump();
    EXPECT_TRUE(border.Active());
    EXPECT_EQ(border.Strip(LayerSide::Top), activeTop);
}

TEST_F(LayerBorderTest, TheScreenShowsTheStripsOverWhatLiesBelow) {
    ShowForm(EmbeddedSkin(skins::DuskSkinCompressedData()));
    const platform::Surface screen = display.screenshot();
    const TbsFormLayerBorder& border = frame->LayerBorder();
    const Rect below = FormRect();
    // Under the form's bottom edge: the shadow over the fixture form's background.
    platform::HWND bottom = border.Window(LayerSide::Bottom);
    Rect r;
    platform::GetWindowRect(bottom, &r);
    const Picture& strip = border.Strip(LayerSide::Bottom);
    int checked = 0;
    for (int32_t y = 0; y < strip.height(); y += 3) {
        const int32_t x = below.width() / 2 + 16;
        const uint32_t s = strip.pixel(x, y);
        const uint32_t under = screen.pixel(r.Left + x, r.Bottom + 40);  // the same background, further down
        const uint32_t a = s >> 24;
        for (int shift : {0, 8, 16}) {
            const int expected =
                int((s >> shift) & 0xFF) + int(((under >> shift) & 0xFF) * (255 - a) + 127) / 255;
            EXPECT_NEAR(int((screen.pixel(r.Left + x, r.Top + y) >> shift) & 0xFF), expected, 1) << y;
        }
        ++checked;
    }
    EXPECT_GT(checked, 3);
}

TEST_F(LayerBorderTest, TheBorderFadesInWithItsForm) {
    // The form fades in (AlphaBlendAnimation): the border rises with it and ends at its own alpha.
    // Both fades wait on the tick count, which moves only when read here.
    display.setClockStepPerRead(1);
    TbsSkinData* dusk = EmbeddedSkin(skins::DuskSkinCompressedData());
    skinned = application.CreateForm<TForm>();
    skinned->SetBorderStyle(framework::TFormBorderStyle::bsSizeable);
    skinned->SetBounds(200, 150, 400, 300);
    frame = new TbsSkinForm(skinned);
    frame->SetAlphaBlendAnimation(true);
    frame->SetSkinData(dusk);
    skinned->Show();
    EXPECT_EQ(frame->LayerBorder().ActiveAlpha(), 0);  // shown with the form at alpha 0
    platform::PumpMessagesFor(100);
    EXPECT_TRUE(frame->LayerBorder().Shown());
    EXPECT_EQ(frame->LayerBorder().ActiveAlpha(), 255);
    EXPECT_EQ(frame->LayerBorder().InactiveAlpha(), 230);
    // The border's own fade-in ends the same way, its windows shown.
    frame->LayerBorder().Hide();
    frame->LayerBorder().FadeIn();
    EXPECT_TRUE(frame->LayerBorder().Shown());
    EXPECT_EQ(frame->LayerBorder().ActiveAlpha(), 255);
    EXPECT_EQ(VisibleLayerWindows(), 4);
}

TEST_F(LayerBorderTest, ClicksOnTheShadowReachWhatLiesBelow) {
    ShowForm(EmbeddedSkin(skins::DuskSkinCompressedData()));
    const Rect r = FormRect();
    const Point inShadow{r.Left + r.width() / 2, r.Bottom + 6};
    EXPECT_EQ(platform::WindowFromPoint(inShadow), form->Handle());
}

TEST_F(LayerBorderTest, WithoutACompositorNoWindowIsMadeButTheStateIsKept) {
    display.setComposesAlpha(false);
    ShowForm(EmbeddedSkin(skins::DuskSkinCompressedData()));
    EXPECT_TRUE(frame->LayerBorder().Shown());
    EXPECT_FALSE(frame->LayerBorder().Strip(LayerSide::Top).isEmpty());
    EXPECT_TRUE(LayerWindows().empty());
    skinned->SetBounds(300, 200, 420, 320);
    Pump();
    EXPECT_EQ(frame->LayerBorder().OuterRect(), ExpectedOuter());
    EXPECT_TRUE(LayerWindows().empty());
}

TEST_F(LayerBorderTest, TheFormsShapeHasTheMasksRoundedTopCorners) {
    ShowForm(EmbeddedSkin(skins::DuskSkinCompressedData()));
    for (Size size : {Size{400, 300}, Size{177, 120}, Size{900, 640}}) {
        skinned->SetBounds(200, 150, size.cx, size.cy);
        Pump();
        platform::HRGN region = platform::CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(platform::GetWindowRgn(skinned->Handle(), region), 0);
        // The corner pixel is cut, the pixels a radius in are not; the bottom corners stay square.
        EXPECT_FALSE(platform::PtInRegion(region, 0, 0));
        EXPECT_FALSE(platform::PtInRegion(region, size.cx - 1, 0));
        EXPECT_TRUE(platform::PtInRegion(region, 7, 0));
        EXPECT_TRUE(platform::PtInRegion(region, 0, 7));
        EXPECT_TRUE(platform::PtInRegion(region, size.cx - 1, 7));
        EXPECT_TRUE(platform::PtInRegion(region, 0, size.cy - 1));
        EXPECT_TRUE(platform::PtInRegion(region, size.cx - 1, size.cy - 1));
        platform::DeleteObject(region);
    }
}

TEST_F(LayerBorderTest, BadLayerRecordsGiveNoBorder) {
    // The second skin's shadow pictures given to records that point past the list, at a mask of
    // another size, or that carry no usable client rectangle.
    TbsSkinData* dusk = EmbeddedSkin(skins::DuskSkinCompressedData());
    struct Case {
        const char* what;
        std::string layer;
        bool usable;
    };
    const std::string corners =
        "lefttoppoint=34,12\r\nrighttoppoint=62,12\r\nleftbottompoint=34,76\r\nrightbottompoint=62,76\r\n";
    const Case cases[] = {
        {"good", "pictureindex=0\r\nmaskpictureindex=1\r\nclientrect=16,12,80,76\r\n" + corners, true},
        {"picture past the list", "pictureindex=9\r\nclientrect=16,12,80,76\r\n" + corners, false},
        {"negative picture", "pictureindex=-5\r\nclientrect=16,12,80,76\r\n" + corners, false},
        {"mask past the list", "pictureindex=0\r\nmaskpictureindex=7\r\nclientrect=16,12,80,76\r\n" + corners,
         false},
        {"mask of another size",
         "pictureindex=0\r\nmaskpictureindex=2\r\nclientrect=16,12,80,76\r\n" + corners, false},
        {"inactive past the list",
         "pictureindex=0\r\ninactivepictureindex=40\r\nclientrect=16,12,80,76\r\n" + corners, true},
        {"no client rectangle", "pictureindex=0\r\n" + corners, false},
        {"client rectangle outside", "pictureindex=0\r\nclientrect=16,12,800,76\r\n" + corners, false},
    };
    const auto& pictures = dusk->ActivePictures();
    const std::vector<framework::TBitmap> shadow{pictures[6], pictures[7], pictures[0]};
    ShowForm(dusk);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TbsSkinData* data = SkinOf("[LAYERFRAME]\r\n" + c.layer, shadow);
        TbsFormLayerBorder border(*frame);
        border.Prepare(data);
        EXPECT_EQ(border.Prepared(), c.usable);
        border.Show();
        EXPECT_EQ(border.Shown(), c.usable);
        border.Hide();
    }
}

}  // namespace
}  // namespace skin
