// A skinned popup menu and a skinned hint as skinview draws them: the program's own menu driver
// and hint window on a headless display of their own, cut out of the screen, with where their
// parts lie.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/geometry.h"
#include "skin/data/skin_data.h"
#include "skin/render/picture.h"

namespace tools {

// One item of a previewed menu.
struct PreviewItem {
    std::string caption;  // "-": a separator
    std::string shortCut;
    bool checked = false;
    bool disabled = false;
    bool subItems = false;
};

// "Open|Save\tCtrl+S|-|*Wrap|!Print|Recent>": items separated by "|"; "-" a separator, a leading
// "*" checks, a leading "!" disables, a trailing ">" gives sub-items, a tab ("\t" written out or a
// real one) comes before the short-cut text. Throws std::invalid_argument with the reason for a
// short-cut that names no key or an empty list.
std::vector<PreviewItem> ParseMenuItems(std::string_view list);

struct MenuPreviewOptions {
    std::vector<PreviewItem> items;
    int selected = -1;  // the item highlighted; -1: the first usable one, as a menu opens
    std::optional<platform::Size> workArea;  // the screen's work area; none: 1024 x 738
    int maxItems = 0;                        // the frame's item maximum (0: none)
};

struct MenuPreviewItem {
    std::string caption;
    bool separator = false;
    platform::Rect rect;  // popup coordinates
};

struct MenuPreview {
    skin::Picture picture;
    platform::Size size;
    platform::Rect client;               // where the items go (NewCl)
    bool markers = false;                // the popup scrolls
    std::vector<MenuPreviewItem> items;  // the shown ones
};

// The popup opened at the work area's top-left corner (null skin data: the built-in look). Throws
// std::logic_error when another display is connected in this process.
MenuPreview PreviewMenu(skin::TbsSkinData* data, const MenuPreviewOptions& options);

struct HintPreview {
    skin::Picture picture;
    platform::Size size;
    platform::Rect text;  // where the text is drawn (window coordinates)
};

// The hint of `text` as a TbsSkinHint with that skin shows it ("@" breaks its lines).
HintPreview PreviewHint(skin::TbsSkinData* data, const std::string& text);

}  // namespace tools
