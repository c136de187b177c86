// The skin package: a skin's pictures and INI text in one byte layout, as a stored skin inflates to.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/stream.h"
#include "framework/graphics/bitmap.h"

namespace skin {

// The version the writer writes and the highest one the reader takes.
constexpr int32_t kSkinPackageVersion = 3;
// All pictures of one package together hold at most this many pixels (a package is at most
// kMaxInflatedSize bytes, but 1-bit pictures would grow 32-fold in memory).
constexpr int64_t kMaxPackagePixels = int64_t(1) << 26;

// Where one BMP image lies in the package.
struct PicturePlacement {
    int64_t offset = 0;
    int64_t size = 0;
};

struct SkinPackageLayout {
    int32_t version = 0;
    std::optional<PicturePlacement> frame, inactiveFrame, mask;  // none: flag byte not 0
    std::vector<PicturePlacement> activePictures;
    int64_t iniOffset = 0;
    int64_t iniSize = 0;
};

struct SkinPackage {
    SkinPackageLayout layout;
    framework::TBitmap frame, inactiveFrame, mask;  // empty when absent
    std::vector<framework::TBitmap> activePictures;
    std::vector<std::string> iniLines;

    // A package whose version is above kSkinPackageVersion: only the version was read.
    bool Refused() const { return layout.version > kSkinPackageVersion; }
};

// Reads a package from the stream's position to its end. A package that ends early raises
// EReadError, a damaged picture EInvalidGraphic; an INI text of too many lines EReadError.
SkinPackage ReadSkinPackage(framework::TStream& stream);
// The same from the package's bytes, its pictures decoded where they lie, with the same errors; the
// INI text is left in the bytes (IniTextOf) for the caller to parse in place: iniLines stays empty.
SkinPackage ReadSkinPackagePictures(std::span<const uint8_t> bytes);
std::string_view IniTextOf(std::span<const uint8_t> bytes, const SkinPackageLayout& layout);

// Writes a version-3 package: the three frame pictures (empty ones as absent), the active pictures
// and the INI lines, each ended by CR LF.
void WriteSkinPackage(framework::TStream& stream, const framework::TBitmap& frame,
                      const framework::TBitmap& inactiveFrame, const framework::TBitmap& mask,
                      const std::vector<framework::TBitmap>& activePictures,
                      const std::vector<std::string>& iniLines);

}  // namespace skin
