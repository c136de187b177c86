// Arbitrary bytes as skin INI text: parsed in place it gives the document of its lines, every record
// class reads the sections the text has, and what a record saves must read back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "framework/core/exception.h"
#include "skin/data/form_info.h"
#include "skin/data/ini_document.h"
#include "skin/data/skin_colors.h"
#include "skin/data/skin_control_records.h"
#include "skin/data/skin_object_records.h"
#include "skin/data/window_records.h"

namespace {

// Loads the record from the text and checks that saving and loading again changes nothing.
template <class Record>
void LoadAndRoundTrip(Record& record, Record& again, const skin::IniDocument& ini) {
    try {
        record.Load(ini);
    } catch (const framework::EConvertError&) {
        return;
    }
    skin::IniDocument saved;
    record.Save(saved);
    again.Load(saved);
    skin::IniDocument savedAgain;
    again.Save(savedAgain);
    if (saved.ToLines() != savedAgain.ToLines())
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> lines;
    try {
        lines = skin::SplitTextLines(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const framework::EReadError&) {
        return 0;
    }
    const skin::IniDocument ini(lines);
    size_t lineCount = 0;
    const skin::IniDocument inPlace =
        skin::IniDocument::Parse(std::string_view(reinterpret_cast<const char*>(data), size), lineCount);
    if (inPlace.ToLines() != ini.ToLines() || lineCount != lines.size())
        std::abort();

    skin::TbsFormInfo formInfo, formInfoAgain;
    LoadAndRoundTrip(formInfo, formInfoAgain, ini);
    formInfo.ApplyFrameRules(true);
    skin::TbsSkinColors colors, colorsAgain;
    LoadAndRoundTrip(colors, colorsAgain, ini);
    skin::TbsDataSkinPopupWindow popup, popupAgain;
    LoadAndRoundTrip(popup, popupAgain, ini);
    skin::TbsDataSkinHintWindow hint, hintAgain;
    LoadAndRoundTrip(hint, hintAgain, ini);
    skin::TbsDataSkinLayerFrame layer, layerAgain;
    LoadAndRoundTrip(layer, layerAgain, ini);

    // Each of the first sections read by one object class and one control class, chosen by the
    // section's position, so that every class meets every kind of section over the runs.
    const std::vector<std::string_view> objectTypes = skin::SkinObjectTypeNames();
    const std::vector<std::string_view> controlTypes = skin::SkinControlTypeNames();
    const std::vector<std::string> sections = ini.SectionNames();
    const size_t pick = size > 0 ? data[0] : 0;
    for (size_t i = 0; i < sections.size() && i < 8; ++i) {
        const std::string_view objectType = objectTypes[(pick + i) % objectTypes.size()];
        const std::string_view controlType = controlTypes[(pick + i) % controlTypes.size()];
        auto object = skin::CreateSkinObject(objectType, sections[i]);
        auto objectAgain = skin::CreateSkinObject(objectType, sections[i]);
        LoadAndRoundTrip(*object, *objectAgain, ini);
        auto control = skin::CreateSkinControl(controlType, sections[i]);
        auto controlAgain = skin::CreateSkinControl(controlType, sections[i]);
        LoadAndRoundTrip(*control, *controlAgain, ini);
    }
    return 0;
}
