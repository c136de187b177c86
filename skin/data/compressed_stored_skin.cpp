#include "skin/data/compressed_stored_skin.h"

#include <filesystem>

#include "framework/graphics/bitmap.h"
#include "skin/data/ini_document.h"
#include "skin/data/skin_package.h"
#include "skin/data/stream_integers.h"
#include "skin/data/value_encoding.h"
#include "skin/data/zlib_streams.h"

namespace skin {

namespace {

std::vector<std::string> ReadTextFileLines(const std::string& path) {
    framework::TMemoryStream file;
    file.LoadFromFile(path);
    return SplitTextLines(
        std::string_view(reinterpret_cast<const char*>(file.Memory()), size_t(file.Size())));
}

framework::TBitmap LoadPictureFile(const std::string& folder, const std::string& name,
                                   const std::string& key) {
    if (name.empty())
        throw framework::EFOpenError("Cannot open file \"" + folder + "\": PICTURES key \"" + key +
                                     "\" names no file");
    framework::TBitmap picture;
    picture.LoadFromFile(folder + name);
    return picture;
}

}  // namespace

std::string ExtractFileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

TbsCompressedStoredSkin::TbsCompressedStoredSkin(framework::TComponent* owner) : TComponent(owner) {}

void TbsCompressedStoredSkin::Assign(const TbsCompressedStoredSkin& other) {
    if (&other == this)
        return;
    description_ = other.description_;
    fileName_ = other.fileName_;
    compressedFileName_ = other.compressedFileName_;
    compressed_.Clear();
    other.WriteCompressedData(compressed_);
    compressed_.SetPosition(0);
}

bool TbsCompressedStoredSkin::DesignTimeSetter() const {
    return InState(framework::csDesigning) && !InState(framework::csLoading) &&
           !InState(framework::csReading);
}

void TbsCompressedStoredSkin::SetFileName(const std::string& path) {
    if (!DesignTimeSetter()) {
        fileName_ = path;
        return;
    }
    fileName_ = ExtractFileName(path);
    PackSkinFolder(path);
}

void TbsCompressedStoredSkin::SetCompressedFileName(const std::string& path) {
    if (!DesignTimeSetter()) {
        compressedFileName_ = path;
        return;
    }
    compressedFileName_ = ExtractFileName(path);
    LoadCompressedFile(path);
}

void TbsCompressedStoredSkin::PackSkinFolder(const std::string& iniPath) {
    std::vector<std::string> lines = ReadTextFileLines(iniPath);
    IniDocument ini(lines);
    for (const char* section : kRequiredSkinSections)
        if (!ini.SectionExists(section))
            return;

    std::string folder = std::filesystem::path(iniPath).parent_path().string();
    if (!folder.empty())
        folder += '/';
    compressed_.Clear();
    auto pictureFile = [&](const char* key) {
        std::string name = ini.ReadString("PICTURES", key, "");
        return name.empty() ? framework::TBitmap() : LoadPictureFile(folder, name, key);
    };
    framework::TBitmap frame = pictureFile("picture");
    framework::TBitmap inactiveFrame = pictureFile("inactivepicture");
    framework::TBitmap mask = pictureFile("mask");
    std::vector<framework::TBitmap> active;
    int32_t count = ReadValue(ini, "PICTURES", "activepicturescount", int32_t(0));
    for (int32_t i = 0; i < count; ++i) {
        std::string key = std::to_string(i);
        active.push_back(LoadPictureFile(folder, ini.ReadString("PICTURES", key, ""), key));
    }

    framework::TMemoryStream package;
    WriteSkinPackage(package, frame, inactiveFrame, mask, active, lines);
    CompressStream(package, compressed_, TCompressionLevel::clMax);
}

void TbsCompressedStoredSkin::LoadCompressedFile(const std::string& path) {
    compressed_.Clear();
    framework::TFileStream file(path, framework::FileMode::OpenRead);
    LoadFromStream(file);
}

void TbsCompressedStoredSkin::LoadFromStream(framework::TStream& stream) {
    compressed_.Clear();
    stream.SetPosition(0);
    int32_t version = ReadInt32(stream);
    if (version > kCompressedSkinFileVersion)
        return;
    int32_t length = ReadInt32(stream);
    // A length of 0 is no data (copying "0 bytes" must not mean "the whole stream"); a negative
    // one, or one beyond the stream's end, is a damaged file: refused before anything is allocated.
    if (length < 0 || length > stream.Size() - stream.Position())
        throw framework::EReadError("Stream read error: the compressed skin says " + std::to_string(length) +
                                    " bytes follow, the stream holds " +
                                    std::to_string(stream.Size() - stream.Position()));
    if (length > 0)
        compressed_.CopyFrom(stream, length);
    compressed_.SetPosition(0);
}

void TbsCompressedStoredSkin::SaveToStream(framework::TStream& stream) const {
    WriteInt32(stream, kCompressedSkinFileVersion);
    WriteInt32(stream, int32_t(compressed_.Bytes().size()));
    compressed_.SaveToStream(stream);
}

void TbsCompressedStoredSkin::SaveToFile(const std::string& path) const {
    framework::TFileStream file(path, framework::FileMode::Create);
    SaveToStream(file);
}

void TbsCompressedStoredSkin::DecompressTo(framework::TStream& dest) const {
    framework::TMemoryStream source(compressed_.Bytes());
    DecompressStream(dest, source);
}

InflatedBytes TbsCompressedStoredSkin::Inflate() const {
    return InflateBytes(compressed_.Bytes());
}

void TbsCompressedStoredSkin::ReadCompressedData(framework::TStream& stream) {
    compressed_.Clear();
    compressed_.LoadFromStream(stream);
}

void TbsCompressedStoredSkin::SetCompressedData(framework::Bytes data) {
    framework::TMemoryStream stream(std::vector<uint8_t>(data.begin(), data.end()));
    ReadCompressedData(stream);
}

void TbsCompressedStoredSkin::WriteCompressedData(framework::TStream& stream) const {
    compressed_.SaveToStream(stream);
}

}  // namespace skin
