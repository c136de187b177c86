// Values that live as the keys of one INI section, declared once as a table.
//
// A class lists its keys in VisitKeys, one line per key, in reading order:
//
//     void TbsDataSkinButton::VisitKeys(KeyVisitor& key) {
//         TbsDataSkinObject::VisitKeys(key);          // the parent's keys come first
//         key("downrect", DownRect, {});              // INI key, member, default
//         key("alphamaskpictureindex", AlphaMaskPictureIndex, -1);
//     }
//
// Loading, saving and setting defaults all walk that one list, so a key cannot be read and then
// forgotten on save, and its default is written once. The member's type picks the encoding.
#pragma once

#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "platform/color.h"
#include "platform/geometry.h"
#include "skin/data/ini_document.h"
#include "skin/data/value_types.h"

namespace skin {

// Defaults of string keys are literals.
template <class T>
struct KeyDefault {
    using type = T;
};
template <>
struct KeyDefault<std::string> {
    using type = std::string_view;
};

template <class T>
struct KeySlot {
    T* value;
    typename KeyDefault<T>::type def;
};

using AnyKeySlot = std::variant<KeySlot<std::string>, KeySlot<int32_t>, KeySlot<platform::COLORREF>,
                                KeySlot<bool>, KeySlot<platform::Rect>, KeySlot<platform::Point>,
                                KeySlot<TFontStyles>, KeySlot<TStretchType>, KeySlot<TInactiveEffect>,
                                KeySlot<TMorphKind>, KeySlot<TAlignment>, KeySlot<TStdCommand>>;

class KeyVisitor {
  public:
    virtual ~KeyVisitor() = default;

    template <class T>
    void operator()(std::string_view key, T& value, std::type_identity_t<typename KeyDefault<T>::type> def) {
        Visit(key, AnyKeySlot(KeySlot<T>{&value, def}));
    }

    virtual void Visit(std::string_view key, const AnyKeySlot& slot) = 0;
};

class KeyedValues {
  public:
    virtual ~KeyedValues() = default;

    // Every key, in reading order (the parent's first).
    virtual void VisitKeys(KeyVisitor& key) = 0;

    // Reads every key from the section (a missing key takes its default; a malformed rect or
    // point raises EConvertError), then derives what the class derives.
    void LoadSection(const IniDocument& ini, std::string_view section);
    // Erases the section and writes every key back.
    void SaveSection(IniDocument& ini, std::string_view section) const;

  protected:
    // Values worked out from others once all keys are read.
    virtual void AfterLoad() {}
    // A visitor that sets every key to its default; constructors run their own class's keys
    // through it: `TbsDataSkinButton::VisitKeys(Defaults())`.
    static KeyVisitor& Defaults();
};

}  // namespace skin
