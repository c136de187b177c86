#include "tools/skinpack/skin_lint.h"

#include <gtest/gtest.h>

#include <functional>
#include <nlohmann/json.hpp>
#include <sstream>

#include "skin/data/skin_control_records.h"
#include "skin/data/skin_object_records.h"
#include "skin/data/window_records.h"
#include "skin_fixture.h"
#include "skinpack_run.h"
#include "tools/skinpack/skin_records.h"
#include "tools/skinpack/skinpack.h"

namespace {

namespace fs = std::filesystem;
using tools::LintFinding;
using tools::LintSeverity;

using fixture::Outcome;
using fixture::Skinpack;

std::vector<LintFinding> FromJson(const std::string& text) {
    std::vector<LintFinding> findings;
    const nlohmann::json json = nlohmann::json::parse(text);
    for (const auto& f : json["findings"])
        findings.push_back({f["severity"] == "error" ? LintSeverity::Error : LintSeverity::Warning,
                            f["section"], f["key"], f["message"]});
    return findings;
}

// The shipped skin's INI text and pictures in a folder of their own, to be damaged.
void CopyShippedSkin(const fs::path& to) {
    fs::create_directories(to);
    for (const auto& entry : fs::directory_iterator(fixture::SourceDir() / "skins/default"))
        if (entry.path().extension() == ".ini" || entry.path().extension() == ".bmp")
            fs::copy_file(entry.path(), to / entry.path().filename());
}

std::vector<LintFinding> LintFolder(const fs::path& folder) {
    const Outcome run = Skinpack({"lint", "--json", folder.string()});
    EXPECT_TRUE(run.err.empty()) << run.err;
    std::vector<LintFinding> findings = FromJson(run.out);
    EXPECT_EQ(run.status, tools::HasErrors(findings) ? 1 : 0);
    return findings;
}

const std::vector<LintFinding>& ShippedFindings() {
    static const std::vector<LintFinding> findings = [] {
        fixture::TempFolder folder("lint_shipped");
        CopyShippedSkin(folder.path());
        return LintFolder(folder.path());
    }();
    return findings;
}

// Findings of `after` that `before` does not have (each one counted).
std::vector<LintFinding> NewFindings(const std::vector<LintFinding>& before, std::vector<LintFinding> after) {
    for (const LintFinding& f : before)
        if (const auto at = std::find(after.begin(), after.end(), f); at != after.end())
            after.erase(at);
    return after;
}

using Damage = std::function<void(const fs::path& folder)>;

// Replaces the first occurrence of `from` in skin.ini.
Damage Replace(std::string from, std::string to) {
    return [from, to](const fs::path& folder) {
        std::string text = fixture::ReadFile(folder / "skin.ini");
        const size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
        fixture::WriteFile(folder / "skin.ini", text);
    };
}

Damage Append(std::string lines) {
    return [lines](const fs::path& folder) {
        fixture::WriteFile(folder / "skin.ini", fixture::ReadFile(folder / "skin.ini") + lines);
    };
}

// Cuts skin.ini from the section header `section` to the next section or the end.
Damage CutSection(std::string section) {
    return [section](const fs::path& folder) {
        std::string text = fixture::ReadFile(folder / "skin.ini");
        const size_t from = text.find("[" + section + "]\r\n");
        ASSERT_NE(from, std::string::npos) << section;
        const size_t to = text.find("\r\n[", from + 1);
        text.erase(from, to == std::string::npos ? std::string::npos : to + 2 - from);
        fixture::WriteFile(folder / "skin.ini", text);
    };
}

Damage WritePicture(std::string file, std::string bytes) {
    return [file, bytes](const fs::path& folder) { fixture::WriteFile(folder / file, bytes); };
}

Damage RemovePicture(std::string file) {
    return [file](const fs::path& folder) { fs::remove(folder / file); };
}

struct DamagedSkin {
    const char* fault;
    Damage damage;
    LintSeverity severity;
    const char* section;
    const char* key;
    const char* says;  // words of the message
};

constexpr LintSeverity E = LintSeverity::Error;
constexpr LintSeverity W = LintSeverity::Warning;

// Its warnings are those skins/default/README.md explains; a new one is a fault of the generator.
TEST(SkinLintTest, TheShippedSkinHasNoErrorsAndOnlyTheWarningsItsReadmeExplains) {
    const std::vector<std::pair<std::string, std::string>> explained = {
        {"captionchecklistbox", "itemrect"},
        {"captioncombobox", "itemrect"},
        {"captionlistbox", "itemrect"},
        {"checkbox", "skinrect"},
        {"checklistbox", "itemrect"},
        {"combobox", "itemrect"},
        {"hsplitter", "skinrect"},
        {"label", "skinrect"},
        {"listbox", "itemrect"},
        {"MENUITEM", "skinrect"},
        {"POPUPWINDOW", "scrollmarkeractivecolor"},
        {"radiobox", "skinrect"},
        {"statuscombobox", "itemrect"},
        {"stdlabel", "skinrect"},
        {"tab", "tabsbgrect"},
        {"toolcombobox", "itemrect"},
        {"vsplitter", "skinrect"},
    };
    std::vector<std::pair<std::string, std::string>> warned;
    for (const LintFinding& f : ShippedFindings()) {
        EXPECT_EQ(f.severity, LintSeverity::Warning) << f.section << " " << f.key << ": " << f.message;
        warned.emplace_back(f.section, f.key);
    }
    EXPECT_EQ(warned, explained);
    fixture::TempFolder folder("lint_status");
    CopyShippedSkin(folder.path());
    EXPECT_EQ(Skinpack({"lint", folder.path().string()}).status, 0);
}

TEST(SkinLintTest, EachFaultOfADamagedShippedSkinGivesExactlyItsFinding) {
    const std::vector<DamagedSkin> skins = {
        // Faces against their pictures.
        {"face past its picture", Replace("skinrect=40,0,58,17", "skinrect=40,0,60,17"), E, "closebutton",
         "skinrect", "face 40,0,60,17 reaches past the right edge of picture 0, active.bmp (58 x 102)"},
        {"inverted face", Replace("activeskinrect=20,0,38,17", "activeskinrect=38,0,20,17"), E, "closebutton",
         "activeskinrect", "its right edge 20 lies left of its left edge 38"},
        {"picture index out of range",
         Replace("hint=Close\r\nactivepictureindex=0", "hint=Close\r\nactivepictureindex=7"), E,
         "closebutton", "activepictureindex", "picture 7 does not exist: the skin has 6 pictures, 0 to 5"},
        {"face cut from no picture",
         Replace("activeskinrect=0,0,0,0\r\ninactiveskinrect", "activeskinrect=0,0,9,9\r\ninactiveskinrect"),
         W, "caption1", "activeskinrect", "cut from no picture: activepictureindex is -1"},
        {"face of one colour", Replace("disabledskinrect=220,0,274,24", "disabledskinrect=288,297,328,315"),
         W, "button", "disabledskinrect", "is all one colour"},
        {"mask of another size",
         Replace("maskpictureindex=-1\r\nlefttoppoint=22,10", "maskpictureindex=2\r\nlefttoppoint=22,10"), E,
         "POPUPWINDOW", "maskpictureindex",
         "is not the size of the picture it masks, the windowpictureindex picture 1, pw.bmp (61 x 40)"},
        // PICTURES.
        {"picture file missing", RemovePicture("hw.bmp"), E, "PICTURES", "4",
         "\"hw.bmp\" is not in the skin folder"},
        {"picture file not a BMP", WritePicture("hw.bmp", "BMnot a picture"), E, "PICTURES", "4",
         "\"hw.bmp\" is not a BMP picture the loader reads"},
        {"inactive frame of another size", Replace("inactivepicture=\r\n", "inactivepicture=active.bmp\r\n"),
         E, "PICTURES", "inactivepicture",
         "the inactive frame picture is 58 x 102, the frame picture 158 x 136"},
        {"picture no record uses", Replace("mdibgpictureindex=5", "mdibgpictureindex=-1"), W, "PICTURES", "5",
         "picture 5, mdibg.bmp (100 x 100) is used by no record"},
        // Nine-part layouts and areas.
        {"crossed corner points", Replace("righttoppoint=142,26", "righttoppoint=10,26"), E, "FORMINFO",
         "righttoppoint", "righttoppoint 10,26 lies left of lefttoppoint 13,27"},
        {"client rectangle past its picture", Replace("itemsrect=17,5,56,35", "itemsrect=17,5,66,35"), E,
         "POPUPWINDOW", "itemsrect", "reaches past the right edge of picture 1, pw.bmp (61 x 40)"},
        {"corner point outside its face", Replace("rightbottompoint=62,50", "rightbottompoint=62,70"), E,
         "tab", "rightbottompoint", "lies outside its face skinrect (69 x 56): below its bottom edge"},
        {"text area outside its face", Replace("textrect=2,2,52,18", "textrect=2,2,60,18"), E, "MENUITEM",
         "textrect", "reaches past the right edge of its face skinrect (54 x 20)"},
        {"frame wider than the smallest window", Replace("formminwidth=0", "formminwidth=6"), E, "FORMINFO",
         "formminwidth", "left and right borders take 4 + 4 = 8"},
        {"frame higher than the smallest window",
         Replace("formminwidth=0", "formminwidth=0\r\nformminheight=20"), E, "FORMINFO", "formminheight",
         "top and bottom borders take 23 + 5 = 28"},
        // Sections and lists.
        {"sections differing by case", Append("[Tab]\r\nbuttontransparent=1\r\n"), E, "Tab", "-",
         "differ only by case"},
        {"section given twice", Append("[tab]\r\nbuttontransparent=1\r\n"), W, "tab", "-", "given twice"},
        {"section nothing reads", Append("[sliderr]\r\npictureindex=3\r\n"), W, "sliderr", "-",
         "nothing reads"},
        {"entry without its section", CutSection("slider"), E, "SKINCONTROLS", "62",
         "names section [slider], which the INI text does not have"},
        {"entry of an unknown type", Replace("12=tab:tab", "12=tab:Tab"), E, "SKINCONTROLS", "12",
         "\"Tab\" is not a control type, so \"tab\" makes no record; did you mean \"tab\"?"},
        {"entry without a type", Replace("62=slider:slider", "62=slider"), E, "SKINCONTROLS", "62",
         "has no \":\""},
        {"entry naming a section again", Replace("count=63\r\n", "count=64\r\n63=slider:slider\r\n"), W,
         "SKINCONTROLS", "63", "names \"slider\" again (entry 62 does too)"},
        {"count beyond the entries", Replace("count=63", "count=64"), E, "SKINCONTROLS", "count",
         "the count is 64, but there is no entry 63"},
        {"count short of the entries", Replace("count=13", "count=12"), E, "SKINOBJECTS", "count",
         "entry 12 lies beyond it and is not read"},
        // Keys and values.
        {"misspelt key", Replace("hint=Close", "hnit=Close"), W, "closebutton", "hnit",
         "is not a key of stdbutton objects; did you mean \"hint\"?"},
        {"key given twice", Replace("hint=Close", "hint=Close\r\nhint=Shut"), W, "closebutton", "hint",
         "the loader reads the first, \"Close\""},
        {"enumeration value in capitals", Replace("inactiveeffect=ieinvert", "inactiveeffect=ieInvert"), W,
         "FORMINFO", "inactiveeffect", "so it reads as iegrayscale; did you mean \"ieinvert\"?"},
        {"boolean written as a word", Replace("leftstretch=0", "leftstretch=true"), W, "FORMINFO",
         "leftstretch", "only 1 switches it on"},
        {"minus sign in a rectangle", Replace("clientrect=4,23,154,131", "clientrect=-4,23,154,131"), W,
         "FORMINFO", "clientrect", "minus signs are dropped"},
        {"value the loader replaces",
         Replace("skinrect=142,171,178,189\r\nlefttoppoint=0,0",
                 "skinrect=142,171,178,189\r\nlefttoppoint=3,3"),
         W, "hupdown", "lefttoppoint", "\"3,3\" as written, \"0,0\" as the program uses it"},
        {"text colour too close to its face",
         Replace("mouseinfontcolor=16777215", "mouseinfontcolor=12632256"), W, "tab", "mouseinfontcolor",
         "on face tabrect 45,72,86,89"},
        // A skin that does not load: the key that keeps it from loading, and nothing else.
        {"rectangle of three numbers", Replace("skinrect=40,0,58,17", "skinrect=40,0,58"), E, "closebutton",
         "skinrect", "\"40,0,58\" is not a rectangle"},
    };
    for (const DamagedSkin& s : skins) {
        SCOPED_TRACE(s.fault);
        fixture::TempFolder folder("lint_damaged");
        CopyShippedSkin(folder.path());
        s.damage(folder.path());
        const std::vector<LintFinding> found = NewFindings(ShippedFindings(), LintFolder(folder.path()));
        ASSERT_EQ(found.size(), 1u) << tools::FindingsText(found);
        EXPECT_EQ(found[0].severity, s.severity);
        EXPECT_EQ(found[0].section, s.section);
        EXPECT_EQ(found[0].key, s.key);
        EXPECT_NE(found[0].message.find(s.says), std::string::npos) << found[0].message;
    }
}

}  // namespace

