// TbsCompressedStoredSkin: a skin package held zlib-compressed in memory (the form data's
// "CompressedData"), built from a skin folder or taken from a compressed skin file.
//
// A compressed skin file (and a skin list entry's "Skin" property) is laid out as:
//     i32 version (3; above 3 is refused) | i32 length L | L bytes: one zlib stream
// "CompressedData" is the bare zlib stream.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/component.h"
#include "framework/core/properties.h"
#include "framework/core/stream.h"
#include "skin/data/zlib_streams.h"

namespace skin {

constexpr int32_t kCompressedSkinFileVersion = 3;
// The sections PackSkinFolder needs before it packs anything.
constexpr const char* kRequiredSkinSections[] = {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS",
                                                 "SKINCONTROLS"};

class TbsCompressedStoredSkin : public framework::TComponent {
  public:
    explicit TbsCompressedStoredSkin(framework::TComponent* owner);

    const std::string& Description() const { return description_; }
    void SetDescription(const std::string& text) { description_ = text; }
    const std::string& FileName() const { return fileName_; }
    // In design mode (and not loading) keeps the name without its folder and packs that skin
    // folder; otherwise only stores the value.
    void SetFileName(const std::string& path);
    const std::string& CompressedFileName() const { return compressedFileName_; }
    // The same rule, loading the compressed skin file in design mode.
    void SetCompressedFileName(const std::string& path);

    // Takes over the other's description, names and data.
    void Assign(const TbsCompressedStoredSkin& other);

    bool IsEmpty() const { return compressed_.Bytes().empty(); }
    // The bare zlib stream.
    const std::vector<uint8_t>& CompressedData() const { return compressed_.Bytes(); }

    // Builds a package from a skin INI file and the pictures beside it and keeps it compressed at
    // level max. An INI file without any of VERSION, PICTURES, FORMINFO, SKINOBJECTS, SKINCONTROLS
    // changes nothing. A missing INI file raises EFOpenError before anything changes; a missing
    // picture raises after the data was cleared.
    void PackSkinFolder(const std::string& iniPath);
    // Replaces the data with the zlib stream of a compressed skin file (cleared first).
    void LoadCompressedFile(const std::string& path);
    // The same from a stream in compressed-file layout, read from its start.
    void LoadFromStream(framework::TStream& stream);
    // Writes the data in compressed-file layout at the stream's position.
    void SaveToStream(framework::TStream& stream) const;
    void SaveToFile(const std::string& path) const;
    // Inflates the data and appends the package to `dest` (EDecompressionError when damaged or
    // larger than kMaxInflatedSize).
    void DecompressTo(framework::TStream& dest) const;
    // The package in one piece, with the errors of DecompressTo.
    InflatedBytes Inflate() const;

    // The binary form-data property "CompressedData": exactly the bare zlib stream.
    static constexpr const char* kBinaryPropertyName = "CompressedData";
    void ReadCompressedData(framework::TStream& stream);
    void WriteCompressedData(framework::TStream& stream) const;
    // The same property as form data hands it over (form_data_classes.h).
    void SetCompressedData(framework::Bytes data);

  private:
    bool DesignTimeSetter() const;

    std::string description_;
    std::string fileName_;
    std::string compressedFileName_;
    framework::TMemoryStream compressed_;
};

// The folder-less name of a path ("skins/default/skin.ini" -> "skin.ini").
std::string ExtractFileName(const std::string& path);

}  // namespace skin
