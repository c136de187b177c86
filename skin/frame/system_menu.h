// The items of a skinned window's system menu: the window commands its border icons offer for the
// state it is in, a separator, and Close. Built afresh each time the menu opens, or merged into a
// form's own system menu.
#pragma once

#include <functional>
#include <string_view>

#include "framework/menus/menu_item.h"
#include "skin/frame/button_states.h"

namespace skin {

class TbsSkinData;

enum class SystemMenuCommand { Minimize, Maximize, Restore, RollUp, MinimizeToTray, Close };

struct SystemMenuState {
    TbsBorderIcons borderIcons;
    bool minimized = false;
    bool maximized = false;
    bool rolledUp = false;
};

using SystemMenuHandler = std::function<void(SystemMenuCommand)>;

// The names the default items carry, so that a merge finds them again.
constexpr std::string_view kSystemMenuItemNames[] = {"BSF_MINITEM", "BSF_MAXITEM",   "BSF_RESTORE",
                                                     "BSF_ROLLUP",  "BSF_MINTOTRAY", "BSF_CLOSE"};

// Replaces the sub-items of `root` with the default items, captions from the skin's resource
// strings when it has them. Choosing an item calls `run` with its command.
void BuildDefaultSystemMenu(framework::TMenuItem& root, const SystemMenuState& state, const TbsSkinData* data,
                            const SystemMenuHandler& run);

// Puts the default items into a form's own menu: earlier default items are removed, the window
// commands go to the top (minimise, restore, maximise, roll-up, tray), Close to the end.
void MergeDefaultSystemMenu(framework::TMenuItem& root, const SystemMenuState& state, const TbsSkinData* data,
                            const SystemMenuHandler& run);

}  // namespace skin
