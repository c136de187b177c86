// The WebKitGTK engine's parts that need no display: the page call's script and arguments, which
// addresses it navigates to, and an engine made without GTK.
#include <gdk/gdk.h>
#include <gtest/gtest.h>

#include <optional>

#include "framework/browser/gtk/page_call_script.h"
#include "framework/browser/gtk/webkit_browser.h"

namespace framework {
namespace {

using Status = PageCallResult::Status;

TEST(PageCallScriptTest, TheScriptHoldsNoValueAndTheDictionaryHoldsThemAll) {
    std::vector<PageArg> args{std::string("');alert(1)//"), int32_t(7), std::string("a\0b", 3)};
    std::string script = webkit::PageCallScript(args);
    EXPECT_EQ(script,
              "const f = window[name];\n"
              "if (typeof f !== \"function\") return [0];\n"
              "return [1, f.call(window, a0_0, a1, [a2_0, a2_1].join(\"\\u0000\"))];");
    GVariant* dict = g_variant_ref_sink(webkit::PageCallArguments("SoItem", args));
    gchar* printed = g_variant_print(dict, false);
    EXPECT_STREQ(
        printed,
        "{'name': <'SoItem'>, 'a0_0': <\"');alert(1)//\">, 'a1': <7>, 'a2_0': <'a'>, 'a2_1': <'b'>}");
    g_free(printed);
    g_variant_unref(dict);
    // Bytes that are no UTF-8 become U+FFFD rather than break the dictionary.
    dict = g_variant_ref_sink(webkit::PageCallArguments("f", {std::string("\xff") + "x"}));
    GVariant* part = g_variant_lookup_value(dict, "a0_0", G_VARIANT_TYPE_STRING);
    ASSERT_NE(part, nullptr);
    EXPECT_STREQ(g_variant_get_string(part, nullptr), "\uFFFDx");
    g_variant_unref(part);
    g_variant_unref(dict);
}

TEST(WebKitNavigationTest, OnlyWebAddressesStartLoading) {
    for (const char* url :
         {"http://127.0.0.1:18080/qrwk/", "https://example.com/", "about:blank", "HTTP://host/x"}) {
        EXPECT_TRUE(WebKitCanNavigate(url)) << url;
    }
    for (const char* url :
         {"", "not a url", "ftp://host/", "file:///etc/passwd", "javascript:alert(1)", "data:text/html,<p>x",
          "http://", "http:///path", "about:config", "127.0.0.1:18080"}) {
        EXPECT_FALSE(WebKitCanNavigate(url)) << url;
    }
}

TEST(WebKitWithoutDesktopTest, AnEngineWithoutGtkRefusesEverything) {
    WebKitBrowserBackend browser;
    EXPECT_EQ(browser.nativeWidget(), nullptr);
    EXPECT_THROW(browser.navigate("http://127.0.0.1/"), ENavigationError);
    std::optional<PageCallResult> result;
    browser.callFunction("f", {}, [&](PageCallResult r) { result = r; });
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, Status::EngineError);
}

}  // namespace
}  // namespace framework
