// skinview menu and hint: the items an --items list gives, the layout JSON of an open popup and of a hint
// with the shipped skin and without it, and wrong use.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "tests/skin_data/skin_fixture.h"
#include "tools/skinview/menu_preview.h"
#include "tools/skinview/skinview.h"

namespace tools {
namespace {

struct ToolRun {
    int status;
    std::string out, err;
};
ToolRun Skinview(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = RunSkinview(args, out, err);
    return {status, out.str(), err.str()};
}

const std::string kSkin = (fixture::SourceDir() / "skins/default").string();

TEST(SkinviewMenu, ItemsOfAnItemList) {
    const auto items = ParseMenuItems("Open|Save\\tCtrl+S|-|*Wrap|!Print|Recent>|*!Both\tDel");
    ASSERT_EQ(items.size(), 7u);
    EXPECT_EQ(items[1].caption, "Save");
    EXPECT_EQ(items[1].shortCut, "Ctrl+S");
    EXPECT_EQ(items[2].caption, "-");
    EXPECT_TRUE(items[3].checked);
    EXPECT_TRUE(items[4].disabled);
    EXPECT_TRUE(items[5].subItems);
    EXPECT_EQ(items[5].caption, "Recent");
    EXPECT_TRUE(items[6].checked && items[6].disabled);
    EXPECT_EQ(items[6].shortCut, "Del");
    EXPECT_THROW(ParseMenuItems("Open\\tCtrl+Nowhere"), std::invalid_argument);
}

TEST(SkinviewMenu, LayoutOfFourItemsAndASeparator) {
    const ToolRun run = Skinview({"menu", kSkin, "--items", "Open|Save|-|Print|Exit", "--layout-json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json layout = nlohmann::json::parse(run.out);
    const int width = layout["size"][0];
    EXPECT_EQ(layout["size"][1], 93);
    EXPECT_EQ(layout["client"], nlohmann::json({17, 5, width - 5, 88}));
    EXPECT_EQ(layout["markers"], false);
    ASSERT_EQ(layout["items"].size(), 5u);
    EXPECT_EQ(layout["items"][2]["separator"], true);
    EXPECT_EQ(layout["items"][2]["rect"], nlohmann::json({17, 45, width - 5, 48}));
    EXPECT_EQ(layout["items"][4]["caption"], "Exit");
}

TEST(SkinviewMenu, ALowWorkAreaOrAMaximumScrolls) {
    std::string items = "0";
    for (int i = 1; i < 20; ++i) items += "|" + std::to_string(i);
    const ToolRun low =
        Skinview({"menu", kSkin, "--items", items, "--work-area", "400x200", "--layout-json"});
    ASSERT_EQ(low.status, 0) << low.err;
    const nlohmann::json a = nlohmann::json::parse(low.out);
    EXPECT_EQ(a["size"][1], 200);
    EXPECT_EQ(a["markers"], true);
    EXPECT_LT(a["items"].size(), 20u);
    const ToolRun max = Skinview({"menu", kSkin, "--items", items, "--max-items", "5", "--layout-json"});
    ASSERT_EQ(max.status, 0) << max.err;
    EXPECT_EQ(nlohmann::json::parse(max.out)["items"].size(), 5u);
}

TEST(SkinviewMenu, WithoutSkinAndDrawn) {
    fixture::TempFolder temp("skinview_menu");
    const ToolRun plain = Skinview({"menu", kSkin, "--items", "Open|-|Exit", "--no-skin", "--layout-json"});
    ASSERT_EQ(plain.status, 0) << plain.err;
    const nlohmann::json layout = nlohmann::json::parse(plain.out);
    EXPECT_EQ(layout["size"][1], 20 + 4 + 20 + 4);
    EXPECT_EQ(layout["client"][0], 2);
    const std::string out = (temp / "menu.png").string();
    const ToolRun drawn = Skinview({"menu", kSkin, "--items", "Open|Recent>", "--selected", "1", "-o", out});
    ASSERT_EQ(drawn.status, 0) << drawn.err;
    EXPECT_NE(drawn.out.find(" x "), std::string::npos);
}

TEST(SkinviewHint, LayoutWithAndWithoutSkin) {
    const ToolRun skinned = Skinview({"hint", kSkin, "--text", "Close", "--layout-json"});
    ASSERT_EQ(skinned.status, 0) << skinned.err;
    const nlohmann::json a = nlohmann::json::parse(skinned.out);
    const int tw = a["text"][2].get<int>() - a["text"][0].get<int>();
    const int th = a["text"][3].get<int>() - a["text"][1].get<int>();
    // The text plus the frame: 8 + (47 - 39) + 5 wider, 3 + (21 - 18) higher.
    EXPECT_EQ(a["size"], nlohmann::json({tw + 21, th + 6}));
    const ToolRun plain = Skinview({"hint", kSkin, "--text", "Close", "--no-skin", "--layout-json"});
    ASSERT_EQ(plain.status, 0) << plain.err;
    // Without skin in the component's default font, with 2 pixels all round.
    const nlohmann::json b = nlohmann::json::parse(plain.out);
    EXPECT_EQ(b["text"][0], 2);
    EXPECT_EQ(b["text"][1], 2);
    EXPECT_EQ(b["size"], nlohmann::json({b["text"][2].get<int>() + 2, b["text"][3].get<int>() + 2}));
}

TEST(SkinviewMenu, WrongUse) {
    const struct {
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {{"menu", kSkin, "--layout-json"}, "--items ITEMS is required"},
        {{"menu", kSkin, "--items", "Open"}, "-o OUT or --layout-json is required"},
        {{"menu", kSkin, "--items", "Open\\tCtrl+Nowhere", "--layout-json"}, "names no key"},
        {{"menu", kSkin, "--items", "Open", "--work-area", "400", "--layout-json"}, "--work-area"},
        {{"menu", kSkin, "--items", "Open", "--max-items", "-1", "--layout-json"}, "--max-items"},
        {{"hint", kSkin, "--layout-json"}, "--text T is required"},
    };
    for (const auto& c : cases) {
        const ToolRun run = Skinview(c.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace tools
