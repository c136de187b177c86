// The framework's standard controls and the WebKitGTK browser on the real desktop (GTK 3 on X11):
// one form in the shape of the search window, with a label, an edit, drop-down lists, spin edits,
// check boxes, push buttons and a panel above a tab control that holds the browser. The browser
// loads the demo page server's home page (start it with scripts/pageserver) or the URL given;
// "快速搜索" calls the page's SoItem with the keyword, as the search window does.
//
//   gtk_controls [URL] [--screenshot FILE]
//
// With --screenshot the program waits for the page (at most 15 s), saves the form as PNG and ends.
#include <gtk/gtk.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "framework/browser/gtk/webkit_browser.h"
#include "framework/browser/web_browser.h"
#include "framework/controls/edit.h"
#include "framework/controls/label.h"
#include "framework/core/form_data.h"
#include "framework/forms/application.h"
#include "platform/display/gtk/gtk_display.h"
#include "platform/window/message_loop.h"
#include "platform/window/timers.h"
#include "platform/window/window_pos.h"

using namespace framework;

namespace {

ComponentData Caption(const char* name, int left, int top, const char* text) {
    return {"TLabel", name, "Panel1", {{"Left", left}, {"Top", top}, {"Caption", text}}};
}
ComponentData DropDown(const char* name, int left, int top, int width, StringList items, int order) {
    return {"TComboBox",
            name,
            "Panel1",
            {{"Left", left},
             {"Top", top},
             {"Width", width},
             {"Height", 21},
             {"Style", Ident{"csDropDownList"}},
             {"Items", std::move(items)},
             {"ItemIndex", 0},
             {"TabOrder", order}}};
}
ComponentData Price(const char* name, int left, int value, int order) {
    return {"TSpinEdit",
            name,
            "Panel1",
            {{"Left", left},
             {"Top", 7},
             {"Width", 67},
             {"Height", 22},
             {"MinValue", 0},
             {"MaxValue", 99999999},
             {"Value", value},
             {"TabOrder", order}}};
}
ComponentData Tick(const char* name, int left, int top, const char* text, int order) {
    return {"TCheckBox",
            name,
            "Panel1",
            {{"Left", left},
             {"Top", top},
             {"Width", 72},
             {"Height", 17},
             {"Caption", text},
             {"TabOrder", order}}};
}

const FormData kForm{
    {{"Caption", "Velmoro — 标准控件 (GTK)"},
     {"BorderStyle", Ident{"bsSingle"}},
     {"ClientWidth", 777},
     {"ClientHeight", 520},
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
        Caption("LabelKeyword", 7, 10, "关键字"),
        {"TEdit",
         "m_keyword",
         "Panel1",
         {{"Left", 47},
          {"Top", 7},
          {"Width", 133},
          {"Height", 21},
          {"ImeMode", Ident{"imChinese"}},
          {"TabOrder", 0}}},
        DropDown("m_cid", 184, 7, 120, {"女装/女士精品", "连衣裙", "T恤", "衬衫"}, 1),
        Caption("LabelPrice", 312, 10, "价格区间"),
        Price("m_sp", 362, 0, 2),
        Price("m_ep", 432, 99999999, 3),
        Caption("LabelPlace", 7, 36, "所在地"),
        DropDown("m_loc", 47, 32, 90, {"所有地区", "江浙沪", "珠三角", "北京"}, 4),
        DropDown("m_sort", 142, 32, 110, {"默认排序", "价格从低到高", "销量从高到低"}, 5),
        Tick("m_co", 262, 34, "货到付款", 6),
        Tick("m_mall", 340, 34, "淘宝商城", 7),
        Tick("m_oi", 418, 34, "海外商品", 8),
        {"TButton",
         "m_soso",
         "Panel1",
         {{"Left", 600},
          {"Top", 6},
          {"Width", 80},
          {"Height", 24},
          {"Caption", "快速搜索"},
          {"Default", true},
          {"TabOrder", 9}}},
        {"TButton",
         "m_close",
         "Panel1",
         {{"Left", 686}, {"Top", 6}, {"Width", 73}, {"Height", 24}, {"Caption", "关闭"}, {"TabOrder", 10}}},
        Caption("m_status", 600, 36, "页面尚未调用"),
        {"TTabControl",
         "m_tab",
         "",
         {{"Left", 3},
          {"Top", 71},
          {"Width", 770},
          {"Height", 446},
          {"Font.Name", "Arial"},
          {"Font.Height", -14},
          {"Tabs", StringList{"首页", "连衣裙"}},
          {"TabIndex", 0},
          {"TabOrder", 1}}},
        {"TWebBrowser", "m_web", "m_tab", {{"Align", Ident{"alClient"}}, {"TabOrder", 0}}},
    }};

class TControlsForm : public TForm {
  public:
    explicit TControlsForm(TComponent* owner) : TForm(owner) {
        LoadFormData(kForm, [this] {
            keyword = As<TEdit>(FindComponent("m_keyword"));
            status = As<TLabel>(FindComponent("m_status"));
            web = As<TWebBrowser>(FindComponent("m_web"));
            As<TControl>(FindComponent("m_soso"))->OnClick = [this](TObject*) { QuickSearch(); };
            As<TControl>(FindComponent("m_close"))->OnClick = [this](TObject*) { Close(); };
            web->OnDocumentComplete = [this](TObject*, const std::string&) { ++documents; };
        });
    }

