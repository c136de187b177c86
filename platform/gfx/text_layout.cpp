#include "platform/gfx/text_layout.h"

#include <pango/pangocairo.h>

#include <list>
#include <unordered_map>

#include "platform/gfx/surface.h"

namespace platform::gdi {

namespace {

// Bytes of coverage held by all layouts alive; the cache lets go of layouts beyond a budget.
size_t g_coverageBytes = 0;

struct PreparedText {
    std::string text;
    std::vector<std::pair<int, int>> underlined;  // byte ranges of access-key characters
};

std::string ValidUtf8(std::string_view text) {
    if (text.size() > kMaxTextBytes)
        text = text.substr(0, kMaxTextBytes);
    gchar* valid = g_utf8_make_valid(text.data(), gssize(text.size()));
    std::string out;
    // Text ends at an embedded NUL, as it does for the platform's string calls.
    for (const gchar* p = valid; *p; ++p) out.push_back(*p);
    g_free(valid);
    return out;
}

size_t Utf8Length(unsigned char lead) {
    return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

// Line breaks, tabs and access-key prefixes as the options say.
PreparedText Prepare(std::string_view raw, const LayoutOptions& options) {
    const std::string valid = ValidUtf8(raw);
    std::string text;
    text.reserve(valid.size());
    for (size_t i = 0; i < valid.size(); ++i) {
        const char c = valid[i];
        if (c == '\r' || c == '\n') {
            if (options.singleLine)
                continue;
            if (c == '\r' && i + 1 < valid.size() && valid[i + 1] == '\n')
                ++i;
            text.push_back('\n');
        } else if (c == '\t' && !options.expandTabs) {
            text.push_back(' ');
        } else {
            text.push_back(c);
        }
    }
    if (!options.singleLine && !text.empty() && text.back() == '\n')
        text.pop_back();
    PreparedText out;
    if (!options.prefix) {
        out.text = std::move(text);
        return out;
    }
    out.text.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            out.text.push_back(text[i]);
            continue;
        }
        if (++i >= text.size())
            break;  // a lone "&" at the end shows nothing
        const size_t length =
            text[i] == '&' ? 1 : std::min(Utf8Length(static_cast<unsigned char>(text[i])), text.size() - i);
        if (text[i] != '&')
            out.underlined.emplace_back(int(out.text.size()), int(out.text.size() + length));
        out.text.append(text, i, length);
        i += length - 1;
    }
    return out;
}

PangoAttrList* Attributes(const FontFace& face, const PreparedText& prepared) {
    PangoAttrList* list = pango_attr_list_new();
    pango_attr_list_insert(list, pango_attr_language_new(face.language()));
    if (face.logFont().lfUnderline)
        pango_attr_list_insert(list, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    if (face.logFont().lfStrikeOut)
        pango_attr_list_insert(list, pango_attr_strikethrough_new(TRUE));
    for (const auto& [start, end] : prepared.underlined) {
        PangoAttribute* a = pango_attr_underline_new(PANGO_UNDERLINE_SINGLE);
        a->start_index = guint(start);
        a->end_index = guint(end);
        pango_attr_list_insert(list, a);
    }
    return list;
}

std::shared_ptr<const TextLayout> Make(const std::shared_ptr<const FontFace>& face, std::string_view raw,
                                       const LayoutOptions& options) {
    const PreparedText prepared = Prepare(raw, options);
    PangoLayout* layout = pango_layout_new(TextContext(options.rightToLeft));
    pango_layout_set_auto_dir(layout, FALSE);
    pango_layout_set_font_description(layout, face->description());
    pango_layout_set_text(layout, prepared.text.data(), int(prepared.text.size()));
    PangoAttrList* attributes = Attributes(*face, prepared);
    pango_layout_set_attributes(layout, attributes);
    pango_attr_list_unref(attributes);
    if (options.singleLine)
        pango_layout_set_single_paragraph_mode(layout, TRUE);
    if (options.wrapWidth >= 0 && !options.singleLine) {
        pango_layout_set_width(layout, std::min(options.wrapWidth, kMaxSurfaceDimension) * PANGO_SCALE);
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD);
    }
    if (options.expandTabs) {
        PangoTabArray* tabs =
            pango_tab_array_new_with_positions(1, TRUE, PANGO_TAB_LEFT, 8 * face->metrics().aveCharWidth);
        pango_layout_set_tabs(layout, tabs);
        pango_tab_array_free(tabs);
    }
    std::vector<TextLine> lines;
    if (!prepared.text.empty()) {
        for (GSList* l = pango_layout_get_lines_readonly(layout); l; l = l->next) {
            PangoRectangle logical;
            pango_layout_line_get_pixel_extents(static_cast<PangoLayoutLine*>(l->data), nullptr, &logical);
            lines.push_back({logical.width, -logical.x});
        }
    }
    return std::make_shared<TextLayout>(face, layout, std::move(lines));
}

// Most recently used first; bounded in entries and in coverage bytes.
class LayoutCache {
  public:
    std::shared_ptr<const TextLayout> get(const std::shared_ptr<const FontFace>& face, std::string_view text,
                                          const LayoutOptions& options) {
        std::string key = KeyOf(face.get(), text, options);
        if (auto it = index_.find(key); it != index_.end()) {
            entries_.splice(entries_.begin(), entries_, it->second);
            return it->second->layout;
        }
        auto layout = Make(face, text, options);
        entries_.push_front({key, layout});
        index_.emplace(std::move(key), entries_.begin());
        trim();
        return layout;
    }

