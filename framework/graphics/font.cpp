#include "framework/graphics/font.h"

#include "platform/gfx/gdi_object.h"

namespace framework {

TFont::TFont() = default;

TFont::~TFont() { DropHandle(); }

void TFont::SetName(const std::string& name) {
    if (name == name_) return;
    name_ = name;
    Changed();
}

void TFont::SetHeight(int32_t height) {
    if (height == height_) return;
    height_ = height;
    Changed();
}

int32_t TFont::Size() const {
    // Rounded to the nearest point, as the platform's conversion does.
    const int32_t pixels = height_ < 0 ? -height_ : height_;
    return (pixels * 72 + kScreenPixelsPerInch / 2) / kScreenPixelsPerInch;
}

void TFont::SetSize(int32_t points) {
    SetHeight(-((points * kScreenPixelsPerInch + 36) / 72));
}

void TFont::SetStyle(TFontStyles style) {
    if (style == style_) return;
    style_ = style;
    Changed();
}

void TFont::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    // The colour is not part of the platform font: the handle stays.
    if (OnChange) OnChange(this);
}

void TFont::SetCharset(uint8_t charset) {
    if (charset == charset_) return;
    charset_ = charset;
    Changed();
}

void TFont::Assign(const TFont& source) {
    if (&source == this) return;
    if (SameAs(source)) return;
    name_ = source.name_;
    height_ = source.height_;
    style_ = source.style_;
    color_ = source.color_;
    charset_ = source.charset_;
    Changed();
}

bool TFont::SameAs(const TFont& other) const {
    return name_ == other.name_ && height_ == other.height_ && style_ == other.style_ && color_ == other.color_ &&
           charset_ == other.charset_;
}

platform::LOGFONT TFont::LogFont() const {
    platform::LOGFONT font;
    font.lfHeight = height_;
    font.lfWeight = style_.contains(TFontStyle::fsBold) ? platform::FW_BOLD : platform::FW_NORMAL;
    font.lfItalic = style_.contains(TFontStyle::fsItalic);
    font.lfUnderline = style_.contains(TFontStyle::fsUnderline);
    font.lfStrikeOut = style_.contains(TFontStyle::fsStrikeOut);
    font.lfCharSet = charset_;
    font.lfFaceName = name_;
    return font;
}

platform::HFONT TFont::Handle() const {
    if (!handle_) handle_ = platform::CreateFontIndirect(LogFont());
    // A height the platform refuses still draws, in the default height.
    if (!handle_) {
        platform::LOGFONT fallback = LogFont();
        fallback.lfHeight = platform::kDefaultFontHeight;
        handle_ = platform::CreateFontIndirect(fallback);
    }
    return handle_;
}

void TFont::Changed() {
    DropHandle();
    if (OnChange) OnChange(this);
}

void TFont::DropHandle() const {
    if (handle_) platform::DeleteObject(handle_);
    handle_ = nullptr;
}

}  // namespace framework
