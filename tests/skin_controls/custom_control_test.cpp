// The skinned control base: the resize mode a record gives, the size a control may take, the face
// it paints, its window region from the record's mask, skin changes reaching the controls of a
// form, and the pointer events.
#include <gtest/gtest.h>

#include "controls_fixture.h"
#include "framework/graphics/canvas.h"
#include "platform/gfx/region.h"
#include "platform/window/window.h"
#include "skin/controls/custom_face.h"
#include "skin/controls/skin_custom_control.h"
#include "skin/controls/skinned_control.h"
#include "skin/data/skin_messages.h"
#include "skin/render/nine_part_image.h"
#include "tests/skin_data/skin_fixture.h"

using namespace framework;
using namespace skin;
using controls_test::ControlsTest;
using platform::Point;
using platform::Rect;
using platform::Size;

namespace {

TEST(ResizeMode, FollowsTheCornerPointsTheRecordGives) {
    struct Case {
        const char* name;
        Rect skinRect;
        NinePartLayout layout;
        TResizeMode mode;
    };
    const Rect skin{0, 0, 40, 30};
    const Case cases[] = {
        {"empty skin rectangle", {}, {{5, 5}, {35, 5}, {5, 25}, {35, 25}, {}}, TResizeMode::Unsized},
        {"all four corners", skin, {{5, 5}, {35, 5}, {5, 25}, {35, 25}, {}}, TResizeMode::Both},
        {"all corners at (0, 0)", skin, {}, TResizeMode::Fixed},
        {"right top only", skin, {{5, 0}, {35, 0}, {}, {}, {}}, TResizeMode::Horizontal},
        {"left bottom only", skin, {{0, 5}, {}, {0, 25}, {}, {}}, TResizeMode::Vertical},
        {"right bottom with one coordinate", skin, {{}, {}, {}, {35, 0}, {}}, TResizeMode::Fixed},
    };
    for (const Case& c : cases) EXPECT_EQ(ResizeModeOf(c.skinRect, c.layout), c.mode) << c.name;
}

TEST(CalcSkinSize, EachModeKeepsWhatItMayChange) {
    CustomFace face;
    face.skinRect = {10, 10, 50, 40};  // 40 x 30
    face.layout = {{5, 5}, {35, 5}, {5, 25}, {35, 25}, {5, 5, 35, 25}};
    struct Case {
        TResizeMode mode;
        Size size;
    };
    const Case cases[] = {
        {TResizeMode::Fixed, {40, 30}},       {TResizeMode::Both, {100, 80}},
        {TResizeMode::Horizontal, {100, 30}}, {TResizeMode::Vertical, {40, 80}},
        {TResizeMode::Unsized, {100, 80}},
    };
    for (const Case& c : cases) {
        face.mode = c.mode;
        EXPECT_EQ(CalcSkinSize(face, {100, 80}).size, c.size) << int(c.mode);
    }
    face.mode = TResizeMode::Both;
    const NinePartLayout moved = CalcSkinSize(face, {100, 80}).newLayout;
    EXPECT_EQ(moved, (NinePartLayout{{5, 5}, {95, 5}, {5, 75}, {95, 75}, {5, 5, 95, 75}}));
    EXPECT_EQ(CalcSkinSize(std::nullopt, {100, 80}).size, (Size{100, 80}));
}

// A small skin: a fixed face, a nine-part face with a mask, a vertical bar, a record of another kind.
class CustomControls : public ControlsTest {
  protected:
    CustomControls() {
        TBitmap mask;
        mask.SetSize(40, 30);
        mask.Canvas().Brush().SetColor(platform::RGB(0, 0, 0));
        mask.Canvas().FillRect({0, 0, 40, 30});
        mask.Canvas().Brush().SetColor(platform::RGB(255, 255, 255));
        mask.Canvas().FillRect({0, 0, 3, 3});  // the top-left corner is cut off
        data = SkinOf(
            "[SKINCONTROLS]\ncount=4\n0=fixed:panel\n1=both:panel\n2=column:panel\n3=other:stdlabel\n"
            "[fixed]\npictureindex=0\nskinrect=0,0,40,30\n"
            "[both]\npictureindex=0\nmaskpictureindex=1\nskinrect=0,0,40,30\nlefttoppoint=5,5\n"
            "righttoppoint=35,5\nleftbottompoint=5,25\nrightbottompoint=35,25\nclientrect=5,5,35,25\n"
            "[column]\npictureindex=0\nskinrect=0,0,40,30\nlefttoppoint=0,5\nleftbottompoint=0,25\n"
            "[other]\nskinrect=0,0,20,10\n",
            {fixture::MakePicture(40, 30, TPixelFormat::pf24bit), mask});
        control = new TbsSkinCustomControl(form);
        control->SetParent(form);
        control->SetBounds(20, 20, 100, 80);
        Pump();
    }
    void Use(const char* record) {
        control->SetSkinDataName(record);
        control->SetSkinData(data);
        Pump();
    }
    bool InShape(Point p) {
        platform::HRGN region = platform::CreateRectRgn(0, 0, 0, 0);
        const bool shaped = platform::GetWindowRgn(control->Handle(), region) != 0;
        const bool inside = !shaped || platform::PtInRegion(region, p.X, p.Y);
        platform::DeleteObject(region);
        return inside;
    }

