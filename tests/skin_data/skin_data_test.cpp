#include <gtest/gtest.h>
#include <zlib.h>

#include "framework/graphics/bmp.h"
#include "skin/data/bsSkinData.h"
#include "skin/data/bszlibcompress.h"
#include "skin/data/skin_broadcast.h"
#include "skin/data/skin_messages.h"
#include "skin_fixture.h"

using namespace skin;
using framework::TComponent;

namespace {

struct Received {
    std::string form;
    uint32_t message;
    bool empty;
    bool changing;
};

// Forms the broadcast reaches, recording what each one receives and the component's state then.
class FakeForms {
  public:
    FakeForms() {
        previous_ = SetAppFormsProvider([this] {
            std::vector<AppForm> forms;
            for (auto& [name, component, className] : forms_)
                forms.push_back(
                    {component, className, [this, name = name](uint32_t m, uintptr_t w, intptr_t l) {
                         auto* data = reinterpret_cast<TbsSkinData*>(w);
                         EXPECT_EQ(l, kSkinMessageLParam);
                         received.push_back({name, m, data->Empty(), data->ChangingSkin()});
                     }});
            return forms;
        });
    }
    ~FakeForms() { SetAppFormsProvider(previous_); }

    void Add(const std::string& name, const TComponent* component = nullptr,
             const std::string& className = "TForm") {
        forms_.push_back({name, component, className});
    }
    std::vector<uint32_t> Messages() const {
        std::vector<uint32_t> m;
        for (const auto& r : received) m.push_back(r.message);
        return m;
    }
    std::vector<std::string> Recipients() const {
        std::vector<std::string> names;
        for (const auto& r : received) names.push_back(r.form);
        return names;
    }

    std::vector<Received> received;

  private:
    struct Form {
        std::string name;
        const TComponent* component;
        std::string className;
    };
    std::vector<Form> forms_;
    AppFormsProvider previous_;
};

const std::vector<uint32_t> kLoadMessages = {SKM_BEFORECHANGESKINDATA, SKM_CHANGESKINDATA,
                                             SKM_AFTERCHANGESKINDATA};

class SampleSkin : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = new fixture::TempFolder("sample_skin");
        fixture::WriteSampleSkin(folder_->path());
        stored_ = new TbsCompressedStoredSkin(nullptr);
        stored_->PackSkinFolder((*folder_ / "skin.ini").string());
    }
    static void TearDownTestSuite() {
        delete stored_;
        delete folder_;
    }
    static fixture::TempFolder* folder_;
    static TbsCompressedStoredSkin* stored_;
};
fixture::TempFolder* SampleSkin::folder_ = nullptr;
TbsCompressedStoredSkin* SampleSkin::stored_ = nullptr;

