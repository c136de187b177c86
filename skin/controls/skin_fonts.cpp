#include "skin/controls/skin_fonts.h"

namespace skin {

void AssignSkinFont(framework::TFont& target, const SkinFontKeys* record, bool useSkinFont,
                    const framework::TFont& ownFont, const TbsSkinData* skinData, framework::TColor color) {
    const platform::LOGFONT f = ApplySkinFont(record, useSkinFont, ownFont.LogFont(), skinData);
    framework::TFont font;
    font.SetName(f.lfFaceName);
    font.SetHeight(f.lfHeight);
    framework::TFontStyles style;
    style.set(framework::TFontStyle::fsBold, f.lfWeight >= platform::FW_BOLD);
    style.set(framework::TFontStyle::fsItalic, f.lfItalic);
    style.set(framework::TFontStyle::fsUnderline, f.lfUnderline);
    style.set(framework::TFontStyle::fsStrikeOut, f.lfStrikeOut);
    font.SetStyle(style);
    font.SetCharset(f.lfCharSet);
    font.SetColor(color);
    if (!target.SameAs(font))
        target.Assign(font);
}

}  // namespace skin
