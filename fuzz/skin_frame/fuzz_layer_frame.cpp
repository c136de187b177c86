// Random LAYERFRAME values (picture indexes, corner points, client and border rectangles, alphas,
// offsets, flags, and the fullborder mode's caption, buttons and system-menu rectangles, hit-test
// points and band) and a random window size through the layered border's geometry and strips and
// the border component around a form of the second skin, active and inactive, then pointer input
// on the border's windows (hover, presses, releases, double-clicks, drags). Whatever the values,
// the border is made or not, never reads outside its pictures, and its strips stay within what the
// window's size allows.
#include <cstddef>
#include <cstdint>

#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "fuzz/skin_frame/frame_fuzz_input.h"
#include "platform/display/headless_display.h"
#include "platform/window/input.h"
#include "platform/window/message_loop.h"
#include "platform/window/messages.h"
#include "skin/data/embedded_skin.h"
#include "skin/data/skin_data.h"
#include "skin/frame/layer_geometry.h"
#include "skin/frame/skin_form.h"
#include "skin/menus/skin_menu.h"
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
        // A close from a caption button must leave the form for the next input.
        form->OnClose = [](framework::TObject*, framework::TCloseAction& action) {
            action = framework::TCloseAction::caNone;
        };
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

    const platform::Size picture{(in.next() & 0xFF) + 1, (in.next() & 0xFF) + 1};
    // The fullborder mode's values (read after the others, so older inputs keep their meaning).
    record.CaptionRect = Rect(in);
    record.ButtonsRect = Rect(in);
    record.SysMenuButtonRect = Rect(in);
    record.HitTestLeftTopPoint = Point(in);
    record.HitTestRightTopPoint = Point(in);
    record.HitTestLeftBottomPoint = Point(in);
    record.HitTestRightBottomPoint = Point(in);
    record.HitTestSize = Small(in, -4, 24);
    record.ButtonsTopOffset = Small(in, -20, 40);
    record.SysButtonTopOffset = Small(in, -20, 40);
    record.HitTestEnable = flags & 8;

    // The pure functions, on a picture of the record's own size.
    if (const auto layout = skin::CheckLayerFrame(record, picture)) {
        const platform::Rect outer = skin::LayerOuterRect(*layout, {0, 0, window.cx, window.cy}, flags & 4);
        const platform::Size size{std::min(outer.width(), 2048), std::min(outer.height(), 2048)};
        skin::LayerStrips strips;
        skin::Picture image(picture.cx, picture.cy);
        skin::ComposeLayerStrips(*layout, image, size, strips);
        std::vector<skin::FrameObjectPlacement> placements;
        for (const auto& o : world->frame->FrameObjects()) placements.push_back(o->Placement());
        skin::LayoutLayerFrameObjects(*layout, size, placements, std::nullopt);
        for (int i = 0; i < 8; ++i) (void)skin::HitTestLayerFrame(*layout, size, Point(in), flags & 16);
    }

    // The component: the skin applied again with these values, the window at that size, active and
    // inactive, moved.
    world->frame->ApplySkin();
    world->form->SetBounds(40, 30, window.cx, window.cy);
    for (platform::WPARAM active : {0, 1})
        platform::SendMessage(world->form->Handle(), platform::WM_NCACTIVATE, active, 0);
    world->form->SetBounds(60, 50, window.cx, window.cy);

    // The pointer over the border's windows (mostly within its outer rectangle) and the form.
    platform::HeadlessDisplay& display = world->display;
    for (int step = 0; step < 12 && in.size > 0; ++step) {
        const platform::Rect outer = world->frame->LayerBorder().OuterRect();
        const platform::Point p{outer.Left + Coordinate(in) % 400, outer.Top + Coordinate(in) % 300};
        switch (in.byte() % 7) {
            case 0:
                display.moveMouse(p);
                break;
            case 1:
                display.moveMouse(p);
                display.pressButton();
                break;
            case 2:
                display.moveMouse(p);
                display.releaseButton();
                break;
            case 3:
                display.doubleClick(p);
                break;
            case 4:
                display.click(p, platform::MouseButton::Right);
                break;
            case 5:
                display.drag(p, {p.X + Coordinate(in) % 60, p.Y + Coordinate(in) % 60}, 3);
                break;
            default:
                platform::PumpMessagesFor(uint32_t(in.byte()) * 4);
                break;
        }
        world->application.ProcessMessages();
    }
    display.releaseButton();
    world->frame->MenuDriver().CloseAll();
    world->frame->ChangeFormState(skin::TbsFormState::Normal);
    world->frame->SetRollUp(false);
    world->application.ProcessMessages();
    return 0;
}
