// Generated pictures of the sample catalogue, as SVG: each item's product picture, and the fitting
// room's figure wearing a chosen outfit. Garments are drawn in the figure's own coordinates, so the
// product picture and the figure wearing it show the same garment.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "pageserver/catalogue.h"

namespace pageserver {

// Where a garment is worn; an outfit holds at most one garment per slot, and a dress (or a suit)
// takes the place of both top and bottom.
enum class Slot { Bottom, Top, Dress, Outer };

Slot SlotOf(const Item& item);
std::string_view SlotName(Slot slot);  // "bottom", "top", "dress", "outer"

std::string ItemPictureSvg(const Item& item);

// What the figure ends up wearing when the garments are put on in this order: each one takes off
// what it replaces. Returned in drawing order (bottom, top or dress, outer).
std::vector<const Item*> Outfit(const std::vector<const Item*>& putOn);

// The figure wearing the outfit (an empty outfit shows the figure in its plain base layer).
std::string FittingSvg(const std::vector<const Item*>& outfit);

}  // namespace pageserver
