// The WebKitGTK engine on its own (below the browser component): navigation, document complete,
// page calls with their answers and failures, hostile string arguments, and what a kiosk browser
// does not do. A page served on loopback; runs under a virtual X display.
#include "framework/browser/gtk/webkit_browser.h"

#include <gtk/gtk.h>

#include <cstdint>
#include <optional>

#include "platform/display/gtk/native_widget.h"
#include "platform/window/native_widget.h"
#include "tests/gtk/desktop_test_support.h"
#include "tests/gtk/page_checksum.h"
#include "tests/gtk/test_page_server.h"

namespace platform::test {
namespace {

using framework::PageAnswer;
using framework::PageArg;
using framework::PageCallResult;
using framework::WebKitBrowserBackend;
using Status = PageCallResult::Status;

const char* kPage = R"(<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>Velmoro test page</title></head>
<body style="background:#ffe0f0;font:20px sans-serif">
<p id="text">连衣裙 test page</p>
<script>
function Answer() { return 42; }
function Sum(a, b) { return a + b; }
function Types(a, b) { return (typeof a === "string" ? 1 : 0) + (typeof b === "number" ? 2 : 0); }
)" VELMORO_PAGE_FNV R"(
function Half() { return 1.5; }
function Text() { return "12"; }
function Yes() { return true; }
function Nothing() { }
function Thing() { return {a: 1}; }
function Throws() { throw new Error("boom"); }
function Hang() { for (;;) {} }
function OpenWindow() { return window.open("about:blank") === null ? 1 : 0; }
function This() { return this === window ? 1 : 0; }
var NotAFunction = 5;
</script></body></html>)";

class WebKitBrowserTest : public DesktopTest {
  protected:
    WebKitBrowserTest() : server(std::map<std::string, std::string>{{"/page.html", kPage}}) {}

    // Loads the test page and waits for its document.
    void load(WebKitBrowserBackend& browser) {
        int completes = 0;
        browser.setDocumentCompleteHandler([&completes](const std::string&) { ++completes; });
        browser.navigate(server.url("/page.html"));
        ASSERT_TRUE(runUntil([&] { return completes > 0; }, 20000)) << "the page never finished loading";
        browser.setDocumentCompleteHandler(nullptr);
    }

    // A page call, waited for at most `milliseconds`; nullopt when no answer came.
    std::optional<PageCallResult> call(WebKitBrowserBackend& browser, const std::string& name,
                                       const std::vector<PageArg>& args, uint32_t milliseconds = 10000) {
        auto result = std::make_shared<std::optional<PageCallResult>>();
        browser.callFunction(name, args, [result](PageCallResult r) { *result = std::move(r); });
        runUntil([&] { return result->has_value(); }, milliseconds);
        return *result;
    }

