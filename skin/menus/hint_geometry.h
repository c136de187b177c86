// The hint window's geometry as pure functions: its size around a text (a nine-part frame from the
// HINTWINDOW picture, or the built-in 2-pixel margin), the moved layout, where the text goes, and
// where the window goes on the screen. With the shipped record (picture 47 x 21, "clientrect"
// 8,3,39,18) a 60 x 14 text gives an 81 x 20 window whose text area is (8, 3, 73, 17):
//
//     0 8                                                  73    81
//   0 +-+--------------------------------------------------+------+
//   3 | |  text area (NewCl): the text centred in it        |      |
//  17 | |                                                  |      |
//  20 +-+--------------------------------------------------+------+
#pragma once

#include <cstdint>

#include "platform/geometry.h"
#include "skin/render/nine_part_layout.h"

namespace skin {

struct HintLayout {
    platform::Size size;
    NinePartLayout newLayout;
};

// The window for a text of `text` size in the frame of a picture of `picture` size with that
// layout ("clientrect" as Cl): the text plus the frame around it, `extraWidth` wider (5; 10 for a
// hint with a title or an image), grown where the frame's corners would fold over each other.
// Never larger than `maximum`.
HintLayout SkinnedHintLayout(platform::Size picture, const NinePartLayout& layout, platform::Size text,
                             int32_t extraWidth, platform::Size maximum);
// Without a skin: the text with 2 pixels all round.
platform::Size PlainHintSize(platform::Size text, platform::Size maximum);

// The window at `at`, moved left by its width + 2 when it would pass the limit's right edge and up
// by its height + 2 when it would pass the bottom.
platform::Rect PlaceHint(platform::Point at, platform::Size size, const platform::Rect& limit);

// A text of `text` size centred in a rectangle (halves truncated).
platform::Rect CentredText(const platform::Rect& area, platform::Size text);

}  // namespace skin
