// How TbsSkinData reaches the application's forms, and in which order.
//
// The forms list, window handles and SendMessage belong to the framework and the window system.
// They reach the skin data through one seam: a provider of the application's forms, each with its
// class name and a synchronous send call. The provider in place from the start lists the forms of
// the framework's application (none while there is no application); tests may replace it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/component.h"

namespace skin {

struct AppForm {
    // The form component, to recognise the skin data's owner among the forms.
    const framework::TComponent* form = nullptr;
    std::string className;
    // Sends a message to the form's window and returns once the window has handled it.
    std::function<void(uint32_t message, uintptr_t wParam, intptr_t lParam)> send;
};

// The application's forms in the application's order. Taking a form's handle creates its window;
// that is the provider's business.
using AppFormsProvider = std::function<std::vector<AppForm>()>;

// Installs the provider (an empty one: no forms) and returns the one it replaces.
AppFormsProvider SetAppFormsProvider(AppFormsProvider provider);
std::vector<AppForm> ApplicationForms();

// Layered-border windows are forms of their own but never hear skin messages.
constexpr std::string_view kLayerWindowClassName = "TbsFormLayerWindow";

// The positions in `forms` to send a skin message to, in sending order:
// 1. the owner form first when the owner is one of the forms and layered borders are off;
// 2. then every other form except layered-border windows, in the application's order, or from
//    the last to the first when layered borders are on and the skin has a layered frame picture
//    (so that the frames under the windows change before the windows over them).
std::vector<size_t> SkinBroadcastOrder(const std::vector<AppForm>& forms, const framework::TComponent* owner,
                                       bool showLayeredBorders, int32_t layerFramePictureIndex);

}  // namespace skin
