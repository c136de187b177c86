#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>

#include "framework/core/exception.h"
#include "skin/data/form_info.h"
#include "skin/data/ini_document.h"
#include "skin/data/skin_colors.h"
#include "skin/data/skin_control_records.h"
#include "skin/data/skin_object_records.h"
#include "skin/data/window_records.h"
#include "skin_fixture.h"

using namespace skin;
using platform::Point;
using platform::Rect;

namespace {

const std::vector<std::string> kObjectTypeNames = {"userobject",        "button",  "stdbutton",
                                                   "mainmenubarbutton", "animate", "menuitem",
                                                   "mainmenubaritem",   "caption"};
const std::vector<std::string> kControlTypeNames = {
    "button",   "menubutton",   "panel",      "expanel",   "checkradio", "gauge",
    "splitter", "trackbar",     "label",      "stdlabel",  "updown",     "grid",
    "tab",      "mainmenubar",  "controlbar", "appmenu",   "edit",       "memo",
    "listbox",  "checklistbox", "combobox",   "scrollbar", "spinedit",   "scrollbox",
    "treeview", "listview",     "richedit",   "bevel",     "slider"};

// Every key of a record as (name, value text), in visiting order: a plain reference to compare
// records by, independent of the INI encodings under test.
class KeyDump : public KeyVisitor {
  public:
    std::vector<std::pair<std::string, std::string>> keys;
    void Visit(std::string_view key, const AnyKeySlot& slot) override {
        keys.emplace_back(std::string(key), std::visit([](const auto& s) { return Show(*s.value); }, slot));
    }

  private:
    static std::string Show(const std::string& v) { return "s:" + v; }
    static std::string Show(int32_t v) { return "i:" + std::to_string(v); }
    static std::string Show(platform::COLORREF v) { return "c:" + std::to_string(v); }
    static std::string Show(bool v) { return v ? "b:1" : "b:0"; }
    static std::string Show(const Rect& r) {
        return "r:" + std::to_string(r.Left) + "/" + std::to_string(r.Top) + "/" + std::to_string(r.Right) +
               "/" + std::to_string(r.Bottom);
    }
    static std::string Show(const Point& p) { return "p:" + std::to_string(p.X) + "/" + std::to_string(p.Y); }
    static std::string Show(const TFontStyles& f) {
        return "f:" + std::to_string(f.Bold) + std::to_string(f.Italic) + std::to_string(f.Underline) +
               std::to_string(f.StrikeOut);
    }
    template <class E>
    requires std::is_enum_v<E>
    static std::string Show(E e) { return "e:" + std::to_string(int(e)); }
};

std::vector<std::pair<std::string, std::string>> Dump(KeyedValues& record) {
    KeyDump dump;
    record.VisitKeys(dump);
    return dump.keys;
}

// Sets every key to a random value that the INI text can carry (rect and point components are
// never negative; strings have no blanks at their ends and no line ends).
class RandomValues : public KeyVisitor {
  public:
    explicit RandomValues(uint32_t seed) : rng_(seed) {}
    void Visit(std::string_view, const AnyKeySlot& slot) override {
        std::visit([&](const auto& s) { Fill(*s.value); }, slot);
    }

