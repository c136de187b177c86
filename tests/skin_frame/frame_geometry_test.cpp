// The frame's geometry and object layout as pure functions, with the shipped skin's FORMINFO and
// objects and with variations of them.
#include "skin/frame/frame_geometry.h"

#include <gtest/gtest.h>

#include "skin/frame/frame_layout.h"

namespace skin {
namespace {

using platform::Point;
using platform::Rect;
using platform::Size;

constexpr Size kPicture{158, 136};

// The shipped skin's FORMINFO (skins/default/skin.ini).
TbsFormInfo ShippedFormInfo() {
    TbsFormInfo info;
    info.LeftTopPoint = {13, 27};
    info.RightTopPoint = {142, 26};
    info.LeftBottomPoint = {6, 130};
    info.RightBottomPoint = {152, 129};
    info.ClientRect = {4, 23, 154, 131};
    info.CaptionRect = {14, 5, 144, 21};
    info.ButtonsOffset = 2;
    return info;
}

// The shipped skin's objects in record order: the caption on the frame picture, the caption
// buttons in their own pictures; those the main window does not offer hidden.
std::vector<FrameObjectPlacement> ShippedObjects() {
    auto button = [](TStdCommand c, Rect skin, bool visible) {
        return FrameObjectPlacement{FrameObjectKind::StdButton, c, skin, true, visible, {}};
    };
    return {
        {FrameObjectKind::Caption, std::nullopt, {12, 5, 145, 20}, false, true, {}},
        button(TStdCommand::cmClose, {40, 0, 58, 17}, true),
        button(TStdCommand::cmMinimize, {40, 51, 58, 68}, true),
        button(TStdCommand::cmMaximize, {40, 17, 58, 34}, false),
        button(TStdCommand::cmRollUp, {40, 68, 58, 85}, false),
        button(TStdCommand::cmSysMenu, {427, 0, 445, 17}, true),
        button(TStdCommand::cmMinimizeToTray, {427, 18, 445, 35}, false),
    };
}

TEST(FrameGeometry, TheMainWindowsSizes) {
    struct Case {
        Size window;
        Point lt, rt, lb, rb;
        Rect client, caption;
    };
    const Case cases[] = {
        {{785, 641}, {13, 27}, {769, 26}, {6, 635}, {779, 634}, {4, 23, 781, 636}, {14, 5, 771, 21}},
        {{785, 96}, {13, 27}, {769, 26}, {6, 90}, {779, 89}, {4, 23, 781, 91}, {14, 5, 771, 21}},
        {kPicture, {13, 27}, {142, 26}, {6, 130}, {152, 129}, {4, 23, 154, 131}, {14, 5, 144, 21}},
    };
    for (const Case& c : cases) {
        const FrameGeometry g = CalcFrameGeometry(ShippedFormInfo(), kPicture, c.window);
        EXPECT_EQ(g.newLayout.LT, c.lt) << c.window.cx << "x" << c.window.cy;
        EXPECT_EQ(g.newLayout.RT, c.rt);
        EXPECT_EQ(g.newLayout.LB, c.lb);
        EXPECT_EQ(g.newLayout.RB, c.rb);
        EXPECT_EQ(g.newLayout.Cl, c.client);
        EXPECT_EQ(g.captionArea, c.caption);
        EXPECT_TRUE(g.buttonsArea.isEmpty());
    }
}

TEST(FrameGeometry, ButtonsAreaMovesOnlyFromTheRightHalf) {
    TbsFormInfo info = ShippedFormInfo();
    info.ButtonsRect = {100, 4, 150, 22};  // left edge past pw div 2 = 79
    EXPECT_EQ(CalcFrameGeometry(info, kPicture, {785, 641}).buttonsArea, (Rect{727, 4, 777, 22}));
    info.ButtonsRect = {79, 4, 150, 22};  // exactly at the middle: stays
    EXPECT_EQ(CalcFrameGeometry(info, kPicture, {785, 641}).buttonsArea, (Rect{79, 4, 150, 22}));
    info.CaptionRect = {};  // an empty caption rectangle stays as read
    EXPECT_EQ(CalcFrameGeometry(info, kPicture, {785, 641}).captionArea, Rect{});
}

TEST(FrameGeometry, MapSkinRectByCornerRegions) {
    const FrameGeometry g = CalcFrameGeometry(ShippedFormInfo(), kPicture, {400, 300});  // dx 242, dy 164
    struct Case {
        Rect in, out;
    };
    const Case cases[] = {
        {{2, 2, 10, 20}, {2, 2, 10, 20}},              // inside the top-left corner: stays
        {{145, 2, 150, 20}, {387, 2, 392, 20}},        // top-right: moves across
        {{1, 131, 5, 135}, {1, 295, 5, 299}},          // bottom-left: moves down
        {{153, 130, 156, 134}, {395, 294, 398, 298}},  // bottom-right: both
        {{2, 2, 150, 20}, {2, 2, 392, 20}},            // top-left to top-right: stretches across
        {{2, 2, 5, 133}, {2, 2, 5, 297}},              // top-left to bottom-left: stretches down
        {{2, 2, 155, 133}, {2, 2, 397, 297}},          // top-left to bottom-right: both
        {{2, 131, 155, 134}, {2, 295, 397, 298}},      // bottom-left to bottom-right: across, then down
        {{145, 2, 155, 133}, {387, 2, 397, 297}},      // top-right to bottom-right: across, then down
        {{50, 50, 60, 60}, {50, 50, 60, 60}},          // the middle: stays
        {{12, 5, 145, 20}, {12, 5, 387, 20}},          // the shipped caption strip
    };
    for (const Case& c : cases) EXPECT_EQ(MapSkinRect(g, c.in), c.out) << c.in.Left << "," << c.in.Top;
}

TEST(FrameGeometry, ClientRectangleOfAWindowRectangle) {
    struct Case {
        Rect window, client;
    };
    // The skin's insets: 4 left, 23 top, 4 right, 5 bottom, whatever the window's size; a window
    // smaller than the insets gets an empty client area, never an inverted one.
    const Case skinned[] = {
        {{100, 50, 885, 691}, {104, 73, 881, 686}},
        {{0, 0, 785, 96}, {4, 23, 781, 91}},
        {{0, 0, 6, 20}, {4, 23, 4, 23}},
    };
    for (const Case& c : skinned)
        EXPECT_EQ(SkinnedClientRect(c.window, {4, 23, 154, 131}, kPicture), c.client);
    EXPECT_EQ(DefaultClientRect({0, 0, 300, 200}, false), (Rect{3, 22, 297, 197}));
    EXPECT_EQ(DefaultClientRect({0, 0, 300, 200}, true), (Rect{3, 18, 297, 197}));
}

TEST(FrameGeometry, HugeAndInvertedSkinValuesStayInRange) {
    TbsFormInfo info;
    info.LeftTopPoint = {INT32_MAX, INT32_MIN};
    info.RightTopPoint = {INT32_MIN, 5};
    info.ClientRect = {INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    info.CaptionRect = {0, 0, INT32_MAX, 10};
    info.ButtonsRect = {INT32_MAX - 1, 0, INT32_MAX, 10};
    info.HitTestRightBottomPoint = {INT32_MAX, INT32_MAX};
    info.MaskRectArea = {0, 0, INT32_MAX, INT32_MAX};
    const FrameGeometry g = CalcFrameGeometry(info, {INT32_MAX, 1}, {32767, 32767});
    for (int32_t v :
         {g.newLayout.RT.X, g.newLayout.Cl.Right, g.captionArea.Right, g.buttonsArea.Right,
          g.hitTestRightBottom.X, g.maskArea.Bottom, MapSkinRect(g, {0, 0, INT32_MAX, INT32_MAX}).Right})
        EXPECT_LE(std::abs(int64_t(v)), int64_t(kMaxLayoutCoordinate));
    EXPECT_FALSE(FrameSkinUsable(info, {158, 136}));
    EXPECT_TRUE(FrameSkinUsable(ShippedFormInfo(), kPicture));
    EXPECT_FALSE(FrameSkinUsable(ShippedFormInfo(), {100, 100}));  // the client rectangle outside the picture
    EXPECT_FALSE(FrameSkinUsable(ShippedFormInfo(), {0, 0}));
}

Rect RectOf(const std::vector<FrameObjectPlacement>& objects, TStdCommand command) {
    for (const FrameObjectPlacement& o : objects)
        if (o.command == command)
            return o.rect;
    return {};
}
Rect CaptionOf(const std::vector<FrameObjectPlacement>& objects) {
    return objects.front().rect;
}

TEST(FrameLayout, TheMainWindowsCaptionRow) {
    struct Case {
        Size window;
        std::optional<Size> icon;
        Rect close, minimize, systemMenu, caption;
    };
    const Case cases[] = {
        {{785, 641}, Size{16, 16}, {753, 5, 771, 22}, {733, 5, 751, 22}, {14, 5, 30, 21}, {30, 5, 733, 20}},
        {{785, 96}, Size{16, 16}, {753, 5, 771, 22}, {733, 5, 751, 22}, {14, 5, 30, 21}, {30, 5, 733, 20}},
        // Without the icon the button keeps its 18 x 17 face, centred in the 16 rows: top 5 + 8 - 8.
        {{785, 641}, std::nullopt, {753, 5, 771, 22}, {733, 5, 751, 22}, {14, 5, 32, 22}, {32, 5, 733, 20}},
        // The frame picture's own size: the caption strip stays where the picture has it.
        {kPicture, Size{16, 16}, {126, 5, 144, 22}, {106, 5, 124, 22}, {14, 5, 30, 21}, {30, 5, 106, 20}},
    };
    for (const Case& c : cases) {
        std::vector<FrameObjectPlacement> objects = ShippedObjects();
        LayoutFrameObjects(CalcFrameGeometry(ShippedFormInfo(), kPicture, c.window), objects, c.icon);
        EXPECT_EQ(RectOf(objects, TStdCommand::cmClose), c.close) << c.window.cx << "x" << c.window.cy;
        EXPECT_EQ(RectOf(objects, TStdCommand::cmMinimize), c.minimize);
        EXPECT_EQ(RectOf(objects, TStdCommand::cmSysMenu), c.systemMenu);
        EXPECT_EQ(CaptionOf(objects), c.caption);
        // Hidden buttons take no room and keep their skin rectangles.
        EXPECT_EQ(RectOf(objects, TStdCommand::cmMaximize), (Rect{40, 17, 58, 34}));
    }
}

TEST(FrameLayout, ButtonsInLeftAndAButtonsArea) {
    TbsFormInfo info = ShippedFormInfo();
    info.ButtonsInLeft = true;
    std::vector<FrameObjectPlacement> objects = ShippedObjects();
    LayoutFrameObjects(CalcFrameGeometry(info, kPicture, {785, 641}), objects, Size{16, 16});
    // From the caption area's left edge: close, minimise, then the system-menu button in the same
    // row; the caption begins after the final x plus the offset.
    EXPECT_EQ(RectOf(objects, TStdCommand::cmClose), (Rect{14, 5, 32, 22}));
    EXPECT_EQ(RectOf(objects, TStdCommand::cmMinimize), (Rect{34, 5, 52, 22}));
    EXPECT_EQ(RectOf(objects, TStdCommand::cmSysMenu), (Rect{54, 5, 70, 21}));
    EXPECT_EQ(CaptionOf(objects), (Rect{74, 5, 772, 20}));

    info.ButtonsInLeft = false;
    info.ButtonsRect = {100, 3, 150, 20};  // moved right by dW 627
    objects = ShippedObjects();
    LayoutFrameObjects(CalcFrameGeometry(info, kPicture, {785, 641}), objects, Size{16, 16});
    EXPECT_EQ(RectOf(objects, TStdCommand::cmClose), (Rect{759, 3, 777, 20}));
    EXPECT_EQ(RectOf(objects, TStdCommand::cmMinimize), (Rect{739, 3, 757, 20}));
    // With a buttons area the caption keeps its right edge; the system-menu button still goes to
    // the caption area's left end.
    EXPECT_EQ(CaptionOf(objects), (Rect{30, 5, 772, 20}));
    EXPECT_EQ(RectOf(objects, TStdCommand::cmSysMenu), (Rect{14, 5, 30, 21}));
}

TEST(FrameLayout, NoCaptionOrButtonsAreaLeavesObjectsOnTheirSkinRectangles) {
    TbsFormInfo info = ShippedFormInfo();
    info.CaptionRect = {};
    std::vector<FrameObjectPlacement> objects = ShippedObjects();
    LayoutFrameObjects(CalcFrameGeometry(info, kPicture, {785, 641}), objects, Size{16, 16});
    EXPECT_EQ(CaptionOf(objects), (Rect{12, 5, 772, 20}));  // mapped only
    EXPECT_EQ(RectOf(objects, TStdCommand::cmClose), (Rect{40, 0, 58, 17}));
}

TEST(FrameLayout, ThePlainFramesRow) {
    std::vector<FrameObjectPlacement> objects = ShippedObjects();
    for (FrameObjectPlacement& o : objects) o.skinRectInAPicture = true;
    const Rect caption = LayoutDefaultFrameObjects({300, 200}, false, objects, std::nullopt);
    EXPECT_EQ(RectOf(objects, TStdCommand::cmClose), (Rect{280, 4, 297, 21}));
    EXPECT_EQ(RectOf(objects, TStdCommand::cmMinimize), (Rect{263, 4, 280, 21}));
    EXPECT_EQ(RectOf(objects, TStdCommand::cmSysMenu), (Rect{3, 4, 20, 21}));
    EXPECT_EQ(caption, (Rect{20, 3, 263, 19}));
}

}  // namespace
}  // namespace skin
