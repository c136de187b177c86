// The filter panel as JSON, for tools/querybuild: reading a panel state from one JSON object and
// writing a built query with the panel after the range swaps.
//
//   {"keyword": "裙", "category": 1, "priceLow": "0", "priceHigh": "300", "location": 5, "sort": 0,
//    "creditLow": 0, "creditHigh": 19, "services": ["co", "mall"]}
//
// Every field is optional and defaults to the panel as it starts; positions are list positions,
// prices are the fields' texts, services are the parameter names of the ticked check boxes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/query_builder.h"

namespace querybuild {

struct PanelReading {
    std::optional<app::PanelState> panel;
    std::string error;  // one line naming what is wrong, when there is no panel
};

// Never throws: bad JSON, a wrong type, an unknown field or a position outside its list give an
// error.
PanelReading ReadPanelJson(std::string_view text);

// {"query": ..., "panel": {...}} on one line, the panel's fields in the order above.
std::string WriteBuiltQueryJson(const app::BuiltQuery& built);

}  // namespace querybuild
