#include "platform/gfx/font_face.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace platform::gdi {

namespace {

// fonts-wine installs its Tahoma outside fontconfig's directories; the program registers it for
// itself (and for GTK in the same process) instead of changing the machine's configuration.
constexpr const char* kPrivateFonts[] = {
    "/usr/share/wine/fonts/tahoma.ttf",
    "/usr/share/wine/fonts/tahomabd.ttf",
};

PangoFontMap* FontMap() {
    static PangoFontMap* map = [] {
        FcInit();
        for (const char* file : kPrivateFonts)
            FcConfigAppFontAddFile(nullptr, reinterpret_cast<const FcChar8*>(file));
        return pango_cairo_font_map_new();
    }();
    return map;
}

PangoContext* MakeContext(PangoDirection direction) {
    PangoContext* context = pango_font_map_create_context(FontMap());
    cairo_font_options_t* options = cairo_font_options_create();
    // Grey-scale edges suit captions drawn onto skin pictures of any colour; slight hinting keeps
    // stems crisp without distorting shapes; whole-pixel metrics make every advance an integer, so
    // measured and drawn text line up exactly. Faces that carry hand-made bitmaps for small sizes
    // (Tahoma at 11 pixels) draw those: crisper than any outline there.
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    pango_cairo_context_set_font_options(context, options);
    cairo_font_options_destroy(options);
    pango_cairo_context_set_resolution(context, 96);
    pango_context_set_base_dir(context, direction);
    pango_context_set_round_glyph_positions(context, TRUE);
    return context;
}

PangoLanguage* LanguageOf(uint8_t charSet) {
    switch (charSet) {
        case GB2312_CHARSET:
            return pango_language_from_string("zh-cn");
        case CHINESEBIG5_CHARSET:
            return pango_language_from_string("zh-tw");
        case SHIFTJIS_CHARSET:
            return pango_language_from_string("ja");
        case HANGUL_CHARSET:
            return pango_language_from_string("ko");
        default:
            return pango_language_from_string("en");
    }
}

PangoFontDescription* DescriptionOf(const LOGFONT& f, double emPixels) {
    PangoFontDescription* d = pango_font_description_new();
    pango_font_description_set_family(d, f.lfFaceName.empty() ? "Tahoma" : f.lfFaceName.c_str());
    const int weight = f.lfWeight <= 0 ? FW_NORMAL : std::clamp(f.lfWeight, 100, 1000);
    pango_font_description_set_weight(d, PangoWeight(weight));
    pango_font_description_set_style(d, f.lfItalic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    pango_font_description_set_absolute_size(d, emPixels * PANGO_SCALE);
    return d;
}

struct LoadedMetrics {
    double ascent = 0, descent = 0, aveCharWidth = 0;
    std::string family;
};

// The metrics of the face fontconfig picks first for the description (not of fallback faces).
LoadedMetrics Load(const PangoFontDescription* d, PangoLanguage* language) {
    LoadedMetrics m;
    PangoFont* font = pango_context_load_font(TextContext(false), d);
    if (!font)
        return m;
    PangoFontMetrics* fm = pango_font_get_metrics(font, language);
    m.ascent = double(pango_font_metrics_get_ascent(fm)) / PANGO_SCALE;
    m.descent = double(pango_font_metrics_get_descent(fm)) / PANGO_SCALE;
    m.aveCharWidth = double(pango_font_metrics_get_approximate_char_width(fm)) / PANGO_SCALE;
    pango_font_metrics_unref(fm);
    PangoFontDescription* actual = pango_font_describe(font);
    if (const char* family = pango_font_description_get_family(actual))
        m.family = family;
    pango_font_description_free(actual);
    g_object_unref(font);
    return m;
}

std::shared_ptr<const FontFace> MakeFace(const LOGFONT& f) {
    PangoLanguage* language = LanguageOf(f.lfCharSet);
    const int32_t height = f.lfHeight == 0 ? kDefaultFontHeight : f.lfHeight;
    double em = std::abs(height);
    if (height > 0) {
        // A cell height: find the em whose ascent + descent is that tall, from the face's proportions.
        constexpr double kProbe = 1000;
        PangoFontDescription* probe = DescriptionOf(f, kProbe);
        const LoadedMetrics p = Load(probe, language);
        pango_font_description_free(probe);
        if (p.ascent + p.descent > 0)
            em = std::max(1.0, std::round(height * kProbe / (p.ascent + p.descent)));
    }
    PangoFontDescription* d = DescriptionOf(f, em);
    const LoadedMetrics m = Load(d, language);
    FontMetrics metrics;
    metrics.ascent = int32_t(std::ceil(m.ascent));
    metrics.descent = int32_t(std::ceil(m.descent));
    metrics.height = metrics.ascent + metrics.descent;
    metrics.emHeight = int32_t(em);
    metrics.aveCharWidth = std::max(1, int32_t(std::lround(m.aveCharWidth)));
    metrics.maxCharWidth = std::max(metrics.aveCharWidth, int32_t(std::lround(em)));
    return std::make_shared<FontFace>(f, d, language, metrics, m.family);
}

auto KeyOf(const LOGFONT& f) {
    return std::make_tuple(f.lfHeight, f.lfWeight, f.lfItalic, f.lfUnderline, f.lfStrikeOut, f.lfCharSet,
                           f.lfFaceName);
}

}  // namespace

PangoContext* TextContext(bool rightToLeft) {
    static PangoContext* ltr = MakeContext(PANGO_DIRECTION_LTR);
    static PangoContext* rtl = MakeContext(PANGO_DIRECTION_RTL);
    return rightToLeft ? rtl : ltr;
}

FontFace::FontFace(const LOGFONT& font, PangoFontDescription* description, PangoLanguage* language,
                   const FontMetrics& metrics, std::string family)
    : logFont_(font),
      description_(description),
      language_(language),
      metrics_(metrics),
      family_(std::move(family)) {}

FontFace::~FontFace() {
    pango_font_description_free(description_);
}

std::shared_ptr<const FontFace> FontFace::Of(const LOGFONT& font) {
    // Faces live while a font or a cached layout uses them; unused ones are dropped when the cache
    // grows, so creating and deleting fonts in a loop does not grow memory.
    static std::map<decltype(KeyOf(font)), std::shared_ptr<const FontFace>> faces;
    constexpr size_t kTrimAt = 128;
    auto key = KeyOf(font);
    if (auto it = faces.find(key); it != faces.end())
        return it->second;
    if (faces.size() >= kTrimAt)
        std::erase_if(faces, [](const auto& e) { return e.second.use_count() == 1; });
    auto face = MakeFace(font);
    faces.emplace(std::move(key), face);
    return face;
}

}  // namespace platform::gdi
