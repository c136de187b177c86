// Skin rendering beside references doing the same work on the same pixels: nine-part composition
// of the main window frame beside pixman making the same nearest-neighbour copies, the stack blur
// beside AGG's (its output checked to be within 1 per channel of ours first), blending a work
// bitmap beside pixman's OVER, and a frame region from a mask beside pixman building the region of
// the same runs. Every case is a pair, <name>/ours and <name>/reference; after the run the ratio
// ours / reference of CPU time is printed for each pair (below 1: ours is faster).

// agg_blur.h uses the renderer without including it, so the order matters; GCC's optimiser sees a
// use after free in AGG's array code that is none of ours.
// clang-format off
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuse-after-free"
#include <agg_renderer_base.h>
#include <agg_blur.h>
#include <agg_pixfmt_rgba.h>
#include <agg_rendering_buffer.h>
#pragma GCC diagnostic pop
// clang-format on

#include <benchmark/benchmark.h>
#include <pixman.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "bench/bench_pairs.h"
#include "platform/gfx/region.h"
#include "skin/render/mask_region.h"
#include "skin/render/nine_part_image.h"
#include "skin/render/stack_blur.h"
#include "skin/render/work_bitmap.h"

namespace {

using platform::Rect;
using platform::Size;
using skin::Picture;

// The main window's frame picture layout (FORMINFO of the shipped skin), all sides tiled.
const skin::NinePartLayout kMainFrame{{13, 27}, {142, 26}, {6, 130}, {152, 129}, {4, 23, 154, 131}};
constexpr Size kFramePicture{158, 136};

Picture Noise(int32_t w, int32_t h, uint32_t seed, bool randomAlpha = false) {
    Picture p(w, h);
    std::mt19937 rng(seed);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) p.row(y)[x] = uint32_t(rng()) | (randomAlpha ? 0u : 0xFF000000u);
    return p;
}

pixman_image_t* ImageOf(Picture& p) {
    return pixman_image_create_bits(PIXMAN_a8r8g8b8, p.width(), p.height(), p.data(), p.strideBytes());
}

// --- Nine-part composition ---------------------------------------------------------------------

struct Copy {
    int32_t sx, sy, dx, dy, w, h;
};

// The copies the composition makes, listed with the same tiling rule and clipped to the target.
std::vector<Copy> CopiesOf(Size size) {
    std::vector<Copy> copies;
    const Rect bounds{0, 0, size.cx, size.cy};
    auto add = [&](const Rect& from, const Rect& to) {
        const Rect clipped = platform::intersect(to, bounds);
        if (clipped.isEmpty() || from.isEmpty())
            return;
        copies.push_back({from.Left + clipped.Left - to.Left, from.Top + clipped.Top - to.Top, clipped.Left,
                          clipped.Top, clipped.width(), clipped.height()});
    };
    const auto newLayout = skin::ResizeLayout(kFramePicture, kMainFrame, size);
    for (const skin::NinePiece& p : skin::NinePartPieces(kMainFrame, newLayout, kFramePicture, size)) {
        const bool alongX = p.kind == skin::NinePiece::TopEdge || p.kind == skin::NinePiece::BottomEdge ||
                            p.kind == skin::NinePiece::Client;
        const bool alongY = p.kind == skin::NinePiece::LeftEdge || p.kind == skin::NinePiece::RightEdge ||
                            p.kind == skin::NinePiece::Client;
        const skin::TileRun columns{p.to.Left, alongX ? p.to.Right : p.to.Left + 1,
                                    alongX ? p.from.width() : 1};
        const skin::TileRun rows{p.to.Top, alongY ? p.to.Bottom : p.to.Top + 1, alongY ? p.from.height() : 1};
        skin::ForEachTile(rows, 0, size.cy, [&](int64_t y, int32_t h) {
            skin::ForEachTile(columns, 0, size.cx, [&](int64_t x, int32_t w) {
                const int32_t width = alongX ? w : p.to.width(), height = alongY ? h : p.to.height();
                add({p.from.Left, p.from.Top, p.from.Left + width, p.from.Top + height},
                    platform::rectOfSize(int32_t(x), int32_t(y), width, height));
            });
        });
    }
    return copies;
}

