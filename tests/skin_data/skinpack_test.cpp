#include "tools/skinpack/skinpack.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "skin/data/compressed_stored_skin.h"
#include "skin_fixture.h"
#include "skinpack_run.h"

namespace {

namespace fs = std::filesystem;

using fixture::Outcome;
using fixture::Skinpack;

int Lines(const std::string& text) {
    return int(std::count(text.begin(), text.end(), '\n'));
}

class SkinpackTest : public ::testing::Test {
  protected:
    SkinpackTest() : folder_("skinpack") {
        fs::create_directories(folder_ / "skin");
        fixture::WriteSampleSkin(folder_ / "skin");
    }
    std::string Path(const std::string& name) const { return (folder_ / name).string(); }
    fixture::TempFolder folder_;
};

TEST_F(SkinpackTest, PackUnpackPackGivesIdenticalBytes) {
    ASSERT_EQ(Skinpack({"pack", Path("skin/skin.ini"), Path("one.skn")}).status, 0);
    Outcome unpack = Skinpack({"unpack", Path("one.skn"), Path("unpacked")});
    ASSERT_EQ(unpack.status, 0) << unpack.err;
    for (const auto& p : fixture::kSamplePictures)
        EXPECT_TRUE(fs::exists(folder_ / "unpacked" / p.file)) << p.file;
    EXPECT_TRUE(fs::exists(folder_ / "unpacked/skin.ini"));
    ASSERT_EQ(Skinpack({"pack", Path("unpacked/skin.ini"), Path("two.skn")}).status, 0);
    EXPECT_EQ(fixture::ReadBytes(folder_ / "one.skn"), fixture::ReadBytes(folder_ / "two.skn"));
    EXPECT_EQ(fixture::ReadBytes(folder_ / "skin/main.bmp"),
              fixture::ReadBytes(folder_ / "unpacked/main.bmp"))
        << "pictures come back byte for byte";
}

TEST_F(SkinpackTest, BarePackIsTheFormDataStream) {
    ASSERT_EQ(Skinpack({"pack", "--bare", Path("skin/skin.ini"), Path("bare.zlib")}).status, 0);
    skin::TbsCompressedStoredSkin stored(nullptr);
    stored.PackSkinFolder(Path("skin/skin.ini"));
    EXPECT_EQ(fixture::ReadBytes(folder_ / "bare.zlib"), stored.CompressedData());
    ASSERT_EQ(Skinpack({"pack", Path("skin/skin.ini"), Path("file.skn")}).status, 0);
    EXPECT_EQ(Skinpack({"info", "--json", Path("bare.zlib")}).out,
              Skinpack({"info", "--json", Path("file.skn")}).out);
}

TEST_F(SkinpackTest, InfoJsonDescribesTheLoadedSkin) {
    for (const std::string& in : {Path("skin/skin.ini"), Path("skin")}) {
        Outcome info = Skinpack({"info", "--json", in});
        ASSERT_EQ(info.status, 0) << info.err;
        auto j = nlohmann::json::parse(info.out);
        EXPECT_EQ(j["version"], 3);
        EXPECT_EQ(
            j["frame"],
            (nlohmann::json{{"width", 158}, {"height", 136}, {"bpp", 8}, {"offset", 5}, {"size", 22834}}));
        EXPECT_TRUE(j["inactiveFrame"].is_null());
        EXPECT_TRUE(j["mask"].is_null());
        ASSERT_EQ(j["activePictures"].size(), 6u);
        EXPECT_EQ(j["activePictures"][0]["name"], "active.bmp");
        EXPECT_EQ(j["activePictures"][0]["offset"], 22845);
        EXPECT_EQ(j["activePictures"][3]["bpp"], 24);
        EXPECT_EQ(j["activePictures"][5]["offset"], 631539);
        EXPECT_EQ(j["iniOffset"], 642617);
        EXPECT_EQ(j["iniLines"], 268);
        ASSERT_EQ(j["objects"].size(), 13u);
        EXPECT_EQ(j["objects"][0], (nlohmann::json{{"name", "MENUITEM"}, {"type", "menuitem"}}));
        ASSERT_EQ(j["controls"].size(), 63u);
        EXPECT_EQ(j["controls"][12]["name"], "tab");
        EXPECT_EQ(j["controls"][26], (nlohmann::json{{"name", "hupdown"}, {"type", "updown"}}));
        EXPECT_TRUE(j["skipped"].empty());
    }
    Outcome text = Skinpack({"info", Path("skin")});
    EXPECT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("MENUITEM (menuitem)"), std::string::npos) << text.out;
}

TEST_F(SkinpackTest, SkippedEntriesAreListed) {
    fixture::WriteFile(folder_ / "odd.ini",
                       "[VERSION]\n[PICTURES]\n[FORMINFO]\n[SKINOBJECTS]\n"
                       "[SKINCONTROLS]\ncount=2\n0=tab:Tab\n1=t:tab\n");
    auto j = nlohmann::json::parse(Skinpack({"info", "--json", Path("odd.ini")}).out);
    EXPECT_EQ(j["skipped"],
              (nlohmann::json::array({{{"list", "SKINCONTROLS"}, {"index", 0}, {"entry", "tab:Tab"}}})));
    EXPECT_EQ(j["controls"].size(), 1u);
}