TEST_F(SampleSkin, LoadsPicturesRecordsAndLookups) {
    TbsSkinData data(nullptr);
    EXPECT_TRUE(data.Empty());
    data.LoadStoredSkin(*stored_);
    EXPECT_FALSE(data.Empty());
    EXPECT_FALSE(data.ChangingSkin());
    EXPECT_EQ(data.ActivePictures().size(), 6u);
    EXPECT_EQ(data.FramePicture().Width(), 158);
    EXPECT_EQ(data.FramePicture().Height(), 136);
    EXPECT_TRUE(data.InactiveFramePicture().Empty());
    EXPECT_TRUE(data.FrameMask().Empty());
    EXPECT_EQ(data.PictureName(), "main.bmp");
    EXPECT_EQ(data.ActivePictureNames(), (std::vector<std::string>{"active.bmp", "pw.bmp", "menuitems.bmp",
                                                                   "controls.bmp", "hw.bmp", "mdibg.bmp"}));
    EXPECT_EQ(data.SkinName(), "Sample");

    ASSERT_EQ(data.SkinObjects().size(), 13u);
    EXPECT_EQ(data.SkinObjects()[0]->IDName, "MENUITEM");
    EXPECT_TRUE(data.ObjectAs<TbsDataSkinMenuItem>(0));
    EXPECT_EQ(data.SkinControls().size(), 63u);
    EXPECT_EQ(data.FindControlIndex("tab"), 12);
    EXPECT_EQ(data.FindControlIndex("hupdown"), 26);
    EXPECT_EQ(data.FindObjectIndex("MENUITEM"), 0);
    EXPECT_EQ(data.FindObjectIndex("menuitem"), -1) << "lookups are case-sensitive";
    EXPECT_EQ(data.FindControlIndex("nosuchcontrol"), -1);
    const auto* tab = data.ControlAs<TbsDataSkinTabControl>(data.FindControlIndex("tab"));
    ASSERT_TRUE(tab);
    EXPECT_EQ(data.FindControlIndex(tab->UpDown), 26);
    EXPECT_TRUE(data.ControlAs<TbsDataSkinUpDownControl>(26));
    EXPECT_FALSE(data.ControlAs<TbsDataSkinTabControl>(26)) << "another class";
    EXPECT_FALSE(data.ControlAs<TbsDataSkinTabControl>(63));
    EXPECT_FALSE(data.ControlAs<TbsDataSkinTabControl>(-1));
    EXPECT_TRUE(data.ControlAs<TbsDataSkinControl>(data.FindControlIndex("appmenu")) == nullptr);

    EXPECT_EQ(data.PopupWindow().WindowPictureIndex, 1);
    EXPECT_EQ(data.PopupWindow().ItemsRect, (platform::Rect{17, 5, 56, 35}));
    EXPECT_EQ(data.HintWindow().WindowPictureIndex, 4);
    EXPECT_EQ(data.HintWindow().ClientRect, (platform::Rect{8, 3, 39, 18}));
    EXPECT_EQ(data.LayerFrame().PictureIndex, -1) << "no LAYERFRAME section";
    EXPECT_EQ(data.SkinColors().cBtnFace, 14739166u);
    EXPECT_EQ(data.SkinColors().cBtnShadow, 8374134u);
    EXPECT_EQ(data.FormInfo().LeftTopPoint, (platform::Point{13, 27}));
    EXPECT_EQ(data.FormInfo().MaskRectArea, (platform::Rect{7, 10, 198, 163})) << "no mask: unchanged";
    EXPECT_TRUE(data.SkippedEntries().empty());
}

TEST_F(SampleSkin, NotifiesBeforeAndAfterTheChange) {
    FakeForms forms;
    forms.Add("main");
    TbsSkinData data(nullptr);
    int loadData = 0;
    data.OnLoadData = [&](TComponent* sender) {
        EXPECT_EQ(sender, &data);
        EXPECT_EQ(forms.received.size(), 1u) << "after the before-change notice, before the others";
        ++loadData;
    };
    data.LoadStoredSkin(*stored_);
    EXPECT_EQ(loadData, 1);
    ASSERT_EQ(forms.Messages(), kLoadMessages);
    EXPECT_TRUE(forms.received[0].empty && forms.received[0].changing);
    EXPECT_TRUE(!forms.received[1].empty && forms.received[1].changing);
    EXPECT_TRUE(!forms.received[2].empty && !forms.received[2].changing);

    forms.received.clear();
    TbsCompressedStoredSkin empty(nullptr);
    data.LoadStoredSkin(empty);
    EXPECT_TRUE(forms.received.empty()) << "a stored skin without data changes nothing";
    EXPECT_FALSE(data.Empty());
}

