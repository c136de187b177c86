#include "skin/data/ini_document.h"

#include <gtest/gtest.h>

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

}  // namespace
