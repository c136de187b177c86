// The embedded shipped skin as a package: how it is stored, where its pictures lie, and that the
// build embeds exactly what packing skins/default/ gives.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "shipped_skin_fixture.h"
#include "skin/data/compressed_stored_skin.h"
#include "skins/shipped_skin.h"

namespace {

using shipped::PackageBytes;
using shipped::Skin;

std::filesystem::path ShippedSkinIni() {
    const char* source = std::getenv("VELMORO_SOURCE_DIR");
    return std::filesystem::path(source ? source : ".") / "skins" / "default" / "skin.ini";
}

int32_t Int32At(const std::vector<uint8_t>& bytes, size_t offset) {
    return int32_t(uint32_t(bytes.at(offset)) | uint32_t(bytes.at(offset + 1)) << 8 |
                   uint32_t(bytes.at(offset + 2)) << 16 | uint32_t(bytes.at(offset + 3)) << 24);
}

size_t Occurrences(const std::string& text, const std::string& what) {
    size_t count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size()))
        ++count;
    return count;
}

// Where the main window expects each picture in the package.
struct PictureAt {
    const char* file;
    int32_t width, height;
    int bitsPerPixel;
    int64_t offset, size;
};

// clang-format off
const PictureAt kFramePicture = {"main.bmp", 158, 136, 8, 5, 22834};
const PictureAt kActivePictures[] = {
    {"active.bmp", 58, 102, 8, 22845, 7014},
    {"pw.bmp", 61, 40, 24, 29859, 7414},
    {"menuitems.bmp", 54, 100, 8, 37273, 6674},
    {"controls.bmp", 539, 362, 24, 43947, 586494},
    {"hw.bmp", 47, 21, 8, 630441, 1098},
    {"mdibg.bmp", 100, 100, 8, 631539, 11078},
};
// clang-format on

constexpr int64_t kIniOffset = 642617;

void ExpectPicture(const PictureAt& expected, const framework::TBitmap& picture,
                   const std::optional<skin::PicturePlacement>& placement) {
    SCOPED_TRACE(expected.file);
    EXPECT_EQ(picture.Width(), expected.width);
    EXPECT_EQ(picture.Height(), expected.height);
    EXPECT_EQ(picture.BitsPerPixel(), expected.bitsPerPixel);
    ASSERT_TRUE(placement.has_value());
    EXPECT_EQ(placement->offset, expected.offset);
    EXPECT_EQ(placement->size, expected.size);
}

TEST(ShippedPackage, IsABareZlibStreamAtBestCompression) {
    std::span<const uint8_t> data = skins::ShippedSkinCompressedData();
    ASSERT_GE(data.size(), 2u);
    // A zlib header without a version or length in front; 0xDA is the level-max header.
    EXPECT_EQ(data[0], 0x78);
    EXPECT_EQ(data[1], 0xDA);
}

TEST(ShippedPackage, EmbedsExactlyWhatPackingTheSkinFolderGives) {
    skin::TbsCompressedStoredSkin packed(nullptr);
    packed.PackSkinFolder(ShippedSkinIni().string());
    std::span<const uint8_t> embedded = skins::ShippedSkinCompressedData();
    EXPECT_TRUE(std::equal(embedded.begin(), embedded.end(), packed.CompressedData().begin(),
                           packed.CompressedData().end()))
        << "the embedded skin (" << embedded.size() << " bytes) differs from a fresh pack ("
        << packed.CompressedData().size() << " bytes)";
}

TEST(ShippedPackage, LoadsCompletely) {
    EXPECT_FALSE(Skin().Empty());
    EXPECT_FALSE(Skin().ChangingSkin());
    EXPECT_TRUE(Skin().SkippedEntries().empty());
    EXPECT_EQ(Skin().SkinObjects().size(), 13u);
    EXPECT_EQ(Skin().SkinControls().size(), 63u);
    // No layered frame: the picture index stays -1, so no layered border is shown.
    EXPECT_FALSE(shipped::ShippedIni().SectionExists("LAYERFRAME"));
    EXPECT_EQ(Skin().LayerFrame().PictureIndex, -1);
}

TEST(ShippedPackage, PicturesLieWhereTheMainWindowExpectsThem) {
    const std::vector<uint8_t>& package = PackageBytes();
    const skin::SkinPackageLayout& layout = Skin().PackageLayout();

    EXPECT_EQ(Int32At(package, 0), 3);
    EXPECT_EQ(layout.version, 3);
    EXPECT_EQ(package.at(4), 0) << "frame picture flag";
    ExpectPicture(kFramePicture, Skin().FramePicture(), layout.frame);
    EXPECT_EQ(Skin().PictureName(), kFramePicture.file);

    // The absent inactive frame picture and mask are one flag byte 1 each.
    EXPECT_EQ(package.at(22839), 1);
    EXPECT_EQ(package.at(22840), 1);
    EXPECT_FALSE(layout.inactiveFrame.has_value());
    EXPECT_FALSE(layout.mask.has_value());
    EXPECT_TRUE(Skin().InactiveFramePicture().Empty());
    EXPECT_TRUE(Skin().FrameMask().Empty());

    EXPECT_EQ(Int32At(package, 22841), 6);
    ASSERT_EQ(Skin().ActivePictures().size(), std::size(kActivePictures));
    ASSERT_EQ(layout.activePictures.size(), std::size(kActivePictures));
    ASSERT_EQ(Skin().ActivePictureNames().size(), std::size(kActivePictures));
    for (size_t i = 0; i < std::size(kActivePictures); ++i) {
        ExpectPicture(kActivePictures[i], Skin().ActivePictures()[i], layout.activePictures[i]);
        EXPECT_EQ(Skin().ActivePictureNames()[i], kActivePictures[i].file);
    }
    EXPECT_EQ(layout.iniOffset, kIniOffset);
}

TEST(ShippedPackage, IniTextStartsWithVersionAndEndsEveryLineWithCrLf) {
    const std::vector<uint8_t>& package = PackageBytes();
    ASSERT_GT(package.size(), size_t(kIniOffset));
    std::string text(package.begin() + kIniOffset, package.end());
    EXPECT_EQ(text.substr(0, 11), "[VERSION]\r\n");
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    // Every CR and every LF belongs to a CR LF pair.
    EXPECT_EQ(Occurrences(text, "\r"), Occurrences(text, "\r\n"));
    EXPECT_EQ(Occurrences(text, "\n"), Occurrences(text, "\r\n"));
}

}  // namespace
