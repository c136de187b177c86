#include "pageserver/pictures.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <type_traits>

namespace pageserver {

namespace {

// The figure stands in a 300 x 600 frame, facing us, its centre line at x = 150. Garment outlines are
// described by their left half and mirrored.
constexpr double CentreX = 150;

struct Pt {
    double x, y;
};

Pt Mirror(Pt p) {
    return {2 * CentreX - p.x, p.y};
}

enum class Sleeve { None, Straps, Short, Elbow, Long };
enum class Body { Upper, Trousers, Skirt, Suit };

struct Details {
    bool collar = false, lapels = false, openFront = false, buttons = false, doubleButtons = false,
         belt = false, quilted = false, hood = false, pocket = false, fur = false, zip = false, frogs = false,
         ribbing = false, highNeck = false, pleats = false, denim = false, fitted = false;
};

struct Shape {
    Slot slot;
    Body body;
    Sleeve sleeve = Sleeve::None;
    double hemY = 285, hemHalf = 50, ease = 0, neckHalf = 14, neckDepth = 110;
    double ankleOuter = 114, ankleInner = 144, ankleY = 560;  // trousers
    Details details = {};
};

Details With(std::initializer_list<bool Details::*> flags) {
    Details d;
    for (auto flag : flags) {
        d.*flag = true;
    }
    return d;
}

using D = Details;

// By category position (app::Categories): one row each.
using ShapeRows = Shape[app::Categories.size()];
const ShapeRows& Shapes() {
    static const Shape shapes[] = {
        // 女装/女士精品 (all)
        {.slot = Slot::Dress,
         .body = Body::Upper,
         .sleeve = Sleeve::Short,
         .hemY = 400,
         .hemHalf = 78,
         .neckHalf = 14,
         .neckDepth = 112,
         .details = With({&D::fitted})},
        // 连衣裙
        {.slot = Slot::Dress,
         .body = Body::Upper,
         .sleeve = Sleeve::Short,
         .hemY = 400,
         .hemHalf = 78,
         .neckHalf = 14,
         .neckDepth = 114,
         .details = With({&D::fitted})},
        // T恤
        {.slot = Slot::Top,
         .body = Body::Upper,
         .sleeve = Sleeve::Short,
         .hemY = 285,
         .hemHalf = 50,
         .ease = 3,
         .neckHalf = 14,
         .neckDepth = 110},
        // 衬衫
        {.slot = Slot::Top,
         .body = Body::Upper,
         .sleeve = Sleeve::Long,
         .hemY = 292,
         .hemHalf = 50,
         .ease = 2,
         .neckHalf = 12,
         .neckDepth = 108,
         .details = With({&D::collar, &D::buttons})},
        // 裤子
        {.slot = Slot::Bottom,
         .body = Body::Trousers,
         .sleeve = Sleeve::None,
         .hemY = 0,
         .hemHalf = 0,
         .neckHalf = 0,
         .neckDepth = 0,
         .ankleOuter = 92,
         .ankleInner = 146,
         .ankleY = 566},
        // 牛仔裤
        {.slot = Slot::Bottom,
         .body = Body::Trousers,
         .sleeve = Sleeve::None,
         .hemY = 0,
         .hemHalf = 0,
         .neckHalf = 0,
         .neckDepth = 0,
         .ankleOuter = 116,
         .ankleInner = 143,
         .ankleY = 548,
         .details = With({&D::denim})},
        // 半身裙
        {.slot = Slot::Bottom,
         .body = Body::Skirt,
         .sleeve = Sleeve::None,
         .hemY = 400,
         .hemHalf = 82,
         .neckHalf = 0,
         .neckDepth = 0,
         .details = With({&D::pleats})},
        // 小背心/小吊带
        {.slot = Slot::Top,
         .body = Body::Upper,
         .sleeve = Sleeve::Straps,
         .hemY = 272,
         .hemHalf = 46,
         .neckHalf = 0,
         .neckDepth = 0,
         .details = With({&D::fitted})},
        // 马夹
        {.slot = Slot::Outer,
         .body = Body::Upper,
         .sleeve = Sleeve::None,
         .hemY = 282,
         .hemHalf = 50,
         .ease = 5,
         .neckHalf = 10,
         .neckDepth = 176,
         .details = With({&D::buttons})},
        // 蕾丝衫/雪纺衫
        {.slot = Slot::Top,
         .body = Body::Upper,
         .sleeve = Sleeve::Elbow,
         .hemY = 278,
         .hemHalf = 52,
         .ease = 4,
         .neckHalf = 16,
         .neckDepth = 112},
        // 针织衫
        {.slot = Slot::Outer,
         .body = Body::Upper,
         .sleeve = Sleeve::Long,
         .hemY = 286,
         .hemHalf = 52,
         .ease = 6,
         .neckHalf = 10,
         .neckDepth = 164,
         .details = With({&D::openFront, &D::buttons})},
        // 短外套
        {.slot = Slot::Outer,
         .body = Body::Upper,
         .sleeve = Sleeve::Long,
         .hemY = 262,
         .hemHalf = 58,
         .ease = 8,
         .neckHalf = 12,
         .neckDepth = 104,
         .details = With({&D::collar, &D::zip})},
        // 西装
        {.slot = Slot::Outer,
         .body = Body::Upper,
         .sleeve = Sleeve::Long,
         .hemY = 294,
         .hemHalf = 54,
         .ease = 6,
         .neckHalf = 10,
         .neckDepth = 192,
         .details = With({&D::lapels, &D::buttons, &D::fitted})},
        // 卫衣/绒衫
        {.slot = Slot::Top,
         .body = Body::Upper,
         .sleeve = Sleeve::Long,
         .hemY = 292,
         .hemHalf = 56,
         .ease = 7,
         .neckHalf = 14,
         .neckDepth = 108,
         .details = With({&D::hood, &D::pocket, &D::ribbing})},
        // 毛衣
        {.slot = Slot::Top,
         .body = Body::Upper,
         .sleeve = Sleeve::Long,
         .hemY = 286,
         .hemHalf = 53,
         .ease = 6,
         .neckHalf = 12,
         .neckDepth = 100,
         .details = With({&D::highNeck, &D::ribbing})},
        // 风衣
        {.slot = Slot::Outer,
         .body = Body::Upper,
         .sleeve = Sleeve::Long,
         .hemY = 440,
         .hemHalf = 80,
         .ease = 9,
         .neckHalf = 10,
         .neckDepth = 192,
         .details = With({&D::lapels, &D::belt, &D::doubleButtons, &D::fitted})},
        // 毛呢外套
        {.slot = Slot::Outer,
         .body = Body::Upper,
         .sleeve = Sleeve::Long,
         .hemY = 456,
         .hemHalf = 72,
         .ease = 9,
         .neckHalf = 12,
         .neckDepth = 182,
         .details = With({&D::lapels, &D::buttons})},
        // 棉衣/棉服
        {.slot = Slot::Outer,
         .body = Body::Upper,
         .sleeve = Sleeve::Long,
         .hemY = 300,
         .hemHalf = 64,
         .ease = 13,
         .neckHalf = 14,
         .neckDepth = 102,
         .details = With({&D::quilted, &D::zip, &D::collar})},
        // 羽绒服
        {.slot = Slot::Outer,
         .body = Body::Upper,
         .sleeve = Sleeve::Long,
         .hemY = 470,
         .hemHalf = 72,
         .ease = 15,
         .neckHalf = 14,
         .neckDepth = 100,
         .details = With({&D::quilted, &D::zip, &D::hood})},
        // 皮衣
        {.slot = Slot::Outer,
         .body = Body::Upper,
         .sleeve = Sleeve::Long,
         .hemY = 262,
         .hemHalf = 52,
         .ease = 6,
         .neckHalf = 12,
         .neckDepth = 170,
         .details = With({&D::lapels, &D::zip, &D::fitted})},
        // 皮草
        {.slot = Slot::Outer,
         .body = Body::Upper,
         .sleeve = Sleeve::Long,
         .hemY = 305,
         .hemHalf = 64,
         .ease = 13,
         .neckHalf = 14,
         .neckDepth = 150,
         .details = With({&D::fur, &D::openFront})},
        // 中老年服装
        {.slot = Slot::Top,
         .body = Body::Upper,
         .sleeve = Sleeve::Elbow,
         .hemY = 302,
         .hemHalf = 62,
         .ease = 9,
         .neckHalf = 14,
         .neckDepth = 114,
         .details = With({&D::buttons})},
        // 特大特小服装
        {.slot = Slot::Dress,
         .body = Body::Upper,
         .sleeve = Sleeve::Short,
         .hemY = 412,
         .hemHalf = 90,
         .ease = 9,
         .neckHalf = 16,
         .neckDepth = 118},
        // 职业套装/学生校服/工作制服
        {.slot = Slot::Dress,
         .body = Body::Suit,
         .sleeve = Sleeve::Long,
         .hemY = 292,
         .hemHalf = 54,
         .ease = 5,
         .neckHalf = 10,
         .neckDepth = 186,
         .details = With({&D::lapels, &D::buttons, &D::fitted})},
        // 婚纱/旗袍/礼服
        {.slot = Slot::Dress,
         .body = Body::Upper,
         .sleeve = Sleeve::None,
         .hemY = 576,
         .hemHalf = 112,
         .neckHalf = 18,
         .neckDepth = 124,
         .details = With({&D::fitted})},
        // 唐装/民族服装/舞台服装
        {.slot = Slot::Top,
         .body = Body::Upper,
         .sleeve = Sleeve::Long,
         .hemY = 288,
         .hemHalf = 53,
         .ease = 5,
         .neckHalf = 10,
         .neckDepth = 100,
         .details = With({&D::highNeck, &D::frogs})},
    };
    static_assert(std::extent_v<decltype(shapes)> == app::Categories.size(), "one shape for each category");
    return shapes;
}

const Shape& ShapeOf(const Item& item) {
    return Shapes()[size_t(std::clamp(item.category, 0, int(app::Categories.size()) - 1))];
}

// --- colours --------------------------------------------------------------------------------------

struct Rgb {
    int r, g, b;
};

Rgb ParseRgb(std::string_view hex) {
    if (hex.size() != 7 || hex[0] != '#') {
        return {128, 128, 128};
    }
    const auto value = [&](size_t at) { return std::stoi(std::string(hex.substr(at, 2)), nullptr, 16); };
    return {value(1), value(3), value(5)};
}

std::string Hex(Rgb c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", std::clamp(c.r, 0, 255), std::clamp(c.g, 0, 255),
                  std::clamp(c.b, 0, 255));
    return text;
}

Rgb Scale(Rgb c, double f) {
    return {int(c.r * f), int(c.g * f), int(c.b * f)};
}
Rgb Toward(Rgb c, Rgb to, double f) {
    return {int(c.r + (to.r - c.r) * f), int(c.g + (to.g - c.g) * f), int(c.b + (to.b - c.b) * f)};
}
bool Light(Rgb c) {
    return c.r * 299 + c.g * 587 + c.b * 114 > 160000;
}

// --- outlines -------------------------------------------------------------------------------------

std::string Num(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", v);
    std::string s = text;
    if (s.ends_with(".0")) {
        s.resize(s.size() - 2);
    }
    return s;
}

std::string P(Pt p) {
    return Num(p.x) + "," + Num(p.y);
}

// Closes a left half (from the top centre down to the bottom) with its mirror image.
std::string SymmetricPath(const std::vector<Pt>& left, std::string_view top) {
    std::string d = "M" + P(left.front());
    for (size_t i = 1; i < left.size(); ++i) {
        d += " L" + P(left[i]);
    }
    for (size_t i = left.size(); i-- > 0;) {
        d += " L" + P(Mirror(left[i]));
    }
    return d + std::string(top) + " Z";
}

std::vector<Pt> UpperLeftHalf(const Shape& s) {
    const double e = s.ease;
    std::vector<Pt> half;
    switch (s.sleeve) {
        case Sleeve::Straps:
            half = {{116, 138}, {110 - e, 152}};
            break;
        case Sleeve::None:
            half = {{CentreX - s.neckHalf, 100}, {115 - e, 105}, {112 - e, 150}};
            break;
        case Sleeve::Short:
            half = {
                {CentreX - s.neckHalf, 100}, {104 - e, 107}, {84 - e, 160}, {101 - e, 168}, {110 - e, 152}};
            break;
        case Sleeve::Elbow:
            half = {
                {CentreX - s.neckHalf, 100}, {104 - e, 107}, {76 - e, 214}, {96 - e, 220}, {110 - e, 152}};
            break;
        case Sleeve::Long:
            half = {
                {CentreX - s.neckHalf, 100}, {104 - e, 107}, {64 - e, 302}, {87 - e, 306}, {110 - e, 152}};
            break;
    }
    const double upperHem = s.hemY;
    half.push_back({s.details.fitted ? 120 - e * 0.5 : 112 - e, 215});
    if (upperHem > 285) {
        half.push_back({104 - e, 266});
    }
    half.push_back({CentreX - s.hemHalf, upperHem});
    return half;
}

std::string UpperPath(const Shape& s) {
    const auto half = UpperLeftHalf(s);
    if (s.sleeve == Sleeve::Straps) {
        return SymmetricPath(half, " Q150,134 " + P(half.front()));
    }
    const Pt neck = half.front();
    if (s.neckDepth >= 140) {  // a V
        return SymmetricPath(half, " L" + P({CentreX, s.neckDepth}) + " L" + P(neck));
    }
    return SymmetricPath(half, " Q" + P({CentreX, 2 * s.neckDepth - 100}) + " " + P(neck));
}

std::string TrousersPath(const Shape& s) {
    const std::vector<Pt> half = {
        {118, 214}, {104, 272}, {s.ankleOuter, s.ankleY}, {s.ankleInner, s.ankleY}, {CentreX, 302}};
    std::string d = "M" + P(half[0]);
    for (size_t i = 1; i < half.size(); ++i) {
        d += " L" + P(half[i]);
    }
    for (size_t i = half.size() - 1; i-- > 0;) {
        d += " L" + P(Mirror(half[i]));
    }
    return d + " Z";
}

std::string SkirtPath(double hemY, double hemHalf) {
    const std::vector<Pt> half = {{118, 214}, {105, 262}, {CentreX - hemHalf, hemY}};
    return "M" + P(half[0]) + " L" + P(half[1]) + " L" + P(half[2]) + " Q" + P({CentreX, hemY + 10}) + " " +
           P(Mirror(half[2])) + " L" + P(Mirror(half[1])) + " L" + P(Mirror(half[0])) + " Z";
}

// --- one garment ----------------------------------------------------------------------------------

struct Ink {
    std::string fill;     // a colour or url(#pattern)
    std::string outline;  // darker shade
    std::string detail;   // lines drawn on the garment
    std::string accent;   // buttons, frogs, zips
};

std::string PatternDefinition(const Item& item, const std::string& id, Rgb base) {
    const std::string b = Hex(base);
    const std::string c = Light(base) ? Hex(Scale(base, 0.62)) : Hex(Toward(base, {255, 255, 255}, 0.75));
    switch (item.pattern) {
        case Pattern::Solid:
            return "";
        case Pattern::Stripes:
            return "<pattern id='" + id +
                   "' width='12' height='12' patternUnits='userSpaceOnUse'><rect width='12' " +
                   "height='12' fill='" + b + "'/><rect y='8' width='12' height='4' fill='" + c +
                   "'/></pattern>";
        case Pattern::Dots:
            return "<pattern id='" + id +
                   "' width='16' height='16' patternUnits='userSpaceOnUse'><rect width='16' " +
                   "height='16' fill='" + b + "'/><circle cx='4' cy='4' r='2.2' fill='" + c +
                   "'/><circle cx='12' " + "cy='12' r='2.2' fill='" + c + "'/></pattern>";
        case Pattern::Checks:
            return "<pattern id='" + id +
                   "' width='20' height='20' patternUnits='userSpaceOnUse'><rect width='20' " +
                   "height='20' fill='" + b + "'/><rect width='20' height='7' fill='" + c +
                   "' opacity='.55'/><rect " + "width='7' height='20' fill='" + c +
                   "' opacity='.55'/></pattern>";
        case Pattern::Floral: {
            const std::string petal = Light(base) ? "#e0708a" : "#f7d6de";
            std::string flower;
            for (auto [dx, dy] :
                 std::initializer_list<std::pair<int, int>>{{0, -3}, {3, 0}, {0, 3}, {-3, 0}}) {
                flower += "<circle cx='" + std::to_string(9 + dx) + "' cy='" + std::to_string(9 + dy) +
                          "' r='2.4' fill='" + petal + "'/>";
            }
            return "<pattern id='" + id +
                   "' width='22' height='22' patternUnits='userSpaceOnUse'><rect width='22' " +
                   "height='22' fill='" + b + "'/>" + flower +
                   "<circle cx='9' cy='9' r='1.6' fill='#f3c74f'/>" +
                   "<path d='M17,17 q3,-4 5,0' stroke='#6f9a64' fill='none' stroke-width='1.2'/></pattern>";
        }
    }
    return "";
}

std::string Line(Pt a, Pt b, const std::string& color, double width, std::string_view extra = "") {
    return "<path d='M" + P(a) + " L" + P(b) + "' stroke='" + color + "' stroke-width='" + Num(width) +
           "' fill='none' stroke-linecap='round' " + std::string(extra) + "/>";
}

std::string UpperDetails(const Shape& s, const Ink& ink) {
    const Details& d = s.details;
    std::string out;
    const double top = s.neckDepth;
    if (d.openFront || d.zip) {
        out += Line({CentreX, top}, {CentreX, s.hemY}, d.zip ? "#b9b9bd" : ink.detail, d.zip ? 3 : 1.6,
                    d.zip ? "stroke-dasharray='2 2'" : "");
    }
    if (d.buttons || d.doubleButtons) {
        for (double y = top + 14; y < std::min(s.hemY - 14, 330.0); y += 30) {
            const std::vector<double> columns =
                d.doubleButtons ? std::vector<double>{140, 160} : std::vector<double>{155};
            for (double x : columns) {
                out += "<circle cx='" + Num(x) + "' cy='" + Num(y) + "' r='3.2' fill='" + ink.accent + "'/>";
            }
        }
    }
    if (d.lapels) {
        const double n = CentreX - s.neckHalf;
        for (bool right : {false, true}) {
            auto m = [&](Pt p) { return right ? Mirror(p) : p; };
            out += "<path d='M" + P(m({n, 100})) + " L" + P(m({n - 14, 126})) + " L" + P(m({n - 4, 140})) +
                   " L" + P(m({CentreX - 2, top})) + "' fill='none' stroke='" + ink.detail +
                   "' stroke-width='2'/>";
        }
    }
    if (d.belt) {
        out += "<rect x='60' y='207' width='180' height='13' fill='" + ink.outline + "' opacity='.55'/>";
        out += "<rect x='141' y='204' width='18' height='19' rx='2' fill='none' stroke='" + ink.accent +
               "' stroke-width='2.5'/>";
    }
    if (d.quilted) {
        for (double y = 150; y < s.hemY; y += 26) {
            out += Line({40, y}, {260, y + 4}, ink.detail, 1.6);
        }
    }
    if (d.pocket) {
        out += "<path d='M124,270 L128,236 L172,236 L176,270 Z' fill='none' stroke='" + ink.detail +
               "' stroke-width='1.8'/>";
    }
    if (d.ribbing) {
        out += Line({60, s.hemY - 12}, {240, s.hemY - 12}, ink.detail, 1.4);
        if (s.sleeve == Sleeve::Long) {
            out +=
                Line({58, 290}, {96, 292}, ink.detail, 1.4) + Line({204, 292}, {242, 290}, ink.detail, 1.4);
        }
    }
    if (d.frogs) {
        for (double y = 116; y < 240; y += 28) {
            out += "<ellipse cx='150' cy='" + Num(y) + "' rx='9' ry='3.2' fill='none' stroke='" + ink.accent +
                   "' stroke-width='2.2'/>";
        }
    }
    return out;
}

std::string Collar(const Shape& s, const Ink& ink) {
    std::string out;
    const double n = CentreX - s.neckHalf;
    for (bool right : {false, true}) {
        auto m = [&](Pt p) { return right ? Mirror(p) : p; };
        out += "<path d='M" + P(m({n - 2, 98})) + " L" + P(m({n - 10, 118})) + " L" +
               P(m({CentreX - 1, s.neckDepth + 8})) + " Z' fill='" + ink.fill + "' stroke='" + ink.outline +
               "' stroke-width='1.5'/>";
    }
    return out;
}

std::string HighNeck(const Ink& ink, bool mandarin) {
    return mandarin ? "<rect x='139' y='90' width='22' height='14' rx='3' fill='" + ink.fill + "' stroke='" +
                          ink.outline + "' stroke-width='1.5'/>"
                    : "<rect x='136' y='80' width='28' height='26' rx='6' fill='" + ink.fill + "' stroke='" +
                          ink.outline + "' stroke-width='1.5'/>";
}

std::string Hood(const Ink& ink) {
    return "<path d='M118,104 Q150,134 182,104 Q184,86 150,84 Q116,86 118,104 Z' fill='" + ink.fill +
           "' stroke='" + ink.outline + "' stroke-width='2'/>";
}

std::string TrousersDetails(const Shape& s, const Ink& ink) {
    std::string out = Line({118, 226}, {182, 226}, ink.detail, 1.5);
    out += Line({CentreX, 214}, {CentreX, 262}, ink.detail, 1.2);
    if (s.details.denim) {
        const std::string stitch = "#d9a14a";
        out += Line({106, 272}, {s.ankleOuter + 4, s.ankleY - 4}, stitch, 1.2, "stroke-dasharray='3 3'");
        out +=
            Line({194, 272}, {300 - s.ankleOuter - 4, s.ankleY - 4}, stitch, 1.2, "stroke-dasharray='3 3'");
        out += "<path d='M118,232 Q126,250 136,236 M182,232 Q174,250 164,236' fill='none' stroke='" + stitch +
               "' stroke-width='1.2' stroke-dasharray='3 3'/>";
    }
    return out;
}

std::string PleatLines(double hemY, double hemHalf, const Ink& ink) {
    std::string out;
    for (int k = -3; k <= 3; ++k) {
        out += Line({CentreX + k * 9, 226}, {CentreX + k * (hemHalf / 3.6), hemY - 4}, ink.detail, 1.1);
    }
    return out;
}

// Draws the garment; `uid` keeps ids apart when several garments share one picture.
std::string GarmentSvg(const Item& item, const std::string& uid) {
    const Shape& s = ShapeOf(item);
    const Rgb base = ParseRgb(item.color.rgb);
    const std::string patternId = "p" + uid, clipId = "c" + uid;
    const std::string pattern = PatternDefinition(item, patternId, base);
    Ink ink{pattern.empty() ? Hex(base) : "url(#" + patternId + ")", Hex(Scale(base, 0.68)),
            Light(base) ? Hex(Scale(base, 0.75)) : Hex(Toward(base, {255, 255, 255}, 0.28)),
            Light(base) ? "#6b5b53" : "#e9d9b8"};
    if (s.details.frogs) {
        ink.accent = "#e2b84e";
    }

    std::string path, under, over, outside;  // `over` stays on the cloth, `outside` may stand out of it
    switch (s.body) {
        case Body::Trousers:
            path = TrousersPath(s);
            over = TrousersDetails(s, ink);
            break;
        case Body::Skirt:
            path = SkirtPath(s.hemY, s.hemHalf);
            over = Line({118, 224}, {182, 224}, ink.detail, 1.3) + PleatLines(s.hemY, s.hemHalf, ink);
            break;
        case Body::Suit:
            under = "<path d='" + SkirtPath(404, 58) + "' fill='" + ink.fill + "' stroke='" + ink.outline +
                    "' stroke-width='2' stroke-linejoin='round'/>";
            [[fallthrough]];
        case Body::Upper:
            path = UpperPath(s);
            over = UpperDetails(s, ink);
            if (s.details.hood) {
                under += Hood(ink);
            }
            if (s.details.highNeck) {
                outside += HighNeck(ink, s.details.frogs);
            }
            if (s.details.collar) {
                outside += Collar(s, ink);
            }
            if (s.sleeve == Sleeve::Straps) {
                outside += Line({120, 138}, {128, 104}, ink.outline, 2.5) +
                           Line({180, 138}, {172, 104}, ink.outline, 2.5);
            }
            break;
    }
    std::string out =
        "<defs>" + pattern + "<clipPath id='" + clipId + "'><path d='" + path + "'/></clipPath></defs>";
    out += under;
    if (s.details.fur) {
        out += "<path d='" + path + "' fill='none' stroke='" + Hex(Toward(base, {255, 255, 255}, 0.35)) +
               "' stroke-width='12' stroke-dasharray='1 5' stroke-linecap='round' stroke-linejoin='round'/>";
    }
    out += "<path d='" + path + "' fill='" + ink.fill + "' stroke='" + ink.outline +
           "' stroke-width='2' stroke-linejoin='round'/>";
    out += "<g clip-path='url(#" + clipId + ")'>" + over + "</g>" + outside;
    if (s.details.fur) {
        out += "<path d='" + path + "' fill='none' stroke='" + Hex(Toward(base, {255, 255, 255}, 0.15)) +
               "' stroke-width='7' stroke-dasharray='1 4' stroke-linecap='round' stroke-linejoin='round' "
               "opacity='.9'/>";
    }
    return out;
}

struct Box {
    double left, top, right, bottom;
};

Box GarmentBox(const Item& item) {
    const Shape& s = ShapeOf(item);
    switch (s.body) {
        case Body::Trousers:
            return {std::min(s.ankleOuter, 104.0), 206, 300 - std::min(s.ankleOuter, 104.0), s.ankleY + 6};
        case Body::Skirt:
            return {CentreX - s.hemHalf - 4, 206, CentreX + s.hemHalf + 4, s.hemY + 14};
        case Body::Suit:
            return {56, 82, 244, 414};
        case Body::Upper: {
            double left = CentreX - s.hemHalf;
            for (Pt p : UpperLeftHalf(s)) {
                left = std::min(left, p.x);
            }
            return {left - 6, 78, 300 - left + 6, s.hemY + 14};
        }
    }
    return {0, 0, 300, 600};
}

std::string Figure() {
    const std::string skin = "#f4d4bf", edge = "#d9aa8f";
    std::string out;
    // Hair behind the head, head, neck.
    out +=
        "<path d='M122,64 Q118,22 150,20 Q184,22 178,66 Q184,100 170,112 L130,112 Q116,100 122,64 Z' "
        "fill='#3b2a24'/>";
    out += "<rect x='141' y='76' width='18' height='30' fill='" + skin + "'/>";
    out += "<ellipse cx='150' cy='56' rx='23' ry='28' fill='" + skin + "' stroke='" + edge +
           "' stroke-width='1.2'/>";
    out += "<path d='M127,48 Q140,22 170,36 Q160,30 150,42 Q138,40 127,48 Z' fill='#3b2a24'/>";
    out +=
        "<ellipse cx='141' cy='58' rx='2.2' ry='2.6' fill='#3b2a24'/><ellipse cx='159' cy='58' rx='2.2' "
        "ry='2.6' fill='#3b2a24'/>";
    out +=
        "<path d='M144,71 Q150,75 156,71' stroke='#d9637a' stroke-width='2.2' fill='none' "
        "stroke-linecap='round'/>";
    out +=
        "<ellipse cx='136' cy='66' rx='5' ry='3' fill='#f3a9b3' opacity='.5'/><ellipse cx='164' cy='66' "
        "rx='5' ry='3' fill='#f3a9b3' opacity='.5'/>";
    // Arms, legs, torso.
    const std::string arm =
        "M104,110 Q90,118 89,140 L80,230 L72,300 Q70,316 79,318 Q88,316 87,302 L98,232 L110,160 Z";
    out += "<path d='" + arm + "' fill='" + skin + "' stroke='" + edge + "' stroke-width='1.2'/>";
    out += "<path d='" + arm + "' transform='translate(300,0) scale(-1,1)' fill='" + skin + "' stroke='" +
           edge + "' stroke-width='1.2'/>";
    const std::string leg = "M106,276 L150,276 L148,302 L143,440 L142,560 L120,560 L117,440 L106,300 Z";
    out += "<path d='" + leg + "' fill='" + skin + "' stroke='" + edge + "' stroke-width='1.2'/>";
    out += "<path d='" + leg + "' transform='translate(300,0) scale(-1,1)' fill='" + skin + "' stroke='" +
           edge + "' stroke-width='1.2'/>";
    out +=
        "<path d='M104,108 Q150,98 196,108 L190,160 Q180,196 182,216 Q196,250 194,282 L106,282 Q104,250 "
        "118,216 "
        "Q120,196 110,160 Z' fill='" +
        skin + "' stroke='" + edge + "' stroke-width='1.2'/>";
    // The plain base layer: a vest and shorts.
    out +=
        "<path d='M116,128 Q150,140 184,128 L188,160 Q180,196 182,216 Q196,250 194,286 L152,292 L150,300 "
        "L148,292 "
        "L106,286 Q104,250 118,216 Q120,196 112,160 Z' fill='#e7e1dc' stroke='#cfc6be' stroke-width='1.2'/>";
    out +=
        "<ellipse cx='131' cy='566' rx='16' ry='7' fill='#8a5a48'/><ellipse cx='169' cy='566' rx='16' ry='7' "
        "fill='#8a5a48'/>";
    return out;
}

}  // namespace