  private:
    uint32_t Next() { return rng_(); }
    int32_t Component() { return int32_t(Next() % 3 == 0 ? Next() % 2000 : Next() & 0x7FFFFFFF); }
    void Fill(std::string& v) {
        static const std::string letters = "abcXYZ019 =:;[]_";
        v.clear();
        size_t n = Next() % 6;
        for (size_t i = 0; i < n; ++i) v += letters[Next() % letters.size()];
        while (!v.empty() && (v.back() == ' ')) v.pop_back();
        while (!v.empty() && (v.front() == ' ')) v.erase(v.begin());
    }
    void Fill(int32_t& v) { v = int32_t(Next()); }
    void Fill(platform::COLORREF& v) { v = Next(); }
    void Fill(bool& v) { v = Next() % 2; }
    void Fill(Rect& r) { r = {Component(), Component(), Component(), Component()}; }
    void Fill(Point& p) { p = {Component(), Component()}; }
    void Fill(TFontStyles& f) { f = {Next() % 2 == 0, Next() % 2 == 0, Next() % 2 == 0, Next() % 2 == 0}; }
    template <class E>
    requires std::is_enum_v<E>
    void Fill(E& e) { e = E(Next() % EnumNames<E>::names.size()); }
    std::mt19937 rng_;
};

// Every record class, made fresh, with the load and save of its own section.
struct RecordKind {
    std::string name;
    std::function<std::unique_ptr<KeyedValues>()> make;
    std::function<void(KeyedValues&, const IniDocument&)> load;
    std::function<void(const KeyedValues&, IniDocument&)> save;
};

template <class R>
RecordKind ListRecord(std::string name, std::function<std::unique_ptr<R>()> make) {
    return {name, [make] { return std::unique_ptr<KeyedValues>(make()); },
            [](KeyedValues& r, const IniDocument& ini) { static_cast<R&>(r).Load(ini); },
            [](const KeyedValues& r, IniDocument& ini) { static_cast<const R&>(r).Save(ini); }};
}

template <class R>
RecordKind SectionRecord(std::string name) {
    return {name, [] { return std::make_unique<R>(); },
            [](KeyedValues& r, const IniDocument& ini) { static_cast<R&>(r).Load(ini); },
            [](const KeyedValues& r, IniDocument& ini) { static_cast<const R&>(r).Save(ini); }};
}

std::vector<RecordKind> AllRecordKinds() {
    std::vector<RecordKind> kinds;
    for (const std::string& type : kObjectTypeNames)
        kinds.push_back(ListRecord<TbsDataSkinObject>("object " + type,
                                                      [type] { return CreateSkinObject(type, "rec"); }));
    for (const std::string& type : kControlTypeNames)
        kinds.push_back(ListRecord<TbsDataSkinControl>("control " + type,
                                                       [type] { return CreateSkinControl(type, "rec"); }));
    kinds.push_back(ListRecord<TbsDataSkinObject>("TbsDataSkinObject",
                                                  [] { return std::make_unique<TbsDataSkinObject>("rec"); }));
    kinds.push_back(ListRecord<TbsDataSkinObject>(
        "TbsDataSkinMainMenuItem", [] { return std::make_unique<TbsDataSkinMainMenuItem>("rec"); }));
    kinds.push_back(ListRecord<TbsDataSkinControl>(
        "TbsDataSkinControl", [] { return std::make_unique<TbsDataSkinControl>("rec"); }));
    kinds.push_back(ListRecord<TbsDataSkinControl>(
        "TbsDataSkinCustomControl", [] { return std::make_unique<TbsDataSkinCustomControl>("rec"); }));
    kinds.push_back(SectionRecord<TbsDataSkinPopupWindow>("POPUPWINDOW"));
    kinds.push_back(SectionRecord<TbsDataSkinHintWindow>("HINTWINDOW"));
    kinds.push_back(SectionRecord<TbsDataSkinLayerFrame>("LAYERFRAME"));
    kinds.push_back(SectionRecord<TbsFormInfo>("FORMINFO"));
    kinds.push_back(SectionRecord<TbsSkinColors>("SKINCOLORS"));
    return kinds;
}

TEST(Records, TypeTablesCreateTheirClassesByExactName) {
    EXPECT_EQ(SkinObjectTypeNames(),
              std::vector<std::string_view>(kObjectTypeNames.begin(), kObjectTypeNames.end()));
    EXPECT_EQ(SkinControlTypeNames(),
              std::vector<std::string_view>(kControlTypeNames.begin(), kControlTypeNames.end()));
    for (const std::string& type : kObjectTypeNames) {
        auto record = CreateSkinObject(type, "x");
        ASSERT_TRUE(record) << type;
        EXPECT_EQ(record->TypeName(), type);
        EXPECT_EQ(record->IDName, "x");
    }
    for (const std::string& type : kControlTypeNames) {
        auto record = CreateSkinControl(type, "x");
        ASSERT_TRUE(record) << type;
        EXPECT_EQ(record->TypeName(), type);
    }
    for (const char* wrong : {"Tab", "TAB", "tab ", " tab", "", "stdButton", "mainmenuitem"}) {
        EXPECT_FALSE(CreateSkinControl(wrong, "x")) << wrong;
        EXPECT_FALSE(CreateSkinObject(wrong, "x")) << wrong;
    }
}

TEST(Records, EveryClassHasEachKeyOnce) {
    for (const RecordKind& kind : AllRecordKinds()) {
        auto record = kind.make();
        std::set<std::string> seen;
        for (const auto& [key, value] : Dump(*record)) {
            std::string lower = key;
            for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
            EXPECT_TRUE(seen.insert(lower).second) << kind.name << ": " << key << " twice";
        }
    }
}

TEST(Records, LoadOfSaveGivesTheSameValuesForEveryClass) {
    uint32_t seed = 1;
    for (const RecordKind& kind : AllRecordKinds())
        for (int round = 0; round < 20; ++round) {
            auto record = kind.make();
            RandomValues random(seed++);
            record->VisitKeys(random);
            // A loaded record is what load(save(x)) must reproduce: derived values included.
            IniDocument ini;
            kind.save(*record, ini);
            auto loaded = kind.make();
            kind.load(*loaded, ini);
            IniDocument again;
            kind.save(*loaded, again);
            auto reloaded = kind.make();
            kind.load(*reloaded, again);
            ASSERT_EQ(Dump(*reloaded), Dump(*loaded)) << kind.name << " round " << round;
        }
}

TEST(Records, ANewRecordReadsLikeAnEmptySection) {
    const IniDocument empty;
    for (const RecordKind& kind : AllRecordKinds()) {
        if (kind.name == "control tab" || kind.name == "HINTWINDOW" || kind.name == "SKINCOLORS")
            continue;
        auto fresh = kind.make();
        auto loaded = kind.make();
        kind.load(*loaded, empty);
        EXPECT_EQ(Dump(*fresh), Dump(*loaded)) << kind.name;
    }
    // The three that differ before their first load.
    TbsDataSkinTabControl tab("tab");
    EXPECT_EQ(tab.FontName, "Arial");
    EXPECT_EQ(tab.FontHeight, 14);
    EXPECT_EQ(tab.ButtonTransparentColor, platform::RGB(255, 0, 255));
    EXPECT_EQ(tab.DividerTransparentColor, platform::RGB(255, 0, 255));
    tab.Load(empty);
    EXPECT_EQ(tab.ButtonTransparentColor, 0u);
    EXPECT_EQ(tab.DividerTransparentColor, 0u);
    TbsDataSkinHintWindow hint;
    EXPECT_EQ(hint.FontName, "Arial");
    EXPECT_EQ(hint.FontHeight, 12);
    hint.Load(empty);
    EXPECT_EQ(hint.FontHeight, 14);
    TbsSkinColors colors;
    EXPECT_EQ(colors.cBtnFace, 0u);
    colors.Load(empty);
    EXPECT_EQ(colors.cBtnFace, platform::SystemColor(platform::COLOR_BTNFACE));
    EXPECT_EQ(colors.cBtnShadow, platform::SystemColor(platform::COLOR_BTNSHADOW));
}

TEST(Records, SaveErasesTheSectionFirst) {
    IniDocument ini(SplitTextLines("[closebutton]\nstray=1\nhint=Old\n"));
    TbsDataSkinStdButton button("closebutton");
    button.Hint = "Close";
    button.Save(ini);
    EXPECT_EQ(ini.Find("closebutton", "stray"), nullptr);
    EXPECT_EQ(*ini.Find("closebutton", "hint"), "Close");
    EXPECT_EQ(*ini.Find("closebutton", "command"), "cmdefault");
    EXPECT_EQ(*ini.Find("closebutton", "disableskinrsect"), "0,0,0,0") << "keys keep their skin spelling";
}

// The sample skin carries the shipped values of the records the skin engine relies on.
class SampleRecords : public ::testing::Test {
  protected:
    SampleRecords()
        : ini_(SplitTextLines(
              fixture::ReadFile(fixture::SourceDir() / "tests/skin_data/fixtures/sample_skin.ini"))) {}

