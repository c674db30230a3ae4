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

TEST(NoteRows, SlotComesFromAfterTheLastHash) {
    EXPECT_EQ(SlotFromRowText("note#07"), 7);
    EXPECT_EQ(SlotFromRowText("see #12 here#03"), 3);
    EXPECT_EQ(SlotFromRowText("#12#49"), 49);
    EXPECT_EQ(SlotFromRowText("no hash 42"), 0); // "no hash 42" does not start with a digit
    EXPECT_EQ(SlotFromRowText("42"), 42);
    EXPECT_EQ(SlotFromRowText("#"), 0);
    EXPECT_EQ(SlotFromRowText(""), 0);
    EXPECT_EQ(SlotFromRowText("x# -7"), -7);
    EXPECT_EQ(SlotFromRowText("x#99999999999999999999"), INT32_MAX);
}

TEST(NoteRows, SlotLooksAtNoMoreThanTheLast25Characters) {
    // The hash and its digit lie before the last 25 characters: they are not read.
    std::string row = "#5" + std::string(25, 'x');
    EXPECT_EQ(SlotFromRowText(row.c_str()), 0);
    std::string near = "#5" + std::string(24, 'x'); // the hash is out, its digit is in
    EXPECT_EQ(SlotFromRowText(near.c_str()), 5);
    std::string inside = "#" + std::string(24, 'x');
    EXPECT_EQ(SlotFromRowText((inside + "#8").c_str()), 8);
    std::string digits = "x#" + std::string(30, '0') + "17";
    EXPECT_EQ(SlotFromRowText(digits.c_str()), 17);
    std::string tail = std::string(40, 'n') + "  33";
    EXPECT_EQ(SlotFromRowText(tail.c_str()), 0);
    std::string spaced = std::string(23, ' ') + "33";
    EXPECT_EQ(SlotFromRowText(spaced.c_str()), 33);
}

TEST(NoteRows, EveryMadeRowGivesBackItsSlot) {
    const char *texts[] = {"", "#", "#12", "a#b#c", "99", "note ending in #", "-5"};
    for (const char *text : texts)
        for (int slot = 0; slot < 50; ++slot)
            EXPECT_EQ(SlotFromRowText(IndexRow(Display(text).c_str(), slot).c_str()), slot)
                << text << " " << slot;
}
