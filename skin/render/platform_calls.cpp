#include "skin/render/platform_calls.h"

#include "platform/window/metrics.h"

namespace skin {

using platform::IsPlatformCallPresent;

OsVersion GetOsVersionPair() {
    const platform::DWORD v = platform::GetVersion();
    return {uint8_t(v & 0xFF), uint8_t((v >> 8) & 0xFF)};
}

bool LayeringSupported() {
    return LayeringSupported(GetOsVersionPair());
}
bool IsOsVersion51OrLater() {
    return IsOsVersion51OrLater(GetOsVersionPair());
}
bool IsOsVersion6OrLater() {
    return IsOsVersion6OrLater(GetOsVersionPair());
}
bool IsOsVersion61() {
    return IsOsVersion61(GetOsVersionPair());
}

namespace {

FoundPlatformCalls LookUpCalls() {
    FoundPlatformCalls c;
    c.monitors = IsPlatformCallPresent("user32.dll", "MonitorFromWindow") &&
                 IsPlatformCallPresent("user32.dll", "GetMonitorInfoA");
    c.layeredAttributes = IsPlatformCallPresent("user32.dll", "SetLayeredWindowAttributes");
    c.updateLayered = IsPlatformCallPresent("user32.dll", "UpdateLayeredWindow");
    c.transparentBlt =
        GetOsVersionPair().major >= 5 && IsPlatformCallPresent("msimg32.dll", "TransparentBlt");
    c.composition = IsPlatformCallPresent("dwmapi.dll", "DwmIsCompositionEnabled");
    c.windowAttribute = IsPlatformCallPresent("dwmapi.dll", "DwmSetWindowAttribute");
    c.blurBehind = IsPlatformCallPresent("dwmapi.dll", "DwmEnableBlurBehindWindow");
    // The version's top bit is clear on the NT family.
    c.ntFamily = (platform::GetVersion() & 0x80000000u) == 0;
    return c;
}

}  // namespace

const FoundPlatformCalls& PlatformCalls() {
    static const FoundPlatformCalls calls = LookUpCalls();
    return calls;
}

}  // namespace skin
