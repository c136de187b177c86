// Arbitrary bytes as an inflated skin package: stored (zlib level 0, cheap) and loaded as the
// skin data component does.
#include <cstddef>
#include <cstdint>

#include "skin/data/skin_data.h"
#include "skin/data/zlib_streams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    framework::TMemoryStream package(std::vector<uint8_t>(data, data + size)), compressed;
    skin::CompressStream(package, compressed, skin::TCompressionLevel::clNone);
    compressed.SetPosition(0);
    skin::TbsCompressedStoredSkin stored(nullptr);
    stored.ReadCompressedData(compressed);
    skin::TbsSkinData skinData(nullptr);
    try {
        skinData.LoadStoredSkin(stored);
    } catch (const framework::Exception&) {
    }
    return 0;
}
