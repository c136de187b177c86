// The skin the program wears: the shipped skin, or the one the build chose instead
// (VELMORO_PROGRAM_SKIN). Either way it is compiled in; the program reads no settings at run time.
#pragma once

#include <cstdint>
#include <span>

namespace skins {

std::span<const uint8_t> ProgramSkinCompressedData();

}  // namespace skins
