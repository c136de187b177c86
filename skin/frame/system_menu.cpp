#include "skin/frame/system_menu.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/window/keys.h"
#include "skin/data/resource_strings.h"
#include "skin/data/skin_data.h"

namespace skin {

using framework::TMenuItem;

namespace {

struct DefaultItem {
    SystemMenuCommand command;
    std::string_view name;
    std::string_view key;      // resource string
    std::string_view builtIn;  // the program's own caption
};

// In the order the default menu lists them.
constexpr DefaultItem kDefaultItems[] = {
    {SystemMenuCommand::Minimize, "BSF_MINITEM", "MI_MINCAPTION", "Mi&nimize"},
    {SystemMenuCommand::Maximize, "BSF_MAXITEM", "MI_MAXCAPTION", "Ma&ximize"},
    {SystemMenuCommand::Restore, "BSF_RESTORE", "MI_RESTORECAPTION", "&Restore"},
    {SystemMenuCommand::RollUp, "BSF_ROLLUP", "MI_ROLLUPCAPTION", "Ro&llUp"},
    {SystemMenuCommand::MinimizeToTray, "BSF_MINTOTRAY", "MI_MINTOTRAYCAPTION", "Minimize to &Tray"},
    {SystemMenuCommand::Close, "BSF_CLOSE", "MI_CLOSECAPTION", "&Close"},
};
static_assert(std::size(kDefaultItems) == std::size(kSystemMenuItemNames));

bool Offered(SystemMenuCommand command, const SystemMenuState& s) {
    const bool normal = !s.minimized && !s.maximized;
    switch (command) {
        case SystemMenuCommand::Minimize:
            return !s.minimized && s.borderIcons.contains(TbsBorderIcon::biMinimize);
        case SystemMenuCommand::Maximize:
            return !s.maximized && s.borderIcons.contains(TbsBorderIcon::biMaximize);
        case SystemMenuCommand::Restore:
            return !normal || s.rolledUp;
        case SystemMenuCommand::RollUp:
            return !s.rolledUp && !s.minimized && s.borderIcons.contains(TbsBorderIcon::biRollUp);
        case SystemMenuCommand::MinimizeToTray:
            return s.borderIcons.contains(TbsBorderIcon::biMinimizeToTray);
        case SystemMenuCommand::Close:
            return true;
    }
    return false;
}

TMenuItem* MakeItem(const DefaultItem& d, const TbsSkinData* data, const SystemMenuHandler& run) {
    auto* item = new TMenuItem(nullptr);
    item->SetName(std::string(d.name));
    const TbsResourceStrData* strings = data ? data->ResourceStrData() : nullptr;
    item->SetCaption(strings ? strings->GetResString(d.key) : std::string(d.builtIn));
    if (d.command == SystemMenuCommand::Close)
        item->SetShortCut(framework::ShortCut(platform::VK_F4, false, false, true));
    const SystemMenuCommand command = d.command;
    item->OnClick = [run, command](framework::TObject*) {
        if (run)
            run(command);
    };
    return item;
}

const DefaultItem& ItemOf(SystemMenuCommand command) {
    return *std::find_if(std::begin(kDefaultItems), std::end(kDefaultItems),
                         [command](const DefaultItem& d) { return d.command == command; });
}

}  // namespace

void BuildDefaultSystemMenu(TMenuItem& root, const SystemMenuState& state, const TbsSkinData* data,
                            const SystemMenuHandler& run) {
    root.Clear();
    for (const DefaultItem& d : kDefaultItems) {
        if (d.command == SystemMenuCommand::Close && root.Count() > 0) {
            auto* line = new TMenuItem(nullptr);
            line->SetCaption("-");
            root.Add(line);
        }
        if (Offered(d.command, state))
            root.Add(MakeItem(d, data, run));
    }
}

void MergeDefaultSystemMenu(TMenuItem& root, const SystemMenuState& state, const TbsSkinData* data,
                            const SystemMenuHandler& run) {
    for (int i = root.Count() - 1; i >= 0; --i) {
        const std::string& name = root.Items(i)->Name();
        if (std::find(std::begin(kSystemMenuItemNames), std::end(kSystemMenuItemNames), name) !=
            std::end(kSystemMenuItemNames))
            root.Delete(i);
    }
    // Each goes to the top, so the menu reads minimise, restore, maximise, roll-up, tray.
    for (SystemMenuCommand command :
         {SystemMenuCommand::MinimizeToTray, SystemMenuCommand::RollUp, SystemMenuCommand::Maximize,
          SystemMenuCommand::Restore, SystemMenuCommand::Minimize})
        if (Offered(command, state))
            root.Insert(0, MakeItem(ItemOf(command), data, run));
    root.Add(MakeItem(ItemOf(SystemMenuCommand::Close), data, run));
}

}  // namespace skin
