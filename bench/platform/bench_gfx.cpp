// Our blits and region building beside pixman doing the same work on the same pixels, and caption
// drawing beside Pango laying out and drawing the same caption afresh each time (what the layout
// cache saves). Every case is a pair, <name>/ours and <name>/reference; after the run the ratio
// ours / reference of CPU time is printed for each pair (below 1: ours is faster); with
// --benchmark_repetitions the medians are compared.
#include <benchmark/benchmark.h>
#include <pango/pangocairo.h>
#include <pixman.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "bench/bench_pairs.h"
#include "platform/gfx/dc.h"

namespace {

using namespace platform;

// A 32-bit bitmap in a memory DC, and the same pixels as a pixman image.
struct Bitmap {
    Bitmap(int w, int h) : handle(CreateBitmap32(w, h)), dc(CreateCompatibleDC(nullptr)) {
        SelectObject(dc, handle);
        Surface& s = surface();
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) s.row(y)[x] = 0xFF000000u | uint32_t(x * 7 + y * 13);
        image = pixman_image_create_bits(PIXMAN_a8r8g8b8, w, h, s.data(), s.strideBytes());
    }
    ~Bitmap() {
        pixman_image_unref(image);
        DeleteDC(dc);
        DeleteObject(handle);
    }
    Surface& surface() { return *SurfaceOfBitmap(handle); }

    HBITMAP handle;
    HDC dc;
    pixman_image_t* image;
};

struct Sizes {
    int sw, sh, dw, dh;
};

void BitBltOurs(benchmark::State& state, Sizes s) {
    Bitmap src(s.sw, s.sh), dest(s.dw, s.dh);
    for (auto _ : state) {
        BitBlt(dest.dc, 0, 0, s.dw, s.dh, src.dc, 0, 0, SRCCOPY);
        benchmark::ClobberMemory();
    }
}

void BitBltPixman(benchmark::State& state, Sizes s) {
    Bitmap src(s.sw, s.sh), dest(s.dw, s.dh);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_SRC, src.image, nullptr, dest.image, 0, 0, 0, 0, 0, 0, s.dw, s.dh);
        benchmark::ClobberMemory();
    }
}

void StretchOurs(benchmark::State& state, Sizes s) {
    Bitmap src(s.sw, s.sh), dest(s.dw, s.dh);
    for (auto _ : state) {
        StretchBlt(dest.dc, 0, 0, s.dw, s.dh, src.dc, 0, 0, s.sw, s.sh, SRCCOPY);
        benchmark::ClobberMemory();
    }
}

void StretchPixman(benchmark::State& state, Sizes s) {
    Bitmap src(s.sw, s.sh), dest(s.dw, s.dh);
    pixman_transform_t t;
    pixman_transform_init_scale(&t, pixman_double_to_fixed(double(s.sw) / s.dw),
                                pixman_double_to_fixed(double(s.sh) / s.dh));
    pixman_image_set_transform(src.image, &t);
    pixman_image_set_filter(src.image, PIXMAN_FILTER_NEAREST, nullptr, 0);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_SRC, src.image, nullptr, dest.image, 0, 0, 0, 0, 0, 0, s.dw, s.dh);
        benchmark::ClobberMemory();
    }
}

// The runs of a mask like a skin's window shape: rounded corners and a ragged border around a
// solid middle, one rectangle per run of each row.
std::vector<Rect> MaskRuns(int w, int h, int runsPerRow) {
    std::mt19937 rng(1);
    std::vector<Rect> runs;
    for (int y = 0; y < h; ++y) {
        int x = int(rng() % 4);
        const int step = w / runsPerRow;
        for (int i = 0; i < runsPerRow && x < w; ++i) {
            const int end = std::min(w, x + step - 1 - int(rng() % 3));
            if (end > x)
                runs.push_back({x, y, end, y + 1});
            x = end + 1 + int(rng() % 2);
        }
    }
    return runs;
}

std::vector<uint8_t> RegionData(const std::vector<Rect>& runs) {
    RGNDATAHEADER h;
    h.nCount = uint32_t(runs.size());
    std::vector<uint8_t> data(sizeof h + runs.size() * sizeof(Rect));
    std::memcpy(data.data(), &h, sizeof h);
    std::memcpy(data.data() + sizeof h, runs.data(), runs.size() * sizeof(Rect));
    return data;
}

