// Arbitrary bytes as the POPUPWINDOW, MENUITEM, HINTWINDOW and "label" records of a skin and the
// items of a menu: the menu opens, sizes, places, paints, scrolls, walks its items and submenus
// and closes, and a hint shows, on the headless display. Any crash, sanitizer report or exception
// is a finding.
//
// Input: INI text up to the first NUL byte (the records; the skin's pictures and lists are
// given), then one byte that multiplies the item list (by 1 to 256, at most 4096 items), one byte
// of menu settings, then the items, one a line: a caption (any bytes), a first byte '!' disables,
// '*' checks, '>' gives sub-items.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/exception.h"
#include "framework/core/stream.h"
#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "framework/menus/menu_item.h"
#include "platform/display/headless_display.h"
#include "platform/window/keys.h"
#include "platform/window/message_loop.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_package.h"
#include "skin/data/zlib_streams.h"
#include "skin/menus/skin_hint.h"
#include "skin/menus/skin_hint_window.h"
#include "skin/menus/skin_menu.h"
#include "skin/menus/skin_popup_menu.h"

namespace {

constexpr size_t kMaxItems = 4096;

// The pictures the records may name: a popup frame, item faces, a hint frame, a mask.
std::vector<framework::TBitmap> Pictures() {
    const struct { int32_t w, h; } sizes[] = {{61, 40}, {54, 100}, {47, 21}, {61, 40}};
    std::vector<framework::TBitmap> pictures;
    for (size_t i = 0; i < std::size(sizes); ++i) {
        framework::TBitmap b;
        b.SetSize(sizes[i].w, sizes[i].h);
        for (int32_t y = 0; y < sizes[i].h; ++y)
            for (int32_t x = 0; x < sizes[i].w; ++x)
                b.SetPixel(x, y,
                           i == 3 ? ((x + y) % 3 ? 0 : 0xFFFFFF)
                                  : platform::RGB(uint8_t(x * 4), uint8_t(y * 3), uint8_t(i * 60)));
        pictures.push_back(std::move(b));
    }
    return pictures;
}

const char kLists[] =
    "[VERSION]\nversion=3\n[PICTURES]\ncount=4\n0=pw.bmp\n1=items.bmp\n2=hw.bmp\n3=mask.bmp\n"
    "[SKINOBJECTS]\ncount=1\n0=MENUITEM:menuitem\n[SKINCONTROLS]\ncount=1\n0=label:label\n";

std::vector<uint8_t> CompressedSkin(std::string_view records) {
    std::vector<std::string> lines;
    try {
        lines = skin::SplitTextLines(std::string(kLists) + std::string(records));
    } catch (const framework::EReadError&) {
        return {};
    }
    static const std::vector<framework::TBitmap> pictures = Pictures();
    framework::TMemoryStream package;
    skin::WriteSkinPackage(package, {}, {}, {}, pictures, lines);
    framework::TMemoryStream compressed;
    {
        skin::TCompressionStream deflate(skin::TCompressionLevel::clFastest, compressed);
        deflate.Write(package.Bytes().data(), int64_t(package.Bytes().size()));
        deflate.Finish();
    }
    return compressed.Bytes();
}

void AddItems(framework::TMenuItem& root, std::string_view list, int copies) {
    std::vector<std::string_view> lines;
    for (size_t start = 0; start <= list.size();) {
        const size_t end = std::min(list.find('\n', start), list.size());
        lines.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    for (int copy = 0; copy < copies; ++copy) {
        for (std::string_view line : lines) {
            if (size_t(root.Count()) >= kMaxItems)
                return;
            auto* item = new framework::TMenuItem(nullptr);
            if (!line.empty() && line[0] == '!') {
                item->SetEnabled(false);
                line.remove_prefix(1);
            } else if (!line.empty() && line[0] == '*') {
                item->SetChecked(true);
                line.remove_prefix(1);
            } else if (!line.empty() && line[0] == '>') {
                auto* sub = new framework::TMenuItem(nullptr);
                sub->SetCaption(std::string(line));
                item->Add(sub);
                line.remove_prefix(1);
            }
            item->SetCaption(std::string(line));
            root.Add(item);
        }
    }
}

struct Desktop {
    platform::HeadlessDisplay display;
    framework::TApplication application;
    framework::TForm* form = application.CreateForm<framework::TForm>();
    Desktop() {
        form->SetBounds(20, 20, 400, 300);
        form->Show();
        application.ProcessMessages();
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Desktop desktop;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t nul = input.find('\0');
    const std::string_view records = input.substr(0, nul);
    std::string_view rest = nul == std::string_view::npos ? std::string_view() : input.substr(nul + 1);
    const int copies = rest.empty() ? 1 : 1 + uint8_t(rest[0]);
    const uint8_t settings = rest.size() > 1 ? uint8_t(rest[1]) : 0;
    rest = rest.size() > 2 ? rest.substr(2) : std::string_view("Open\n-\n>Recent\n!Print\n*Wrap");

    skin::TbsSkinData skinData(nullptr);
    skin::TbsCompressedStoredSkin stored(nullptr);
    const std::vector<uint8_t> compressed = CompressedSkin(records);
    stored.SetCompressedData(compressed);
    try {
        skinData.LoadStoredSkin(stored);
    } catch (const framework::Exception&) {
        // A record that does not read leaves the skin empty: the built-in look.
    }

    auto* menu = new skin::TbsSkinPopupMenu(desktop.form);
    menu->SetSkinData(&skinData);
    AddItems(*menu->Items(), rest, copies);
    skin::TbsSkinMenu& driver = menu->Driver();
    driver.SetMaxMenuItemsInWindow(settings & 0x0F);
    driver.SetDefaultItemHeight(1 + (settings >> 4) * 7);
    menu->Popup(settings * 4, settings * 3);
    desktop.application.ProcessMessages();
    for (int vk : {platform::VK_DOWN, platform::VK_END, platform::VK_UP, platform::VK_HOME,
                   platform::VK_RIGHT, platform::VK_DOWN, platform::VK_LEFT}) {
        desktop.display.typeKey(vk);
        desktop.application.ProcessMessages();
    }
    desktop.display.turnWheel(-240);
    platform::PumpMessagesFor(150);
    driver.CloseAll();
    delete menu;

    auto* hint = new skin::TbsSkinHint(desktop.form);
    hint->SetSkinData(&skinData);
    hint->HintWindow().ActivateHint({settings * 4, settings * 3, 0, 0}, std::string(rest.substr(0, 200)));
    desktop.application.ProcessMessages();
    delete hint;
    return 0;
}
