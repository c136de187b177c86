# Writes OUTPUT: a C++ source holding every file of FILES (semicolon-separated) as bytes, for
# pageserver/web_assets.h. Run by the build with cmake -P whenever a file changes.
set(entries "")
set(arrays "")
set(index 0)
foreach(path IN LISTS FILES)
  get_filename_component(name ${path} NAME)
  file(READ ${path} hex HEX)
  string(LENGTH "${hex}" hexLength)
  math(EXPR size "${hexLength} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
  string(APPEND arrays "const char asset${index}[] = {${bytes} 0};\n")
  string(APPEND entries "    {\"${name}\", std::string_view(asset${index}, ${size})},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE ${OUTPUT}.tmp "// Generated from pageserver/web/ by pageserver/embed_web.cmake; do not edit.
#include <array>
#include <string_view>

#include \"pageserver/web_assets.h\"

namespace pageserver {
namespace {
${arrays}
const std::array<WebAsset, ${index}> assets{{
${entries}}};
}  // namespace

const WebAsset* FindWebAsset(std::string_view name) {
    for (const WebAsset& asset : assets) {
        if (asset.name == name) {
            return &asset;
        }
    }
    return nullptr;
}

}  // namespace pageserver
")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
