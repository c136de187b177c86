#include "skin_fixture.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

#include "skin/data/ini_document.h"
#include "skin/data/skin_package.h"
#include "skin/data/zlib_streams.h"

namespace fixture {

namespace fs = std::filesystem;
using framework::TPixelFormat;

TempFolder::TempFolder(const std::string& name) {
    static std::mt19937 rng(std::random_device{}());
    path_ = fs::temp_directory_path() / ("velmoro_" + name + "_" + std::to_string(rng()));
    fs::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

fs::path SourceDir() {
    const char* dir = std::getenv("VELMORO_SOURCE_DIR");
    return dir ? fs::path(dir) : fs::path(".");
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::vector<uint8_t> ReadBytes(const fs::path& path) {
    std::string bytes = ReadFile(path);
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

framework::TBitmap MakePicture(int32_t width, int32_t height, TPixelFormat format, int paletteSize) {
    framework::TBitmap picture;
    picture.SetPixelFormat(format);
    if (framework::BitsPerPixel(format) <= 8) {
        std::vector<platform::COLORREF> palette;
        for (int i = 0; i < paletteSize; ++i) {
            uint8_t v = uint8_t(i * 255 / std::max(paletteSize - 1, 1));
            palette.push_back(platform::RGB(v, uint8_t(255 - v), uint8_t(v / 2)));
        }
        picture.SetPalette(palette);
    }
    picture.SetSize(width, height);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            picture.SetPixel(x, y, platform::RGB(uint8_t(x * 7), uint8_t(y * 5), uint8_t((x ^ y) * 3)));
    return picture;
}

const std::vector<SamplePicture> kSamplePictures = {
    {"main.bmp", 158, 136, TPixelFormat::pf8bit, 255},
    {"active.bmp", 58, 102, TPixelFormat::pf8bit, 210},
    {"pw.bmp", 61, 40, TPixelFormat::pf24bit, 0},
    {"menuitems.bmp", 54, 100, TPixelFormat::pf8bit, 255},
    {"controls.bmp", 539, 362, TPixelFormat::pf24bit, 0},
    {"hw.bmp", 47, 21, TPixelFormat::pf8bit, 9},
    {"mdibg.bmp", 100, 100, TPixelFormat::pf8bit, 256},
};

void WriteSampleSkin(const fs::path& folder) {
    fs::copy_file(SourceDir() / "tests/skin_data/fixtures/sample_skin.ini", folder / "skin.ini",
                  fs::copy_options::overwrite_existing);
    for (const SamplePicture& p : kSamplePictures)
        MakePicture(p.width, p.height, p.format, p.paletteSize).SaveToFile((folder / p.file).string());
}

std::vector<uint8_t> PackageBytes(const std::string& iniText, const std::vector<framework::TBitmap>& active,
                                  const framework::TBitmap& frame) {
    framework::TMemoryStream package;
    skin::WriteSkinPackage(package, frame, {}, {}, active, skin::SplitTextLines(iniText));
    return package.Bytes();
}

std::vector<uint8_t> Deflate(const std::vector<uint8_t>& bytes) {
    framework::TMemoryStream source(bytes), dest;
    skin::CompressStream(source, dest);
    return dest.Bytes();
}

void StorePackage(skin::TbsCompressedStoredSkin& stored, const std::vector<uint8_t>& package) {
    framework::TMemoryStream compressed(Deflate(package));
    stored.ReadCompressedData(compressed);
}

void StoreSkin(skin::TbsCompressedStoredSkin& stored, const std::string& iniText,
               const std::vector<framework::TBitmap>& active) {
    StorePackage(stored, PackageBytes(iniText, active));
}

}  // namespace fixture
