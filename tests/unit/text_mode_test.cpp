#include "notes/text_mode.h"
#include "support/string_forms.h"
#include <gtest/gtest.h>
#include <string>

namespace {
std::string Decoded(const std::string &stored, size_t outSize = 4096) {
    std::string out(outSize, '\x7F');
    size_t n = DecodeTextMode(stored.data(), stored.size(), &out[0], outSize);
    EXPECT_EQ(out[n], '\0');
    return out.substr(0, n);
}
} // namespace

TEST(TextMode, ClipboardLineBreaksSurviveTheRoundTrip) {
    std::string clip = "a\r\nb";
    std::string stored = EncodeTextMode(clip.data(), clip.size());
    EXPECT_EQ(stored, std::string("a\r\r\nb"));
    EXPECT_EQ(Decoded(stored), clip);
}

TEST(TextMode, ReadingRules) {
    EXPECT_EQ(Decoded("x\r\ny"), "x\ny");
    EXPECT_EQ(Decoded("x\ry"), "x\ry");
    EXPECT_EQ(Decoded("end\r"), "end\r");
    EXPECT_EQ(Decoded("ab\x1A"
                      "cd"),
              "ab");
    EXPECT_EQ(Decoded(std::string("a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(Decoded(""), "");
}

TEST(TextMode, ReadingStopsAtTheBufferLimit) {
    std::string big(5000, 'q');
    EXPECT_EQ(Decoded(big).size(), 4095u);
    std::string lines;
    for (int i = 0; i < 5000; ++i)
        lines += "\r\n";
    std::string decoded = Decoded(lines);
    EXPECT_TRUE(decoded == std::string(4095, '\n')) << decoded.size();
    EXPECT_EQ(Decoded("abcdef", 4), "abc");
    char none[1] = {'z'};
    EXPECT_EQ(DecodeTextMode("abc", 3, none, 0), 0u);
    EXPECT_EQ(none[0], 'z');
}

TEST(TextMode, WritingTurnsEachLineFeedIntoCrLf) {
    const std::string text("\n\r\n\0x", 5);
    EXPECT_EQ(EncodeTextMode(text.data(), text.size()), std::string("\r\n\r\r\n\0x", 7));
    EXPECT_EQ(EncodeTextMode("", 0), "");
}

TEST(TextMode, EveryTextWithoutSubstituteOrLoneCrLfReadsBackAsWritten) {
    // A text read back differs only where it held CR before LF or a 0x1A.
    unsigned seed = 12345;
    for (int round = 0; round < 500; ++round) {
        std::string text;
        int length = static_cast<int>((seed = seed * 1103515245u + 12345u) >> 16) % 60;
        for (int i = 0; i < length; ++i) {
            seed = seed * 1103515245u + 12345u;
            const char alphabet[] = {'a', '\r', '\n', '\t', '#', '\x80', '\xFF', ' '};
            text += alphabet[(seed >> 16) % 8];
        }
        std::string stored = EncodeTextMode(text.data(), text.size());
        EXPECT_EQ(Decoded(stored), text);
    }
}
