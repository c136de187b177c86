// The lint's checks of pictures and faces: picture indexes and masks, the PICTURES list, every face
// against its picture, areas and nine-part layouts against their faces, the frame's margins, flat
// faces and the contrast of text colours.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/gfx/surface.h"
#include "skin/data/value_encoding.h"
#include "tools/skinpack/lint_context.h"

namespace tools::lint {

using platform::COLORREF;
using platform::Point;
using platform::Rect;
using skin::SameText;

namespace {

constexpr std::string_view kPictures = "PICTURES";
// Text below this contrast with its face is hard to read (the large-text threshold of the web's
// accessibility guidelines; skin captions are small, so this is the least to ask).
constexpr double kLeastContrast = 3.0;

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && SameText(text.substr(text.size() - end.size()), end);
}

bool IsSystemColor(COLORREF color) {
    return (color >> 24) != 0;
}

std::string SizeText(int64_t width, int64_t height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

std::string RectText(const Rect& r) {
    return skin::FormatRect(r);
}

// "its right edge 40 lies left of its left edge 50", or "" for a rectangle that is not inverted.
std::string Inversion(const Rect& r) {
    if (r.Right < r.Left)
        return "its right edge " + std::to_string(r.Right) + " lies left of its left edge " +
               std::to_string(r.Left);
    if (r.Bottom < r.Top)
        return "its bottom edge " + std::to_string(r.Bottom) + " lies above its top edge " +
               std::to_string(r.Top);
    return "";
}

// How a rectangle at non-negative coordinates leaves a face of that size, or "".
std::string Overreach(const Rect& r, int32_t width, int32_t height) {
    if (r.Left >= width || r.Top >= height)
        return "lies outside";
    const bool right = r.Right > width, bottom = r.Bottom > height;
    if (right && bottom)
        return "reaches past the right and bottom edges of";
    if (right)
        return "reaches past the right edge of";
    if (bottom)
        return "reaches past the bottom edge of";
    return "";
}

double Channel(uint8_t c) {
    const double s = c / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
}

double Luminance(COLORREF c) {
    return 0.2126 * Channel(platform::GetRValue(c)) + 0.7152 * Channel(platform::GetGValue(c)) +
           0.0722 * Channel(platform::GetBValue(c));
}

double Contrast(COLORREF a, COLORREF b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// "2.9:1", cut (not rounded) to one decimal, so that nothing below 3:1 reads as 3.0:1.
std::string RatioText(double ratio) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f:1", std::floor(ratio * 10) / 10);
    return text;
}

// The colour of a face's middle luminance, from at most 64 x 64 samples.
COLORREF MedianColor(const platform::Surface& picture, const Rect& r) {
    constexpr int32_t kSamples = 64;
    const int32_t stepX = std::max(1, r.width() / kSamples), stepY = std::max(1, r.height() / kSamples);
    std::vector<std::pair<double, COLORREF>> samples;
    for (int32_t y = r.Top; y < r.Bottom; y += stepY)
        for (int32_t x = r.Left; x < r.Right; x += stepX) {
            const COLORREF c = platform::ColorFromPixel(picture.row(y)[x]);
            samples.emplace_back(Luminance(c), c);
        }
    auto middle = samples.begin() + ptrdiff_t(samples.size() / 2);
    std::nth_element(samples.begin(), middle, samples.end());
    return middle->second;
}

}  // namespace

void Lint::UsePicture(int32_t index) {
    if (index >= 0 && size_t(index) < pictureUsed_.size())
        pictureUsed_[size_t(index)] = true;
}

// --- Picture indexes and masks ----------------------------------------------------------------------

void Lint::CheckPictureIndexes() {
    const auto& pictures = data_.ActivePictures();
    const int64_t count = int64_t(pictures.size());
    auto inRange = [&](int32_t index) { return index >= 0 && index < count; };
    for (const SkinRecord& record : records_)
        for (const RecordKey& key : record.keys) {
            const int32_t* index = record.Value<int32_t>(key.name);
            if (!index || !EndsWith(key.name, "pictureindex") || !Written(record, key.name) || *index == -1)
                continue;
            if (!inRange(*index)) {
                AddAt(LintSeverity::Error, record, key.name,
                      "picture " + std::to_string(*index) + " does not exist: " +
                          (count == 0 ? std::string("the skin has no pictures")
                                      : "the skin has " + std::to_string(count) + " pictures, 0 to " +
                                            std::to_string(count - 1)) +
                          (*index < -1 ? "; -1 means none" : ""));
                continue;
            }
            UsePicture(*index);
            const std::string_view maskedKey = MaskedPictureKey(record, key.name);
            const int32_t* masked = maskedKey.empty() ? nullptr : record.Value<int32_t>(maskedKey);
            if (!masked || !inRange(*masked))
                continue;
            const framework::TBitmap& mask = pictures[size_t(*index)];
            const framework::TBitmap& picture = pictures[size_t(*masked)];
            if (mask.Width() != picture.Width() || mask.Height() != picture.Height())
                AddAt(LintSeverity::Error, record, key.name,
                      "the mask " + PictureLabel(data_, {false, *index, key.name}) +
                          " is not the size of the picture it masks, the " + std::string(maskedKey) + " " +
                          PictureLabel(data_, {false, *masked, maskedKey}));
        }
}

// --- PICTURES ----------------------------------------------------------------------------------------

void Lint::CheckPictureList() {
    const skin::SkinPackageLayout& layout = data_.PackageLayout();
    const framework::TBitmap& frame = data_.FramePicture();
    struct FramePicture {
        const char* key;
        const char* what;
        bool inPackage;
        const framework::TBitmap& picture;
    };
    const FramePicture framePictures[] = {
        {"picture", "frame picture", layout.frame.has_value(), frame},
        {"inactivepicture", "inactive frame picture", layout.inactiveFrame.has_value(),
         data_.InactiveFramePicture()},
        {"mask", "frame mask", layout.mask.has_value(), data_.FrameMask()},
    };
    for (const FramePicture& p : framePictures) {
        const std::string name = ini_.ReadString(kPictures, p.key, "");
        const auto found = Written(kPictures, p.key);
        const std::string section = found ? found->section->name : SectionAsWritten(kPictures);
        const std::string key = found ? found->entry->key : p.key;
        if (!name.empty() && !p.inPackage)
            Add(LintSeverity::Error, section, key,
                "names \"" + name + "\", but the skin package holds no " + p.what);
        else if (name.empty() && p.inPackage)
            Add(LintSeverity::Warning, section, key,
                std::string("the skin package holds a ") + p.what + " (" +
                    SizeText(p.picture.Width(), p.picture.Height()) + ") but PICTURES names no file for it");
        // The inactive picture and the mask are cut at the frame picture's places.
        if (&p.picture != &frame && !p.picture.Empty() && !frame.Empty() &&
            (p.picture.Width() != frame.Width() || p.picture.Height() != frame.Height()))
            Add(LintSeverity::Error, section, key,
                "the " + std::string(p.what) + " is " + SizeText(p.picture.Width(), p.picture.Height()) +
                    ", the frame picture " + SizeText(frame.Width(), frame.Height()) +
                    ": it is cut at the same places and must be the same size");
    }

    const auto& pictures = data_.ActivePictures();
    const int32_t listed = skin::ReadValue(ini_, kPictures, "activepicturescount", int32_t(0));
    for (const skin::IndexedValue& name : skin::ReadIndexedList(ini_, kPictures, "activepicturescount"))
        if (size_t(name.index) >= pictures.size()) {
            const auto found = Written(kPictures, std::to_string(name.index));
            Add(LintSeverity::Error, found ? found->section->name : SectionAsWritten(kPictures),
                found ? found->entry->key : std::to_string(name.index),
                "names \"" + name.value + "\", but the skin package holds only " +
                    std::to_string(pictures.size()) + " pictures");
        }
    if (int64_t(pictures.size()) > listed) {
        const auto found = Written(kPictures, "activepicturescount");
        Add(LintSeverity::Warning, found ? found->section->name : SectionAsWritten(kPictures),
            found ? found->entry->key : "activepicturescount",
            "the skin package holds " + std::to_string(pictures.size()) +
                " pictures, but PICTURES names only " + std::to_string(std::max(listed, 0)));
    }
    for (size_t i = 0; i < pictures.size(); ++i) {
        if (pictureUsed_[i])
            continue;
        const auto found = Written(kPictures, std::to_string(i));
        Add(LintSeverity::Warning, found ? found->section->name : SectionAsWritten(kPictures),
            found ? found->entry->key : "-",
            PictureLabel(data_, {false, int32_t(i), ""}) +
                " is used by no record: no pictureindex key names " + std::to_string(i));
    }
}

// --- Faces ----------------------------------------------------------------------------------------------

void Lint::CheckFaces() {
    for (const SkinRecord& record : records_)
        for (const RecordKey& key : record.keys)
            if (record.Value<Rect>(key.name) && RoleOf(record, key.name).kind == KeyRole::Face &&
                Written(record, key.name))
                CheckFace(record, key);
}

void Lint::CheckFace(const SkinRecord& record, const RecordKey& key) {
    const Rect& rect = *record.Value<Rect>(key.name);
    const std::string inversion = Inversion(rect);
    if (!inversion.empty()) {
        AddAt(LintSeverity::Error, record, key.name,
              "rectangle " + RectText(rect) + " is inverted: " + inversion);
        return;
    }
    if (rect.isEmpty())
        return;
    const PictureRef ref = PictureOf(record, key.name);
    const framework::TBitmap* picture = PictureAt(data_, ref);
    if (!picture) {
        if (ref.frame)
            AddAt(LintSeverity::Warning, record, key.name,
                  "face " + RectText(rect) + " lies on the frame picture, but the skin has none");
        else if (!ref.indexKey.empty() && ref.index == -1)
            AddAt(LintSeverity::Warning, record, key.name,
                  "face " + RectText(rect) + " is cut from no picture: " + std::string(ref.indexKey) +
                      " is -1");
        return;  // an index out of range is the index's finding
    }
    const std::string overreach = Overreach(rect, picture->Width(), picture->Height());
    if (!overreach.empty()) {
        AddAt(LintSeverity::Error, record, key.name,
              "face " + RectText(rect) + " " + overreach + " " + PictureLabel(data_, ref));
        return;
    }
    CheckFlatFace(record, key, {picture, ref, rect});
}

void Lint::CheckFlatFace(const SkinRecord& record, const RecordKey& key, const FaceInPicture& face) {
    const Rect& r = face.rect;
    const int64_t area = int64_t(r.width()) * r.height();
    if (area > pixelBudget_) {
        if (!budgetSpent_)
            Add(LintSeverity::Warning, "-", "-",
                "the skin names so many large faces that not all of them were looked at for flat colour and "
                "contrast");
        budgetSpent_ = true;
        return;
    }
    pixelBudget_ -= area;
    const platform::Surface& pixels = face.picture->Surface();
    const uint32_t first = pixels.row(r.Top)[r.Left] & 0x00FFFFFFu;
    for (int32_t y = r.Top; y < r.Bottom; ++y) {
        const uint32_t* row = pixels.row(y);
        for (int32_t x = r.Left; x < r.Right; ++x)
            if ((row[x] & 0x00FFFFFFu) != first)
                return;
    }
    AddAt(LintSeverity::Warning, record, key.name,
          "face " + RectText(r) + " in " + PictureLabel(data_, face.ref) + " is all one colour, " +
              ColorText(platform::ColorFromPixel(first)) + ": no drawing shows there");
}

// --- Areas and nine-part layouts --------------------------------------------------------------------

void Lint::CheckLayouts() {
    for (size_t i = 0; i < records_.size(); ++i) {
        const SkinRecord& record = records_[i];
        for (const RecordKey& key : record.keys)
            if (RoleOf(record, key.name).kind == KeyRole::Area && Written(record, key.name))
                CheckArea(record, key);
        // A record whose class throws its corner points away (an up-down face keeps its size) has
        // no layout to check; that the loader replaces them is said at the keys.
        const std::optional<SkinRecord> loaded = Loaded(i);
        const bool layoutUsed =
            !loaded || std::any_of(loaded->keys.begin(), loaded->keys.end(), [&](const RecordKey& k) {
                const Point* p = loaded->Value<Point>(k.name);
                return p && (p->X != 0 || p->Y != 0);
            });
        if (layoutUsed)
            CheckNinePart(record);
    }
}

void Lint::CheckArea(const SkinRecord& record, const RecordKey& key) {
    const KeyRole role = RoleOf(record, key.name);
    int32_t width = 0, height = 0;
    std::string face;
    if (role.anchor.empty()) {
        const PictureRef ref = PictureOf(record, "");
        const framework::TBitmap* picture = PictureAt(data_, ref);
        if (!picture)
            return;
        width = picture->Width();
        height = picture->Height();
        face = PictureLabel(data_, ref);
    } else {
        const Rect* anchor = record.Value<Rect>(role.anchor);
        if (!anchor || anchor->isEmpty())
            return;
        width = anchor->width();
        height = anchor->height();
        face = "its face " + std::string(role.anchor) + " (" + SizeText(width, height) + ")";
    }
    if (const Rect* rect = record.Value<Rect>(key.name)) {
        const std::string inversion = Inversion(*rect);
        if (!inversion.empty())
            AddAt(LintSeverity::Error, record, key.name,
                  "rectangle " + RectText(*rect) + " is inverted: " + inversion);
        else if (!rect->isEmpty())
            if (const std::string overreach = Overreach(*rect, width, height); !overreach.empty())
                AddAt(LintSeverity::Error, record, key.name,
                      "rectangle " + RectText(*rect) + " " + overreach + " " + face);
    } else if (const Point* point = record.Value<Point>(key.name)) {
        // A corner point may lie on the face's right or bottom edge.
        if (point->X > width || point->Y > height)
            AddAt(LintSeverity::Error, record, key.name,
                  "point " + skin::FormatPoint(*point) + " lies outside " + face + ": " +
                      (point->X > width ? "right of its right edge" : "below its bottom edge"));
    }
}

void Lint::CheckNinePart(const SkinRecord& record) {
    // The four edges of a nine-part face, each between two corner points that must not cross.
    struct Edge {
        std::string_view from, to;  // left to right, or top to bottom
        bool across;
        const char* name;
    };
    static constexpr Edge kEdges[] = {{"lefttoppoint", "righttoppoint", true, "top"},
                                      {"leftbottompoint", "rightbottompoint", true, "bottom"},
                                      {"lefttoppoint", "leftbottompoint", false, "left"},
                                      {"righttoppoint", "rightbottompoint", false, "right"}};
    for (const Edge& edge : kEdges) {
        const Point* from = record.Value<Point>(edge.from);
        const Point* to = record.Value<Point>(edge.to);
        if (!from || !to || (edge.across ? from->X <= to->X : from->Y <= to->Y))
            continue;
        // Said at the second point, unless only the first is written.
        const std::string_view at =
            Written(record, edge.to) || !Written(record, edge.from) ? edge.to : edge.from;
        AddAt(LintSeverity::Error, record, at,
              std::string(edge.to) + " " + skin::FormatPoint(*to) +
                  (edge.across ? " lies left of " : " lies above ") + std::string(edge.from) + " " +
                  skin::FormatPoint(*from) + ": the " + edge.name + " edge runs backwards");
    }
}

// --- The frame's margins ------------------------------------------------------------------------------

void Lint::CheckFrameMargins() {
    const SkinRecord& form = records_.front();  // FORMINFO is read first
    const framework::TBitmap& frame = data_.FramePicture();
    const Rect& client = *form.Value<Rect>("clientrect");
    if (frame.Empty() || client.isEmpty() || client.Right > frame.Width() || client.Bottom > frame.Height())
        return;
    const int32_t left = client.Left, right = frame.Width() - client.Right;
    const int32_t top = client.Top, bottom = frame.Height() - client.Bottom;
    const std::string cut = " (" + data_.PictureName() + " is " + SizeText(frame.Width(), frame.Height()) +
                            ", clientrect " + RectText(client) + ")";
    // A minimum of 0 means the frame picture's own width; a height of 0 the frame's own height.
    const int32_t minWidth = *form.Value<int32_t>("formminwidth");
    if (minWidth > 0 && int64_t(left) + right > minWidth)
        AddAt(LintSeverity::Error, form, "formminwidth",
              "the smallest window is " + std::to_string(minWidth) +
                  " pixels wide, but the frame's left and right borders take " + std::to_string(left) +
                  " + " + std::to_string(right) + " = " + std::to_string(int64_t(left) + right) + cut);
    const int32_t minHeight = *form.Value<int32_t>("formminheight");
    if (minHeight != 0 && int64_t(top) + bottom > minHeight)
        AddAt(LintSeverity::Error, form, "formminheight",
              "the smallest window is " + std::to_string(minHeight) +
                  " pixels high, but the frame's top and bottom borders take " + std::to_string(top) + " + " +
                  std::to_string(bottom) + " = " + std::to_string(int64_t(top) + bottom) + cut);
}

// --- Contrast ---------------------------------------------------------------------------------------------

const SkinRecord* Lint::ObjectNamed(std::string_view name) const {
    for (const SkinRecord& r : records_)
        if (r.kind == RecordKind::Object && r.section == name)
            return &r;
    return nullptr;
}

void Lint::CheckContrast() {
    for (const SkinRecord& record : records_)
        for (const ContrastPair& pair : ContrastPairs())
            if (std::find(pair.types.begin(), pair.types.end(), record.typeName) != pair.types.end())
                CheckContrastPair(record, pair);
}

void Lint::CheckContrastPair(const SkinRecord& record, const ContrastPair& pair) {
    const COLORREF* text = record.Value<COLORREF>(pair.text);
    auto flag = [&](std::string_view key) {
        const bool* b = record.Value<bool>(key);
        return b && *b;
    };
    if (!text || IsSystemColor(*text) || (!pair.when.empty() && !flag(pair.when)) ||
        (!pair.unless.empty() && flag(pair.unless)))
        return;
    const std::string textWords = "text colour " + ColorText(*text);
    if (!pair.background.empty()) {
        const COLORREF* background = record.Value<COLORREF>(pair.background);
        if (!background || IsSystemColor(*background))
            return;
        const double ratio = Contrast(*text, *background);
        if (ratio < kLeastContrast)
            AddAt(LintSeverity::Warning, record, pair.text,
                  textWords + " on the background colour " + std::string(pair.background) + " (" +
                      ColorText(*background) + ") has a contrast of " + RatioText(ratio) +
                      "; text needs at least 3:1");
        return;
    }
    const SkinRecord* source = &record;
    if (!pair.faceRecords.empty()) {
        source = nullptr;
        for (std::string_view name : pair.faceRecords)
            if (!source)
                source = ObjectNamed(name);
        if (!source)
            return;
    }
    for (std::string_view faceKey : pair.faces) {
        const std::optional<FaceInPicture> face = LocateFace(data_, *source, faceKey);
        if (!face || !face->picture)
            continue;
        const Rect r =
            platform::intersect(face->rect, {0, 0, face->picture->Width(), face->picture->Height()});
        if (r.isEmpty())
            continue;
        const int64_t area = int64_t(r.width()) * r.height();
        if (std::min<int64_t>(area, 64 * 64) > pixelBudget_)
            return;
        pixelBudget_ -= std::min<int64_t>(area, 64 * 64);
        const COLORREF middle = MedianColor(face->picture->Surface(), r);
        const double ratio = Contrast(*text, middle);
        if (ratio < kLeastContrast) {
            const std::string where = faceKey.empty()
                                          ? "the window picture"
                                          : "face " + std::string(faceKey) + " " + RectText(face->rect);
            const std::string of = source == &record ? "" : " of [" + source->section + "]";
            AddAt(LintSeverity::Warning, record, pair.text,
                  textWords + " on " + where + of + " (mostly " + ColorText(middle) + ") has a contrast of " +
                      RatioText(ratio) + "; text needs at least 3:1");
        }
        return;
    }
}

}  // namespace tools::lint
