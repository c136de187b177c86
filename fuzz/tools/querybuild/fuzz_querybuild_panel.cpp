// querybuild's input: any bytes as a panel state in JSON; whatever reads as a panel must build and
// write back out.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tools/querybuild/panel_json.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const querybuild::PanelReading reading =
        querybuild::ReadPanelJson(std::string_view(reinterpret_cast<const char*>(data), size));
    if (reading.panel) {
        const std::string json = querybuild::WriteBuiltQueryJson(app::BuildQuery(*reading.panel));
        if (json.empty()) {
            __builtin_trap();
        }
    }
    return 0;
}
