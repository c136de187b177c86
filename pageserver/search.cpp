#include "pageserver/search.h"

#include <algorithm>
#include <functional>

#include "platform/utf8.h"

namespace pageserver {

namespace {

std::string LowerAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = char(c - 'A' + 'a');
        }
    }
    return text;
}

std::string Haystack(const Item& item) {
    const Place& place = SellerPlaces()[size_t(item.place)];
    return LowerAscii(item.title + " " + std::string(app::CategoryCaptions[size_t(item.category)]) + " " +
                      std::string(item.color.name) + " " + item.shop + " " + PlaceLabel(place));
}

bool InArea(const Item& item, const std::vector<std::string>& areas) {
    if (areas.empty()) {
        return true;
    }
    const Place& place = SellerPlaces()[size_t(item.place)];
    return std::any_of(areas.begin(), areas.end(),
                       [&](const std::string& area) { return area == place.name || area == place.within; });
}

bool HasServices(const Item& item, app::ServiceSet wanted) {
    for (const app::ServiceEntry& entry : app::ServiceFilters) {
        if (wanted.Has(entry.service) && !item.services.Has(entry.service)) {
            return false;
        }
    }
    return true;
}

using Before = std::function<bool(const Item&, const Item&)>;

// Indexed by sort position, as app::SortKeys.
const std::array<Before, 5>& SortOrders() {
    static const std::array<Before, 5> orders{{
        [](const Item& a, const Item& b) { return a.commissionVolume > b.commissionVolume; },
        [](const Item& a, const Item& b) { return a.priceCents < b.priceCents; },
        [](const Item& a, const Item& b) { return a.priceCents > b.priceCents; },
        [](const Item& a, const Item& b) {
            return a.credit != b.credit ? a.credit > b.credit : a.sales > b.sales;
        },
        [](const Item& a, const Item& b) { return a.sales > b.sales; },
    }};
    static_assert(std::tuple_size_v<std::remove_reference_t<decltype(orders)>> == app::SortKeys.size());
    return orders;
}

}  // namespace

std::vector<std::string> KeywordWords(std::string_view keyword) {
    std::vector<std::string> words;
    std::string current;
    for (size_t pos = 0; pos < keyword.size();) {
        const platform::utf8::Step step = platform::utf8::DecodeAt(keyword, pos);
        const bool separator = step.codePoint <= 0x20 || step.codePoint == 0x7F || step.codePoint == 0x3000;
        if (separator) {
            if (!current.empty()) {
                words.push_back(LowerAscii(std::move(current)));
            }
            current.clear();
        } else {
            current.append(keyword.substr(pos, step.length));
        }
        pos += step.length;
    }
    if (!current.empty()) {
        words.push_back(LowerAscii(std::move(current)));
    }
    return words;
}

namespace {

bool MatchesWithWords(const Item& item, const SearchQuery& query, const std::vector<std::string>& words) {
    if (query.category > 0 && item.category != query.category) {
        return false;
    }
    if (query.bestSellers && !item.hot) {
        return false;
    }
    if (item.priceCents < query.priceLow * 100 || item.priceCents > query.priceHigh * 100) {
        return false;
    }
    if (item.credit < query.creditLow || item.credit > query.creditHigh) {
        return false;
    }
    if (!HasServices(item, query.services) || !InArea(item, query.areas)) {
        return false;
    }
    if (words.empty()) {
        return true;
    }
    const std::string haystack = Haystack(item);
    return std::all_of(words.begin(), words.end(),
                       [&](const std::string& word) { return haystack.find(word) != std::string::npos; });
}

}  // namespace

bool Matches(const Item& item, const SearchQuery& query) {
    return MatchesWithWords(item, query, KeywordWords(query.keyword));
}

std::vector<const Item*> Search(const Catalogue& catalogue, const SearchQuery& query) {
    const std::vector<std::string> words = KeywordWords(query.keyword);
    std::vector<const Item*> found;
    for (const Item& item : catalogue.Items()) {
        if (MatchesWithWords(item, query, words)) {
            found.push_back(&item);
        }
    }
    const Before& before = SortOrders()[size_t(query.sort)];
    std::stable_sort(found.begin(), found.end(),
                     [&](const Item* a, const Item* b) { return before(*a, *b); });
    return found;
}

}  // namespace pageserver
