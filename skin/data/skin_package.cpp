#include "skin/data/skin_package.h"

#include <algorithm>

#include "skin/data/ini_document.h"
#include "skin/data/stream_integers.h"

namespace skin {

namespace {

/*  A skin package (little-endian, no padding):

      i32  version ............................ 3 written; up to 3 read; 4 and above refused
      u8   frame picture flag ................. 0: a BMP image follows; other: none
      BMP  frame picture
      u8   inactive frame picture flag, BMP
      u8   frame mask flag, BMP
      [u8 flag, BMP] x 2 ...................... version 2 only: two legacy pictures, skipped
      i32  active picture count N ............. N <= 0: none
      BMP  x N ................................ active pictures, picture index 0 .. N-1
      INI text to the end ..................... 8-bit lines, each ended by CR LF

    A BMP image is read by its own size field (framework::ReadBmp).
*/

// Reads a package in place from its bytes, raising what reading a stream of them would raise.
class PackageReader {
  public:
    explicit PackageReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    int32_t ReadInt32() { return Int32At(Take(4)); }

    // A flag byte and, when it is 0, the picture that follows.
    std::optional<PicturePlacement> ReadFlaggedPicture(framework::TBitmap& into) {
        if (*Take(1) != 0) {
            into.Clear();
            return std::nullopt;
        }
        return ReadPicture(into);
    }

    PicturePlacement ReadPicture(framework::TBitmap& into) {
        PicturePlacement at{Offset(), 0};
        into.LoadFromImage(framework::ReadBmp(bytes_, at_));
        at.size = Offset() - at.offset;
        pixels_ += int64_t(into.Width()) * into.Height();
        if (pixels_ > kMaxPackagePixels)
            throw framework::EInvalidGraphic("The skin package's pictures hold more than " +
                                             std::to_string(kMaxPackagePixels) + " pixels");
        return at;
    }

    int64_t Offset() const { return int64_t(at_); }

  private:
    const uint8_t* Take(size_t count) {
        if (bytes_.size() - at_ < count)
            throw framework::EReadError(framework::kStreamReadError);
        at_ += count;
        return bytes_.data() + at_ - count;
    }

    std::span<const uint8_t> bytes_;
    size_t at_ = 0;
    int64_t pixels_ = 0;
};

void WriteFlaggedPicture(framework::TStream& stream, const framework::TBitmap& picture) {
    uint8_t flag = picture.Empty() ? 1 : 0;
    stream.WriteBuffer(&flag, 1);
    if (!picture.Empty())
        picture.SaveToStream(stream);
}

}  // namespace

SkinPackage ReadSkinPackagePictures(std::span<const uint8_t> bytes) {
    SkinPackage package;
    SkinPackageLayout& layout = package.layout;
    PackageReader reader(bytes);
    layout.version = reader.ReadInt32();
    if (package.Refused())
        return package;
    layout.frame = reader.ReadFlaggedPicture(package.frame);
    layout.inactiveFrame = reader.ReadFlaggedPicture(package.inactiveFrame);
    layout.mask = reader.ReadFlaggedPicture(package.mask);
    if (layout.version == 2) {
        framework::TBitmap legacy;
        reader.ReadFlaggedPicture(legacy);
        reader.ReadFlaggedPicture(legacy);
    }
    int32_t count = reader.ReadInt32();
    for (int32_t i = 0; i < count; ++i) {
        framework::TBitmap picture;
        layout.activePictures.push_back(reader.ReadPicture(picture));
        package.activePictures.push_back(std::move(picture));
    }
    layout.iniOffset = reader.Offset();
    layout.iniSize = int64_t(bytes.size()) - layout.iniOffset;
    return package;
}

std::string_view IniTextOf(std::span<const uint8_t> bytes, const SkinPackageLayout& layout) {
    return {reinterpret_cast<const char*>(bytes.data()) + layout.iniOffset, size_t(layout.iniSize)};
}

SkinPackage ReadSkinPackage(framework::TStream& stream) {
    const int64_t start = stream.Position();
    std::vector<uint8_t> bytes(size_t(std::max<int64_t>(stream.Size() - start, 0)));
    stream.ReadBuffer(bytes.data(), int64_t(bytes.size()));
    SkinPackage package = ReadSkinPackagePictures(bytes);
    if (package.Refused()) {
        stream.SetPosition(start + 4);  // only the version was read
        return package;
    }
    package.iniLines = SplitTextLines(IniTextOf(bytes, package.layout));
    return package;
}

void WriteSkinPackage(framework::TStream& stream, const framework::TBitmap& frame,
                      const framework::TBitmap& inactiveFrame, const framework::TBitmap& mask,
                      const std::vector<framework::TBitmap>& activePictures,
                      const std::vector<std::string>& iniLines) {
    WriteInt32(stream, kSkinPackageVersion);
    WriteFlaggedPicture(stream, frame);
    WriteFlaggedPicture(stream, inactiveFrame);
    WriteFlaggedPicture(stream, mask);
    WriteInt32(stream, int32_t(activePictures.size()));
    for (const auto& picture : activePictures) picture.SaveToStream(stream);
    std::string text = JoinLinesCrLf(iniLines);
    stream.WriteBuffer(text.data(), int64_t(text.size()));
}

}  // namespace skin
