#include "skin/data/skin_broadcast.h"

#include <algorithm>

namespace skin {

namespace {

AppFormsProvider& Provider() {
    static AppFormsProvider provider;
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
