// Random LAYERFRAME values (picture indexes, corner points, client and border rectangles, alphas,
// offsets, flags) and a random window size through the layered border's geometry and strips and
// the border component around a form of the second skin, active and inactive. Whatever the values,
// the border is made or not, never reads outside its pictures, and its strips stay within what the
// window's size allows.
#include <cstddef>
#include <cstdint>

#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "fuzz/skin_frame/frame_fuzz_input.h"
#include "platform/display/headless_display.h"
#include "platform/window/message_loop.h"
#include "platform/window/messages.h"
#include "skin/data/embedded_skin.h"
#include "skin/data/skin_data.h"
#include "skin/frame/layer_geometry.h"
#include "skin/frame/skin_form.h"
#include "skins/dusk_skin.h"

namespace {

// One time in eight any value; otherwise one of `span` values from `low`: coordinates mostly
// around the layer picture (-30 to 129), picture indexes mostly around the skin's list (-1 to 10).
int32_t Small(frame_fuzz::Bytes& in, int32_t low, int32_t span) {
    const int32_t v = in.next();
    return (v & 0x7) == 0 ? v : (v >> 3) % span + low;
}
int32_t Coordinate(frame_fuzz::Bytes& in) {
    return Small(in, -30, 160);
}
int32_t Index(frame_fuzz::Bytes& in) {
    return Small(in, -1, 12);
}
platform::Point Point(frame_fuzz::Bytes& in) {
    const int32_t x = Coordinate(in);
    return {x, Coordinate(in)};
}
platform::Rect Rect(frame_fuzz::Bytes& in) {
    const int32_t left = Coordinate(in), top = Coordinate(in), right = Coordinate(in);
    return {left, top, right, Coordinate(in)};
}

struct World {
    platform::HeadlessDisplay display;
    framework::TApplication application;
    framework::TForm* form = nullptr;
    skin::TbsSkinData* data = nullptr;
    skin::TbsSkinForm* frame = nullptr;
    skin::TbsDataSkinLayerFrame dusk;

    World() {
        display.setComposesAlpha(true);
        form = application.CreateForm<framework::TForm>();
        form->SetBorderStyle(framework::TFormBorderStyle::bsSizeable);
        data = skin::LoadEmbeddedSkin(form, skins::DuskSkinCompressedData());
        dusk = data->LayerFrame();
        frame = new skin::TbsSkinForm(form);
        frame->SetSkinData(data);
        form->SetBounds(100, 100, 300, 200);
        form->Show();
        application.ProcessMessages();
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static World* world = new World;  // one display and form for the whole run
    frame_fuzz::Bytes in{data, size};
    auto& record = const_cast<skin::TbsDataSkinLayerFrame&>(world->data->LayerFrame());
    record = world->dusk;
    record.PictureIndex = Index(in);
    record.MaskPictureIndex = Index(in);
    record.InActivePictureIndex = Index(in);
    record.InActiveMaskPictureIndex = Index(in);
    record.LeftTopPoint = Point(in);
    record.RightTopPoint = Point(in);
    record.LeftBottomPoint = Point(in);
    record.RightBottomPoint = Point(in);
    record.ClientRect = Rect(in);
    record.BorderRect = Rect(in);
    record.AlphaBlendValue = in.next();
    record.InActiveAlphaBlendValue = in.next();
    record.LeftOffset = Coordinate(in);
    record.TopOffset = Coordinate(in);
    record.WidthOffset = Coordinate(in);
    record.HeightOffset = Coordinate(in);
    record.RollUpFormHeight = Coordinate(in);
    const int32_t flags = in.next();
    record.FullStretch = flags & 1;
    record.FullBorder = flags & 2;
    const platform::Size window{(in.next() & 0x3FF) + 1, (in.next() & 0x3FF) + 1};

    // The pure functions, on a picture of the record's own size.
    const platform::Size picture{(in.next() & 0xFF) + 1, (in.next() & 0xFF) + 1};
    if (const auto layout = skin::CheckLayerFrame(record, picture)) {
        const platform::Rect outer = skin::LayerOuterRect(*layout, {0, 0, window.cx, window.cy}, flags & 4);
        skin::LayerStrips strips;
        skin::Picture image(picture.cx, picture.cy);
        skin::ComposeLayerStrips(*layout, image,
                                 {std::min(outer.width(), 2048), std::min(outer.height(), 2048)}, strips);
    }

    // The component: the skin applied again with these values, the window at that size, active and
    // inactive, moved.
    world->frame->ApplySkin();
    world->form->SetBounds(40, 30, window.cx, window.cy);
    for (platform::WPARAM active : {0, 1})
        platform::SendMessage(world->form->Handle(), platform::WM_NCACTIVATE, active, 0);
    world->form->SetBounds(60, 50, window.cx, window.cy);
    return 0;
}
