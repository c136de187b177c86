// Random FORMINFO values (corner points, client, caption, buttons and mask rectangles, flags) and a
// random window size through the frame geometry, the object layout and the frame component's
// painting, on the shipped skin's pictures and objects. Whatever the values, painting stays inside
// its pictures and allocates no more than the window's size allows.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "framework/core/stream.h"
#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "fuzz/skin_frame/frame_fuzz_input.h"
#include "platform/display/headless_display.h"
#include "platform/gfx/dc.h"
#include "platform/window/message_loop.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"
#include "skin/frame/frame_geometry.h"
#include "skin/frame/frame_layout.h"
#include "skin/frame/skin_form.h"

namespace {

using frame_fuzz::Bytes;

struct World : frame_fuzz::World {
    skin::TbsFormInfo shipped = data->FormInfo();
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static World* world = new World;  // one display and form for the whole run
    Bytes in{data, size};
    skin::TbsFormInfo& info = const_cast<skin::TbsFormInfo&>(world->data->FormInfo());
    info = world->shipped;
    info.LeftTopPoint = in.point();
    info.RightTopPoint = in.point();
    info.LeftBottomPoint = in.point();
    info.RightBottomPoint = in.point();
    info.ClientRect = in.rect();
    info.CaptionRect = in.rect();
    info.ButtonsRect = in.rect();
    info.MaskRectArea = in.rect();
    info.ButtonsOffset = in.coordinate();
    const int32_t flags = in.next();
    info.ButtonsInLeft = flags & 1;
    info.LeftStretch = flags & 2;
    info.TopStretch = flags & 4;
    info.RightStretch = flags & 8;
    info.BottomStretch = flags & 16;
    info.AutoRenderingInActiveImage = flags & 32;
    info.StretchEffect = flags & 64;
    const platform::Size window{(in.next() & 0x3FF) + 1, (in.next() & 0x3FF) + 1};

    // The pure functions.
    const platform::Size picture{world->data->FramePicture().Width(), world->data->FramePicture().Height()};
    const skin::FrameGeometry g = skin::CalcFrameGeometry(info, picture, window);
    std::vector<skin::FrameObjectPlacement> objects;
    for (const auto& o : world->frame->FrameObjects()) objects.push_back(o->Placement());
    skin::LayoutFrameObjects(g, objects, platform::Size{16, 16});
    (void)skin::MapSkinRect(g, in.rect());

    // The component: the skin applied again with these values, the window at that size, the frame
    // painted active and inactive into a picture of the window's size.
    world->frame->ApplySkin();
    world->form->SetBounds(0, 0, window.cx, window.cy);
    platform::Surface target(std::max(window.cx, 1), std::max(window.cy, 1));
    for (platform::WPARAM active : {1, 0}) {
        platform::SendMessage(world->form->Handle(), platform::WM_NCACTIVATE, active, 0);
        platform::HDC dc = platform::CreateSurfaceDC(&target, {0, 0}, nullptr);
        platform::SendMessage(world->form->Handle(), skin::SKM_PRINTFRAME, platform::WPARAM(dc), 0);
        platform::DeleteDC(dc);
    }
    platform::HDC dc = platform::CreateSurfaceDC(&target, {0, 0}, nullptr);
    platform::SendMessage(world->form->Handle(), platform::WM_ERASEBKGND, platform::WPARAM(dc), 0);
    platform::DeleteDC(dc);
    return 0;
}
