#include "platform/display/gtk/keys.h"

#include <gdk/gdk.h>

#include <algorithm>
#include <array>

#include "platform/window/keys.h"

namespace platform::gtk {

namespace {

struct KeyPair {
    unsigned keyval;
    int vk;
};

// Sorted by key value.
// clang-format off
constexpr std::array kKeys{
    KeyPair{GDK_KEY_space, VK_SPACE},         KeyPair{GDK_KEY_apostrophe, VK_OEM_7},
    KeyPair{GDK_KEY_comma, VK_OEM_COMMA},     KeyPair{GDK_KEY_minus, VK_OEM_MINUS},
    KeyPair{GDK_KEY_period, VK_OEM_PERIOD},   KeyPair{GDK_KEY_slash, VK_OEM_2},
    KeyPair{GDK_KEY_semicolon, VK_OEM_1},     KeyPair{GDK_KEY_equal, VK_OEM_PLUS},
    KeyPair{GDK_KEY_bracketleft, VK_OEM_4},   KeyPair{GDK_KEY_backslash, VK_OEM_5},
    KeyPair{GDK_KEY_bracketright, VK_OEM_6},  KeyPair{GDK_KEY_grave, VK_OEM_3},
    KeyPair{GDK_KEY_ISO_Left_Tab, VK_TAB},    KeyPair{GDK_KEY_BackSpace, VK_BACK},
    KeyPair{GDK_KEY_Tab, VK_TAB},             KeyPair{GDK_KEY_Return, VK_RETURN},
    KeyPair{GDK_KEY_Pause, VK_PAUSE},         KeyPair{GDK_KEY_Escape, VK_ESCAPE},
    KeyPair{GDK_KEY_Home, VK_HOME},           KeyPair{GDK_KEY_Left, VK_LEFT},
    KeyPair{GDK_KEY_Up, VK_UP},               KeyPair{GDK_KEY_Right, VK_RIGHT},
    KeyPair{GDK_KEY_Down, VK_DOWN},           KeyPair{GDK_KEY_Page_Up, VK_PRIOR},
    KeyPair{GDK_KEY_Page_Down, VK_NEXT},      KeyPair{GDK_KEY_End, VK_END},
    KeyPair{GDK_KEY_Insert, VK_INSERT},       KeyPair{GDK_KEY_Menu, VK_APPS},
    KeyPair{GDK_KEY_Num_Lock, VK_NUMLOCK},    KeyPair{GDK_KEY_KP_Enter, VK_RETURN},
    KeyPair{GDK_KEY_KP_Home, VK_HOME},        KeyPair{GDK_KEY_KP_Left, VK_LEFT},
    KeyPair{GDK_KEY_KP_Up, VK_UP},            KeyPair{GDK_KEY_KP_Right, VK_RIGHT},
    KeyPair{GDK_KEY_KP_Down, VK_DOWN},        KeyPair{GDK_KEY_KP_Page_Up, VK_PRIOR},
    KeyPair{GDK_KEY_KP_Page_Down, VK_NEXT},   KeyPair{GDK_KEY_KP_End, VK_END},
    KeyPair{GDK_KEY_KP_Insert, VK_INSERT},    KeyPair{GDK_KEY_KP_Delete, VK_DELETE},
    KeyPair{GDK_KEY_KP_Multiply, VK_MULTIPLY}, KeyPair{GDK_KEY_KP_Add, VK_ADD},
    KeyPair{GDK_KEY_KP_Subtract, VK_SUBTRACT}, KeyPair{GDK_KEY_KP_Decimal, VK_DECIMAL},
    KeyPair{GDK_KEY_KP_Divide, VK_DIVIDE},    KeyPair{GDK_KEY_Shift_L, VK_SHIFT},
    KeyPair{GDK_KEY_Shift_R, VK_SHIFT},       KeyPair{GDK_KEY_Control_L, VK_CONTROL},
    KeyPair{GDK_KEY_Control_R, VK_CONTROL},   KeyPair{GDK_KEY_Caps_Lock, VK_CAPITAL},
    KeyPair{GDK_KEY_Meta_L, VK_MENU},         KeyPair{GDK_KEY_Meta_R, VK_MENU},
    KeyPair{GDK_KEY_Alt_L, VK_MENU},          KeyPair{GDK_KEY_Alt_R, VK_MENU},
    KeyPair{GDK_KEY_Super_L, VK_LWIN},        KeyPair{GDK_KEY_Super_R, VK_RWIN},
    KeyPair{GDK_KEY_Delete, VK_DELETE},
};
// clang-format on

constexpr bool SortedByKeyval() {
    for (size_t i = 1; i < kKeys.size(); ++i) {
        if (kKeys[i - 1].keyval >= kKeys[i].keyval)
            return false;
    }
    return true;
}
static_assert(SortedByKeyval(), "key table must be sorted by key value, each once");

constexpr int kFunctionKeys = 24;  // F1 to F24, VK_F1 = 0x70 onwards

}  // namespace

int VirtualKeyOf(unsigned keyval) {
    if (keyval >= GDK_KEY_a && keyval <= GDK_KEY_z)
        return int('A' + (keyval - GDK_KEY_a));
    if (keyval >= GDK_KEY_A && keyval <= GDK_KEY_Z)
        return int(keyval);
    if (keyval >= GDK_KEY_0 && keyval <= GDK_KEY_9)
        return int(keyval);
    if (keyval >= GDK_KEY_KP_0 && keyval <= GDK_KEY_KP_9)
        return VK_NUMPAD0 + int(keyval - GDK_KEY_KP_0);
    if (keyval >= GDK_KEY_F1 && keyval < GDK_KEY_F1 + kFunctionKeys)
        return VK_F1 + int(keyval - GDK_KEY_F1);
    auto it = std::lower_bound(kKeys.begin(), kKeys.end(), keyval,
                               [](const KeyPair& k, unsigned v) { return k.keyval < v; });
    return it != kKeys.end() && it->keyval == keyval ? it->vk : 0;
}

bool IsNumpadKey(unsigned keyval) {
    return keyval >= GDK_KEY_KP_Space && keyval <= GDK_KEY_KP_9;
}

std::string TextOfKey(unsigned keyval, KeyModifiers modifiers) {
    switch (keyval) {
        case GDK_KEY_Return:
        case GDK_KEY_KP_Enter:
            return "\r";
        case GDK_KEY_BackSpace:
            return "\b";
        case GDK_KEY_Tab:
        case GDK_KEY_ISO_Left_Tab:
            return "\t";
        case GDK_KEY_Escape:
            return "\x1b";
        default:
            break;
    }
    if (modifiers.control && !modifiers.alt) {
        int vk = VirtualKeyOf(keyval);
        if (vk >= 'A' && vk <= 'Z')
            return std::string(1, char(vk - 'A' + 1));
        return {};
    }
    uint32_t cp = gdk_keyval_to_unicode(keyval);
    if (cp < 0x20 || cp == 0x7F)
        return {};  // no character, or Delete
    char utf8[8];
    return std::string(utf8, size_t(g_unichar_to_utf8(cp, utf8)));
}

}  // namespace platform::gtk
