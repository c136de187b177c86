// Untrusted answers of a page's script: whatever a page function returns (a string of any bytes, a
// number of any bit pattern) is converted to a 32-bit integer or refused, never read out of bounds.
#include <cstdint>
#include <cstring>
#include <string>

#include "framework/browser/browser_backend.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using framework::PageAnswer;
    const std::string text(reinterpret_cast<const char*>(data), size);
    (void)framework::PageAnswerToInt32(PageAnswer::String(text));
    if (size >= sizeof(double)) {
        double number = 0;
        std::memcpy(&number, data, sizeof number);
        (void)framework::PageAnswerToInt32(PageAnswer::Number(number));
    }
    return 0;
}