    TEdit* keyword = nullptr;
    TLabel* status = nullptr;
    TWebBrowser* web = nullptr;
    int documents = 0;

  private:
    // As the search window does: the page answers with the index of its result page; a page
    // without the function (or none at all) fails, and the failure is only shown here.
    void QuickSearch() {
        try {
            int32_t page = web->CallPageFunction("SoItem", {"k=" + keyword->Text(), int32_t(1)});
            status->SetCaption("结果页 " + std::to_string(page));
        } catch (const EPageCallError&) {
            status->SetCaption("页面调用失败");
        }
    }
};

struct Options {
    std::string url = "http://" VELMORO_PAGE_HOST "/qrwk/";
    std::string screenshot;
};

Options ParseArguments(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
            options.screenshot = argv[++i];
        } else {
            options.url = argv[i];
        }
    }
    return options;
}

// The form's window as the X server shows it, saved as PNG.
bool SaveWindow(TForm& form, const std::string& path) {
    platform::Rect r;
    platform::GetWindowRect(form.Handle(), &r);
    GdkPixbuf* pixels =
        gdk_pixbuf_get_from_window(gdk_get_default_root_window(), r.Left, r.Top, r.width(), r.height());
    if (!pixels)
        return false;
    bool saved = gdk_pixbuf_save(pixels, path.c_str(), "png", nullptr, nullptr);
    g_object_unref(pixels);
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = ParseArguments(argc, argv);
    std::unique_ptr<platform::GtkDisplay> display;
    try {
        display = std::make_unique<platform::GtkDisplay>();
    } catch (const platform::DesktopUnavailable& error) {
        std::fprintf(stderr, "gtk_controls: %s (is DISPLAY set?)\n", error.what());
        return 1;
    }
    TApplication application;
    UseWebKitBrowsers();
    auto* form = application.CreateForm<TControlsForm>();
    form->SetPosition(TPosition::poScreenCenter);
    form->Show();
    try {
        form->web->Navigate(options.url);
    } catch (const ENavigationError& error) {
        application.ShowException(error);
    }
    if (options.screenshot.empty()) {
        application.Run();
        return 0;
    }
    const uint32_t end = platform::GetTickCount() + 15000;
    while (form->documents == 0 && int32_t(platform::GetTickCount() - end) < 0) platform::PumpMessagesFor(50);
    platform::PumpMessagesFor(500);  // the page paints
    if (!SaveWindow(*form, options.screenshot)) {
        std::fprintf(stderr, "gtk_controls: cannot write %s\n", options.screenshot.c_str());
        return 1;
    }
    std::printf("%s\n", options.screenshot.c_str());
    return form->documents > 0 ? 0 : 1;
}
