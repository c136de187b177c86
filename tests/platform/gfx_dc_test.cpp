#include <gtest/gtest.h>

#include "platform/gfx/dc.h"
#include "tests/platform/gfx_test_support.h"

namespace platform {
namespace {

using test::Canvas;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// Selects a solid pen of a colour for the scope.
class PenScope {
  public:
    PenScope(HDC dc, COLORREF color, int style = PS_SOLID, int width = 1)
        : dc_(dc), pen_(CreatePen(style, width, color)), old_(SelectObject(dc, pen_)) {}
    ~PenScope() {
        SelectObject(dc_, old_);
        DeleteObject(pen_);
    }

  private:
    HDC dc_;
    HPEN pen_;
    HGDIOBJ old_;
};

TEST(GfxLineTest, LinesLeaveOutTheirEndPoint) {
    struct Case {
        Point from, to;
        const char* picture;
    };
    const Case cases[] = {
        {{0, 0}, {4, 0}, "####.\n.....\n.....\n"}, {{4, 2}, {0, 2}, ".....\n.....\n.####\n"},
        {{0, 0}, {0, 3}, "#....\n#....\n#....\n"}, {{0, 0}, {3, 3}, "#....\n.#...\n..#..\n"},
        {{4, 0}, {0, 2}, "...##\n.##..\n.....\n"}, {{0, 0}, {4, 2}, "##...\n..##.\n.....\n"},
        {{2, 1}, {2, 1}, ".....\n.....\n.....\n"},  // zero length: nothing
    };
    for (const Case& c : cases) {
        Canvas canvas(5, 3);
        PenScope pen(canvas.dc(), kRed);
        MoveToEx(canvas.dc(), c.from.X, c.from.Y, nullptr);
        EXPECT_TRUE(LineTo(canvas.dc(), c.to.X, c.to.Y));
        EXPECT_EQ(canvas.picture(kRed), c.picture)
            << c.from.X << "," << c.from.Y << " to " << c.to.X << "," << c.to.Y;
    }
}

TEST(GfxLineTest, LineToMovesTheCurrentPositionAndPolylineJoins) {
    Canvas canvas(5, 5);
    PenScope pen(canvas.dc(), kRed);
    MoveToEx(canvas.dc(), 0, 0, nullptr);
    LineTo(canvas.dc(), 4, 0);
    LineTo(canvas.dc(), 4, 4);
    Point pos;
    MoveToEx(canvas.dc(), 0, 0, &pos);
    EXPECT_EQ(pos, (Point{4, 4}));
    EXPECT_EQ(canvas.picture(kRed), "#####\n....#\n....#\n....#\n.....\n");

    Canvas poly(5, 5);
    PenScope pen2(poly.dc(), kRed);
    const Point points[] = {{0, 0}, {4, 0}, {4, 4}};
    EXPECT_TRUE(Polyline(poly.dc(), points));
    EXPECT_EQ(poly.picture(kRed), canvas.picture(kRed));
}

TEST(GfxLineTest, FarAwayLinesAreClippedWithoutWalkingEveryPixel) {
    Canvas canvas(4, 4);
    PenScope pen(canvas.dc(), kRed);
    MoveToEx(canvas.dc(), -kMaxCoordinate, 1, nullptr);
    EXPECT_TRUE(LineTo(canvas.dc(), kMaxCoordinate, 1));
    EXPECT_EQ(canvas.picture(kRed), "....\n####\n....\n....\n");
    EXPECT_FALSE(LineTo(canvas.dc(), kMaxCoordinate + 1, 1));
}

TEST(GfxShapeTest, RectangleOutlineInsideAndNullPenQuirk) {
    Canvas canvas(6, 5);
    HBRUSH blue = CreateSolidBrush(kBlue);
    HGDIOBJ oldBrush = SelectObject(canvas.dc(), blue);
    {
        PenScope pen(canvas.dc(), kRed);
        EXPECT_TRUE(Rectangle(canvas.dc(), 0, 0, 5, 4));
    }
    EXPECT_EQ(canvas.picture(kRed), "#####.\n#...#.\n#...#.\n#####.\n......\n");
    EXPECT_EQ(canvas.picture(kBlue), "......\n.###..\n.###..\n......\n......\n");

    // With a null pen the brush covers one column and one row less, as the platform draws it.
    Canvas plain(6, 5);
    SelectObject(plain.dc(), blue);
    SelectObject(plain.dc(), GetStockObject(NULL_PEN));
    EXPECT_TRUE(Rectangle(plain.dc(), 0, 0, 5, 4));
    EXPECT_EQ(plain.picture(kBlue), "####..\n####..\n####..\n......\n......\n");
    SelectObject(plain.dc(), GetStockObject(WHITE_BRUSH));
    SelectObject(canvas.dc(), oldBrush);
    DeleteObject(blue);
}

TEST(GfxShapeTest, EllipseStaysInItsBoxAndIsSymmetric) {
    for (int w : {1, 2, 5, 8, 13}) {
        for (int h : {1, 3, 6, 9}) {
            Canvas canvas(20, 20);
            PenScope pen(canvas.dc(), kRed);
            HBRUSH blue = CreateSolidBrush(kBlue);
            HGDIOBJ old = SelectObject(canvas.dc(), blue);
            EXPECT_TRUE(Ellipse(canvas.dc(), 2, 3, 2 + w, 3 + h));
            EXPECT_EQ(canvas.inkBounds(kWhite), (Rect{2, 3, 2 + w, 3 + h})) << w << "x" << h;
            for (int y = 0; y < h; ++y) {
                for (int x = 0; x < w; ++x) {
                    EXPECT_EQ(canvas.at(2 + x, 3 + y), canvas.at(2 + w - 1 - x, 3 + y)) << w << "x" << h;
                    EXPECT_EQ(canvas.at(2 + x, 3 + y), canvas.at(2 + x, 3 + h - 1 - y)) << w << "x" << h;
                }
            }
            SelectObject(canvas.dc(), old);
            DeleteObject(blue);
        }
    }
}

TEST(GfxShapeTest, PolygonFillsByPixelCentresAndOutlinesEveryEdge) {
    Canvas canvas(7, 7);
    HBRUSH blue = CreateSolidBrush(kBlue);
    HGDIOBJ old = SelectObject(canvas.dc(), blue);
    SelectObject(canvas.dc(), GetStockObject(NULL_PEN));
    const Point square[] = {{1, 1}, {5, 1}, {5, 5}, {1, 5}};
    EXPECT_TRUE(Polygon(canvas.dc(), square));
    EXPECT_EQ(canvas.inkBounds(kWhite), (Rect{1, 1, 5, 5}));
    {
        PenScope pen(canvas.dc(), kRed);
        EXPECT_TRUE(Polygon(canvas.dc(), square));
    }
    EXPECT_EQ(canvas.picture(kRed), ".......\n.#####.\n.#...#.\n.#...#.\n.#...#.\n.#####.\n.......\n");
    const Point one[] = {{1, 1}};
    EXPECT_FALSE(Polygon(canvas.dc(), one));
    SelectObject(canvas.dc(), GetStockObject(BLACK_PEN));
    SelectObject(canvas.dc(), old);
    DeleteObject(blue);
}

TEST(GfxFillTest, FillFrameAndRegionUseTheGivenBrushAndOrigins) {
    Canvas canvas(6, 4);
    HBRUSH red = CreateSolidBrush(kRed);
    SetWindowOrgEx(canvas.dc(), 10, 0, nullptr);  // logical (10, 0) is pixel (0, 0)
    EXPECT_TRUE(FillRect(canvas.dc(), {11, 1, 13, 3}, red));
    EXPECT_EQ(canvas.picture(kRed), "......\n.##...\n.##...\n......\n");
    EXPECT_TRUE(FrameRect(canvas.dc(), {10, 0, 16, 4}, red));
    EXPECT_EQ(canvas.picture(kRed), "######\n###..#\n###..#\n######\n");
    EXPECT_TRUE(FillRect(canvas.dc(), {12, 2, 11, 3}, red));  // inverted: nothing, but not an error
    EXPECT_FALSE(FillRect(canvas.dc(), {0, 0, 1, 1}, nullptr));
    EXPECT_TRUE(FillRect(canvas.dc(), {10, 0, 16, 4}, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))));

