// One step of a live resize of the main window's skinned frame: the frame component answers
// WM_SIZING for a proposed size (geometry, object layout, region) and paints the frame into a
// picture of that size (SKM_PRINTFRAME: strips, caption text, caption buttons, icon). The
// reference composes the same four strips from the frame picture with pixman (corners copied,
// edges tiled), copies them into the picture and builds the same rectangular region.
#include <pixman.h>

#include <vector>

#include "bench/bench_pairs.h"
#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "platform/display/headless_display.h"
#include "platform/gfx/dc.h"
#include "platform/window/message_loop.h"
#include "platform/window/messages.h"
#include "platform/window/window_pos.h"
#include "skin/data/embedded_skin.h"
#include "skin/data/skin_data.h"
#include "skin/frame/skin_form.h"
#include "skins/shipped_skin.h"

namespace {

using platform::Rect;
using platform::Size;

struct Window {
    platform::HeadlessDisplay display{[] {
        platform::HeadlessDisplay::Options o;
        o.screen = {2000, 1200};
        return o;
    }()};
    framework::TApplication application;
    framework::TForm* form = nullptr;
    skin::TbsSkinData* data = nullptr;

    Window() {
        form = application.CreateForm<framework::TForm>();
        form->SetBorderStyle(framework::TFormBorderStyle::bsSingle);
        form->SetCaption("Velmoro V1.0");
        data = skin::LoadEmbeddedSkin(form, skins::ShippedSkinCompressedData());
        auto* frame = new skin::TbsSkinForm(form);
        frame->SetBorderIcons({skin::TbsBorderIcon::biSystemMenu, skin::TbsBorderIcon::biMinimize});
        frame->SetShowIcon(true);
        frame->SetSkinData(data);
        form->SetBounds(0, 0, 700, 500);
        form->Show();
        application.ProcessMessages();
    }
};

Window& TheWindow() {
    static Window* window = new Window;
    return *window;
}

void Ours(benchmark::State& state, Size size) {
    Window& w = TheWindow();
    platform::HWND hwnd = w.form->Handle();
    platform::SendMessage(hwnd, platform::WM_ENTERSIZEMOVE, 0, 0);
    platform::Surface target(size.cx, size.cy);
    for (auto _ : state) {
        Rect proposed{0, 0, size.cx, size.cy};
        platform::SendMessage(hwnd, platform::WM_SIZING, platform::WMSZ_BOTTOMRIGHT,
                              platform::LPARAM(&proposed));
        platform::HDC dc = platform::CreateSurfaceDC(&target, {0, 0}, nullptr);
        platform::SendMessage(hwnd, skin::SKM_PRINTFRAME, platform::WPARAM(dc), 0);
        platform::DeleteDC(dc);
        benchmark::DoNotOptimize(target.data());
    }
    platform::SendMessage(hwnd, platform::WM_EXITSIZEMOVE, 0, 0);
}

// pixman_blt of a rectangle between two 32-bit buffers.
void Copy(const platform::Surface& from, int sx, int sy, uint32_t* to, int stride, int dx, int dy, int w,
          int h) {
    if (w > 0 && h > 0)
        pixman_blt(const_cast<uint32_t*>(from.data()), to, from.width(), stride, 32, 32, sx, sy, dx, dy, w,
                   h);
}

void Reference(benchmark::State& state, Size size) {
    Window& w = TheWindow();
    const platform::Surface& p = w.data->FramePicture().Surface();
    const skin::TbsFormInfo& fi = w.data->FormInfo();
    const int W = size.cx, H = size.cy, pw = p.width(), ph = p.height();
    const Rect cl = fi.ClientRect;
    const int top = cl.Top, bottom = ph - cl.Bottom, left = cl.Left, right = pw - cl.Right;
    const int ltx = fi.LeftTopPoint.X, rtx = fi.RightTopPoint.X, lty = fi.LeftTopPoint.Y,
              lby = fi.LeftBottomPoint.Y;
    std::vector<uint32_t> topStrip(size_t(W) * top), bottomStrip(size_t(W) * bottom);
    const int side = H - top - bottom;
    std::vector<uint32_t> leftStrip(size_t(left) * side), rightStrip(size_t(right) * side);
    platform::Surface target(W, H);
    for (auto _ : state) {
        // Top and bottom: the corners copied, the middle tiled from column 0.
        for (auto [strip, y0, h] :
             {std::tuple{topStrip.data(), 0, top}, std::tuple{bottomStrip.data(), ph - bottom, bottom}}) {
            const int tile = rtx - ltx;
            for (int x = 0; x < W; x += tile) Copy(p, ltx, y0, strip, W, x, 0, std::min(tile, W - x), h);
            Copy(p, 0, y0, strip, W, 0, 0, ltx, h);
            Copy(p, rtx, y0, strip, W, W - (pw - rtx), 0, pw - rtx, h);
        }
        // Sides: the middle rows tiled from row 0.
        for (auto [strip, x0, wd] :
             {std::tuple{leftStrip.data(), 0, left}, std::tuple{rightStrip.data(), cl.Right, right}}) {
            const int tile = lby - lty;
            for (int y = 0; y < side; y += tile)
                Copy(p, x0, lty, strip, wd, 0, y, wd, std::min(tile, side - y));
        }
        // Into the window, the client area left out, and the window's region.
        pixman_blt(topStrip.data(), target.data(), W, W, 32, 32, 0, 0, 0, 0, W, top);
        pixman_blt(bottomStrip.data(), target.data(), W, W, 32, 32, 0, 0, 0, H - bottom, W, bottom);
        pixman_blt(leftStrip.data(), target.data(), left, W, 32, 32, 0, 0, 0, top, left, side);
        pixman_blt(rightStrip.data(), target.data(), right, W, 32, 32, 0, 0, W - right, top, right, side);
        pixman_region32_t region;
        pixman_region32_init_rect(&region, 0, 0, unsigned(W), unsigned(H));
        benchmark::DoNotOptimize(pixman_region32_n_rects(&region));
        pixman_region32_fini(&region);
        benchmark::DoNotOptimize(target.data());
    }
}

const bench::Pair<Size> kPairs[] = {
    {"live resize step 785x641", Ours, Reference, {785, 641}},
    {"live resize step 1920x1080", Ours, Reference, {1920, 1080}},
};

}  // namespace

int main(int argc, char** argv) {
    return bench::RunPairs<Size>(argc, argv, kPairs, "ours / reference (pixman)");
}