TEST(SkinData, UnknownTypesAreSkippedAndMissingSectionsGiveDefaults) {
    TbsCompressedStoredSkin stored(nullptr);
    fixture::StoreSkin(stored,
                       "[SKINCONTROLS]\ncount=5\n0=a:tab\n1=b:Tab\n2=c:nosuchtype\n3=nocolon\n4=e:updown\n"
                       "[SKINOBJECTS]\ncount=2\n0=x:caption\n1=y:stdbutton\n2=z:caption\n"
                       "[a]\nfontheight=9\n");
    TbsSkinData data(nullptr);
    data.LoadStoredSkin(stored);
    ASSERT_EQ(data.SkinControls().size(), 2u) << "one record per known type";
    EXPECT_EQ(data.SkinControls()[0]->IDName, "a");
    EXPECT_EQ(data.SkinControls()[1]->IDName, "e");
    EXPECT_EQ(data.ControlAs<TbsDataSkinTabControl>(0)->FontHeight, 9);
    EXPECT_EQ(data.SkinControls()[1]->PictureIndex, -1) << "no section [e]: all defaults";
    EXPECT_EQ(data.SkinObjects().size(), 2u) << "entries at or beyond count are not read";
    ASSERT_EQ(data.SkippedEntries().size(), 3u);
    EXPECT_EQ(data.SkippedEntries()[0].entry, "b:Tab");
    EXPECT_EQ(data.SkippedEntries()[2].entry, "nocolon");
    EXPECT_EQ(data.SkippedEntries()[2].list, "SKINCONTROLS");
}

TEST(SkinData, NoSectionIsRequired) {
    TbsCompressedStoredSkin stored(nullptr);
    fixture::StoreSkin(stored, "");
    TbsSkinData data(nullptr);
    data.LoadStoredSkin(stored);
    EXPECT_FALSE(data.Empty());
    EXPECT_TRUE(data.SkinObjects().empty());
    EXPECT_EQ(data.FormInfo().BGPictureIndex, -1);
    EXPECT_EQ(data.SkinColors().cWindow, platform::SystemColor(platform::COLOR_WINDOW));
    EXPECT_EQ(data.HintWindow().FontHeight, 14);
}

TEST(SkinData, MaskedFrameRulesApplyOnLoad) {
    TbsCompressedStoredSkin stored(nullptr);
    fixture::StoreSkin(
        stored,
        "[PICTURES]\nmask=mask.bmp\n[FORMINFO]\nclientrect=4,23,154,131\nmaskrectarea=0,0,0,0\n"
        "lefttoppoint=13,27\nrightbottompoint=152,129\nhittestlefttoppoint=0,8\n");
    TbsSkinData data(nullptr);
    data.LoadStoredSkin(stored);
    EXPECT_EQ(data.MaskName(), "mask.bmp");
    EXPECT_EQ(data.FormInfo().MaskRectArea, (platform::Rect{4, 23, 154, 131}));
    EXPECT_EQ(data.FormInfo().HitTestLeftTopPoint, (platform::Point{13, 27}));
}

// A zlib stream of `size` zero bytes, made without holding them.
std::vector<uint8_t> DeflatedZeros(int64_t size) {
    z_stream z{};
    deflateInit(&z, 1);
    std::vector<uint8_t> zeros(1 << 20, 0), out, chunk(1 << 16);
    int64_t left = size;
    int result = Z_OK;
    while (result != Z_STREAM_END) {
        uInt n = uInt(std::min<int64_t>(left, int64_t(zeros.size())));
        z.next_in = zeros.data();
        z.avail_in = n;
        left -= n;
        const int flush = left > 0 ? Z_NO_FLUSH : Z_FINISH;
        do {
            z.next_out = chunk.data();
            z.avail_out = uInt(chunk.size());
            result = deflate(&z, flush);
            out.insert(out.end(), chunk.begin(), chunk.end() - z.avail_out);
        } while (z.avail_out == 0);
    }
    deflateEnd(&z);
    return out;
}

