// The skinned window frame as skinview draws it: a form of the requested size on a headless
// display wears the program's frame component (skin/frame), which paints its frame into the
// picture; what the window at rest shows, active or inactive, with the caption text, the caption
// buttons the border icons offer and the window icon on the system-menu button. The frame's
// geometry and object layout come back with it, for --layout-json.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/color.h"
#include "platform/geometry.h"
#include "skin/data/skin_data.h"
#include "skin/frame/button_states.h"
#include "skin/render/picture.h"

namespace tools {

// How the caption text is drawn, when the record's own choice is to be overridden.
enum class CaptionEffect { Plain, Glow, Halo, Reflection };

struct FramePreviewOptions {
    platform::Size size;
    bool active = true;
    bool objects = true;  // false: no caption text and no caption buttons
    std::string caption;  // UTF-8
    skin::TbsBorderIcons icons{skin::TbsBorderIcon::biSystemMenu, skin::TbsBorderIcon::biMinimize};
    bool showIcon = true;
    std::optional<CaptionEffect> captionEffect;     // none: as the caption record says
    std::optional<platform::COLORREF> effectColor;  // none: the record's glow or reflection colour
    std::optional<int32_t> glowSize;                // none: the record's
    bool layeredBorder = true;  // the skin's layered border around the window, when it has one
};

// One frame object as the frame laid it out.
struct FrameObjectReport {
    std::string name;
    std::optional<skin::TStdCommand> command;
    bool visible = true;
    platform::Rect rect;
};

struct FrameLayoutReport {
    platform::Rect client, captionArea, buttonsArea;
    std::optional<platform::Rect> captionTextArea;
    platform::Point leftTop, rightTop, leftBottom, rightBottom;
    std::vector<FrameObjectReport> objects;
};

struct FramePreview {
    // The window: the frame, the client area as `client` colour. With a layered border the picture
    // is the border's outer rectangle, the border's windows composed over kLayerBackdrop as the
    // display composes them, and the window at `windowOrigin` in it.
    skin::Picture picture;
    FrameLayoutReport layout;  // window coordinates
    platform::Point windowOrigin{0, 0};
};

// What a layered border is drawn over: a light grey desk.
constexpr platform::COLORREF kLayerBackdrop = platform::RGB(224, 224, 224);

// `data` is the skin (its caption record takes the effect overrides).
FramePreview PreviewFrame(skin::TbsSkinData& data, const FramePreviewOptions& options,
                          platform::COLORREF client);

// The layout as one JSON object (see skinview's usage).
std::string LayoutJson(const FrameLayoutReport& layout);

}  // namespace tools
