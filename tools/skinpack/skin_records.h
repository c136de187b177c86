// A skin's records as skin authors see them, for the lint and the contact sheet: every key of a
// record as its class lists it in VisitKeys (so a key added to a class is known here at once), and
// what a rectangle or point key cuts — a face of a picture, or an area within another face.
//
// Which picture a face lies in follows from the record's kind:
//
//   FORMINFO                 the frame picture; every rectangle and point is a place in it
//   POPUPWINDOW, HINTWINDOW  picture "windowpictureindex"; every rectangle and point a place in it
//   LAYERFRAME               picture "pictureindex"; likewise
//   skin objects             picture "activepictureindex"; "skinrect" lies on the frame picture
//                            unless "skinrectinapicture" is 1
//   skin controls            picture "pictureindex"
//
// Rectangles of objects and controls are faces unless AreaRules() names them as areas within
// another face of the same record (text areas, button places, the nine-part client rectangle).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "platform/geometry.h"
#include "skin/data/keyed_values.h"
#include "skin/data/skin_data.h"

namespace tools {

// One key as its class lists it: INI name, the member (through the slot) and its default.
struct RecordKey {
    std::string_view name;
    skin::AnyKeySlot slot;
};

// Every key of a record in reading order. The slots point into the record, which VisitKeys needs
// writable; callers only read through them.
std::vector<RecordKey> KeysOf(const skin::KeyedValues& record);

enum class RecordKind { FormInfo, PopupWindow, HintWindow, LayerFrame, SkinColors, Object, Control };

struct SkinRecord {
    RecordKind kind = RecordKind::Object;
    std::string section;        // the section it reads
    std::string_view typeName;  // list type ("stdbutton", "tab"); the section name for file-level records
    std::vector<RecordKey> keys;

    SkinRecord(RecordKind kind, std::string section, std::string_view typeName,
               const skin::KeyedValues& record);

    // Case-insensitive, as sections are read.
    const RecordKey* Find(std::string_view key) const;
    // The value of a key of that type, or nullptr when the record has no such key.
    template <class T>
    const T* Value(std::string_view key) const {
        const RecordKey* k = Find(key);
        const auto* slot = k ? std::get_if<skin::KeySlot<T>>(&k->slot) : nullptr;
        return slot ? slot->value : nullptr;
    }
    // FORMINFO, POPUPWINDOW, HINTWINDOW and LAYERFRAME: the whole picture is the face.
    bool IsWindowRecord() const;
};

// What a rectangle or point key is.
struct KeyRole {
    enum Kind {
        Face,  // a face cut from a picture (PictureOf tells which)
        Area,  // a place within the face `anchor` ("" = the record's whole picture)
        Free,  // a place whose face is not the record's to know; nothing to check
    };
    Kind kind = Free;
    std::string_view anchor;
};
KeyRole RoleOf(const SkinRecord& record, std::string_view key);

// The picture a face (or, for "", a window record's whole picture) lies in.
struct PictureRef {
    bool frame = false;         // the frame picture
    int32_t index = -1;         // else a position in ActivePictures; -1: none
    std::string_view indexKey;  // the key that gives the position
};
PictureRef PictureOf(const SkinRecord& record, std::string_view faceKey);

// The picture key a mask key masks ("activemaskpictureindex" -> "activepictureindex"), or "" when
// the mask has no picture of its own to match.
std::string_view MaskedPictureKey(const SkinRecord& record, std::string_view maskKey);

// Rectangle keys of objects and controls that are areas within another face. An empty type list
// means every class that has both keys.
struct AreaRule {
    std::string_view key;
    std::string_view anchor;  // "" : a place with no face of its own (Free)
    std::vector<std::string_view> types;
};
const std::vector<AreaRule>& AreaRules();

// A text colour and what it is drawn on: the first of `faces` that is given, or the colour
// `background`; rows apply to the listed types only when `when` is 1 and `unless` is not.
// `faceRecords` names another record whose faces are meant (looked up in order, as the program does).
struct ContrastPair {
    std::vector<std::string_view> types;
    std::string_view text;
    std::vector<std::string_view> faces;
    std::string_view background;
    std::string_view when;
    std::string_view unless;
    std::vector<std::string_view> faceRecords;
};
const std::vector<ContrastPair>& ContrastPairs();

// The records of a loaded skin in the order the loader reads them: FORMINFO, POPUPWINDOW,
// HINTWINDOW, LAYERFRAME, SKINCOLORS, the objects, the controls.
std::vector<SkinRecord> RecordsOf(const skin::TbsSkinData& data);

// A face found in its picture.
struct FaceInPicture {
    const framework::TBitmap* picture = nullptr;  // null: the record has no such picture
    PictureRef ref;
    platform::Rect rect;  // in the picture; may reach outside it
};
// A face key, or an area key placed within its anchor face; "" is a window record's whole
// picture. None for keys that are neither, or an empty face.
std::optional<FaceInPicture> LocateFace(const skin::TbsSkinData& data, const SkinRecord& record,
                                        std::string_view key);

// "picture 3, controls.bmp (539 x 362)", "the frame picture main.bmp (158 x 136)".
std::string PictureLabel(const skin::TbsSkinData& data, const PictureRef& ref);
const framework::TBitmap* PictureAt(const skin::TbsSkinData& data, const PictureRef& ref);

}  // namespace tools