    TestPageServer server;
};

TEST_F(WebKitBrowserTest, LoadsAPageAndCallsItsFunctions) {
    WebKitBrowserBackend browser;
    ASSERT_NE(browser.nativeWidget(), nullptr);
    // Before any document: one failure, at once.
    auto early = call(browser, "Answer", {});
    ASSERT_TRUE(early);
    EXPECT_EQ(early->status, Status::NoDocument);

    std::vector<std::string> finished;
    browser.setDocumentCompleteHandler([&](const std::string& url) { finished.push_back(url); });
    browser.navigate(server.url("/page.html"));
    ASSERT_TRUE(runUntil([&] { return !finished.empty(); }, 20000));
    EXPECT_EQ(finished[0], server.url("/page.html"));

    struct Case {
        std::string name;
        std::vector<PageArg> args;
        Status status;
        PageAnswer::Kind kind;
        double number;
    };
    // clang-format off
    const Case cases[] = {
        {"Answer", {}, Status::Answered, PageAnswer::Kind::Number, 42},
        {"Sum", {INT32_MIN, INT32_MAX}, Status::Answered, PageAnswer::Kind::Number, -1},
        {"Types", {std::string("1"), int32_t(1)}, Status::Answered, PageAnswer::Kind::Number, 3},
        {"This", {}, Status::Answered, PageAnswer::Kind::Number, 1},
        {"Half", {}, Status::Answered, PageAnswer::Kind::Number, 1.5},
        {"Text", {}, Status::Answered, PageAnswer::Kind::String, 0},
        {"Yes", {}, Status::Answered, PageAnswer::Kind::Boolean, 0},
        {"Nothing", {}, Status::Answered, PageAnswer::Kind::Other, 0},
        {"Thing", {}, Status::Answered, PageAnswer::Kind::Other, 0},
        {"Missing", {}, Status::NoSuchFunction, PageAnswer::Kind::Other, 0},
        {"NotAFunction", {}, Status::NoSuchFunction, PageAnswer::Kind::Other, 0},
        {"Throws", {}, Status::ScriptError, PageAnswer::Kind::Other, 0},
        {std::string("Fnv\0", 4), {}, Status::NoSuchFunction, PageAnswer::Kind::Other, 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        auto result = call(browser, c.name, c.args);
        ASSERT_TRUE(result) << c.name;
        EXPECT_EQ(result->status, c.status) << c.name << ": " << result->message;
        if (c.status != Status::Answered)
            continue;
        EXPECT_EQ(result->answer.kind, c.kind) << c.name;
        if (c.kind == PageAnswer::Kind::Number) {
            EXPECT_EQ(result->answer.number, c.number) << c.name;
        }
    }
    EXPECT_EQ(call(browser, "Text", {})->answer.text, "12");
    EXPECT_TRUE(call(browser, "Yes", {})->answer.boolean);

    // No new windows.
    EXPECT_EQ(call(browser, "OpenWindow", {})->answer.number, 1);
}

TEST_F(WebKitBrowserTest, HostileStringsReachThePageUnchanged) {
    WebKitBrowserBackend browser;
    load(browser);
    std::string longText;
    for (int i = 0; i < 20000; ++i) longText += i % 7 ? "裙" : "\\'\"";
    const std::string cases[] = {
        "",
        "plain",
        "it's \"quoted\"",
        "back\\slash\\\\ and \\u0041 and \\x41",
        "</script><script>alert(1)</script>",
        "line\u2028separator\u2029paragraph",
        "连衣裙 T恤 \xF0\x9F\x91\x97",
        "'); window.pwned = 1; ('",
        "${window.pwned} `template`",
        "tab\tnew\nline\rreturn",
        std::string("nul\0inside\0\0twice", 18),
        std::string("\0", 1),
        longText,
    };
    for (const std::string& s : cases) {
        auto result = call(browser, "Fnv", {s});
        ASSERT_TRUE(result) << s.substr(0, 40);
        ASSERT_EQ(result->status, Status::Answered) << result->message;
        EXPECT_EQ(int32_t(result->answer.number), Fnv1a(s)) << s.substr(0, 40);
    }
    // Nothing of it ran as script.
    EXPECT_EQ(call(browser, "pwned", {})->status, Status::NoSuchFunction);
}

TEST_F(WebKitBrowserTest, DocumentCompleteFiresForEveryLoadAndForErrorPages) {
    WebKitBrowserBackend browser;
    std::vector<std::string> finished;
    browser.setDocumentCompleteHandler([&](const std::string& url) { finished.push_back(url); });
    browser.navigate(server.url("/page.html"));
    ASSERT_TRUE(runUntil([&] { return finished.size() == 1; }, 20000));
    browser.navigate(server.url("/nowhere.html"));  // a 404 is a document too
    ASSERT_TRUE(runUntil([&] { return finished.size() == 2; }, 20000));
    browser.navigate("http://127.0.0.1:1/");  // nothing listens there: an error page
    ASSERT_TRUE(runUntil([&] { return finished.size() >= 3; }, 20000));

    for (const char* url : {"ftp://host/", "javascript:alert(1)", ""}) {
        EXPECT_THROW(browser.navigate(url), framework::ENavigationError) << url;
    }
}

TEST_F(WebKitBrowserTest, AHangingPageNeverAnswersAndTheEngineCanStillGo) {
    auto browser = std::make_unique<WebKitBrowserBackend>();
    load(*browser);
    bool answered = false;
    browser->callFunction("Hang", {}, [&answered](PageCallResult) { answered = true; });
    runUntil([&] { return answered; }, 1000);
    EXPECT_FALSE(answered);
    // Destroyed while the call waits: it never calls back.
    browser.reset();
    runUntil([] { return false; }, 300);
    EXPECT_FALSE(answered);
}

TEST_F(WebKitBrowserTest, ThePageShowsOverItsHostWindow) {
    WebKitBrowserBackend browser;
    HWND top = solid({60, 60, 700, 500}, RGB(220, 220, 220), WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    SetWindowText(top, "Velmoro 浏览器");
    Rect client;
    GetClientRect(top, &client);
    HWND host = CreateWindowEx(0, kClass, "", WS_CHILD | WS_VISIBLE, 10, 10, client.Right - 20,
                               client.Bottom - 20, top);
    ASSERT_TRUE(AttachNativeWidget(host, browser.nativeWidget()));
    load(browser);
    Point inside{60 + 200, 60 + 100};
    EXPECT_TRUE(showsColor(inside, RGB(0xff, 0xe0, 0xf0), 10000));
    saveScreenshot("webkit_browser");
    DestroyWindow(top);
    EXPECT_EQ(gtk_widget_get_parent(browser.nativeWidget()->widget), nullptr);
}

}  // namespace
}  // namespace platform::test
