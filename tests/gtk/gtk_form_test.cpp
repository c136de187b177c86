// A form of the framework on the GTK display with a WebKitGTK browser: the page, served on
// loopback, loads and reports document complete; page calls return the page function's integer or
// fail as one error, within the call bound; hostile strings reach the page unchanged; real key
// events (xdotool) reach the edit, and the browser takes its own keys once clicked.
#include <gtk/gtk.h>

#include "framework/browser/gtk/webkit_browser.h"
#include "framework/browser/web_browser.h"
#include "framework/controls/edit.h"
#include "framework/core/form_data.h"
#include "framework/forms/application.h"
#include "platform/window/focus.h"
#include "tests/gtk/desktop_test_support.h"
#include "tests/gtk/page_checksum.h"
#include "tests/gtk/test_page_server.h"

namespace platform::test {
namespace {

using framework::ComponentData;
using framework::EPageCallError;
using framework::FormData;
using framework::Ident;
using framework::PageArg;
using framework::TApplication;
using framework::TComponent;
using framework::TEdit;
using framework::TForm;
using framework::TWebBrowser;

const char* kPage = R"(<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>Velmoro</title></head>
<body style="background:#fff0f5;font:16px sans-serif;margin:12px">
<h3>搜索结果 · results</h3>
<p>连衣裙 T恤 衬衫 — a page served on loopback.</p>
<input id="q" style="font-size:16px">
<script>
function SoItem(query, one) { return one === 1 && typeof query === "string" ? 0 : -1; }
)" VELMORO_PAGE_FNV R"(
function Length(s) { return s.length; }
function InputLength() { return document.getElementById("q").value.length; }
function Throws() { throw new Error("boom"); }
function Words() { return "abc"; }
function NumberText() { return " 17 "; }
function Thing() { return {a: 1}; }
function NotANumber() { return NaN; }
function Huge() { return 1e12; }
function Forever() { return Infinity; }
function Hang() { for (;;) {} }
</script></body></html>)";

const FormData kForm{{{"Caption", "Velmoro 浏览器窗体"},
                      {"BorderStyle", Ident{"bsSingle"}},
                      {"ClientWidth", 640},
                      {"ClientHeight", 400},
                      {"Font.Name", "Tahoma"},
                      {"Font.Height", -11}},
                     {
                         {"TEdit",
                          "m_keyword",
                          "",
                          {{"Left", 8},
                           {"Top", 8},
                           {"Width", 200},
                           {"Height", 21},
                           {"ImeMode", Ident{"imChinese"}},
                           {"TabOrder", 0}}},
                         {"TWebBrowser",
                          "m_web",
                          "",
                          {{"Left", 8}, {"Top", 40}, {"Width", 624}, {"Height", 352}, {"TabOrder", 1}}},
                     }};

class TBrowserForm : public TForm {
  public:
    explicit TBrowserForm(TComponent* owner) : TForm(owner) {
        LoadFormData(kForm, [this] {
            edit = framework::As<TEdit>(FindComponent("m_keyword"));
            web = framework::As<TWebBrowser>(FindComponent("m_web"));
        });
    }
    TEdit* edit = nullptr;
    TWebBrowser* web = nullptr;
};

class GtkFormTest : public DesktopTest {
  protected:
    GtkFormTest()
        : previous_(framework::UseWebKitBrowsers()),
          server_(std::map<std::string, std::string>{{"/qrwk/", kPage}}) {
        form = application_.CreateForm<TBrowserForm>();
        form->SetLeft(100);
        form->SetTop(60);
        form->Show();
        form->web->OnDocumentComplete = [this](framework::TObject*, const std::string&) { ++completes; };
        form->web->Navigate(server_.url("/qrwk/"));
        EXPECT_TRUE(runUntil([this] { return completes > 0; }, 20000)) << "the page never finished loading";
    }
    ~GtkFormTest() override { framework::SetBrowserBackendFactory(previous_); }

