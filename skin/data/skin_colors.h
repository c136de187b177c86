// TbsSkinColors: the eight colours a skin gives the standard parts of its windows (section
// "SKINCOLORS"). A new set holds 0 in all eight; a missing key, or a cleared skin, gives the
// platform's system colour (0xFF000000 | index).
#pragma once

#include <string_view>

#include "platform/color.h"
#include "skin/data/keyed_values.h"

namespace skin {

class TbsSkinColors final : public KeyedValues {
  public:
    static constexpr std::string_view kSection = "SKINCOLORS";
    TbsSkinColors() = default;
    void Load(const IniDocument& ini) { LoadSection(ini, kSection); }
    void Save(IniDocument& ini) const { SaveSection(ini, kSection); }
    void VisitKeys(KeyVisitor& key) override;
    void ResetToSystemColors() { VisitKeys(Defaults()); }

    platform::COLORREF cBtnFace = 0;
    platform::COLORREF cBtnText = 0;
    platform::COLORREF cWindow = 0;
    platform::COLORREF cWindowText = 0;
    platform::COLORREF cHighLight = 0;
    platform::COLORREF cHighLightText = 0;
    platform::COLORREF cBtnHighLight = 0;
    platform::COLORREF cBtnShadow = 0;
};

}  // namespace skin
