// The shipped skin as the main window carries it: the bare zlib stream of the skin package packed
// from skins/default/ at build time (the form data's "CompressedData"). The program never reads
// that folder when it runs.
#pragma once

#include <cstdint>
#include <span>

namespace skins {

// The same bytes for the same skin folder: packing is deterministic.
std::span<const uint8_t> ShippedSkinCompressedData();

}  // namespace skins
