// The bridge between the result tabs (m_tab) and the result pages the home page's script keeps:
// tab i stands for page i. A quick search asks the script for a page (SoItem) and adds or selects
// its tab; the shopper's selection shows that page (ShowPage); a close box deletes the page
// (DelPage) and selects the page the script names next. The window expands to show results when
// the first page comes and collapses to the filter panel when the script says none is left.
//
// A call holds the shopper's input while it waits (web_browser.h): a close, tab click or search made
// meanwhile follows the call, so each operation here sees the tabs as the last one left them.
//
// The script is another program's: every call may fail (no page, no such function, an error, an
// answer that is no integer). A failure is dropped without a word; what the shopper did still
// takes effect where it can (a closed tab goes away all the same).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/query_builder.h"
#include "framework/browser/browser_backend.h"

namespace app {

class TForm1;

// The search's caption first, then a line for each filter that differs from the panel's start:
// price range, location, sort order, credit range, and the services asked for.
std::vector<std::string> DescribeSearch(const std::string& caption, const PanelState& panel);

class PageBridge {
  public:
    // Takes over the window's quick search and m_tab's change and close events.
    explicit PageBridge(TForm1& window);

    // A quick search with the query the panel built.
    void RunSearch(const std::string& query);
    // Tab `index`'s own query sent once more: the script brings its page forward and refreshes it.
    void SearchAgain(int index);
    // m_tab's events: the shopper selected a tab; asked to close tab `index`; the tab has gone.
    void TabChanged();
    void TabClosing(int index, bool& canClose);
    void TabClosed();

    // The page DelPage named, carried from a close to the selection after it; kept between closes.
    int PendingPageIndex() const { return pendingPageIndex_; }
    // "keyword - category", or the category alone without a keyword.
    std::string TabCaption() const;
    // Tab `index`'s whole caption: its caption and, a line each, the filters that were set for its
    // search (empty for an index that is no tab).
    std::vector<std::string> TabDescription(int index) const;

  private:
    // What each tab was made by, in tab order.
    struct ResultTab {
        std::string query;
        std::vector<std::string> description;
    };
    void Search(ResultTab madeFrom);
    // The script's answer, or nothing when the call failed.
    std::optional<int32_t> CallPage(const std::string& name, const std::vector<framework::PageArg>& args);

    TForm1& window_;
    std::vector<ResultTab> tabs_;
    int pendingPageIndex_ = 0;
    bool lastCloseFailed_ = false;
};

}  // namespace app
