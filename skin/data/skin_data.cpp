#include "skin/data/skin_data.h"

#include "skin/data/indexed_list.h"
#include "skin/data/skin_broadcast.h"
#include "skin/data/skin_messages.h"

namespace skin {

TbsSkinData::TbsSkinData(framework::TComponent* owner) : TComponent(owner) {}

TbsSkinData::~TbsSkinData() {
    empty_ = true;
    ClearRecords();
}

void TbsSkinData::SetNotifiedSwitch(bool& field, bool value, uint32_t message) {
    if (value == field)
        return;
    field = value;
    // Form data sets every switch while it is read; only real changes at run time are news.
    if (!InState(framework::csDesigning) && !InState(framework::csLoading))
        BroadcastSkinMessage(message);
}

void TbsSkinData::SetSkinnableForm(bool value) {
    SetNotifiedSwitch(skinnableForm_, value, SKM_SKINNABLEFORMCHANGED);
}

void TbsSkinData::SetShowLayeredBorders(bool value) {
    SetNotifiedSwitch(showLayeredBorders_, value, SKM_LAYEREDBORDERSCHANGED);
}

void TbsSkinData::SetAeroBlurEnabled(bool value) {
    SetNotifiedSwitch(aeroBlurEnabled_, value, SKM_AEROBLURCHANGED);
}

template <class T>
void TbsSkinData::Refer(T*& field, T* value) {
    if (field && field != value)
        RemoveFreeNotification(field);
    field = value;
    if (value)
        FreeNotification(value);
}

void TbsSkinData::SetCompressedStoredSkin(TbsCompressedStoredSkin* value) {
    Refer(compressedStoredSkin_, value);
    if (!DesignMode() && compressedStoredSkin_)
        LoadStoredSkin(*compressedStoredSkin_);
}

void TbsSkinData::SetResourceStrData(TbsResourceStrData* value) {
    Refer(resourceStrData_, value);
    if (!DesignMode())
        BroadcastSkinMessage(SKM_RESSTRINGSCHANGED);
}

void TbsSkinData::SetSkinList(TbsCompressedSkinList* value) {
    Refer(skinList_, value);
    if (!DesignMode())
        LoadListEntry();
}

void TbsSkinData::SetSkinIndex(int32_t value) {
    if (value == skinIndex_)
        return;
    if (!skinList_) {
        skinIndex_ = value;
        return;
    }
    if (value < 0 || value >= skinList_->Skins().Count())
        return;
    skinIndex_ = value;
    if (!DesignMode())
        LoadListEntry();
}

void TbsSkinData::LoadListEntry() {
    if (skinList_ && skinIndex_ >= 0 && skinIndex_ < skinList_->Skins().Count())
        LoadStoredSkin(skinList_->Skins().Items(skinIndex_).StoredSkin());
}

void TbsSkinData::Notification(framework::TComponent* component, framework::Operation operation) {
    if (operation == framework::Operation::opRemove) {
        if (component == compressedStoredSkin_)
            compressedStoredSkin_ = nullptr;
        if (component == resourceStrData_)
            resourceStrData_ = nullptr;
        if (component == skinList_)
            skinList_ = nullptr;
    }
    TComponent::Notification(component, operation);
}

void TbsSkinData::LoadStoredSkin(const TbsCompressedStoredSkin& storedSkin) {
    if (storedSkin.IsEmpty())
        return;
    empty_ = true;
    changingSkin_ = true;
    BroadcastSkinMessage(SKM_BEFORECHANGESKINDATA);
    ClearSkin();
    packageLayout_ = {};
    iniLineCount_ = 0;
    skippedEntries_.clear();
    try {
        // One buffer for the inflated package: pictures are decoded and the INI text is parsed where
        // they lie in it.
        const InflatedBytes bytes = storedSkin.Inflate();
        SkinPackage package = ReadSkinPackagePictures(bytes.Bytes());
        if (package.Refused()) {
            packageLayout_ = package.layout;
        } else {
            size_t lineCount = 0;
            const IniDocument ini = IniDocument::Parse(IniTextOf(bytes.Bytes(), package.layout), lineCount);
            packageLayout_ = package.layout;
            iniLineCount_ = int64_t(lineCount);
            ReadPackage(package, ini);
        }
    } catch (...) {
        // Half a skin is no skin: consumers are told to rebuild and find the component empty.
        ClearSkin();
        EndChange();
        throw;
    }
    if (!empty_ && OnLoadData)
        OnLoadData(this);
    EndChange();
}

void TbsSkinData::EndChange() {
    BroadcastSkinMessage(SKM_CHANGESKINDATA);
    changingSkin_ = false;
    BroadcastSkinMessage(SKM_AFTERCHANGESKINDATA);
}

void TbsSkinData::ReadPackage(SkinPackage& package, const IniDocument& ini) {
    framePicture_ = std::move(package.frame);
    inactiveFramePicture_ = std::move(package.inactiveFrame);
    frameMask_ = std::move(package.mask);
    activePictures_ = std::move(package.activePictures);

    skinName_ = ini.ReadString("VERSION", "skinname", "");
    skinAuthor_ = ini.ReadString("VERSION", "skinauthor", "");
    authorEmail_ = ini.ReadString("VERSION", "authoremail", "");
    authorURL_ = ini.ReadString("VERSION", "authorurl", "");
    skinComments_ = ini.ReadString("VERSION", "skincomments", "");
    pictureName_ = ini.ReadString("PICTURES", "picture", "");
    inactivePictureName_ = ini.ReadString("PICTURES", "inactivepicture", "");
    maskName_ = ini.ReadString("PICTURES", "mask", "");
    // A name needs a line of its own, so no sound list is longer than the section; a stray huge
    // index must not make a huge list.
    const size_t longest = ini.Entries("PICTURES") ? ini.Entries("PICTURES")->size() : 0;
    for (const IndexedValue& name : ReadIndexedList(ini, "PICTURES", "activepicturescount")) {
        if (size_t(name.index) >= longest)
            break;
        activePictureNames_.resize(size_t(name.index) + 1);
        activePictureNames_[size_t(name.index)] = name.value;
    }

    formInfo_.Load(ini);
    formInfo_.ApplyFrameRules(!maskName_.empty());
    popupWindow_.Load(ini);
    layerFrame_.Load(ini);
    hintWindow_.Load(ini);
    skinColors_.Load(ini);
    ReadRecordLists(ini);
    empty_ = false;
}

namespace {

// Splits "name:type" at the first ":"; false when there is none.
bool SplitEntry(const std::string& entry, std::string& name, std::string& type) {
    size_t colon = entry.find(':');
    if (colon == std::string::npos)
        return false;
    name = entry.substr(0, colon);
    type = entry.substr(colon + 1);
    return true;
}

template <class Record>
void ReadRecordList(const IniDocument& ini, const char* list,
                    std::unique_ptr<Record> (*create)(std::string_view, std::string),
                    std::vector<std::unique_ptr<Record>>& records, std::vector<SkippedEntry>& skipped) {
    for (const IndexedValue& entry : ReadIndexedList(ini, list, "count")) {
        std::string name, type;
        std::unique_ptr<Record> record;
        if (SplitEntry(entry.value, name, type))
            record = create(type, name);
        if (!record) {
            skipped.push_back({list, entry.index, entry.value});
            continue;
        }
        records.push_back(std::move(record));
        records.back()->Load(ini);
    }
}

}  // namespace

void TbsSkinData::ReadRecordLists(const IniDocument& ini) {
    ReadRecordList(ini, "SKINOBJECTS", &CreateSkinObject, skinObjects_, skippedEntries_);
    ReadRecordList(ini, "SKINCONTROLS", &CreateSkinControl, skinControls_, skippedEntries_);
}

void TbsSkinData::ClearSkin() {
    ClearRecords();
    framePicture_.Clear();
    inactiveFramePicture_.Clear();
    frameMask_.Clear();
    pictureName_.clear();
    inactivePictureName_.clear();
    maskName_.clear();
    empty_ = true;
}

void TbsSkinData::ClearRecords() {
    skinObjects_.clear();
    skinControls_.clear();
    activePictures_.clear();
    activePictureNames_.clear();
    layerFrame_.PictureIndex = -1;
    popupWindow_.WindowPictureIndex = -1;
    hintWindow_.WindowPictureIndex = -1;
    skinColors_.ResetToSystemColors();
}

int32_t TbsSkinData::FindObjectIndex(std::string_view name) const {
    for (size_t i = 0; i < skinObjects_.size(); ++i)
        if (skinObjects_[i]->IDName == name)
            return int32_t(i);
    return -1;
}

int32_t TbsSkinData::FindControlIndex(std::string_view name) const {
    for (size_t i = 0; i < skinControls_.size(); ++i)
        if (skinControls_[i]->IDName == name)
            return int32_t(i);
    return -1;
}

void TbsSkinData::BroadcastSkinMessage(uint32_t message) {
    std::vector<AppForm> forms = ApplicationForms();
    for (size_t i : SkinBroadcastOrder(forms, Owner(), showLayeredBorders_, layerFrame_.PictureIndex))
        if (forms[i].send)
            forms[i].send(message, reinterpret_cast<uintptr_t>(this), kSkinMessageLParam);
}

}  // namespace skin
