#include "skin/data/indexed_list.h"

#include <algorithm>
#include <optional>

#include "skin/data/value_encoding.h"

namespace skin {

std::optional<int32_t> ListPosition(std::string_view key) {
    if (key.empty() || (key.size() > 1 && key[0] == '0'))
        return std::nullopt;
    if (!std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return ParseInteger(key);
}

std::vector<IndexedValue> ReadIndexedList(const IniDocument& ini, std::string_view section,
                                          std::string_view countKey) {
    std::vector<IndexedValue> list;
    const int32_t count = ReadValue(ini, section, countKey, int32_t(0));
    const auto* entries = ini.Entries(section);
    if (!entries || count <= 0)
        return list;
    for (const auto& entry : *entries) {
        std::optional<int32_t> index = ListPosition(entry.key);
        if (index && *index < count)
            list.push_back({*index, entry.value});
    }
    std::sort(list.begin(), list.end(), [](const auto& a, const auto& b) { return a.index < b.index; });
    return list;
}

}  // namespace skin
