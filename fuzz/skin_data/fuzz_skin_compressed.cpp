// Arbitrary bytes as a stored skin's "CompressedData", loaded as the skin data component does.
// Every failure must be one of the framework's exceptions; anything else (a crash, a sanitizer
// report, another exception) is a finding. Inflating the bytes in one piece must end as the stream
// routine does: the same bytes or the same error.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "skin/data/skin_data.h"
#include "skin/data/zlib_streams.h"

namespace {

// A limit small enough to keep each run quick, so that streams also meet it.
constexpr int64_t kLimit = int64_t(1) << 20;

// The bytes, or the error's message.
template <class InflateFn>
std::optional<std::vector<uint8_t>> Outcome(InflateFn inflate, std::string& error) {
    try {
        return inflate();
    } catch (const framework::Exception& e) {
        error = e.Message();
    }
    return std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string streamError, wholeError;
    const auto stream = Outcome(
        [&] {
            framework::TMemoryStream source(std::vector<uint8_t>(data, data + size)), dest;
            skin::DecompressStream(dest, source, kLimit);
            return std::vector<uint8_t>(dest.Bytes().begin(), dest.Bytes().end());
        },
        streamError);
    const auto whole = Outcome(
        [&] {
            const skin::InflatedBytes out = skin::InflateBytes(std::span<const uint8_t>(data, size), kLimit);
            return std::vector<uint8_t>(out.Bytes().begin(), out.Bytes().end());
        },
        wholeError);
    if (stream != whole || streamError != wholeError)
        std::abort();

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
