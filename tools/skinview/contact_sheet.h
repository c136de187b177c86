// skinview sheet: every face of every record of a skin on one contact sheet, each labelled with its
// section and key and the rectangle the key gives, so that a skin author sees at once what each key
// cuts. On each face the areas placed in it are outlined (the nine-part client rectangle in teal,
// text and button areas in orange) and its nine-part corner points marked with blue crosses; the
// part of a face that reaches outside its picture is hatched red.
//
//   +- [closebutton] stdbutton, picture 0, active.bmp -----------+  +- [tab] ...
//   | +------+  +------+  +------+                               |  |
//   | | face |  | face |  | face |  ...                          |  |
//   | +------+  +------+  +------+                               |  |
//   | skinrect  activeskinrect  downrect                         |  |
//   | 40,0,58,17 20,0,38,17     0,0,18,17                        |  |
//   +-------------------------------------------------------------+  +---
//
// Records follow in the order the loader reads them: FORMINFO, POPUPWINDOW, HINTWINDOW, LAYERFRAME
// (their whole pictures), the skin objects, the skin controls.
#pragma once

#include <string>
#include <vector>

#include "platform/geometry.h"
#include "skin/data/skin_data.h"
#include "skin/render/picture.h"

namespace tools {

// One face on the sheet: the record and key that give it, the rectangle in its picture and where
// it is shown (scaled nearest-neighbour, as the platform stretches).
struct SheetFace {
    std::string section;
    std::string key;  // "picture" or the picture key of a window record's whole picture
    platform::Rect face;
    platform::Rect shown;
};

struct ContactSheet {
    skin::Picture picture;
    std::vector<SheetFace> faces;
};

// Throws std::runtime_error when the skin has no face at all or the sheet would be too large.
ContactSheet RenderContactSheet(const skin::TbsSkinData& data);

}  // namespace tools
