// The query builder: turns the state of the filter panel into the query string that the result
// page's script receives (SoItem), and puts reversed price and credit ranges the right way round in
// the panel first. A pure function: the main window copies its controls into a PanelState, builds,
// and writes the returned panel back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/search_lists.h"

namespace app {

// The filter panel as the user left it. The defaults are the panel as it starts.
struct PanelState {
    std::string keyword;                            // m_keyword, exactly as typed (UTF-8)
    int category = 0;                               // m_cid, position in Categories
    std::string priceLow = "0";                     // m_sp, the field's text
    std::string priceHigh = "99999999";             // m_ep, the field's text
    int location = 0;                               // m_loc, position in LocationCaptions
    int sort = 0;                                   // m_sort, position in SortOrders
    int creditLow = 0;                              // m_sc, position in CreditLevels
    int creditHigh = int(CreditLevels.size()) - 1;  // m_ec
    ServiceSet services;

    friend bool operator==(const PanelState&, const PanelState&) = default;
};

struct BuiltQuery {
    std::string query;  // ASCII
    PanelState panel;   // the panel after the range swaps
};

// Every byte of the UTF-8 form of the text as "%XX" (upper-case hex), blanks and ASCII letters
// included. Ill-formed UTF-8 is first repaired (U+FFFD for each ill-formed piece), as converting
// text to UTF-8 would.
std::string PercentEncodeUtf8(std::string_view text);

// The value a price field reads from its text (see framework::SpinEditTextValue).
int32_t PriceFieldValue(std::string_view text);

// Names the first position of the panel that lies outside its list, or nothing when all are in
// range. The panel's lists never hold such a position (a list with nothing chosen would); callers
// that take a panel from outside (tools) can refuse it with this.
std::optional<std::string> FindPanelError(const PanelState& panel);

// Builds the query; it never fails. A position outside its list (category, location, sort or a
// credit end) takes the first entry of that list, before the ranges are put right, and the panel
// returned shows that entry, so the panel written back reads what was searched.
BuiltQuery BuildQuery(const PanelState& panel);

}  // namespace app
