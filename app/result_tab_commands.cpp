#include "app/result_tab_commands.h"

#include <algorithm>
#include <utility>

#include "app/main_window.h"
#include "app/page_bridge.h"
#include "framework/menus/menu_item.h"
#include "skin/menus/skin_hint.h"
#include "skin/menus/skin_popup_menu.h"

namespace app {

using framework::TMouseButton;
using framework::TObject;
using framework::TShiftFlag;
using framework::TShiftState;
using platform::KeyModifier;

std::vector<platform::KeyChord> TabKeyChords() {
    std::vector<platform::KeyChord> chords;
    for (const TabKey& key : kTabKeys) chords.push_back(key.chord);
    return chords;
}

ResultTabCommands::ResultTabCommands(TForm1& window, PageBridge& bridge) : window_(window), bridge_(bridge) {
    MakeMenu();
    hint_ = std::make_unique<skin::TbsSkinHint>(nullptr);
    hint_->SetSkinData(window_.bsSkinData1);
    // Keywords come from a one-line field, so a line break is the one separator no caption holds.
    hint_->SetLineSeparator("\n");

    framework::TShortCutEvent before = std::move(window_.OnShortCut);
    window_.OnShortCut = [this, before](framework::TWMKey& key, bool& handled) {
        if (before)
            before(key, handled);
        if (!handled)
            handled = HandleKey(key);
    };

    skin::TbsSkinTabControl& tabs = *window_.m_tab;
    tabs.OnMouseMove = [this](TObject*, TShiftState, int x, int y) { PointerAt({x, y}); };
    tabs.OnMouseLeave = [this](TObject*) { PointerGone(); };
    tabs.OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { PointerGone(); };
    tabs.OnMouseUp = [this](TObject*, TMouseButton button, TShiftState, int x, int y) {
        const int tab = window_.m_tab->TabAt({x, y});
        if (button == TMouseButton::mbRight && tab >= 0)
            OpenMenu(tab, window_.m_tab->ClientToScreen({x, y}));
    };
}

ResultTabCommands::~ResultTabCommands() = default;

// --- Keys ----------------------------------------------------------------------------------------

bool ResultTabCommands::HandleKey(const framework::TWMKey& key) {
    if (key.Msg != platform::WM_KEYDOWN && key.Msg != platform::WM_SYSKEYDOWN)
        return false;
    const TShiftState shift = framework::KeyDataToShiftState(key.KeyData);
    KeyModifier held = KeyModifier::None;
    if (shift.contains(TShiftFlag::ssShift))
        held = held | KeyModifier::Shift;
    if (shift.contains(TShiftFlag::ssCtrl))
        held = held | KeyModifier::Ctrl;
    if (shift.contains(TShiftFlag::ssAlt))
        held = held | KeyModifier::Alt;
    const platform::KeyChord pressed{key.CharCode, held};
    const auto found =
        std::find_if(kTabKeys.begin(), kTabKeys.end(), [&](const TabKey& k) { return k.chord == pressed; });
    if (found == kTabKeys.end())
        return false;
    Run(found->command);
    return true;
}

void ResultTabCommands::Run(TabCommand command) {
    skin::TbsSkinTabControl& tabs = *window_.m_tab;
    PointerGone();
    switch (command) {
        case TabCommand::CloseSelected:
            tabs.CloseSelectedTab();
            return;
        case TabCommand::SelectNext:
            tabs.SelectNextTab(true);
            return;
        case TabCommand::SelectPrevious:
            tabs.SelectNextTab(false);
            return;
    }
}

// --- The tab menu --------------------------------------------------------------------------------

void ResultTabCommands::MakeMenu() {
    menu_ = std::make_unique<skin::TbsSkinPopupMenu>(nullptr);
    menu_->SetSkinData(window_.bsSkinData1);
    menu_->SetForm(&window_);
    for (size_t i = 0; i < kTabMenuCaptions.size(); ++i) {
        auto* item = new framework::TMenuItem(menu_.get());
        item->SetCaption(kTabMenuCaptions[i]);
        const auto which = TabMenuItem(i);
        if (which != TabMenuItem::Line)
            item->OnClick = [this, which](TObject*) { Choose(which, menuTab_); };
        menu_->Items()->Add(item);
    }
}

void ResultTabCommands::OpenMenu(int tab, platform::Point screen) {
    const int count = window_.m_tab->TabCount();
    if (tab < 0 || tab >= count)
        return;
    PointerGone();
    menuTab_ = tab;
    framework::TMenuItem& items = *menu_->Items();
    items.Items(int(TabMenuItem::CloseOthers))->SetEnabled(count > 1);
    items.Items(int(TabMenuItem::CloseToTheRight))->SetEnabled(tab < count - 1);
    menu_->Popup(screen.X, screen.Y);
}

void ResultTabCommands::CloseFromRight(int last, int first) {
    for (int i = last; i >= first; --i)
        if (i < window_.m_tab->TabCount())
            window_.m_tab->CloseTab(i);
}

void ResultTabCommands::Choose(TabMenuItem item, int tab) {
    skin::TbsSkinTabControl& tabs = *window_.m_tab;
    if (tab < 0 || tab >= tabs.TabCount())
        return;
    switch (item) {
        case TabMenuItem::Close:
            tabs.CloseTab(tab);
            return;
        case TabMenuItem::CloseOthers:
            CloseFromRight(tabs.TabCount() - 1, tab + 1);
            CloseFromRight(tab - 1, 0);
            return;
        case TabMenuItem::CloseToTheRight:
            CloseFromRight(tabs.TabCount() - 1, tab + 1);
            return;
        case TabMenuItem::CloseAll:
            CloseFromRight(tabs.TabCount() - 1, 0);
            return;
        case TabMenuItem::Line:
            return;
        case TabMenuItem::SearchAgain:
            bridge_.SearchAgain(tab);
            return;
    }
}

// --- The hint ------------------------------------------------------------------------------------

std::string ResultTabCommands::HintText(int tab) const {
    const std::vector<std::string> lines = bridge_.TabDescription(tab);
    if (lines.empty() || (lines.size() == 1 && window_.m_tab->TabFullyShown(tab)))
        return {};
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
    return text;
}

void ResultTabCommands::PointerAt(platform::Point client) {
    const int tab = window_.m_tab->TabAt(client);
    if (tab == hintTab_)
        return;
    hintTab_ = tab;
    const std::string text = HintText(tab);
    if (text.empty())
        hint_->HideHintText();
    else
        hint_->ShowHintText(text);
}

void ResultTabCommands::PointerGone() {
    hintTab_ = -1;
    hint_->HideHintText();
}

}  // namespace app
