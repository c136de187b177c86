#include "tools/querybuild/panel_json.h"

#include <array>
#include <cstdint>
#include <functional>
#include <nlohmann/json.hpp>

namespace querybuild {

namespace {

using nlohmann::json;

// A panel is an object holding one list of names; anything nested deeper is not a panel, and
// refusing it early keeps hostile input from building deep trees.
constexpr int MaxDepth = 2;

struct InputError {
    std::string message;
};

std::string Describe(const json& value) {
    switch (value.type()) {
        case json::value_t::null:
            return "null";
        case json::value_t::boolean:
            return "a boolean";
        case json::value_t::string:
            return "a string";
        case json::value_t::array:
            return "a list";
        case json::value_t::object:
            return "an object";
        case json::value_t::number_float:
            return "the number " + value.dump();
        default:
            return "the number " + value.dump();
    }
}

int ReadPosition(const json& value, std::string_view field, size_t count) {
    const std::string expected =
        std::string(field) + " must be a list position from 0 to " + std::to_string(count - 1);
    if (!value.is_number_integer()) {
        throw InputError{expected + ", not " + Describe(value)};
    }
    const bool inRange = value.is_number_unsigned()
                             ? value.get<uint64_t>() < count
                             : value.get<int64_t>() >= 0 && value.get<int64_t>() < int64_t(count);
    if (!inRange) {
        throw InputError{expected + ", not " + value.dump()};
    }
    return int(value.get<int64_t>());
}

std::string ReadText(const json& value, std::string_view field) {
    if (!value.is_string()) {
        throw InputError{std::string(field) + " must be a string, not " + Describe(value)};
    }
    return value.get<std::string>();
}

app::ServiceSet ReadServices(const json& value) {
    if (!value.is_array()) {
        throw InputError{"services must be a list of service names, not " + Describe(value)};
    }
    app::ServiceSet services;
    for (const json& name : value) {
        const app::ServiceEntry* found = nullptr;
        for (const app::ServiceEntry& entry : app::ServiceFilters) {
            if (name.is_string() && name.get<std::string>() == entry.name) {
                found = &entry;
            }
        }
        if (found == nullptr) {
            std::string known;
            for (const app::ServiceEntry& entry : app::ServiceFilters) {
                known += (known.empty() ? "" : ", ") + std::string(entry.name);
            }
            throw InputError{"services: " + name.dump() + " is not a service name (" + known + ")"};
        }
        services.Add(found->service);
    }
    return services;
}

// One reader per field of the panel; the JSON names are those of the panel's fields.
struct FieldReader {
    std::string_view name;
    std::function<void(const json&, app::PanelState&)> read;
};

const std::array<FieldReader, 9>& FieldReaders() {
    using app::PanelState;
    static const std::array<FieldReader, 9> readers{{
        {"keyword", [](const json& v, PanelState& p) { p.keyword = ReadText(v, "keyword"); }},
        {"category", [](const json& v,
                        PanelState& p) { p.category = ReadPosition(v, "category", app::Categories.size()); }},
        {"priceLow", [](const json& v, PanelState& p) { p.priceLow = ReadText(v, "priceLow"); }},
        {"priceHigh", [](const json& v, PanelState& p) { p.priceHigh = ReadText(v, "priceHigh"); }},
        {"location",
         [](const json& v, PanelState& p) {
             p.location = ReadPosition(v, "location", app::LocationCaptions.size());
         }},
        {"sort",
         [](const json& v, PanelState& p) { p.sort = ReadPosition(v, "sort", app::SortOrders.size()); }},
        {"creditLow",
         [](const json& v, PanelState& p) {
             p.creditLow = ReadPosition(v, "creditLow", app::CreditLevels.size());
         }},
        {"creditHigh",
         [](const json& v, PanelState& p) {
             p.creditHigh = ReadPosition(v, "creditHigh", app::CreditLevels.size());
         }},
        {"services", [](const json& v, PanelState& p) { p.services = ReadServices(v); }},
    }};
    return readers;
}

json ParseBounded(std::string_view text) {
    const json::parser_callback_t depthGuard = [](int depth, json::parse_event_t, json&) {
        if (depth > MaxDepth) {
            throw InputError{"not a panel state: lists or objects nested too deeply"};
        }
        return true;
    };
    try {
        return json::parse(text.begin(), text.end(), depthGuard);
    } catch (const json::parse_error& e) {
        // The library's message starts with its own error number; what follows is the useful part.
        const std::string what = e.what();
        const size_t tag = what.find("] ");
        throw InputError{"bad JSON: " + (tag == std::string::npos ? what : what.substr(tag + 2))};
    }
}

}  // namespace

PanelReading ReadPanelJson(std::string_view text) {
    try {
        const json document = ParseBounded(text);
        if (!document.is_object()) {
            throw InputError{"the panel state must be one JSON object, not " + Describe(document)};
        }
        app::PanelState panel;
        for (const auto& [key, value] : document.items()) {
            const FieldReader* reader = nullptr;
            for (const FieldReader& candidate : FieldReaders()) {
                if (candidate.name == key) {
                    reader = &candidate;
                }
            }
            if (reader == nullptr) {
                throw InputError{"unknown field " + json(key).dump()};
            }
            reader->read(value, panel);
        }
        return {panel, {}};
    } catch (const InputError& e) {
        return {std::nullopt, e.message};
    } catch (const json::exception& e) {
        return {std::nullopt, std::string("bad JSON: ") + e.what()};
    }
}

std::string WriteBuiltQueryJson(const app::BuiltQuery& built) {
    const app::PanelState& p = built.panel;
    nlohmann::ordered_json services = nlohmann::ordered_json::array();
    for (const app::ServiceEntry& entry : app::ServiceFilters) {
        if (p.services.Has(entry.service)) {
            services.push_back(entry.name);
        }
    }
    nlohmann::ordered_json out;
    out["query"] = built.query;
    out["panel"] = {{"keyword", p.keyword},     {"category", p.category},     {"priceLow", p.priceLow},
                    {"priceHigh", p.priceHigh}, {"location", p.location},     {"sort", p.sort},
                    {"creditLow", p.creditLow}, {"creditHigh", p.creditHigh}, {"services", services}};
    // Text that came in as C++ strings may hold ill-formed UTF-8; JSON output must not.
    return out.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace querybuild
