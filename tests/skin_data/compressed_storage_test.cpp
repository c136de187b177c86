#include <gtest/gtest.h>

#include "skin/data/compressed_skin_list.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_package.h"
#include "skin/data/zlib_streams.h"
#include "skin_fixture.h"

using namespace skin;
using framework::TMemoryStream;

namespace {

const std::string kMinimalIni = "[VERSION]\n[PICTURES]\n[FORMINFO]\n[SKINOBJECTS]\n[SKINCONTROLS]\n";

std::vector<uint8_t> FileLayout(int32_t version, int32_t length, const std::vector<uint8_t>& data) {
    std::vector<uint8_t> bytes;
    for (int32_t v : {version, length})
        for (int i = 0; i < 4; ++i) bytes.push_back(uint8_t(uint32_t(v) >> (8 * i)));
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
}

void Fill(TbsCompressedStoredSkin& stored) {
    fixture::StoreSkin(stored, kMinimalIni);
}

TEST(CompressedStoredSkin, SaveThenLoadGivesTheSameData) {
    TbsCompressedStoredSkin stored(nullptr);
    EXPECT_TRUE(stored.IsEmpty());
    Fill(stored);
    TMemoryStream file;
    stored.SaveToStream(file);
    EXPECT_EQ(file.Bytes(), FileLayout(3, int32_t(stored.CompressedData().size()), stored.CompressedData()));
    TbsCompressedStoredSkin back(nullptr);
    back.LoadFromStream(file);
    EXPECT_EQ(back.CompressedData(), stored.CompressedData());

    TMemoryStream property;
    stored.WriteCompressedData(property);
    EXPECT_EQ(property.Bytes(), stored.CompressedData()) << "\"CompressedData\" is the bare stream";
    TbsCompressedStoredSkin fromProperty(nullptr);
    fromProperty.ReadCompressedData(property);
    EXPECT_EQ(fromProperty.CompressedData(), stored.CompressedData());
}

TEST(CompressedStoredSkin, CompressedFileHeaderCases) {
    const std::vector<uint8_t> data = {0x78, 0xDA, 1, 2, 3};
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        bool raises;
        size_t keeps;
    };
    const Case cases[] = {
        {"version 3", FileLayout(3, 5, data), false, 5},
        {"version -1 is below 3", FileLayout(-1, 5, data), false, 5},
        {"version 4 is refused silently", FileLayout(4, 5, data), false, 0},
        {"length 0 holds nothing", FileLayout(3, 0, data), false, 0},
        {"shorter length takes a prefix", FileLayout(3, 2, data), false, 2},
        {"negative length", FileLayout(3, -5, data), true, 0},
        {"length past the end", FileLayout(3, 6, data), true, 0},
        {"huge length", FileLayout(3, 0x7FFFFFFF, data), true, 0},
        {"header cut short", {3, 0, 0, 0, 5}, true, 0},
        {"nothing at all", {}, true, 0},
    };
    for (const Case& c : cases) {
        TbsCompressedStoredSkin stored(nullptr);
        Fill(stored);
        TMemoryStream stream(c.bytes);
        stream.SetPosition(int64_t(c.bytes.size()));  // read from the start whatever the position
        if (c.raises)
            EXPECT_THROW(stored.LoadFromStream(stream), framework::EReadError) << c.what;
        else
            EXPECT_NO_THROW(stored.LoadFromStream(stream)) << c.what;
        EXPECT_EQ(stored.CompressedData().size(), c.keeps) << c.what;
    }
}

TEST(CompressedStoredSkin, LoadCompressedFileClearsFirst) {
    fixture::TempFolder folder("compressed_file");
    TbsCompressedStoredSkin stored(nullptr);
    Fill(stored);
    stored.SaveToFile((folder / "a.skn").string());
    TbsCompressedStoredSkin other(nullptr);
    other.LoadCompressedFile((folder / "a.skn").string());
    EXPECT_EQ(other.CompressedData(), stored.CompressedData());
    EXPECT_THROW(other.LoadCompressedFile((folder / "missing.skn").string()), framework::EFOpenError);
    EXPECT_TRUE(other.IsEmpty()) << "an unreadable file leaves the component empty";
}

TEST(CompressedStoredSkin, DecompressToAppendsThePackage) {
    TbsCompressedStoredSkin stored(nullptr);
    std::vector<uint8_t> package = fixture::PackageBytes(kMinimalIni);
    fixture::StorePackage(stored, package);
    TMemoryStream dest;
    dest.WriteBuffer("xy", 2);
    stored.DecompressTo(dest);
    EXPECT_EQ(dest.Size(), int64_t(package.size() + 2));
    EXPECT_TRUE(std::equal(package.begin(), package.end(), dest.Bytes().begin() + 2));
}

TEST(PackSkinFolder, KeepsTheLinesAndEndsEachWithCrLf) {
    fixture::TempFolder folder("pack_lines");
    const std::string text =
        "[VERSION]\n; a comment stays\n  indented=kept as written  \n[PICTURES]\r\n"
        "[FORMINFO]\r[SKINOBJECTS]\n[SKINCONTROLS]";
    fixture::WriteFile(folder / "skin.ini", text);
    TbsCompressedStoredSkin stored(nullptr);
    stored.PackSkinFolder((folder / "skin.ini").string());
    TMemoryStream package;
    stored.DecompressTo(package);
    package.SetPosition(0);
    SkinPackage p = ReadSkinPackage(package);
    const std::string expected =
        "[VERSION]\r\n; a comment stays\r\n  indented=kept as written  \r\n[PICTURES]\r\n"
        "[FORMINFO]\r\n[SKINOBJECTS]\r\n[SKINCONTROLS]\r\n";
    EXPECT_EQ(package.Size() - p.layout.iniOffset, int64_t(expected.size()));
    EXPECT_EQ(std::string(package.Bytes().begin() + p.layout.iniOffset, package.Bytes().end()), expected);
    EXPECT_TRUE(p.frame.Empty());
    EXPECT_TRUE(p.activePictures.empty());
}

