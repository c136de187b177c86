#include "skin/menus/menu_host.h"

#include "framework/core/component.h"

namespace skin {

TbsSkinMenuHost* FindMenuHost(const framework::TComponent* owner) {
    if (!owner)
        return nullptr;
    for (int i = 0; i < owner->ComponentCount(); ++i)
        if (auto* host = dynamic_cast<TbsSkinMenuHost*>(owner->Components(i)))
            return host;
    return nullptr;
}

}  // namespace skin
