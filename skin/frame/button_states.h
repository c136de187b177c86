// Which caption buttons a window offers, by its border icons, and which of them show: a button the
// window does not offer disappears when it is drawn from a picture of its own, and stays visible
// but inert when it is part of the frame picture. Pure rules that the frame component and skinview
// share; the default hint texts by command come with them.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "framework/core/enum_set.h"
#include "framework/core/properties.h"
#include "skin/data/value_types.h"

namespace skin {

class TbsSkinData;

enum class TbsBorderIcon { biSystemMenu, biMinimize, biMaximize, biRollUp, biMinimizeToTray };
using TbsBorderIcons = framework::EnumSet<TbsBorderIcon>;

}  // namespace skin

template <>
struct framework::EnumNames<skin::TbsBorderIcon> {
    static constexpr std::array names{"biSystemMenu", "biMinimize", "biMaximize", "biRollUp",
                                      "biMinimizeToTray"};
    static_assert(names.size() == size_t(skin::TbsBorderIcon::biMinimizeToTray) + 1);
};

namespace skin {

struct CaptionButtonSettings {
    TbsBorderIcons borderIcons;
    bool hideCaptionButtons = false;
    bool disableSystemMenu = false;
};

struct ButtonState {
    bool enabled = true;
    bool visible = true;
    friend constexpr bool operator==(const ButtonState&, const ButtonState&) = default;
};

// The state of a caption button (or an animate object in button style) with `command`, drawn from
// a picture of its own when `inOwnPicture`; `current` is the state it has now (close keeps it).
// `customVisible` answers for "cmdefault" buttons (a handler's say; none: hidden).
ButtonState CaptionButtonState(TStdCommand command, bool inOwnPicture, const CaptionButtonSettings& settings,
                               ButtonState current, std::optional<bool> customVisible);

// The default hint of a button with `command` ("cmdefault" has none) and of its restore state: the
// skin's resource strings when it has any, else the built-in English texts.
struct DefaultHints {
    std::string normal;
    std::string restore;
};
std::optional<DefaultHints> DefaultButtonHints(TStdCommand command, const TbsSkinData* data);

}  // namespace skin