TEST(PackSkinFolder, AnIniFileWithoutARequiredSectionChangesNothing) {
    fixture::TempFolder folder("pack_sections");
    for (const char* missing : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"}) {
        std::string text;
        for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"})
            if (std::string(section) != missing)
                text += std::string("[") + section + "]\n";
        fixture::WriteFile(folder / "skin.ini", text);
        TbsCompressedStoredSkin stored(nullptr);
        Fill(stored);
        std::vector<uint8_t> before = stored.CompressedData();
        EXPECT_NO_THROW(stored.PackSkinFolder((folder / "skin.ini").string())) << missing;
        EXPECT_EQ(stored.CompressedData(), before) << missing;
    }
}

TEST(PackSkinFolder, MissingFilesRaiseTheFileError) {
    fixture::TempFolder folder("pack_missing");
    TbsCompressedStoredSkin stored(nullptr);
    Fill(stored);
    std::vector<uint8_t> before = stored.CompressedData();
    EXPECT_THROW(stored.PackSkinFolder((folder / "nothing.ini").string()), framework::EFOpenError);
    EXPECT_EQ(stored.CompressedData(), before) << "a missing INI file changes nothing";

    for (const std::string& pictures :
         {std::string("picture=gone.bmp\n"), std::string("activepicturescount=1\n"),
          std::string("activepicturescount=1\n0=gone.bmp\n")}) {
        fixture::WriteFile(folder / "skin.ini", "[VERSION]\n[PICTURES]\n" + pictures +
                                                    "[FORMINFO]\n[SKINOBJECTS]\n[SKINCONTROLS]\n");
        Fill(stored);
        EXPECT_THROW(stored.PackSkinFolder((folder / "skin.ini").string()), framework::EFOpenError)
            << pictures;
        EXPECT_TRUE(stored.IsEmpty()) << "a missing picture leaves the component empty";
    }
}

TEST(CompressedStoredSkin, NameSettersWorkOnlyInDesignMode) {
    fixture::TempFolder folder("setters");
    fixture::WriteFile(folder / "skin.ini", kMinimalIni);
    const std::string path = (folder / "skin.ini").string();

    TbsCompressedStoredSkin runTime(nullptr);
    runTime.SetFileName(path);
    EXPECT_EQ(runTime.FileName(), path) << "outside design mode the value is only stored";
    EXPECT_TRUE(runTime.IsEmpty());

    TbsCompressedStoredSkin design(nullptr);
    design.SetDesigning(true);
    design.SetLoading();
    design.SetFileName(path);
    EXPECT_EQ(design.FileName(), path) << "while loading the value is only stored";
    EXPECT_TRUE(design.IsEmpty());
    design.Loaded();
    design.SetFileName(path);
    EXPECT_EQ(design.FileName(), "skin.ini");
    EXPECT_FALSE(design.IsEmpty()) << "the folder was packed";

    design.SaveToFile((folder / "x.skn").string());
    TbsCompressedStoredSkin other(nullptr);
    other.SetDesigning(true);
    other.SetCompressedFileName((folder / "x.skn").string());
    EXPECT_EQ(other.CompressedFileName(), "x.skn");
    EXPECT_EQ(other.CompressedData(), design.CompressedData());
}

TEST(CompressedSkinList, EntriesAreNamedByPositionAndStoreTheFileLayout) {
    TbsCompressedSkinList list(nullptr);
    TbsSkinListItem& first = list.Skins().Add();
    TbsSkinListItem& second = list.Skins().Add();
    EXPECT_EQ(first.Name(), "bsSkin0");
    EXPECT_EQ(second.DisplayName(), "bsSkin1");
    Fill(first.StoredSkin());

    TMemoryStream property;
    first.WriteSkin(property);
    EXPECT_EQ(property.Bytes(), FileLayout(3, int32_t(first.StoredSkin().CompressedData().size()),
                                           first.StoredSkin().CompressedData()));
    second.ReadSkin(property);
    EXPECT_EQ(second.StoredSkin().CompressedData(), first.StoredSkin().CompressedData());

    TbsCompressedSkinList copy(nullptr);
    first.SetDescription("blue");
    copy.SetSkins(list.Skins());
    ASSERT_EQ(copy.Skins().Count(), 2);
    EXPECT_EQ(copy.Skins().Items(0).Description(), "blue");
    EXPECT_EQ(copy.Skins().Items(1).StoredSkin().CompressedData(), first.StoredSkin().CompressedData());
    EXPECT_THROW(copy.Skins().Delete(2), framework::Exception);
}

TEST(CompressedSkinList, EntrySettersFollowTheListsDesignMode) {
    fixture::TempFolder folder("list_setters");
    fixture::WriteFile(folder / "skin.ini", kMinimalIni);
    TbsCompressedSkinList list(nullptr);
    TbsSkinListItem& item = list.Skins().Add();
    item.SetFileName((folder / "skin.ini").string());
    EXPECT_TRUE(item.StoredSkin().IsEmpty());
    list.SetDesigning(true);
    item.SetFileName((folder / "skin.ini").string());
    EXPECT_EQ(item.FileName(), "skin.ini");
    EXPECT_FALSE(item.StoredSkin().IsEmpty());
}

}  // namespace
