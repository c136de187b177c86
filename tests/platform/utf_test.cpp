// The program's UTF-8 and the platform's wide text (UTF-16): both directions, with the pieces that
// do not convert (unpaired surrogates, ill-formed UTF-8) each becoming U+FFFD.
#include <gtest/gtest.h>

#include <string>

#include "platform/utf16.h"

namespace platform {
namespace {

constexpr char16_t kFFFD = 0xFFFD;
const std::string kReplacement = "\xEF\xBF\xBD";

TEST(Utf16, WellFormedTextConvertsBothWays) {
    struct Case {
        const char* name;
        std::string utf8;
        std::u16string utf16;
    };
    const Case cases[] = {
        {"empty", "", u""},
        {"ASCII", "k=a b", u"k=a b"},
        {"Chinese", "连衣裙", {0x8FDE, 0x8863, 0x88D9}},
        {"U+FFFF, the last single unit", "\xEF\xBF\xBF", {0xFFFF}},
        {"U+10000, the first pair", "\xF0\x90\x80\x80", {0xD800, 0xDC00}},
        {"U+10FFFF, the last pair", "\xF4\x8F\xBF\xBF", {0xDBFF, 0xDFFF}},
        {"a pair among others", "裙\xF0\x9F\x91\x97!", {0x88D9, 0xD83D, 0xDC57, u'!'}},
        {"U+0000 inside", std::string("a\0b", 3), {u'a', 0, u'b'}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(utf16::FromUtf8(c.utf8), c.utf16);
        EXPECT_EQ(utf16::ToUtf8(c.utf16), c.utf8);
    }
}

TEST(Utf16, UnpairedSurrogatesBecomeTheReplacementCharacter) {
    struct Case {
        const char* name;
        std::u16string utf16;
        std::string utf8;
    };
    const Case cases[] = {
        {"a high one at the end", {u'a', 0xD800}, "a" + kReplacement},
        {"a low one alone", {0xDC00, u'a'}, kReplacement + "a"},
        {"a high one before no low one", {0xD83D, u'x'}, kReplacement + "x"},
        {"two high ones, then a low one", {0xD83D, 0xD83D, 0xDC57}, kReplacement + "\xF0\x9F\x91\x97"},
        {"low before high", {0xDC57, 0xD83D}, kReplacement + kReplacement},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(utf16::ToUtf8(c.utf16), c.utf8);
    }
}

// One U+FFFD for each maximal ill-formed piece, as the UTF-8 repair does.
TEST(Utf16, IllFormedUtf8BecomesTheReplacementCharacter) {
    struct Case {
        const char* name;
        std::string utf8;
        std::u16string utf16;
    };
    const Case cases[] = {
        {"an overlong slash", "\xC0\xAF", {kFFFD, kFFFD}},
        {"an encoded surrogate", "\xED\xA0\x80", {kFFFD, kFFFD, kFFFD}},
        {"cut off after two of three bytes", "a\xE8\xA3", {u'a', kFFFD}},
        {"cut off before the next character", "\xE8\xA3z", {kFFFD, u'z'}},
        {"past U+10FFFF", "\xF4\x90\x80\x80", {kFFFD, kFFFD, kFFFD, kFFFD}},
        {"a byte that never starts anything", "\xFF裙", {kFFFD, 0x88D9}},
        {"a continuation on its own", "\x80", {kFFFD}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(utf16::FromUtf8(c.utf8), c.utf16);
        EXPECT_EQ(utf16::ToUtf8(utf16::FromUtf8(c.utf8)), utf8::ToWellFormed(c.utf8));
    }
}

// Every code point outside the surrogates goes there and back unchanged.
TEST(Utf16, EveryCodePointRoundTrips) {
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (c == 0xD800)
            c = 0xE000;
        std::string utf8;
        utf8::Append(utf8, c);
        const std::u16string utf16 = utf16::FromUtf8(utf8);
        ASSERT_EQ(utf16.size(), c < 0x10000 ? 1u : 2u) << std::hex << uint32_t(c);
        ASSERT_EQ(utf16::ToUtf8(utf16), utf8) << std::hex << uint32_t(c);
    }
}

}  // namespace
}  // namespace platform