namespace {

std::vector<LintFinding> LintText(const std::string& ini,
                                  const std::vector<framework::TBitmap>& active = {}) {
    skin::TbsCompressedStoredSkin stored(nullptr);
    fixture::StoreSkin(stored, ini, active);
    return tools::LintStoredSkin(stored);
}

bool Has(const std::vector<LintFinding>& findings, LintSeverity severity, const std::string& section,
         const std::string& key, const std::string& says) {
    return std::any_of(findings.begin(), findings.end(), [&](const LintFinding& f) {
        return f.severity == severity && f.section == section && f.key == key &&
               f.message.find(says) != std::string::npos;
    });
}

TEST(SkinLintTest, PackagesAreCheckedAgainstThePicturesTheyHold) {
    const framework::TBitmap picture = fixture::MakePicture(20, 10, framework::TPixelFormat::pf24bit);
    const std::vector<LintFinding> findings = LintText(
        "[PICTURES]\npicture=main.bmp\nactivepicturescount=2\n0=a.bmp\n1=b.bmp\n"
        "[SKINCONTROLS]\ncount=1\n0=b:button\n[b]\npictureindex=0\nskinrect=0,0,20,10\n",
        {picture});
    EXPECT_TRUE(Has(findings, E, "PICTURES", "picture",
                    "names \"main.bmp\", but the skin package holds no frame picture"))
        << tools::FindingsText(findings);
    EXPECT_TRUE(
        Has(findings, E, "PICTURES", "1", "names \"b.bmp\", but the skin package holds only 1 pictures"))
        << tools::FindingsText(findings);

    const std::vector<LintFinding> unnamed =
        LintText("[SKINCONTROLS]\ncount=1\n0=b:button\n[b]\npictureindex=1\n", {picture, picture});
    EXPECT_TRUE(
        Has(unnamed, W, "PICTURES", "activepicturescount", "holds 2 pictures, but PICTURES names only 0"))
        << tools::FindingsText(unnamed);
    EXPECT_TRUE(Has(unnamed, W, "PICTURES", "-", "picture 0 (20 x 10) is used by no record"))
        << tools::FindingsText(unnamed);
}

TEST(SkinLintTest, ASkinThatDoesNotLoadIsOneErrorOrAnErrorAtEachKeyThatStopsIt) {
    // Every malformed rectangle and point, though the loader stops at the first.
    const std::vector<LintFinding> malformed = LintText(
        "[FORMINFO]\nclientrect=1,2,3\nlefttoppoint=5\nbgpictureindex=x\n"
        "[SKINOBJECTS]\ncount=1\n0=b:stdbutton\n[b]\nskinrect=\n");
    ASSERT_EQ(malformed.size(), 3u) << tools::FindingsText(malformed);
    EXPECT_EQ(malformed[0],
              (LintFinding{E, "b", "skinrect",
                           "\"\" is not a rectangle: it needs four numbers, left,top,right,bottom; "
                           "the skin does not load"}));
    EXPECT_TRUE(Has(malformed, E, "FORMINFO", "clientrect", "\"1,2,3\" is not a rectangle"));
    EXPECT_TRUE(
        Has(malformed, E, "FORMINFO", "lefttoppoint", "\"5\" is not a point: it needs two numbers, x,y"));

    fixture::TempFolder folder("lint_unloadable");
    std::vector<uint8_t> damaged = fixture::Deflate(fixture::PackageBytes("[FORMINFO]\n"));
    for (size_t i = 2; i < damaged.size(); ++i) damaged[i] ^= 0x5A;
    fixture::WriteFile(folder / "damaged.zlib", std::string(damaged.begin(), damaged.end()));
    std::vector<uint8_t> v4 = fixture::PackageBytes("");
    v4[0] = 4;
    const std::vector<uint8_t> v4zlib = fixture::Deflate(v4);
    fixture::WriteFile(folder / "v4.zlib", std::string(v4zlib.begin(), v4zlib.end()));
    fixture::WriteFile(folder / "empty.ini", "[VERSION]\n");
    const std::vector<std::pair<std::string, std::string>> unloadable = {
        {"damaged.zlib", "EDecompressionError"},
        {"v4.zlib", "skin package version 4 is above 3; the program loads no skin"},
        {"missing.skn", "EFOpenError"},
        {"empty.ini", "lacks the section(s) PICTURES, FORMINFO, SKINOBJECTS, SKINCONTROLS"},
    };
    for (const auto& [file, says] : unloadable) {
        const Outcome run = Skinpack({"lint", (folder / file).string()});
        EXPECT_EQ(run.status, 1) << file;
        EXPECT_EQ(run.out.rfind("error - -: ", 0), 0u) << run.out;
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
        EXPECT_NE(run.out.find(says), std::string::npos) << run.out;
    }
}

TEST(SkinLintTest, FindingsAreSortedOneALineAndAsJson) {
    std::vector<LintFinding> findings = {
        {W, "SKINCONTROLS", "10", "ten"}, {E, "tab", "fontcolor", "a"}, {W, "SKINCONTROLS", "9", "nine"},
        {W, "MENUITEM", "skinrect", "m"}, {W, "-", "-", "whole"},       {E, "tab", "fontcolor", "b"},
        {W, "caption1", "textrect", "c"},
    };
    tools::SortFindings(findings);
    EXPECT_EQ(tools::FindingsText(findings),
              "warning - -: whole\n"
              "warning caption1 textrect: c\n"
              "warning MENUITEM skinrect: m\n"
              "warning SKINCONTROLS 9: nine\n"
              "warning SKINCONTROLS 10: ten\n"
              "error tab fontcolor: a\n"
              "error tab fontcolor: b\n");
    EXPECT_EQ(
        nlohmann::json::parse(tools::FindingsJson({findings[5]})),
        nlohmann::json::parse(R"({"findings": [{"severity": "error", "section": "tab", "key": "fontcolor",
                                                       "message": "a"}]})"));
    EXPECT_EQ(tools::FindingsJson({}), "{\n  \"findings\": []\n}\n");
    // Section names are the skin's bytes, which need not be UTF-8.
    EXPECT_NE(tools::FindingsJson({{W, "caption\xff", "-", "m"}}).find("caption\xef\xbf\xbd"),
              std::string::npos);

    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"lint"}, {"lint", "a", "b"}, {"lint", "--bare", "a"}}) {
        const Outcome run = Skinpack(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("skinpack lint [--json] IN"), std::string::npos) << run.err;
    }
}

