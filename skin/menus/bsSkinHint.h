// The skinned hints, whole: the component (TbsSkinHint), its window (TbsSkinHintWindow) and the
// window's geometry.
#pragma once

#include "skin/menus/hint_geometry.h"
#include "skin/menus/skin_hint.h"
#include "skin/menus/skin_hint_window.h"
