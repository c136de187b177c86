// The table from INI type names to record classes that the SKINOBJECTS and SKINCONTROLS lists
// use. Each row takes its name from the class (R::kTypeName), so a class and its row cannot
// disagree; names compare exactly, with case.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace skin {

template <class Base>
struct RecordType {
    std::string_view name;
    std::unique_ptr<Base> (*create)(std::string idName);
};

template <class R, class Base>
constexpr RecordType<Base> TypeRow() {
    return {R::kTypeName, [](std::string idName) -> std::unique_ptr<Base> {
                return std::make_unique<R>(std::move(idName));
            }};
}

template <class Base, size_t N>
constexpr bool TypeNamesAreUnique(const std::array<RecordType<Base>, N>& table) {
    for (size_t i = 0; i < N; ++i) {
        if (table[i].name.empty())
            return false;
        for (size_t j = i + 1; j < N; ++j)
            if (table[i].name == table[j].name)
                return false;
    }
    return true;
}

template <class Base, size_t N>
std::vector<std::string_view> TypeNames(const std::array<RecordType<Base>, N>& table) {
    std::vector<std::string_view> names;
    for (const auto& type : table) names.push_back(type.name);
    return names;
}

template <class Base, size_t N>
std::unique_ptr<Base> CreateRecord(const std::array<RecordType<Base>, N>& table, std::string_view typeName,
                                   std::string idName) {
    for (const auto& type : table)
        if (type.name == typeName)
            return type.create(std::move(idName));
    return nullptr;
}

}  // namespace skin