    template <class R>
    R Loaded(const std::string& name) {
        R record(name);
        record.Load(ini_);
        return record;
    }
    IniDocument ini_;
};

TEST_F(SampleRecords, CloseButton) {
    auto close = Loaded<TbsDataSkinStdButton>("closebutton");
    EXPECT_EQ(close.Hint, "Close");
    EXPECT_EQ(close.ActivePictureIndex, 0);
    EXPECT_TRUE(close.SkinRectInAPicture);
    EXPECT_EQ(close.SkinRect, (Rect{40, 0, 58, 17}));
    EXPECT_EQ(close.ActiveSkinRect, (Rect{20, 0, 38, 17}));
    EXPECT_EQ(close.DownRect, (Rect{0, 0, 18, 17}));
    EXPECT_TRUE(close.Morphing);
    EXPECT_EQ(close.Command, TStdCommand::cmClose);
    EXPECT_EQ(close.RestoreHint, "");
    EXPECT_EQ(close.GlowLayerAlphaBlendValue, 255);
}

TEST_F(SampleRecords, RestoreHintsAreDerived) {
    EXPECT_EQ(Loaded<TbsDataSkinStdButton>("maxbutton").RestoreHint, "Restore");
    EXPECT_EQ(Loaded<TbsDataSkinStdButton>("minbutton").RestoreHint, "Restore");
    EXPECT_EQ(Loaded<TbsDataSkinStdButton>("rollupbutton").RestoreHint, "Restore");
    EXPECT_EQ(Loaded<TbsDataSkinMainMenuBarButton>("menubarmaxbutton").RestoreHint, "")
        << "no section: no hint to derive from";
    auto tray = Loaded<TbsDataSkinStdButton>("traybutton");
    EXPECT_EQ(tray.Command, TStdCommand::cmMinimizeToTray);
    EXPECT_EQ(int(tray.Command), 6);
    EXPECT_EQ(Loaded<TbsDataSkinStdButton>("systemmenubutton").Command, TStdCommand::cmDefault)
        << "a section without \"command\" has command 4";
}

TEST(Records, RestoreHintDerivation) {
    using C = TStdCommand;
    struct Case {
        const char* hint;
        C command;
        const char* restoreHint;
    };
    const Case cases[] = {
        {"Maximize", C::cmMaximize, "Restore"},
        {"Minimize", C::cmMinimize, "Restore"},
        {"RollUp", C::cmRollUp, "Restore"},
        {"Roll Up", C::cmRollUp, "Restore"},
        {"maximize", C::cmMaximize, ""},
        {"Maximize", C::cmMinimize, ""},
        {"Minimize", C::cmMaximize, ""},
        {"Roll up", C::cmRollUp, ""},
        {"Close", C::cmClose, ""},
        {"", C::cmMaximize, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(DerivedRestoreHint(c.hint, c.command), c.restoreHint) << c.hint;

    IniDocument ini(
        SplitTextLines("[a]\nhint=Maximize\ncommand=cmmaximize\nrestorehint=Back\n"
                       "[b]\nhint=Minimize\ncommand=cmminimize\nmorphing=1\n"));
    TbsDataSkinStdButton given("a");
    given.Load(ini);
    EXPECT_EQ(given.RestoreHint, "Back") << "a given restore hint stays";
    TbsDataSkinAnimate animate("b");
    animate.Load(ini);
    EXPECT_EQ(animate.RestoreHint, "Restore") << "animations derive it the same way";
    EXPECT_FALSE(animate.Morphing) << "animations never morph";
}

TEST_F(SampleRecords, Caption) {
    auto caption = Loaded<TbsDataSkinCaption>("caption1");
    EXPECT_EQ(caption.SkinRect, (Rect{12, 5, 145, 20}));
    EXPECT_FALSE(caption.SkinRectInAPicture);
    EXPECT_EQ(caption.TextRect, (Rect{3, 0, 130, 15}));
    EXPECT_EQ(caption.FontName, "Arial");
    EXPECT_EQ(caption.FontHeight, 16);
    EXPECT_EQ(caption.FontStyle, (TFontStyles{.Bold = true}));
    EXPECT_EQ(caption.FontColor, 12632256u);
    EXPECT_EQ(caption.ActiveFontColor, 16777215u);
    EXPECT_EQ(caption.Alignment, TAlignment::taCenter);
    EXPECT_TRUE(caption.Shadow);
    EXPECT_EQ(caption.ShadowColor, 0u);
    EXPECT_EQ(caption.GlowSize, 3);
}

TEST_F(SampleRecords, MenuItemMarksFallBackToTheirNormalFaces) {
    auto item = Loaded<TbsDataSkinMenuItem>("MENUITEM");
    EXPECT_EQ(item.ActivePictureIndex, 2);
    EXPECT_EQ(item.SkinRect, (Rect{0, 54, 54, 74}));
    EXPECT_EQ(item.ActiveSkinRect, (Rect{0, 75, 54, 95}));
    EXPECT_EQ(item.DividerRect, (Rect{0, 96, 53, 99}));
    EXPECT_EQ(item.ItemLeftOffset, 8);
    EXPECT_EQ(item.ItemRightOffset, 8);
    EXPECT_EQ(item.TextRect, (Rect{2, 2, 52, 18}));
    EXPECT_EQ(item.UnEnabledFontColor, 8421504u);
    EXPECT_EQ(item.AnimateInterval, 20);
    EXPECT_EQ(item.CheckImageRect, Rect{});
    EXPECT_EQ(item.ActiveCheckImageRect, Rect{});
    EXPECT_EQ(item.ActiveArrowImageRect, Rect{});

    IniDocument ini(
        SplitTextLines("[m]\ncheckimagerect=1,2,3,4\nactivecheckimagerect=5,6,7,8\n"
                       "radioimagerect=0,0,9,9\nactiveradioimagerect=3,3,3,9\narrowimagerect=2,2,4,4\n"));
    TbsDataSkinMenuItem marks("m");
    marks.Load(ini);
    EXPECT_EQ(marks.ActiveCheckImageRect, (Rect{5, 6, 7, 8})) << "a given face stays";
    EXPECT_EQ(marks.ActiveRadioImageRect, (Rect{0, 0, 9, 9})) << "an empty (zero-width) face falls back";
    EXPECT_EQ(marks.ActiveArrowImageRect, (Rect{2, 2, 4, 4})) << "a missing face falls back";
}

TEST_F(SampleRecords, MainMenuBarItemReadsItsOddlySpelledKey) {
    EXPECT_EQ(Loaded<TbsDataSkinMainMenuBarItem>("mainmenubaritem1").UnEnabledFontColor, 8421504u);
}

TEST(Records, UserObjectsReadOnlyTheirSkinRect) {
    IniDocument ini(SplitTextLines("[u]\nactivepictureindex=3\nskinrect=1,2,3,4\nhint=x\nmorphing=1\n"));
    TbsDataUserObject user("u");
    user.Load(ini);
    EXPECT_EQ(user.SkinRect, (Rect{1, 2, 3, 4}));
    EXPECT_EQ(user.ActivePictureIndex, -1);
    EXPECT_EQ(user.Hint, "");
    EXPECT_FALSE(user.Morphing);
    EXPECT_EQ(user.GlowLayerAlphaBlendValue, 255);
    IniDocument saved;
    user.Save(saved);
    EXPECT_EQ(saved.Entries("u")->size(), 1u);
}

TEST_F(SampleRecords, TabRecord) {
    auto tab = Loaded<TbsDataSkinTabControl>("tab");
    EXPECT_EQ(tab.PictureIndex, 3);
    EXPECT_EQ(tab.SkinRect, (Rect{356, 11, 425, 67}));
    EXPECT_EQ(tab.TabRect, (Rect{45, 72, 86, 89}));
    EXPECT_EQ(tab.ActiveTabRect, (Rect{3, 72, 44, 89}));
    EXPECT_EQ(tab.FocusTabRect, (Rect{45, 90, 86, 107}));
    EXPECT_TRUE(tab.MouseInTabRect.isEmpty());
    EXPECT_EQ(tab.ClientRect, (Rect{3, 2, 66, 54}));
    EXPECT_EQ(tab.LeftTopPoint, (Point{5, 3}));
    EXPECT_EQ(tab.RightTopPoint, (Point{62, 5}));
    EXPECT_EQ(tab.TabLeftOffset, 10);
    EXPECT_EQ(tab.TabsBGRect, (Rect{357, 69, 395, 86}));
    EXPECT_EQ(tab.MouseInFontColor, 16777215u);
    EXPECT_EQ(tab.UpDown, "hupdown");
    EXPECT_EQ(tab.StretchType, TStretchType::stFull);
    // The close-button, divider and MDI keys are missing.
    for (const Rect& r : {tab.CloseButtonRect, tab.CloseButtonActiveRect, tab.CloseButtonDownRect,
                          tab.DividerRect, tab.MDICloseRect, tab.MDIRestoreRect, tab.MDIMinDownRect})
        EXPECT_EQ(r, Rect{});
    EXPECT_EQ(tab.ButtonTransparentColor, 0u);
    EXPECT_EQ(tab.DividerTransparentColor, 0u);
}

TEST_F(SampleRecords, UpDownFacesAreNeverCutIntoNineParts) {
    auto h = Loaded<TbsDataSkinUpDownControl>("hupdown");
    EXPECT_EQ(h.SkinRect, (Rect{142, 171, 178, 189}));
    EXPECT_EQ(h.UpButtonRect, (Rect{18, 0, 36, 18}));
    EXPECT_EQ(h.DownDownButtonRect, (Rect{142, 151, 160, 169}));
    EXPECT_EQ(h.LeftTopPoint, Point{}) << "the section gives 1,1";
    EXPECT_EQ(h.ClientRect, Rect{}) << "the section gives 2,2,30,16";
    auto v = Loaded<TbsDataSkinUpDownControl>("vupdown");
    EXPECT_EQ(v.ActiveDownButtonRect, (Rect{499, 117, 517, 135}));
    EXPECT_EQ(v.MaskPictureIndex, -1);
}

TEST(Records, ControlDefaultsFromTheTypeTable) {
    const IniDocument empty;
    TbsDataSkinStdLabelControl label("stdlabel");
    label.Load(empty);
    EXPECT_EQ(label.ActiveFontColor, 16711680u);
    TbsDataSkinListBox list("listbox");
    list.Load(empty);
    EXPECT_EQ(list.VScrollBarName, "vscrollbar");
    EXPECT_EQ(list.HScrollBarName, "hscrollbar");
    EXPECT_EQ(list.BothHScrollBarName, "bothhscrollbar");
    EXPECT_EQ(list.CaptionFontName, "Arial");
    EXPECT_EQ(list.CaptionFontHeight, 14);
    TbsDataSkinAppMenu app("appmenu");
    app.Load(empty);
    EXPECT_EQ(app.FontPageHeight, 16);
    EXPECT_EQ(app.PageItemOffset1, 10);
    EXPECT_EQ(app.ItemOffset2, 3);
    EXPECT_EQ(app.BGPictureIndex, -1);
    TbsDataSkinButtonControl button("button");
    button.Load(empty);
    EXPECT_EQ(button.GlowLayerAlphaBlendValue, 255);
    EXPECT_EQ(button.GlowLayerPictureIndex, -1);
    EXPECT_EQ(button.AnimateInterval, 25);
    EXPECT_EQ(button.PictureIndex, -1);
}

TEST(Records, AMalformedRectRaisesTheConversionError) {
    IniDocument ini(SplitTextLines("[b]\nskinrect=\n[c]\nclientrect=1,2,3\n[d]\nlefttoppoint=7\n"));
    EXPECT_THROW(TbsDataSkinStdButton("b").Load(ini), framework::EConvertError);
    EXPECT_THROW(TbsDataSkinTabControl("c").Load(ini), framework::EConvertError);
    EXPECT_THROW(TbsDataSkinCustomControl("d").Load(ini), framework::EConvertError);
}

TEST(FormInfo, MaskAndPullInRules) {
    auto formInfo = [](const std::string& keys) {
        TbsFormInfo info;
        info.Load(IniDocument(SplitTextLines("[FORMINFO]\n" + keys)));
        return info;
    };
    // A mask with an all-zero area takes the client rectangle; hit-test points with a 0 take the corner.
    TbsFormInfo a = formInfo(
        "clientrect=4,23,154,131\nlefttoppoint=13,27\nrightbottompoint=152,129\n"
        "maskrectarea=0,0,0,0\nhittestlefttoppoint=0,8\nhittestrighttoppoint=150,5\n");
    a.ApplyFrameRules(true);
    EXPECT_EQ(a.MaskRectArea, (Rect{4, 23, 154, 131}));
    EXPECT_EQ(a.HitTestLeftTopPoint, (Point{13, 27}));
    EXPECT_EQ(a.HitTestRightTopPoint, (Point{150, 5}));
    EXPECT_EQ(a.HitTestLeftBottomPoint, Point{}) << "the corner as read, before it is pulled in";
    EXPECT_EQ(a.LeftBottomPoint, (Point{4, 0}));

    // A given mask area grows to cover the client rectangle.
    TbsFormInfo b = formInfo("clientrect=4,23,154,131\nmaskrectarea=7,10,100,200\n");
    b.ApplyFrameRules(true);
    EXPECT_EQ(b.MaskRectArea, (Rect{4, 10, 154, 200}));
    // Without a mask nothing of that happens.
    TbsFormInfo c = formInfo("clientrect=4,23,154,131\nmaskrectarea=7,10,198,163\nhittestlefttoppoint=0,8\n");
    c.ApplyFrameRules(false);
    EXPECT_EQ(c.MaskRectArea, (Rect{7, 10, 198, 163}));
    EXPECT_EQ(c.HitTestLeftTopPoint, (Point{0, 8}));

    // Corner points are pulled into the client rectangle...
    TbsFormInfo d = formInfo(
        "lefttoppoint=2,2\nrightbottompoint=200,150\nrighttoppoint=300,1\n"
        "leftbottompoint=0,500\nclientrect=4,23,154,131\n");
    d.ApplyFrameRules(false);
    EXPECT_EQ(d.LeftTopPoint, (Point{4, 23}));
    EXPECT_EQ(d.RightBottomPoint, (Point{154, 131}));
    EXPECT_EQ(d.RightTopPoint, (Point{154, 23}));
    EXPECT_EQ(d.LeftBottomPoint, (Point{4, 131}));
    // ...unless the bottom-right point shares X or Y with the top-left one.
    for (const char* rb : {"2,150", "200,2"}) {
        TbsFormInfo e =
            formInfo(std::string("lefttoppoint=2,2\nrightbottompoint=") + rb + "\nclientrect=4,23,154,131\n");
        e.ApplyFrameRules(false);
        EXPECT_EQ(e.LeftTopPoint, (Point{2, 2})) << rb;
    }
}

TEST_F(SampleRecords, ShippedFormInfoIsUsedUnchanged) {
    TbsFormInfo info;
    info.Load(ini_);
    TbsFormInfo ruled = info;
    ruled.ApplyFrameRules(false);
    EXPECT_EQ(Dump(ruled), Dump(info));
    EXPECT_EQ(info.LeftTopPoint, (Point{13, 27}));
    EXPECT_EQ(info.CaptionRect, (Rect{14, 5, 144, 21}));
    EXPECT_EQ(info.BorderWidth, 4);
    EXPECT_EQ(info.MDIBGPictureIndex, 5);
    EXPECT_EQ(info.InActiveEffect, TInactiveEffect::ieInvert);
    EXPECT_EQ(info.StretchType, TStretchType::stFull);
}

}  // namespace
