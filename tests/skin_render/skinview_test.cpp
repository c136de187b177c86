#include "tools/skinview/skinview.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "framework/graphics/bitmap.h"
#include "platform/gfx/png.h"
#include "skin/data/skin_data.h"
#include "skin/frame/frame_geometry.h"
#include "skin/render/frame_strips.h"
#include "tests/skin_data/skin_fixture.h"
#include "tests/skin_render/render_test_support.h"

namespace tools {
namespace {

namespace fs = std::filesystem;
using platform::Rect;
using platform::Size;
using skin::Picture;

constexpr uint32_t kMagenta = 0xFFFF00FFu;

fs::path ShippedSkin() {
    return fixture::SourceDir() / "skins/default";
}

struct ToolRun {
    int status;
    std::string out, err;
};
ToolRun Skinview(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunSkinview(args, out, err);
    return {status, out.str(), err.str()};
}

// The shipped skin loaded as the program loads it.
class ShippedSkinTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        skin::TbsCompressedStoredSkin stored(nullptr);
        stored.PackSkinFolder((ShippedSkin() / "skin.ini").string());
        data = new skin::TbsSkinData(nullptr);
        data->LoadStoredSkin(stored);
    }
    static void TearDownTestSuite() {
        delete data;
        data = nullptr;
    }
    static skin::TbsSkinData* data;
    fixture::TempFolder temp{"skinview"};
};
skin::TbsSkinData* ShippedSkinTest::data = nullptr;