void NinePartOurs(benchmark::State& state, Size size) {
    const Picture frame = Noise(kFramePicture.cx, kFramePicture.cy, 1);
    const auto newLayout = skin::ResizeLayout(kFramePicture, kMainFrame, size);
    Picture target;
    for (auto _ : state) {
        skin::ComposeNinePartImage(kMainFrame, newLayout, target, frame, frame.bounds(), size, {},
                                   {true, false, skin::TStretchType::stFull});
        benchmark::ClobberMemory();
    }
}

void NinePartPixman(benchmark::State& state, Size size) {
    Picture frame = Noise(kFramePicture.cx, kFramePicture.cy, 1);
    Picture target(size.cx, size.cy);
    pixman_image_t* src = ImageOf(frame);
    pixman_image_t* dst = ImageOf(target);
    pixman_image_set_filter(src, PIXMAN_FILTER_NEAREST, nullptr, 0);
    const std::vector<Copy> copies = CopiesOf(size);
    for (auto _ : state) {
        for (const Copy& c : copies)
            pixman_image_composite32(PIXMAN_OP_SRC, src, nullptr, dst, c.sx, c.sy, 0, 0, c.dx, c.dy, c.w,
                                     c.h);
        benchmark::ClobberMemory();
    }
    state.counters["copies"] = double(copies.size());
    pixman_image_unref(src);
    pixman_image_unref(dst);
}

// --- Stack blur --------------------------------------------------------------------------------

constexpr Size kScreen{1920, 1080};

void AggBlur(Picture& p, int radius) {
    agg::rendering_buffer buffer(reinterpret_cast<agg::int8u*>(p.data()), unsigned(p.width()),
                                 unsigned(p.height()), p.strideBytes());
    agg::pixfmt_bgra32 pixels(buffer);
    agg::stack_blur_rgb24(pixels, unsigned(radius), unsigned(radius));
}

// Ours and AGG's on the same picture: every colour byte within 1 (AGG divides by a multiply and a
// shift, ours exactly).
bool BlurAgreesWithAgg(int radius, std::string& why) {
    const Picture source = Noise(kScreen.cx, kScreen.cy, 7);
    skin::TbsBitmap ours;
    ours.Resize(source.width(), source.height());
    ours.Pixels() = source;
    skin::StackBlur(ours, radius);
    Picture agg = source;
    AggBlur(agg, radius);
    for (int32_t y = 0; y < source.height(); ++y) {
        for (int32_t x = 0; x < source.width(); ++x) {
            const uint32_t a = ours.PixelAt(x, y), b = agg.pixel(x, y);
            for (int shift = 0; shift < 24; shift += 8) {
                if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 1) {
                    why = "radius " + std::to_string(radius) + ": more than 1 from AGG at " +
                          std::to_string(x) + "," + std::to_string(y);
                    return false;
                }
            }
        }
    }
    return true;
}

void BlurOurs(benchmark::State& state, Size radius) {
    std::string why;
    if (!BlurAgreesWithAgg(radius.cx, why)) {
        state.SkipWithError(why.c_str());
        return;
    }
    skin::TbsBitmap bitmap;
    bitmap.Resize(kScreen.cx, kScreen.cy);
    bitmap.Pixels() = Noise(kScreen.cx, kScreen.cy, 3);
    for (auto _ : state) {
        skin::StackBlur(bitmap, radius.cx);
        benchmark::ClobberMemory();
    }
}

void BlurAgg(benchmark::State& state, Size radius) {
    Picture p = Noise(kScreen.cx, kScreen.cy, 3);
    for (auto _ : state) {
        AggBlur(p, radius.cx);
        benchmark::ClobberMemory();
    }
}

// --- Blending ----------------------------------------------------------------------------------

void BlendOurs(benchmark::State& state, Size size) {
    skin::TbsBitmap source, target;
    source.Resize(size.cx, size.cy);
    source.Pixels() = Noise(size.cx, size.cy, 5, true);
    source.SetAlpha(true);
    target.Resize(size.cx, size.cy);
    target.Pixels() = Noise(size.cx, size.cy, 6);
    for (auto _ : state) {
        source.DrawToBitmap(target, 0, 0);
        benchmark::ClobberMemory();
    }
}

