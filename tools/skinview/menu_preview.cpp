#include "tools/skinview/menu_preview.h"

#include <stdexcept>

#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "framework/menus/menu_item.h"
#include "platform/display/headless_display.h"
#include "platform/window/message_loop.h"
#include "skin/menus/skin_hint.h"
#include "skin/menus/skin_hint_window.h"
#include "skin/menus/skin_menu.h"
#include "skin/menus/skin_popup_menu.h"
#include "skin/menus/skin_popup_window.h"

namespace tools {

using platform::Point;
using platform::Rect;
using platform::Size;

std::vector<PreviewItem> ParseMenuItems(std::string_view list) {
    std::vector<PreviewItem> items;
    size_t start = 0;
    while (true) {
        const size_t bar = list.find('|', start);
        std::string text(list.substr(start, bar - start));
        PreviewItem item;
        for (bool marked = true; marked && text.size() > 1;) {
            marked = false;
            if (text[0] == '*') {
                item.checked = marked = true;
                text.erase(0, 1);
            } else if (text[0] == '!') {
                item.disabled = marked = true;
                text.erase(0, 1);
            }
        }
        if (text.size() > 1 && text.back() == '>') {
            item.subItems = true;
            text.pop_back();
        }
        size_t tab = text.find('\t');
        size_t tabLength = 1;
        if (tab == std::string::npos) {
            tab = text.find("\\t");
            tabLength = 2;
        }
        if (tab != std::string::npos) {
            item.shortCut = text.substr(tab + tabLength);
            text.erase(tab);
            if (framework::TextToShortCut(item.shortCut) == framework::scNone)
                throw std::invalid_argument("\"" + item.shortCut +
                                            "\" names no key (try Ctrl+S, Alt+F4, Del)");
        }
        item.caption = text;
        items.push_back(item);
        if (bar == std::string_view::npos)
            break;
        start = bar + 1;
    }
    return items;
}

namespace {

constexpr Size kDefaultWorkArea{1024, 738};

platform::HeadlessDisplay::Options ScreenFor(Size workArea) {
    platform::HeadlessDisplay::Options screen;
    screen.screen = {workArea.cx, workArea.cy + platform::HeadlessDisplay::kTaskbarHeight};
    screen.workArea = Rect{0, 0, workArea.cx, workArea.cy};
    return screen;
}

skin::Picture ScreenPart(const platform::HeadlessDisplay& display, const Rect& bounds) {
    const skin::Picture screenshot = display.screenshot();
    const Point origin = display.screenOrigin();
    skin::Picture part(bounds.width(), bounds.height());
    skin::CopyPictureRect(part, part.bounds(), screenshot, bounds.offsetBy(-origin.X, -origin.Y));
    return part;
}

void AddItem(framework::TMenuItem& root, const PreviewItem& wanted) {
    auto* item = new framework::TMenuItem(nullptr);
    item->SetCaption(wanted.caption);
    item->SetChecked(wanted.checked);
    item->SetEnabled(!wanted.disabled);
    item->SetShortCut(framework::TextToShortCut(wanted.shortCut));
    if (wanted.subItems) {
        auto* sub = new framework::TMenuItem(nullptr);
        sub->SetCaption(wanted.caption);
        item->Add(sub);
    }
    root.Add(item);
}

// Long enough for a highlight's morph (five steps of 20 ms) to arrive.
constexpr uint32_t kSettle = 200;

}  // namespace

MenuPreview PreviewMenu(skin::TbsSkinData* data, const MenuPreviewOptions& o) {
    const Size workArea = o.workArea.value_or(kDefaultWorkArea);
    platform::HeadlessDisplay display(ScreenFor(workArea));
    framework::TApplication application;
    auto* form = application.CreateForm<framework::TForm>();
    auto* menu = new skin::TbsSkinPopupMenu(form);
    menu->SetSkinData(data);
    for (const PreviewItem& item : o.items) AddItem(*menu->Items(), item);
    skin::TbsSkinMenu& driver = menu->Driver();
    driver.SetMaxMenuItemsInWindow(o.maxItems);
    menu->Popup(0, 0);
    MenuPreview preview;
    if (!driver.Visible())
        return preview;
    skin::TbsSkinPopupWindow& popup = *driver.Popups(0);
    if (o.selected >= 0 && o.selected < popup.ItemCount())
        popup.SelectItem(o.selected);
    platform::PumpMessagesFor(kSettle);
    preview.size = {popup.Width(), popup.Height()};
    preview.client = popup.Layout().Cl;
    preview.markers = popup.ScrollMode();
    for (int i = popup.FirstShown(); i < popup.FirstShown() + popup.ShownCount(); ++i) {
        const skin::TbsSkinMenuItem& item = popup.Item(i);
        preview.items.push_back({item.MenuItem().Caption(), item.IsSeparator(), item.ItemRect});
    }
    preview.picture = ScreenPart(display, popup.BoundsRect());
    driver.CloseAll();
    return preview;
}

HintPreview PreviewHint(skin::TbsSkinData* data, const std::string& text) {
    platform::HeadlessDisplay display(ScreenFor(kDefaultWorkArea));
    framework::TApplication application;
    auto* form = application.CreateForm<framework::TForm>();
    auto* hint = new skin::TbsSkinHint(form);
    hint->SetSkinData(data);
    skin::TbsSkinHintWindow& window = hint->HintWindow();
    window.ActivateHint({0, 0, 0, 0}, text);
    application.ProcessMessages();
    HintPreview preview;
    if (!window.HintShowing())
        return preview;
    preview.size = {window.Width(), window.Height()};
    preview.text = window.TextRect();
    preview.picture = ScreenPart(display, window.BoundsRect());
    return preview;
}

}  // namespace tools
