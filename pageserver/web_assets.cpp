#include "pageserver/web_assets.h"

#include <array>
#include <utility>

namespace pageserver {

std::string_view ContentTypeOf(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 5> types{{
        {".html", "text/html; charset=utf-8"},
        {".js", "text/javascript; charset=utf-8"},
        {".css", "text/css; charset=utf-8"},
        {".svg", "image/svg+xml"},
        {".json", "application/json; charset=utf-8"},
    }};
    for (const auto& [extension, type] : types) {
        if (name.ends_with(extension)) {
            return type;
        }
    }
    return "application/octet-stream";
}

}  // namespace pageserver
