#include "skin/frame/button_states.h"

#include <string_view>

#include "skin/data/resource_strings.h"
#include "skin/data/skin_data.h"

namespace skin {

namespace {

// The border icon that offers each command's button (none: close and custom buttons).
std::optional<TbsBorderIcon> IconOf(TStdCommand command) {
    switch (command) {
        case TStdCommand::cmMaximize:
            return TbsBorderIcon::biMaximize;
        case TStdCommand::cmMinimize:
            return TbsBorderIcon::biMinimize;
        case TStdCommand::cmSysMenu:
            return TbsBorderIcon::biSystemMenu;
        case TStdCommand::cmRollUp:
            return TbsBorderIcon::biRollUp;
        case TStdCommand::cmMinimizeToTray:
            return TbsBorderIcon::biMinimizeToTray;
        case TStdCommand::cmClose:
        case TStdCommand::cmDefault:
            return std::nullopt;
    }
    return std::nullopt;
}

struct HintKeys {
    TStdCommand command;
    std::string_view key;
    std::string_view builtIn;
};
constexpr HintKeys kHintKeys[] = {
    {TStdCommand::cmClose, "CLOSEBUTTON_HINT", "Close"},
    {TStdCommand::cmMaximize, "MAXBUTTON_HINT", "Maximize"},
    {TStdCommand::cmMinimize, "MINBUTTON_HINT", "Minimize"},
    {TStdCommand::cmSysMenu, "MENUBUTTON_HINT", "System menu"},
    {TStdCommand::cmRollUp, "ROLLUPBUTTON_HINT", "Roll Up"},
    {TStdCommand::cmMinimizeToTray, "TRAYBUTTON_HINT", "Minimize to Tray"},
};

}  // namespace

ButtonState CaptionButtonState(TStdCommand command, bool inOwnPicture, const CaptionButtonSettings& settings,
                               ButtonState current, std::optional<bool> customVisible) {
    if (settings.hideCaptionButtons)
        return {false, !inOwnPicture};
    if (command == TStdCommand::cmClose)
        return current;
    if (command == TStdCommand::cmDefault)
        return {current.enabled, customVisible.value_or(false)};
    bool enabled = settings.borderIcons.contains(*IconOf(command));
    if (command == TStdCommand::cmSysMenu)
        enabled = enabled && !settings.disableSystemMenu;
    return {enabled, inOwnPicture ? enabled : true};
}

std::optional<DefaultHints> DefaultButtonHints(TStdCommand command, const TbsSkinData* data) {
    const TbsResourceStrData* strings = data ? data->ResourceStrData() : nullptr;
    auto text = [strings](std::string_view key, std::string_view builtIn) {
        return strings ? strings->GetResString(key) : std::string(builtIn);
    };
    for (const HintKeys& k : kHintKeys)
        if (k.command == command)
            return DefaultHints{text(k.key, k.builtIn), text("RESTORE_HINT", "Restore")};
    return std::nullopt;
}

}  // namespace skin
