#include "app/query_builder.h"

#include <algorithm>
#include <utility>

#include "framework/core/spin_value.h"
#include "platform/utf8.h"

namespace app {

namespace {

// A price field set by the program clamps the value into its range and shows it in decimal.
std::string PriceFieldText(int32_t value) {
    return std::to_string(std::clamp(value, PriceFieldMin, PriceFieldMax));
}

// The panel's fields that are positions in a list, and the length of each list.
struct ListField {
    std::string_view name;
    int PanelState::*position;
    size_t count;

    bool InList(const PanelState& panel) const {
        return panel.*position >= 0 && size_t(panel.*position) < count;
    }
};
constexpr ListField kListFields[] = {
    {"category", &PanelState::category, Categories.size()},
    {"location", &PanelState::location, LocationCaptions.size()},
    {"sort", &PanelState::sort, SortOrders.size()},
    {"creditLow", &PanelState::creditLow, CreditLevels.size()},
    {"creditHigh", &PanelState::creditHigh, CreditLevels.size()},
};

void AppendKeyword(std::string& q, const PanelState& panel) {
    // Without keyword and category the search asks for best-selling items.
    const bool anything = !panel.keyword.empty() || panel.category != 0;
    q += "k=";
    q += PercentEncodeUtf8(anything ? std::string_view(panel.keyword) : std::string_view("热卖"));
    if (panel.category > 0) {
        q += "&cid=";
        q += CategoryIds[size_t(panel.category)];
    }
}

// Swaps a reversed price range in the fields; the query then reads what the fields hold.
void AppendPrice(std::string& q, PanelState& panel) {
    if (PriceFieldValue(panel.priceLow) > PriceFieldValue(panel.priceHigh)) {
        std::string low = PriceFieldText(PriceFieldValue(panel.priceHigh));
        panel.priceHigh = PriceFieldText(PriceFieldValue(panel.priceLow));
        panel.priceLow = std::move(low);
    }
    q += "&sp=" + std::to_string(PriceFieldValue(panel.priceLow));
    q += "&ep=" + std::to_string(PriceFieldValue(panel.priceHigh));
}

void AppendArea(std::string& q, const PanelState& panel) {
    const size_t position = size_t(panel.location);
    q += "&area=";
    q += PercentEncodeUtf8(panel.location >= FirstPlacePosition ? LocationCaptions[position]
                                                                : AreaValues[position]);
}

void AppendCredit(std::string& q, PanelState& panel) {
    if (panel.creditLow > panel.creditHigh) {
        std::swap(panel.creditLow, panel.creditHigh);
    }
    q += "&sc=";
    q += CreditValues[size_t(panel.creditLow)];
    q += "&ec=";
    q += CreditValues[size_t(panel.creditHigh)];
}

void AppendServices(std::string& q, const PanelState& panel) {
    for (const ServiceEntry& entry : ServiceFilters) {
        if (panel.services.Has(entry.service)) {
            q += "&";
            q += entry.name;
            q += "=true";
        }
    }
}

}  // namespace

std::string PercentEncodeUtf8(std::string_view text) {
    static constexpr char hex[] = "0123456789ABCDEF";
    const std::string utf8 = platform::utf8::ToWellFormed(text);
    std::string out;
    out.reserve(utf8.size() * 3);
    for (unsigned char byte : utf8) {
        out += '%';
        out += hex[byte >> 4];
        out += hex[byte & 0x0F];
    }
    return out;
}

int32_t PriceFieldValue(std::string_view text) {
    return framework::SpinEditTextValue(text, PriceFieldMin);
}

std::optional<std::string> FindPanelError(const PanelState& panel) {
    for (const ListField& field : kListFields) {
        if (!field.InList(panel)) {
            return std::string(field.name) + " must be a list position from 0 to " +
                   std::to_string(field.count - 1) + ", not " + std::to_string(panel.*field.position);
        }
    }
    return std::nullopt;
}

BuiltQuery BuildQuery(const PanelState& panel) {
    BuiltQuery built{{}, panel};
    for (const ListField& field : kListFields) {
        if (!field.InList(built.panel)) {
            built.panel.*field.position = 0;
        }
    }
    std::string& q = built.query;
    AppendKeyword(q, built.panel);
    AppendPrice(q, built.panel);
    AppendArea(q, built.panel);
    q += "&s=";
    q += SortKeys[size_t(built.panel.sort)];
    AppendCredit(q, built.panel);
    AppendServices(q, built.panel);
    return built;
}

}  // namespace app
