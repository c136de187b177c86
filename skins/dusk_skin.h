// Velmoro Dusk, the second skin, packed from skins/dusk/ at build time: the shipped skin's faces
// in dusk colours, rounded top corners and a layered drop shadow around the window.
#pragma once

#include <cstdint>
#include <span>

namespace skins {

std::span<const uint8_t> DuskSkinCompressedData();

}  // namespace skins
