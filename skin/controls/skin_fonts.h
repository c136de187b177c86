// The caption font of a skinned control as a framework font: the skin record's font keys when the
// control uses the skin font, else the control's own font, with the character set of the skin's
// resource strings when the skin data has them (ApplySkinFont).
#pragma once

#include "framework/graphics/font.h"
#include "skin/render/skin_font.h"

namespace skin {

class TbsSkinData;

// `target` takes the font in one change (its OnChange fires once).
void AssignSkinFont(framework::TFont& target, const SkinFontKeys* record, bool useSkinFont,
                    const framework::TFont& ownFont, const TbsSkinData* skinData, framework::TColor color);

}  // namespace skin
