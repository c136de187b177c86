#include "skins/program_skin.h"

#include "skins/dusk_skin.h"
#include "skins/shipped_skin.h"

namespace skins {

std::span<const uint8_t> ProgramSkinCompressedData() {
    return VELMORO_PROGRAM_SKIN_DATA();
}

}  // namespace skins
