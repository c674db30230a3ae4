#include "cliptools/text_rules.h"
#include <gtest/gtest.h>
#include <string>

namespace {
std::string Trimmed(std::string text) {
    TrimText(&text[0]);
    return text.c_str();
}
std::string Applied(void (*rule)(char *), std::string text) {
    rule(&text[0]);
    return text;
}
} // namespace

TEST(TrimText, RemovesSpacesTabsAndLineFeedsFromBothEnds) {
    EXPECT_EQ(Trimmed("  abc \t\n"), "abc");
    EXPECT_EQ(Trimmed("\r\nabc\r\n"), "\r\nabc\r");
    EXPECT_EQ(Trimmed(" \t \t"), "");
    EXPECT_EQ(Trimmed(""), "");
    EXPECT_EQ(Trimmed("a"), "a");
    EXPECT_EQ(Trimmed("\tin side\t"), "in side");
    EXPECT_EQ(Trimmed("\vx\f"), "\vx\f");
}

TEST(TrimText, KeepsTheTextAtItsAddress) {
    char text[] = "   moved";
    char *before = text;
    TrimText(text);
    EXPECT_EQ(before, text);
    EXPECT_STREQ(text, "moved");
}

TEST(CaseRules, ChangeAsciiLettersOnly) {
    EXPECT_EQ(Applied(ToUpperText, "Hello World 123\xE4"), "HELLO WORLD 123\xE4");
    EXPECT_EQ(Applied(ToLowerText, "Hello World 123\xC4"), "hello world 123\xC4");
    EXPECT_EQ(Applied(InvertCaseText, "aBc"), "AbC");
    EXPECT_EQ(Applied(InvertCaseText, "@[`{ \x80\xFF"), "@[`{ \x80\xFF");
    EXPECT_EQ(Applied(ToUpperText, ""), "");
}

TEST(CaseRules, CoverEveryByteValue) {
    for (int c = 1; c < 256; ++c) {
        char text[2] = {static_cast<char>(c), 0};
        ToUpperText(text);
        char expected = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : static_cast<char>(c);
        EXPECT_EQ(text[0], expected) << c;
        text[0] = static_cast<char>(c);
        InvertCaseText(text);
        if (c >= 'A' && c <= 'Z')
            EXPECT_EQ(text[0], c + 32);
        else if (c >= 'a' && c <= 'z')
            EXPECT_EQ(text[0], c - 32);
        else
            EXPECT_EQ(static_cast<unsigned char>(text[0]), c);
    }
}
