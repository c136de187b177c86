#include "tools/skinview/contact_sheet.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

#include "platform/gfx/dc.h"
#include "platform/gfx/font.h"
#include "platform/gfx/text.h"
#include "skin/data/value_encoding.h"
#include "tools/skinpack/skin_records.h"

namespace tools {

namespace {

using platform::COLORREF;
using platform::Point;
using platform::Rect;
using skin::Picture;

constexpr COLORREF kBackground = platform::RGB(236, 234, 235);
constexpr COLORREF kInk = platform::RGB(60, 56, 58);
constexpr COLORREF kFaint = platform::RGB(130, 124, 128);
constexpr COLORREF kFrame = platform::RGB(170, 164, 168);
constexpr COLORREF kClient = platform::RGB(0, 140, 150);
constexpr COLORREF kArea = platform::RGB(230, 120, 0);
constexpr COLORREF kCorner = platform::RGB(40, 60, 220);
constexpr COLORREF kOutside = platform::RGB(220, 40, 40);

constexpr int32_t kMargin = 16;
constexpr int32_t kGap = 12;           // between cells, and between blocks
constexpr int32_t kBlockPad = 8;       // inside a block's frame
constexpr int32_t kLargestFace = 360;  // a face is shown at most this large on the sheet
constexpr int32_t kSheetWidth = 1600;
constexpr int32_t kFontHeight = -12;

// A face and what is drawn over it, in the face's own coordinates.
struct Cell {
    std::string label;   // the key
    std::string detail;  // the rectangle it gives
    const Picture* picture = nullptr;
    Rect face;
    std::vector<Rect> areas;
    std::optional<Rect> client;
    std::vector<Point> corners;
    // Laid out:
    double scale = 1;
    int32_t shownWidth = 0, shownHeight = 0, width = 0, height = 0;
};

struct Block {
    std::string section;
    std::string title, subtitle;
    std::vector<Cell> cells;
    // Laid out: cell positions relative to the block, its size.
    std::vector<Point> at;
    int32_t width = 0, height = 0;
};

const char* KindWords(const SkinRecord& r) {
    switch (r.kind) {
        case RecordKind::Object:
            return " object";
        case RecordKind::Control:
            return " control";
        default:
            return "";
    }
}

// The areas and corner points a record places within the face `key` ("" : its whole picture).
void AddOverlays(const SkinRecord& record, std::string_view key, Cell& cell) {
    for (const RecordKey& k : record.keys) {
        const KeyRole role = RoleOf(record, k.name);
        if (role.kind != KeyRole::Area || role.anchor != key)
            continue;
        if (const Rect* r = record.Value<Rect>(k.name); r && !r->isEmpty()) {
            if (k.name == "clientrect" || k.name == "itemsrect")
                cell.client = *r;
            else
                cell.areas.push_back(*r);
        }
    }
    for (std::string_view corner : {"lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint"})
        if (RoleOf(record, corner).anchor == key && RoleOf(record, corner).kind == KeyRole::Area)
            if (const Point* p = record.Value<Point>(corner); p && (p->X != 0 || p->Y != 0))
                cell.corners.push_back(*p);
}

std::optional<Block> BlockOf(const skin::TbsSkinData& data, const SkinRecord& record) {
    Block block;
    block.section = record.section;
    block.title = "[" + record.section + "]";
    if (record.IsWindowRecord()) {
        const PictureRef ref = PictureOf(record, "");
        const framework::TBitmap* picture = PictureAt(data, ref);
        if (!picture)
            return std::nullopt;
        Cell cell;
        cell.label = ref.frame ? "picture" : std::string(ref.indexKey);
        cell.detail = std::to_string(picture->Width()) + " x " + std::to_string(picture->Height());
        cell.picture = &picture->Surface();
        cell.face = {0, 0, picture->Width(), picture->Height()};
        AddOverlays(record, "", cell);
        block.subtitle = PictureLabel(data, ref);
        block.cells.push_back(std::move(cell));
        return block;
    }
    block.subtitle = std::string(record.typeName) + KindWords(record);
    std::vector<std::string> pictures;
    for (const RecordKey& k : record.keys) {
        const Rect* r = record.Value<Rect>(k.name);
        if (!r || r->isEmpty() || RoleOf(record, k.name).kind != KeyRole::Face)
            continue;
        const PictureRef ref = PictureOf(record, k.name);
        const framework::TBitmap* picture = PictureAt(data, ref);
        if (!picture)
            continue;
        Cell cell;
        cell.label = std::string(k.name);
        cell.detail = skin::FormatRect(*r);
        cell.picture = &picture->Surface();
        cell.face = *r;
        AddOverlays(record, k.name, cell);
        block.cells.push_back(std::move(cell));
        const std::string label = PictureLabel(data, ref);
        if (std::find(pictures.begin(), pictures.end(), label) == pictures.end())
            pictures.push_back(label);
    }
    if (block.cells.empty())
        return std::nullopt;
    for (const std::string& p : pictures) block.subtitle += ", " + p;
    return block;
}

// Text drawn and measured in one font, over any surface.
class Writer {
  public:
    Writer() {
        platform::LOGFONT f;
        f.lfHeight = kFontHeight;
        f.lfFaceName = "Arial";
        regular_ = platform::CreateFontIndirect(f);
        f.lfWeight = platform::FW_BOLD;
        bold_ = platform::CreateFontIndirect(f);
        lineHeight_ = Measure("Ag", false).cy;
    }
    ~Writer() {
        platform::DeleteObject(regular_);
        platform::DeleteObject(bold_);
    }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    platform::Size Measure(const std::string& text, bool bold) {
        Picture scratch(1, 1);
        platform::HDC dc = platform::CreateSurfaceDC(&scratch, {0, 0}, nullptr);
        platform::SelectObject(dc, bold ? bold_ : regular_);
        platform::Size size{};
        platform::GetTextExtentPoint32(dc, text, &size);
        platform::DeleteDC(dc);
        return size;
    }
    void Write(Picture& sheet, Point at, const std::string& text, COLORREF color, bool bold) {
        platform::HDC dc = platform::CreateSurfaceDC(&sheet, {0, 0}, nullptr);
        platform::SelectObject(dc, bold ? bold_ : regular_);
        platform::SetBkMode(dc, platform::TRANSPARENT);
        platform::SetTextColor(dc, color);
        platform::TextOut(dc, at.X, at.Y, text);
        platform::DeleteDC(dc);
    }
    int32_t LineHeight() const { return lineHeight_; }

