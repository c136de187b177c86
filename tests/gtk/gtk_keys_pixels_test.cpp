// The GTK display's pure parts: key values to virtual keys and text, how layered pixels show, and
// telling the window manager's moves from the display's own. No X display needed.
#include <gdk/gdkkeysyms.h>
#include <gtest/gtest.h>

#include "platform/display/gtk/keys.h"
#include "platform/display/gtk/layer_pixels.h"
#include "platform/display/gtk/move_tracker.h"
#include "platform/window/keys.h"

namespace platform::gtk {
namespace {

TEST(GtkKeysTest, KeyValuesBecomeVirtualKeys) {
    struct Case {
        unsigned keyval;
        int vk;
    };
    const Case cases[] = {
        {GDK_KEY_a, 'A'},
        {GDK_KEY_Z, 'Z'},
        {GDK_KEY_0, '0'},
        {GDK_KEY_9, '9'},
        {GDK_KEY_Return, VK_RETURN},
        {GDK_KEY_KP_Enter, VK_RETURN},
        {GDK_KEY_Tab, VK_TAB},
        {GDK_KEY_ISO_Left_Tab, VK_TAB},
        {GDK_KEY_BackSpace, VK_BACK},
        {GDK_KEY_Escape, VK_ESCAPE},
        {GDK_KEY_space, VK_SPACE},
        {GDK_KEY_Delete, VK_DELETE},
        {GDK_KEY_Left, VK_LEFT},
        {GDK_KEY_Page_Down, VK_NEXT},
        {GDK_KEY_Shift_R, VK_SHIFT},
        {GDK_KEY_Control_L, VK_CONTROL},
        {GDK_KEY_Alt_L, VK_MENU},
        {GDK_KEY_F1, VK_F1},
        {GDK_KEY_F12, VK_F12},
        {GDK_KEY_KP_7, VK_NUMPAD0 + 7},
        {GDK_KEY_KP_Home, VK_HOME},
        {GDK_KEY_KP_Add, VK_ADD},
        {GDK_KEY_semicolon, VK_OEM_1},
        {GDK_KEY_apostrophe, VK_OEM_7},
        {GDK_KEY_bracketleft, VK_OEM_4},
        {GDK_KEY_grave, VK_OEM_3},
        // No key of the platform's: a Cyrillic letter, a dead key, AltGr.
        {GDK_KEY_Cyrillic_a, 0},
        {GDK_KEY_dead_acute, 0},
        {GDK_KEY_ISO_Level3_Shift, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(VirtualKeyOf(c.keyval), c.vk) << std::hex << c.keyval;
    EXPECT_TRUE(IsNumpadKey(GDK_KEY_KP_1));
    EXPECT_FALSE(IsNumpadKey(GDK_KEY_1));
}

TEST(GtkKeysTest, TextAKeyTypes) {
    struct Case {
        unsigned keyval;
        KeyModifiers modifiers;
        std::string text;
    };
    const KeyModifiers none{}, ctrl{true, false}, alt{false, true}, altGr{true, true};
    const Case cases[] = {
        {GDK_KEY_a, none, "a"},
        {GDK_KEY_A, none, "A"},
        {GDK_KEY_exclam, none, "!"},
        {GDK_KEY_Return, none, "\r"},
        {GDK_KEY_KP_Enter, none, "\r"},
        {GDK_KEY_BackSpace, none, "\b"},
        {GDK_KEY_Tab, none, "\t"},
        {GDK_KEY_Escape, none, "\x1b"},
        {GDK_KEY_KP_5, none, "5"},
        {GDK_KEY_Delete, none, ""},
        {GDK_KEY_Left, none, ""},
        {GDK_KEY_F5, none, ""},
        {GDK_KEY_Shift_L, none, ""},
        {GDK_KEY_c, ctrl, "\x03"},
        {GDK_KEY_C, ctrl, "\x03"},
        {GDK_KEY_1, ctrl, ""},
        {GDK_KEY_f, alt, "f"},
        {GDK_KEY_at, altGr, "@"},
        {GDK_KEY_Cyrillic_a, none, "\xd0\xb0"},
        {0x10088d9, none, "\xe8\xa3\x99"},  // U+88D9 as a keysym
    };
    for (const Case& c : cases) EXPECT_EQ(TextOfKey(c.keyval, c.modifiers), c.text) << std::hex << c.keyval;
}

Surface Image(std::initializer_list<uint32_t> pixels, int32_t width) {
    Surface s(width, int32_t(pixels.size()) / width);
    std::copy(pixels.begin(), pixels.end(), s.data());
    return s;
}

TEST(GtkLayerPixelsTest, HowEachLayerModeShows) {
    using Mode = LayerAttributes::Mode;
    // A red pixel without meaningful alpha, a half-transparent premultiplied blue, a transparent one.
    const Surface image = Image({0x00FF0000u, 0x80000080u, 0x00000000u}, 3);
    struct Case {
        const char* name;
        LayerAttributes layer;
        bool compositor;
        std::array<uint32_t, 3> shown;
    };
    const Case cases[] = {
        {"opaque", {Mode::Opaque, 255, {}}, true, {0xFFFF0000u, 0xFF000080u, 0xFF000000u}},
        {"constant half", {Mode::Constant, 128, {}}, true, {0x80800000u, 0x80000040u, 0x80000000u}},
        {"colour key", {Mode::Constant, 255, RGB(255, 0, 0)}, true, {0, 0xFF000080u, 0xFF000000u}},
        {"per pixel", {Mode::PerPixel, 255, {}}, true, {0x00FF0000u, 0x80000080u, 0}},
        {"per pixel half", {Mode::PerPixel, 128, {}}, true, {0x00800000u, 0x40000040u, 0}},
        // Bare X, no compositor: opaque colours, un-premultiplied; the shape cuts the rest away.
        {"bare, per pixel", {Mode::PerPixel, 255, {}}, false, {0xFF000000u, 0xFF0000FFu, 0xFF000000u}},
        {"bare, constant", {Mode::Constant, 100, {}}, false, {0xFFFF0000u, 0xFF000080u, 0xFF000000u}},
    };
    for (const Case& c : cases) {
        Surface out(3, 1);
        ConvertLayerPixels(image, image.bounds(), c.layer, c.compositor, out);
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(out.pixel(x, 0), c.shown[size_t(x)]) << c.name << " pixel " << x;
        }
    }
}

TEST(GtkLayerPixelsTest, WithoutACompositorOnlyPixelsOfAtLeastHalfAlphaShow) {
    using Mode = LayerAttributes::Mode;
    // Alphas 0xFF, 0x80, 0x7F, 0x00 in a row, twice.
    const Surface image =
        Image({0xFF0000FFu, 0x80000080u, 0x7F00007Fu, 0, 0xFF0000FFu, 0x80000080u, 0x7F00007Fu, 0}, 4);
    EXPECT_FALSE(ShownPixels(image, {Mode::Opaque, 255, {}}));
    EXPECT_FALSE(ShownPixels(image, {Mode::Constant, 128, {}}));
    EXPECT_EQ(ShownPixels(image, {Mode::Constant, 127, {}}), Region());
    EXPECT_EQ(ShownPixels(image, {Mode::Unset, 255, {}}), Region());
    EXPECT_EQ(ShownPixels(image, {Mode::PerPixel, 255, {}}), Region(Rect{0, 0, 2, 2}));
    // The constant alpha takes its share: 0xFF * 0x80 / 255 is still half, 0x80 * 0x80 / 255 is not.
    EXPECT_EQ(ShownPixels(image, {Mode::PerPixel, 128, {}}), Region(Rect{0, 0, 1, 2}));
    // The colour key (the pure blue of the first pixel) cuts its pixels out.
    EXPECT_EQ(ShownPixels(image, {Mode::Constant, 255, RGB(0, 0, 255)}), Region(Rect{1, 0, 4, 2}));
    // With a compositor a click lands on every pixel that shows at all; fully transparent ones
    // (and those a constant alpha rounds to 0: 0x7F * 1 / 255) let it through.
    EXPECT_EQ(ShownPixels(image, {Mode::PerPixel, 255, {}}, 1), Region(Rect{0, 0, 3, 2}));
    EXPECT_EQ(ShownPixels(image, {Mode::PerPixel, 1, {}}, 1), Region(Rect{0, 0, 2, 2}));
}

TEST(GtkMoveTrackerTest, EchoesOfOwnMovesAreNotTheWindowManagers) {
    MoveTracker t;
    t.asked({10, 10});
    EXPECT_FALSE(t.reportedIsForeign({10, 10}));
    // A drag: three moves asked before the first report comes back.
    t.asked({11, 10});
    t.asked({12, 10});
    t.asked({13, 10});
    EXPECT_FALSE(t.reportedIsForeign({11, 10}));
    EXPECT_FALSE(t.reportedIsForeign({13, 10}));  // the report of 12 was passed over
    EXPECT_FALSE(t.reportedIsForeign({13, 10}));  // a resize where the window is
    // A resize reported before a move that follows it.
    t.asked({20, 20});
    EXPECT_FALSE(t.reportedIsForeign({13, 10}));
    EXPECT_FALSE(t.reportedIsForeign({20, 20}));
    // The window manager moves the window, or keeps an asked place from happening.
    EXPECT_TRUE(t.reportedIsForeign({200, 100}));
    EXPECT_FALSE(t.reportedIsForeign({200, 100}));
    t.asked({-50, 0});
    EXPECT_TRUE(t.reportedIsForeign({0, 0}));
    EXPECT_FALSE(t.reportedIsForeign({0, 0}));
}

TEST(GtkMoveTrackerTest, TheFirstReportOfAWindowNeverAskedToMoveIsForeign) {
    MoveTracker t;
    EXPECT_TRUE(t.reportedIsForeign({5, 5}));
    // However many moves were asked and never reported, memory stays bounded and reports still tell.
    for (int i = 0; i < 1000; ++i) t.asked({i, 0});
    EXPECT_FALSE(t.reportedIsForeign({999, 0}));
    EXPECT_TRUE(t.reportedIsForeign({3, 0}));
}

}  // namespace
}  // namespace platform::gtk
