#include "platform/gfx/font.h"

#include <memory>

#include "platform/gfx/objects.h"

namespace platform {

namespace {

constexpr size_t kMaxFaceNameBytes = 31;

// Cuts a UTF-8 name to the byte limit without splitting a character.
void LimitFaceName(std::string& name) {
    if (name.size() <= kMaxFaceNameBytes)
        return;
    size_t n = kMaxFaceNameBytes;
    while (n > 0 && (static_cast<unsigned char>(name[n]) & 0xC0) == 0x80) --n;
    name.resize(n);
}

}  // namespace

HFONT CreateFontIndirect(const LOGFONT& font) {
    if (font.lfHeight < -kMaxFontHeight || font.lfHeight > kMaxFontHeight)
        return nullptr;
    auto f = std::make_unique<gdi::FontObject>();
    f->description = font;
    LimitFaceName(f->description.lfFaceName);
    return static_cast<HFONT>(gdi::Insert(gdi::Kind::Font, std::move(f)));
}

HFONT CreateFont(int32_t height, int32_t width, int32_t, int32_t, int32_t weight, bool italic, bool underline,
                 bool strikeOut, uint8_t charSet, uint8_t, uint8_t, uint8_t, uint8_t,
                 const std::string& faceName) {
    LOGFONT f;
    f.lfHeight = height;
    f.lfWidth = width;
    f.lfWeight = weight;
    f.lfItalic = italic;
    f.lfUnderline = underline;
    f.lfStrikeOut = strikeOut;
    f.lfCharSet = charSet;
    f.lfFaceName = faceName;
    return CreateFontIndirect(f);
}

bool GetObject(HFONT font, LOGFONT* out) {
    const auto* f = gdi::Find<gdi::FontObject>(font);
    if (!f || !out)
        return false;
    *out = f->description;
    return true;
}

}  // namespace platform
