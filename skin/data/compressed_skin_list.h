// TbsCompressedSkinList: several compressed skins in one component, each entry with its own
// TbsCompressedStoredSkin. An entry's package is stored in form data as the binary property "Skin"
// in compressed-file layout (version, length, zlib stream).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/core/component.h"
#include "framework/core/properties.h"
#include "framework/core/stream.h"
#include "skin/data/compressed_stored_skin.h"

namespace skin {

class TbsCompressedSkinList;
class TbsSkinListItems;

class TbsSkinListItem : public framework::TPersistent {
  public:
    // A new entry is named "bsSkin<position>".
    TbsSkinListItem(TbsSkinListItems& collection, int position);

    const std::string& Description() const { return description_; }
    void SetDescription(const std::string& text) { description_ = text; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    const std::string& DisplayName() const { return name_; }
    const std::string& FileName() const { return fileName_; }
    // In design mode of the list (and not loading) packs the skin folder into this entry first,
    // then keeps the name without its folder; otherwise only stores the value.
    void SetFileName(const std::string& path);
    const std::string& CompressedFileName() const { return compressedFileName_; }
    void SetCompressedFileName(const std::string& path);

    TbsCompressedStoredSkin& StoredSkin() { return *storedSkin_; }
    const TbsCompressedStoredSkin& StoredSkin() const { return *storedSkin_; }

    // The binary form-data property "Skin".
    static constexpr const char* kBinaryPropertyName = "Skin";
    void ReadSkin(framework::TStream& stream) { storedSkin_->LoadFromStream(stream); }
    void WriteSkin(framework::TStream& stream) const { storedSkin_->SaveToStream(stream); }
    // The property's setter: ReadSkin of the bytes. A damaged value (a length past its end) is
    // refused as a bad property value, which form data reports with the component's name.
    void SetSkin(framework::Bytes skin);

    void Assign(const TbsSkinListItem& other);

  private:
    bool DesignTimeSetter() const;

    TbsSkinListItems& collection_;
    std::string description_;
    std::string name_;
    std::string fileName_;
    std::string compressedFileName_;
    std::unique_ptr<TbsCompressedStoredSkin> storedSkin_;  // no owner: freed with the entry
};

class TbsSkinListItems {
  public:
    explicit TbsSkinListItems(TbsCompressedSkinList& owner) : owner_(owner) {}
    TbsSkinListItems(const TbsSkinListItems&) = delete;
    TbsSkinListItems& operator=(const TbsSkinListItems&) = delete;

    TbsCompressedSkinList& Owner() const { return owner_; }
    int Count() const { return int(items_.size()); }
    TbsSkinListItem& Items(int index) { return *items_.at(size_t(index)); }
    const TbsSkinListItem& Items(int index) const { return *items_.at(size_t(index)); }
    TbsSkinListItem& Add();
    void Delete(int index);
    void Clear() { items_.clear(); }
    // Copies the other collection's entries (names, descriptions, file names and packages).
    void Assign(const TbsSkinListItems& other);

  private:
    TbsCompressedSkinList& owner_;
    std::vector<std::unique_ptr<TbsSkinListItem>> items_;
};

class TbsCompressedSkinList : public framework::TComponent {
  public:
    explicit TbsCompressedSkinList(framework::TComponent* owner) : TComponent(owner), skins_(*this) {}

    TbsSkinListItems& Skins() { return skins_; }
    const TbsSkinListItems& Skins() const { return skins_; }
    void SetSkins(const TbsSkinListItems& skins) { skins_.Assign(skins); }

  private:
    TbsSkinListItems skins_;
};

}  // namespace skin
