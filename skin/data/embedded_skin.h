// A skin compiled into a program as the bare zlib stream of its package (what `skinpack pack
// --bare` writes and a stored skin's "CompressedData" holds), loaded into a skin data component.
#pragma once

#include <cstdint>
#include <span>

namespace framework {
class TComponent;
}

namespace skin {

class TbsSkinData;

// A skin data component owned by `owner` (may be null) that has loaded the skin in
// `compressedStream`; the stored skin it loaded from belongs to the skin data component. A damaged
// stream raises what LoadStoredSkin raises for it.
TbsSkinData* LoadEmbeddedSkin(framework::TComponent* owner, std::span<const uint8_t> compressedStream);

}  // namespace skin
