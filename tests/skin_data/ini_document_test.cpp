#include "skin/data/ini_document.h"

#include <gtest/gtest.h>

#include <random>

#include "framework/core/exception.h"

using namespace skin;

namespace {

TEST(TextLines, SplitAtEveryKindOfLineEnd) {
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},  // LF then a lone CR: two line ends
        {"\r\n", {""}},
        {std::string("a\0b\nc", 5), {std::string("a\0b", 3), "c"}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitTextLines(c.text), c.lines);
    EXPECT_EQ(JoinLinesCrLf({"[VERSION]", "", "x=1"}), "[VERSION]\r\n\r\nx=1\r\n");
}

TEST(TextLines, TooManyLinesAreRefused) {
    std::string text(kMaxIniLines, '\n');
    EXPECT_EQ(SplitTextLines(text).size(), kMaxIniLines);
    text += "\n";
    EXPECT_THROW(SplitTextLines(text), framework::EReadError);
}

IniDocument Parse(const std::string& text) {
    return IniDocument(SplitTextLines(text));
}

TEST(IniDocument, FollowsTheSkinIniSyntax) {
    IniDocument ini = Parse(
        "ignored=before any section\r\n"
        "  [ FORMINFO ]  \r\n"
        "; comment=1\r\n"
        "\tborderwidth = 4 \r\n"
        "no equals sign here\r\n"
        "captionrect=14,5,144,21=tail\r\n"
        "=empty name\r\n"
        "[empty]\r\n");
    EXPECT_TRUE(ini.SectionExists("FORMINFO"));
    EXPECT_TRUE(ini.SectionExists("forminfo"));
    EXPECT_TRUE(ini.SectionExists("empty"));
    EXPECT_FALSE(ini.SectionExists(""));
    EXPECT_EQ(ini.ReadString("forminfo", "BorderWidth", "?"), "4");
    EXPECT_EQ(ini.ReadString("FORMINFO", "captionrect", "?"), "14,5,144,21=tail") << "split at the first =";
    EXPECT_EQ(ini.ReadString("FORMINFO", "; comment", "?"), "?");
    EXPECT_EQ(ini.ReadString("FORMINFO", "no equals sign here", "?"), "?");
    EXPECT_EQ(ini.ReadString("FORMINFO", "ignored", "?"), "?");
    EXPECT_EQ(ini.ReadString("FORMINFO", "", "?"), "empty name");
    EXPECT_EQ(ini.ReadString("missing", "x", "dflt"), "dflt");
}

TEST(IniDocument, KeysMatchWithoutCase) {
    IniDocument ini = Parse("[mainmenubaritem1]\nunenabledfontColor=8421504\n");
    EXPECT_EQ(ini.ReadString("MainMenuBarItem1", "unenabledfontcolor", ""), "8421504");
}

TEST(IniDocument, FirstKeyWinsAndRepeatedSectionsMerge) {
    IniDocument ini = Parse("[a]\nx=1\nX=2\n[b]\ny=3\n[A]\nz=4\nx=5\n");
    EXPECT_EQ(ini.ReadString("a", "x", ""), "1");
    EXPECT_EQ(ini.ReadString("a", "z", ""), "4");
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(ini.Entries("a")->size(), 2u);
}

TEST(IniDocument, OddBytesAndEnormousLinesAreJustText) {
    std::string longValue(1 << 20, 'v');
    std::string text = "[s\xC3\xA9]\n\xFF\xFE=\x01\x80\n" + std::string("k=") + longValue + "\n[t\n";
    IniDocument ini = Parse(text);
    EXPECT_EQ(ini.ReadString("s\xC3\xA9", "\xFF\xFE", ""), "\x80") << "control characters trim like blanks";
    EXPECT_EQ(ini.ReadString("s\xC3\xA9", "k", "").size(), longValue.size());
    EXPECT_FALSE(ini.SectionExists("t")) << "a bracket without its closing bracket opens no section";
}

