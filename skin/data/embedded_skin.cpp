#include "skin/data/embedded_skin.h"

#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"

namespace skin {

TbsSkinData* LoadEmbeddedSkin(framework::TComponent* owner, std::span<const uint8_t> compressedStream) {
    auto* data = new TbsSkinData(owner);
    auto* stored = new TbsCompressedStoredSkin(data);
    stored->SetFileName("skin.ini");
    stored->SetCompressedData(compressedStream);
    data->LoadStoredSkin(*stored);
    return data;
}

}  // namespace skin
