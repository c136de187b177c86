#include "skin/data/keyed_values.h"

#include "skin/data/value_encoding.h"

namespace skin {

namespace {

class LoadVisitor : public KeyVisitor {
  public:
    LoadVisitor(const IniDocument& ini, std::string_view section) : ini_(ini), section_(section) {}
    void Visit(std::string_view key, const AnyKeySlot& slot) override {
        std::visit([&](const auto& s) { *s.value = ReadValue(ini_, section_, key, s.def); }, slot);
    }

  private:
    const IniDocument& ini_;
    std::string_view section_;
};

class SaveVisitor : public KeyVisitor {
  public:
    SaveVisitor(IniDocument& ini, std::string_view section) : ini_(ini), section_(section) {}
    void Visit(std::string_view key, const AnyKeySlot& slot) override {
        std::visit([&](const auto& s) { WriteValue(ini_, section_, key, *s.value); }, slot);
    }

  private:
    IniDocument& ini_;
    std::string_view section_;
};

class DefaultsVisitor : public KeyVisitor {
  public:
    void Visit(std::string_view, const AnyKeySlot& slot) override {
        std::visit([](const auto& s) { *s.value = s.def; }, slot);
    }
};

}  // namespace

void KeyedValues::LoadSection(const IniDocument& ini, std::string_view section) {
    LoadVisitor loader(ini, section);
    VisitKeys(loader);
    AfterLoad();
}

void KeyedValues::SaveSection(IniDocument& ini, std::string_view section) const {
    ini.EraseSection(section);
    SaveVisitor saver(ini, section);
    // The save visitor only reads the values; VisitKeys is one list for reading and writing.
    const_cast<KeyedValues*>(this)->VisitKeys(saver);
}

KeyVisitor& KeyedValues::Defaults() {
    static DefaultsVisitor defaults;  // stateless
    return defaults;
}

}  // namespace skin
