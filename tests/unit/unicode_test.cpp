// Text in any language: UTF-8 notes and case changes that touch ASCII letters only.
#include "cliptools/text_rules.h"
#include "cliptools/utf8.h"
#include "notes/note_kind.h"
#include "notes/text_mode.h"
#include "support/string_forms.h"
#include <gtest/gtest.h>
#include <string>

namespace {

std::u16string Decoded(const std::string &utf8, size_t outSize = 64) {
    std::u16string out(outSize, u'#');
    size_t n = Utf8ToUtf16(utf8.data(), utf8.size(), &out[0], outSize);
    EXPECT_EQ(out[n], u'\0');
    return out.substr(0, n);
}

std::string Encoded(const std::u16string &wide, size_t outSize = 64, size_t *needed = nullptr) {
    std::string out(outSize, '#');
    size_t total = Utf16ToUtf8(wide.data(), wide.size(), &out[0], outSize);
    if (needed) *needed = total;
    return out.substr(0, out.find('\0'));
}

// Lead bytes of code page 932.
bool ShiftJisLead(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Text in code page 932 as far as lead bytes tell: each has a trail byte.
bool ShiftJisText(const char *bytes, size_t length) {
    for (size_t i = 0; i < length; ++i)
        if (ShiftJisLead(static_cast<unsigned char>(bytes[i])) && ++i == length) return false;
    return true;
}

NoteKind KindOf(const std::string &bytes, bool cut = false) {
    return NoteKindOf(bytes.data(), bytes.size(), cut).kind;
}

std::u16string Utf16Note(const std::string &bytes, bool bigEndian, bool cut) {
    char16_t out[16];
    return std::u16string(out,
                          DecodeUtf16Note(bytes.data(), bytes.size(), bigEndian, cut, out, 16));
}

} // namespace

TEST(Utf8, EveryPlaneRoundTripsAndCountsItsBytes) {
    const std::u16string text = u"\u03A9mega \u65E5\u672C\u8A9E \U0001F600 caf\u00E9";
    const std::string utf8 =
        "\xCE\xA9mega \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E \xF0\x9F\x98\x80 caf\xC3\xA9";
    size_t needed = 0;
    EXPECT_EQ(Encoded(text, 64, &needed), utf8);
    EXPECT_EQ(needed, utf8.size());
    EXPECT_EQ(Decoded(utf8), text);
    // A short buffer takes whole characters only, and still counts them all.
    EXPECT_EQ(Encoded(u"a\u65E5b", 3, &needed), "a");
    EXPECT_EQ(needed, 5u);
    EXPECT_EQ(Decoded(utf8, 8), text.substr(0, 7));
    EXPECT_EQ(Decoded("\xF0\x9F\x98\x80", 2), u"") << "no half of a surrogate pair";
}

TEST(Utf8, MalformedInputBecomesReplacementCharacters) {
    EXPECT_EQ(Encoded(u"x\xD800y\xDC00"), "x\xEF\xBF\xBDy\xEF\xBF\xBD");
    EXPECT_EQ(Decoded("a\x80z"), u"a\uFFFDz");
    EXPECT_EQ(Decoded("\xC0\xAF"), u"\uFFFD\uFFFD") << "overlong";
    EXPECT_EQ(Decoded("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD") << "encoded surrogate";
    EXPECT_EQ(Decoded("\xE6\x97z"), u"\uFFFDz") << "cut-off sequence";
    EXPECT_EQ(Decoded("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD") << "past U+10FFFF";
}

TEST(Utf8Note, TheMarkSurvivesTheTextModeRoundTripAndIsTakenOff) {
    std::string note = std::string(kUtf8Mark) + "\xCE\xA9\r\nline";
    std::string stored = EncodeTextMode(note.data(), note.size());
    EXPECT_EQ(stored, "\xEF\xBB\xBF\xCE\xA9\r\r\nline");
    char text[64];
    DecodeTextMode(stored.data(), stored.size(), text, sizeof(text));
    EXPECT_TRUE(TakeUtf8Mark(text));
    EXPECT_STREQ(text, "\xCE\xA9\r\nline");
    char plain[] = "\xEF\xBB no mark";
    EXPECT_FALSE(TakeUtf8Mark(plain));
    EXPECT_STREQ(plain, "\xEF\xBB no mark");
    char onlyMark[] = "\xEF\xBB\xBF";
    EXPECT_TRUE(TakeUtf8Mark(onlyMark));
    EXPECT_STREQ(onlyMark, "");
}

TEST(CaseRules, DoubleByteCharactersKeepTheirTrailBytes) {
    // U+30C2 is 83 61 in code page 932: its trail byte is the letter 'a'.
    char text[] = "\x83\x61 abc \x83\x41Z";
    ConvertCase(text, CaseConversion::Upper, ShiftJisLead);
    EXPECT_STREQ(text, "\x83\x61 ABC \x83\x41Z");
    ConvertCase(text, CaseConversion::Lower, ShiftJisLead);
    EXPECT_STREQ(text, "\x83\x61 abc \x83\x41z");
    char cut[] = "ab\x83";
    ConvertCase(cut, CaseConversion::Invert, ShiftJisLead);
    EXPECT_STREQ(cut, "AB\x83");
    char singleByte[] = "\x83\x61";
    ConvertCase(singleByte, CaseConversion::Upper);
    EXPECT_STREQ(singleByte, "\x83\x41") << "a single-byte code page has no trail bytes";
}

TEST(CaseRules, UnicodeTextChangesAsciiLettersOnly) {
    std::u16string text = u"stra\u00DFe \u03A9mega \u65E5\u672C abc \U0001F600";
    ConvertCase(&text[0], CaseConversion::Upper);
    EXPECT_EQ(text, u"STRA\u00DFE \u03A9MEGA \u65E5\u672C ABC \U0001F600");
    std::u16string mixed = u"a\u03A9B\u03C9";
    ConvertCase(&mixed[0], CaseConversion::Invert);
    EXPECT_EQ(mixed, u"A\u03A9b\u03C9");
    ConvertCase(&mixed[0], CaseConversion::Lower);
    EXPECT_EQ(mixed, u"a\u03A9b\u03C9");
}

TEST(NoteKind, MarksThenUtf8WithoutAMarkOnEveryCodePage) {
    EXPECT_EQ(NoteKindOf("\xFF\xFEh\0", 4, false).markSize, 2u);
    EXPECT_EQ(KindOf("\xFF\xFEh"), NoteKind::Utf16Le);
    EXPECT_EQ(KindOf("\xFE\xFF"), NoteKind::Utf16Be);
    EXPECT_EQ(NoteKindOf("\xEF\xBB\xBFx", 4, false).markSize, 3u);
    const std::string japanese = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E"; // ends in a lone 932 lead
    EXPECT_EQ(KindOf("Caf\xC3\xA9"), NoteKind::Utf8);
    EXPECT_EQ(KindOf(japanese), NoteKind::Utf8);
    // UTF-8 that is also valid double-byte text: こんにちは in 932, 谢谢 and
    // 密码 in 936, 메모 in 949. The system's editor reads them as UTF-8.
    const std::string hello = "\xE3\x81\x93\xE3\x82\x93\xE3\x81\xAB\xE3\x81\xA1\xE3\x81\xAF";
    EXPECT_TRUE(ShiftJisText(hello.data(), hello.size()));
    for (const std::string &both :
         {hello, std::string("\xE8\xB0\xA2\xE8\xB0\xA2"), std::string("\xE5\xAF\x86\xE7\xA0\x81"),
          std::string("\xEB\xA9\x94\xEB\xAA\xA8")})
        EXPECT_EQ(KindOf(both), NoteKind::Utf8) << both;
    EXPECT_EQ(KindOf("plain ascii"), NoteKind::Ansi);
    EXPECT_EQ(KindOf("Caf\xE9"), NoteKind::Ansi);
    EXPECT_EQ(KindOf("\x93\xFA\x96\x7B"), NoteKind::Ansi) << "日本 in 932 is not UTF-8";
    // A sequence cut off by the end is UTF-8 only where the file went on.
    EXPECT_EQ(KindOf(japanese + "\xE8\xAA"), NoteKind::Ansi);
    EXPECT_EQ(KindOf(japanese + "\xE8\xAA", true), NoteKind::Utf8);
}

TEST(NoteKind, ACutDropsOnlyAnIncompleteLastCharacter) {
    EXPECT_EQ(WholeCharacterLength("ab\xE6\x97", 4, NoteKind::Utf8, nullptr), 2u);
    EXPECT_EQ(WholeCharacterLength("ab\xC3\xA9", 4, NoteKind::Utf8, nullptr), 4u);
    // A stray byte early on stays, as in a note that was not cut.
    EXPECT_EQ(WholeCharacterLength("a\xE9z\xC3\xA9", 5, NoteKind::Utf8, nullptr), 5u);
    EXPECT_EQ(WholeCharacterLength("a\xE9z\xE0\xA4", 5, NoteKind::Utf8, nullptr), 3u);
    // Only the last character goes, even where the one before is broken too.
    EXPECT_EQ(WholeCharacterLength("\xE3\xE3\xE3", 3, NoteKind::Utf8, nullptr), 2u);
    // A trail byte that looks like a lead byte is still a trail byte.
    EXPECT_EQ(WholeCharacterLength("\x83\x83\x83", 3, NoteKind::Ansi, ShiftJisLead), 2u);
    EXPECT_EQ(WholeCharacterLength("\x83\x83\x83\x83", 4, NoteKind::Ansi, ShiftJisLead), 4u);
    EXPECT_EQ(WholeCharacterLength("ab\xE9", 3, NoteKind::Ansi, nullptr), 3u);
    // UTF-16: CR LF reads as LF, U+001A ends it, an odd byte and a cut pair go.
    EXPECT_EQ(Utf16Note(std::string("h\0\r\0\n\0i\0\x1A\0z\0", 12), false, false), u"h\ni");
    EXPECT_EQ(Utf16Note(std::string("\0h\0\r\0\n\0i\0\x1A\0z", 12), true, false), u"h\ni");
    EXPECT_EQ(Utf16Note(std::string("\x03\xA9\0", 3), true, false), u"\u03A9\uFFFD");
    EXPECT_EQ(Utf16Note(std::string("a\0\x3D\xD8", 4), false, true), u"a");
    EXPECT_EQ(Utf16Note(std::string("a\0\x3D\xD8\0\xDE", 6), false, true), u"a\U0001F600");
    EXPECT_EQ(Utf16Note(std::string("\x1A\x04\x1A\x01", 4), false, false), u"\u041A\u011A")
        << "К and Ě are not U+001A";
    EXPECT_EQ(Utf16Note(std::string("a\0\x3D\xD8", 4), false, false), u"a\xD83D");
}