void RegionOurs(benchmark::State& state, Sizes s) {
    const auto data = RegionData(MaskRuns(s.sw, s.sh, s.dw));
    for (auto _ : state) {
        HRGN r = ExtCreateRegion(nullptr, uint32_t(data.size()), data.data());
        benchmark::DoNotOptimize(r);
        DeleteObject(r);
    }
    state.counters["runs"] = double(MaskRuns(s.sw, s.sh, s.dw).size());
}

void RegionPixman(benchmark::State& state, Sizes s) {
    const auto runs = MaskRuns(s.sw, s.sh, s.dw);
    std::vector<pixman_box32_t> boxes;
    for (const Rect& r : runs) boxes.push_back({r.Left, r.Top, r.Right, r.Bottom});
    for (auto _ : state) {
        pixman_region32_t region;
        pixman_region32_init_rects(&region, boxes.data(), int(boxes.size()));
        benchmark::DoNotOptimize(region);
        pixman_region32_fini(&region);
    }
    state.counters["runs"] = double(runs.size());
}

// Captions of a tab strip, drawn one after another into a 785 x 20 strip.
const char* const kCaptions[] = {"连衣裙 女装",  "半身裙", "T恤 短袖",
                                 "Quick search", "试衣间", "牛仔裤 高腰"};

void CaptionsOurs(benchmark::State& state, Sizes) {
    Bitmap strip(785, 20);
    HFONT font =
        CreateFont(-12, 0, 0, 0, FW_NORMAL, false, false, false, GB2312_CHARSET, 0, 0, 0, 0, "Tahoma");
    SelectObject(strip.dc, font);
    SetBkMode(strip.dc, TRANSPARENT);
    for (auto _ : state) {
        int x = 0;
        for (const char* caption : kCaptions) {
            Rect r{x, 0, x + 120, 20};
            DrawText(strip.dc, caption, &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
            x += 125;
        }
        benchmark::ClobberMemory();
    }
    SelectObject(strip.dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
}

void CaptionsPango(benchmark::State& state, Sizes) {
    Bitmap strip(785, 20);
    cairo_surface_t* surface = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(strip.surface().data()), CAIRO_FORMAT_ARGB32, 785, 20, 785 * 4);
    cairo_t* cr = cairo_create(surface);
    PangoFontDescription* font = pango_font_description_from_string("Tahoma 12px");
    for (auto _ : state) {
        int x = 0;
        for (const char* caption : kCaptions) {
            PangoLayout* layout = pango_cairo_create_layout(cr);
            pango_layout_set_font_description(layout, font);
            pango_layout_set_text(layout, caption, -1);
            int w, h;
            pango_layout_get_pixel_size(layout, &w, &h);
            cairo_move_to(cr, x + (120 - w) / 2, (20 - h) / 2);
            pango_cairo_show_layout(cr, layout);
            g_object_unref(layout);
            x += 125;
        }
        cairo_surface_flush(surface);
        benchmark::ClobberMemory();
    }
    pango_font_description_free(font);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

// name -> (benchmark function pair, sizes)
using Pair = bench::Pair<Sizes>;

const Pair kPairs[] = {
    {"BitBlt/frame_158x136", BitBltOurs, BitBltPixman, {158, 136, 158, 136}},
    {"BitBlt/window_785x641", BitBltOurs, BitBltPixman, {785, 641, 785, 641}},
    {"BitBlt/screen_1920x1080", BitBltOurs, BitBltPixman, {1920, 1080, 1920, 1080}},
    {"StretchBlt/edge_up_129x23_to_640x23", StretchOurs, StretchPixman, {129, 23, 640, 23}},
    {"StretchBlt/face_up_66x54_to_200x160", StretchOurs, StretchPixman, {66, 54, 200, 160}},
    {"StretchBlt/up_960x540_to_1920x1080", StretchOurs, StretchPixman, {960, 540, 1920, 1080}},
    {"StretchBlt/down_1920x1080_to_640x360", StretchOurs, StretchPixman, {1920, 1080, 640, 360}},
    {"StretchBlt/down_1920x1080_to_1366x768", StretchOurs, StretchPixman, {1920, 1080, 1366, 768}},
    {"Region/frame_mask_785x641_2runs", RegionOurs, RegionPixman, {785, 641, 2, 0}},
    {"Region/ragged_mask_1024x768_40runs", RegionOurs, RegionPixman, {1024, 768, 40, 0}},
    {"Text/six_tab_captions", CaptionsOurs, CaptionsPango, {}},
};

}  // namespace

int main(int argc, char** argv) {
    return bench::RunPairs<Sizes>(argc, argv, kPairs, "ours / reference (pixman, Pango)");
}
