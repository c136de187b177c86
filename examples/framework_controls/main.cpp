// Every standard control of the framework on one form, described by form data in the shape of the
// search window's filter panel (labels, an edit, drop-down lists, spin edits, check boxes, push
// buttons, a panel) with a tab control below it. The keyword is typed through the input method,
// the screen is saved as PNG.
#include <cstdio>
#include <string>

#include "framework/controls/combo_box.h"
#include "framework/controls/edit.h"
#include "framework/controls/tab_control.h"
#include "framework/core/form_data.h"
#include "framework/forms/application.h"
#include "platform/display/headless_display.h"

using namespace framework;

namespace {

const StringList kCategories{"女装/女士精品", "连衣裙", "T恤", "衬衫", "裤子"};
const StringList kSorts{"默认排序", "价格从低到高", "价格从高到低", "信用从高到低", "销量从高到低"};
const StringList kCredits{"  一  心", "  二  心", "  三  心", " 一皇冠", " 五金冠"};
const StringList kPlaces{"所有地区", "江浙沪", "珠三角", "港澳台", "海外", "北京"};

ComponentData Label(const char* name, int left, int top, int width, const char* caption) {
    return {"TLabel", name, "Panel1", {{"Left", left}, {"Top", top}, {"Width", width}, {"Height", 13}, {"Caption", caption}}};
}
ComponentData List(const char* name, int left, int top, int width, const StringList& items, int index, int order) {
    return {"TComboBox", name, "Panel1",
            {{"Left", left}, {"Top", top}, {"Width", width}, {"Height", 21}, {"Style", Ident{"csDropDownList"}},
             {"DropDownCount", 20}, {"ImeMode", Ident{"imChinese"}}, {"Items", items}, {"ItemIndex", index},
             {"TabOrder", order}}};
}
ComponentData Spin(const char* name, int left, int value, int order) {
    return {"TSpinEdit", name, "Panel1",
            {{"Left", left}, {"Top", 7}, {"Width", 67}, {"Height", 22}, {"MaxValue", 99999999}, {"MinValue", 0},
             {"Value", value}, {"TabOrder", order}}};
}
ComponentData Check(const char* name, int left, int top, int height, const char* caption, int order) {
    return {"TCheckBox", name, "Panel1",
            {{"Left", left}, {"Top", top}, {"Width", 67}, {"Height", height}, {"Caption", caption}, {"TabOrder", order}}};
}

const FormData kForm{
    {{"Caption", "Velmoro V1.0"},
     {"BorderStyle", Ident{"bsSingle"}},
     {"BorderIcons", SetOf{{"biSystemMenu", "biMinimize"}}},
     {"ClientWidth", 777},
     {"ClientHeight", 240},
     {"Color", Ident{"clBtnFace"}},
     {"Font.Name", "Tahoma"},
     {"Font.Height", -11}},
    {
        {"TPanel", "Panel1", "",
         {{"Left", 3}, {"Top", 3}, {"Width", 770}, {"Height", 62}, {"BevelOuter", Ident{"bvNone"}},
          {"BorderStyle", Ident{"bsSingle"}}, {"TabOrder", 0}}},
        Label("Label1", 7, 10, 36, "关键字"),
        {"TEdit", "m_keyword", "Panel1",
         {{"Left", 47}, {"Top", 7}, {"Width", 133}, {"Height", 21}, {"ImeMode", Ident{"imChinese"}}, {"TabOrder", 0}}},
        List("m_cid", 181, 7, 170, kCategories, 0, 1),
        Label("Label2", 357, 10, 48, "价格区间"),
        Spin("m_sp", 408, 0, 2),
        Spin("m_ep", 477, 99999999, 3),
        Label("Label3", 7, 34, 36, "所在地"),
        List("m_loc", 47, 31, 72, kPlaces, 0, 4),
        Check("m_co", 122, 31, 22, "货到付款", 5),
        Label("Label5", 197, 34, 48, "排序方式"),
        List("m_sort", 251, 31, 100, kSorts, 0, 6),
        Label("Label4", 357, 34, 48, "信用范围"),
        List("m_sc", 408, 31, 67, kCredits, 0, 7),
        List("m_ec", 477, 31, 67, kCredits, 4, 8),
        Check("m_rd", 548, 6, 14, "如实描述", 9),
        Check("m_gu", 621, 6, 14, "消保商品", 10),
        Check("m_sr", 548, 23, 14, "七天退换", 11),
        Check("m_or", 621, 23, 14, "30天维修", 12),
        Check("m_oi", 548, 40, 14, "海外商品", 13),
        Check("m_mall", 621, 40, 14, "淘宝商城", 14),
        {"TButton", "m_soso", "Panel1",
         {{"Left", 690}, {"Top", 6}, {"Width", 73}, {"Height", 24}, {"Caption", "快速搜索"}, {"Default", true},
          {"Enabled", false}, {"TabOrder", 15}}},
        {"TButton", "m_soso2", "Panel1",
         {{"Left", 690}, {"Top", 30}, {"Width", 73}, {"Height", 24}, {"Caption", "淘宝试衣间"}, {"TabOrder", 16}}},
        {"TTabControl", "m_tab", "",
         {{"Left", 3}, {"Top", 71}, {"Width", 770}, {"Height", 166}, {"Font.Name", "Arial"}, {"Font.Height", -14},
          {"Tabs", StringList{"裙 - 连衣裙", "T恤", "衬衫 - 女装/女士精品"}}, {"TabIndex", 0}, {"TabOrder", 1}}},
        {"TLabel", "Label6", "m_tab",
         {{"Left", 16}, {"Top", 40}, {"Caption", "页面区域：每个搜索结果一个标签页。"}}},
    }};

class TExampleForm : public TForm {
public:
    explicit TExampleForm(TComponent* owner) : TForm(owner) {
        LoadFormData(kForm, [this] { keyword = As<TEdit>(FindComponent("m_keyword")); });
    }
    TEdit* keyword = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
    const std::string out = argc > 1 ? argv[1] : "framework_controls.png";
    platform::HeadlessDisplay display;
    TApplication application;
    auto* form = application.CreateForm<TExampleForm>();
    form->SetLeft(100);
    form->SetTop(60);
    form->Show();
    application.ProcessMessages();
    // Typed through the input method: a composition, then the committed word.
    display.startComposition();
    display.changeComposition("lianyiqun", 9);
    display.endComposition();
    display.commitText("连衣裙");
    application.ProcessMessages();
    std::printf("keyword: %s\n", form->keyword->Text().c_str());
    if (!display.saveScreenshot(out)) {
        std::fprintf(stderr, "cannot write %s\n", out.c_str());
        return 1;
    }
    std::printf("%s\n", out.c_str());
    return form->keyword->Text() == "连衣裙" ? 0 : 1;
}