// The main window expanded, as --layout-json reports it: the frame's geometry and where the caption
// buttons and the caption go.
TEST_F(ShippedSkinTest, LayoutJsonOfTheExpandedMainWindow) {
    const ToolRun run = Skinview({"frame", ShippedSkin().string(), "--size", "785x641", "--layout-json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              R"({"buttons_area":[0,0,0,0],"caption_area":[14,5,771,21],"caption_text_area":[33,5,730,20],)"
              R"("client":[4,23,781,636],"leftbottom":[6,635],"lefttop":[13,27],"objects":[)"
              R"({"command":null,"name":"caption1","rect":[30,5,733,20],"visible":true},)"
              R"({"command":"cmclose","name":"closebutton","rect":[753,5,771,22],"visible":true},)"
              R"({"command":"cmminimize","name":"minbutton","rect":[733,5,751,22],"visible":true},)"
              R"({"command":"cmmaximize","name":"maxbutton","rect":[40,17,58,34],"visible":false},)"
              R"({"command":"cmrollup","name":"rollupbutton","rect":[40,68,58,85],"visible":false},)"
              R"({"command":"cmsysmenu","name":"systemmenubutton","rect":[14,5,30,21],"visible":true},)"
              R"({"command":"cmminimizetotray","name":"traybutton","rect":[427,18,445,35],"visible":false}],)"
              R"("rightbottom":[779,634],"righttop":[769,26]})"
              "\n");
}

// Border icons and the window icon change which buttons show and what the system-menu button takes.
TEST_F(ShippedSkinTest, LayoutJsonFollowsBorderIconsAndTheIcon) {
    struct Case {
        std::vector<std::string> options;
        std::string expected;  // a piece of the output
    };
    const std::string all = "sysmenu,minimize,maximize,rollup,tray";
    const Case cases[] = {
        // Without the icon the system-menu button shows its own 18 x 17 face.
        {{"--no-icon"}, R"("name":"systemmenubutton","rect":[14,5,32,22])"},
        {{"--no-icon"}, R"("name":"caption1","rect":[32,5,733,20])"},
        // Every icon: close, maximise, minimise, roll-up and tray from the right, two apart.
        {{"--border-icons", all}, R"("name":"maxbutton","rect":[733,5,751,22],"visible":true)"},
        {{"--border-icons", all}, R"("name":"traybutton","rect":[673,5,691,22],"visible":true)"},
        {{"--border-icons", all}, R"("name":"caption1","rect":[30,5,673,20])"},
        // No icons: the close button alone, the caption from its own left edge to it.
        {{"--border-icons", ""}, R"("name":"caption1","rect":[12,5,753,20])"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"frame", ShippedSkin().string(), "--size", "785x641",
                                         "--layout-json"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const ToolRun run = Skinview(args);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find(c.expected), std::string::npos) << c.expected << "\n" << run.out;
    }
    const ToolRun wrong = Skinview({"frame", ShippedSkin().string(), "--size", "785x641", "--border-icons",
                                    "min", "-o", (temp / "x.png").string()});
    EXPECT_EQ(wrong.status, 2);
}

// The frame at the main window's sizes, active and inactive: the client area magenta, the frame
// the strips of the frame picture, the buttons from their pictures and the caption text on top.
TEST_F(ShippedSkinTest, FrameAtTheMainWindowSizes) {
    const Picture& active = data->ActivePictures()[0].Surface();
    for (Size size : {Size{785, 641}, Size{785, 96}, Size{158, 136}}) {
        for (bool inactive : {false, true}) {
            const std::string name = std::to_string(size.cx) + "x" + std::to_string(size.cy) +
                                     (inactive ? "_inactive" : "") + ".png";
            const fs::path out = temp / name;
            std::vector<std::string> args = {
                "frame",     ShippedSkin().string(),
                "--size",    std::to_string(size.cx) + "x" + std::to_string(size.cy),
                "--caption", "Velmoro 女装搜索",
                "-o",        out.string()};
            if (inactive)
                args.push_back("--inactive");
            const ToolRun run = Skinview(args);
            ASSERT_EQ(run.status, 0) << run.err;
            const auto png = platform::LoadSurfacePng(out.string());
            ASSERT_TRUE(png) << name;
            ASSERT_EQ(png->width(), size.cx);
            ASSERT_EQ(png->height(), size.cy);
            const skin::FrameGeometry g = skin::CalcFrameGeometry(
                data->FormInfo(), {data->FramePicture().Width(), data->FramePicture().Height()}, size);
            const Rect client = g.newLayout.Cl;
            skin::FrameStrips strips;
            skin::ComposeFrameStrips(g.layout, g.newLayout, strips, data->FramePicture().Surface(),
                                     data->FramePicture().Surface().bounds(), size, {});
            const skin::FrameStripOrigins at = skin::PlaceFrameStrips(strips, size);
            for (int32_t y = 0; y < size.cy; ++y) {
                for (int32_t x = 0; x < size.cx; ++x) {
                    const uint32_t px = png->pixel(x, y);
                    if (client.contains({x, y})) {
                        ASSERT_EQ(px, kMagenta) << name << " " << x << "," << y;
                    } else if (y >= 23) {  // below the caption row only the strips show
                        const uint32_t want = y >= at.Bottom.Y  ? strips.Bottom.pixel(x, y - at.Bottom.Y)
                                              : x < client.Left ? strips.Left.pixel(x, y - 23)
                                                                : strips.Right.pixel(x - at.Right.X, y - 23);
                        ASSERT_EQ(px, want) << name << " " << x << "," << y;
                    }
                }
            }
            // The close button's normal face from the first active picture.
            const Rect close{size.cx - 32, 5, size.cx - 14, 22};
            for (int32_t y = 0; y < 17; ++y)
                for (int32_t x = 0; x < 18; ++x)
                    ASSERT_EQ(png->pixel(close.Left + x, close.Top + y), active.pixel(40 + x, y)) << name;
            // Caption text: white when active, light grey when inactive, somewhere in the caption.
            const uint32_t ink = inactive ? 0xFFC0C0C0u : 0xFFFFFFFFu;
            int inked = 0;
            for (int32_t y = 5; y < 20; ++y)
                for (int32_t x = 32; x < size.cx - 52; ++x) inked += png->pixel(x, y) == ink;
            EXPECT_GT(inked, 10) << name;
        }
    }
}

TEST_F(ShippedSkinTest, FrameOfThePicturesOwnSizeWithoutObjectsIsThePicture) {
    const fs::path out = temp / "plain.bmp";
    const ToolRun run = Skinview({"frame", (ShippedSkin() / "skin.ini").string(), "--size", "158x136",
                                  "--no-objects", "-o", out.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    framework::TBitmap bmp;
    bmp.LoadFromFile(out.string());
    EXPECT_EQ(bmp.BitsPerPixel(), 24);
    const Picture& frame = data->FramePicture().Surface();
    for (int32_t y = 0; y < 136; ++y)
        for (int32_t x = 0; x < 158; ++x)
            ASSERT_EQ(bmp.Surface().pixel(x, y),
                      (Rect{4, 23, 154, 131}.contains({x, y}) ? kMagenta : frame.pixel(x, y) | 0xFF000000u))
                << x << "," << y;
}

TEST_F(ShippedSkinTest, EveryCommandDraws) {
    const std::string skinPath = ShippedSkin().string();
    const std::vector<std::vector<std::string>> commands = {
        {"ninepart", skinPath, "POPUPWINDOW", "--size", "150x100"},
        {"ninepart", skinPath, "button", "--size", "90x30", "--no-client"},
        {"ninepart", skinPath, "panel", "--size", "90x30"},
        {"bar", skinPath, "MENUITEM", "--width", "200"},
        {"bar", skinPath, "button", "--height", "60", "--ends", "3,3", "--tile"},
        {"effect", skinPath, "ieinvert", "--size", "300x80", "--inactive"},
        {"effect", skinPath, "mkpush", "--record", "closebutton", "--progress", "0.3"},
        {"text", skinPath, "--caption", "连衣裙", "--effect", "halo", "--zoom", "2"},
    };
    for (std::vector<std::string> args : commands) {
        const fs::path out = temp / (args[0] + ".png");
        args.insert(args.end(), {"-o", out.string()});
        const ToolRun run = Skinview(args);
        EXPECT_EQ(run.status, 0) << args[0] << " " << args[2] << ": " << run.err;
        EXPECT_TRUE(platform::LoadSurfacePng(out.string())) << args[0];
    }
}

// The popup window picture, tiled to 150 x 100, shows exactly what composing it gives.
TEST_F(ShippedSkinTest, NinePartMatchesTheComposition) {
    const fs::path out = temp / "popup.png";
    ASSERT_EQ(Skinview({"ninepart", ShippedSkin().string(), "POPUPWINDOW", "--size", "150x100", "--zoom", "2",
                        "-o", out.string()})
                  .status,
              0);
    const auto png = platform::LoadSurfacePng(out.string());
    ASSERT_TRUE(png);
    const Picture& pw = data->ActivePictures()[1].Surface();
    // Zoomed twice: target pixel (x, y) is png (2x, 2y); the top edge tiles 29 columns from 22.
    for (int32_t x = 22; x < 140; ++x) EXPECT_EQ(png->pixel(2 * x, 2), pw.pixel(22 + (x - 22) % 29, 1)) << x;
}

TEST_F(ShippedSkinTest, RegionOfAMaskedSkin) {
    // The shipped skin with a frame mask: its top corners cut off by three pixels.
    const fs::path folder = temp / "masked";
    fs::copy(ShippedSkin(), folder);
    framework::TBitmap mask;
    mask.SetSize(158, 136);
    for (int32_t y = 0; y < 136; ++y)
        for (int32_t x = 0; x < 158; ++x)
            mask.SetPixel(x, y, (y < 3 && (x < 3 - y || x >= 155 + y)) ? platform::RGB(255, 255, 255) : 0);
    mask.SaveToFile((folder / "mask.bmp").string());
    std::string ini = fixture::ReadFile(folder / "skin.ini");
    ini.replace(ini.find("mask=\r\n"), 7, "mask=mask.bmp\r\n");
    fixture::WriteFile(folder / "skin.ini", ini);

    const fs::path out = temp / "region.png";
    const ToolRun run = Skinview({"region", folder.string(), "--size", "300x80", "-o", out.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto png = platform::LoadSurfacePng(out.string());
    ASSERT_TRUE(png);
    const uint32_t inside = 0xFF000000u, outside = 0xFFFFFFFFu;
    EXPECT_EQ(png->pixel(0, 0), outside);
    EXPECT_EQ(png->pixel(2, 0), outside);
    EXPECT_EQ(png->pixel(3, 0), inside);
    EXPECT_EQ(png->pixel(0, 3), inside);
    EXPECT_EQ(png->pixel(299, 0), outside);
    EXPECT_EQ(png->pixel(297, 0), outside);  // mask column 155 lands on 284 + (155 - 142)
    EXPECT_EQ(png->pixel(296, 0), inside);
    EXPECT_EQ(png->pixel(297, 1), inside);
    EXPECT_EQ(png->pixel(298, 1), outside);
    EXPECT_EQ(png->pixel(150, 40), inside);
    EXPECT_EQ(png->pixel(299, 79), inside);

    const ToolRun unshaped =
        Skinview({"region", ShippedSkin().string(), "--size", "300x80", "-o", out.string()});
    EXPECT_EQ(unshaped.status, 1);
    EXPECT_NE(unshaped.err.find("no frame mask"), std::string::npos);
}

TEST_F(ShippedSkinTest, BadInputAndWrongUse) {
    const fs::path damaged = temp / "damaged.skn";
    {
        std::ofstream f(damaged, std::ios::binary);
        const char bytes[] = {3, 0, 0, 0, 10, 0, 0, 0, 'n', 'o', 't', ' ', 'z', 'l', 'i', 'b', '!', '!'};
        f.write(bytes, sizeof bytes);
    }
    const std::string out = (temp / "x.png").string();
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string inErr;
    };
    const Case cases[] = {
        {{"frame", damaged.string(), "--size", "100x100", "-o", out}, 1, damaged.string()},
        {{"frame", (temp / "missing").string(), "--size", "100x100", "-o", out}, 1, "missing"},
        {{}, 2, "usage: skinview COMMAND"},
        {{"menus", ShippedSkin().string(), "-o", out}, 2, "unknown command"},
        {{"tabs", ShippedSkin().string(), "-o", out}, 2, "--size"},
        {{"frame", ShippedSkin().string(), "--size", "100x100", "-o", "x.gif"}, 2, ".png or .bmp"},
        {{"frame", ShippedSkin().string(), "--size", "0x100", "-o", out}, 2, "--size"},
        {{"frame", ShippedSkin().string(), "--size", "100by100", "-o", out}, 2, "WxH"},
        {{"frame", ShippedSkin().string(), "--size", "100x100"}, 2, "-o OUT"},
        {{"frame", ShippedSkin().string(), "--size", "100x100", "--bogus", "-o", out}, 2, "--bogus"},
        {{"ninepart", ShippedSkin().string(), "nosuchrecord", "--size", "10x10", "-o", out},
         1,
         "nosuchrecord"},
        {{"ninepart", ShippedSkin().string(), "closebutton", "--size", "10x10", "-o", out}, 1, "nine-part"},
        {{"bar", ShippedSkin().string(), "MENUITEM", "-o", out}, 2, "--width"},
        {{"effect", ShippedSkin().string(), "mkpush", "-o", out}, 2, "--record"},
        {{"frame", ShippedSkin().string(), "--size", "100x100", "-o", (temp / "no/such/dir/x.png").string()},
         1,
         "cannot write"},
    };
    for (const Case& c : cases) {
        const ToolRun run = Skinview(c.args);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.err.find(c.inErr), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace tools
