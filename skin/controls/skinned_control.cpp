#include "skin/controls/skinned_control.h"

#include <vector>

#include "framework/controls/win_control.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"

namespace skin {

bool LinkSkinData(framework::TComponent& control, TbsSkinData*& link, TbsSkinData* next) {
    if (link && link != next)
        link->RemoveFreeNotification(&control);
    link = next;
    if (link)
        link->FreeNotification(&control);
    return link && !link->Empty() && !control.InState(framework::csDesigning);
}

void NotifySkinnedControls(framework::TWinControl& root, const TbsSkinData* changing, SkinChangeStep step) {
    // A control taking a skin may add or remove children (the tab strip's scroller): walk a copy.
    std::vector<framework::TWinControl*> children;
    for (int i = 0; i < root.ControlCount(); ++i)
        if (auto* child = dynamic_cast<framework::TWinControl*>(root.Controls(i)))
            children.push_back(child);
    for (framework::TWinControl* child : children) {
        if (auto* skinned = dynamic_cast<SkinnedControl*>(child);
            skinned && (!changing || skinned->SkinData() == changing)) {
            if (step == SkinChangeStep::Before)
                skinned->ResetSkinIndex();
            else
                skinned->ChangeSkinData();
        }
        NotifySkinnedControls(*child, changing, step);
    }
}

bool HandleSkinChangeMessage(framework::TWinControl& form, uint32_t message, platform::WPARAM wParam) {
    if (message != SKM_BEFORECHANGESKINDATA && message != SKM_CHANGESKINDATA)
        return false;
    const auto* changing = reinterpret_cast<const TbsSkinData*>(wParam);
    NotifySkinnedControls(
        form, changing, message == SKM_BEFORECHANGESKINDATA ? SkinChangeStep::Before : SkinChangeStep::After);
    return true;
}

}  // namespace skin
