#include "tools/skinview/tab_strip_preview.h"

#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "platform/display/headless_display.h"
#include "platform/window/focus.h"
#include "skin/controls/skin_tab_control.h"
#include "skin/controls/skin_updown.h"

namespace tools {

using framework::TForm;
using platform::Point;
using platform::Rect;

namespace {

constexpr int32_t kMargin = 8;

Point Centre(const Rect& r) {
    return {r.Left + r.width() / 2, r.Top + r.height() / 2};
}

TabStripLayout LayoutOf(skin::TbsSkinTabControl& tabs) {
    TabStripLayout layout;
    for (int i = 0; i < tabs.TabCount(); ++i) {
        const Rect tab = tabs.TabRect(i);
        const Rect box = tabs.CloseBox(i).rect;
        layout.tabs.push_back(tab);
        layout.closeBoxes.push_back(box.isEmpty() ? Rect{} : box.offsetBy(tab.Left, tab.Top));
    }
    if (const skin::TbsSkinUpDown* scroller = tabs.Scroller()) {
        layout.scroller = scroller->BoundsRect();
        layout.firstVisible = scroller->Position();
    }
    layout.pageArea = tabs.DisplayArea();
    return layout;
}

}  // namespace

TabStripPreview PreviewTabStrip(skin::TbsSkinData* data, const TabStripPreviewOptions& o) {
    platform::HeadlessDisplay::Options screen;
    screen.screen = {o.size.cx + 4 * kMargin,
                     o.size.cy + 4 * kMargin + platform::HeadlessDisplay::kTaskbarHeight};
    platform::HeadlessDisplay display(screen);
    framework::TApplication application;
    auto* form = application.CreateForm<TForm>();
    form->SetBorderStyle(framework::TFormBorderStyle::bsNone);
    form->SetBounds(kMargin, kMargin, o.size.cx + 2 * kMargin, o.size.cy + 2 * kMargin);
    auto* tabs = new skin::TbsSkinTabControl(form);
    tabs->SetParent(form);
    tabs->SetBounds(kMargin, kMargin, o.size.cx, o.size.cy);
    tabs->SetTabPosition(o.position);
    tabs->SetShowCloseButtons(o.closeBoxes);
    tabs->SetSkinData(data);
    tabs->SetTabs(o.captions);
    tabs->SetTabIndex(o.selected);
    form->Show();
    application.ProcessMessages();
    // The form gives its only control the focus when it is shown; a strip without it shows no
    // focus face.
    if (o.focused) {
        tabs->SetFocus();
    } else {
        form->SetActiveControl(nullptr);
        platform::SetFocus(form->Handle());
    }
    if (auto* scroller = tabs->Scroller(); scroller && o.firstVisible > 0)
        scroller->SetPosition(std::min(o.firstVisible, scroller->Max()));
    application.ProcessMessages();
    if (o.hot >= 0 && o.hot < tabs->TabCount()) {
        const Rect tab = tabs->TabRect(o.hot);
        Point at = Centre(tab);
        if (o.closeBox != CloseBoxPreview::Normal) {
            // The box is where the tab was last drawn; draw it first when it has not been.
            const Rect box = tabs->CloseBox(o.hot).rect.offsetBy(tab.Left, tab.Top);
            if (!box.isEmpty())
                at = Centre(box);
        }
        display.moveMouse(tabs->ClientToScreen(at));
        if (o.closeBox == CloseBoxPreview::Pressed)
            display.pressButton();
        application.ProcessMessages();
    }
    const skin::Picture screenshot = display.screenshot();
    const Point origin = tabs->ClientToScreen({0, 0});
    const Point screenOrigin = display.screenOrigin();
    TabStripPreview preview{skin::Picture(o.size.cx, o.size.cy), LayoutOf(*tabs)};
    skin::CopyPictureRect(
        preview.picture, preview.picture.bounds(), screenshot,
        platform::rectOfSize(origin.X - screenOrigin.X, origin.Y - screenOrigin.Y, o.size.cx, o.size.cy));
    return preview;
}

}  // namespace tools
