// The skinned window frame, whole: the frame component, its geometry and layout, and its objects.
#pragma once

#include "skin/frame/button_states.h"
#include "skin/frame/caption_drawing.h"
#include "skin/frame/frame_geometry.h"
#include "skin/frame/frame_layout.h"
#include "skin/frame/frame_objects.h"
#include "skin/frame/skin_form.h"