    TbsSkinData* data;
    TbsSkinCustomControl* control;
};

TEST_F(CustomControls, AFixedFaceForcesTheSkinSizeOnEverySkinChangeAndResize) {
    Use("fixed");
    EXPECT_EQ(control->BoundsRect(), (Rect{20, 20, 60, 50}));
    control->SetBounds(20, 20, 200, 150);
    EXPECT_EQ(control->BoundsRect(), (Rect{20, 20, 60, 50}));
    // The face is the skin rectangle, copied.
    EXPECT_EQ(ScreenPixels(*control, {0, 0, 40, 30}),
              PixelsOf(data->ActivePictures()[0].Surface(), {0, 0, 40, 30}));
}

TEST_F(CustomControls, BarsKeepTheirFixedSideAndNinePartsStretchBothWays) {
    Use("column");
    control->SetBounds(20, 20, 100, 80);
    EXPECT_EQ(control->BoundsRect(), (Rect{20, 20, 60, 100}));
    Use("both");
    control->SetBounds(20, 20, 100, 80);
    EXPECT_EQ(control->BoundsRect(), (Rect{20, 20, 120, 100}));
    Pump();
    Picture expected;
    const NinePartLayout layout = control->Face()->layout;
    ComposeNinePartImage(layout, ResizeLayout({40, 30}, layout, {100, 80}), expected,
                         data->ActivePictures()[0].Surface(), {0, 0, 40, 30}, {100, 80}, {}, {});
    // (The mask cuts the top-left corner off.)
    EXPECT_EQ(ScreenPixels(*control, {0, 3, 100, 80}), PixelsOf(expected, {0, 3, 100, 80}));
}

TEST_F(CustomControls, WithoutASkinDefaultSizesOfZeroKeepTheSize) {
    control->ChangeSkinData();
    EXPECT_EQ(control->BoundsRect(), (Rect{20, 20, 120, 100}));
    EXPECT_EQ(ColorAt(*control, 50, 40), platform::ColorToRGB(platform::clBtnFace));
    control->SetDefaultWidth(60);
    control->SetDefaultHeight(0);
    control->ChangeSkinData();
    EXPECT_EQ(control->BoundsRect(), (Rect{20, 20, 80, 100}));
}

TEST_F(CustomControls, ARecordOfAnotherKindGivesAFixedFaceWithoutPicture) {
    Use("other");
    ASSERT_TRUE(control->Face());
    EXPECT_EQ(control->Face()->mode, TResizeMode::Fixed);
    EXPECT_EQ(control->Face()->picture, nullptr);
    EXPECT_EQ(control->BoundsRect(), (Rect{20, 20, 40, 30}));
    Pump();  // paints without a picture
}

TEST_F(CustomControls, AMaskShapesTheWindowUntilTheSkinIsGone) {
    Use("both");
    EXPECT_TRUE(control->HasRegion());
    EXPECT_FALSE(InShape({1, 1}));  // the cut corner
    EXPECT_TRUE(InShape({50, 40}));
    control->SetBounds(20, 20, 160, 90);
    EXPECT_FALSE(InShape({1, 1}));
    EXPECT_TRUE(InShape({150, 80}));
    // The skin loses the record: the window loses its shape.
    control->SetSkinDataName("absent");
    control->ChangeSkinData();
    EXPECT_FALSE(control->HasRegion());
    EXPECT_TRUE(InShape({1, 1}));
}

TEST_F(CustomControls, SkinChangesReachTheControlsOfTheChangingSkinDataOnly) {
    Use("fixed");
    auto* other = new TbsSkinCustomControl(form);
    other->SetParent(form);
    other->SetSkinDataName("fixed");
    TbsSkinData* second = SkinOf("[SKINCONTROLS]\ncount=1\n0=fixed:panel\n[fixed]\nskinrect=0,0,10,10\n");
    other->SetSkinData(second);
    ASSERT_NE(control->SkinIndex(), -1);
    ASSERT_NE(other->SkinIndex(), -1);
    EXPECT_TRUE(HandleSkinChangeMessage(*form, SKM_BEFORECHANGESKINDATA, platform::WPARAM(data)));
    EXPECT_EQ(control->SkinIndex(), -1);
    EXPECT_NE(other->SkinIndex(), -1);
    EXPECT_TRUE(HandleSkinChangeMessage(*form, SKM_CHANGESKINDATA, platform::WPARAM(data)));
    EXPECT_NE(control->SkinIndex(), -1);
    EXPECT_FALSE(HandleSkinChangeMessage(*form, SKM_AFTERCHANGESKINDATA, platform::WPARAM(data)));
    // Without a sender named, every skinned control hears it.
    NotifySkinnedControls(*form, nullptr, SkinChangeStep::Before);
    EXPECT_EQ(control->SkinIndex(), -1);
    EXPECT_EQ(other->SkinIndex(), -1);
}

TEST_F(CustomControls, TheSkinDataGoingAwayLeavesNoReference) {
    Use("fixed");
    delete data;
    EXPECT_EQ(control->SkinData(), nullptr);
    control->Repaint();
    EXPECT_EQ(control->SkinIndex(), -1);
}

TEST_F(CustomControls, PointerEnteringAndLeavingRaiseTheEvents) {
    std::vector<std::string> log;
    control->OnMouseEnter = [&](TObject*) { log.push_back("enter"); };
    control->OnMouseLeave = [&](TObject*) { log.push_back("leave"); };
    display.moveMouse(At(*control, 10, 10));
    Pump();
    display.moveMouse(At(*form, 400, 400));
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"enter", "leave"}));
}

}  // namespace
