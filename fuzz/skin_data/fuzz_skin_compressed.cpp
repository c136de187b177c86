// Arbitrary bytes as a stored skin's "CompressedData", loaded as the skin data component does.
// Every failure must be one of the framework's exceptions; anything else (a crash, a sanitizer
// report, another exception) is a finding.
#include <cstddef>
#include <cstdint>

#include "skin/data/skin_data.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    skin::TbsCompressedStoredSkin stored(nullptr);
    framework::TMemoryStream bytes(std::vector<uint8_t>(data, data + size));
    stored.ReadCompressedData(bytes);
    skin::TbsSkinData skinData(nullptr);
    try {
        skinData.LoadStoredSkin(stored);
    } catch (const framework::Exception&) {
    }
    return 0;
}
