// What a shopper used to a web browser does with the result tabs besides the strip's own clicks:
// the tab keys of the main window (from any control of it, the browser included), the tab menu on
// a right click, and a hint with a tab's whole caption when the tab does not show it all.
//
// Every close goes through the strip's close (OnClose, so the page bridge's DelPage) one tab at a
// time, so tabs and pages stay mirrored whatever the script answers; a page call holds the
// shopper's input meanwhile, so nothing else happens between two closes of one command.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "framework/forms/form.h"
#include "platform/display/input_event.h"
#include "platform/window/keys.h"

namespace skin {
class TbsSkinHint;
class TbsSkinPopupMenu;
}  // namespace skin

namespace app {

class PageBridge;
class TForm1;

enum class TabCommand { CloseSelected, SelectNext, SelectPrevious };

struct TabKey {
    platform::KeyChord chord;
    TabCommand command;
};

// The tab keys, as a browser has them.
inline constexpr std::array<TabKey, 5> kTabKeys{{
    {{'W', platform::KeyModifier::Ctrl}, TabCommand::CloseSelected},
    {{platform::VK_TAB, platform::KeyModifier::Ctrl}, TabCommand::SelectNext},
    {{platform::VK_TAB, platform::KeyModifier::Ctrl | platform::KeyModifier::Shift},
     TabCommand::SelectPrevious},
    {{platform::VK_NEXT, platform::KeyModifier::Ctrl}, TabCommand::SelectNext},
    {{platform::VK_PRIOR, platform::KeyModifier::Ctrl}, TabCommand::SelectPrevious},
}};
std::vector<platform::KeyChord> TabKeyChords();

// The tab menu, item by item in the order shown ("-" a separator).
enum class TabMenuItem { Close, CloseOthers, CloseToTheRight, CloseAll, Line, SearchAgain };
inline constexpr std::array<const char*, 6> kTabMenuCaptions{
    "关闭标签", "关闭其他标签", "关闭右侧标签", "全部关闭", "-", "重新搜索"};
static_assert(kTabMenuCaptions.size() == size_t(TabMenuItem::SearchAgain) + 1);

class ResultTabCommands {
  public:
    // The menu and the hint are the commands' own, not components of the window (whose components
    // are those of its form data). Takes the window's short-cuts (after whatever handler it had) and m_tab's
    // right click, pointer moves and leaving.
    ResultTabCommands(TForm1& window, PageBridge& bridge);
    ~ResultTabCommands();

    // A key-down offered to the window: true when it was a tab key (it is then carried out).
    bool HandleKey(const framework::TWMKey& key);
    void Run(TabCommand command);

    // The tab menu for tab `tab`, opened at a screen point.
    void OpenMenu(int tab, platform::Point screen);
    // The menu's commands for tab `tab`.
    void Choose(TabMenuItem item, int tab);
    skin::TbsSkinPopupMenu& Menu() const { return *menu_; }
    // The tab the menu was opened for (-1 before the first opening).
    int MenuTab() const { return menuTab_; }

    skin::TbsSkinHint& Hint() const { return *hint_; }
    // The tab whose hint is asked for now, or -1.
    int HintTab() const { return hintTab_; }
    // The hint's text for tab i: its whole caption, one line a part; empty when the tab shows it
    // all (its caption uncut and no filters set).
    std::string HintText(int tab) const;

  private:
    void MakeMenu();
    void PointerAt(platform::Point client);
    void PointerGone();
    // Closes tabs by index, highest first, so that the indices still to close stay right.
    void CloseFromRight(int last, int first);

    TForm1& window_;
    PageBridge& bridge_;
    std::unique_ptr<skin::TbsSkinPopupMenu> menu_;
    std::unique_ptr<skin::TbsSkinHint> hint_;
    int menuTab_ = -1;
    int hintTab_ = -1;
};

}  // namespace app
