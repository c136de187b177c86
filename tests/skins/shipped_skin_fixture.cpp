#include "shipped_skin_fixture.h"

#include "framework/core/stream.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_package.h"
#include "skins/shipped_skin.h"

namespace shipped {

namespace {

// The main window's stored skin, filled the way reading its form data fills it.
const skin::TbsCompressedStoredSkin& StoredSkin() {
    static const skin::TbsCompressedStoredSkin* stored = [] {
        auto* s = new skin::TbsCompressedStoredSkin(nullptr);
        s->SetFileName("skin.ini");
        std::span<const uint8_t> bytes = skins::ShippedSkinCompressedData();
        framework::TMemoryStream property(std::vector<uint8_t>(bytes.begin(), bytes.end()));
        s->ReadCompressedData(property);
        return s;
    }();
    return *stored;
}

}  // namespace

const skin::TbsSkinData& Skin() {
    static const skin::TbsSkinData* data = [] {
        auto* d = new skin::TbsSkinData(nullptr);
        d->LoadStoredSkin(StoredSkin());
        return d;
    }();
    return *data;
}

const std::vector<uint8_t>& PackageBytes() {
    static const std::vector<uint8_t> bytes = [] {
        framework::TMemoryStream package;
        StoredSkin().DecompressTo(package);
        return package.Bytes();
    }();
    return bytes;
}

const skin::IniDocument& ShippedIni() {
    static const skin::IniDocument ini = [] {
        framework::TMemoryStream package(PackageBytes());
        return skin::IniDocument(skin::ReadSkinPackage(package).iniLines);
    }();
    return ini;
}

void ExpectValues(const skin::IniDocument& held, std::string_view section,
                  std::span<const KeyValue> expected) {
    for (const KeyValue& e : expected) {
        SCOPED_TRACE(std::string(section) + " " + std::string(e.key));
        const std::string* value = held.Find(section, e.key);
        if (!value) {
            ADD_FAILURE() << "the record reads no key \"" << e.key << "\"";
            continue;
        }
        EXPECT_EQ(*value, e.value);
        bool written = ShippedIni().Find(section, e.key) != nullptr;
        EXPECT_EQ(written, e.written)
            << (e.written ? "the shipped section leaves the key out" : "the shipped section writes the key");
    }
}

}  // namespace shipped
