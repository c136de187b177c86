// The sample catalogue and searching it: what the catalogue holds, and search results compared with
// a plain reference filter and sort.
#include "pageserver/search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "app/query_builder.h"

using namespace pageserver;

namespace {

const Catalogue& Shop() {
    return SampleCatalogue();
}

SearchQuery Read(const std::string& raw) {
    QueryReading reading = ReadSearchQuery(raw);
    EXPECT_TRUE(reading.query) << raw << ": " << reading.error;
    return reading.query.value_or(SearchQuery{});
}

SearchQuery FromPanel(const app::PanelState& panel) {
    return Read(app::BuildQuery(panel).query);
}

TEST(Catalogue, CoversEveryCategoryCreditLevelAndKindOfPlace) {
    std::set<int> categories, credits;
    std::set<std::string_view> places;
    int overseas = 0, hot = 0;
    for (const Item& item : Shop().Items()) {
        categories.insert(item.category);
        credits.insert(item.credit);
        places.insert(SellerPlaces()[size_t(item.place)].name);
        overseas += SellerPlaces()[size_t(item.place)].overseas;
        hot += item.hot;
        EXPECT_FALSE(item.title.empty());
        EXPECT_GT(item.priceCents, 0);
        EXPECT_EQ(Shop().Find(item.id), &item);
    }
    EXPECT_GE(Shop().Items().size(), 300u);
    EXPECT_EQ(categories.size(), 25u);
    EXPECT_EQ(*categories.begin(), 1) << "no item sits in the parent category";
    EXPECT_EQ(credits.size(), 20u);
    EXPECT_GT(overseas, 0);
    EXPECT_GT(hot, 0);
    for (const char* place : {"杭州", "上海", "广州", "香港", "台北", "韩国", "马来西亚"}) {
        EXPECT_TRUE(places.count(place)) << place;
    }
    EXPECT_EQ(Shop().Find(0), nullptr);
    EXPECT_EQ(Shop().Find(int64_t(Shop().Items().size()) + 1), nullptr);
}

TEST(Catalogue, IsTheSameOnEveryRun) {
    const Catalogue again = GenerateCatalogue(SampleSeed, SampleItemsPerCategory);
    ASSERT_EQ(again.Items().size(), Shop().Items().size());
    for (size_t i = 0; i < again.Items().size(); ++i) {
        EXPECT_EQ(again.Items()[i].title, Shop().Items()[i].title);
        EXPECT_EQ(again.Items()[i].priceCents, Shop().Items()[i].priceCents);
    }
}

// --- the reference ---------------------------------------------------------------------------------

bool ReferenceMatch(const Item& item, const SearchQuery& q) {
    const Place& place = SellerPlaces()[size_t(item.place)];
    bool area = q.areas.empty();
    for (const std::string& a : q.areas) {
        area = area || a == place.name || a == place.within;
    }
    bool services = true;
    for (const app::ServiceEntry& entry : app::ServiceFilters) {
        services = services && (!q.services.Has(entry.service) || item.services.Has(entry.service));
    }
    return (q.category == 0 || item.category == q.category) && (!q.bestSellers || item.hot) &&
           item.priceCents >= q.priceLow * 100 && item.priceCents <= q.priceHigh * 100 &&
           item.credit >= q.creditLow && item.credit <= q.creditHigh && area && services;
}

int64_t SortValue(const Item& item, int sort) {
    switch (sort) {
        case 0:
            return -item.commissionVolume;
        case 1:
            return item.priceCents;
        case 2:
            return -item.priceCents;
        case 3:
            return -(int64_t(item.credit) * 1000000 + item.sales);
        default:
            return -item.sales;
    }
}

std::vector<int> ReferenceSearch(const SearchQuery& q) {
    std::vector<const Item*> found;
    for (const Item& item : Shop().Items()) {
        if (ReferenceMatch(item, q)) {
            found.push_back(&item);
        }
    }
    std::sort(found.begin(), found.end(), [&](const Item* a, const Item* b) {
        return std::make_pair(SortValue(*a, q.sort), a->id) < std::make_pair(SortValue(*b, q.sort), b->id);
    });
    std::vector<int> ids;
    for (const Item* item : found) {
        ids.push_back(item->id);
    }
    return ids;
}

std::vector<int> Ids(const std::vector<const Item*>& items) {
    std::vector<int> ids;
    for (const Item* item : items) {
        ids.push_back(item->id);
    }
    return ids;
}

TEST(Search, RandomPanelsAgreeWithTheReference) {
    std::mt19937 rng(11);
    int nonEmpty = 0;
    for (int round = 0; round < 400; ++round) {
        app::PanelState panel;
        // Mostly wide panels, so that most rounds find something to compare.
        panel.keyword = rng() % 2 ? " " : "";
        panel.category = int(rng() % 26);
        panel.location = rng() % 3 ? int(rng() % 3) : int(rng() % 63);
        panel.sort = int(rng() % 5);
        panel.creditLow = int(rng() % 20);
        panel.creditHigh = int(rng() % 20);
        panel.priceLow = std::to_string(rng() % 300);
        panel.priceHigh = std::to_string(100 + rng() % 3000);
        for (const app::ServiceEntry& entry : app::ServiceFilters) {
            if (rng() % 8 == 0) {
                panel.services.Add(entry.service);
            }
        }
        const SearchQuery q = FromPanel(panel);
        const std::vector<int> found = Ids(Search(Shop(), q));
        EXPECT_EQ(found, ReferenceSearch(q)) << app::BuildQuery(panel).query;
        nonEmpty += !found.empty();
    }
    EXPECT_GT(nonEmpty, 80) << "the random panels should find something often enough to mean anything";
}

TEST(Search, EveryCategoryAndEverySortFindsItsItemsInOrder) {
    for (int category = 1; category < 26; ++category) {
        app::PanelState panel;
        panel.category = category;
        for (int sort = 0; sort < 5; ++sort) {
            panel.sort = sort;
            const SearchQuery q = FromPanel(panel);
            const std::vector<int> found = Ids(Search(Shop(), q));
            EXPECT_EQ(found.size(), size_t(SampleItemsPerCategory));
            EXPECT_EQ(found, ReferenceSearch(q));
        }
    }
}

TEST(Search, KeywordWordsMustAllOccur) {
    const auto titlesOf = [](const std::string& raw) {
        std::vector<std::string> titles;
        for (const Item* item : Search(Shop(), Read(raw))) {
            titles.push_back(item->title + " " + std::string(app::CategoryCaptions[size_t(item->category)]) +
                             " " + std::string(item->color.name));
        }
        return titles;
    };
    // "裙 雪纺": both words; "t恤" finds "T恤" (ASCII letters in any case); the ideographic space separates.
    for (const std::string raw :
         {"k=%E8%A3%99%20%E9%9B%AA%E7%BA%BA", "k=%E8%A3%99%E3%80%80%E9%9B%AA%E7%BA%BA"}) {
        const auto titles = titlesOf(raw);
        EXPECT_FALSE(titles.empty());
        for (const std::string& t : titles) {
            EXPECT_NE(t.find("裙"), std::string::npos) << t;
            EXPECT_NE(t.find("雪纺"), std::string::npos) << t;
        }
    }
    const auto tees = titlesOf("k=t%E6%81%A4");
    EXPECT_GE(tees.size(), size_t(SampleItemsPerCategory));
    EXPECT_TRUE(titlesOf("k=%E7%81%AB%E6%98%9F").empty()) << "火星 is nowhere";
    EXPECT_EQ(titlesOf("k=%20%09").size(), Shop().Items().size()) << "blanks alone filter nothing";
}

TEST(Search, HotSellsOnlyTheBestSellers) {
    const auto found = Search(Shop(), FromPanel(app::PanelState{}));
    ASSERT_FALSE(found.empty());
    EXPECT_LT(found.size(), Shop().Items().size() / 2);
    for (const Item* item : found) {
        EXPECT_TRUE(item->hot);
    }
}

TEST(Search, RegionsFindTheirCitiesAndCountries) {
    struct Case {
        int location;
        std::set<std::string_view> allowed;  // places (or provinces) the results may come from
    } cases[] = {
        {1, {"浙江", "江苏", "上海"}},
        {2, {"广州", "深圳", "中山", "珠海", "佛山", "东莞", "惠州"}},
        {3, {"香港", "澳门", "台湾"}},
        {4, {"韩国", "日本", "美国", "英国", "法国", "意大利", "澳洲", "泰国", "新加坡", "其它国家"}},
        {5 + 57, {"浙江"}},  // the province 浙江 as a single place
    };
    for (const Case& c : cases) {
        app::PanelState panel;
        panel.category = 0;
        panel.keyword = " ";  // not the best sellers: every item
        panel.location = c.location;
        const auto found = Search(Shop(), FromPanel(panel));
        EXPECT_FALSE(found.empty()) << app::LocationCaptions[size_t(c.location)];
        for (const Item* item : found) {
            const Place& place = SellerPlaces()[size_t(item->place)];
            EXPECT_TRUE(c.allowed.count(place.name) || c.allowed.count(place.within)) << place.name;
        }
    }
}

}  // namespace
