#include "platform/window/utf8.h"

#include "platform/utf8.h"

namespace platform::win {

std::vector<uint32_t> CodePointsOf(std::string_view text) {
    std::vector<uint32_t> out;
    for (size_t i = 0; i < text.size();) {
        const utf8::Step step = utf8::DecodeAt(text, i);
        out.push_back(step.codePoint);
        i += step.length;
    }
    return out;
}

size_t PrefixLength(std::string_view text, size_t maxBytes) {
    if (text.size() <= maxBytes)
        return text.size();
    size_t end = maxBytes;
    // Step back over continuation bytes to the start of the character that does not fit.
    while (end > 0 && utf8::IsContinuation(text[end])) --end;
    return end;
}

}  // namespace platform::win