// The lint's own tables name keys of the record classes, which may be renamed; a rule that names a
// key no class reads would silently stop checking.
TEST(SkinLintTest, EveryKeyTheLintsRulesNameIsAKeyOfItsRecords) {
    std::vector<std::unique_ptr<skin::KeyedValues>> owned;
    std::vector<tools::SkinRecord> records;
    auto add = [&](tools::RecordKind kind, std::string_view type, std::unique_ptr<skin::KeyedValues> r) {
        records.emplace_back(kind, std::string(type), type, *r);
        owned.push_back(std::move(r));
    };
    add(tools::RecordKind::HintWindow, "HINTWINDOW", std::make_unique<skin::TbsDataSkinHintWindow>());
    add(tools::RecordKind::PopupWindow, "POPUPWINDOW", std::make_unique<skin::TbsDataSkinPopupWindow>());
    add(tools::RecordKind::SkinColors, "SKINCOLORS", std::make_unique<skin::TbsSkinColors>());
    for (std::string_view type : skin::SkinObjectTypeNames())
        add(tools::RecordKind::Object, type, skin::CreateSkinObject(type, "x"));
    for (std::string_view type : skin::SkinControlTypeNames())
        add(tools::RecordKind::Control, type, skin::CreateSkinControl(type, "x"));
    auto ofType = [&](std::string_view type) -> const tools::SkinRecord* {
        for (const auto& r : records)
            if (r.typeName == type && (r.kind != tools::RecordKind::Object || type != "button"))
                return &r;
        return nullptr;
    };
    for (const tools::ContrastPair& pair : tools::ContrastPairs())
        for (std::string_view type : pair.types) {
            const tools::SkinRecord* r = ofType(type);
            ASSERT_TRUE(r) << type;
            for (std::string_view key : {pair.text, pair.background, pair.when, pair.unless})
                EXPECT_TRUE(key.empty() || r->Find(key)) << type << " " << key;
            const tools::SkinRecord* faces = pair.faceRecords.empty() ? r : ofType("menuitem");
            for (std::string_view key : pair.faces)
                EXPECT_TRUE(key.empty() || faces->Find(key)) << type << " " << key;
        }
    for (const tools::AreaRule& rule : tools::AreaRules()) {
        bool somewhere = false;
        for (const auto& r : records)
            if (r.Find(rule.key) && (rule.types.empty() || std::find(rule.types.begin(), rule.types.end(),
                                                                     r.typeName) != rule.types.end())) {
                somewhere = true;
                EXPECT_TRUE(rule.anchor.empty() || r.Find(rule.anchor) || rule.types.empty())
                    << r.typeName << " " << rule.key;
                EXPECT_EQ(tools::RoleOf(r, rule.key).kind,
                          rule.anchor.empty() ? tools::KeyRole::Free : tools::KeyRole::Area)
                    << r.typeName << " " << rule.key;
            }
        EXPECT_TRUE(somewhere) << rule.key;
        for (std::string_view type : rule.types) EXPECT_TRUE(ofType(type)) << type;
    }
}

}  // namespace
