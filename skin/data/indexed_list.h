// Numbered lists in the skin INI text: a count key and the keys "0" to count - 1 (SKINOBJECTS,
// SKINCONTROLS, the active pictures of PICTURES).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/ini_document.h"

namespace skin {

// The position a key names when it is written as list positions are: decimal digits, no sign, no
// leading zero ("7", not "07" or "+7"); none for any other key.
std::optional<int32_t> ListPosition(std::string_view key);

struct IndexedValue {
    int32_t index;
    std::string value;
};

// The entries "0" .. count - 1 of the section that are present, in index order; `count` is read
// from the integer key `countKey` (missing or not a number: 0). Only the keys that exist are
// visited, so a huge count costs nothing.
std::vector<IndexedValue> ReadIndexedList(const IniDocument& ini, std::string_view section,
                                          std::string_view countKey);

}  // namespace skin