TEST(IniDocument, WriteEraseAndLines) {
    IniDocument ini = Parse("[a]\nx=1\n[b]\ny=2\n");
    ini.WriteString("A", "X", "9");
    ini.WriteString("a", "new", "v");
    ini.WriteString("c", "k", "");
    ini.EraseSection("B");
    EXPECT_FALSE(ini.SectionExists("b"));
    EXPECT_EQ(ini.ToLines(), (std::vector<std::string>{"[a]", "x=9", "new=v", "[c]", "k="}));
    ini.WriteString("b", "y", "3");
    EXPECT_EQ(ini.ReadString("b", "y", ""), "3");
    EXPECT_EQ(ini.ReadString("c", "k", "?"), "") << "an empty value is present";
}

// Parsing text in place must give the document of its lines: random texts of INI-ish pieces,
// every kind of line end, repeated sections and keys in other cases.
TEST(IniDocument, ParsingInPlaceGivesTheDocumentOfTheLines) {
    const char* pieces[] = {"[a]",  "[A]",       " [ b ] ",   "[",    "x=1",  "X = 2",      "y=", "=v",
                            ";c=3", "\tz=\x01q", "no equals", "k@=4", "k`=5", "\xFF\xFE=6", "",   " "};
    const char* ends[] = {"\r\n", "\n", "\r", "\n\r"};
    std::mt19937 rng(11);
    for (int round = 0; round < 300; ++round) {
        std::string text;
        for (int i = int(rng() % 30); i > 0; --i) {
            text += pieces[rng() % std::size(pieces)];
            if (i > 1 || rng() % 2)
                text += ends[rng() % std::size(ends)];
        }
        const std::vector<std::string> lines = SplitTextLines(text);
        size_t lineCount = 0;
        const IniDocument parsed = IniDocument::Parse(text, lineCount);
        const IniDocument reference(lines);
        EXPECT_EQ(lineCount, lines.size()) << text;
        EXPECT_EQ(parsed.ToLines(), reference.ToLines()) << text;
        for (const char* key : {"x", "X", "k@", "k`", "y", "", "\xFF\xFE"})
            for (const char* section : {"a", "A", "b"})
                EXPECT_EQ(parsed.ReadString(section, key, "-"), reference.ReadString(section, key, "-"))
                    << text;
    }
    size_t lineCount = 0;
    EXPECT_THROW(IniDocument::Parse(std::string(kMaxIniLines + 1, '\n'), lineCount), framework::EReadError);
    EXPECT_NO_THROW(IniDocument::Parse(std::string(kMaxIniLines, '\n'), lineCount));
    EXPECT_EQ(lineCount, kMaxIniLines);
}

// Names are found by a hash that folds more than letter case; names it folds together that are
// not the same text stay apart, and sections with many keys find every one.
TEST(IniDocument, ManyKeysAndLookalikeNames) {
    std::string text = "[s]\n";
    for (int i = 0; i < 500; ++i) text += "Key" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    text += "a@=at\na`=grave\nA{=brace\na[=bracket\n[s@]\nv=1\n[s`]\nv=2\n";
    const IniDocument ini = Parse(text);
    for (int i = 0; i < 500; ++i)
        ASSERT_EQ(ini.ReadString("S", "kEY" + std::to_string(i), ""), std::to_string(i));
    EXPECT_EQ(ini.ReadString("s", "a@", ""), "at");
    EXPECT_EQ(ini.ReadString("s", "A`", ""), "grave");
    EXPECT_EQ(ini.ReadString("s", "a{", ""), "brace");
    EXPECT_EQ(ini.ReadString("s", "A[", ""), "bracket");
    EXPECT_EQ(ini.ReadString("s@", "v", ""), "1");
    EXPECT_EQ(ini.ReadString("S`", "v", ""), "2");
    EXPECT_EQ(ini.ReadString("s", "key500", "-"), "-");
}

}  // namespace
