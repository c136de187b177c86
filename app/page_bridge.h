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

#include "framework/browser/browser_backend.h"

namespace app {

class TForm1;

class PageBridge {
  public:
    // Takes over the window's quick search and m_tab's change and close events.
    explicit PageBridge(TForm1& window);

    // A quick search with the query the panel built.
    void RunSearch(const std::string& query);
    // m_tab's events: the shopper selected a tab; asked to close tab `index`; the tab has gone.
    void TabChanged();
    void TabClosing(int index, bool& canClose);
    void TabClosed();

    // The page DelPage named, carried from a close to the selection after it; kept between closes.
    int PendingPageIndex() const { return pendingPageIndex_; }
    // "keyword - category", or the category alone without a keyword.
    std::string TabCaption() const;

  private:
    // The script's answer, or nothing when the call failed.
    std::optional<int32_t> CallPage(const std::string& name, const std::vector<framework::PageArg>& args);

    TForm1& window_;
    int pendingPageIndex_ = 0;
    bool lastCloseFailed_ = false;
};

}  // namespace app
