#include "skin/data/value_encoding.h"

#include <gtest/gtest.h>

#include <limits>

#include "framework/core/exception.h"

using namespace skin;
using platform::Point;
using platform::Rect;

namespace {

// One section "s" holding one key "k" with the given value (or no key at all).
IniDocument Section(const std::optional<std::string>& value) {
    std::vector<std::string> lines = {"[s]"};
    if (value)
        lines.push_back("k=" + *value);
    return IniDocument(lines);
}

template <class T>
T Read(const std::optional<std::string>& value, T def) {
    return ReadValue(Section(value), "s", "k", def);
}

TEST(ValueEncoding, Integers) {
    struct Case {
        std::optional<std::string> value;
        int32_t expected;
    };
    const Case cases[] = {
        {"5", 5},
        {"-12", -12},
        {"+7", 7},
        {"0x05", 5},
        {"0X1f", 31},
        {"0xFF00000F", int32_t(0xFF00000Fu)},  // eight hexadecimal digits fill the 32 bits
        {"0x", -1},                            // too short for hexadecimal, not a number
        {"0x1G", -1},
        {"0x100000000", -1},
        {"abc", -1},  // "a value made of letters reads as -1" for a picture index
        {"", -1},
        {"1.5", -1},
        {"12abc", -1},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<int32_t>::min()},
        {"2147483648", -1},
        {"99999999999999999999", -1},
        {"-", -1},
        {std::nullopt, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Read<int32_t>(c.value, -1), c.expected) << c.value.value_or("(missing)");
}

TEST(ValueEncoding, Colors) {
    platform::COLORREF c = Read<platform::COLORREF>("14739166", 0);
    EXPECT_EQ(platform::GetRValue(c), 222);
    EXPECT_EQ(platform::GetGValue(c), 230);
    EXPECT_EQ(platform::GetBValue(c), 224);
    c = Read<platform::COLORREF>("12182953", 0);
    EXPECT_EQ(c, platform::RGB(169, 229, 185));
    EXPECT_EQ(Read<platform::COLORREF>(std::nullopt, platform::clBtnFace), platform::clBtnFace);
    EXPECT_EQ(Read<platform::COLORREF>("black", 7u), 7u);

    // A system colour is written as a signed decimal and reads back as itself.
    IniDocument ini;
    WriteValue(ini, "s", "k", platform::clBtnFace);
    EXPECT_EQ(*ini.Find("s", "k"), "-16777201");
    EXPECT_EQ(ReadValue(ini, "s", "k", platform::COLORREF(0)), platform::clBtnFace);
}

TEST(ValueEncoding, BooleansAreTrueForExactlyOne) {
    struct Case {
        std::optional<std::string> value;
        bool expected;
    };
    const Case cases[] = {{"1", true},     {"0x1", true}, {"+1", true},  {"0", false}, {"2", false},
                          {"true", false}, {"", false},   {"-1", false}, {"01", true}, {std::nullopt, false}};
    for (const Case& c : cases)
        EXPECT_EQ(Read<bool>(c.value, false), c.expected) << c.value.value_or("(missing)");
    EXPECT_TRUE(Read<bool>(std::nullopt, true)) << "a missing key keeps the default";
}

TEST(ValueEncoding, RectsKeepOnlyDigits) {
    struct Case {
        std::string value;
        Rect expected;
    };
    const Case cases[] = {
        {"40,0,58,17", {40, 0, 58, 17}},
        {"-4, 23, 154, 131", {4, 23, 154, 131}},  // minus signs and blanks are dropped
        {" 1 2 , 3x4 ,5,6", {12, 34, 5, 6}},
        {"1,2,3,4,5", {1, 2, 3, 4}},  // surplus components are ignored
        {"1,2,3,4,", {1, 2, 3, 4}},
        {"0,0,0,0", {}},
        {"2147483647,0,0,0", {2147483647, 0, 0, 0}},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseRect(c.value), c.expected) << c.value;
    EXPECT_EQ(Read<Rect>(std::nullopt, Rect{1, 2, 3, 4}), (Rect{1, 2, 3, 4}));
}

TEST(ValueEncoding, MalformedRectsAndPointsRaiseTheConversionError) {
    for (const char* value : {"", "1,2,3", "1,2,,4", "a,b,c,d", ",,,", "1,2,3,-", "2147483648,0,0,0",
                              "99999999999999999999999999,1,2,3"})
        EXPECT_THROW(ParseRect(value), framework::EConvertError) << value;
    for (const char* value : {"", "5", "5,", ",5", "x,y"})
        EXPECT_THROW(ParsePoint(value), framework::EConvertError) << value;
    EXPECT_EQ(ParsePoint("13, 27"), (Point{13, 27}));
    EXPECT_EQ(ParsePoint("-1,-2,9"), (Point{1, 2}));
    EXPECT_THROW(Read<Rect>("", {}), framework::EConvertError) << "a present empty skinrect";
}

TEST(ValueEncoding, RectComponentsOfHugeDigitRunsStayBounded) {
    std::string huge(1 << 20, '7');
    EXPECT_THROW(ParseRect(huge + ",1,2,3"), framework::EConvertError);
    try {
        ParseRect(huge + ",1,2,3");
    } catch (const framework::EConvertError& e) {
        EXPECT_LT(e.Message().size(), 100u) << "the message quotes a short piece only";
    }
}

TEST(ValueEncoding, FontStyles) {
    struct Case {
        std::optional<std::string> value;
        TFontStyles expected;
    };
    const Case cases[] = {
        {"fsbold", {.Bold = true}},
        {"fsitalic fsbold", {.Bold = true, .Italic = true}},
        {"fsunderline,fsstrikeout", {.Underline = true, .StrikeOut = true}},
        {"", {}},
        {"FSBOLD", {}},  // names compare with case
        {"xfsboldx", {.Bold = true}},
        {std::nullopt, {.Italic = true}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Read<TFontStyles>(c.value, {.Italic = true}), c.expected) << c.value.value_or("(missing)");
    EXPECT_EQ(FormatFontStyles({true, true, true, true}), "fsbold,fsitalic,fsunderline,fsstrikeout");
    EXPECT_EQ(FormatFontStyles({.Italic = true, .StrikeOut = true}), "fsitalic,fsstrikeout");
}

TEST(ValueEncoding, EnumerationsCompareWithCaseAndFallBack) {
    using IE = TInactiveEffect;
    EXPECT_EQ(Read<IE>("ieinvert", IE::ieBrightness), IE::ieInvert);
    EXPECT_EQ(Read<IE>(std::nullopt, IE::ieBrightness), IE::ieBrightness);
    EXPECT_EQ(Read<IE>("", IE::ieBrightness), IE::ieGrayscale);
    EXPECT_EQ(Read<IE>("IEINVERT", IE::ieBrightness), IE::ieGrayscale);

    using ST = TStretchType;
    EXPECT_EQ(Read<ST>("sthorz", ST::stFull), ST::stHorz);
    EXPECT_EQ(Read<ST>("stvert", ST::stFull), ST::stVert);
    EXPECT_EQ(Read<ST>("stretch", ST::stFull), ST::stHorz);
    EXPECT_EQ(Read<ST>("", ST::stFull), ST::stHorz);
    EXPECT_EQ(Read<ST>(std::nullopt, ST::stFull), ST::stFull);

    EXPECT_EQ(Read<TMorphKind>("mkpush", TMorphKind::mkDefault), TMorphKind::mkPush);
    EXPECT_EQ(Read<TMorphKind>("MkPush", TMorphKind::mkDefault), TMorphKind::mkDefault);
    EXPECT_EQ(Read<TAlignment>("taleftjustify", TAlignment::taCenter), TAlignment::taLeftJustify);
    EXPECT_EQ(Read<TAlignment>("taright", TAlignment::taCenter), TAlignment::taRightJustify);
    EXPECT_EQ(Read<TStdCommand>("cmclose", TStdCommand::cmDefault), TStdCommand::cmClose);
    EXPECT_EQ(Read<TStdCommand>("cmminimizetotray", TStdCommand::cmDefault), TStdCommand::cmMinimizeToTray);
    EXPECT_EQ(Read<TStdCommand>("cmclos", TStdCommand::cmDefault), TStdCommand::cmMinimizeToTray);
    EXPECT_EQ(FormatEnum(TStretchType::stHorz), "sthorz");
    EXPECT_EQ(FormatEnum(TStdCommand::cmMinimizeToTray), "cmminimizetotray");
}

TEST(ValueEncoding, WrittenValuesReadBackAsWritten) {
    IniDocument ini;
    WriteValue(ini, "s", "rect", Rect{4, 23, 154, 131});
    WriteValue(ini, "s", "point", Point{13, 27});
    WriteValue(ini, "s", "int", int32_t(-5));
    WriteValue(ini, "s", "bool", true);
    WriteValue(ini, "s", "style", TFontStyles{.Bold = true});
    EXPECT_EQ(*ini.Find("s", "rect"), "4,23,154,131");
    EXPECT_EQ(*ini.Find("s", "point"), "13,27");
    EXPECT_EQ(*ini.Find("s", "int"), "-5");
    EXPECT_EQ(*ini.Find("s", "bool"), "1");
    EXPECT_EQ(*ini.Find("s", "style"), "fsbold");
}

}  // namespace