TEST_F(SkinpackTest, InfoJsonOfRecordNamesThatAreNotUtf8) {
    fixture::WriteFile(
        folder_ / "latin.ini",
        "[VERSION]\n[PICTURES]\n[FORMINFO]\n[SKINOBJECTS]\n[SKINCONTROLS]\ncount=1\n0=b\xe9:tab\n");
    const Outcome info = Skinpack({"info", "--json", Path("latin.ini")});
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_EQ(nlohmann::json::parse(info.out)["controls"][0]["name"], "b\xef\xbf\xbd");
}

TEST_F(SkinpackTest, WrongUseExitsWithTwo) {
    const std::vector<std::vector<std::string>> uses = {
        {},
        {"explode"},
        {"pack", Path("skin/skin.ini")},
        {"info"},
        {"info", "a", "b"},
        {"info", "--verbose", "a"},
        {"unpack", "a"},
        {"pack", "--json", "a", "b"},
        {"info", "--bare", "a"},
    };
    for (const auto& args : uses) {
        Outcome run = Skinpack(args);
        EXPECT_EQ(run.status, 2) << (args.empty() ? "(none)" : args[0]);
        EXPECT_NE(run.err.find("usage:"), std::string::npos);
    }
}

TEST_F(SkinpackTest, BadInputExitsWithOneAndOneLineNamingTheFile) {
    ASSERT_EQ(Skinpack({"pack", "--bare", Path("skin/skin.ini"), Path("good.zlib")}).status, 0);
    std::string bare = fixture::ReadFile(folder_ / "good.zlib");
    std::string damaged = bare;
    for (size_t i = 200; i < 260; ++i) damaged[i] = char(~damaged[i]);
    fixture::WriteFile(folder_ / "damaged.zlib", damaged);
    fixture::WriteFile(folder_ / "v4.skn", std::string("\x04\0\0\0\x05\0\0\0abcde", 13));
    fixture::WriteFile(folder_ / "nocontrols.ini", "[VERSION]\n[PICTURES]\n[FORMINFO]\n[SKINOBJECTS]\n");
    // A package of version 4, deflated.
    std::vector<uint8_t> package = fixture::PackageBytes("");
    package[0] = 4;
    std::vector<uint8_t> deflated = fixture::Deflate(package);
    fixture::WriteFile(folder_ / "pv4.zlib", std::string(deflated.begin(), deflated.end()));

    struct Case {
        std::vector<std::string> args;
        std::string file;
        std::string says;
    };
    const std::vector<Case> cases = {
        {{"info", Path("missing.skn")}, Path("missing.skn"), "EFOpenError"},
        {{"info", Path("damaged.zlib")}, Path("damaged.zlib"), "EDecompressionError: compression error"},
        {{"unpack", Path("damaged.zlib"), Path("out")}, Path("damaged.zlib"), "EDecompressionError"},
        {{"info", Path("v4.skn")}, Path("v4.skn"), "compressed skin file version 4 is above 3"},
        {{"info", Path("pv4.zlib")}, Path("pv4.zlib"), "skin package version 4 is above 3"},
        {{"pack", Path("nocontrols.ini"), Path("x.skn")}, Path("nocontrols.ini"), "SKINCONTROLS"},
        {{"pack", Path("skin/skin.ini"), Path("no/such/dir/x.skn")}, Path("skin/skin.ini"), "EFCreateError"},
        {{"info", folder_.path().string()}, folder_.path().string(), "more than one INI file"},
    };
    fixture::WriteFile(folder_ / "second.ini", "");
    for (const Case& c : cases) {
        Outcome run = Skinpack(c.args);
        EXPECT_EQ(run.status, 1) << c.args[1];
        EXPECT_EQ(Lines(run.err), 1) << run.err;
        EXPECT_EQ(run.err.rfind("skinpack: " + c.file + ": ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    }
    EXPECT_FALSE(fs::exists(folder_ / "x.skn"));
}

TEST_F(SkinpackTest, UnpackKeepsPicturesInsideTheOutputFolder) {
    fixture::WriteFile(folder_ / "skin/escape.ini",
                       "[VERSION]\n[PICTURES]\nactivepicturescount=1\n0=../"
                       "main.bmp\n[FORMINFO]\n[SKINOBJECTS]\n[SKINCONTROLS]\n");
    fs::copy_file(folder_ / "skin/main.bmp", folder_ / "main.bmp");
    ASSERT_EQ(Skinpack({"pack", Path("skin/escape.ini"), Path("escape.skn")}).status, 0);
    Outcome run = Skinpack({"unpack", Path("escape.skn"), Path("out")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("outside the output folder"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(folder_ / "out")) << "nothing is written";
}

}  // namespace
