// The skin data module in one include: the skin data component, the stored skins it loads, the
// records it makes, the resource strings and the skin messages.
#pragma once

#include "skin/data/compressed_skin_list.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/form_info.h"
#include "skin/data/resource_strings.h"
#include "skin/data/skin_broadcast.h"
#include "skin/data/skin_colors.h"
#include "skin/data/skin_control_records.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/data/skin_object_records.h"
#include "skin/data/window_records.h"
