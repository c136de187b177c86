#include "app/page_bridge.h"

#include "app/main_window.h"

namespace app {

using framework::TObject;

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
    const std::optional<int32_t> page = CallPage("SoItem", {query, int32_t(1)});
    if (!page)
        return;
    skin::TbsSkinTabControl& tabs = *window_.m_tab;
    if (*page == tabs.TabCount())
        tabs.AddTab(TabCaption());
    // An index past the tabs is ignored and a negative one leaves no tab selected.
    tabs.SetTabIndex(*page);
    if (*page == 0)
        window_.SetClientHeight(TForm1::kExpandedClientHeight);
}

void PageBridge::TabChanged() {
    CallPage("ShowPage", {int32_t(window_.m_tab->TabIndex())});
}

void PageBridge::TabClosing(int index, bool& canClose) {
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
