// What every skinned control offers the skin-change fan-out of its form, and the fan-out itself.
//
// Before a skin data component changes its skin, every skinned control on the form that reads from
// it forgets its record (ResetSkinIndex); after the change each takes the new skin
// (ChangeSkinData). The skinned frame component of a form runs this on SKM_BEFORECHANGESKINDATA and
// SKM_CHANGESKINDATA; a form without one may call HandleSkinChangeMessage from its own handler.
#pragma once

#include <cstdint>

#include "platform/window/types.h"

namespace framework {
class TComponent;
class TWinControl;
}  // namespace framework

namespace skin {

class TbsSkinData;

class SkinnedControl {
  public:
    virtual ~SkinnedControl() = default;
    virtual TbsSkinData* SkinData() const = 0;
    // Forgets the record: the skin it came from is about to change.
    virtual void ResetSkinIndex() = 0;
    // Reads the record anew and takes the new skin (size, font, faces).
    virtual void ChangeSkinData() = 0;
};

enum class SkinChangeStep { Before, After };

// Points a control's `link` at `next`, with the free notifications that clear the link when the
// skin data goes; true when the control should take the skin now (one is loaded, not designing).
bool LinkSkinData(framework::TComponent& control, TbsSkinData*& link, TbsSkinData* next);

// Every skinned control among the windowed descendants of `root` (recursively) whose SkinData is
// `changing` (every one of them when `changing` is null), in child order, parents first.
void NotifySkinnedControls(framework::TWinControl& root, const TbsSkinData* changing, SkinChangeStep step);

// For a form's own message handler: SKM_BEFORECHANGESKINDATA and SKM_CHANGESKINDATA (wParam the
// skin data) reach the form's skinned controls; true when the message was one of the two.
bool HandleSkinChangeMessage(framework::TWinControl& form, uint32_t message, platform::WPARAM wParam);

}  // namespace skin
