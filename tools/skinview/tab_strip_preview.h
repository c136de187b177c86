// The skinned tab strip as skinview draws it: the real control on a headless display of its own,
// put into the state asked for (selection, the tab under the pointer and its close box, focus,
// scrolled row) by the same pointer and keyboard paths a user takes, and cut out of the screen.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "framework/controls/tab_control.h"
#include "platform/geometry.h"
#include "skin/data/skin_data.h"
#include "skin/render/picture.h"

namespace tools {

enum class CloseBoxPreview { Normal, Hot, Pressed };

struct TabStripPreviewOptions {
    platform::Size size{770, 120};
    std::vector<std::string> captions;
    int selected = 0;  // -1: none
    int hot = -1;      // the tab under the pointer, -1: none
    // The hot tab's close box: the pointer over it, or the left button held on it (which selects
    // the tab, as a press does).
    CloseBoxPreview closeBox = CloseBoxPreview::Normal;
    bool closeBoxes = true;
    bool focused = false;
    framework::TTabPosition position = framework::TTabPosition::tpTop;
    int firstVisible = 0;  // scrolled by the scroller, when the row overflows
};

// Where things lie in the drawn strip, in its own coordinates.
struct TabStripLayout {
    std::vector<platform::Rect> tabs;
    std::vector<platform::Rect> closeBoxes;  // empty where a tab shows none
    std::optional<platform::Rect> scroller;  // when the row overflows
    int firstVisible = 0;                    // the scroller's position
    platform::Rect pageArea;                 // where the page (the browser) goes
};

struct TabStripPreview {
    skin::Picture picture;
    TabStripLayout layout;
};

// Draws the strip with the skin's "tab" record (none: the built-in look). Throws std::logic_error
// when another display is connected in this process.
TabStripPreview PreviewTabStrip(skin::TbsSkinData* data, const TabStripPreviewOptions& options);
inline skin::Picture RenderTabStripPreview(skin::TbsSkinData* data, const TabStripPreviewOptions& options) {
    return PreviewTabStrip(data, options).picture;
}

}  // namespace tools
