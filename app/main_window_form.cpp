// The main window as form data: what a form designer would have stored. Components are listed in
// creation order; positions inside Panel1 are relative to the panel.
#include <string_view>

#include "app/main_window.h"
#include "app/search_lists.h"
#include "framework/core/form_data.h"
#include "skins/program_skin.h"

namespace app {

using framework::Bytes;
using framework::ComponentData;
using framework::FormData;
using framework::Ident;
using framework::PropertySetting;
using framework::Ref;
using framework::SetOf;
using framework::StringList;

namespace {

// The edit and the lists ask for the simplified-Chinese pinyin input method when they get the focus.
const PropertySetting kImeMode{"ImeMode", Ident{"imChinese"}};
const PropertySetting kImeName{"ImeName", "中文(简体) - 拼音输入法"};

template <size_t N>
StringList Items(const std::array<std::string_view, N>& captions) {
    return StringList(captions.begin(), captions.end());
}

ComponentData Caption(const char* name, int left, int top, int width, const char* text) {
    return {"TLabel",
            name,
            "Panel1",
            {{"Left", left}, {"Top", top}, {"Width", width}, {"Height", 13}, {"Caption", text}}};
}

struct ListPlace {
    int left, top, width;
};
ComponentData DropDownList(const char* name, ListPlace place, StringList items, int selected, int rowsShown,
                           int tabOrder) {
    return {"TComboBox",
            name,
            "Panel1",
            {{"Left", place.left},
             {"Top", place.top},
             {"Width", place.width},
             {"Height", 21},
             {"Style", Ident{"csDropDownList"}},
             {"DropDownCount", rowsShown},
             {"Items", std::move(items)},
             {"ItemIndex", selected},
             kImeMode,
             kImeName,
             {"TabOrder", tabOrder}}};
}

ComponentData PriceField(const char* name, int left, int value, int tabOrder) {
    return {"TSpinEdit",
            name,
            "Panel1",
            {{"Left", left},
             {"Top", 7},
             {"Width", 67},
             {"Height", 22},
             {"MinValue", int64_t(PriceFieldMin)},
             {"MaxValue", int64_t(PriceFieldMax)},
             {"Value", value},
             {"TabOrder", tabOrder}}};
}

struct BoxPlace {
    int left, top, height;
};
ComponentData ServiceCheckBox(Service service, BoxPlace place, int tabOrder) {
    const ServiceEntry& entry = ServiceFilter(service);
    return {"TCheckBox",
            std::string(entry.component),
            "Panel1",
            {{"Left", place.left},
             {"Top", place.top},
             {"Width", 67},
             {"Height", place.height},
             {"Caption", std::string(entry.caption)},
             {"TabOrder", tabOrder}}};
}

ComponentData PushButton(const char* name, int top, const char* caption, int tabOrder) {
    return {"TButton",
            name,
            "Panel1",
            {{"Left", 690},
             {"Top", top},
             {"Width", 73},
             {"Height", 24},
             {"Caption", caption},
             {"TabOrder", tabOrder}}};
}

FormData BuildMainWindowFormData() {
    constexpr int kSmallBox = 14;
    ComponentData quickSearch = PushButton("m_soso", 6, "快速搜索", 15);
    // The default button; it stays disabled until the home page has loaded.
    quickSearch.properties.insert(quickSearch.properties.end(), {{"Default", true}, {"Enabled", false}});

    const std::span<const uint8_t> shippedSkin = skins::ProgramSkinCompressedData();
    return FormData{
        {{"Caption", "Velmoro V1.0"},
         {"BorderStyle", Ident{"bsSingle"}},
         // The skinned frame shows the system-menu and minimise buttons; the window asks for none.
         {"BorderIcons", SetOf{}},
         {"ClientWidth", 777},
         {"ClientHeight", TForm1::kExpandedClientHeight},
         {"Color", Ident{"clBtnFace"}},
         {"Font.Name", "Tahoma"},
         {"Font.Height", -11}},
        {
            {"TPanel",
             "Panel1",
             "",
             {{"Left", 3},
              {"Top", 3},
              {"Width", 770},
              {"Height", 62},
              {"BevelOuter", Ident{"bvNone"}},
              {"BorderStyle", Ident{"bsSingle"}},
              {"TabOrder", 0}}},
            Caption("Label1", 7, 10, 36, "关键字"),
            {"TEdit",
             "m_keyword",
             "Panel1",
             {{"Left", 47}, {"Top", 7}, {"Width", 133}, {"Height", 21}, kImeMode, kImeName, {"TabOrder", 0}}},
            DropDownList("m_cid", {181, 7, 170}, Items(CategoryCaptions), 0, 20, 1),
            Caption("Label2", 357, 10, 48, "价格区间"),
            PriceField("m_sp", 408, PriceFieldMin, 2),
            PriceField("m_ep", 477, PriceFieldMax, 3),
            Caption("Label3", 7, 34, 36, "所在地"),
            DropDownList("m_loc", {47, 31, 72}, Items(LocationCaptions), 0, 20, 4),
            ServiceCheckBox(Service::CashOnDelivery, {122, 31, 22}, 5),
            Caption("Label5", 197, 34, 48, "排序方式"),
            DropDownList("m_sort", {251, 31, 100}, Items(SortCaptions), 0, 8, 6),
            Caption("Label4", 357, 34, 48, "信用范围"),
            DropDownList("m_sc", {408, 31, 67}, Items(CreditCaptions), 0, 20, 7),
            DropDownList("m_ec", {477, 31, 67}, Items(CreditCaptions), int(CreditCaptions.size()) - 1, 20, 8),
            ServiceCheckBox(Service::AsDescribed, {548, 6, kSmallBox}, 9),
            ServiceCheckBox(Service::ConsumerProtection, {621, 6, kSmallBox}, 10),
            ServiceCheckBox(Service::SevenDayReturn, {548, 23, kSmallBox}, 11),
            ServiceCheckBox(Service::Repair30Days, {621, 23, kSmallBox}, 12),
            ServiceCheckBox(Service::OverseasGoods, {548, 40, kSmallBox}, 13),
            ServiceCheckBox(Service::Mall, {621, 40, kSmallBox}, 14),
            quickSearch,
            PushButton("m_soso2", 30, "淘宝试衣间", 16),

            // The result tabs, with the browser filling the page area below them.
            {"TbsSkinTabControl",
             "m_tab",
             "",
             {{"Left", 3},
              {"Top", 71},
              {"Width", 770},
              {"Height", 537},
              {"Font.Name", "Arial"},
              {"Font.Height", 14},
              {"Font.Color", Ident{"clBtnText"}},
              {"ParentFont", false},
              {"TabOrder", 1},
              {"TabSpacing", 1},
              {"TabExtededDraw", false},
              {"TextInHorizontal", false},
              {"ShowCloseButtons", true},
              {"TabsBGTransparent", false},
              {"DefaultFont.Name", "Arial"},
              {"DefaultFont.Height", 14},
              {"DefaultFont.Color", Ident{"clBtnText"}},
              {"UseSkinFont", true},
              {"DefaultItemHeight", 20},
              {"SkinData", Ref{"bsSkinData1"}},
              {"SkinDataName", "tab"}}},
            {"TWebBrowser", "m_web", "m_tab", {{"Align", Ident{"alClient"}}, {"TabOrder", 0}}},

            // The skinned frame: system-menu and minimise buttons, the window icon on the first.
            {"TbsSkinForm",
             "bsBusinessSkinForm1",
             "",
             {{"SkinData", Ref{"bsSkinData1"}},
              {"BorderIcons", SetOf{{"biSystemMenu", "biMinimize"}}},
              {"ShowIcon", true},
              {"ClientInActiveEffect", false},
              {"ClientInActiveEffectType", Ident{"bsieSemiTransparent"}},
              {"DisableSystemMenu", false},
              {"UseDefaultSysMenu", true},
              {"AlwaysResize", false},
              {"PositionInMonitor", Ident{"bspDefault"}},
              {"MaxMenuItemsInWindow", 0},
              {"HideCaptionButtons", false},
              {"AlwaysShowInTray", false},
              {"AlwaysMinimizeToTray", false},
              {"UseSkinFontInMenu", true},
              {"MaximizeOnFullScreen", false},
              {"AlphaBlend", false},
              {"AlphaBlendValue", 200},
              {"AlphaBlendAnimation", false},
              {"MenusAlphaBlend", false},
              {"MenusAlphaBlendValue", 200},
              {"MenusAlphaBlendAnimation", false},
              {"ShowObjectHint", false},
              {"UseDefaultObjectHint", true},
              {"QuickButtonsShowHint", false},
              {"QuickButtonsShowDivider", true},
              {"UseFormCursorInNCArea", false},
              {"DefCaptionFont.Name", "Arial"},
              {"DefCaptionFont.Height", 14},
              {"DefCaptionFont.Style", SetOf{{"fsBold"}}},
              {"DefCaptionFont.Color", Ident{"clBtnText"}},
              {"DefInActiveCaptionFont.Name", "Arial"},
              {"DefInActiveCaptionFont.Height", 14},
              {"DefInActiveCaptionFont.Style", SetOf{{"fsBold"}}},
              {"DefInActiveCaptionFont.Color", Ident{"clBtnShadow"}},
              {"DefMenuItemHeight", 20},
              {"DefMenuItemFont.Name", "Arial"},
              {"DefMenuItemFont.Height", 14},
              {"DefMenuItemFont.Color", Ident{"clWindowText"}},
              {"MinWidth", 0},
              {"MinHeight", 0},
              {"MaxWidth", 0},
              {"MaxHeight", 0},
              {"ClientWidth", 0},
              {"ClientHeight", 0},
              {"LogoBitMapTransparent", false},
              {"Magnetic", false},
              {"MagneticSize", 5}}},
            {"TbsSkinData",
             "bsSkinData1",
             "",
             {{"SkinnableForm", true},
              {"AnimationForAllWindows", false},
              {"EnableSkinEffects", true},
              {"ShowButtonGlowFrames", true},
              {"ShowCaptionButtonGlowFrames", true},
              {"ShowLayeredBorders", true},
              {"AeroBlurEnabled", true},
              {"SkinIndex", 0},
              {"CompressedStoredSkin", Ref{"bsCompressedStoredSkin1"}}}},
            {"TbsCompressedStoredSkin",
             "bsCompressedStoredSkin1",
             "",
             {{"FileName", "skin.ini"}, {"CompressedData", Bytes(shippedSkin)}}},
        }};
}

}  // namespace

const FormData& MainWindowFormData() {
    static const FormData data = BuildMainWindowFormData();
    return data;
}

}  // namespace app
