#include "ui/note_rows.h"
#include <gtest/gtest.h>
#include <string>

namespace {
std::u16string Display(const std::u16string &text, size_t outSize = kRowUnits + 1) {
    char16_t out[kRowUnits + 1];
    size_t length = MakeDisplayText(text.data(), text.size(), out, outSize);
    EXPECT_EQ(length, std::u16string(out).size());
    return out;
}
std::u16string IndexRow(const char16_t *display, int slot) {
    char16_t out[kRowBufferSize];
    MakeIndexRow(display, slot, out, kRowBufferSize);
    return out;
}
} // namespace

TEST(NoteRows, LineBreaksAndTabsShowAsUnderscoresAndACutKeepsWholeCharacters) {
    EXPECT_EQ(Display(u"a\r\nb\tc"), u"a__b_c");
    EXPECT_EQ(Display(u"plain \u00FC \u65E5 #12"), u"plain \u00FC \u65E5 #12");
    EXPECT_EQ(Display(u""), u"");
    EXPECT_EQ(Display(u"abcdef", 4), u"abc");
    // A cut never keeps half a surrogate pair, and a whole pair that fits stays.
    EXPECT_EQ(Display(u"ab\U0001F600", 4), u"ab");
    EXPECT_EQ(Display(u"ab\U0001F600", 5), u"ab\U0001F600");
    EXPECT_EQ(Display(std::u16string(kRowUnits + 7, u'x')), std::u16string(kRowUnits, u'x'));
}

TEST(NoteRows, IndexRowsCarryTwoDigitSlots) {
    EXPECT_EQ(IndexRow(u"note", 5), u"note#05");
    EXPECT_EQ(IndexRow(u"note", 0), u"note#00");
    EXPECT_EQ(IndexRow(u"note", 49), u"note#49");
    EXPECT_EQ(IndexRow(u"", 10), u"#10");
}
