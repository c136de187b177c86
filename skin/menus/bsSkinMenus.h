// The skinned popup menus and their items, whole: the driver (TbsSkinMenu), its popups
// (TbsSkinPopupWindow) and items (TbsSkinMenuItem), the skinned popup menu component
// (TbsSkinPopupMenu), the seam a form's frame offers its menus (TbsSkinMenuHost), and the parts
// they are made of.
#pragma once

#include "skin/menus/item_layout.h"
#include "skin/menus/item_painting.h"
#include "skin/menus/menu_host.h"
#include "skin/menus/menu_session.h"
#include "skin/menus/menu_skin.h"
#include "skin/menus/popup_geometry.h"
#include "skin/menus/popup_painting.h"
#include "skin/menus/published_classes.h"
#include "skin/menus/skin_menu.h"
#include "skin/menus/skin_menu_item.h"
#include "skin/menus/skin_popup_menu.h"
#include "skin/menus/skin_popup_window.h"
