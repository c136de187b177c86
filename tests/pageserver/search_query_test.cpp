// The page server's query reader against the program's query builder: whatever a panel sends must
// read back as that panel, and anything else is refused with a message, never a crash.
#include "pageserver/search_query.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "app/query_builder.h"
#include "platform/utf8.h"

using namespace pageserver;

namespace {

std::vector<std::string> Split(std::string_view areas) {
    std::vector<std::string> out;
    while (!areas.empty()) {
        const size_t comma = areas.find(',');
        out.emplace_back(areas.substr(0, comma));
        areas = comma == std::string_view::npos ? std::string_view() : areas.substr(comma + 1);
    }
    return out;
}

// What a panel asks for, in the reader's terms.
void ExpectReadsAsPanel(const app::PanelState& panel) {
    const app::BuiltQuery built = app::BuildQuery(panel);
    const QueryReading reading = ReadSearchQuery(built.query);
    ASSERT_TRUE(reading.query) << built.query << ": " << reading.error;
    const SearchQuery& q = *reading.query;
    const app::PanelState& p = built.panel;
    const bool hot = panel.keyword.empty() && panel.category == 0;
    EXPECT_EQ(q.bestSellers, hot || panel.keyword == "热卖") << built.query;
    EXPECT_EQ(q.keyword, hot || panel.keyword == "热卖" ? "" : platform::utf8::ToWellFormed(panel.keyword));
    EXPECT_EQ(q.category, p.category);
    EXPECT_EQ(q.priceLow, app::PriceFieldValue(p.priceLow));
    EXPECT_EQ(q.priceHigh, app::PriceFieldValue(p.priceHigh));
    const std::string_view area = p.location >= app::FirstPlacePosition
                                      ? app::LocationCaptions[size_t(p.location)]
                                      : app::AreaValues[size_t(p.location)];
    EXPECT_EQ(q.areas, Split(area)) << built.query;
    EXPECT_EQ(q.sort, p.sort);
    EXPECT_EQ(q.creditLow, p.creditLow);
    EXPECT_EQ(q.creditHigh, p.creditHigh);
    EXPECT_EQ(q.services, p.services);
}

TEST(SearchQuery, ReadsEveryListPositionTheBuilderSends) {
    for (int category = 0; category < int(app::Categories.size()); ++category) {
        app::PanelState panel;
        panel.category = category;
        ExpectReadsAsPanel(panel);
    }
    for (int location = 0; location < int(app::LocationCaptions.size()); ++location) {
        app::PanelState panel;
        panel.location = location;
        ExpectReadsAsPanel(panel);
    }
    for (int sort = 0; sort < int(app::SortOrders.size()); ++sort) {
        app::PanelState panel;
        panel.sort = sort;
        ExpectReadsAsPanel(panel);
    }
    for (int low = 0; low < 20; ++low) {
        for (int high = 0; high < 20; ++high) {
            app::PanelState panel;
            panel.creditLow = low;
            panel.creditHigh = high;
            ExpectReadsAsPanel(panel);
        }
    }
}

TEST(SearchQuery, ReadsKeywordsPricesAndServicesTheBuilderSends) {
    for (const char* keyword :
         {"", "裙", "a b", " 连衣裙 ", "\t", "热卖", "T恤 👗 ワンピース", "%&=+,", "\xE8\xA3"}) {
        app::PanelState panel;
        panel.keyword = keyword;
        ExpectReadsAsPanel(panel);
    }
    for (auto [low, high] : std::vector<std::pair<const char*, const char*>>{
             {"0", "99999999"}, {"300", "100"}, {"-5", "2147483647"}, {"x", ""}, {"-2147483648", "0"}}) {
        app::PanelState panel;
        panel.priceLow = low;
        panel.priceHigh = high;
        ExpectReadsAsPanel(panel);
    }
    std::mt19937 rng(3);
    for (int round = 0; round < 64; ++round) {
        app::PanelState panel;
        for (const app::ServiceEntry& entry : app::ServiceFilters) {
            if (rng() % 2) {
                panel.services.Add(entry.service);
            }
        }
        panel.category = int(rng() % 26);
        panel.location = int(rng() % 63);
        ExpectReadsAsPanel(panel);
    }
}

TEST(SearchQuery, RefusesWhatThePanelNeverSends) {
    const std::string valid = "&sp=0&ep=1&area=&s=price_asc&sc=1heart&ec=5crown";
    struct Case {
        const char* name;
        std::string query;
        const char* error;
    } cases[] = {
        {"empty", "", "缺少关键字参数 “k”"},
        {"no keyword", "cid=1622", "缺少关键字参数 “k”"},
        {"a lone percent", "k=%", "参数 “k” 的百分号编码有误"},
        {"one hex digit", "k=%4", "参数 “k” 的百分号编码有误"},
        {"not hex", "k=%GG", "参数 “k” 的百分号编码有误"},
        {"an encoded half character", "k=%E8%A3", "参数 “k” 不是有效的 UTF-8 文本"},
        {"raw invalid UTF-8", "k=\xFF", "参数 “k” 不是有效的 UTF-8 文本"},
        {"invalid UTF-8 in the area", "k=&area=%C0%AF", "参数 “area” 不是有效的 UTF-8 文本"},
        {"a repeated keyword", "k=a&k=b", "参数 “k” 出现了不止一次"},
        {"a repeated service", "k=&co=true&co=true", "参数 “co” 出现了不止一次"},
        {"a parameter without value", "k=&mall", "参数 “mall” 没有值"},
        {"an unknown parameter", "k=&page=2", "未知的参数 “page”"},
        {"a hostile parameter name", "k=&\x01<script>=1", "未知的参数 “?<script>”"},
        {"an unknown category", "k=&cid=16x", "未知的类目 “16x”"},
        {"an unknown sort", "k=&s=PRICE_ASC", "未知的排序方式 “PRICE_ASC”"},
        {"an unknown credit", "k=&sc=6heart", "未知的信用等级 “6heart”"},
        {"a service not true", "k=&oi=false", "参数 “oi” 只能是 true"},
        {"a price with letters", "k=&sp=12a", "价格 “12a” 不是有效的整数"},
        {"a price beyond 32 bits", "k=&ep=2147483648", "价格 “2147483648” 不是有效的整数"},
        {"an enormous price", "k=&sp=" + std::string(5000, '9'),
         "价格 “999999999999999999999999…” 不是有效的整数"},
        {"a price with a plus", "k=&sp=+1", "价格 “+1” 不是有效的整数"},
        {"an empty price", "k=&sp=", "价格 “” 不是有效的整数"},
        {"a huge query", "k=" + std::string(MaxQueryBytes, 'a'), "查询太长了（超过 32 KB）"},
    };
    for (const Case& c : cases) {
        const QueryReading reading = ReadSearchQuery(c.query);
        EXPECT_FALSE(reading.query) << c.name;
        EXPECT_EQ(reading.error, c.error) << c.name;
    }
    EXPECT_TRUE(ReadSearchQuery("k=" + valid).query) << "the valid tail used above";
}

TEST(SearchQuery, AcceptsWhatIsHarmless) {
    struct Case {
        const char* name;
        std::string query;
        std::string keyword;
    } cases[] = {
        {"lower-case escapes", "k=%e8%a3%99", "裙"},           {"a plus sign is a plus sign", "k=a+b", "a+b"},
        {"letters need not be encoded", "k=abc", "abc"},       {"empty pieces", "&&k=x&&s=price_asc&", "x"},
        {"an encoded NUL", "k=a%00b", std::string("a\0b", 3)},
    };
    for (const Case& c : cases) {
        const QueryReading reading = ReadSearchQuery(c.query);
        ASSERT_TRUE(reading.query) << c.name << ": " << reading.error;
        EXPECT_EQ(reading.query->keyword, c.keyword) << c.name;
    }
    const auto negative = ReadSearchQuery("k=&sp=-100&ep=-1");
    ASSERT_TRUE(negative.query);
    EXPECT_EQ(negative.query->priceLow, -100);
    const auto areas = ReadSearchQuery("k=&area=%E6%B1%9F%E8%8B%8F%EF%BC%8C%20%E4%B8%8A%E6%B5%B7%2C%2C");
    ASSERT_TRUE(areas.query);
    EXPECT_EQ(areas.query->areas, (std::vector<std::string>{"江苏", "上海"}))
        << "full-width commas, blanks, empties";
}

TEST(WearList, ReadsIdsAndRefusesAnythingElse) {
    EXPECT_EQ(ReadWearList(""), std::vector<int64_t>{});
    EXPECT_EQ(ReadWearList("wear="), std::vector<int64_t>{});
    EXPECT_EQ(ReadWearList("wear=3,17,-2"), (std::vector<int64_t>{3, 17, -2}));
    for (const char* bad : {"wear", "x=1", "wear=1,,2", "wear=1,", "wear=a", "wear=99999999999999999999",
                            "wear=1,2,3,4,5,6,7,8,9"}) {
        EXPECT_FALSE(ReadWearList(bad)) << bad;
    }
}

}  // namespace
