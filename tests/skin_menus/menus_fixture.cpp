#include "tests/skin_menus/menus_fixture.h"

#include <cstdlib>
#include <filesystem>

#include "platform/window/message_loop.h"

namespace menus_test {

using framework::TMenuItem;

namespace {

std::vector<std::string>* g_clicks = nullptr;

TMenuItem* MakeItem(std::string text) {
    auto* item = new TMenuItem(nullptr);
    if (!text.empty() && text[0] == '!') {
        item->SetEnabled(false);
        text.erase(0, 1);
    }
    if (!text.empty() && text[0] == '*') {
        item->SetChecked(true);
        text.erase(0, 1);
    }
    bool sub = false;
    if (text.size() > 1 && text.back() == '>') {
        sub = true;
        text.pop_back();
    }
    if (const size_t tab = text.find('\t'); tab != std::string::npos) {
        item->SetShortCut(framework::TextToShortCut(text.substr(tab + 1)));
        text.erase(tab);
    }
    item->SetCaption(text);
    item->OnClick = [text](framework::TObject*) {
        if (g_clicks)
            g_clicks->push_back(text);
    };
    if (sub)
        AddItems(*item, {text + " 1", text + " 2"});
    return item;
}

}  // namespace

void AddItems(TMenuItem& root, const std::vector<std::string>& captions) {
    for (const std::string& text : captions) root.Add(MakeItem(text));
}

MenusTest::MenusTest() {
    g_clicks = &clicks;
}

MenusTest::~MenusTest() {
    g_clicks = nullptr;
}

skin::TbsSkinPopupMenu* MenusTest::MakeMenu(const std::vector<std::string>& captions,
                                            skin::TbsSkinData* data) {
    auto* menu = new skin::TbsSkinPopupMenu(form);
    menu->SetSkinData(data);
    AddItems(*menu->Items(), captions);
    return menu;
}

skin::TbsSkinPopupWindow& MenusTest::PopupOf(skin::TbsSkinMenu& driver, int level) {
    return *driver.Popups(level);
}

void MenusTest::PointAt(skin::TbsSkinPopupWindow& popup, int index) {
    const platform::Rect r = popup.ItemScreenRect(index);
    display.moveMouse({r.Left + r.width() / 2, r.Top + r.height() / 2});
    Pump();
}

void MenusTest::Wait(uint32_t milliseconds) {
    platform::PumpMessagesFor(milliseconds);
}

void MenusTest::Key(int vk) {
    display.typeKey(vk);
    Pump();
}

void MenusTest::SaveMenuScreen(const std::string& name) const {
    const char* binary = std::getenv("VELMORO_BINARY_DIR");
    const std::filesystem::path dir =
        std::filesystem::path(binary ? binary : ".") / "screenshots" / "skin_menus";
    std::filesystem::create_directories(dir);
    display.saveScreenshot((dir / (name + ".png")).string());
}

}  // namespace menus_test
