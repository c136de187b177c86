// The skinned up-down (the tab strip's scroller).
#pragma once

#include "skin/controls/skin_updown.h"
#include "skin/controls/updown_buttons.h"
