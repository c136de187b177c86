// The value types of skin records besides integers, colours, booleans, strings, rectangles and
// points: font styles and the named enumerations, each with the names the INI text uses.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace skin {

struct TFontStyles {
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;

    friend constexpr bool operator==(const TFontStyles&, const TFontStyles&) = default;
};

// How the client part of a nine-part face fills its target.
enum class TStretchType : int32_t { stFull = 0, stHorz = 1, stVert = 2 };
// The effect that derives an inactive frame image from the active one.
enum class TInactiveEffect : int32_t {
    ieBrightness,
    ieDarkness,
    ieGrayscale,
    ieNoise,
    ieSplitBlur,
    ieInvert
};
// How a face changes into another.
enum class TMorphKind : int32_t {
    mkDefault,
    mkGradient,
    mkLeftGradient,
    mkRightGradient,
    mkLeftSlide,
    mkRightSlide,
    mkPush
};
enum class TAlignment : int32_t { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };
// The window command a caption button carries out.
enum class TStdCommand : int32_t {
    cmClose,
    cmMaximize,
    cmMinimize,
    cmSysMenu,
    cmDefault,
    cmRollUp,
    cmMinimizeToTray
};

// The INI names of an enumeration, indexed by value, and the value every other text reads as.
// Names compare exactly, with case.
template <class E>
struct EnumNames;

template <>
struct EnumNames<TStretchType> {
    static constexpr std::array<std::string_view, 3> names = {"stfull", "sthorz", "stvert"};
    static constexpr TStretchType unknown = TStretchType::stHorz;
};
template <>
struct EnumNames<TInactiveEffect> {
    static constexpr std::array<std::string_view, 6> names = {"iebrightness", "iedarkness",  "iegrayscale",
                                                              "ienoise",      "iesplitblur", "ieinvert"};
    static constexpr TInactiveEffect unknown = TInactiveEffect::ieGrayscale;
};
template <>
struct EnumNames<TMorphKind> {
    static constexpr std::array<std::string_view, 7> names = {
        "mkdefault",   "mkgradient",   "mkleftgradient", "mkrightgradient",
        "mkleftslide", "mkrightslide", "mkpush"};
    static constexpr TMorphKind unknown = TMorphKind::mkDefault;
};
template <>
struct EnumNames<TAlignment> {
    static constexpr std::array<std::string_view, 3> names = {"taleftjustify", "tarightjustify", "tacenter"};
    static constexpr TAlignment unknown = TAlignment::taRightJustify;
};
template <>
struct EnumNames<TStdCommand> {
    // Every unknown command minimizes to the tray; that is also how the shipped "traybutton" asks.
    static constexpr std::array<std::string_view, 7> names = {
        "cmclose", "cmmaximize", "cmminimize", "cmsysmenu", "cmdefault", "cmrollup", "cmminimizetotray"};
    static constexpr TStdCommand unknown = TStdCommand::cmMinimizeToTray;
};

static_assert(EnumNames<TStretchType>::names.size() == size_t(TStretchType::stVert) + 1);
static_assert(EnumNames<TInactiveEffect>::names.size() == size_t(TInactiveEffect::ieInvert) + 1);
static_assert(EnumNames<TMorphKind>::names.size() == size_t(TMorphKind::mkPush) + 1);
static_assert(EnumNames<TAlignment>::names.size() == size_t(TAlignment::taCenter) + 1);
static_assert(EnumNames<TStdCommand>::names.size() == size_t(TStdCommand::cmMinimizeToTray) + 1);

// The font style names, in the order they are written.
constexpr std::array<std::string_view, 4> kFontStyleNames = {"fsbold", "fsitalic", "fsunderline",
                                                             "fsstrikeout"};

}  // namespace skin
