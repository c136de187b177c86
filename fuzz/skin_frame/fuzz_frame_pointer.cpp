// Random pointer and key sequences over a skinned frame whose objects carry random (often damaged)
// rectangles, picture and mask numbers, commands and morph settings, on a window that may be
// resizable, maximised or rolled up; and the pure hit test with random geometry and mask strips.
// Whatever the values, hit testing, hover, pressing, releasing, morphing, animating, painting and
// the system menu stay inside their pictures and never crash.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "fuzz/skin_frame/frame_fuzz_input.h"
#include "platform/display/headless_display.h"
#include "platform/window/keys.h"
#include "platform/window/message_loop.h"
#include "skin/frame/frame_hit_test.h"
#include "skin/frame/skin_form.h"
#include "skin/menus/skin_menu.h"
#include "skin/render/nine_part_layout.h"

namespace {

using frame_fuzz::Bytes;

struct World : frame_fuzz::World {
    World() {
        // Commands run, but the window stays for the next input.
        form->OnClose = [](framework::TObject*, framework::TCloseAction& action) {
            action = framework::TCloseAction::caNone;
        };
    }
};

// A picture number: mostly near the skin's pictures, some outside them.
int32_t Index(Bytes& in) {
    return int32_t(in.byte() % 12) - 2;
}

// Damages the object's own copy of its record.
void Damage(skin::TbsActiveSkinObject& o, Bytes& in) {
    auto& r = const_cast<skin::TbsDataSkinObject&>(o.Record());
    r.SkinRect = in.rect();
    r.ActiveSkinRect = in.rect();
    r.InActiveSkinRect = in.rect();
    r.ActivePictureIndex = Index(in);
    r.ActiveMaskPictureIndex = Index(in);
    r.GlowLayerPictureIndex = Index(in);
    r.SkinRectInAPicture = in.byte() & 1;
    r.Morphing = in.byte() & 1;
    if (auto* button = dynamic_cast<skin::TbsSkinStdButtonObject*>(&o)) {
        auto& b = const_cast<skin::TbsDataSkinStdButton&>(button->StdRecord());
        b.DownRect = in.rect();
        b.RestoreRect = in.rect();
        b.Command = skin::TStdCommand(in.byte() % 7);
    }
    o.ObjectRect = skin::ClampRect(in.rect());  // as the layout leaves it
    o.Enabled = in.byte() % 4 != 0;
    o.Visible = in.byte() % 4 != 0;
}

void PureHitTest(Bytes& in) {
    skin::FrameGeometry g;
    g.window = {(in.next() & 0x3FF) + 1, (in.next() & 0x3FF) + 1};
    g.newLayout.Cl = in.rect();
    g.hitTestLeftTop = {in.coordinate(), in.coordinate()};
    g.hitTestRightTop = {in.coordinate(), in.coordinate()};
    g.hitTestLeftBottom = {in.coordinate(), in.coordinate()};
    g.hitTestRightBottom = {in.coordinate(), in.coordinate()};
    g.maskArea = in.rect();
    skin::FrameStrips strips;
    for (platform::Surface* strip : {&strips.Top, &strips.Left, &strips.Right, &strips.Bottom}) {
        *strip = platform::Surface(in.byte() % 40, in.byte() % 40);
        strip->fill(in.byte() & 1 ? 0xFF000000u : 0xFFFFFFFFu);
    }
    const platform::Rect captions[] = {in.rect()};
    skin::FrameHitTestInput h;
    h.geometry = &g;
    h.borderWidth = in.coordinate();
    h.maskStrips = in.byte() & 1 ? &strips : nullptr;
    h.captionDragAreas = captions;
    h.state = skin::HitTestWindowState(in.byte() % 3);
    h.rolledUp = in.byte() & 1;
    h.resizable = in.byte() & 1;
    h.objectHot = in.byte() & 1;
    for (int i = 0; i < 8; ++i) (void)skin::HitTestSkinnedFrame(h, {in.coordinate(), in.coordinate()});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static World* world = new World;  // one display and form for the whole run
    Bytes in{data, size, 900};
    PureHitTest(in);

    World& w = *world;
    w.application.Restore();
    const int32_t style = in.byte();
    w.form->SetBorderStyle(style & 1 ? framework::TFormBorderStyle::bsSizeable
                                     : framework::TFormBorderStyle::bsSingle);
    w.frame->SetBorderIcons(skin::TbsBorderIcons::FromBits(uint32_t(in.byte()) & 0x1F));
    w.frame->SetMagnetic(style & 2);
    const_cast<skin::TbsFormInfo&>(w.data->FormInfo()).BorderWidth = in.coordinate() % 20;
    w.frame->ApplySkin();
    for (const auto& o : w.frame->FrameObjects())
        if (in.byte() & 1)
            Damage(*o, in);
    w.frame->ChangeFormState(skin::TbsFormState(in.byte() % 3));
    w.frame->SetRollUp(in.byte() & 1);
    w.form->SetBounds(50, 50, (in.next() & 0x3FF) + 1, (in.next() & 0x3FF) + 1);
    w.application.ProcessMessages();

    while (in.size > 0) {
        const platform::Rect at = w.form->BoundsRect();
        const platform::Point p{at.Left + in.coordinate() % 900, at.Top + in.coordinate() % 700};
        switch (in.byte() % 9) {
            case 0:
                w.display.moveMouse(p);
                break;
            case 1:
                w.display.moveMouse(p);
                w.display.pressButton();
                break;
            case 2:
                w.display.releaseButton();
                break;
            case 3:
                w.display.doubleClick(p);
                break;
            case 4:
                w.display.click(p, platform::MouseButton::Right);
                break;
            case 5:
                platform::PumpMessagesFor(uint32_t(in.byte()));
                break;
            case 6:
                w.display.pressKey(platform::VK_MENU);
                w.display.typeKey(platform::VK_SPACE);
                w.display.releaseKey(platform::VK_MENU);
                break;
            case 7:
                w.display.typeKey(platform::VK_ESCAPE);
                break;
            default:
                w.application.Restore();
                break;
        }
        w.application.ProcessMessages();
    }
    w.display.releaseButton();
    w.frame->MenuDriver().CloseAll();
    w.application.ProcessMessages();
    return 0;
}