TEST(SkinData, FailedLoadsLeaveNoSkinAndEndTheChange) {
    TbsCompressedStoredSkin good(nullptr);
    fixture::StoreSkin(good, "[SKINCONTROLS]\ncount=1\n0=tab:tab\n[LAYERFRAME]\npictureindex=0\n",
                       {fixture::MakePicture(4, 4, framework::TPixelFormat::pf24bit)});

    std::vector<uint8_t> package = fixture::PackageBytes(
        "[VERSION]\n", {fixture::MakePicture(8, 8, framework::TPixelFormat::pf8bit, 4)});
    std::vector<uint8_t> lyingBmp = package;
    lyingBmp[11 + 28] = 16;  // the active picture's bit depth (version, 3 flags, count, then the image)
    std::vector<uint8_t> versionFour = package;
    versionFour[0] = 4;
    std::vector<uint8_t> compressed = fixture::Deflate(package);
    std::vector<uint8_t> damaged = compressed;
    damaged[compressed.size() / 2] ^= 0x55;
    damaged[compressed.size() / 2 + 1] ^= 0x55;
    std::vector<uint8_t> truncated(compressed.begin(), compressed.begin() + int64_t(compressed.size() / 2));

    struct Case {
        const char* what;
        std::vector<uint8_t> bare;  // "CompressedData"
        std::function<void(TbsSkinData&, TbsCompressedStoredSkin&)> load;
    };
    auto expectThrow = [](auto errorTag) {
        using E = decltype(errorTag);
        return [](TbsSkinData& d, TbsCompressedStoredSkin& s) { EXPECT_THROW(d.LoadStoredSkin(s), E); };
    };
    const Case cases[] = {
        {"damaged zlib stream", damaged, expectThrow(EDecompressionError("x"))},
        {"truncated zlib stream", truncated, expectThrow(framework::EReadError("x"))},
        {"lying bitmap header", fixture::Deflate(lyingBmp), expectThrow(framework::EInvalidGraphic("x"))},
        {"malformed rect",
         fixture::Deflate(
             fixture::PackageBytes("[SKINCONTROLS]\ncount=2\n0=a:tab\n1=b:tab\n[b]\nskinrect=1,2\n")),
         expectThrow(framework::EConvertError("x"))},
        {"package version 4", fixture::Deflate(versionFour),
         [](TbsSkinData& d, TbsCompressedStoredSkin& s) { EXPECT_NO_THROW(d.LoadStoredSkin(s)); }},
        {"inflates past 256 MiB", DeflatedZeros(kMaxInflatedSize + 1), expectThrow(EDecompressionError("x"))},
    };
    for (const Case& c : cases) {
        FakeForms forms;
        forms.Add("a");
        forms.Add("b");
        TbsSkinData data(nullptr);
        data.LoadStoredSkin(good);
        ASSERT_FALSE(data.Empty());
        forms.received.clear();

        TbsCompressedStoredSkin bad(nullptr);
        framework::TMemoryStream bytes(c.bare);
        bad.ReadCompressedData(bytes);
        c.load(data, bad);
        EXPECT_TRUE(data.Empty()) << c.what;
        EXPECT_FALSE(data.ChangingSkin()) << c.what;
        EXPECT_TRUE(data.SkinControls().empty()) << c.what << ": half a skin is no skin";
        EXPECT_TRUE(data.ActivePictures().empty()) << c.what;
        EXPECT_EQ(data.LayerFrame().PictureIndex, -1) << c.what;
        EXPECT_EQ(forms.Messages(), (std::vector<uint32_t>{SKM_BEFORECHANGESKINDATA, SKM_BEFORECHANGESKINDATA,
                                                           SKM_CHANGESKINDATA, SKM_CHANGESKINDATA,
                                                           SKM_AFTERCHANGESKINDATA, SKM_AFTERCHANGESKINDATA}))
            << c.what;
        EXPECT_TRUE(forms.received.back().empty && !forms.received.back().changing) << c.what;
    }
}

TEST(SkinData, RefusedPackageVersionIsReported) {
    std::vector<uint8_t> package = fixture::PackageBytes("");
    package[0] = 9;
    TbsCompressedStoredSkin stored(nullptr);
    fixture::StorePackage(stored, package);
    TbsSkinData data(nullptr);
    data.LoadStoredSkin(stored);
    EXPECT_TRUE(data.Empty());
    EXPECT_EQ(data.PackageLayout().version, 9);
}

