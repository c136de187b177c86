// The skin data components described by form data: the holder takes its "CompressedData", the
// skin data component its switches, and the skin loads when the reference to the holder resolves,
// while both components are still loading.
#include "skin/data/form_data_classes.h"

#include <gtest/gtest.h>

#include "framework/core/form_data.h"
#include "framework/core/stream.h"
#include "skin/data/bsSkinData.h"
#include "skin_fixture.h"

using namespace skin;
using framework::Bytes;
using framework::ComponentData;
using framework::FormData;
using framework::Ref;
using framework::StringList;
using framework::TComponent;

namespace {

const std::string kIni =
    "[VERSION]\nskinname=Form data\n[PICTURES]\n[FORMINFO]\n[SKINOBJECTS]\ncount=0\n[SKINCONTROLS]\ncount=1\n"
    "0=tab:tab\n[tab]\nfontname=Arial\n";

struct Owner {
    Owner() { RegisterSkinDataClasses(); }
    TComponent root{nullptr};
    template <class T>
    T* Find(const std::string& name) const {
        return framework::As<T>(root.FindComponent(name));
    }
};

TEST(SkinDataFormData, HolderAndSkinDataComeFromFormDataAndTheSkinLoadsOnTheReference) {
    const std::vector<uint8_t> stream = fixture::Deflate(fixture::PackageBytes(kIni));
    bool loadedWhileLoading = false;
    Owner owner;
    const FormData data{{},
                        {
                            {"TbsSkinData",
                             "bsSkinData1",
                             "",
                             {{"SkinnableForm", true},
                              {"AnimationForAllWindows", false},
                              {"EnableSkinEffects", true},
                              {"ShowButtonGlowFrames", false},
                              {"ShowCaptionButtonGlowFrames", true},
                              {"ShowLayeredBorders", false},
                              {"AeroBlurEnabled", true},
                              {"SkinIndex", 0},
                              {"CompressedStoredSkin", Ref{"bsCompressedStoredSkin1"}}}},
                            {"TbsCompressedStoredSkin",
                             "bsCompressedStoredSkin1",
                             "",
                             {{"FileName", "skin.ini"}, {"CompressedData", Bytes(stream)}}},
                        }};
    framework::ApplyFormData(owner.root, data, [&] {
        owner.Find<TbsSkinData>("bsSkinData1")->OnLoadData = [&](TComponent* sender) {
            loadedWhileLoading = sender->InState(framework::csLoading);
        };
    });
    auto* skinData = owner.Find<TbsSkinData>("bsSkinData1");
    auto* stored = owner.Find<TbsCompressedStoredSkin>("bsCompressedStoredSkin1");
    ASSERT_TRUE(skinData && stored);
    EXPECT_EQ(stored->FileName(), "skin.ini");
    EXPECT_EQ(stored->CompressedData(), stream);
    EXPECT_EQ(skinData->CompressedStoredSkin(), stored);
    EXPECT_TRUE(loadedWhileLoading);
    EXPECT_FALSE(skinData->Empty());
    EXPECT_EQ(skinData->SkinName(), "Form data");
    EXPECT_EQ(skinData->FindControlIndex("tab"), 0);
    EXPECT_FALSE(skinData->ShowButtonGlowFrames());
    EXPECT_FALSE(skinData->ShowLayeredBorders());
    EXPECT_TRUE(skinData->AeroBlurEnabled());
}

TEST(SkinDataFormData, ResourceStringsAndWrongValuesAreRefusedByName) {
    Owner owner;
    framework::ApplyFormData(owner.root,
                             {{},
                              {{"TbsResourceStrData",
                                "bsResourceStrData1",
                                "",
                                {{"ResStrings", StringList{"MI_CLOSE=关闭"}}, {"CharSet", 134}}}}});
    auto* strings = owner.Find<TbsResourceStrData>("bsResourceStrData1");
    ASSERT_TRUE(strings);
    EXPECT_EQ(strings->GetResString("MI_CLOSE"), "关闭");
    EXPECT_EQ(strings->CharSet(), 134);

    // A reference to a component of another class, and a character set out of its range.
    Owner other;
    EXPECT_THROW(framework::ApplyFormData(
                     other.root, {{},
                                  {{"TbsResourceStrData", "strings", "", {}},
                                   {"TbsSkinData", "data", "", {{"CompressedStoredSkin", Ref{"strings"}}}}}}),
                 framework::EReadError);
    Owner third;
    EXPECT_THROW(
        framework::ApplyFormData(third.root, {{}, {{"TbsResourceStrData", "s", "", {{"CharSet", 256}}}}}),
        framework::EReadError);
}

std::vector<uint8_t> SkinProperty(const TbsSkinListItem& entry) {
    framework::TMemoryStream stream;
    entry.WriteSkin(stream);
    return stream.Bytes();
}

// A skin list goes into form data as its entries, each package in its "Skin" property, and comes
// back the same, byte for byte; the skin data component loads the entry SkinIndex names once the
// reference to the list resolves.
TEST(SkinDataFormData, ASkinListRoundTripsThroughFormDataAndLoadsTheChosenEntry) {
    TbsCompressedSkinList original(nullptr);
    const std::string names[] = {"玫瑰", "Ink"};
    for (const std::string& name : names) {
        TbsSkinListItem& entry = original.Skins().Add();
        entry.SetName(name);
        entry.SetDescription(name + " skin");
        const std::string ini = "[VERSION]\nskinname=" + name +
                                "\n[PICTURES]\n[FORMINFO]\n[SKINOBJECTS]\ncount=0\n[SKINCONTROLS]\ncount=0\n";
        const std::vector<uint8_t> stream = fixture::Deflate(fixture::PackageBytes(ini));
        entry.StoredSkin().SetCompressedData(stream);
    }
    std::vector<std::vector<uint8_t>> skins;
    framework::Collection entries;
    for (int i = 0; i < original.Skins().Count(); ++i) {
        const TbsSkinListItem& entry = original.Skins().Items(i);
        skins.push_back(SkinProperty(entry));
        entries.items.push_back(
            {{"Name", entry.Name()}, {"Description", entry.Description()}, {"Skin", Bytes(skins.back())}});
    }

    Owner owner;
    framework::ApplyFormData(owner.root,
                             {{},
                              {{"TbsCompressedSkinList", "bsCompressedSkinList1", "", {{"Skins", entries}}},
                               {"TbsSkinData",
                                "bsSkinData1",
                                "",
                                {{"SkinIndex", 1}, {"SkinList", Ref{"bsCompressedSkinList1"}}}}}});
    auto* list = owner.Find<TbsCompressedSkinList>("bsCompressedSkinList1");
    auto* data = owner.Find<TbsSkinData>("bsSkinData1");
    ASSERT_TRUE(list && data);
    ASSERT_EQ(list->Skins().Count(), 2);
    for (int i = 0; i < 2; ++i) {
        const TbsSkinListItem& entry = list->Skins().Items(i);
        EXPECT_EQ(entry.Name(), names[i]);
        EXPECT_EQ(entry.Description(), names[i] + " skin");
        EXPECT_EQ(SkinProperty(entry), skins[size_t(i)]) << "entry " << i << " round-trips exactly";
        EXPECT_EQ(entry.StoredSkin().CompressedData(),
                  original.Skins().Items(i).StoredSkin().CompressedData());
    }
    EXPECT_EQ(data->SkinList(), list);
    EXPECT_EQ(data->SkinIndex(), 1);
    EXPECT_FALSE(data->Empty());
    EXPECT_EQ(data->SkinName(), "Ink");
}

TEST(SkinDataFormData, ADamagedSkinListIsRefusedByName) {
    std::vector<uint8_t> cut = {3, 0, 0, 0, 100, 0, 0, 0, 0x78};  // says 100 bytes follow, holds 1
    struct Case {
        const char* what;
        framework::PropertyValue skins;
    };
    const Case cases[] = {
        {"a package cut short", framework::Collection{{{{"Skin", Bytes(cut)}}}}},
        {"an unknown property of an entry", framework::Collection{{{{"Colour", "red"}}}}},
        {"no collection at all", StringList{"bsSkin0"}},
    };
    for (const Case& c : cases) {
        Owner owner;
        try {
            framework::ApplyFormData(owner.root,
                                     {{}, {{"TbsCompressedSkinList", "skins", "", {{"Skins", c.skins}}}}});
            ADD_FAILURE() << c.what << ": accepted";
        } catch (const framework::EReadError& error) {
            EXPECT_NE(error.Message().find("skins.Skins"), std::string::npos)
                << c.what << ": " << error.Message();
        }
    }
}

}  // namespace
