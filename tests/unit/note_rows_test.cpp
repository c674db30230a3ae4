#include "ui/note_rows.h"
#include <gtest/gtest.h>
#include <string>

namespace {
std::string Display(const char *text) {
    char out[kRowBufferSize];
    MakeDisplayText(text, out, sizeof(out));
    return out;
}
std::string IndexRow(const char *display, int slot) {
    char out[kRowBufferSize];
    MakeIndexRow(display, slot, out, sizeof(out));
    return out;
}
} // namespace

TEST(NoteRows, LineBreaksAndTabsShowAsUnderscores) {
    EXPECT_EQ(Display("a\r\nb\tc"), "a__b_c");
    EXPECT_EQ(Display("plain \x80 #12"), "plain \x80 #12");
    EXPECT_EQ(Display(""), "");
    char small[4];
    MakeDisplayText("abcdef", small, sizeof(small));
    EXPECT_STREQ(small, "abc");
}

TEST(NoteRows, IndexRowsCarryTwoDigitSlots) {
    EXPECT_EQ(IndexRow("note", 5), "note#05");
    EXPECT_EQ(IndexRow("note", 0), "note#00");
    EXPECT_EQ(IndexRow("note", 49), "note#49");
    EXPECT_EQ(IndexRow("", 10), "#10");
}
