#include "pageserver/answers.h"

#include <cstdio>

#include "pageserver/pictures.h"
#include "pageserver/search.h"
#include "platform/utf8.h"

namespace pageserver {

namespace {

using nlohmann::json;

std::string WithoutBlanks(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c != ' ') {
            out += c;
        }
    }
    return out;
}

std::string Yuan(int64_t cents) {
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%02lld", static_cast<long long>(cents / 100),
                  static_cast<long long>(cents % 100));
    return text;
}

json CreditJson(int level) {
    constexpr std::array<std::string_view, 4> kinds{"heart", "diamond", "crown", "goldencrown"};
    return {{"level", level},
            {"kind", kinds[size_t(level / 5)]},
            {"count", level % 5 + 1},
            {"text", WithoutBlanks(app::CreditCaptions[size_t(level)])}};
}

json ServiceCaptions(app::ServiceSet services) {
    json captions = json::array();
    for (const app::ServiceEntry& entry : app::ServiceFilters) {
        if (services.Has(entry.service)) {
            captions.push_back(entry.caption);
        }
    }
    return captions;
}

std::string AreaSummary(const std::vector<std::string>& areas) {
    if (areas.empty()) {
        return std::string(app::Regions[0].caption);
    }
    std::string joined, commaJoined;
    for (const std::string& area : areas) {
        joined += (joined.empty() ? "" : "、") + area;
        commaJoined += (commaJoined.empty() ? "" : ",") + area;
    }
    for (const app::RegionEntry& region : app::Regions) {
        if (region.areas == commaJoined) {
            return std::string(region.caption);
        }
    }
    return joined;
}

std::string PriceSummary(const SearchQuery& q) {
    if (q.priceLow <= app::PriceFieldMin && q.priceHigh >= app::PriceFieldMax) {
        return "不限";
    }
    return std::to_string(q.priceLow) + " - " + std::to_string(q.priceHigh) + " 元";
}

// Text from the network goes back out as JSON; keep it printable and well-formed.
std::string Printable(std::string_view raw) {
    std::string text = platform::utf8::ToWellFormed(raw.substr(0, 300));
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            c = '?';
        }
    }
    return raw.size() > 300 ? text + "…" : text;
}

}  // namespace

json ItemJson(const Item& item) {
    const Place& place = SellerPlaces()[size_t(item.place)];
    return {{"id", item.id},
            {"title", item.title},
            {"category", app::CategoryCaptions[size_t(item.category)]},
            {"price", Yuan(item.priceCents)},
            {"location", PlaceLabel(place)},
            {"credit", CreditJson(item.credit)},
            {"services", ServiceCaptions(item.services)},
            {"sales", item.sales},
            {"hot", item.hot},
            {"shop", item.shop},
            {"colour", item.color.name},
            {"slot", SlotName(SlotOf(item))},
            {"picture", "/qrwk/img/" + std::to_string(item.id) + ".svg"}};
}

json QuerySummary(const SearchQuery& q) {
    return {{"keyword", q.keyword},
            {"bestSellers", q.bestSellers},
            {"category", q.category == 0 ? "全部女装" : app::CategoryCaptions[size_t(q.category)]},
            {"price", PriceSummary(q)},
            {"area", AreaSummary(q.areas)},
            {"sort", app::SortCaptions[size_t(q.sort)]},
            {"credit", WithoutBlanks(app::CreditCaptions[size_t(q.creditLow)]) + " 至 " +
                           WithoutBlanks(app::CreditCaptions[size_t(q.creditHigh)])},
            {"services", ServiceCaptions(q.services)}};
}

SearchAnswer AnswerSearch(const Catalogue& catalogue, std::string_view rawQuery) {
    const QueryReading reading = ReadSearchQuery(rawQuery);
    if (!reading.query) {
        return {400,
                {{"ok", false},
                 {"query", Printable(rawQuery)},
                 {"message", "查询格式有误：" + reading.error},
                 {"summary", nullptr},
                 {"total", 0},
                 {"items", json::array()}}};
    }
    json items = json::array();
    for (const Item* item : Search(catalogue, *reading.query)) {
        items.push_back(ItemJson(*item));
    }
    const size_t total = items.size();
    return {200,
            {{"ok", true},
             {"query", Printable(rawQuery)},
             {"message", total == 0 ? "没有找到符合条件的宝贝，换个关键字或放宽条件试试吧。" : ""},
             {"summary", QuerySummary(*reading.query)},
             {"total", total},
             {"items", std::move(items)}}};
}

}  // namespace pageserver
