#include "platform/window/utf8.h"

namespace platform::win {

namespace {

// The length of the sequence a lead byte starts; 1 for a byte that starts none.
size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead >> 5) == 0x6) return 2;
    if ((lead >> 4) == 0xE) return 3;
    if ((lead >> 3) == 0x1E) return 4;
    return 1;
}

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The length of the valid sequence at `i`, or 0 when there is none.
size_t ValidSequenceAt(std::string_view text, size_t i) {
    auto lead = static_cast<unsigned char>(text[i]);
    size_t length = SequenceLength(lead);
    if (length == 1) return lead < 0x80 ? 1 : 0;
    if (i + length > text.size()) return 0;
    for (size_t k = 1; k < length; ++k) {
        if (!IsContinuation(static_cast<unsigned char>(text[i + k]))) return 0;
    }
    return length;
}

}  // namespace

std::vector<uint32_t> CodePointsOf(std::string_view text) {
    std::vector<uint32_t> out;
    for (size_t i = 0; i < text.size();) {
        size_t length = ValidSequenceAt(text, i);
        auto lead = static_cast<unsigned char>(text[i]);
        if (length == 0) {
            out.push_back(lead);
            ++i;
            continue;
        }
        uint32_t cp = length == 1 ? lead : lead & (0x7Fu >> length);
        for (size_t k = 1; k < length; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
        out.push_back(cp);
        i += length;
    }
    return out;
}

size_t PrefixLength(std::string_view text, size_t maxBytes) {
    if (text.size() <= maxBytes) return text.size();
    size_t end = maxBytes;
    // Step back over continuation bytes to the start of the character that does not fit.
    while (end > 0 && IsContinuation(static_cast<unsigned char>(text[end]))) --end;
    return end;
}

}  // namespace platform::win
