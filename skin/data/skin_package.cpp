#include "skin/data/skin_package.h"

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

class PackageReader {
  public:
    explicit PackageReader(framework::TStream& stream) : stream_(stream), start_(stream.Position()) {}

    int32_t ReadInt32() { return skin::ReadInt32(stream_); }

    // A flag byte and, when it is 0, the picture that follows.
    std::optional<PicturePlacement> ReadFlaggedPicture(framework::TBitmap& into) {
        uint8_t flag;
        stream_.ReadBuffer(&flag, 1);
        if (flag != 0) {
            into.Clear();
            return std::nullopt;
        }
        return ReadPicture(into);
    }

    PicturePlacement ReadPicture(framework::TBitmap& into) {
        PicturePlacement at{Offset(), 0};
        into.LoadFromStream(stream_);
        at.size = Offset() - at.offset;
        pixels_ += int64_t(into.Width()) * into.Height();
        if (pixels_ > kMaxPackagePixels)
            throw framework::EInvalidGraphic("The skin package's pictures hold more than " +
                                             std::to_string(kMaxPackagePixels) + " pixels");
        return at;
    }

    std::string ReadRest() {
        std::string text(size_t(stream_.Size() - stream_.Position()), '\0');
        stream_.ReadBuffer(text.data(), int64_t(text.size()));
        return text;
    }

    int64_t Offset() { return stream_.Position() - start_; }

  private:
    framework::TStream& stream_;
    int64_t start_;
    int64_t pixels_ = 0;
};

void WriteFlaggedPicture(framework::TStream& stream, const framework::TBitmap& picture) {
    uint8_t flag = picture.Empty() ? 1 : 0;
    stream.WriteBuffer(&flag, 1);
    if (!picture.Empty())
        picture.SaveToStream(stream);
}

}  // namespace

SkinPackage ReadSkinPackage(framework::TStream& stream) {
    SkinPackage package;
    SkinPackageLayout& layout = package.layout;
    PackageReader reader(stream);
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
    std::string text = reader.ReadRest();
    layout.iniSize = int64_t(text.size());
    package.iniLines = SplitTextLines(text);
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
