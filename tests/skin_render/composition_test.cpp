#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <random>

#include "skin/render/bsUtils.h"
#include "tests/skin_render/render_test_support.h"

namespace skin {
namespace {

using platform::Point;
using platform::Rect;
using platform::Size;
using test::CoordPicture;
using test::Describe;
using test::SourceOf;

// The main window's frame picture (158 x 136) and its FORMINFO layout.
const NinePartLayout kMainFrame{{13, 27}, {142, 26}, {6, 130}, {152, 129}, {4, 23, 154, 131}};
// The popup menu window (61 x 40) and POPUPWINDOW.
const NinePartLayout kPopup{{22, 10}, {51, 10}, {24, 29}, {50, 30}, {17, 5, 56, 35}};

// Checks every pixel of `area` in the picture against the source position `expected` gives.
void ExpectFrom(const Picture& p, const Rect& area,
                const std::function<Point(int32_t x, int32_t y)>& expected, const std::string& what) {
    for (int32_t y = area.Top; y < area.Bottom; ++y) {
        for (int32_t x = area.Left; x < area.Right; ++x) {
            const auto got = SourceOf(p.pixel(x, y));
            const Point want = expected(x, y);
            ASSERT_TRUE(got && *got == want) << what << " at (" << x << ", " << y << "): got "
                                             << Describe(got) << ", want " << Describe(want);
        }
    }
}

TEST(ResizeLayoutTest, MovesEdgesAndClientByTheSizeChange) {
    const NinePartLayout n = ResizeLayout({158, 136}, kMainFrame, {400, 300});
    EXPECT_EQ(n, (NinePartLayout{{13, 27}, {384, 26}, {6, 294}, {394, 293}, {4, 23, 396, 295}}));
    const NinePartLayout expanded = ResizeLayout({158, 136}, kMainFrame, {785, 641});
    EXPECT_EQ(expanded, (NinePartLayout{{13, 27}, {769, 26}, {6, 635}, {779, 634}, {4, 23, 781, 636}}));
    EXPECT_EQ(ResizeLayout({61, 40}, kPopup, {150, 100}),
              (NinePartLayout{{22, 10}, {140, 10}, {24, 89}, {139, 90}, {17, 5, 145, 95}}));
}

TEST(ResizeLayoutTest, SkinCoordinatesAtTheEdgesOfTheIntegerRangeDoNotOverflow) {
    const NinePartLayout wild{{INT32_MIN, INT32_MAX},
                              {INT32_MAX, 0},
                              {0, INT32_MAX},
                              {INT32_MAX, INT32_MAX},
                              {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}};
    const NinePartLayout n = ResizeLayout({1, 1}, wild, {32767, 32767});
    EXPECT_EQ(n.RB.X, kMaxLayoutCoordinate);
    EXPECT_EQ(n.LT.X, -kMaxLayoutCoordinate);
}

// The worked example of the main window frame at 400 x 300, every pixel of every strip.
TEST(ComposeFrameStripsTest, MainFrameAt400x300) {
    const Picture frame = CoordPicture(158, 136);
    FrameStrips strips;
    ComposeFrameStrips(kMainFrame, ResizeLayout({158, 136}, kMainFrame, {400, 300}), strips, frame,
                       {0, 0, 158, 136}, {400, 300}, {});
    ASSERT_EQ(Size(strips.Top.width(), strips.Top.height()), Size(400, 23));
    ASSERT_EQ(Size(strips.Bottom.width(), strips.Bottom.height()), Size(400, 5));
    ASSERT_EQ(Size(strips.Left.width(), strips.Left.height()), Size(4, 272));
    ASSERT_EQ(Size(strips.Right.width(), strips.Right.height()), Size(4, 272));

    ExpectFrom(
        strips.Top, strips.Top.bounds(),
        [](int32_t x, int32_t y) -> Point {
            if (x < 13)
                return {x, y};
            if (x >= 384)
                return {142 + x - 384, y};
            return {13 + x % 129, y};
        },
        "top");
    EXPECT_EQ(SourceOf(strips.Top.pixel(13, 0))->X, 26);
    EXPECT_EQ(SourceOf(strips.Top.pixel(200, 0))->X, 84);

    ExpectFrom(
        strips.Bottom, strips.Bottom.bounds(),
        [](int32_t x, int32_t y) -> Point {
            if (x < 6)
                return {x, 131 + y};
            if (x >= 394)
                return {152 + x - 394, 131 + y};
            return {6 + x % 146, 131 + y};
        },
        "bottom");
    ExpectFrom(
        strips.Left, strips.Left.bounds(),
        [](int32_t x, int32_t y) -> Point {
            if (y < 4)
                return {x, 23 + y};
            if (y == 271)
                return {x, 130};
            return {x, 27 + y % 103};
        },
        "left");
    ExpectFrom(
        strips.Right, strips.Right.bounds(),
        [](int32_t x, int32_t y) -> Point {
            if (y < 3)
                return {154 + x, 23 + y};
            if (y >= 270)
                return {154 + x, 129 + y - 270};
            return {154 + x, 26 + y % 103};
        },
        "right");

    const FrameStripOrigins at = PlaceFrameStrips(strips, {400, 300});
    EXPECT_EQ(at.Left, (Point{0, 23}));
    EXPECT_EQ(at.Right, (Point{396, 23}));
    EXPECT_EQ(at.Bottom, (Point{0, 295}));
}

// Strips kept from an earlier composition: those made again take the new size, one that is no
// longer made is left empty (never drawn with what it held) and counts as 0 high.
TEST(ComposeFrameStripsTest, KeptStripsThatAreNoLongerMadeAreLeftEmpty) {
    const Picture frame = CoordPicture(158, 136);
    FrameStrips strips;
    ComposeFrameStrips(kMainFrame, ResizeLayout({158, 136}, kMainFrame, {400, 300}), strips, frame,
                       {0, 0, 158, 136}, {400, 300}, {});
    NinePartLayout flatTop = kMainFrame;
    flatTop.RT.X = flatTop.LT.X;  // no top edge piece to repeat
    ComposeFrameStrips(flatTop, ResizeLayout({158, 136}, flatTop, {300, 200}), strips, frame,
                       {0, 0, 158, 136}, {300, 200}, {});
    EXPECT_TRUE(strips.Top.isEmpty());
    EXPECT_EQ(Size(strips.Bottom.width(), strips.Bottom.height()), Size(300, 5));
    EXPECT_EQ(Size(strips.Left.width(), strips.Left.height()), Size(4, 195));
    EXPECT_EQ(Size(strips.Right.width(), strips.Right.height()), Size(4, 195));
    EXPECT_EQ(PlaceFrameStrips(strips, {300, 200}).Left, (Point{0, 0}));
}

// The worked example of the popup menu window at 150 x 100, client drawn.
TEST(ComposeNinePartImageTest, PopupWindowAt150x100) {
    const Picture pw = CoordPicture(61, 40);
    Picture target;
    ComposeNinePartImage(kPopup, ResizeLayout({61, 40}, kPopup, {150, 100}), target, pw, {0, 0, 61, 40},
                         {150, 100}, {}, {true, false, TStretchType::stFull});
    ASSERT_EQ(Size(target.width(), target.height()), Size(150, 100));
    // Edges: tiles start at the new corner point.
    ExpectFrom(
        target, {22, 0, 140, 5},
        [](int32_t x, int32_t y) -> Point {
            return {22 + (x - 22) % 29, y};
        },
        "top edge");
    EXPECT_EQ(SourceOf(target.pixel(138, 0))->X, 22);
    EXPECT_EQ(SourceOf(target.pixel(139, 0))->X, 23);
    ExpectFrom(
        target, {24, 95, 139, 100},
        [](int32_t x, int32_t y) -> Point {
            return {24 + (x - 24) % 26, 35 + y - 95};
        },
        "bottom edge");
    ExpectFrom(
        target, {0, 10, 17, 89},
        [](int32_t x, int32_t y) -> Point {
            return {x, 10 + (y - 10) % 19};
        },
        "left edge");
    // Four full tiles of 20 rows fill 10 .. 90 exactly; the fifth pass is empty and rows 90 on
    // belong to corner 8.
    ExpectFrom(
        target, {145, 10, 150, 90},
        [](int32_t x, int32_t y) -> Point {
            return {56 + x - 145, 10 + (y - 10) % 20};
        },
        "right edge");
    ExpectFrom(
        target, {145, 90, 150, 95},
        [](int32_t x, int32_t y) -> Point {
            return {56 + x - 145, 30 + y - 90};
        },
        "corner 8");
    ExpectFrom(
        target, {0, 0, 22, 5},
        [](int32_t x, int32_t y) -> Point {
            return {x, y};
        },
        "corner 1");
    ExpectFrom(
        target, {140, 0, 150, 5},
        [](int32_t x, int32_t y) -> Point {
            return {51 + x - 140, y};
        },
        "corner 3");
    ExpectFrom(
        target, {139, 95, 150, 100},
        [](int32_t x, int32_t y) -> Point {
            return {50 + x - 139, 35 + y - 95};
        },
        "corner 7");
    ExpectFrom(
        target, {0, 5, 17, 10},
        [](int32_t x, int32_t y) -> Point {
            return {x, y};
        },
        "corner 2");
    ExpectFrom(
        target, {145, 5, 150, 10},
        [](int32_t x, int32_t y) -> Point {
            return {56 + x - 145, y};
        },
        "corner 4");
    ExpectFrom(
        target, {0, 89, 17, 100},
        [](int32_t x, int32_t y) -> Point {
            return {x, 29 + y - 89};
        },
        "corner 5");
    ExpectFrom(
        target, {17, 95, 24, 100},
        [](int32_t x, int32_t y) -> Point {
            return {x, 35 + y - 95};
        },
        "corner 6");
    // Client: 39 x 30 tiles from (17, 5); the last column 11 wide, three full rows.
    ExpectFrom(
        target, {17, 5, 145, 95},
        [](int32_t x, int32_t y) -> Point {
            return {17 + (x - 17) % 39, 5 + (y - 5) % 30};
        },
        "client");
    // Nothing left undrawn.
    for (int32_t y = 0; y < 100; ++y)
        for (int32_t x = 0; x < 150; ++x) ASSERT_TRUE(SourceOf(target.pixel(x, y))) << x << "," << y;
}

TEST(ComposeNinePartImageTest, TargetOfTheSourceSizeReproducesTheSource) {
    struct Case {
        const char* name;
        Size size;
        NinePartLayout layout;
    };
    const Case cases[] = {{"main frame", {158, 136}, kMainFrame}, {"popup", {61, 40}, kPopup}};
    const SideStretch sides[] = {{}, {true, true, true, true}};
    const ClientFill fills[] = {{true, false, TStretchType::stFull},
                                {true, true, TStretchType::stFull},
                                {true, true, TStretchType::stHorz},
                                {true, true, TStretchType::stVert}};
    for (const Case& c : cases) {
        const Picture source = CoordPicture(c.size.cx, c.size.cy);
        for (const SideStretch& side : sides) {
            for (const ClientFill& fill : fills) {
                Picture target;
                ComposeNinePartImage(c.layout, c.layout, target, source, source.bounds(), c.size, side, fill);
                EXPECT_EQ(target, source) << c.name << " stretch " << side.Left << " client type "
                                          << int(fill.StretchType) << " effect " << fill.StretchEffect;
            }
        }
    }
}

TEST(ComposeNinePartImageTest, NarrowerThanBothCornersDrawsBothCornersRightOneOnTop) {
    const Picture pw = CoordPicture(61, 40);
    Picture target;
    const Size size{20, 40};
    ComposeNinePartImage(kPopup, ResizeLayout({61, 40}, kPopup, size), target, pw, pw.bounds(), size, {},
                         {false, false, TStretchType::stFull});
    // Corner 3 goes to NewRT.X = 51 - 41 = 10 .. 20 over corner 1 (0 .. 22); no top-edge tile.
    ExpectFrom(
        target, {0, 0, 10, 5},
        [](int32_t x, int32_t y) -> Point {
            return {x, y};
        },
        "corner 1");
    ExpectFrom(
        target, {10, 0, 20, 5},
        [](int32_t x, int32_t y) -> Point {
            return {51 + x - 10, y};
        },
        "corner 3");
}

TEST(ComposeNinePartImageTest, DegenerateCornerPointsOrEmptySourceLeaveTheTargetSizedButUndrawn) {
    const Picture pw = CoordPicture(61, 40);
    NinePartLayout flatX = kPopup;
    flatX.RB.X = flatX.LT.X;
    NinePartLayout flatY = kPopup;
    flatY.RB.Y = flatY.LT.Y;
    for (const auto& [layout, source] : {std::pair{flatX, &pw}, std::pair{flatY, &pw},
                                         std::pair{kPopup, static_cast<const Picture*>(nullptr)}}) {
        const Picture empty;
        Picture target;
        ComposeNinePartImage(layout, ResizeLayout({61, 40}, layout, {90, 50}), target,
                             source ? *source : empty, pw.bounds(), {90, 50}, {}, {});
        ASSERT_EQ(Size(target.width(), target.height()), Size(90, 50));
        for (int32_t y = 0; y < 50; ++y)
            for (int32_t x = 0; x < 90; ++x) ASSERT_FALSE(SourceOf(target.pixel(x, y)));
    }
}

// A client stretched one way and repeated the other: the last band reaches past NewCl and must be
// clipped there, leaving the right edge and the bottom edge as they were drawn.
TEST(ComposeNinePartImageTest, StretchTypesNeverDrawOutsideTheClient) {
    const Picture pw = CoordPicture(61, 40);
    const Size size{150, 100};  // client 128 x 90 from 39 x 30 bands: neither divides evenly
    const NinePartLayout n = ResizeLayout({61, 40}, kPopup, size);
    for (TStretchType type : {TStretchType::stHorz, TStretchType::stVert}) {
        Picture target;
        ComposeNinePartImage(kPopup, n, target, pw, pw.bounds(), size, {}, {true, true, type});
        ExpectFrom(
            target, {145, 10, 150, 90},
            [](int32_t x, int32_t y) -> Point {
                return {56 + x - 145, 10 + (y - 10) % 20};
            },
            "right edge");
        ExpectFrom(
            target, {24, 95, 139, 100},
            [](int32_t x, int32_t y) -> Point {
                return {24 + (x - 24) % 26, 35 + y - 95};
            },
            "bottom edge");
        // Horizontal: columns repeat every 39; vertical: rows repeat every 30.
        if (type == TStretchType::stHorz)
            EXPECT_EQ(SourceOf(target.pixel(17 + 39 * 3 + 2, 50))->X, 17 + 2);
        else
            EXPECT_EQ(SourceOf(target.pixel(80, 5 + 30 * 2 + 4))->Y, 5 + 4);
    }
}

// --- The simple reference: each target pixel looked up piece by piece -----------------------

int32_t Scaled(int32_t i, int32_t from, int32_t to) {
    return int32_t((2 * int64_t(i) + 1) * from / (2 * int64_t(to)));
}
int32_t Mod(int64_t a, int64_t b) {
    return int32_t(((a % b) + b) % b);
}

// The source position of target pixel (x, y) for one piece, if the piece draws it.
std::optional<Point> PieceSource(const NinePiece& piece, PieceFill fill, int32_t x, int32_t y) {
    const Rect& f = piece.from;
    const Rect& t = piece.to;
    if (f.isEmpty() || t.isEmpty() || !t.contains({x, y}))
        return std::nullopt;
    const int32_t i = x - t.Left, j = y - t.Top;
    switch (fill) {
        case PieceFill::Scale:
            return Point{f.Left + Scaled(i, f.width(), t.width()), f.Top + Scaled(j, f.height(), t.height())};
        case PieceFill::TileX:
            return Point{f.Left + Mod(i, f.width()), f.Top + Scaled(j, f.height(), t.height())};
        case PieceFill::TileY:
            return Point{f.Left + Scaled(i, f.width(), t.width()), f.Top + Mod(j, f.height())};
        case PieceFill::TileBoth:
            return Point{f.Left + Mod(i, f.width()), f.Top + Mod(j, f.height())};
    }
    return std::nullopt;
}

Picture ReferenceNinePart(const NinePartLayout& l, const NinePartLayout& n, const Picture& source,
                          const Rect& R, Size size, const SideStretch& s, const ClientFill& client) {
    Picture out(size.cx, size.cy);
    if (l.RB.X == l.LT.X || l.RB.Y == l.LT.Y || source.isEmpty())
        return out;
    for (NinePiece piece : NinePartPieces(l, n, {R.width(), R.height()}, size)) {
        piece.from = piece.from.offsetBy(R.Left, R.Top);
        PieceFill fill = PieceFill::Scale;
        switch (piece.kind) {
            case NinePiece::TopEdge:
                fill = s.Top ? PieceFill::Scale : PieceFill::TileX;
                break;
            case NinePiece::BottomEdge:
                fill = s.Bottom ? PieceFill::Scale : PieceFill::TileX;
                break;
            case NinePiece::LeftEdge:
                fill = s.Left ? PieceFill::Scale : PieceFill::TileY;
                break;
            case NinePiece::RightEdge:
                fill = s.Right ? PieceFill::Scale : PieceFill::TileY;
                break;
            case NinePiece::Corner:
                break;
            case NinePiece::Client:
                fill = PieceFill::TileBoth;
                break;
        }
        if (piece.kind == NinePiece::Client && !client.DrawClient)
            continue;
        const bool banded = piece.kind == NinePiece::Client && client.StretchEffect;
        for (int32_t y = 0; y < size.cy; ++y) {
            for (int32_t x = 0; x < size.cx; ++x) {
                std::optional<Point> from;
                if (!banded) {
                    from = PieceSource(piece, fill, x, y);
                } else if (piece.to.contains({x, y}) && !piece.from.isEmpty()) {
                    const Rect& f = piece.from;
                    const Rect& t = piece.to;
                    const int32_t i = x - t.Left, j = y - t.Top;
                    const int32_t gw = f.width(), gh = f.height();
                    switch (client.StretchType) {
                        case TStretchType::stFull:
                            from = PieceSource(piece, PieceFill::Scale, x, y);
                            break;
                        case TStretchType::stHorz:
                            from = Point{f.Left + i % gw, f.Top + Scaled(j, gh, t.height())};
                            break;
                        case TStretchType::stVert:
                            from = Point{f.Left + Scaled(i, gw, t.width()), f.Top + j % gh};
                            break;
                    }
                }
                if (from && source.bounds().contains(*from))
                    out.row(y)[x] = source.pixel(from->X, from->Y);
            }
        }
    }
    return out;
}

// Random layouts, well-formed or not, and random sizes against the reference.
TEST(ComposeNinePartImageTest, RandomLayoutsMatchTheReference) {
    std::mt19937 rng(61);
    auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    int drawn = 0;
    for (int round = 0; round < 400; ++round) {
        const int32_t pw = uniform(1, 30), ph = uniform(1, 30);
        const Picture source = CoordPicture(pw, ph);
        const Rect R{uniform(-2, pw / 2), uniform(-2, ph / 2), uniform(pw / 2, pw + 2),
                     uniform(ph / 2, ph + 2)};
        auto px = [&] { return uniform(-2, R.width() + 2); };
        auto py = [&] { return uniform(-2, R.height() + 2); };
        const NinePartLayout l{
            {px(), py()}, {px(), py()}, {px(), py()}, {px(), py()}, {px(), py(), px(), py()}};
        const Size size{uniform(0, 60), uniform(0, 60)};
        const NinePartLayout n = ResizeLayout({R.width(), R.height()}, l, size);
        const SideStretch s{uniform(0, 1) == 1, uniform(0, 1) == 1, uniform(0, 1) == 1, uniform(0, 1) == 1};
        const ClientFill client{uniform(0, 3) > 0, uniform(0, 1) == 1, TStretchType(uniform(0, 2))};
        Picture target;
        ComposeNinePartImage(l, n, target, source, R, size, s, client);
        const Picture want = ReferenceNinePart(l, n, source, R, size, s, client);
        ASSERT_EQ(target, want) << "round " << round;
        drawn += std::any_of(want.data(), want.data() + want.width() * want.height(),
                             [](uint32_t p) { return p != 0; });
    }
    EXPECT_GT(drawn, 200);  // most rounds draw something, so the comparison has teeth
}

TEST(ComposeClientFramedImageTest, NineSliceStretchesEdgesAndClient) {
    const Picture face = CoordPicture(20, 10);
    Picture target(50, 30);
    const Rect Cl{4, 3, 16, 7};
    ComposeClientFramedImage(target, face, face.bounds(), Cl, true);
    const NinePartLayout l = ClientFramedLayout(Cl);
    const Picture want =
        ReferenceNinePart(l, ResizeLayout({20, 10}, l, {50, 30}), face, face.bounds(), {50, 30},
                          {true, true, true, true}, {true, true, TStretchType::stFull});
    EXPECT_EQ(target, want);
    // Corners keep their pixels.
    EXPECT_EQ(*SourceOf(target.pixel(0, 0)), (Point{0, 0}));
    EXPECT_EQ(*SourceOf(target.pixel(49, 29)), (Point{19, 9}));
}

// --- Bars --------------------------------------------------------------------------------------

TEST(ComposeBarTest, HorizontalTilesTheMiddleBetweenTheEnds) {
    const Picture face = CoordPicture(30, 6);
    Picture bar;
    ComposeHorizontalBar({5, 7}, bar, face, {2, 0, 27, 6}, 60, false);  // middle 13 columns: 7 .. 20
    ASSERT_EQ(Size(bar.width(), bar.height()), Size(60, 6));
    ExpectFrom(
        bar, {0, 0, 5, 6},
        [](int32_t x, int32_t y) -> Point {
            return {2 + x, y};
        },
        "left end");
    ExpectFrom(
        bar, {53, 0, 60, 6},
        [](int32_t x, int32_t y) -> Point {
            return {20 + x - 53, y};
        },
        "right end");
    ExpectFrom(
        bar, {5, 0, 53, 6},
        [](int32_t x, int32_t y) -> Point {
            return {7 + (x - 5) % 13, y};
        },
        "middle");
}

TEST(ComposeBarTest, TargetShorterThanBothEndsShowsTheRightEndOverTheLeft) {
    const Picture face = CoordPicture(20, 4);
    for (bool stretch : {false, true}) {
        Picture bar;
        ComposeHorizontalBar({8, 8}, bar, face, face.bounds(), 10, stretch);
        ExpectFrom(
            bar, {0, 0, 2, 4},
            [](int32_t x, int32_t y) -> Point {
                return {x, y};
            },
            "left end");
        ExpectFrom(
            bar, {2, 0, 10, 4},
            [](int32_t x, int32_t y) -> Point {
                return {12 + x - 2, y};
            },
            "right end");
    }
}

TEST(ComposeBarTest, EmptyMiddleIsOneColumnAcrossButNothingDown) {
    const Picture face = CoordPicture(10, 10);
    Picture across;
    ComposeHorizontalBar({5, 5}, across, face, face.bounds(), 14, false);
    // Middle of width 0 taken as column 5 (the right end's first column), repeated.
    ExpectFrom(
        across, {5, 0, 9, 10},
        [](int32_t, int32_t y) -> Point {
            return {5, y};
        },
        "middle");
    Picture down(10, 14);
    down.fill(0);
    ComposeVerticalBar({5, 5}, down, face, face.bounds(), 14, false);
    for (int32_t y = 5; y < 9; ++y) EXPECT_FALSE(SourceOf(down.pixel(3, y))) << y;
}

TEST(ComposeBarTest, VerticalStretchesTheMiddle) {
    const Picture face = CoordPicture(4, 12);
    Picture bar;
    ComposeVerticalBar({3, 2}, bar, face, face.bounds(), 40, true);  // middle rows 3 .. 10 into 3 .. 38
    ASSERT_EQ(Size(bar.width(), bar.height()), Size(4, 40));
    ExpectFrom(
        bar, {0, 3, 4, 38},
        [](int32_t x, int32_t y) -> Point {
            return {x, 3 + Scaled(y - 3, 7, 35)};
        },
        "middle");
    ExpectFrom(
        bar, {0, 38, 4, 40},
        [](int32_t x, int32_t y) -> Point {
            return {x, 10 + y - 38};
        },
        "bottom end");
}

// Layouts a damaged skin might give (huge, negative, reversed, coinciding points) through every
// composition and region operation: no crash, nothing outside a picture (the sanitizers watch),
// and a target of the asked size.
TEST(CompositionRobustnessTest, WildLayoutsStayInsideThePictures) {
    std::mt19937 rng(77);
    const int32_t wild[] = {INT32_MIN, -1000000, -5, -1, 0, 1, 2, 3, 7, 40, 1000000, INT32_MAX};
    auto any = [&] { return rng() % 3 == 0 ? wild[rng() % std::size(wild)] : int32_t(rng() % 50) - 5; };
    const Picture source = CoordPicture(23, 17);
    for (int round = 0; round < 1500; ++round) {
        const NinePartLayout l{
            {any(), any()}, {any(), any()}, {any(), any()}, {any(), any()}, {any(), any(), any(), any()}};
        const Rect R{any(), any(), any(), any()};
        const Size size{int32_t(rng() % 70), int32_t(rng() % 70)};
        const Rect r = ClampRect(R);  // the caller's own arithmetic stays in range
        const NinePartLayout n = rng() % 2 ? ResizeLayout({r.width(), r.height()}, l, size)
                                           : NinePartLayout{{any(), any()},
                                                            {any(), any()},
                                                            {any(), any()},
                                                            {any(), any()},
                                                            {any(), any(), any(), any()}};
        const SideStretch s{rng() % 2 == 0, rng() % 2 == 0, rng() % 2 == 0, rng() % 2 == 0};
        Picture target;
        ComposeNinePartImage(l, n, target, source, R, size, s,
                             {true, rng() % 2 == 0, TStretchType(rng() % 3)});
        ASSERT_EQ(target.width() * target.height(), size.cx * size.cy);
        FrameStrips strips;
        ComposeFrameStrips(l, n, strips, source, R, size, s);
        ComposeMaskStrips(l, n, source, strips, size.cx);
        if (platform::HRGN region = BuildFrameRegion(l, n, source, size))
            platform::DeleteObject(region);
        Picture bar;
        ComposeHorizontalBar({any(), any()}, bar, source, R, any() % 100, rng() % 2 == 0);
        ComposeVerticalBar({any(), any()}, bar, source, R, any() % 100, rng() % 2 == 0);
        Picture framed(size.cx, size.cy);
        ComposeClientFramedImage(framed, source, R, {any(), any(), any(), any()}, true);
    }
}

// --- Helpers ---------------------------------------------------------------------------------

TEST(RectHelpersTest, InclusiveAndExclusiveTests) {
    const Rect r{2, 3, 10, 8};
    EXPECT_TRUE(PointInRectInclusive({10, 8}, r));
    EXPECT_FALSE(PointInRectInclusive({11, 8}, r));
    EXPECT_FALSE(RectInsideRect(r, r));
    EXPECT_TRUE(RectInsideRect({3, 4, 9, 7}, r));
    EXPECT_TRUE(HasZeroCoordinate({0, 5}));
    EXPECT_FALSE(HasZeroCoordinate({-1, 5}));
    EXPECT_TRUE(IsEmptyRect({5, 5, 5, 9}));
    EXPECT_TRUE(IsEmptyRect({5, 5, 9, 4}));
    EXPECT_EQ(WidthOfRect(r), 8);
    EXPECT_EQ(HeightOfRect(r), 5);
    Rect z = r;
    ZeroRect(z);
    EXPECT_TRUE(SameRect(z, Rect{}));
    EXPECT_EQ(LargerOf(-3, 2), 2);
    EXPECT_EQ(SmallerOf(-3, 2), -3);
}

}  // namespace
}  // namespace skin