    // The middle of a control on the screen.
    static Point centreOf(framework::TWinControl* control) {
        Rect r;
        GetWindowRect(control->Handle(), &r);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    static std::string at(Point p) { return std::to_string(p.X) + " " + std::to_string(p.Y); }

    framework::BrowserBackendFactory previous_;
    TestPageServer server_;
    TApplication application_;
    TBrowserForm* form = nullptr;
    int completes = 0;
};

TEST_F(GtkFormTest, PageCallsReturnThePageFunctionsInteger) {
    TWebBrowser& web = *form->web;
    EXPECT_EQ(web.CallPageFunction("SoItem", {std::string("k=%E8%A3%99&cid=50010850"), int32_t(1)}), 0);
    EXPECT_EQ(web.CallPageFunction("NumberText", {}), 17);  // a string holding an integer
    for (const char* failing : {"Missing", "Throws", "Words", "Thing", "NotANumber", "Huge", "Forever"}) {
        EXPECT_THROW(web.CallPageFunction(failing, {}), EPageCallError) << failing;
    }
    // A reload is another document complete.
    int before = completes;
    web.Navigate(server_.url("/qrwk/"));
    EXPECT_TRUE(runUntil([&] { return completes > before; }, 20000));
    EXPECT_THROW(web.Navigate("javascript:alert(1)"), framework::ENavigationError);
}

TEST_F(GtkFormTest, HostileStringsReachThePageFunctionUnchanged) {
    std::string longText;
    for (int i = 0; i < 50000; ++i) longText += i % 5 ? "连" : "\"\\'";
    const std::string cases[] = {
        "",
        "it's \"quoted\"",
        "back\\slash \\\\ \\n \\u0041",
        "</script><script>alert(1)</script>",
        "\u2028\u2029 separators",
        "女装 连衣裙 T恤 \xF0\x9F\x91\x97",
        "'); window.SoItem = null; ('",
        "${1+1} `x`",
        std::string("before\0after", 12),
        longText,
    };
    for (const std::string& s : cases) {
        EXPECT_EQ(form->web->CallPageFunction("Fnv", {s}), Fnv1a(s)) << s.substr(0, 40);
    }
    EXPECT_EQ(form->web->CallPageFunction("Length", {std::string("\u2028")}), 1);
    // Nothing of it ran as script: SoItem is still the page's own.
    EXPECT_EQ(form->web->CallPageFunction("SoItem", {std::string("q"), int32_t(1)}), 0);
}

TEST_F(GtkFormTest, APageThatNeverAnswersCostsTheCallBoundAndFails) {
    form->web->SetPageCallTimeout(1500);
    uint32_t start = GetTickCount();
    EXPECT_THROW(form->web->CallPageFunction("Hang", {}), EPageCallError);
    uint32_t waited = GetTickCount() - start;
    EXPECT_GE(waited, 1500u);
    EXPECT_LT(waited, 1500u + 2000u);  // the bound, not more: nothing else held the call
    // The form is still alive and answers the desktop.
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST_F(GtkFormTest, TypedTextReachesTheEditAndTheBrowserTakesItsOwnKeys) {
    ASSERT_TRUE(runUntil([&] { return screenColorAt(centreOf(form->web)) == RGB(0xff, 0xf0, 0xf5); }, 10000));
    xdotool("mousemove " + at(centreOf(form->edit)) + " click 1");
    ASSERT_TRUE(runUntil([&] { return GetFocus() == form->edit->Handle(); }));
    xdotoolMeanwhile("type --delay 120 'Dress 裙子'");
    EXPECT_TRUE(runUntil([&] { return form->edit->Text() == "Dress 裙子"; }, 15000)) << form->edit->Text();

    // A click into the page's own input field: the keys go to the page, not to the edit.
    Rect r;
    GetWindowRect(form->web->Handle(), &r);
    xdotool("mousemove " + at({r.Left + 60, r.Top + 100}) + " click 1");
    runUntil([] { return false; }, 300);
    xdotoolMeanwhile("type --delay 60 abcd");
    EXPECT_TRUE(runUntil([&] { return form->web->CallPageFunction("InputLength", {}) == 4; }, 10000));
    EXPECT_EQ(form->edit->Text(), "Dress 裙子");
    saveScreenshot("gtk_form");
}

}  // namespace
}  // namespace platform::test
