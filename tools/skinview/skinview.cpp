#include "tools/skinview/skinview.h"

#include <charconv>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "framework/graphics/bitmap.h"
#include "platform/gfx/png.h"
#include "platform/gfx/region.h"
#include "skin/data/skin_data.h"
#include "skin/render/effect_bitmap.h"
#include "skin/render/mask_region.h"
#include "skin/render/nine_part_image.h"
#include "tools/skinpack/skinpack.h"
#include "tools/skinview/contact_sheet.h"
#include "tools/skinview/frame_preview.h"
#include "tools/skinview/menu_preview.h"
#include "tools/skinview/skin_faces.h"
#include "tools/skinview/tab_strip_preview.h"

namespace tools {

namespace {

namespace fs = std::filesystem;
using platform::Rect;
using platform::Size;
using skin::Picture;
using skin::TbsSkinData;

// Wrong use: the message and the usage text, exit status 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// A skin that cannot be drawn as asked: one line naming the skin file, exit status 1.
struct SkinError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

constexpr platform::COLORREF kClientColor = platform::RGB(255, 0, 255);

// --- What a subcommand is given ------------------------------------------------------------------

struct Invocation {
    const TbsSkinData& data;
    std::vector<std::string> operands;  // after SKIN
    std::map<std::string, std::string, std::less<>> options;

