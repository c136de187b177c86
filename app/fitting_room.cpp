#include "app/fitting_room.h"

#include "app/screen_placement.h"
#include "framework/core/form_data.h"
#include "framework/forms/screen.h"

namespace app {

using framework::FormData;
using framework::Ident;
using framework::SetOf;

namespace {

const FormData& FittingRoomFormData() {
    static const FormData data{
        {{"Caption", ""},
         {"BorderStyle", Ident{"bsToolWindow"}},
         {"BorderIcons", SetOf{{"biSystemMenu"}}},
         {"ClientWidth", 790},
         {"ClientHeight", 680},
         {"Color", Ident{"clBtnFace"}},
         {"Font.Name", "Tahoma"},
         {"Font.Height", -11}},
        {
            {"TWebBrowser", "m_web", "", {{"Align", Ident{"alClient"}}, {"TabOrder", 0}}},
        }};
    return data;
}

}  // namespace

TForm2::TForm2(framework::TComponent* owner, PageSite site) : TForm(owner), site_(std::move(site)) {
    LoadFormData(FittingRoomFormData(), [this] {
        m_web = framework::As<framework::TWebBrowser>(FindComponent("m_web"));
        OnCreate = [this](framework::TObject* sender) { FormCreate(sender); };
    });
}

void TForm2::FormCreate(framework::TObject*) {
    const platform::Point at = CentredTopLeft({framework::Screen->Width(), framework::Screen->Height()},
                                              {Width(), Height()}, kLiftAboveCentre);
    SetBounds(at.X, at.Y, Width(), Height());
    m_web->Navigate(site_.FittingRoomUrl());
}

}  // namespace app