    Canvas regionCanvas(6, 2);
    HRGN r = CreateRectRgn(0, 0, 2, 1);
    HRGN r2 = CreateRectRgn(4, 1, 6, 2);
    CombineRgn(r, r, r2, RGN_OR);
    EXPECT_TRUE(FillRgn(regionCanvas.dc(), r, red));
    EXPECT_EQ(regionCanvas.picture(kRed), "##....\n....##\n");
    DeleteObject(r);
    DeleteObject(r2);
    DeleteObject(red);
}

TEST(GfxFillTest, SystemColorsResolveWherePaintTakesThem) {
    EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ColorToRGB(0x01123456), 0x123456u);
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_BTNTEXT), RGB(0, 0, 0));
    EXPECT_EQ(GetSysColor(-1), 0u);
    Canvas canvas(2, 1);
    EXPECT_TRUE(FillRect(canvas.dc(), {0, 0, 1, 1}, GetSysColorBrush(COLOR_BTNSHADOW)));
    EXPECT_EQ(canvas.at(0, 0), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_TRUE(DeleteObject(GetSysColorBrush(COLOR_BTNSHADOW)));  // like a stock object: it stays
    EXPECT_EQ(GetObjectType(GetSysColorBrush(COLOR_BTNSHADOW)), uint32_t(OBJ_BRUSH));
    EXPECT_EQ(SetPixel(canvas.dc(), 1, 0, clBtnFace), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(GetPixel(canvas.dc(), 1, 0), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(canvas.surface().pixel(1, 0) >> 24, 0xFFu);  // drawn pixels are opaque
}

TEST(GfxClipTest, IntersectExcludeAndSaveRestore) {
    Canvas canvas(6, 3);
    HBRUSH red = CreateSolidBrush(kRed);
    EXPECT_EQ(IntersectClipRect(canvas.dc(), 1, 0, 5, 3), SIMPLEREGION);
    const int level = SaveDC(canvas.dc());
    EXPECT_EQ(level, 1);
    EXPECT_EQ(ExcludeClipRect(canvas.dc(), 2, 1, 4, 2), COMPLEXREGION);
    Rect box;
    EXPECT_EQ(GetClipBox(canvas.dc(), &box), COMPLEXREGION);
    EXPECT_EQ(box, (Rect{1, 0, 5, 3}));
    FillRect(canvas.dc(), {0, 0, 6, 3}, red);
    EXPECT_EQ(canvas.picture(kRed), ".####.\n.#..#.\n.####.\n");
    EXPECT_TRUE(RestoreDC(canvas.dc(), -1));
    canvas.surface().fill(PixelFromColor(kWhite));
    FillRect(canvas.dc(), {0, 0, 6, 3}, red);
    EXPECT_EQ(canvas.picture(kRed), ".####.\n.####.\n.####.\n");
    EXPECT_FALSE(RestoreDC(canvas.dc(), -1));  // nothing saved any more
    EXPECT_EQ(SelectClipRgn(canvas.dc(), nullptr), SIMPLEREGION);
    EXPECT_EQ(GetClipBox(canvas.dc(), &box), SIMPLEREGION);
    EXPECT_EQ(box, (Rect{0, 0, 6, 3}));
    DeleteObject(red);
}

TEST(GfxClipTest, RestoreToALevelDropsTheLaterOnes) {
    Canvas canvas(4, 4);
    SaveDC(canvas.dc());
    SetWindowOrgEx(canvas.dc(), 1, 1, nullptr);
    EXPECT_EQ(SaveDC(canvas.dc()), 2);
    SetWindowOrgEx(canvas.dc(), 2, 2, nullptr);
    EXPECT_EQ(SaveDC(canvas.dc()), 3);
    EXPECT_TRUE(RestoreDC(canvas.dc(), 2));
    Point org;
    GetWindowOrgEx(canvas.dc(), &org);
    EXPECT_EQ(org, (Point{1, 1}));
    EXPECT_FALSE(RestoreDC(canvas.dc(), 2));
    EXPECT_TRUE(RestoreDC(canvas.dc(), 1));
    GetWindowOrgEx(canvas.dc(), &org);
    EXPECT_EQ(org, (Point{0, 0}));
}

TEST(GfxClipTest, ClipRegionsAreDeviceCoordinatesRectanglesLogical) {
    Canvas canvas(6, 2);
    HBRUSH red = CreateSolidBrush(kRed);
    SetViewportOrgEx(canvas.dc(), 2, 0, nullptr);
    HRGN r = CreateRectRgn(0, 0, 2, 2);  // device pixels 0..1, whatever the origins
    EXPECT_EQ(SelectClipRgn(canvas.dc(), r), SIMPLEREGION);
    DeleteObject(r);  // the DC keeps its own copy
    FillRect(canvas.dc(), {-10, 0, 10, 2}, red);
    EXPECT_EQ(canvas.picture(kRed), "##....\n##....\n");
    EXPECT_EQ(IntersectClipRect(canvas.dc(), -1, 0, 0, 2), SIMPLEREGION);  // logical -1 = device 1
    canvas.surface().fill(PixelFromColor(kWhite));
    FillRect(canvas.dc(), {-10, 0, 10, 2}, red);
    EXPECT_EQ(canvas.picture(kRed), ".#....\n.#....\n");
    Rect box;
    EXPECT_EQ(GetClipBox(canvas.dc(), &box), SIMPLEREGION);
    EXPECT_EQ(box, (Rect{-1, 0, 0, 2}));
    DeleteObject(red);
}

TEST(GfxSurfaceDcTest, DeviceOriginSystemClipAndDetach) {
    Surface window(8, 4);
    window.fill(PixelFromColor(kWhite));
    const Region visible(Rect{0, 0, 6, 4});
    HDC dc = CreateSurfaceDC(&window, {2, 1}, &visible);  // a client area at (2, 1)
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetObjectType(dc), uint32_t(OBJ_DC));
    HBRUSH red = CreateSolidBrush(kRed);
    FillRect(dc, {0, 0, 10, 10}, red);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(ColorFromPixel(window.pixel(x, y)), x >= 2 && x < 6 && y >= 1 ? kRed : kWhite)
                << x << "," << y;
    Point origin;
    EXPECT_EQ(SurfaceOfDC(dc, &origin), &window);
    EXPECT_EQ(origin, (Point{2, 1}));
    DetachSurfaceDCs(&window);
    window.fill(PixelFromColor(kWhite));
    EXPECT_TRUE(FillRect(dc, {0, 0, 10, 10}, red));
    EXPECT_EQ(window.pixel(3, 2), PixelFromColor(kWhite));
    EXPECT_EQ(SurfaceOfDC(dc, nullptr), nullptr);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(DeleteDC(dc));
    DeleteObject(red);
}

TEST(GfxObjectTest, SelectionRulesAndBadHandles) {
    const size_t live = LiveGdiObjectCount();
    {
        Canvas a(4, 4), b(4, 4);
        // A bitmap lives in one DC at a time and cannot be deleted while it is selected.
        EXPECT_EQ(SelectObject(b.dc(), a.bitmap()), nullptr);
        EXPECT_FALSE(DeleteObject(a.bitmap()));
        // A selected pen cannot be deleted either; once deselected it can.
        HPEN pen = CreatePen(PS_SOLID, 1, kRed);
        HGDIOBJ old = SelectObject(a.dc(), pen);
        EXPECT_EQ(GetCurrentObject(a.dc(), OBJ_PEN), pen);
        EXPECT_FALSE(DeleteObject(pen));
        SelectObject(a.dc(), old);
        EXPECT_TRUE(DeleteObject(pen));
        EXPECT_EQ(SelectObject(a.dc(), pen), nullptr);  // deleted
        // Stock objects survive deletion.
        EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_PEN)));
        EXPECT_EQ(GetObjectType(GetStockObject(BLACK_PEN)), uint32_t(OBJ_PEN));
        EXPECT_EQ(GetObjectType(a.dc()), uint32_t(OBJ_MEMDC));
        EXPECT_EQ(GetDeviceCaps(a.dc(), BITSPIXEL), 32);
        EXPECT_EQ(GetDeviceCaps(a.dc(), HORZRES), 4);
        EXPECT_EQ(GetDeviceCaps(a.dc(), LOGPIXELSY), 96);
        BITMAP info;
        EXPECT_TRUE(GetObject(a.bitmap(), &info));
        EXPECT_EQ(info.bmWidth, 4);
        EXPECT_EQ(info.bmBitsPixel, 32);
    }
    EXPECT_EQ(LiveGdiObjectCount(), live);

    HDC gone = CreateCompatibleDC(nullptr);
    DeleteDC(gone);
    HBRUSH brush = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    HDC invented = reinterpret_cast<HDC>(uintptr_t(0xDEAD0000BEEF));
    for (HDC dc : {gone, invented, static_cast<HDC>(nullptr)}) {
        EXPECT_FALSE(FillRect(dc, {0, 0, 1, 1}, brush));
        EXPECT_FALSE(LineTo(dc, 1, 1));
        EXPECT_EQ(SetPixel(dc, 0, 0, 0), CLR_INVALID);
        EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
        EXPECT_EQ(SaveDC(dc), 0);
        EXPECT_EQ(IntersectClipRect(dc, 0, 0, 1, 1), ERROR);
        EXPECT_EQ(SelectObject(dc, brush), nullptr);
        EXPECT_EQ(SetTextColor(dc, 0), CLR_INVALID);
        EXPECT_FALSE(DeleteDC(dc));
    }
    // Handles of one type are not taken for another.
    HRGN region = CreateRectRgn(0, 0, 1, 1);
    EXPECT_FALSE(DeleteDC(reinterpret_cast<HDC>(region)));
    EXPECT_EQ(SurfaceOfBitmap(reinterpret_cast<HBITMAP>(region)), nullptr);
    DeleteObject(region);

    EXPECT_EQ(CreateBitmap32(0, 5), nullptr);
    EXPECT_EQ(CreateBitmap32(-3, 5), nullptr);
    EXPECT_EQ(CreateBitmap32(40000, 1), nullptr);
    EXPECT_EQ(CreateBitmap32(20000, 20000), nullptr);
    EXPECT_EQ(CreatePen(PS_SOLID, -1, 0), nullptr);
    EXPECT_EQ(CreatePen(42, 1, 0), nullptr);
    EXPECT_EQ(CreateBrushIndirect({7, 0}), nullptr);
    EXPECT_EQ(CreateSurfaceDC(nullptr, {}, nullptr), nullptr);
}

TEST(GfxObjectTest, AMemoryDcWithoutBitmapDrawsNothingAndDeletingItFreesTheBitmap) {
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_TRUE(FillRect(dc, {0, 0, 4, 4}, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))));
    EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
    HBITMAP bitmap = CreateBitmap32(2, 2);
    SelectObject(dc, bitmap);
    DeleteDC(dc);  // the bitmap is released, not deleted
    EXPECT_TRUE(DeleteObject(bitmap));
}

}  // namespace
}  // namespace platform
