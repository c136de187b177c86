// Random FORMINFO values (corner points, client, caption, buttons and mask rectangles, flags) and a
// random window size through the frame geometry, the object layout and the frame component's
// painting, on the shipped skin's pictures and objects. Whatever the values, painting stays inside
// its pictures and allocates no more than the window's size allows.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "framework/core/stream.h"
#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "fuzz/skin_frame/fuzz_bytes.h"
#include "platform/display/headless_display.h"
#include "platform/gfx/dc.h"
#include "platform/window/message_loop.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"
#include "skin/frame/frame_geometry.h"
#include "skin/frame/frame_layout.h"
#include "skin/frame/skin_form.h"
#include "skins/shipped_skin.h"

namespace {

// Coordinates mostly from -100 to 299, around the frame picture.
constexpr int32_t kLow = -100, kSpan = 400;

struct World {
    platform::HeadlessDisplay display;
    framework::TApplication application;
    framework::TForm* form = nullptr;
    skin::TbsSkinData* data = nullptr;
    skin::TbsSkinForm* frame = nullptr;
    skin::TbsFormInfo shipped;

    World() {
        form = application.CreateForm<framework::TForm>();
        form->SetBorderStyle(framework::TFormBorderStyle::bsSingle);
        form->SetCaption("Velmoro V1.0");
        auto* stored = new skin::TbsCompressedStoredSkin(form);
        stored->SetFileName("skin.ini");
        const auto bytes = skins::ShippedSkinCompressedData();
        framework::TMemoryStream property(std::vector<uint8_t>(bytes.begin(), bytes.end()));
        stored->ReadCompressedData(property);
        data = new skin::TbsSkinData(form);
        data->LoadStoredSkin(*stored);
        shipped = data->FormInfo();
        frame = new skin::TbsSkinForm(form);
        frame->SetShowIcon(true);
        frame->SetSkinData(data);
        form->Show();
        application.ProcessMessages();
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static World* world = new World;  // one display and form for the whole run
    fuzz::FuzzBytes in{data, size};
    skin::TbsFormInfo& info = const_cast<skin::TbsFormInfo&>(world->data->FormInfo());
    info = world->shipped;
    info.LeftTopPoint = in.point(kLow, kSpan);
    info.RightTopPoint = in.point(kLow, kSpan);
    info.LeftBottomPoint = in.point(kLow, kSpan);
    info.RightBottomPoint = in.point(kLow, kSpan);
    info.ClientRect = in.rect(kLow, kSpan);
    info.CaptionRect = in.rect(kLow, kSpan);
    info.ButtonsRect = in.rect(kLow, kSpan);
    info.MaskRectArea = in.rect(kLow, kSpan);
    info.ButtonsOffset = in.small(kLow, kSpan);
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
    (void)skin::MapSkinRect(g, in.rect(kLow, kSpan));

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