    bool has(std::string_view name) const { return options.find(name) != options.end(); }
    std::optional<std::string> value(std::string_view name) const {
        const auto found = options.find(name);
        return found == options.end() ? std::nullopt : std::optional(found->second);
    }
};

int32_t ParseInt(std::string_view text, std::string_view what) {
    int32_t v = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (error != std::errc() || end != text.data() + text.size())
        throw UsageError(std::string(what) + ": \"" + std::string(text) + "\" is not a whole number");
    return v;
}

double ParseNumber(std::string_view text, std::string_view what) {
    try {
        size_t used = 0;
        const double v = std::stod(std::string(text), &used);
        if (used == text.size())
            return v;
    } catch (const std::exception&) {
    }
    throw UsageError(std::string(what) + ": \"" + std::string(text) + "\" is not a number");
}

// "A,B" or "L,T,R,B".
std::vector<int32_t> ParseList(std::string_view text, size_t count, std::string_view what) {
    std::vector<int32_t> values;
    size_t start = 0;
    while (true) {
        const size_t comma = text.find(',', start);
        values.push_back(ParseInt(text.substr(start, comma - start), what));
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    if (values.size() != count)
        throw UsageError(std::string(what) + ": expected " + std::to_string(count) +
                         " comma-separated numbers");
    return values;
}

int32_t ParseLength(std::string_view text, std::string_view what) {
    const int32_t v = ParseInt(text, what);
    if (v < 1 || v > platform::kMaxSurfaceDimension)
        throw UsageError(std::string(what) + " must be 1 to " +
                         std::to_string(platform::kMaxSurfaceDimension));
    return v;
}

Size ParseSize(std::string_view text, const std::string& what = "--size") {
    const size_t x = text.find('x');
    if (x == std::string_view::npos)
        throw UsageError(what + ": expected WxH, such as 785x641");
    const Size s{ParseLength(text.substr(0, x), what + " width"),
                 ParseLength(text.substr(x + 1), what + " height")};
    if (!platform::Surface::SizeAllowed(s.cx, s.cy))
        throw UsageError(what + ": the picture would be too large");
    return s;
}

Size RequiredSize(const Invocation& in) {
    const auto size = in.value("--size");
    if (!size)
        throw UsageError("--size WxH is required");
    return ParseSize(*size);
}

Picture Filled(Size size, platform::COLORREF colour) {
    Picture p(size.cx, size.cy);
    p.fill(platform::PixelFromColor(colour));
    return p;
}

RecordFace RequiredFace(const Invocation& in) {
    std::string why;
    std::optional<RecordFace> face = FaceOfRecord(in.data, in.operands[0], why);
    if (!face)
        throw SkinError(why);
    if (const auto rect = in.value("--rect")) {
        const std::vector<int32_t> r = ParseList(*rect, 4, "--rect");
        face->R = {r[0], r[1], r[2], r[3]};
    }
    return *face;
}

// --- The subcommands ---------------------------------------------------------------------------

skin::TbsBorderIcons ParseBorderIcons(std::string_view list) {
    using skin::TbsBorderIcon;
    const std::map<std::string_view, TbsBorderIcon> names = {{"sysmenu", TbsBorderIcon::biSystemMenu},
                                                             {"minimize", TbsBorderIcon::biMinimize},
                                                             {"maximize", TbsBorderIcon::biMaximize},
                                                             {"rollup", TbsBorderIcon::biRollUp},
                                                             {"tray", TbsBorderIcon::biMinimizeToTray}};
    skin::TbsBorderIcons icons;
    size_t start = 0;
    while (start <= list.size()) {
        const size_t comma = list.find(',', start);
        const std::string_view name = list.substr(start, comma - start);
        if (const auto found = names.find(name); found != names.end())
            icons.insert(found->second);
        else if (!name.empty())
            throw UsageError("--border-icons: unknown icon \"" + std::string(name) + "\"");
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    return icons;
}

FramePreviewOptions FrameOptions(const Invocation& in, Size size) {
    FramePreviewOptions o;
    o.size = size;
    o.active = !in.has("--inactive");
    o.objects = !in.has("--no-objects");
    o.caption = in.value("--caption").value_or("");
    o.showIcon = !in.has("--no-icon");
    o.layeredBorder = !in.has("--no-layer");
    if (const auto icons = in.value("--border-icons"))
        o.icons = ParseBorderIcons(*icons);
    return o;
}

void RequireFramePicture(const TbsSkinData& data) {
    if (data.FramePicture().Empty())
        throw SkinError("the skin has no frame picture");
}

// The preview's frame component reads the skin as the program's does; the data was made writable.
FramePreview Frame(const Invocation& in, const FramePreviewOptions& o) {
    return PreviewFrame(const_cast<TbsSkinData&>(in.data), o, kClientColor);
}

Picture RenderFrame(const Invocation& in) {
    RequireFramePicture(in.data);
    return Frame(in, FrameOptions(in, RequiredSize(in))).picture;
}

std::string FrameLayoutJson(const Invocation& in) {
    RequireFramePicture(in.data);
    return LayoutJson(Frame(in, FrameOptions(in, RequiredSize(in))).layout);
}

Picture RenderNinePart(const Invocation& in) {
    const RecordFace face = RequiredFace(in);
    if (!face.layout)
        throw SkinError("\"" + in.operands[0] + "\" has no nine-part layout (try bar)");
    const Size size = RequiredSize(in);
    Picture target = Filled(size, kClientColor);
    skin::ClientFill fill = face.fill;
    fill.DrawClient = !in.has("--no-client");
    skin::ComposeNinePartImage(*face.layout,
                               skin::ResizeLayout({face.R.width(), face.R.height()}, *face.layout, size),
                               target, *face.picture, face.R, size, face.sides, fill);
    return target;
}

Picture RenderBar(const Invocation& in) {
    const RecordFace face = RequiredFace(in);
    const auto width = in.value("--width"), height = in.value("--height");
    if (width.has_value() == height.has_value())
        throw UsageError("bar takes one of --width W and --height H");
    skin::BarEnds ends = width ? face.horizontalEnds : face.verticalEnds;
    if (const auto given = in.value("--ends")) {
        const std::vector<int32_t> e = ParseList(*given, 2, "--ends");
        ends = {e[0], e[1]};
    }
    const bool stretch = in.has("--stretch") || (face.stretch && !in.has("--tile"));
    Picture bar;
    if (width)
        skin::ComposeHorizontalBar(ends, bar, *face.picture, face.R, ParseLength(*width, "--width"), stretch);
    else
        skin::ComposeVerticalBar(ends, bar, *face.picture, face.R, ParseLength(*height, "--height"), stretch);
    if (bar.isEmpty())
        throw SkinError("the face of \"" + in.operands[0] + "\" is empty");
    return bar;
}

// The region as a picture: black inside the window's shape, white outside.
Picture RegionPicture(platform::HRGN region, Size size) {
    Picture p = Filled(size, platform::RGB(255, 255, 255));
    const platform::Region* r = region ? platform::RegionFromHandle(region) : nullptr;
    if (!r) {
        p.fill(platform::PixelFromColor(0));  // no region: the whole window
        return p;
    }
    for (const Rect& part : r->rects()) {
        const Rect clipped = platform::intersect(part, p.bounds());
        for (int32_t y = clipped.Top; y < clipped.Bottom; ++y)
            for (int32_t x = clipped.Left; x < clipped.Right; ++x) p.row(y)[x] = platform::PixelFromColor(0);
    }
    return p;
}

Picture RenderRegion(const Invocation& in) {
    const Size size = RequiredSize(in);
    const std::string which = in.value("--mask").value_or("frame");
    std::string why;
    const Picture* mask = nullptr;
    std::optional<RecordFace> face;
    if (which == "frame") {
        face = FaceOfRecord(in.data, "FORMINFO", why);
        mask = &in.data.FrameMask().Surface();
    } else if (which == "popup" || which == "hint") {
        const bool popup = which == "popup";
        face = FaceOfRecord(in.data, popup ? "POPUPWINDOW" : "HINTWINDOW", why);
        const int32_t index =
            popup ? in.data.PopupWindow().MaskPictureIndex : in.data.HintWindow().MaskPictureIndex;
        const auto& pictures = in.data.ActivePictures();
        if (index >= 0 && size_t(index) < pictures.size())
            mask = &pictures[size_t(index)].Surface();
    } else {
        throw UsageError("--mask: frame, popup or hint");
    }
    if (!face)
        throw SkinError(why);
    if (!mask || mask->isEmpty())
        throw SkinError("the skin has no " + which + " mask: the window is not shaped");
    platform::HRGN region = skin::BuildFrameRegion(
        *face->layout, skin::ResizeLayout({face->R.width(), face->R.height()}, *face->layout, size), *mask,
        size);
    Picture p = RegionPicture(region, size);
    if (region)
        platform::DeleteObject(region);
    return p;
}

template <class E>
std::optional<E> EnumOfName(std::string_view name) {
    const auto& names = skin::EnumNames<E>::names;
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == name)
            return E(i);
    return std::nullopt;
}

Picture RenderEffect(const Invocation& in) {
    const std::string& name = in.operands[0];
    if (const auto effect = EnumOfName<skin::TInactiveEffect>(name)) {
        RequireFramePicture(in.data);
        const Size size = in.has("--size")
                              ? RequiredSize(in)
                              : Size{in.data.FramePicture().Width(), in.data.FramePicture().Height()};
        Picture window = Frame(in, FrameOptions(in, size)).picture;
        skin::ApplyInactiveEffect(window, *effect);
        return window;
    }
    const auto kind = EnumOfName<skin::TMorphKind>(name);
    if (!kind)
        throw UsageError("unknown effect \"" + name + "\"");
    const auto record = in.value("--record");
    if (!record)
        throw UsageError("a morph needs --record NAME (a caption button, menu item or button control)");
    std::string why;
    const auto faces = MorphFacesOfRecord(in.data, *record, why);
    if (!faces)
        throw SkinError(why);
    const double progress = ParseNumber(in.value("--progress").value_or("0.5"), "--progress");
    Picture normal(faces->normal.width(), faces->normal.height()), active(normal.width(), normal.height());
    skin::CopyPictureRect(normal, normal.bounds(), *faces->normalPicture, faces->normal);
    skin::CopyPictureRect(active, active.bounds(), *faces->activePicture, faces->active);
    skin::TbsEffectBmp a(normal);
    skin::Morph(a, skin::TbsEffectBmp(active), *kind, progress);
    return a.ToPicture();
}

Picture RenderText(const Invocation& in) {
    RequireFramePicture(in.data);
    const std::string effect = in.value("--effect").value_or("record");
    const std::map<std::string, std::optional<CaptionEffect>, std::less<>> effects = {
        {"record", std::nullopt},
        {"plain", CaptionEffect::Plain},
        {"glow", CaptionEffect::Glow},
        {"halo", CaptionEffect::Halo},
        {"reflection", CaptionEffect::Reflection}};
    const auto chosen = effects.find(effect);
    if (chosen == effects.end())
        throw UsageError("--effect: record, plain, glow, halo or reflection");
    if (!in.has("--caption"))
        throw UsageError("--caption TEXT is required");
    const int32_t width = ParseLength(in.value("--width").value_or("400"), "--width");
    const TbsSkinData& data = in.data;
    const Size size{width, data.FramePicture().Height()};
    FramePreviewOptions o = FrameOptions(in, size);
    o.captionEffect = chosen->second;
    if (const auto colour = in.value("--colour")) {
        const std::vector<int32_t> c = ParseList(*colour, 3, "--colour");
        for (int32_t v : c)
            if (v < 0 || v > 255)
                throw UsageError("--colour: each of R, G, B is 0 to 255");
        o.effectColor = platform::RGB(uint8_t(c[0]), uint8_t(c[1]), uint8_t(c[2]));
    }
    if (const auto glow = in.value("--glow-size"))
        o.glowSize = ParseInt(*glow, "--glow-size");
    const Picture window = Frame(in, o).picture;
    // The caption bar: the window's top band.
    const int32_t top = std::min(data.FormInfo().ClientRect.Top, size.cy);
    Picture bar(width, std::max(top, 1));
    skin::CopyPictureRect(bar, bar.bounds(), window, bar.bounds());
    return bar;
}

// "A|B|C": the tab captions.
std::vector<std::string> SplitCaptions(std::string_view text) {
    std::vector<std::string> captions;
    size_t start = 0;
    while (true) {
        const size_t bar = text.find('|', start);
        captions.emplace_back(text.substr(start, bar - start));
        if (bar == std::string_view::npos)
            return captions;
        start = bar + 1;
    }
}

template <class T>
T Named(const std::map<std::string, T, std::less<>>& names, std::string_view given, std::string_view what) {
    const auto found = names.find(given);
    if (found == names.end())
        throw UsageError(std::string(what) + ": unknown value \"" + std::string(given) + "\"");
    return found->second;
}

Picture RenderTabs(const Invocation& in) {
    TabStripPreviewOptions o;
    o.size = RequiredSize(in);
    o.captions = SplitCaptions(in.value("--tabs").value_or("裙 - 连衣裙|T恤|衬衫 - 女装/女士精品"));
    o.selected = ParseInt(in.value("--selected").value_or("0"), "--selected");
    o.hot = ParseInt(in.value("--hot").value_or("-1"), "--hot");
    o.closeBox = Named<CloseBoxPreview>({{"normal", CloseBoxPreview::Normal},
                                         {"hot", CloseBoxPreview::Hot},
                                         {"pressed", CloseBoxPreview::Pressed}},
                                        in.value("--close-box").value_or("normal"), "--close-box");
    o.closeBoxes = !in.has("--no-close-boxes");
    o.focused = in.has("--focus");
    using framework::TTabPosition;
    o.position = Named<TTabPosition>({{"top", TTabPosition::tpTop},
                                      {"bottom", TTabPosition::tpBottom},
                                      {"left", TTabPosition::tpLeft},
                                      {"right", TTabPosition::tpRight}},
                                     in.value("--position").value_or("top"), "--position");
    o.firstVisible = ParseInt(in.value("--scroll").value_or("0"), "--scroll");
    // The preview's tab strip reads the skin as the program's does; the data was made writable.
    auto& data = const_cast<TbsSkinData&>(in.data);
    return RenderTabStripPreview(in.has("--no-skin") ? nullptr : &data, o);
}

// The menu and hint previews draw with the program's own windows, which read the skin data as
// the program's do; the data was made writable for them.
skin::TbsSkinData* SkinOrNone(const Invocation& in) {
    return in.has("--no-skin") ? nullptr : &const_cast<TbsSkinData&>(in.data);
}

MenuPreview MenuOf(const Invocation& in) {
    MenuPreviewOptions o;
    const auto list = in.value("--items");
    if (!list)
        throw UsageError("--items ITEMS is required");
    try {
        o.items = ParseMenuItems(*list);
    } catch (const std::invalid_argument& e) {
        throw UsageError(std::string("--items: ") + e.what());
    }
    o.selected = ParseInt(in.value("--selected").value_or("-1"), "--selected");
    if (const auto area = in.value("--work-area"))
        o.workArea = ParseSize(*area, "--work-area");
    o.maxItems = ParseInt(in.value("--max-items").value_or("0"), "--max-items");
    if (o.maxItems < 0)
        throw UsageError("--max-items must be 0 (no limit) or more");
    MenuPreview preview = PreviewMenu(SkinOrNone(in), o);
    if (preview.picture.isEmpty())
        throw SkinError("the menu shows no item");
    return preview;
}

Picture RenderMenu(const Invocation& in) {
    return MenuOf(in).picture;
}

nlohmann::ordered_json JsonRect(const Rect& r) {
    return {r.Left, r.Top, r.Right, r.Bottom};
}

std::string MenuLayoutJson(const Invocation& in) {
    const MenuPreview preview = MenuOf(in);
    nlohmann::ordered_json items = nlohmann::ordered_json::array();
    for (const MenuPreviewItem& item : preview.items)
        items.push_back(
            {{"caption", item.caption}, {"separator", item.separator}, {"rect", JsonRect(item.rect)}});
    const nlohmann::ordered_json layout = {{"size", {preview.size.cx, preview.size.cy}},
                                           {"client", JsonRect(preview.client)},
                                           {"markers", preview.markers},
                                           {"items", items}};
    return layout.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

HintPreview HintOf(const Invocation& in) {
    const auto text = in.value("--text");
    if (!text)
        throw UsageError("--text T is required");
    HintPreview preview = PreviewHint(SkinOrNone(in), *text);
    if (preview.picture.isEmpty())
        throw SkinError("the hint shows nothing");
    return preview;
}

Picture RenderHint(const Invocation& in) {
    return HintOf(in).picture;
}

std::string HintLayoutJson(const Invocation& in) {
    const HintPreview preview = HintOf(in);
    const nlohmann::ordered_json layout = {{"size", {preview.size.cx, preview.size.cy}},
                                           {"text", JsonRect(preview.text)}};
    return layout.dump();
}

Picture RenderSheet(const Invocation& in) {
    try {
        return RenderContactSheet(in.data).picture;
    } catch (const std::runtime_error& e) {
        throw SkinError(e.what());
    }
}

// --- The table ---------------------------------------------------------------------------------

struct Option {
    std::string_view name;
    bool takesValue;
};

struct Subcommand {
    std::string_view name;
    std::string_view synopsis;
    std::string_view help;
    size_t operands;  // after SKIN
    std::vector<Option> options;
    Picture (*render)(const Invocation&);
    // Where the parts of the picture lie, as JSON (--layout-json, which makes -o optional).
    std::string (*layoutJson)(const Invocation&) = nullptr;
};

const std::vector<Subcommand>& Subcommands() {
    static const std::vector<Subcommand> table = {
        {"frame",
         "frame SKIN --size WxH [--inactive] [--no-objects] [--caption TEXT] [--border-icons LIST] "
         "[--no-icon]\n"
         "                 [--no-layer] (-o OUT | --layout-json)",
         "The window frame at a window size, drawn by the program's frame component: the frame strips,\n"
         "the caption with its text and the caption buttons (--no-objects leaves text and buttons out),\n"
         "active or --inactive. The client area is magenta (255, 0, 255), so only the frame shows.\n"
         "LIST names the caption buttons the window offers, of sysmenu,minimize,maximize,rollup,tray\n"
         "(default sysmenu,minimize, as the main window; close is always there); the system-menu button\n"
         "shows the 16 x 16 window icon unless --no-icon. --layout-json prints the frame's geometry and\n"
         "its objects' places as one JSON object (window coordinates). A skin with a layered border\n"
         "(LAYERFRAME) gets it drawn around the window, over light grey (224, 224, 224), the picture\n"
         "then as large as the border's outer rectangle; --no-layer draws the window alone.",
         0,
         {{"--size", true},
          {"--inactive", false},
          {"--no-objects", false},
          {"--caption", true},
          {"--border-icons", true},
          {"--no-icon", false},
          {"--no-layer", false},
          {"--layout-json", false}},
         RenderFrame,
         FrameLayoutJson},
        {"ninepart",
         "ninepart SKIN RECORD --size WxH [--no-client] [--rect L,T,R,B] -o OUT",
         "A record's nine-part face at a size: FORMINFO, POPUPWINDOW, HINTWINDOW or a skin control\n"
         "(button, panel, edit, ...). Edges stretch or repeat as the record says; --no-client leaves\n"
         "the client part undrawn (magenta); --rect takes another source rectangle of the record's\n"
         "picture, such as its active or down face.",
         1,
         {{"--size", true}, {"--no-client", false}, {"--rect", true}},
         RenderNinePart},
        {"bar",
         "bar SKIN RECORD (--width W | --height H) [--ends A,B] [--stretch | --tile] [--rect L,T,R,B] -o OUT",
         "A record's face as a bar: two ends kept and the middle stretched or repeated to a width (or\n"
         "a height). The ends come from the record (its corner points, or a menu item's offsets);\n"
         "--ends gives them, --stretch and --tile override the record's stretch effect.",
         1,
         {{"--width", true},
          {"--height", true},
          {"--ends", true},
          {"--stretch", false},
          {"--tile", false},
          {"--rect", true}},
         RenderBar},
        {"region",
         "region SKIN --size WxH [--mask frame|popup|hint] -o OUT",
         "The window shape a mask gives at a size, black inside and white outside: the frame mask\n"
         "(default), or the popup menu's or hint window's mask. The client area is always inside.",
         0,
         {{"--size", true}, {"--mask", true}},
         RenderRegion},
        {"effect",
         "effect SKIN EFFECT [--size WxH] [--record NAME] [--progress X] -o OUT",
         "An inactive-frame effect on the frame (iebrightness, iedarkness, iegrayscale, ienoise,\n"
         "iesplitblur, ieinvert; at the frame picture's size unless --size), or a morph between a\n"
         "record's normal and active face at progress X from 0 to 1 (mkdefault, mkgradient,\n"
         "mkleftgradient, mkrightgradient, mkleftslide, mkrightslide, mkpush; --record names a caption\n"
         "button, menu item or button control).",
         1,
         {{"--size", true},
          {"--record", true},
          {"--progress", true},
          {"--inactive", false},
          {"--no-objects", false},
          {"--caption", true},
          {"--border-icons", true},
          {"--no-icon", false}},
         RenderEffect},
        {"text",
         "text SKIN --caption TEXT [--effect record|plain|glow|halo|reflection] [--colour R,G,B] "
         "[--glow-size N]\n"
         "                 [--width W] [--inactive] -o OUT",
         "The caption bar at a width (default 400) with the caption drawn in the caption record's font\n"
         "and colours, with the effect the record asks for or the one given: a soft glow, a wide halo\n"
         "or a reflection below the text. --colour and --glow-size try other values than the record's.",
         0,
         {{"--caption", true},
          {"--effect", true},
          {"--colour", true},
          {"--glow-size", true},
          {"--width", true},
          {"--inactive", false}},
         RenderText},
        {"tabs",
         "tabs SKIN --size WxH [--tabs \"A|B|C\"] [--selected N] [--hot N] [--close-box normal|hot|pressed]\n"
         "                 [--focus] [--position top|bottom|left|right] [--scroll N] [--no-close-boxes] "
         "[--no-skin] -o OUT",
         "The result tab strip at a size, drawn by the program's own tab control from the skin's \"tab\"\n"
         "record (--no-skin: the built-in look): the captions (default three), the selected tab (-1\n"
         "none), the tab under the pointer and its close box (hot, or pressed, which selects the tab),\n"
         "the focus, the row's position. A row that does not fit gets the scroller; --scroll N makes\n"
         "tab N the first visible one.",
         0,
         {{"--size", true},
          {"--tabs", true},
          {"--selected", true},
          {"--hot", true},
          {"--close-box", true},
          {"--focus", false},
          {"--position", true},
          {"--scroll", true},
          {"--no-close-boxes", false},
          {"--no-skin", false}},
         RenderTabs},
        {"menu",
         "menu SKIN --items ITEMS [--selected N] [--work-area WxH] [--max-items N] [--no-skin]\n"
         "                 (-o OUT | --layout-json)",
         "An open popup menu drawn by the program's own menu from the skin's POPUPWINDOW and MENUITEM\n"
         "records (--no-skin: the built-in look). ITEMS lists the items separated by |: - is a\n"
         "separator, a leading * checks an item, a leading ! disables it, a trailing > gives it\n"
         "sub-items, \\t comes before a short-cut (\"Open|Save\\tCtrl+S|-|*Wrap|!Print|Recent>\"). N\n"
         "is the highlighted item (default the first usable one); a work area lower than the menu\n"
         "or an item maximum makes it scroll. --layout-json prints its size, client rectangle,\n"
         "markers and the rectangles of the shown items.",
         0,
         {{"--items", true},
          {"--selected", true},
          {"--work-area", true},
          {"--max-items", true},
          {"--no-skin", false},
          {"--layout-json", false}},
         RenderMenu,
         MenuLayoutJson},
        {"hint",
         "hint SKIN --text T [--no-skin] (-o OUT | --layout-json)",
         "A hint as the skinned hint shows it, in the skin's HINTWINDOW frame and font (--no-skin: the\n"
         "built-in look); @ breaks a line. --layout-json prints its size and where the text lies.",
         0,
         {{"--text", true}, {"--no-skin", false}, {"--layout-json", false}},
         RenderHint,
         HintLayoutJson},
        {"sheet",
         "sheet SKIN -o OUT",
         "Every face of every record on one contact sheet, each labelled with its section, key and\n"
         "rectangle: what each key cuts. Areas placed in a face are outlined (the nine-part client\n"
         "rectangle teal, others orange), corner points marked blue, parts outside the picture hatched red.",
         0,
         {},
         RenderSheet},
    };
    return table;
}

const std::vector<Option> kCommonOptions = {{"-o", true}, {"--zoom", true}};

std::string UsageText() {
    std::string text =
        "usage: skinview COMMAND SKIN ... -o OUT [--zoom N]\n"
        "Draws a skin at any size. SKIN is a skin folder, its INI file or a compressed skin file;\n"
        "OUT ends in .png or .bmp (24 bits); --zoom N enlarges the picture N times, pixel by pixel.\n";
    for (const Subcommand& c : Subcommands()) {
        text += "\n  skinview " + std::string(c.synopsis) + "\n";
        std::string_view help = c.help;
        while (!help.empty()) {
            const size_t end = help.find('\n');
            text += "      " + std::string(help.substr(0, end)) + "\n";
            help = end == std::string_view::npos ? std::string_view() : help.substr(end + 1);
        }
    }
    return text;
}

// --- Running ---------------------------------------------------------------------------------

const Option* FindOption(const Subcommand& c, std::string_view name) {
    for (const std::vector<Option>* list : {&c.options, &kCommonOptions})
        for (const Option& o : *list)
            if (o.name == name)
                return &o;
    return nullptr;
}

struct Parsed {
    const Subcommand* command = nullptr;
    std::vector<std::string> operands;
    std::map<std::string, std::string, std::less<>> options;
};

// Fills `p` as far as it gets, so that a usage error can name the command it concerns.
void Parse(const std::vector<std::string>& args, Parsed& p) {
    if (args.empty())
        throw UsageError("");
    for (const Subcommand& c : Subcommands())
        if (c.name == args[0])
            p.command = &c;
    if (!p.command)
        throw UsageError("unknown command \"" + args[0] + "\"");
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() > 1 && a[0] == '-') {
            const Option* o = FindOption(*p.command, a);
            if (!o)
                throw UsageError(std::string(p.command->name) + " has no option " + a);
            if (o->takesValue && i + 1 >= args.size())
                throw UsageError(a + " needs a value");
            p.options[a] = o->takesValue ? args[++i] : "";
        } else {
            p.operands.push_back(a);
        }
    }
    if (p.operands.size() != 1 + p.command->operands)
        throw UsageError("wrong number of operands");
    if (!p.options.count("-o") && !p.options.count("--layout-json"))
        throw UsageError(p.command->layoutJson ? "-o OUT or --layout-json is required"
                                               : "-o OUT is required");
}

Picture Zoomed(const Picture& p, int32_t zoom) {
    if (zoom == 1)
        return p;
    if (!platform::Surface::SizeAllowed(p.width() * zoom, p.height() * zoom))
        throw UsageError("--zoom: the picture would be too large");
    Picture big(p.width() * zoom, p.height() * zoom);
    skin::CopyPictureRect(big, big.bounds(), p, p.bounds());
    return big;
}

void Save(const Picture& picture, const fs::path& out) {
    const std::string extension = out.extension().string();
    bool saved = false;
    if (extension == ".png") {
        saved = platform::SaveSurfacePng(picture, out.string());
    } else {
        framework::TBitmap bmp;
        bmp.SetSize(picture.width(), picture.height());
        bmp.Surface() = picture;
        for (int32_t y = 0; y < picture.height(); ++y)
            for (int32_t x = 0; x < picture.width(); ++x) bmp.Surface().row(y)[x] |= 0xFF000000u;
        try {
            bmp.SaveToFile(out.string());
            saved = true;
        } catch (const framework::Exception&) {
        }
    }
    if (!saved)
        throw std::runtime_error("cannot write the picture");
}

}  // namespace

int RunSkinview(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Parsed parsed;
    try {
        Parse(args, parsed);
        const std::string extension =
            parsed.options.count("-o") ? fs::path(parsed.options["-o"]).extension().string() : ".png";
        if (extension != ".png" && extension != ".bmp")
            throw UsageError("OUT must end in .png or .bmp");
    } catch (const UsageError& e) {
        if (*e.what())
            err << "skinview: " << e.what() << "\n";
        if (parsed.command)
            err << "usage: skinview " << parsed.command->synopsis
                << "\n(skinview alone explains every command)\n";
        else
            err << UsageText();
        return 2;
    }
    const std::string& skinPath = parsed.operands[0];
    const bool drawing = parsed.options.count("-o") > 0;
    Picture picture;
    std::string layout;
    try {
        skin::TbsCompressedStoredSkin stored(nullptr);
        LoadSkinInput(stored, skinPath);
        TbsSkinData data(nullptr);
        data.LoadStoredSkin(stored);
        if (data.Empty())
            throw SkinError("the skin package's version is above what skinview reads");
        const Invocation in{data, {parsed.operands.begin() + 1, parsed.operands.end()}, parsed.options};
        const int32_t zoom =
            parsed.options.count("--zoom") ? ParseLength(parsed.options["--zoom"], "--zoom") : 1;
        if (parsed.options.count("--layout-json"))
            layout = parsed.command->layoutJson(in);
        if (drawing)
            picture = Zoomed(parsed.command->render(in), zoom);
    } catch (const UsageError& e) {
        err << "skinview: " << e.what() << "\nusage: skinview " << parsed.command->synopsis << "\n";
        return 2;
    } catch (const SkinError& e) {
        err << "skinview: " << skinPath << ": " << e.what() << "\n";
        return 1;
    } catch (const std::exception& e) {
        err << "skinview: " << skinPath << ": " << SkinErrorText(e) << "\n";
        return 1;
    }
    if (!layout.empty())
        out << layout << "\n";
    if (!drawing)
        return 0;
    const std::string& outPath = parsed.options["-o"];
    try {
        Save(picture, outPath);
    } catch (const std::exception& e) {
        err << "skinview: " << outPath << ": " << e.what() << "\n";
        return 1;
    }
    if (layout.empty())
        out << outPath << ": " << picture.width() << " x " << picture.height() << "\n";
    return 0;
}

}  // namespace tools
