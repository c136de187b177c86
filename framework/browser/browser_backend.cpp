#include "framework/browser/browser_backend.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

#include "framework/browser/headless_browser.h"

namespace framework {

namespace {

BrowserBackendFactory& Factory() {
    static BrowserBackendFactory factory;
    return factory;
}

}  // namespace

std::optional<int32_t> PageAnswerToInt32(const PageAnswer& answer) {
    constexpr double kLow = double(std::numeric_limits<int32_t>::min());
    constexpr double kHigh = double(std::numeric_limits<int32_t>::max());
    switch (answer.kind) {
        case PageAnswer::Kind::Number: {
            if (!std::isfinite(answer.number)) return std::nullopt;
            // Halves go to the even neighbour, as the platform's conversion to a 32-bit integer does.
            const double rounded = std::nearbyint(answer.number);
            if (rounded < kLow || rounded > kHigh) return std::nullopt;
            return int32_t(rounded);
        }
        case PageAnswer::Kind::String: {
            std::string_view text = answer.text;
            while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
            while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
            if (!text.empty() && text.front() == '+') text.remove_prefix(1);
            int32_t value = 0;
            const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
            if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
            return value;
        }
        default: return std::nullopt;
    }
}

BrowserBackendFactory SetBrowserBackendFactory(BrowserBackendFactory factory) {
    return std::exchange(Factory(), std::move(factory));
}

std::unique_ptr<BrowserBackend> CreateBrowserBackend() {
    if (Factory()) return Factory()();
    return std::make_unique<HeadlessBrowserBackend>();
}

}  // namespace framework
