// The skin engine's window messages, in the application's private range. The first seven are
// broadcast by TbsSkinData to every form with wParam = the TbsSkinData and lParam = 1000
// (kSkinMessageLParam); the others are sent by the parts named, with both parameters 0.
#pragma once

#include <cstdint>

namespace skin {

enum : uint32_t {
    // From TbsSkinData to all forms.
    SKM_BEFORECHANGESKINDATA = 0x4C9,   // a load has begun: drop every reference into the skin data
    SKM_CHANGESKINDATA = 0x4CA,         // the new skin is loaded (ChangingSkin still true): re-read
    SKM_AFTERCHANGESKINDATA = 0x4CB,    // the change is complete (ChangingSkin false)
    SKM_RESSTRINGSCHANGED = 0x4FA,      // ResourceStrData was assigned: re-read interface strings
    SKM_SKINNABLEFORMCHANGED = 0x50E,   // SkinnableForm changed
    SKM_LAYEREDBORDERSCHANGED = 0x593,  // ShowLayeredBorders changed
    SKM_AEROBLURCHANGED = 0x594,        // AeroBlurEnabled changed

    // Between the skinned parts.
    SKM_MENUCLOSED = 0x4CC,     // skinned menu -> opener and menu's form: the menu and its submenus closed
    SKM_MENUCOMMAND = 0x4CD,    // skinned menu -> opener: an item without submenu was chosen
    SKM_MDICHILDREFIT = 0x4CE,  // MDI parent frame -> each child: re-fit a maximized child
    SKM_MDICHILDMAXIMIZED = 0x4CF,  // MDI child frame -> main form: a child was maximized
    SKM_MDICHILDRESTORED =
        0x4D0,                  // MDI child frame -> main form: a child was restored, minimized or destroyed
    SKM_PARENTCHANGED = 0x504,  // skinned parent -> each child control: the parent's face changed
    SKM_GLOWSHOW = 0x590,       // skinned button, posted to itself on mouse entry
    SKM_GLOWHIDE = 0x591,       // skinned button, posted to itself on mouse exit
    SKM_TRAYRESTORED = 0x592,   // tray icon -> main form after restoring it: come to the foreground
};

// The second parameter of every message TbsSkinData broadcasts.
constexpr intptr_t kSkinMessageLParam = 1000;

}  // namespace skin
