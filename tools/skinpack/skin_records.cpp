#include "tools/skinpack/skin_records.h"

#include <algorithm>
#include <cstdint>

#include "skin/data/ini_document.h"

namespace tools {

using platform::Rect;
using skin::SameText;

namespace {

class CollectKeys : public skin::KeyVisitor {
  public:
    void Visit(std::string_view key, const skin::AnyKeySlot& slot) override { keys.push_back({key, slot}); }
    std::vector<RecordKey> keys;
};

bool IsGeometry(const RecordKey& key) {
    return std::holds_alternative<skin::KeySlot<Rect>>(key.slot) ||
           std::holds_alternative<skin::KeySlot<platform::Point>>(key.slot);
}

// Skin coordinates reach 2^31 - 1; a place within a far face must not wrap around.
Rect OffsetRect(const Rect& r, int32_t dx, int32_t dy) {
    auto add = [](int32_t a, int32_t b) {
        return int32_t(std::clamp<int64_t>(int64_t(a) + b, INT32_MIN, INT32_MAX));
    };
    return {add(r.Left, dx), add(r.Top, dy), add(r.Right, dx), add(r.Bottom, dy)};
}

bool Listed(const std::vector<std::string_view>& names, std::string_view name) {
    return names.empty() || std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

std::vector<RecordKey> KeysOf(const skin::KeyedValues& record) {
    CollectKeys collect;
    // As SaveSection does: VisitKeys only hands out the members; this visitor writes none.
    const_cast<skin::KeyedValues&>(record).VisitKeys(collect);
    return std::move(collect.keys);
}

SkinRecord::SkinRecord(RecordKind kind, std::string section, std::string_view typeName,
                       const skin::KeyedValues& record)
    : kind(kind), section(std::move(section)), typeName(typeName), keys(KeysOf(record)) {}

const RecordKey* SkinRecord::Find(std::string_view key) const {
    // Most lookups name a key with the class's own literal.
    for (const RecordKey& k : keys)
        if (k.name.data() == key.data() && k.name.size() == key.size())
            return &k;
    for (const RecordKey& k : keys)
        if (SameText(k.name, key))
            return &k;
    return nullptr;
}

bool SkinRecord::IsWindowRecord() const {
    return kind == RecordKind::FormInfo || kind == RecordKind::PopupWindow ||
           kind == RecordKind::HintWindow || kind == RecordKind::LayerFrame;
}

const std::vector<AreaRule>& AreaRules() {
    // Where the areas lie is the drawing code's business; these are the places it reads relative
    // to a face rather than faces of their own.
    static const std::vector<AreaRule> rules = {
        {"clientrect", "skinrect", {}},
        {"textrect", "skinrect", {}},
        {"imagerect", "skinrect", {}},
        {"frametextrect", "framerect", {}},
        {"captionrect", "skinrect", {}},
        {"rollhcaptionrect", "rollhskinrect", {}},
        {"rollvcaptionrect", "rollvskinrect", {}},
        {"itemtextrect", "itemrect", {}},
        {"itemcheckrect", "itemrect", {}},
        {"fixedcelltextrect", "fixedcellrect", {}},
        {"celltextrect", "", {}},  // within a cell, whose face the grid draws itself
        {"checkimagearea", "skinrect", {}},
        {"textarea", "skinrect", {}},
        {"progressarea", "skinrect", {}},
        {"trackarea", "skinrect", {}},
        {"buttonsarea", "skinrect", {}},
        {"itemsrect", "skinrect", {}},
        // Where the buttons of a scroller sit in its face; in a field "downbuttonrect" is the face of
        // its pressed button instead.
        {"upbuttonrect", "skinrect", {"updown", "scrollbar", "spinedit", "listbox", "checklistbox"}},
        {"downbuttonrect", "skinrect", {"updown", "scrollbar", "spinedit", "listbox", "checklistbox"}},
        {"checkbuttonrect", "skinrect", {}},
        {"trackbuttonrect", "skinrect", {}},
        // The button of a field sits in the field's face; a track bar's button is a face of its own.
        {"buttonrect", "skinrect", {"edit", "memo", "combobox"}},
    };
    return rules;
}

const std::vector<ContrastPair>& ContrastPairs() {
    // Text colours against the faces they are drawn on. Disabled text is meant to be faint and is
    // left out.
    static const std::vector<ContrastPair> pairs = {
        {{"button", "menubutton"}, "fontcolor", {"skinrect"}, "", "", "", {}},
        {{"button", "menubutton"}, "activefontcolor", {"activeskinrect", "skinrect"}, "", "", "", {}},
        {{"button", "menubutton"}, "downfontcolor", {"downskinrect", "skinrect"}, "", "", "", {}},
        {{"tab"}, "fontcolor", {"tabrect"}, "", "", "", {}},
        {{"tab"}, "activefontcolor", {"activetabrect", "tabrect"}, "", "", "", {}},
        {{"tab"}, "focusfontcolor", {"focustabrect", "activetabrect", "tabrect"}, "", "", "", {}},
        {{"tab"}, "mouseinfontcolor", {"mouseintabrect", "tabrect"}, "", "", "", {}},
        {{"menuitem"}, "fontcolor", {"skinrect"}, "", "", "inactivetransparent", {}},
        {{"menuitem"}, "activefontcolor", {"activeskinrect"}, "", "", "", {}},
        {{"menuitem"}, "imagecolor", {"skinrect"}, "", "useimagecolor", "inactivetransparent", {}},
        {{"menuitem"}, "activeimagecolor", {"activeskinrect"}, "", "useimagecolor", "", {}},
        {{"mainmenubaritem"}, "fontcolor", {"skinrect"}, "", "", "", {}},
        {{"mainmenubaritem"}, "activefontcolor", {"activeskinrect", "skinrect"}, "", "", "", {}},
        {{"mainmenubaritem"}, "downfontcolor", {"downrect", "skinrect"}, "", "", "", {}},
        {{"caption"}, "fontcolor", {"inactiveskinrect", "skinrect"}, "", "", "", {}},
        {{"caption"}, "activefontcolor", {"activeskinrect", "skinrect"}, "", "", "", {}},
        {{"checkradio", "edit", "spinedit", "combobox"}, "fontcolor", {"skinrect"}, "", "", "", {}},
        {{"checkradio", "edit", "spinedit", "combobox"},
         "activefontcolor",
         {"activeskinrect", "skinrect"},
         "",
         "",
         "",
         {}},
        {{"combobox"}, "focusfontcolor", {"focusitemrect"}, "", "", "", {}},
        {{"memo"}, "fontcolor", {}, "bgcolor", "", "", {}},
        {{"memo"}, "activefontcolor", {}, "activebgcolor", "", "", {}},
        {{"listbox", "checklistbox"}, "fontcolor", {"itemrect"}, "", "", "", {}},
        {{"listbox", "checklistbox"}, "activefontcolor", {"activeitemrect", "itemrect"}, "", "", "", {}},
        {{"listbox", "checklistbox"},
         "focusfontcolor",
         {"focusitemrect", "activeitemrect", "itemrect"},
         "",
         "",
         "",
         {}},
        {{"listbox", "checklistbox"}, "captionfontcolor", {"captionrect"}, "", "", "", {}},
        {{"grid", "treeview", "listview", "richedit"}, "fontcolor", {}, "bgcolor", "", "", {}},
        {{"grid"}, "selectfontcolor", {"selectcellrect"}, "", "", "", {}},
        {{"grid"}, "focusfontcolor", {"focuscellrect", "selectcellrect"}, "", "", "", {}},
        {{"grid"}, "fixedfontcolor", {"fixedcellrect"}, "", "", "", {}},
        {{"panel", "expanel"}, "fontcolor", {"captionrect", "skinrect"}, "", "", "", {}},
        {{"label", "gauge"}, "fontcolor", {"skinrect"}, "", "", "", {}},
        {{"HINTWINDOW"}, "fontcolor", {"clientrect", ""}, "", "", "", {}},
        // The scroll markers of a long menu are drawn on the normal face of the menu item record,
        // which popups look up as "menuitem" and then "MENUITEM".
        {{"POPUPWINDOW"}, "scrollmarkercolor", {"skinrect"}, "", "", "", {"menuitem", "MENUITEM"}},
        {{"POPUPWINDOW"}, "scrollmarkeractivecolor", {"skinrect"}, "", "", "", {"menuitem", "MENUITEM"}},
        {{"SKINCOLORS"}, "cbtntext", {}, "cbtnface", "", "", {}},
        {{"SKINCOLORS"}, "cwindowtext", {}, "cwindow", "", "", {}},
        {{"SKINCOLORS"}, "chighlighttext", {}, "chighlight", "", "", {}},
    };
    return pairs;
}

KeyRole RoleOf(const SkinRecord& record, std::string_view key) {
    const RecordKey* k = record.Find(key);
    if (!k || !IsGeometry(*k))
        return {};
    if (record.IsWindowRecord()) {
        // The mask area and the blur rectangles belong to other pictures than the record's own.
        static const std::string_view kElsewhere[] = {"maskrectarea", "intersectblurmaskrect",
                                                      "excludeblurmaskrect"};
        for (std::string_view other : kElsewhere)
            if (SameText(key, other))
                return {};
        return {KeyRole::Area, ""};
    }
    if (std::holds_alternative<skin::KeySlot<platform::Point>>(k->slot))
        return record.Find("clientrect") ? RoleOf(record, "clientrect") : KeyRole{};
    for (const AreaRule& rule : AreaRules()) {
        if (!SameText(rule.key, key) || !Listed(rule.types, record.typeName))
            continue;
        if (rule.anchor.empty())
            return {};
        if (record.Find(rule.anchor))
            return {KeyRole::Area, rule.anchor};
    }
    return {KeyRole::Face, ""};
}

PictureRef PictureOf(const SkinRecord& record, std::string_view faceKey) {
    auto byKey = [&](std::string_view indexKey) {
        const int32_t* index = record.Value<int32_t>(indexKey);
        return index ? PictureRef{false, *index, record.Find(indexKey)->name} : PictureRef{};
    };
    switch (record.kind) {
        case RecordKind::FormInfo:
            return {true, -1, ""};
        case RecordKind::PopupWindow:
        case RecordKind::HintWindow:
            return byKey("windowpictureindex");
        case RecordKind::LayerFrame:
        case RecordKind::Control:
            return byKey("pictureindex");
        case RecordKind::Object: {
            const bool* inPicture = record.Value<bool>("skinrectinapicture");
            // A user object reads "skinrect" only, so it lies on the frame.
            if (SameText(faceKey, "skinrect") && (!inPicture || !*inPicture))
                return {true, -1, ""};
            return byKey("activepictureindex");
        }
        case RecordKind::SkinColors:
            break;
    }
    return {};
}

std::string_view MaskedPictureKey(const SkinRecord& record, std::string_view maskKey) {
    constexpr std::string_view kSuffix = "maskpictureindex";
    if (maskKey.size() < kSuffix.size() ||
        !SameText(maskKey.substr(maskKey.size() - kSuffix.size()), kSuffix))
        return "";
    const std::string masked =
        std::string(maskKey.substr(0, maskKey.size() - kSuffix.size())) + "pictureindex";
    if (const RecordKey* k = record.Find(masked))
        return k->name;
    // The popup and hint records call their picture the window picture.
    if (masked == "pictureindex")
        if (const RecordKey* k = record.Find("windowpictureindex"))
            return k->name;
    return "";
}

std::vector<SkinRecord> RecordsOf(const skin::TbsSkinData& data) {
    using skin::TbsDataSkinHintWindow;
    std::vector<SkinRecord> records;
    records.emplace_back(RecordKind::FormInfo, std::string(skin::TbsFormInfo::kSection),
                         skin::TbsFormInfo::kSection, data.FormInfo());
    records.emplace_back(RecordKind::PopupWindow, std::string(skin::TbsDataSkinPopupWindow::kSection),
                         skin::TbsDataSkinPopupWindow::kSection, data.PopupWindow());
    records.emplace_back(RecordKind::HintWindow, std::string(TbsDataSkinHintWindow::kSection),
                         TbsDataSkinHintWindow::kSection, data.HintWindow());
    records.emplace_back(RecordKind::LayerFrame, std::string(skin::TbsDataSkinLayerFrame::kSection),
                         skin::TbsDataSkinLayerFrame::kSection, data.LayerFrame());
    records.emplace_back(RecordKind::SkinColors, std::string(skin::TbsSkinColors::kSection),
                         skin::TbsSkinColors::kSection, data.SkinColors());
    for (const auto& o : data.SkinObjects())
        records.emplace_back(RecordKind::Object, o->IDName, o->TypeName(), *o);
    for (const auto& c : data.SkinControls())
        records.emplace_back(RecordKind::Control, c->IDName, c->TypeName(), *c);
    return records;
}

const framework::TBitmap* PictureAt(const skin::TbsSkinData& data, const PictureRef& ref) {
    if (ref.frame)
        return data.FramePicture().Empty() ? nullptr : &data.FramePicture();
    const auto& pictures = data.ActivePictures();
    if (ref.index < 0 || size_t(ref.index) >= pictures.size() || pictures[size_t(ref.index)].Empty())
        return nullptr;
    return &pictures[size_t(ref.index)];
}

std::string PictureLabel(const skin::TbsSkinData& data, const PictureRef& ref) {
    const framework::TBitmap* picture = PictureAt(data, ref);
    const std::string size =
        picture ? " (" + std::to_string(picture->Width()) + " x " + std::to_string(picture->Height()) + ")"
                : "";
    if (ref.frame)
        return "the frame picture " + data.PictureName() + size;
    const auto& names = data.ActivePictureNames();
    const std::string name =
        ref.index >= 0 && size_t(ref.index) < names.size() && !names[size_t(ref.index)].empty()
            ? ", " + names[size_t(ref.index)]
            : "";
    return "picture " + std::to_string(ref.index) + name + size;
}

std::optional<FaceInPicture> LocateFace(const skin::TbsSkinData& data, const SkinRecord& record,
                                        std::string_view key) {
    if (key.empty()) {
        if (!record.IsWindowRecord())
            return std::nullopt;
        FaceInPicture whole;
        whole.ref = PictureOf(record, "");
        whole.picture = PictureAt(data, whole.ref);
        if (whole.picture)
            whole.rect = {0, 0, whole.picture->Width(), whole.picture->Height()};
        return whole;
    }
    const Rect* value = record.Value<Rect>(key);
    const KeyRole role = RoleOf(record, key);
    if (!value || value->isEmpty())
        return std::nullopt;
    if (role.kind == KeyRole::Face) {
        FaceInPicture face;
        face.ref = PictureOf(record, key);
        face.picture = PictureAt(data, face.ref);
        face.rect = *value;
        return face;
    }
    if (role.kind != KeyRole::Area)
        return std::nullopt;
    std::optional<FaceInPicture> anchor = LocateFace(data, record, role.anchor);
    if (!anchor)
        return std::nullopt;
    anchor->rect = OffsetRect(*value, anchor->rect.Left, anchor->rect.Top);
    return anchor;
}

}  // namespace tools
