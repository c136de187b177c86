#include "app/query_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>
#include <string>

#include "platform/utf8.h"

using namespace app;

namespace {

const std::string kHot = "k=%E7%83%AD%E5%8D%96";  // "热卖"
const std::string kRest = "&sp=0&ep=99999999&area=&s=commissionVolume_desc&sc=1heart&ec=5goldencrown";

// Decodes "%XX" runs back into bytes: the reference the encoder must round-trip through.
std::string PercentDecode(const std::string& encoded) {
    std::string out;
    for (size_t i = 0; i + 2 < encoded.size() && encoded[i] == '%'; i += 3) {
        out += char(std::stoi(encoded.substr(i + 1, 2), nullptr, 16));
    }
    return out;
}

// --- the worked examples --------------------------------------------------------------------------

TEST(QueryBuilder, StartingPanelAsksForBestSellers) {
    const BuiltQuery built = BuildQuery(PanelState{});
    EXPECT_EQ(
        built.query,
        "k=%E7%83%AD%E5%8D%96&sp=0&ep=99999999&area=&s=commissionVolume_desc&sc=1heart&ec=5goldencrown");
    EXPECT_EQ(built.panel, PanelState{});
}

TEST(QueryBuilder, ReversedRangesAreSwappedInThePanel) {
    PanelState panel;
    panel.category = 1;
    panel.priceLow = "300";
    panel.priceHigh = "100";
    panel.location = 5;  // 北京
    panel.sort = 1;
    panel.creditLow = 14;
    panel.creditHigh = 5;
    panel.services = {Service::CashOnDelivery, Service::Mall};
    const BuiltQuery built = BuildQuery(panel);
    EXPECT_EQ(built.query,
              "k=&cid=50010850&sp=100&ep=300&area=%E5%8C%97%E4%BA%AC&s=price_asc&sc=1diamond&ec=5crown"
              "&co=true&mall=true");
    EXPECT_EQ(built.panel.priceLow, "100");
    EXPECT_EQ(built.panel.priceHigh, "300");
    EXPECT_EQ(built.panel.creditLow, 5);
    EXPECT_EQ(built.panel.creditHigh, 14);
}

TEST(QueryBuilder, RegionSendsItsPlacesWithEncodedCommas) {
    PanelState panel;
    panel.location = 1;  // 江浙沪
    EXPECT_EQ(BuildQuery(panel).query,
              kHot +
                  "&sp=0&ep=99999999&area=%E6%B1%9F%E8%8B%8F%2C%E6%B5%99%E6%B1%9F%2C%E4%B8%8A%E6%B5%B7"
                  "&s=commissionVolume_desc&sc=1heart&ec=5goldencrown");
}

TEST(QueryBuilder, EqualRangeEndsStayPut) {
    PanelState panel;
    panel.priceLow = "50";
    panel.priceHigh = "50";
    panel.creditLow = panel.creditHigh = 7;
    const BuiltQuery built = BuildQuery(panel);
    EXPECT_EQ(built.panel, panel);
    EXPECT_NE(built.query.find("&sp=50&ep=50&"), std::string::npos);
    EXPECT_NE(built.query.find("&sc=3diamond&ec=3diamond"), std::string::npos);
}

// --- PercentEncodeUtf8 ----------------------------------------------------------------------------

TEST(PercentEncodeUtf8, EncodesEveryByteOfTheUtf8Form) {
    struct Case {
        const char* name;
        std::string text;
        std::string encoded;
    } cases[] = {
        {"empty", "", ""},
        {"ASCII letters and a blank", "a b", "%61%20%62"},
        {"a pasted tab", "\t", "%09"},
        {"control characters below 16", std::string("\x01\x0f", 2), "%01%0F"},
        {"NUL inside the text", std::string("a\0b", 3), "%61%00%62"},
        {"comma, plus and percent", ",+%", "%2C%2B%25"},
        {"Chinese", "裙", "%E8%A3%99"},
        {"emoji (four bytes)", "👗", "%F0%9F%91%97"},
        {"mixed scripts", "Zara裙ワ", "%5A%61%72%61%E8%A3%99%E3%83%AF"},
        {"DEL and the top of Latin-1", "\x7F\xC3\xBF", "%7F%C3%BF"},
        {"a stray continuation byte is repaired", "a\x80", "%61%EF%BF%BD"},
        {"a truncated sequence is repaired", "\xE8\xA3", "%EF%BF%BD"},
        {"an encoded surrogate is repaired per byte", "\xED\xA0\x80", "%EF%BF%BD%EF%BF%BD%EF%BF%BD"},
        {"an overlong slash is repaired", "\xC0\xAF", "%EF%BF%BD%EF%BF%BD"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PercentEncodeUtf8(c.text), c.encoded) << c.name;
    }
}

TEST(PercentEncodeUtf8, RandomWellFormedTextRoundTrips) {
    std::mt19937 rng(7);
    const char32_t ranges[][2] = {
        {0x01, 0x7F}, {0x80, 0x7FF}, {0x4E00, 0x9FFF}, {0xE000, 0xFFFD}, {0x1F300, 0x1FAFF}};
    for (int round = 0; round < 200; ++round) {
        std::string text;
        for (int n = int(rng() % 12); n > 0; --n) {
            const auto& r = ranges[rng() % 5];
            platform::utf8::Append(text, char32_t(r[0] + rng() % (r[1] - r[0] + 1)));
        }
        const std::string encoded = PercentEncodeUtf8(text);
        ASSERT_EQ(encoded.size(), text.size() * 3);
        EXPECT_EQ(PercentDecode(encoded), text);
        EXPECT_TRUE(std::all_of(encoded.begin(), encoded.end(), [](char c) {
            return c == '%' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
        }));
    }
}

// --- keyword and category -------------------------------------------------------------------------

TEST(QueryBuilder, EveryCategory) {
    for (int position = 0; position < int(Categories.size()); ++position) {
        PanelState panel;
        panel.category = position;
        const std::string expected =
            position == 0 ? kHot : "k=&cid=" + std::string(CategoryIds[size_t(position)]);
        EXPECT_EQ(BuildQuery(panel).query, expected + kRest) << CategoryCaptions[size_t(position)];

        panel.keyword = "裙";
        const std::string withKeyword =
            "k=%E8%A3%99" + (position == 0 ? "" : "&cid=" + std::string(CategoryIds[size_t(position)]));
        EXPECT_EQ(BuildQuery(panel).query, withKeyword + kRest) << CategoryCaptions[size_t(position)];
    }
}

TEST(QueryBuilder, KeywordIsTakenExactlyAsTyped) {
    struct Case {
        std::string keyword;
        std::string k;
    } cases[] = {
        {" ", "k=%20"},  // a blank alone is a keyword, not "nothing typed"
        {" 裙 ", "k=%20%E8%A3%99%20"},
        {"热卖", "k=%E7%83%AD%E5%8D%96"},
        {"a\tb\n", "k=%61%09%62%0A"},
        {"\xE8\xA3", "k=%EF%BF%BD"},  // invalid UTF-8 must not stop the search
    };
    for (const Case& c : cases) {
        PanelState panel;
        panel.keyword = c.keyword;
        EXPECT_EQ(BuildQuery(panel).query, c.k + kRest) << c.keyword;
    }
}

// --- price ----------------------------------------------------------------------------------------

TEST(PriceFieldValue, ReadsTheTextAsTheSpinEditDoes) {
    struct Case {
        const char* text;
        int32_t value;
    } cases[] = {
        {"0", 0},
        {"99999999", 99999999},
        {"", 0},
        {"abc", 0},
        {" 12 ", 12},
        {"-5", -5},
        {"+7", 7},
        {"12a", 0},
        {"0x10", 0},
        {"--1", 0},
        {"+-1", 0},
        {"1.5", 0},
        {"2147483647", 2147483647},
        {"2147483648", 0},
        {"-2147483648", -2147483648LL},
        {"１２", 0},
        {"007", 7},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PriceFieldValue(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(QueryBuilder, PriceFieldsAsTheyReadAndAsTheyAreWrittenBack) {
    struct Case {
        const char* name;
        const char* low;
        const char* high;
        const char* sent;      // the price part of the query
        const char* lowAfter;  // the fields afterwards
        const char* highAfter;
    } cases[] = {
        {"text that is no number counts as 0", "", "abc", "&sp=0&ep=0&", "", "abc"},
        {"a number typed but not yet clamped is sent as read", "-5", "123456789", "&sp=-5&ep=123456789&",
         "-5", "123456789"},
        {"a swap sets both fields, which clamp", "200", "-5", "&sp=0&ep=200&", "0", "200"},
        {"a swap of a too-large value clamps it", "123456789", "7", "&sp=7&ep=99999999&", "7", "99999999"},
        {"a swap rewrites the text in decimal", " 0300", "1x", "&sp=0&ep=300&", "0", "300"},
    };
    for (const Case& c : cases) {
        PanelState panel;
        panel.priceLow = c.low;
        panel.priceHigh = c.high;
        const BuiltQuery built = BuildQuery(panel);
        EXPECT_NE(built.query.find(c.sent), std::string::npos) << c.name << ": " << built.query;
        EXPECT_EQ(built.panel.priceLow, c.lowAfter) << c.name;
        EXPECT_EQ(built.panel.priceHigh, c.highAfter) << c.name;
    }
}

// --- location, sort, credit, services -------------------------------------------------------------

TEST(QueryBuilder, EveryLocationKind) {
    for (int position = 0; position < int(LocationCaptions.size()); ++position) {
        PanelState panel;
        panel.location = position;
        const std::string query = BuildQuery(panel).query;
        const size_t from = query.find("&area=") + 6;
        const std::string area = PercentDecode(query.substr(from, query.find("&s=") - from));
        const std::string_view expected =
            position < FirstPlacePosition ? AreaValues[size_t(position)] : LocationCaptions[size_t(position)];
        EXPECT_EQ(area, expected) << LocationCaptions[size_t(position)];
    }
    PanelState overseas;
    overseas.location = 4;
    EXPECT_NE(BuildQuery(overseas).query.find("%E5%85%B6%E5%AE%83%E5%9B%BD%E5%AE%B6&s="), std::string::npos)
        << "the overseas list ends with 其它国家";
}

TEST(QueryBuilder, EverySort) {
    for (int position = 0; position < int(SortOrders.size()); ++position) {
        PanelState panel;
        panel.sort = position;
        EXPECT_EQ(BuildQuery(panel).query,
                  kHot + "&sp=0&ep=99999999&area=&s=" + std::string(SortKeys[size_t(position)]) +
                      "&sc=1heart&ec=5goldencrown");
    }
}

TEST(QueryBuilder, EveryCreditPairIsSentLowestFirst) {
    for (int low = 0; low < 20; ++low) {
        for (int high = 0; high < 20; ++high) {
            PanelState panel;
            panel.creditLow = low;
            panel.creditHigh = high;
            const BuiltQuery built = BuildQuery(panel);
            const int min = std::min(low, high), max = std::max(low, high);
            EXPECT_EQ(built.panel.creditLow, min);
            EXPECT_EQ(built.panel.creditHigh, max);
            const std::string tail = "&sc=" + std::string(CreditValues[size_t(min)]) +
                                     "&ec=" + std::string(CreditValues[size_t(max)]);
            EXPECT_TRUE(built.query.ends_with(tail)) << low << ", " << high << ": " << built.query;
        }
    }
}

TEST(QueryBuilder, EachServiceAloneAndAllInTableOrder) {
    const char* parameters[] = {"&oi=true",   "&co=true", "&rd=true", "&sr=true",
                                "&mall=true", "&or=true", "&gu=true"};
    for (const ServiceEntry& entry : ServiceFilters) {
        PanelState panel;
        panel.services = {entry.service};
        EXPECT_EQ(BuildQuery(panel).query, kHot + kRest + parameters[size_t(entry.service)]) << entry.caption;
    }
    PanelState all;
    for (const ServiceEntry& entry : ServiceFilters) {
        all.services.Add(entry.service);
    }
    EXPECT_EQ(BuildQuery(all).query,
              kHot + kRest + "&oi=true&co=true&rd=true&sr=true&mall=true&or=true&gu=true");
    PanelState ticked;
    ticked.services = {Service::ConsumerProtection, Service::OverseasGoods};  // ticked in another order
    EXPECT_EQ(BuildQuery(ticked).query, kHot + kRest + "&oi=true&gu=true");
}

// --- positions outside the lists ------------------------------------------------------------------

// The builder never fails: a position outside its list takes the list's first entry, in the query
// and in the panel written back, before the credit range is put right.
TEST(QueryBuilder, PositionOutsideItsListTakesTheFirstEntryAndIsNamedByFindPanelError) {
    struct Case {
        const char* field;
        void (*set)(PanelState&);
        const char* query;  // what differs from the starting panel's query
        void (*expect)(const PanelState&);
    } cases[] = {
        {"category", [](PanelState& p) { p.category = 26; },
         "k=%E7%83%AD%E5%8D%96&sp=", [](const PanelState& p) { EXPECT_EQ(p.category, 0); }},
        {"location", [](PanelState& p) { p.location = -1; }, "&area=&",
         [](const PanelState& p) { EXPECT_EQ(p.location, 0); }},
        {"sort", [](PanelState& p) { p.sort = 5; }, "&s=commissionVolume_desc&",
         [](const PanelState& p) { EXPECT_EQ(p.sort, 0); }},
        {"creditLow", [](PanelState& p) { p.creditLow = -1; }, "&sc=1heart&ec=5goldencrown",
         [](const PanelState& p) { EXPECT_EQ(p.creditLow, 0); }},
        // The first entry, then the range put right.
        {"creditHigh", [](PanelState& p) { p.creditLow = 3, p.creditHigh = 20; }, "&sc=1heart&ec=4heart",
         [](const PanelState& p) {
             EXPECT_EQ(p.creditLow, 0);
             EXPECT_EQ(p.creditHigh, 3);
         }},
        {"category", [](PanelState& p) { p.category = std::numeric_limits<int>::min(); }, "k=%E7%83%AD",
         [](const PanelState& p) { EXPECT_EQ(p.category, 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        PanelState panel;
        c.set(panel);
        const auto error = FindPanelError(panel);
        ASSERT_TRUE(error.has_value());
        EXPECT_TRUE(error->starts_with(c.field)) << *error;
        const BuiltQuery built = BuildQuery(panel);
        EXPECT_NE(built.query.find(c.query), std::string::npos) << built.query;
        c.expect(built.panel);
        EXPECT_FALSE(FindPanelError(built.panel).has_value());
    }
    EXPECT_FALSE(FindPanelError(PanelState{}).has_value());
}

}  // namespace
