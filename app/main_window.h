// The main search window (TForm1): the filter panel on top and, below it, the result area with the
// browser m_web, which the window shows only once it has results (client height 613) and otherwise
// hides by collapsing to the panel (client height 68). Its frame and result tabs are the skin
// engine's; the skin comes with the window's form data (main_window_form.cpp).
//
// States: loading (quick search disabled, collapsed) until m_web's first document-complete; then
// ready (enabled). A quick search builds the query from the panel (query_builder.h), writes the
// swapped ranges back and hands the query to the query runner, which is the page bridge
// (page_bridge.h): it mirrors the script's result pages as tabs of m_tab and expands and collapses
// the window. The shopper's tab keys, tab menu and tab hint are result_tab_commands.h's.
// The fitting-room button shows the one fitting-room window (TForm2) made at start-up.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "app/page_site.h"
#include "app/query_builder.h"
#include "app/search_lists.h"
#include "framework/browser/web_browser.h"
#include "framework/controls/button.h"
#include "framework/controls/combo_box.h"
#include "framework/controls/edit.h"
#include "framework/controls/label.h"
#include "framework/controls/panel.h"
#include "framework/controls/spin_edit.h"
#include "framework/forms/form.h"
#include "skin/controls/skin_tab_control.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"
#include "skin/frame/skin_form.h"

namespace app {

class PageBridge;
class ResultTabCommands;
class TForm2;

// What a quick search does with the query it built.
using QueryRunner = std::function<void(const std::string& query)>;

class TForm1 : public framework::TForm {
  public:
    static constexpr int32_t kCollapsedClientHeight = 68;  // the filter panel only
    static constexpr int32_t kExpandedClientHeight = 613;  // panel, tab strip and browser
    // How far above the screen's centre the (expanded) window starts.
    static constexpr int32_t kLiftAboveCentre = 40;

    // Builds the window from its form data; its creation handler (FormCreate) places it, collapses
    // it, makes the fitting room and starts loading the home page of `site`.
    TForm1(framework::TComponent* owner, PageSite site);
    ~TForm1() override;

    // The components, named as in the form data.
    framework::TPanel* Panel1 = nullptr;
    framework::TEdit* m_keyword = nullptr;
    framework::TComboBox* m_cid = nullptr;
    framework::TSpinEdit* m_sp = nullptr;
    framework::TSpinEdit* m_ep = nullptr;
    framework::TComboBox* m_loc = nullptr;
    framework::TComboBox* m_sort = nullptr;
    framework::TComboBox* m_sc = nullptr;
    framework::TComboBox* m_ec = nullptr;
    framework::TButton* m_soso = nullptr;
    framework::TButton* m_soso2 = nullptr;
    skin::TbsSkinTabControl* m_tab = nullptr;
    framework::TWebBrowser* m_web = nullptr;
    skin::TbsSkinForm* bsBusinessSkinForm1 = nullptr;
    skin::TbsSkinData* bsSkinData1 = nullptr;
    skin::TbsCompressedStoredSkin* bsCompressedStoredSkin1 = nullptr;
    // The service check box of each filter (m_oi, m_co, ... in ServiceFilters order).
    framework::TCheckBox* ServiceBox(Service service) const { return serviceBoxes_[size_t(service)]; }

    // The fitting-room window, or nullptr before FormCreate and after FormDestroy.
    TForm2* FittingRoom() const { return fittingRoom_; }
    const PageSite& Site() const { return site_; }

    // The filter panel as the query builder reads it, and its write-back: only the fields whose
    // value differs are set, so a quick search leaves untouched fields as the user left them.
    PanelState ReadPanel() const;
    void WritePanel(const PanelState& panel);

    // Where quick search hands its query: the page bridge, made with the window.
    void SetQueryRunner(QueryRunner runner) { queryRunner_ = std::move(runner); }
    PageBridge& Bridge() const { return *bridge_; }
    // The tab keys, the tab menu and the tab hint (result_tab_commands.h).
    ResultTabCommands& TabCommands() const { return *tabCommands_; }

    // --- Event handlers, wired by the constructor ---
    void FormCreate(framework::TObject* sender);
    void FormDestroy(framework::TObject* sender);
    void m_webDocumentComplete(framework::TObject* sender, const std::string& url);
    void m_sosoClick(framework::TObject* sender);
    void m_soso2Click(framework::TObject* sender);

  protected:
    void Notification(framework::TComponent* component, framework::Operation operation) override;
    // The tab keys reach the window even while the browser has the keyboard.
    void CreateHandleDone() override;

  private:
    void TakeComponents();
    void WireEvents();

    PageSite site_;
    std::array<framework::TCheckBox*, ServiceFilters.size()> serviceBoxes_{};
    TForm2* fittingRoom_ = nullptr;
    QueryRunner queryRunner_;
    std::unique_ptr<PageBridge> bridge_;
    std::unique_ptr<ResultTabCommands> tabCommands_;
};

// The main window's form data: the window, the filter panel with its lists (search_lists.h), the
// browser, and the skin components holding the skin the build chose (skins/program_skin.h: the
// shipped skin unless built with VELMORO_PROGRAM_SKIN=dusk).
const framework::FormData& MainWindowFormData();

}  // namespace app