  private:
    platform::HFONT regular_{}, bold_{};
    int32_t lineHeight_ = 0;
};

void Fill(Picture& p, const Rect& r, COLORREF color) {
    const Rect c = platform::intersect(r, p.bounds());
    for (int32_t y = c.Top; y < c.Bottom; ++y)
        std::fill(p.row(y) + c.Left, p.row(y) + c.Right, platform::PixelFromColor(color));
}

void Outline(Picture& p, const Rect& r, COLORREF color) {
    Fill(p, {r.Left, r.Top, r.Right, r.Top + 1}, color);
    Fill(p, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, color);
    Fill(p, {r.Left, r.Top, r.Left + 1, r.Bottom}, color);
    Fill(p, {r.Right - 1, r.Top, r.Right, r.Bottom}, color);
}

void Hatch(Picture& p, const Rect& r, COLORREF color) {
    const Rect c = platform::intersect(r, p.bounds());
    for (int32_t y = c.Top; y < c.Bottom; ++y)
        for (int32_t x = c.Left; x < c.Right; ++x)
            p.row(y)[x] = platform::PixelFromColor((x + y) % 6 < 2 ? color : platform::RGB(255, 255, 255));
}

// A face is shown whole, enlarged while it is small, shrunk when it is larger than kLargestFace.
void LayOut(Cell& cell, Writer& writer) {
    // A face far outside its picture is shown as far as some way past the picture's edge.
    const int32_t limitX = cell.picture->width() + (1 << 16), limitY = cell.picture->height() + (1 << 16);
    cell.face = {std::min(cell.face.Left, limitX), std::min(cell.face.Top, limitY),
                 std::min(cell.face.Right, limitX), std::min(cell.face.Bottom, limitY)};
    const int32_t w = cell.face.width(), h = cell.face.height(), longest = std::max(w, h);
    const double zoom = longest <= 32 ? 4 : longest <= 100 ? 2 : 1;
    cell.scale = std::min(zoom, double(kLargestFace) / longest);
    cell.shownWidth = std::max(1, int32_t(std::lround(w * cell.scale)));
    cell.shownHeight = std::max(1, int32_t(std::lround(h * cell.scale)));
    const int32_t text =
        std::max(writer.Measure(cell.label, false).cx, writer.Measure(cell.detail, false).cx);
    cell.width = std::max(cell.shownWidth + 2, text);
    cell.height = cell.shownHeight + 2 + 4 + 2 * writer.LineHeight();
}

void LayOut(Block& block, Writer& writer) {
    const int32_t header = 2 * writer.LineHeight() + 6;
    int32_t x = 0, y = 0, rowHeight = 0,
            widest = std::max(writer.Measure(block.title, true).cx, writer.Measure(block.subtitle, false).cx);
    for (Cell& cell : block.cells) {
        LayOut(cell, writer);
        if (x > 0 && x + cell.width > kSheetWidth - 2 * kMargin - 2 * kBlockPad) {
            x = 0;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        block.at.push_back({kBlockPad + x, kBlockPad + header + y});
        x += cell.width + kGap;
        rowHeight = std::max(rowHeight, cell.height);
        widest = std::max(widest, x - kGap);
    }
    block.width = widest + 2 * kBlockPad;
    block.height = header + y + rowHeight + 2 * kBlockPad;
}

Point Scaled(const Cell& cell, Point origin, Point p) {
    return {origin.X + int32_t(std::lround(p.X * cell.scale)),
            origin.Y + int32_t(std::lround(p.Y * cell.scale))};
}

Rect Shown(const Cell& cell, Point at) {
    return {at.X + 1, at.Y + 1, at.X + 1 + cell.shownWidth, at.Y + 1 + cell.shownHeight};
}

void Draw(Picture& sheet, const Cell& cell, Point at, Writer& writer) {
    const Rect shown = Shown(cell, at);
    const Point origin{shown.Left, shown.Top};
    Outline(sheet, {shown.Left - 1, shown.Top - 1, shown.Right + 1, shown.Bottom + 1}, kFrame);
    // What lies outside the picture stays hatched: the copy only writes what the picture holds.
    Hatch(sheet, shown, kOutside);
    skin::CopyPictureRect(sheet, shown, *cell.picture, cell.face, shown);
    auto place = [&](const Rect& r) {
        const Point a = Scaled(cell, origin, {r.Left, r.Top}), b = Scaled(cell, origin, {r.Right, r.Bottom});
        return platform::intersect(Rect{a.X, a.Y, b.X, b.Y}, shown);
    };
    for (const Rect& area : cell.areas) Outline(sheet, place(area), kArea);
    if (cell.client)
        Outline(sheet, place(*cell.client), kClient);
    for (const Point& corner : cell.corners) {
        const Point c = Scaled(cell, origin, corner);
        Fill(sheet, platform::intersect({c.X - 3, c.Y, c.X + 4, c.Y + 1}, shown), kCorner);
        Fill(sheet, platform::intersect({c.X, c.Y - 3, c.X + 1, c.Y + 4}, shown), kCorner);
    }
    const int32_t line = writer.LineHeight();
    writer.Write(sheet, {at.X, shown.Bottom + 5}, cell.label, kInk, false);
    writer.Write(sheet, {at.X, shown.Bottom + 5 + line}, cell.detail, kFaint, false);
}

}  // namespace

ContactSheet RenderContactSheet(const skin::TbsSkinData& data) {
    Writer writer;
    std::vector<Block> blocks;
    for (const SkinRecord& record : RecordsOf(data))
        if (std::optional<Block> block = BlockOf(data, record)) {
            LayOut(*block, writer);
            blocks.push_back(std::move(*block));
        }
    if (blocks.empty())
        throw std::runtime_error("the skin has no face to show");

    // Blocks go left to right in shelves as wide as the sheet.
    const std::string legend =
        "teal: nine-part client rectangle    orange: areas within the face    blue crosses: corner points    "
        "red hatching: outside the picture";
    const int32_t top = kMargin + writer.LineHeight() + kGap;
    std::vector<Point> at;
    int32_t x = kMargin, y = top, shelf = 0, width = writer.Measure(legend, false).cx + 2 * kMargin;
    for (const Block& b : blocks) {
        if (x > kMargin && x + b.width > kSheetWidth - kMargin) {
            x = kMargin;
            y += shelf + kGap;
            shelf = 0;
        }
        at.push_back({x, y});
        x += b.width + kGap;
        shelf = std::max(shelf, b.height);
        width = std::max(width, x - kGap + kMargin);
    }
    const int64_t height = int64_t(y) + shelf + kMargin;
    if (height > platform::kMaxSurfaceDimension || !platform::Surface::SizeAllowed(width, int32_t(height)))
        throw std::runtime_error("the sheet of this skin's faces would be too large");

    ContactSheet result{Picture(width, int32_t(height)), {}};
    Picture& sheet = result.picture;
    sheet.fill(platform::PixelFromColor(kBackground));
    writer.Write(sheet, {kMargin, kMargin}, legend, kFaint, false);
    for (size_t i = 0; i < blocks.size(); ++i) {
        const Block& b = blocks[i];
        const Point o = at[i];
        Fill(sheet, {o.X, o.Y, o.X + b.width, o.Y + b.height}, platform::RGB(246, 245, 245));
        Outline(sheet, {o.X, o.Y, o.X + b.width, o.Y + b.height}, kFrame);
        writer.Write(sheet, {o.X + kBlockPad, o.Y + kBlockPad}, b.title, kInk, true);
        writer.Write(sheet, {o.X + kBlockPad, o.Y + kBlockPad + writer.LineHeight()}, b.subtitle, kFaint,
                     false);
        for (size_t c = 0; c < b.cells.size(); ++c) {
            const Point cellAt{o.X + b.at[c].X, o.Y + b.at[c].Y};
            Draw(sheet, b.cells[c], cellAt, writer);
            result.faces.push_back({b.section, b.cells[c].label, b.cells[c].face, Shown(b.cells[c], cellAt)});
        }
    }
    return result;
}

}  // namespace tools