  private:
    static constexpr size_t kMaxEntries = 512;
    static constexpr size_t kMaxCoverageBytes = 16 << 20;

    struct Entry {
        std::string key;
        std::shared_ptr<const TextLayout> layout;
    };

    static std::string KeyOf(const FontFace* face, std::string_view text, const LayoutOptions& o) {
        std::string key(reinterpret_cast<const char*>(&face), sizeof face);
        key.push_back(char(o.singleLine | o.expandTabs << 1 | o.prefix << 2 | o.rightToLeft << 3));
        key.append(reinterpret_cast<const char*>(&o.wrapWidth), sizeof o.wrapWidth);
        key.append(text);
        return key;
    }

    void trim() {
        while (entries_.size() > 1 &&
               (entries_.size() > kMaxEntries || g_coverageBytes > kMaxCoverageBytes)) {
            index_.erase(entries_.back().key);
            entries_.pop_back();
        }
    }

    std::list<Entry> entries_;
    std::unordered_map<std::string, std::list<Entry>::iterator> index_;
};

}  // namespace

TextLayout::TextLayout(std::shared_ptr<const FontFace> face, PangoLayout* layout, std::vector<TextLine> lines)
    : face_(std::move(face)), layout_(layout), lines_(std::move(lines)), coverage_(lines_.size()) {}

TextLayout::~TextLayout() {
    for (const auto& c : coverage_) {
        if (c)
            g_coverageBytes -= c->alpha.size();
    }
    g_object_unref(layout_);
}

int32_t TextLayout::width() const {
    int32_t w = 0;
    for (const TextLine& l : lines_) w = std::max(w, l.width);
    return w;
}

const Coverage& TextLayout::coverage(size_t i) const {
    if (coverage_[i])
        return *coverage_[i];
    auto c = std::make_unique<Coverage>();
    PangoLayoutLine* line = pango_layout_get_line_readonly(layout_, int(i));
    PangoRectangle ink;
    pango_layout_line_get_pixel_extents(line, &ink, nullptr);
    // One pixel of margin around the ink box for anti-aliased edges.
    const int32_t w = ink.width + 2, h = ink.height + 2;
    if (ink.width > 0 && ink.height > 0 && Surface::SizeAllowed(w, h)) {
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
        cairo_t* cr = cairo_create(s);
        cairo_move_to(cr, 1 - ink.x, 1 - ink.y);
        pango_cairo_show_layout_line(cr, line);
        cairo_destroy(cr);
        cairo_surface_flush(s);
        const unsigned char* data = cairo_image_surface_get_data(s);
        const int stride = cairo_image_surface_get_stride(s);
        c->left = lines_[i].originX + ink.x - 1;
        c->top = face_->metrics().ascent + ink.y - 1;
        c->width = w;
        c->height = h;
        c->alpha.resize(size_t(w) * size_t(h));
        for (int32_t y = 0; y < h; ++y)
            std::copy_n(data + size_t(y) * size_t(stride), w, &c->alpha[size_t(y) * size_t(w)]);
        cairo_surface_destroy(s);
        g_coverageBytes += c->alpha.size();
    }
    coverage_[i] = std::move(c);
    return *coverage_[i];
}

std::shared_ptr<const TextLayout> LayoutText(const std::shared_ptr<const FontFace>& face,
                                             std::string_view text, const LayoutOptions& options) {
    static LayoutCache* cache = new LayoutCache;  // never destroyed: layouts may be used during teardown
    return cache->get(face, text, options);
}

}  // namespace platform::gdi
