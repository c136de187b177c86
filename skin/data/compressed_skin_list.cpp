#include "skin/data/compressed_skin_list.h"

namespace skin {

TbsSkinListItem::TbsSkinListItem(TbsSkinListItems& collection, int position)
    : collection_(collection),
      name_("bsSkin" + std::to_string(position)),
      storedSkin_(std::make_unique<TbsCompressedStoredSkin>(nullptr)) {}

bool TbsSkinListItem::DesignTimeSetter() const {
    const TbsCompressedSkinList& list = collection_.Owner();
    return list.InState(framework::csDesigning) && !list.InState(framework::csLoading) &&
           !list.InState(framework::csReading);
}

void TbsSkinListItem::SetFileName(const std::string& path) {
    if (!DesignTimeSetter()) {
        fileName_ = path;
        return;
    }
    storedSkin_->PackSkinFolder(path);
    fileName_ = ExtractFileName(path);
}

void TbsSkinListItem::SetCompressedFileName(const std::string& path) {
    if (!DesignTimeSetter()) {
        compressedFileName_ = path;
        return;
    }
    storedSkin_->LoadCompressedFile(path);
    compressedFileName_ = ExtractFileName(path);
}

void TbsSkinListItem::SetSkin(framework::Bytes skin) {
    framework::TMemoryStream stream(std::vector<uint8_t>(skin.begin(), skin.end()));
    try {
        ReadSkin(stream);
    } catch (const framework::EReadError& error) {
        throw framework::EPropertyError("Invalid property value: Skin: " + error.Message());
    }
}

void TbsSkinListItem::Assign(const TbsSkinListItem& other) {
    description_ = other.description_;
    name_ = other.name_;
    fileName_ = other.fileName_;
    compressedFileName_ = other.compressedFileName_;
    storedSkin_->Assign(*other.storedSkin_);
}

TbsSkinListItem& TbsSkinListItems::Add() {
    items_.push_back(std::make_unique<TbsSkinListItem>(*this, Count()));
    return *items_.back();
}

void TbsSkinListItems::Delete(int index) {
    if (index < 0 || index >= Count())
        throw framework::Exception("List index out of bounds (" + std::to_string(index) + ")");
    items_.erase(items_.begin() + index);
}

void TbsSkinListItems::Assign(const TbsSkinListItems& other) {
    if (&other == this)
        return;
    items_.clear();
    for (int i = 0; i < other.Count(); ++i) Add().Assign(other.Items(i));
}

}  // namespace skin
