// A font description resolved for drawing: the Pango description, the language that steers the
// fallback for characters the face lacks, and the metrics the platform reports (tmHeight and
// friends). Fonts of equal description share one face. Internal to platform/gfx.
#pragma once

#include <pango/pango.h>

#include <memory>
#include <string>

#include "platform/gfx/font.h"

namespace platform::gdi {

struct FontMetrics {
    int32_t height = 0;  // ascent + descent: every line's height
    int32_t ascent = 0;
    int32_t descent = 0;
    int32_t emHeight = 0;
    int32_t aveCharWidth = 0;
    int32_t maxCharWidth = 0;
};

class FontFace {
  public:
    // The shared face of a description (made on first use).
    static std::shared_ptr<const FontFace> Of(const LOGFONT& font);

    FontFace(const LOGFONT& font, PangoFontDescription* description, PangoLanguage* language,
             const FontMetrics& metrics, std::string family);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    const LOGFONT& logFont() const { return logFont_; }
    const PangoFontDescription* description() const { return description_; }
    PangoLanguage* language() const { return language_; }
    const FontMetrics& metrics() const { return metrics_; }
    // The family fontconfig chose for the face name ("Liberation Sans" for "Arial").
    const std::string& family() const { return family_; }

  private:
    LOGFONT logFont_;
    PangoFontDescription* description_;
    PangoLanguage* language_;
    FontMetrics metrics_;
    std::string family_;
};

// The process-wide Pango context for a reading direction: one font map with the project's fonts
// registered, grey-scale anti-aliasing, slight hinting and whole-pixel metrics.
PangoContext* TextContext(bool rightToLeft);

}  // namespace platform::gdi
