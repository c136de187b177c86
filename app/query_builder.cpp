#include "app/query_builder.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "framework/core/spin_value.h"
#include "platform/utf8.h"

namespace app {

namespace {

// A price field set by the program clamps the value into its range and shows it in decimal.
std::string PriceFieldText(int32_t value) {
    return std::to_string(std::clamp(value, PriceFieldMin, PriceFieldMax));
}

std::optional<std::string> PositionError(std::string_view field, int position, size_t count) {
    if (position >= 0 && size_t(position) < count) {
        return std::nullopt;
    }
    return std::string(field) + " must be a list position from 0 to " + std::to_string(count - 1) + ", not " +
           std::to_string(position);
}

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
    for (auto error : {PositionError("category", panel.category, Categories.size()),
                       PositionError("location", panel.location, LocationCaptions.size()),
                       PositionError("sort", panel.sort, SortOrders.size()),
                       PositionError("creditLow", panel.creditLow, CreditLevels.size()),
                       PositionError("creditHigh", panel.creditHigh, CreditLevels.size())}) {
        if (error) {
            return error;
        }
    }
    return std::nullopt;
}

BuiltQuery BuildQuery(const PanelState& panel) {
    if (auto error = FindPanelError(panel)) {
        throw std::out_of_range(*error);
    }
    BuiltQuery built{{}, panel};
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
