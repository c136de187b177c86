#include "app/page_bridge.h"

#include "app/main_window.h"

namespace app {

using framework::TObject;

std::vector<std::string> DescribeSearch(const std::string& caption, const PanelState& panel) {
    const PanelState start;
    std::vector<std::string> lines{caption};
    if (panel.priceLow != start.priceLow || panel.priceHigh != start.priceHigh)
        lines.push_back("价格区间 " + panel.priceLow + " - " + panel.priceHigh);
    if (panel.location != start.location)
        lines.push_back("所在地 " + std::string(LocationCaptions.at(size_t(panel.location))));
    if (panel.sort != start.sort)
        lines.push_back("排序方式 " + std::string(SortCaptions.at(size_t(panel.sort))));
    if (panel.creditLow != start.creditLow || panel.creditHigh != start.creditHigh)
        lines.push_back("信用范围 " + std::string(CreditCaptions.at(size_t(panel.creditLow))) + " - " +
                        std::string(CreditCaptions.at(size_t(panel.creditHigh))));
    std::string services;
    for (const ServiceEntry& entry : ServiceFilters)
        if (panel.services.Has(entry.service))
            services += (services.empty() ? "" : "、") + std::string(entry.caption);
    if (!services.empty())
        lines.push_back(services);
    return lines;
}

PageBridge::PageBridge(TForm1& window) : window_(window) {
    window_.SetQueryRunner([this](const std::string& query) { RunSearch(query); });
    skin::TbsSkinTabControl& tabs = *window_.m_tab;
    tabs.OnChange = [this](TObject*) { TabChanged(); };
    tabs.OnClose = [this](int index, bool& canClose) { TabClosing(index, canClose); };
    tabs.OnAfterClose = [this](TObject*) { TabClosed(); };
}

std::optional<int32_t> PageBridge::CallPage(const std::string& name,
                                            const std::vector<framework::PageArg>& args) {
    try {
        return window_.m_web->CallPageFunction(name, args);
    } catch (const framework::EPageCallError&) {
        return std::nullopt;
    }
}

std::string PageBridge::TabCaption() const {
    const std::string keyword = window_.m_keyword->Text();
    const std::string category = window_.m_cid->Text();
    return keyword.empty() ? category : keyword + " - " + category;
}

void PageBridge::RunSearch(const std::string& query) {
    Search({query, {}});
}

void PageBridge::SearchAgain(int index) {
    if (index >= 0 && index < int(tabs_.size()))
        Search(tabs_[size_t(index)]);
}

std::vector<std::string> PageBridge::TabDescription(int index) const {
    return index >= 0 && index < int(tabs_.size()) ? tabs_[size_t(index)].description
                                                   : std::vector<std::string>{};
}

// A new tab takes its caption from the panel as the answer comes, or, searching again for a tab the
// script no longer knows, the caption that tab had.
void PageBridge::Search(ResultTab madeFrom) {
    const std::optional<int32_t> page = CallPage("SoItem", {madeFrom.query, int32_t(1)});
    if (!page)
        return;
    skin::TbsSkinTabControl& tabs = *window_.m_tab;
    if (*page == tabs.TabCount()) {
        if (madeFrom.description.empty())
            madeFrom.description = DescribeSearch(TabCaption(), window_.ReadPanel());
        tabs.AddTab(madeFrom.description.front());
        tabs_.resize(size_t(tabs.TabCount()) - 1);
        tabs_.push_back(std::move(madeFrom));
    }
    // An index past the tabs is ignored and a negative one leaves no tab selected.
    tabs.SetTabIndex(*page);
    if (*page == 0)
        window_.SetClientHeight(TForm1::kExpandedClientHeight);
}

void PageBridge::TabChanged() {
    CallPage("ShowPage", {int32_t(window_.m_tab->TabIndex())});
}

void PageBridge::TabClosing(int index, bool& canClose) {
    // The tab goes whatever the script answers.
    if (index >= 0 && index < int(tabs_.size()))
        tabs_.erase(tabs_.begin() + index);
    const std::optional<int32_t> next = CallPage("DelPage", {int32_t(index)});
    lastCloseFailed_ = !next;
    if (next)
        pendingPageIndex_ = *next;
    canClose = true;
}

void PageBridge::TabClosed() {
    window_.m_tab->SetTabIndex(pendingPageIndex_);
    // -1 is the script's word that no page is left; after a failed close it is only the old word,
    // and collapsing on it could hide tabs that are still there.
    if (pendingPageIndex_ == -1 && !lastCloseFailed_)
        window_.SetClientHeight(TForm1::kCollapsedClientHeight);
}

}  // namespace app
