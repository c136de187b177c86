#include "framework/browser/gtk/page_call_script.h"

#include <string_view>

namespace framework::webkit {

namespace {

std::vector<std::string_view> PartsBetweenNuls(std::string_view text) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (;;) {
        size_t nul = text.find('\0', start);
        parts.push_back(
            text.substr(start, nul == std::string_view::npos ? std::string_view::npos : nul - start));
        if (nul == std::string_view::npos)
            return parts;
        start = nul + 1;
    }
}

GVariant* StringValue(std::string_view text) {
    gchar* valid = g_utf8_make_valid(text.data(), gssize(text.size()));
    GVariant* v = g_variant_new_take_string(valid);
    return v;
}

}  // namespace

std::string PageCallScript(const std::vector<PageArg>& args) {
    std::string call = "f.call(window";
    for (size_t i = 0; i < args.size(); ++i) {
        std::string a = "a" + std::to_string(i);
        if (std::holds_alternative<int32_t>(args[i])) {
            call += ", " + a;
            continue;
        }
        size_t parts = PartsBetweenNuls(std::get<std::string>(args[i])).size();
        if (parts == 1) {
            call += ", " + a + "_0";
            continue;
        }
        call += ", [";
        for (size_t k = 0; k < parts; ++k) call += (k ? ", " : "") + a + "_" + std::to_string(k);
        call += "].join(\"\\u0000\")";
    }
    call += ")";
    return "const f = window[name];\n"
           "if (typeof f !== \"function\") return [0];\n"
           "return [1, " +
           call + "];";
}

GVariant* PageCallArguments(const std::string& name, const std::vector<PageArg>& args) {
    GVariantBuilder builder;
    g_variant_builder_init(&builder, G_VARIANT_TYPE_VARDICT);
    g_variant_builder_add(&builder, "{sv}", "name", StringValue(name));
    for (size_t i = 0; i < args.size(); ++i) {
        std::string a = "a" + std::to_string(i);
        if (const int32_t* n = std::get_if<int32_t>(&args[i])) {
            g_variant_builder_add(&builder, "{sv}", a.c_str(), g_variant_new_int32(*n));
            continue;
        }
        std::vector<std::string_view> parts = PartsBetweenNuls(std::get<std::string>(args[i]));
        for (size_t k = 0; k < parts.size(); ++k) {
            std::string key = a + "_" + std::to_string(k);
            g_variant_builder_add(&builder, "{sv}", key.c_str(), StringValue(parts[k]));
        }
    }
    return g_variant_builder_end(&builder);
}

}  // namespace framework::webkit
