// The skinned control base: TbsSkinControl, TbsSkinCustomControl, the skin-change fan-out and the
// form-data registration of the skinned controls.
#pragma once

#include "skin/controls/custom_face.h"
#include "skin/controls/published_classes.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skin_custom_control.h"
#include "skin/controls/skinned_control.h"
