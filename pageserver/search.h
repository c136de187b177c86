// Searching the catalogue: which items a query finds, in the order it asks for.
#pragma once

#include <vector>

#include "pageserver/catalogue.h"
#include "pageserver/search_query.h"

namespace pageserver {

// An item is found when every blank-separated word of the keyword occurs in its title, category,
// colour, shop or location (ASCII letters in any case), and it passes every filter of the query.
bool Matches(const Item& item, const SearchQuery& query);

// The items found, in the query's order; ties keep catalogue order.
std::vector<const Item*> Search(const Catalogue& catalogue, const SearchQuery& query);

// The keyword's words: split at blanks, control characters and the ideographic space.
std::vector<std::string> KeywordWords(std::string_view keyword);

}  // namespace pageserver
