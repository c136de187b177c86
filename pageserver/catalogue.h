// The demo shop's sample catalogue: a few hundred women's clothing items across every category of
// the filter panel, sellers in every kind of location and at every credit level. Generated in code
// from a fixed seed, so every run (and every test) sees the same items.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/search_lists.h"

namespace pageserver {

// Where a seller is. `within` is the province (or 台湾) of a city, the group of a country not on
// the overseas list (其它国家), or empty for municipalities, Hong Kong and listed countries.
struct Place {
    std::string_view name;
    std::string_view within;
    bool overseas;
    int weight;  // how often sellers sit there
};

const std::vector<Place>& SellerPlaces();

// How a location reads on a card: "浙江 杭州", "上海", "美国".
std::string PlaceLabel(const Place& place);

enum class Pattern { Solid, Stripes, Dots, Checks, Floral };

struct Color {
    std::string_view name;
    std::string_view rgb;  // "#rrggbb"
};

struct Item {
    int id = 0;        // 1-based, stable
    int category = 1;  // position in app::Categories, never 0
    std::string title;
    int64_t priceCents = 0;
    int place = 0;                 // index in SellerPlaces()
    int credit = 0;                // position in app::CreditLevels
    int sales = 0;                 // sold in the last 30 days
    int64_t commissionVolume = 0;  // what the shop paid its promoters, in cents: the default order
    app::ServiceSet services;
    bool hot = false;  // among the best sellers: what "热卖" finds
    std::string shop;
    Color color;
    Pattern pattern = Pattern::Solid;
};

class Catalogue {
  public:
    explicit Catalogue(std::vector<Item> items) : items_(std::move(items)) {}
    const std::vector<Item>& Items() const { return items_; }
    // The item with that id, or nullptr.
    const Item* Find(int64_t id) const;

  private:
    std::vector<Item> items_;
};

inline constexpr uint64_t SampleSeed = 20240518;
inline constexpr int SampleItemsPerCategory = 20;

Catalogue GenerateCatalogue(uint64_t seed, int itemsPerCategory);

// The catalogue the server shows, made once.
const Catalogue& SampleCatalogue();

}  // namespace pageserver
