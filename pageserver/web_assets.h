// The pages, scripts and style sheets under pageserver/web/, built into the server so that it
// needs no files at run time.
#pragma once

#include <string_view>

namespace pageserver {

struct WebAsset {
    std::string_view name;  // file name under web/, e.g. "index.html"
    std::string_view bytes;
};

// Nothing when there is no such file.
const WebAsset* FindWebAsset(std::string_view name);

// "text/html; charset=utf-8" and the like, from the file name's extension.
std::string_view ContentTypeOf(std::string_view name);

}  // namespace pageserver
