// The page server's readers of what clients send: any bytes as a search query (answered in full, as
// the server would, JSON included) and as the fitting room's wear list.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "pageserver/answers.h"
#include "pageserver/search_query.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const pageserver::SearchAnswer answer = pageserver::AnswerSearch(pageserver::SampleCatalogue(), bytes);
    const std::string json = answer.body.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    if (json.empty() || (answer.status != 200 && answer.status != 400)) {
        __builtin_trap();
    }
    if (const auto decoded = pageserver::PercentDecode(bytes)) {
        const auto ids = pageserver::ReadWearList(*decoded);
        if (ids && ids->size() > pageserver::MaxWornItems) {
            __builtin_trap();
        }
    }
    return 0;
}
