// PNG files of surfaces, for tests, tools and screenshots of the headless display (Cairo's PNG
// support underneath).
#pragma once

#include <optional>
#include <string>

#include "platform/gfx/surface.h"

namespace platform {

// How the alpha byte of the surface's pixels is read when saving.
enum class PngAlpha {
    Ignore,         // every pixel saved opaque: window surfaces, screens, most drawings
    Premultiplied,  // colour bytes already multiplied by alpha: layered-window images
};

// False when the file cannot be written or the surface is empty.
bool SaveSurfacePng(const Surface& surface, const std::string& path, PngAlpha alpha = PngAlpha::Ignore);

// The picture of a PNG file; pixels without alpha in the file get 255, others come premultiplied.
// Nothing when the file cannot be read or decoded, or is larger than a surface may be.
std::optional<Surface> LoadSurfacePng(const std::string& path);

}  // namespace platform