void BlendPixman(benchmark::State& state, Size size) {
    Picture source = Noise(size.cx, size.cy, 5, true), target = Noise(size.cx, size.cy, 6);
    pixman_image_t* src = ImageOf(source);
    pixman_image_t* dst = ImageOf(target);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_OVER, src, nullptr, dst, 0, 0, 0, 0, 0, 0, size.cx, size.cy);
        benchmark::ClobberMemory();
    }
    pixman_image_unref(src);
    pixman_image_unref(dst);
}

// --- Frame regions -----------------------------------------------------------------------------

// A frame mask like a skin's: the picture's corners rounded off (radius 8) and a ragged outer
// column along the sides.
Picture FrameMask() {
    Picture mask(kFramePicture.cx, kFramePicture.cy);
    const int32_t w = mask.width(), h = mask.height(), r = 8;
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            const int32_t cx = x < r ? r - x : x >= w - r ? x - (w - r - 1) : 0;
            const int32_t cy = y < r ? r - y : y >= h - r ? y - (h - r - 1) : 0;
            const bool outside = cx * cx + cy * cy > r * r || ((x == 0 || x == w - 1) && y % 3 == 0);
            mask.row(y)[x] = outside ? 0xFFFFFFFFu : 0xFF000000u;
        }
    }
    return mask;
}

// As the frame does it: the mask bands kept from one region to the next.
void RegionOurs(benchmark::State& state, Size size) {
    const Picture mask = FrameMask();
    const auto newLayout = skin::ResizeLayout(kFramePicture, kMainFrame, size);
    skin::FrameStrips kept;
    for (auto _ : state) {
        platform::HRGN region = skin::BuildFrameRegion(kMainFrame, newLayout, mask, size, &kept);
        benchmark::DoNotOptimize(region);
        platform::DeleteObject(region);
    }
}

// The same region's runs, collected once: the client rectangle and every black run of the bands.
void RegionPixman(benchmark::State& state, Size size) {
    const Picture mask = FrameMask();
    const auto newLayout = skin::ResizeLayout(kFramePicture, kMainFrame, size);
    skin::FrameStrips strips;
    skin::ComposeMaskStrips(kMainFrame, newLayout, mask, strips, size.cx);
    std::vector<pixman_box32_t> boxes = {
        {newLayout.Cl.Left, newLayout.Cl.Top, newLayout.Cl.Right, newLayout.Cl.Bottom}};
    const std::pair<const Picture*, platform::Point> placed[] = {
        {&strips.Top, {0, 0}},
        {&strips.Bottom, {0, newLayout.Cl.Bottom}},
        {&strips.Left, {0, newLayout.Cl.Top}},
        {&strips.Right, {newLayout.Cl.Right, newLayout.Cl.Top}}};
    for (const auto& [strip, at] : placed) {
        const std::vector<uint8_t> block = skin::CollectMaskRuns(*strip, at.X, at.Y);
        const auto* rects = reinterpret_cast<const Rect*>(block.data() + sizeof(platform::RGNDATAHEADER));
        for (size_t i = 0; i < (block.size() - sizeof(platform::RGNDATAHEADER)) / sizeof(Rect); ++i)
            boxes.push_back({rects[i].Left, rects[i].Top, rects[i].Right, rects[i].Bottom});
    }
    for (auto _ : state) {
        pixman_region32_t region;
        pixman_region32_init_rects(&region, boxes.data(), int(boxes.size()));
        benchmark::DoNotOptimize(region);
        pixman_region32_fini(&region);
    }
    state.counters["runs"] = double(boxes.size());
}

using Pair = bench::Pair<Size>;

const Pair kPairs[] = {
    {"NinePart/main_frame_785x641", NinePartOurs, NinePartPixman, {785, 641}},
    {"NinePart/main_frame_1920x1080", NinePartOurs, NinePartPixman, {1920, 1080}},
    {"StackBlur/r3_1920x1080", BlurOurs, BlurAgg, {3, 0}},
    {"StackBlur/r10_1920x1080", BlurOurs, BlurAgg, {10, 0}},
    {"Blend/1920x1080", BlendOurs, BlendPixman, {1920, 1080}},
    {"FrameRegion/785x641", RegionOurs, RegionPixman, {785, 641}},
    {"FrameRegion/1920x1080", RegionOurs, RegionPixman, {1920, 1080}},
};

}  // namespace

int main(int argc, char** argv) {
    return bench::RunPairs<Size>(argc, argv, kPairs, "ours / reference (pixman, AGG)");
}