Slot SlotOf(const Item& item) {
    return ShapeOf(item).slot;
}

std::string_view SlotName(Slot slot) {
    constexpr std::array<std::string_view, 4> names{"bottom", "top", "dress", "outer"};
    return names[size_t(slot)];
}

std::string ItemPictureSvg(const Item& item) {
    // Frame the garment with a margin, at the 4:5 of the shop's cards.
    Box box = GarmentBox(item);
    double width = box.right - box.left + 24, height = box.bottom - box.top + 24;
    if (width / height < 0.8) {
        width = height * 0.8;
    } else {
        height = width / 0.8;
    }
    const double cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
    const double x = cx - width / 2, y = cy - height / 2;
    const std::string view = Num(x) + " " + Num(y) + " " + Num(width) + " " + Num(height);
    return "<svg xmlns='http://www.w3.org/2000/svg' viewBox='" + view + "' width='320' height='400'>" +
           "<defs><linearGradient id='bg' x1='0' y1='0' x2='0' y2='1'><stop offset='0' "
           "stop-color='#fdf7f4'/>" +
           "<stop offset='1' stop-color='#f3e8e4'/></linearGradient></defs>" + "<rect x='" + Num(x) +
           "' y='" + Num(y) + "' width='" + Num(width) + "' height='" + Num(height) + "' fill='url(#bg)'/>" +
           "<ellipse cx='" + Num(cx) + "' cy='" + Num(box.bottom + 4) + "' rx='" + Num(width * 0.33) +
           "' ry='5' fill='#000' opacity='.06'/>" + GarmentSvg(item, std::to_string(item.id)) + "</svg>";
}

std::vector<const Item*> Outfit(const std::vector<const Item*>& putOn) {
    std::array<const Item*, 4> bySlot{};
    for (const Item* item : putOn) {
        const Slot slot = SlotOf(*item);
        if (slot == Slot::Dress) {
            bySlot[size_t(Slot::Top)] = bySlot[size_t(Slot::Bottom)] = nullptr;
        } else if (slot == Slot::Top || slot == Slot::Bottom) {
            bySlot[size_t(Slot::Dress)] = nullptr;
        }
        bySlot[size_t(slot)] = item;
    }
    std::vector<const Item*> outfit;
    for (const Item* item : bySlot) {
        if (item != nullptr) {
            outfit.push_back(item);
        }
    }
    return outfit;
}

std::string FittingSvg(const std::vector<const Item*>& outfit) {
    std::string out =
        "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 300 600' width='300' height='600'>"
        "<ellipse cx='150' cy='572' rx='70' ry='9' fill='#000' opacity='.07'/>" +
        Figure();
    int n = 0;
    for (const Item* item : outfit) {
        out += GarmentSvg(*item, "w" + std::to_string(++n));
    }
    return out + "</svg>";
}

}  // namespace pageserver
