// Arbitrary bytes as an inflated skin package, stored (zlib level 0, cheap) and linted as
// `skinpack lint` lints a skin: whatever the package holds, the lint reports it and never throws,
// and its findings always print, as text and as JSON.
#include <cstddef>
#include <cstdint>

#include "skin/data/zlib_streams.h"
#include "tools/skinpack/skin_lint.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    framework::TMemoryStream package(std::vector<uint8_t>(data, data + size)), compressed;
    skin::CompressStream(package, compressed, skin::TCompressionLevel::clNone);
    compressed.SetPosition(0);
    skin::TbsCompressedStoredSkin stored(nullptr);
    stored.ReadCompressedData(compressed);
    std::vector<tools::LintFinding> findings = tools::LintStoredSkin(stored);
    tools::FindingsText(findings);
    tools::FindingsJson(findings);
    return 0;
}
