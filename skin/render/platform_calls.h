// What the skin engine asks of the platform by version and by name: the version tests, and which
// optional calls exist (looked up once, on first use; each helper that needs a missing call does
// nothing).
#pragma once

#include <cstdint>

namespace skin {

struct OsVersion {
    uint8_t major = 0;
    uint8_t minor = 0;
    friend constexpr bool operator==(const OsVersion&, const OsVersion&) = default;
};

// Major and minor version: the low and the second byte of the platform's version number.
OsVersion GetOsVersionPair();

// Version 5.0, 5.1 or 5.2, or any major version above 5.
constexpr bool LayeringSupported(OsVersion v) {
    return (v.major == 5 && v.minor <= 2) || v.major > 5;
}
// Version 5.1, or any major version above 5 (5.2 does not count).
constexpr bool IsOsVersion51OrLater(OsVersion v) {
    return (v.major == 5 && v.minor == 1) || v.major > 5;
}
constexpr bool IsOsVersion6OrLater(OsVersion v) {
    return v.major >= 6;
}
constexpr bool IsOsVersion61(OsVersion v) {
    return v.major == 6 && v.minor == 1;
}

// The same tests on the platform this runs on.
bool LayeringSupported();
bool IsOsVersion51OrLater();
bool IsOsVersion6OrLater();
bool IsOsVersion61();

// The optional calls found at start-up.
struct FoundPlatformCalls {
    bool monitors = false;           // MonitorFromWindow and GetMonitorInfoA
    bool layeredAttributes = false;  // SetLayeredWindowAttributes
    bool updateLayered = false;      // UpdateLayeredWindow
    bool transparentBlt = false;     // TransparentBlt (looked up on version 5.0 or later)
    bool composition = false;        // DwmIsCompositionEnabled
    bool windowAttribute = false;    // DwmSetWindowAttribute
    bool blurBehind = false;         // DwmEnableBlurBehindWindow
    bool ntFamily = true;            // the platform family that takes wide text directly
};
const FoundPlatformCalls& PlatformCalls();

}  // namespace skin
