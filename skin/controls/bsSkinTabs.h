// The skinned tab strip: the control, its record, its geometry and its close boxes.
#pragma once

#include "skin/controls/close_box.h"
#include "skin/controls/skin_tab_control.h"
#include "skin/controls/tab_geometry.h"
#include "skin/controls/tab_skin.h"
