#include "skin/render/skin_font.h"

#include "skin/data/skin_data.h"

namespace skin {

using platform::LOGFONT;

LOGFONT LogFontOf(const SkinFontKeys& keys, uint8_t charSet) {
    LOGFONT f;
    f.lfFaceName = keys.FontName;
    f.lfHeight = keys.FontHeight;
    f.lfWeight = keys.FontStyle.Bold ? platform::FW_BOLD : platform::FW_NORMAL;
    f.lfItalic = keys.FontStyle.Italic;
    f.lfUnderline = keys.FontStyle.Underline;
    f.lfStrikeOut = keys.FontStyle.StrikeOut;
    f.lfCharSet = charSet;
    return f;
}

LOGFONT ApplySkinFont(const SkinFontKeys* record, bool useSkinFont, const LOGFONT& defaultFont,
                      const TbsSkinData* skinData) {
    const uint8_t charSet = skinData && skinData->ResourceStrData() ? skinData->ResourceStrData()->CharSet()
                                                                    : defaultFont.lfCharSet;
    if (record && useSkinFont)
        return LogFontOf(*record, charSet);
    LOGFONT f = defaultFont;
    f.lfCharSet = charSet;
    return f;
}

}  // namespace skin
