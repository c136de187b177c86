// querybuild: shows what a filter panel sends. Reads a panel state as one JSON object on standard
// input and prints {"query": ..., "panel": {...}}, the panel after the range swaps.
//
//   echo '{"keyword": "裙", "category": 1}' | querybuild
//
// Exit status 0 on success, 1 for input that is not a panel state (one line on standard error),
// 2 for wrong use.
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

#include "tools/querybuild/panel_json.h"

namespace {

// A panel state is a few hundred bytes; more than this is not one.
constexpr size_t MaxInputBytes = 1 << 20;

constexpr const char* Usage =
    "usage: querybuild < panel.json\n"
    "Reads a filter panel state as one JSON object on standard input and prints the query it sends\n"
    "and the panel after the range swaps:\n"
    "  {\"query\": \"k=...\", \"panel\": {...}}\n"
    "Panel fields (all optional; the defaults are the panel as it starts):\n"
    "  keyword (string), category, location, sort, creditLow, creditHigh (list positions),\n"
    "  priceLow, priceHigh (the price fields' texts), services (list of \"oi\", \"co\", \"rd\",\n"
    "  \"sr\", \"mall\", \"or\", \"gu\").\n";

bool ReadAll(std::FILE* in, std::string& text) {
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0) {
        if (text.size() + n > MaxInputBytes) {
            return false;
        }
        text.append(buffer, n);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (argc != 1) {
        std::fprintf(stderr, "querybuild: unexpected argument \"%s\"\n%s", argv[1], Usage);
        return 2;
    }
    std::string text;
    if (!ReadAll(stdin, text)) {
        std::fprintf(stderr, "querybuild: input larger than %zu bytes is not a panel state\n", MaxInputBytes);
        return 1;
    }
    const querybuild::PanelReading reading = querybuild::ReadPanelJson(text);
    if (!reading.panel) {
        std::fprintf(stderr, "querybuild: %s\n", reading.error.c_str());
        return 1;
    }
    std::cout << querybuild::WriteBuiltQueryJson(app::BuildQuery(*reading.panel)) << '\n';
    return std::cout.good() ? 0 : 1;
}
