#include "skin/render/standard_glyphs.h"

#include <array>

#include "platform/gfx/dc.h"

namespace skin {

using namespace platform;

namespace {

// The glyphs as they look, '#' drawn, one row a line of the 11 x 10 cell.
using Cell = std::array<std::string_view, 10>;
struct GlyphPicture {
    StandardGlyph glyph;
    Cell rows;
};

// clang-format off
constexpr GlyphPicture kGlyphs[] = {
    {StandardGlyph::Close, {
        "...........",
        ".##.....##.",
        "..##...##..",
        "...##.##...",
        "....###....",
        "....###....",
        "...##.##...",
        "..##...##..",
        ".##.....##.",
        "..........."}},
    {StandardGlyph::SystemMenu, {
        "...........",
        "...........",
        "...........",
        ".########..",
        ".#......#..",
        ".########..",
        "...........",
        "...........",
        "...........",
        "..........."}},
    {StandardGlyph::Minimize, {
        "...........",
        "...........",
        "...........",
        "...........",
        "...........",
        "...........",
        "...........",
        "...........",
        ".########..",
        ".########.."}},
    {StandardGlyph::Maximize, {
        "###########",
        "###########",
        "#.........#",
        "#.........#",
        "#.........#",
        "#.........#",
        "#.........#",
        "#.........#",
        "#.........#",
        "###########"}},
    {StandardGlyph::Restore, {
        "..########.",
        "..########.",
        "..#......#.",
        "..#......#.",
        "#######..#.",
        "##########.",
        "#.....#....",
        "#.....#....",
        "#.....#....",
        "#######...."}},
    {StandardGlyph::RollUp, {
        "...........",
        "...........",
        "...........",
        "....##.....",
        "...####....",
        "..######...",
        ".########..",
        "...........",
        "...........",
        "..........."}},
    {StandardGlyph::RollDown, {
        "...........",
        "...........",
        ".########..",
        "..######...",
        "...####....",
        "....##.....",
        "...........",
        "...........",
        "...........",
        "..........."}},
    {StandardGlyph::Tray, {
        "...........",
        "...........",
        "..#####....",
        "..#####....",
        "..#####....",
        "..#####....",
        "..#####....",
        "...........",
        "...........",
        "..........."}},
};
// clang-format on

}  // namespace

void DrawPixelPicture(HDC canvas, std::span<const std::string_view> rows, int32_t x, int32_t y,
                      COLORREF color) {
    for (size_t row = 0; row < rows.size(); ++row)
        for (size_t col = 0; col < rows[row].size(); ++col)
            if (rows[row][col] == '#')
                SetPixel(canvas, x + int32_t(col), y + int32_t(row), color);
}

void DrawStandardGlyph(HDC canvas, StandardGlyph glyph, int32_t x, int32_t y, COLORREF color) {
    for (const GlyphPicture& g : kGlyphs)
        if (g.glyph == glyph)
            DrawPixelPicture(canvas, g.rows, x, y, color);
}

void DrawSmallArrow(HDC canvas, const Rect& rect, COLORREF color, ArrowDirection direction) {
    const int32_t cx = rect.Left + rect.width() / 2, cy = rect.Top + rect.height() / 2;
    HBRUSH brush = CreateSolidBrush(color);
    // Four strokes, from the tip (length 1) to the base (length 7).
    for (int32_t i = 0; i < 4; ++i) {
        Rect stroke;
        switch (direction) {
            case ArrowDirection::Left:
                stroke = {cx + i - 2, cy - i, cx + i - 1, cy + i + 1};
                break;
            case ArrowDirection::Right:
                stroke = {cx - i + 2, cy - i, cx - i + 3, cy + i + 1};
                break;
            case ArrowDirection::Up:
                stroke = {cx - i, cy + i - 2, cx + i + 1, cy + i - 1};
                break;
            case ArrowDirection::Down:
                stroke = {cx - i, cy - i + 2, cx + i + 1, cy - i + 3};
                break;
        }
        FillRect(canvas, stroke, brush);
    }
    DeleteObject(brush);
}

}  // namespace skin
