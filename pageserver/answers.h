// What the search endpoint answers, as JSON: the items found, a summary of the query in the shop's
// words, or the reason a query was refused.
//
//   {"ok": true, "query": "k=...", "message": "", "summary": {...}, "total": 37, "items": [...]}
//   {"ok": false, "query": "k=...", "message": "查询格式有误：...", "summary": null, "total": 0, "items": []}
#pragma once

#include <nlohmann/json.hpp>
#include <string_view>

#include "pageserver/catalogue.h"
#include "pageserver/search_query.h"

namespace pageserver {

struct SearchAnswer {
    int status;  // 200, or 400 for a refused query
    nlohmann::json body;
};

SearchAnswer AnswerSearch(const Catalogue& catalogue, std::string_view rawQuery);

nlohmann::json ItemJson(const Item& item);
nlohmann::json QuerySummary(const SearchQuery& query);

}  // namespace pageserver
