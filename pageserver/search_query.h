// Reading the query string that the program's query builder sends with a search:
//
//   k=<keyword>[&cid=<category id>]&sp=<lowest price>&ep=<highest price>&area=<places>&s=<sort key>
//   &sc=<lowest credit>&ec=<highest credit>[&oi=true][&co=true]...[&gu=true]
//
// Keyword and area are percent-encoded UTF-8 (every byte as %XX; "+" is a plus sign, not a blank);
// the keyword "热卖" asks for the best sellers; area is a comma-separated list of places (empty: all).
// Only k is required; the others default to the panel as it starts. The text comes from the network:
// anything that is not this format is refused with a message for the shopper, in Chinese.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/search_lists.h"

namespace pageserver {

struct SearchQuery {
    std::string keyword;                    // decoded; empty when the search is by category only
    bool bestSellers = false;               // the keyword was "热卖"
    int category = 0;                       // position in app::Categories; 0 is all of women's clothing
    int64_t priceLow = app::PriceFieldMin;  // yuan
    int64_t priceHigh = app::PriceFieldMax;
    std::vector<std::string> areas;  // place names; empty for everywhere
    int sort = 0;                    // position in app::SortOrders
    int creditLow = 0;               // positions in app::CreditLevels
    int creditHigh = int(app::CreditLevels.size()) - 1;
    app::ServiceSet services;
};

struct QueryReading {
    std::optional<SearchQuery> query;
    std::string error;  // why the query was refused, for the shopper
};

// Longer queries are refused; the longest keyword a shopper would type stays far below it.
inline constexpr size_t MaxQueryBytes = 32 * 1024;

QueryReading ReadSearchQuery(std::string_view raw);

// The fitting room's "wear=<id>,<id>,...": item ids in the order they are put on, at most
// MaxWornItems; an empty text is an empty list. Nothing when the text is not such a list.
inline constexpr size_t MaxWornItems = 8;
std::optional<std::vector<int64_t>> ReadWearList(std::string_view text);

// Percent-decoding as the query uses it; nothing when an escape is broken.
std::optional<std::string> PercentDecode(std::string_view text);

}  // namespace pageserver
