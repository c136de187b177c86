// The skinned window frame as skinview draws it: the four frame strips at their places, the caption
// buttons and the caption laid out from the skin's objects, for any size and either active state.
//
// This is a preview for skin authors, not the frame component: it places and draws what a window
// at rest shows (no hover, no pressed buttons, no morphing) by the frame's geometry and layout
// rules, so that a skin can be checked at any size before it goes into the program.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/geometry.h"
#include "skin/data/skin_data.h"
#include "skin/render/frame_strips.h"
#include "skin/render/nine_part_layout.h"
#include "skin/render/picture.h"

namespace tools {

// The border icons of a window: which caption buttons it offers.
struct BorderIcons {
    bool systemMenu = true;
    bool minimize = true;
    bool maximize = false;
    bool rollUp = false;
    bool minimizeToTray = false;
};

// How the caption text is drawn, when the record's own choice is to be overridden.
enum class CaptionEffect { Plain, Glow, Halo, Reflection };

struct FramePreviewOptions {
    platform::Size size;
    bool active = true;
    bool objects = true;
    std::string caption;  // UTF-8
    BorderIcons icons;
    std::optional<CaptionEffect> captionEffect;      // none: as the caption record says
    std::optional<platform::COLORREF> effectColour;  // none: the record's glow or reflection colour
    std::optional<int32_t> glowSize;                 // none: the record's
};

// One frame object: its record, where it goes, and whether it shows.
struct FrameObject {
    const skin::TbsDataSkinObject* record = nullptr;
    platform::Rect rect;  // ObjectRect, window coordinates
    bool visible = true;
};

// The frame geometry for a window of `size`: the moved layout, caption area and buttons area.
struct FrameGeometry {
    skin::NinePartLayout layout;     // the skin's (FORMINFO)
    skin::NinePartLayout newLayout;  // for the window's size
    platform::Size picture;          // the frame picture's size
    platform::Rect captionArea;
    platform::Rect buttonsArea;
};
FrameGeometry CalcFrameGeometry(const skin::TbsSkinData& data, platform::Size size);

// A rectangle of the frame picture moved to the window's size by which corner regions its corners
// fall in.
platform::Rect MapSkinRect(const FrameGeometry& g, const platform::Rect& r);

// The frame objects of the skin (caption, caption buttons, animations, user objects), visible by
// the border icons, placed for the geometry.
std::vector<FrameObject> LayoutFrameObjects(const skin::TbsSkinData& data, const FrameGeometry& g,
                                            const BorderIcons& icons);

// The window: frame strips at their places, objects drawn, client area left as the picture was
// (the caller fills it first).
void PaintFramePreview(const skin::TbsSkinData& data, const FramePreviewOptions& options,
                       skin::Picture& window);

}  // namespace tools