TEST(SkinData, ClearRecordsKeepsValuesButDropsPicturesAndIndexes) {
    TbsCompressedStoredSkin stored(nullptr);
    fixture::StoreSkin(
        stored,
        "[POPUPWINDOW]\nwindowpictureindex=0\nitemsrect=1,2,3,4\n[HINTWINDOW]\nwindowpictureindex=0\n"
        "[LAYERFRAME]\npictureindex=0\n[SKINCOLORS]\ncwindow=5\n[SKINOBJECTS]\ncount=1\n0=c:caption\n",
        {fixture::MakePicture(2, 2, framework::TPixelFormat::pf24bit)});
    TbsSkinData data(nullptr);
    data.LoadStoredSkin(stored);
    EXPECT_EQ(data.SkinColors().cWindow, 5u);
    data.ClearRecords();
    EXPECT_TRUE(data.SkinObjects().empty());
    EXPECT_TRUE(data.ActivePictures().empty());
    EXPECT_EQ(data.PopupWindow().WindowPictureIndex, -1);
    EXPECT_EQ(data.HintWindow().WindowPictureIndex, -1);
    EXPECT_EQ(data.LayerFrame().PictureIndex, -1);
    EXPECT_EQ(data.PopupWindow().ItemsRect, (platform::Rect{1, 2, 3, 4})) << "other values stay";
    EXPECT_EQ(data.SkinColors().cWindow, platform::SystemColor(platform::COLOR_WINDOW));
    EXPECT_FALSE(data.Empty()) << "ClearRecords alone does not empty the component";
    data.ClearSkin();
    EXPECT_TRUE(data.Empty());
}

TEST(SkinData, SwitchesBroadcastOnlyRealChangesAtRunTime) {
    FakeForms forms;
    forms.Add("f");
    TbsSkinData data(nullptr);
    EXPECT_TRUE(data.SkinnableForm());
    EXPECT_FALSE(data.AnimationForAllWindows());
    EXPECT_TRUE(data.EnableSkinEffects() && data.ShowButtonGlowFrames() &&
                data.ShowCaptionButtonGlowFrames());
    EXPECT_TRUE(data.ShowLayeredBorders() && data.AeroBlurEnabled());
    EXPECT_EQ(data.SkinIndex(), 0);

    data.SetShowLayeredBorders(true);
    data.SetSkinnableForm(true);
    EXPECT_TRUE(forms.received.empty()) << "the current value sends nothing";
    data.SetSkinnableForm(false);
    data.SetShowLayeredBorders(false);
    data.SetAeroBlurEnabled(false);
    data.SetEnableSkinEffects(false);
    EXPECT_EQ(forms.Messages(), (std::vector<uint32_t>{SKM_SKINNABLEFORMCHANGED, SKM_LAYEREDBORDERSCHANGED,
                                                       SKM_AEROBLURCHANGED}));

    forms.received.clear();
    data.SetLoading();
    data.SetSkinnableForm(true);
    data.Loaded();
    data.SetDesigning(true);
    data.SetAeroBlurEnabled(true);
    EXPECT_TRUE(forms.received.empty()) << "no notices while reading form data or in design mode";
    EXPECT_TRUE(data.SkinnableForm());
}

TEST(SkinData, AssigningReferencesLoadsAndNotifies) {
    FakeForms forms;
    forms.Add("f");
    TComponent form(nullptr);
    auto* stored = new TbsCompressedStoredSkin(&form);
    fixture::StoreSkin(*stored, "[SKINOBJECTS]\ncount=1\n0=c:caption\n");
    auto* data = new TbsSkinData(&form);
    data->SetLoading();
    data->SetCompressedStoredSkin(stored);
    EXPECT_FALSE(data->Empty()) << "loads at once, also while form data is read";
    EXPECT_EQ(forms.Messages(), kLoadMessages);

    forms.received.clear();
    auto* strings = new TbsResourceStrData(&form);
    data->SetResourceStrData(strings);
    EXPECT_EQ(forms.Messages(), std::vector<uint32_t>{SKM_RESSTRINGSCHANGED});
    data->Loaded();

    forms.received.clear();
    delete stored;
    delete strings;
    EXPECT_EQ(data->CompressedStoredSkin(), nullptr);
    EXPECT_EQ(data->ResourceStrData(), nullptr);
    EXPECT_TRUE(forms.received.empty()) << "a removed reference sends nothing";
    EXPECT_FALSE(data->Empty()) << "and keeps the loaded skin";

    TbsSkinData designer(nullptr);
    designer.SetDesigning(true);
    TbsCompressedStoredSkin other(nullptr);
    fixture::StoreSkin(other, "");
    designer.SetCompressedStoredSkin(&other);
    EXPECT_TRUE(designer.Empty()) << "design mode does not load";
}

