// The skin's keys are listed twice: in the record classes of skin/data (VisitKeys), which read
// them, and in the shipped skin's generator (skins/default/skinkeys.py), which writes them. Both
// lists agree for every record class and file-level section: the same keys in the same order with
// the same defaults, so a key added, renamed or given another default on one side only fails here.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "skin/data/form_info.h"
#include "skin/data/skin_colors.h"
#include "skin/data/skin_control_records.h"
#include "skin/data/skin_object_records.h"
#include "skin/data/value_encoding.h"
#include "skin/data/window_records.h"
#include "tests/skin_data/skin_fixture.h"

namespace {

using skin::IniDocument;
using skin::KeyedValues;

// "kind name" -> the section's lines, key=value with every value at its default.
using KeyTables = std::map<std::string, std::vector<std::string>>;

// Each key as its record reads it, with the value a missing key takes, in the INI notation.
class DefaultsWriter : public skin::KeyVisitor {
  public:
    void Visit(std::string_view key, const skin::AnyKeySlot& slot) override {
        std::visit(
            [&](const auto& s) {
                using Value = std::remove_pointer_t<decltype(s.value)>;
                IniDocument one;
                skin::WriteValue(one, "x", key, Value(s.def));
                lines.push_back(std::string(key) + "=" + *one.Find("x", key));
            },
            slot);
    }
    std::vector<std::string> lines;
};

std::vector<std::string> Defaults(KeyedValues& record) {
    DefaultsWriter writer;
    record.VisitKeys(writer);
    return writer.lines;
}

KeyTables CppTables() {
    KeyTables tables;
    for (std::string_view type : skin::SkinObjectTypeNames())
        tables["object " + std::string(type)] = Defaults(*skin::CreateSkinObject(type, "x"));
    for (std::string_view type : skin::SkinControlTypeNames())
        tables["control " + std::string(type)] = Defaults(*skin::CreateSkinControl(type, "x"));
    auto section = [&](auto record) { tables["section " + std::string(record.kSection)] = Defaults(record); };
    section(skin::TbsFormInfo());
    section(skin::TbsSkinColors());
    section(skin::TbsDataSkinPopupWindow());
    section(skin::TbsDataSkinHintWindow());
    section(skin::TbsDataSkinLayerFrame());
    return tables;
}

KeyTables GeneratorTables() {
    const char* python = std::getenv("PYTHON3");
    const auto source = fixture::SourceDir();
    const std::string command = std::string(python ? python : "python3") + " '" +
                                (source / "tests/skins/skinkeys_dump.py").string() + "' '" +
                                (source / "skins/default").string() + "'";
    KeyTables tables;
    FILE* out = popen(command.c_str(), "r");
    if (!out)
        return tables;
    std::string line, current;
    for (int c; (c = std::fgetc(out)) != EOF;) {
        if (c != '\n') {
            line += char(c);
            continue;
        }
        if (line.starts_with("["))
            tables[current = line.substr(1, line.size() - 2)];
        else if (!current.empty())
            tables[current].push_back(line);
        line.clear();
    }
    EXPECT_EQ(pclose(out), 0) << command;
    return tables;
}

std::vector<std::string> Names(const KeyTables& tables) {
    std::vector<std::string> names;
    for (const auto& [name, lines] : tables) names.push_back(name);
    return names;
}

TEST(SkinKeys, TheRecordClassesAndTheGeneratorListTheSameKeysInOrderWithTheSameDefaults) {
    const KeyTables cpp = CppTables();
    const KeyTables generator = GeneratorTables();
    ASSERT_FALSE(generator.empty()) << "the generator's key tables could not be read";
    EXPECT_EQ(Names(generator), Names(cpp)) << "both sides know the same record classes";
    for (const auto& [name, lines] : cpp) {
        const auto other = generator.find(name);
        if (other != generator.end()) {
            EXPECT_EQ(other->second, lines) << name;
        }
    }
}

}  // namespace
