#include "pageserver/search_query.h"

#include <array>
#include <charconv>
#include <functional>

#include "platform/utf8.h"

namespace pageserver {

namespace {

struct QueryError {
    std::string message;
};

// Parameter names are echoed in messages; keep what comes from outside short and printable.
std::string Quote(std::string_view name) {
    std::string shown;
    for (char c : name.substr(0, 24)) {
        shown += (c >= 0x20 && c < 0x7F) ? c : '?';
    }
    return "“" + shown + (name.size() > 24 ? "…" : "") + "”";
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

std::string DecodeText(std::string_view name, std::string_view value) {
    std::optional<std::string> text = PercentDecode(value);
    if (!text) {
        throw QueryError{"参数 " + Quote(name) + " 的百分号编码有误"};
    }
    if (!platform::utf8::IsWellFormed(*text)) {
        throw QueryError{"参数 " + Quote(name) + " 不是有效的 UTF-8 文本"};
    }
    return std::move(*text);
}

int64_t ReadPrice(std::string_view name, std::string_view value) {
    int32_t number = 0;  // the panel sends its fields' 32-bit values
    const char* end = value.data() + value.size();
    const auto [stop, error] = std::from_chars(value.data(), end, number, 10);
    if (value.empty() || error != std::errc{} || stop != end) {
        throw QueryError{"价格 " + Quote(value) + " 不是有效的整数"};
    }
    return number;
}

template <size_t N>
int ReadListValue(std::string_view value, const std::array<std::string_view, N>& column, const char* what) {
    for (size_t i = 0; i < N; ++i) {
        if (column[i] == value) {
            return int(i);
        }
    }
    throw QueryError{std::string("未知的") + what + " " + Quote(value)};
}

// Splits on commas (ASCII or full-width), trims blanks and drops empty pieces.
std::vector<std::string> SplitAreas(const std::string& text) {
    std::vector<std::string> areas;
    std::string current;
    const auto flush = [&] {
        const size_t first = current.find_first_not_of(" \t");
        const size_t last = current.find_last_not_of(" \t");
        if (first != std::string::npos) {
            areas.push_back(current.substr(first, last - first + 1));
        }
        current.clear();
    };
    for (size_t pos = 0; pos < text.size();) {
        if (text[pos] == ',') {
            flush();
            ++pos;
        } else if (text.compare(pos, 3, "，") == 0) {
            flush();
            pos += 3;
        } else {
            current += text[pos++];
        }
    }
    flush();
    return areas;
}

using ParameterReader = std::function<void(std::string_view value, SearchQuery&)>;

struct Parameter {
    std::string_view name;
    ParameterReader read;
};

std::vector<Parameter> MakeParameters() {
    std::vector<Parameter> parameters{
        {"k",
         [](std::string_view v, SearchQuery& q) {
             q.keyword = DecodeText("k", v);
             q.bestSellers = q.keyword == "热卖";
             if (q.bestSellers) {
                 q.keyword.clear();
             }
         }},
        {"cid",
         [](std::string_view v, SearchQuery& q) { q.category = ReadListValue(v, app::CategoryIds, "类目"); }},
        {"sp", [](std::string_view v, SearchQuery& q) { q.priceLow = ReadPrice("sp", v); }},
        {"ep", [](std::string_view v, SearchQuery& q) { q.priceHigh = ReadPrice("ep", v); }},
        {"area", [](std::string_view v, SearchQuery& q) { q.areas = SplitAreas(DecodeText("area", v)); }},
        {"s",
         [](std::string_view v, SearchQuery& q) { q.sort = ReadListValue(v, app::SortKeys, "排序方式"); }},
        {"sc", [](std::string_view v,
                  SearchQuery& q) { q.creditLow = ReadListValue(v, app::CreditValues, "信用等级"); }},
        {"ec", [](std::string_view v,
                  SearchQuery& q) { q.creditHigh = ReadListValue(v, app::CreditValues, "信用等级"); }},
    };
    for (const app::ServiceEntry& entry : app::ServiceFilters) {
        parameters.push_back({entry.name, [&entry](std::string_view v, SearchQuery& q) {
                                  if (v != "true") {
                                      throw QueryError{"参数 " + Quote(entry.name) + " 只能是 true"};
                                  }
                                  q.services.Add(entry.service);
                              }});
    }
    return parameters;
}

const std::vector<Parameter>& Parameters() {
    static const std::vector<Parameter> parameters = MakeParameters();
    return parameters;
}

}  // namespace

std::optional<std::string> PercentDecode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size()) {
            return std::nullopt;
        }
        const int high = HexDigit(text[i + 1]), low = HexDigit(text[i + 2]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        out += char(high * 16 + low);
        i += 2;
    }
    return out;
}

std::optional<std::vector<int64_t>> ReadWearList(std::string_view text) {
    std::vector<int64_t> ids;
    if (text.empty()) {
        return ids;
    }
    if (!text.starts_with("wear=") || text.ends_with(',')) {
        return std::nullopt;
    }
    std::string_view list = text.substr(5);
    while (!list.empty()) {
        const size_t comma = list.find(',');
        const std::string_view piece = list.substr(0, comma);
        int64_t id = 0;
        const auto [end, error] = std::from_chars(piece.data(), piece.data() + piece.size(), id, 10);
        if (piece.empty() || error != std::errc{} || end != piece.data() + piece.size() ||
            ids.size() == MaxWornItems) {
            return std::nullopt;
        }
        ids.push_back(id);
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    }
    return ids;
}

QueryReading ReadSearchQuery(std::string_view raw) {
    try {
        if (raw.size() > MaxQueryBytes) {
            throw QueryError{"查询太长了（超过 " + std::to_string(MaxQueryBytes / 1024) + " KB）"};
        }
        SearchQuery query;
        std::vector<bool> seen(Parameters().size(), false);
        while (!raw.empty()) {
            const size_t amp = raw.find('&');
            const std::string_view piece = raw.substr(0, amp);
            raw = amp == std::string_view::npos ? std::string_view() : raw.substr(amp + 1);
            if (piece.empty()) {
                continue;  // "a=1&&b=2" or a trailing "&"
            }
            const size_t eq = piece.find('=');
            const std::string_view name = piece.substr(0, eq);
            if (eq == std::string_view::npos) {
                throw QueryError{"参数 " + Quote(name) + " 没有值"};
            }
            size_t index = 0;
            while (index < Parameters().size() && Parameters()[index].name != name) {
                ++index;
            }
            if (index == Parameters().size()) {
                throw QueryError{"未知的参数 " + Quote(name)};
            }
            if (seen[index]) {
                throw QueryError{"参数 " + Quote(name) + " 出现了不止一次"};
            }
            seen[index] = true;
            Parameters()[index].read(piece.substr(eq + 1), query);
        }
        if (!seen[0]) {
            throw QueryError{"缺少关键字参数 “k”"};
        }
        return {std::move(query), {}};
    } catch (const QueryError& e) {
        return {std::nullopt, e.message};
    }
}

}  // namespace pageserver
