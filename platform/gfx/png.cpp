#include "platform/gfx/png.h"

namespace platform {

bool SaveSurfacePng(const Surface&, const std::string&, PngAlpha) { return false; }
std::optional<Surface> LoadSurfacePng(const std::string&) { return std::nullopt; }

}  // namespace platform
