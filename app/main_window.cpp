#include "app/main_window.h"

#include "app/fitting_room.h"
#include "app/page_bridge.h"
#include "app/result_tab_commands.h"
#include "app/screen_placement.h"
#include "framework/core/exception.h"
#include "framework/core/form_data.h"
#include "framework/forms/screen.h"
#include "platform/window/native_widget.h"
#include "skin/controls/published_classes.h"
#include "skin/data/form_data_classes.h"

namespace app {

using framework::TObject;

namespace {

// The component of that name and class; the form data lists them all, so a missing one is a
// broken build, reported as a read error of the form.
template <class T>
T* Take(const framework::TComponent& form, std::string_view name) {
    T* component = framework::As<T>(form.FindComponent(std::string(name)));
    if (!component)
        throw framework::EReadError("TForm1: the form data has no component " + std::string(name) +
                                    " of the expected class");
    return component;
}

}  // namespace

TForm1::TForm1(framework::TComponent* owner, PageSite site) : TForm(owner), site_(std::move(site)) {
    skin::RegisterSkinDataClasses();
    skin::RegisterSkinControlClasses();
    skin::RegisterSkinFrameClasses();
    LoadFormData(MainWindowFormData(), [this] {
        TakeComponents();
        WireEvents();
        bridge_ = std::make_unique<PageBridge>(*this);
        tabCommands_ = std::make_unique<ResultTabCommands>(*this, *bridge_);
    });
}

// FormDestroy runs while the window is still a TForm1 (the base would run it only after this part
// of the object is gone when the window is deleted directly rather than by its owner).
TForm1::~TForm1() {
    DoDestroy();
}

void TForm1::TakeComponents() {
    Panel1 = Take<framework::TPanel>(*this, "Panel1");
    m_keyword = Take<framework::TEdit>(*this, "m_keyword");
    m_cid = Take<framework::TComboBox>(*this, "m_cid");
    m_sp = Take<framework::TSpinEdit>(*this, "m_sp");
    m_ep = Take<framework::TSpinEdit>(*this, "m_ep");
    m_loc = Take<framework::TComboBox>(*this, "m_loc");
    m_sort = Take<framework::TComboBox>(*this, "m_sort");
    m_sc = Take<framework::TComboBox>(*this, "m_sc");
    m_ec = Take<framework::TComboBox>(*this, "m_ec");
    m_soso = Take<framework::TButton>(*this, "m_soso");
    m_soso2 = Take<framework::TButton>(*this, "m_soso2");
    m_tab = Take<skin::TbsSkinTabControl>(*this, "m_tab");
    m_web = Take<framework::TWebBrowser>(*this, "m_web");
    bsBusinessSkinForm1 = Take<skin::TbsSkinForm>(*this, "bsBusinessSkinForm1");
    bsSkinData1 = Take<skin::TbsSkinData>(*this, "bsSkinData1");
    bsCompressedStoredSkin1 = Take<skin::TbsCompressedStoredSkin>(*this, "bsCompressedStoredSkin1");
    for (const ServiceEntry& entry : ServiceFilters)
        serviceBoxes_[size_t(entry.service)] = Take<framework::TCheckBox>(*this, entry.component);
}

void TForm1::WireEvents() {
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    OnDestroy = [this](TObject* sender) { FormDestroy(sender); };
    m_web->OnDocumentComplete = [this](TObject* sender, const std::string& url) {
        m_webDocumentComplete(sender, url);
    };
    m_soso->OnClick = [this](TObject* sender) { m_sosoClick(sender); };
    m_soso2->OnClick = [this](TObject* sender) { m_soso2Click(sender); };
}

// --- Panel ------------------------------------------------------------------------------------

PanelState TForm1::ReadPanel() const {
    PanelState panel;
    panel.keyword = m_keyword->Text();
    panel.category = m_cid->ItemIndex();
    panel.priceLow = m_sp->Text();
    panel.priceHigh = m_ep->Text();
    panel.location = m_loc->ItemIndex();
    panel.sort = m_sort->ItemIndex();
    panel.creditLow = m_sc->ItemIndex();
    panel.creditHigh = m_ec->ItemIndex();
    for (const ServiceEntry& entry : ServiceFilters)
        if (ServiceBox(entry.service)->Checked())
            panel.services.Add(entry.service);
    return panel;
}

namespace {

void SetTextIfChanged(framework::TControl& control, const std::string& text) {
    if (control.Text() != text)
        control.SetText(text);
}
void SetIndexIfChanged(framework::TComboBox& list, int index) {
    if (list.ItemIndex() != index)
        list.SetItemIndex(index);
}

}  // namespace

void TForm1::WritePanel(const PanelState& panel) {
    SetTextIfChanged(*m_keyword, panel.keyword);
    SetIndexIfChanged(*m_cid, panel.category);
    SetTextIfChanged(*m_sp, panel.priceLow);
    SetTextIfChanged(*m_ep, panel.priceHigh);
    SetIndexIfChanged(*m_loc, panel.location);
    SetIndexIfChanged(*m_sort, panel.sort);
    SetIndexIfChanged(*m_sc, panel.creditLow);
    SetIndexIfChanged(*m_ec, panel.creditHigh);
    for (const ServiceEntry& entry : ServiceFilters) {
        framework::TCheckBox& box = *ServiceBox(entry.service);
        if (box.Checked() != panel.services.Has(entry.service))
            box.SetChecked(panel.services.Has(entry.service));
    }
}

// --- Events -----------------------------------------------------------------------------------

void TForm1::FormCreate(TObject*) {
    // Placed for the expanded height, so the collapsed window sits above the centre and the
    // expanded one is centred.
    const platform::Point at = CentredTopLeft({framework::Screen->Width(), framework::Screen->Height()},
                                              {Width(), Height()}, kLiftAboveCentre);
    SetBounds(at.X, at.Y, Width(), Height());
    SetClientHeight(kCollapsedClientHeight);
    fittingRoom_ = new TForm2(this, site_);
    fittingRoom_->Hide();
    m_web->Navigate(site_.HomePageUrl());
}

void TForm1::FormDestroy(TObject*) {
    delete fittingRoom_;
    fittingRoom_ = nullptr;
}

void TForm1::m_webDocumentComplete(TObject*, const std::string&) {
    m_soso->SetEnabled(true);
}

// Another Enter or click while the page answers is held until the search is done (the page call
// holds the user's input), and then searches again.
void TForm1::m_sosoClick(TObject*) {
    const BuiltQuery built = BuildQuery(ReadPanel());
    WritePanel(built.panel);
    if (queryRunner_)
        queryRunner_(built.query);
}

void TForm1::m_soso2Click(TObject*) {
    if (fittingRoom_)
        fittingRoom_->Show();
}

void TForm1::CreateHandleDone() {
    TForm::CreateHandleDone();
    platform::ClaimKeysFromNativeWidgets(Handle(), TabKeyChords());
}

void TForm1::Notification(framework::TComponent* component, framework::Operation operation) {
    TForm::Notification(component, operation);
    if (operation == framework::Operation::opRemove && component == fittingRoom_)
        fittingRoom_ = nullptr;
}

}  // namespace app
