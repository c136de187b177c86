// The faces skinview can draw from a skin, looked up by record name.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/geometry.h"
#include "skin/data/skin_data.h"
#include "skin/render/bars.h"
#include "skin/render/nine_part_layout.h"
#include "skin/render/picture.h"

namespace tools {

struct RecordFace {
    const skin::Picture* picture = nullptr;
    platform::Rect R;
    std::optional<skin::NinePartLayout> layout;  // records without one can still be drawn as bars
    skin::SideStretch sides;
    skin::ClientFill fill;
    skin::BarEnds horizontalEnds;  // left and right end widths
    skin::BarEnds verticalEnds;    // top and bottom end heights
    bool stretch = false;          // the record's stretch effect
};

// "FORMINFO", "POPUPWINDOW", "HINTWINDOW", a skin control (the nine-part faces of controls) or a
// skin object (caption buttons, menu items: bars). None when there is no such record or its
// picture is missing; `why` then says which.
std::optional<RecordFace> FaceOfRecord(const skin::TbsSkinData& data, std::string_view name,
                                       std::string& why);

// A record's normal and active faces (caption buttons, menu items, buttons) for morphs: the first
// the picture and rectangle of its normal face, the second of its active face.
struct MorphFaces {
    const skin::Picture* normalPicture = nullptr;
    platform::Rect normal;
    const skin::Picture* activePicture = nullptr;
    platform::Rect active;
};
std::optional<MorphFaces> MorphFacesOfRecord(const skin::TbsSkinData& data, std::string_view name,
                                             std::string& why);

}  // namespace tools
