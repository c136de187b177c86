#include "skin/data/skin_broadcast.h"

#include <algorithm>

#include "framework/forms/application.h"
#include "platform/window/message_loop.h"

namespace skin {

namespace {

// The framework application's forms in the order they were made. Each form's window is taken (made
// if need be) now, and the send goes to that window, which the window system refuses once it is
// gone: a form freed by an earlier notice of the same broadcast is simply skipped.
std::vector<AppForm> FrameworkForms() {
    std::vector<AppForm> forms;
    framework::TApplication* application = framework::Application;
    if (!application)
        return forms;
    for (int i = 0; i < application->FormCount(); ++i) {
        framework::TForm* form = application->Forms(i);
        const platform::HWND window = form->Handle();
        forms.push_back(
            {form, form->ClassName(), [window](uint32_t message, uintptr_t wParam, intptr_t lParam) {
                 platform::SendMessage(window, message, wParam, lParam);
             }});
    }
    return forms;
}

AppFormsProvider& Provider() {
    static AppFormsProvider provider = FrameworkForms;
    return provider;
}

}  // namespace

AppFormsProvider SetAppFormsProvider(AppFormsProvider provider) {
    std::swap(Provider(), provider);
    return provider;
}

std::vector<AppForm> ApplicationForms() {
    return Provider() ? Provider()() : std::vector<AppForm>{};
}

std::vector<size_t> SkinBroadcastOrder(const std::vector<AppForm>& forms, const framework::TComponent* owner,
                                       bool showLayeredBorders, int32_t layerFramePictureIndex) {
    std::vector<size_t> order;
    const framework::TComponent* servedFirst = nullptr;
    if (owner && !showLayeredBorders) {
        for (size_t i = 0; i < forms.size(); ++i)
            if (forms[i].form == owner) {
                order.push_back(i);
                servedFirst = owner;
                break;
            }
    }
    std::vector<size_t> rest;
    for (size_t i = 0; i < forms.size(); ++i) {
        if (servedFirst && forms[i].form == servedFirst)
            continue;
        if (forms[i].className == kLayerWindowClassName)
            continue;
        rest.push_back(i);
    }
    if (showLayeredBorders && layerFramePictureIndex != -1)
        std::reverse(rest.begin(), rest.end());
    order.insert(order.end(), rest.begin(), rest.end());
    return order;
}

}  // namespace skin