TEST(SkinData, ReferencesWithOtherOwnersAreClearedToo) {
    auto* stored = new TbsCompressedStoredSkin(nullptr);
    TbsSkinData data(nullptr);
    data.SetCompressedStoredSkin(stored);
    delete stored;
    EXPECT_EQ(data.CompressedStoredSkin(), nullptr);
}

TEST(SkinData, SkinListAndIndex) {
    TbsCompressedSkinList list(nullptr);
    for (const char* name : {"zero", "one", "two"})
        fixture::StoreSkin(list.Skins().Add().StoredSkin(),
                           std::string("[VERSION]\nskinname=") + name + "\n");
    FakeForms forms;
    forms.Add("f");
    TbsSkinData data(nullptr);
    data.SetSkinIndex(7);
    EXPECT_EQ(data.SkinIndex(), 7) << "without a list the value is stored";
    data.SetSkinIndex(1);
    data.SetSkinList(&list);
    EXPECT_EQ(data.SkinName(), "one");
    forms.received.clear();
    data.SetSkinIndex(5);
    EXPECT_EQ(data.SkinIndex(), 1) << "an index beyond the list is ignored";
    EXPECT_TRUE(forms.received.empty());
    data.SetSkinIndex(-1);
    EXPECT_EQ(data.SkinIndex(), 1);
    data.SetSkinIndex(1);
    EXPECT_TRUE(forms.received.empty()) << "the same index does nothing";
    data.SetSkinIndex(2);
    EXPECT_EQ(data.SkinName(), "two");
    EXPECT_EQ(forms.Messages(), kLoadMessages);
}

TEST(SkinData, DestructionSendsNothing) {
    FakeForms forms;
    forms.Add("f");
    TbsCompressedStoredSkin stored(nullptr);
    fixture::StoreSkin(stored, "");
    {
        TbsSkinData data(nullptr);
        data.LoadStoredSkin(stored);
        forms.received.clear();
    }
    EXPECT_TRUE(forms.received.empty());
}

TEST(SkinData, BroadcastReachesFormsInTheirOrder) {
    TComponent owner(nullptr), other(nullptr), layer(nullptr);
    FakeForms forms;
    forms.Add("first", &other);
    forms.Add("border", &layer, std::string(kLayerWindowClassName));
    forms.Add("owner", &owner);
    forms.Add("last");
    auto* data = new TbsSkinData(&owner);
    TbsCompressedStoredSkin layered(nullptr);
    fixture::StoreSkin(layered, "[LAYERFRAME]\npictureindex=0\n",
                       {fixture::MakePicture(2, 2, framework::TPixelFormat::pf24bit)});
    data->LoadStoredSkin(layered);

    forms.received.clear();
    data->BroadcastSkinMessage(SKM_CHANGESKINDATA);
    EXPECT_EQ(forms.Recipients(), (std::vector<std::string>{"last", "owner", "first"}))
        << "layered borders with a frame picture: last form first, the layer window left out";
    forms.received.clear();
    data->SetShowLayeredBorders(false);
    EXPECT_EQ(forms.Recipients(), (std::vector<std::string>{"owner", "first", "last"}))
        << "the owner form first";
    delete data;
}

}  // namespace
