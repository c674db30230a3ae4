#include "base/fixed_text.h"
#include <gtest/gtest.h>
#include <climits>
#include <cstring>

TEST(FixedText, NumbersAsPercentLdShowsThem) {
    char out[64];
    FixedText text(out, sizeof(out));
    text.addNumber(0).add(' ').addNumber(-5).add(' ').addNumber(1700000000);
    text.add(' ').addNumber(INT64_MIN);
    EXPECT_STREQ(out, "0 -5 1700000000 -9223372036854775808");
    EXPECT_EQ(text.length(), std::strlen(out));
    EXPECT_FALSE(text.cut());
}

TEST(FixedText, WhatDoesNotFitIsCutAndRemembered) {
    char out[6];
    std::memset(out, '#', sizeof(out));
    FixedText text(out, sizeof(out));
    text.add("abc").add("defg").add('h').addNumber(12);
    EXPECT_STREQ(out, "abcde");
    EXPECT_EQ(text.length(), 5u);
    EXPECT_TRUE(text.cut());
    // Embedded zeros count as bytes when a length is given.
    char bytes[8];
    FixedText raw(bytes, sizeof(bytes));
    raw.add("a\0b", 3);
    EXPECT_EQ(raw.length(), 3u);
    EXPECT_EQ(std::memcmp(bytes, "a\0b\0", 4), 0);
    FixedText none(nullptr, 0);
    none.add("x");
    EXPECT_TRUE(none.cut());
}
