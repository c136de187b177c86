// Window regions from mask pictures: black (0, 0, 0) pixels are inside the window shape, every other
// colour is outside. A frame region is the client rectangle united with the black runs of the four
// frame bands of the mask, cut and tiled for the window's size like the frame picture.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/geometry.h"
#include "platform/gfx/region.h"
#include "skin/render/frame_strips.h"
#include "skin/render/nine_part_layout.h"
#include "skin/render/picture.h"

namespace skin {

// A mask pixel is opaque (inside the shape) only when its blue, green and red are all 0.
constexpr bool IsOpaqueMaskPixel(uint32_t pixel) {
    return (pixel & 0x00FFFFFFu) == 0;
}

// The four bands of a frame of width W cut from a mask with the layout of R at the mask's origin.
// Masks are always tiled; the tile pattern of the top and bottom bands starts at the new corner
// point. Pixels no piece covers stay opaque.
void ComposeMaskStrips(const NinePartLayout& layout, const NinePartLayout& newLayout, const Picture& mask,
                       FrameStrips& strips, int32_t W);

// The platform's region data block (RGNDATA) of the mask's black runs: a 32-byte header (dwSize 32,
// iType 1, nCount, nRgnSize 0, rcBound (dx, dy, dx + width, dy + height)), then one 16-byte
// rectangle (x0 + dx, y + dy, x1 + dx, y + dy + 1) per maximal run, rows top to bottom, runs left to
// right. Its size is 32 + 16 * nCount.
std::vector<uint8_t> CollectMaskRuns(const Picture& mask, int32_t dx, int32_t dy);

// The region of the mask's black runs at (0, 0); none (null) for an empty mask. The caller owns it.
platform::HRGN RegionFromMask(const Picture& mask);

// The window region for a frame of `size` (none when the new corner points are reversed or the new
// client rectangle is empty): NewCl united with the black runs of the four mask bands, placed at
// (0, 0) top, (0, NewCl.Bottom) bottom, (0, NewCl.Top) left, (NewCl.Right, NewCl.Top) right. The
// caller owns it (hands it to SetWindowRgn). A frame that keeps its mask bands from one size change
// to the next passes them as `maskStrips`; they are composed there and stay.
platform::HRGN BuildFrameRegion(const NinePartLayout& layout, const NinePartLayout& newLayout,
                                const Picture& mask, platform::Size size, FrameStrips* maskStrips = nullptr);

// The runs go to the platform in blocks of at most this many rectangles, one call per block.
constexpr uint32_t kMaskRunsPerBlock = 10001;

}  // namespace skin
