// The skin data components described by form data: the holder takes its "CompressedData", the
// skin data component its switches, and the skin loads when the reference to the holder resolves,
// while both components are still loading.
#include "skin/data/form_data_classes.h"

#include <gtest/gtest.h>

#include "framework/core/form_data.h"
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

}  // namespace
