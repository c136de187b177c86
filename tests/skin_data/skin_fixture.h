// Small skins for the skin data tests, made in code: pictures, packages, stored skins, and a
// sample skin folder whose pictures have the sizes of the shipped skin.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "skin/data/compressed_stored_skin.h"

namespace fixture {

// A folder under the temporary directory, removed with the object.
class TempFolder {
  public:
    explicit TempFolder(const std::string& name);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

std::filesystem::path SourceDir();
std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& bytes);
std::vector<uint8_t> ReadBytes(const std::filesystem::path& path);

// A picture with a pattern; palette formats get `paletteSize` grey entries.
framework::TBitmap MakePicture(int32_t width, int32_t height, framework::TPixelFormat format,
                               int paletteSize = 0);

// The pictures of the sample skin, in package order, with their file names.
struct SamplePicture {
    const char* file;
    int32_t width, height;
    framework::TPixelFormat format;
    int paletteSize;
};
extern const std::vector<SamplePicture> kSamplePictures;  // the frame picture first

// Writes fixtures/sample_skin.ini as skin.ini and its seven pictures into `folder`.
void WriteSampleSkin(const std::filesystem::path& folder);

// A version-3 package of the given INI text (lines split at line ends) and pictures.
std::vector<uint8_t> PackageBytes(const std::string& iniText,
                                  const std::vector<framework::TBitmap>& active = {},
                                  const framework::TBitmap& frame = {});
// The zlib stream of some bytes, at level max.
std::vector<uint8_t> Deflate(const std::vector<uint8_t>& bytes);
// A stored skin holding those package bytes compressed.
void StorePackage(skin::TbsCompressedStoredSkin& stored, const std::vector<uint8_t>& package);
// A stored skin holding an INI text (and pictures) as a package.
void StoreSkin(skin::TbsCompressedStoredSkin& stored, const std::string& iniText,
               const std::vector<framework::TBitmap>& active = {});

}  // namespace fixture
