// The font a skinned part draws its text in: the skin record's font keys, or the part's own default
// font, with the character set of the skin's resource strings when there are any.
#pragma once

#include <cstdint>
#include <string>

#include "platform/gfx/font.h"
#include "skin/data/value_types.h"

namespace skin {

class TbsSkinData;

// The font keys of a skin record ("fontname", "fontheight", "fontstyle").
struct SkinFontKeys {
    std::string FontName;
    int32_t FontHeight = 0;
    TFontStyles FontStyle;
};

// The record's font when there is a record and `useSkinFont`, else `defaultFont`; the character
// set from the skin data's resource strings when attached, else the default font's.
platform::LOGFONT ApplySkinFont(const SkinFontKeys* record, bool useSkinFont,
                                const platform::LOGFONT& defaultFont, const TbsSkinData* skinData);

// The LOGFONT of skin font keys (a positive height is the cell height, as the skin gives it).
platform::LOGFONT LogFontOf(const SkinFontKeys& keys, uint8_t charSet);

}  // namespace skin
