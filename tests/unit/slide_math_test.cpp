#include "ui/slide_math.h"
#include "support/string_forms.h"
#include <gtest/gtest.h>
#include <cstring>

namespace {
uint32_t FromText(const char *text) {
    return MenuShowDelayFromValue(true, kRegistryText,
                                  reinterpret_cast<const unsigned char *>(text),
                                  static_cast<unsigned long>(std::strlen(text) + 1));
}
} // namespace

TEST(MenuShowDelay, TextAndNumbersGiveTheValueTheUserMeant) {
    EXPECT_EQ(FromText("400"), 400u);
    EXPECT_EQ(FromText("0"), 0u);
    EXPECT_EQ(FromText("1000"), 1000u);
    EXPECT_EQ(FromText(""), 200u);
    EXPECT_EQ(FromText("fast"), 200u);
    EXPECT_EQ(FromText("4 00"), 200u);
    EXPECT_EQ(FromText("99999999999"), 200u);
    const unsigned char dword[4] = {0x90, 0x01, 0, 0};
    EXPECT_EQ(MenuShowDelayFromValue(true, kRegistryDword, dword, 4), 400u);
    EXPECT_EQ(MenuShowDelayFromValue(false, kRegistryText, nullptr, 0), 200u);
    EXPECT_EQ(MenuShowDelayFromValue(true, 3 /* binary */, dword, 4), 200u);
    const unsigned char unterminated[3] = {'3', '5', '0'};
    EXPECT_EQ(MenuShowDelayFromValue(true, kRegistryText, unterminated, 3), 350u);
}

TEST(Slide, StepFollowsTheCappedDelay) {
    EXPECT_DOUBLE_EQ(SlideStep(200, 300), 6.0);
    EXPECT_DOUBLE_EQ(SlideStep(400, 100), 4.0);
    EXPECT_DOUBLE_EQ(SlideStep(800, 100), 8.0);
    EXPECT_DOUBLE_EQ(SlideStep(5000, 100), 8.0);
    EXPECT_DOUBLE_EQ(SlideStep(0xFFFFFFFFu, 100), 8.0);
    EXPECT_DOUBLE_EQ(SlideStep(0, 100), 0.0);
}

TEST(Slide, SmallDelaysSlideAsTwoHundredRatherThanCrawl) {
    EXPECT_EQ(SlideDelay(0), 0u);
    for (uint32_t delay : {1u, 20u, 50u, 199u})
        EXPECT_EQ(SlidePositions(delay, 770, 300, true), SlidePositions(200, 770, 300, true))
            << delay;
    EXPECT_EQ(SlidePositions(1, 770, 300, true).size(), 51u) << "not 10,002 frames";
    EXPECT_EQ(SlideDelay(200), 200u);
    EXPECT_EQ(SlideDelay(201), 201u);
    EXPECT_EQ(SlideDelay(5000), 800u);
}

TEST(Slide, InAt200MovesBySixPixelsToTheEnd) {
    std::vector<int> positions = SlidePositions(200, 770, 300, true);
    ASSERT_EQ(positions.size(), 51u);
    for (size_t i = 0; i < positions.size(); ++i)
        EXPECT_EQ(positions[i], 770 - 6 * int(i));
    EXPECT_EQ(positions.back(), 470);
}

TEST(Slide, OutRunsTheOtherWay) {
    std::vector<int> positions = SlidePositions(200, 770, 300, false);
    ASSERT_EQ(positions.size(), 51u);
    EXPECT_EQ(positions.front(), 470);
    EXPECT_EQ(positions.back(), 770);
    for (size_t i = 1; i < positions.size(); ++i)
        EXPECT_GT(positions[i], positions[i - 1]);
}

TEST(Slide, LongDelaysTakeThirteenStepsAndTheEnd) {
    for (uint32_t delay : {800u, 801u, 100000u}) {
        std::vector<int> positions = SlidePositions(delay, 1000, 100, true);
        ASSERT_EQ(positions.size(), 14u) << delay;
        EXPECT_EQ(positions[1], 992);
        EXPECT_EQ(positions[12], 904);
        EXPECT_EQ(positions.back(), 900);
    }
}

TEST(Slide, ZeroDelayStillEndsInPlace) {
    EXPECT_EQ(SlidePositions(0, 770, 300, true), std::vector<int>({470}));
    EXPECT_EQ(SlidePositions(0, 770, 300, false), std::vector<int>({770}));
}

TEST(Slide, NothingToSlideForAnEmptyWindow) {
    EXPECT_TRUE(SlidePositions(200, 770, 0, true).empty());
    EXPECT_TRUE(SlidePositions(200, 770, -5, false).empty());
}

TEST(Slide, TallWindowsTruncateTowardZero) {
    // 1000 px high over a bottom edge at 780: positions go below zero.
    std::vector<int> positions = SlidePositions(370, 780, 1000, true);
    double step = 370.0 / 1000 / 10 * 1000; // 37
    ASSERT_DOUBLE_EQ(step, 37.0);
    EXPECT_EQ(positions.back(), -220);
    std::vector<int> odd = SlidePositions(200, 780, 1085, true); // step 21.7
    bool sawNegative = false;
    const double oddStep = SlideStep(200, 1085);
    double y = 780;
    for (int p : odd) {
        if (y < -220 - 85) y = 780 - 1085;
        EXPECT_EQ(p, static_cast<int>(y)); // truncation, not floor
        if (y < 0 && y != static_cast<int>(y)) sawNegative = true;
        y -= oddStep;
    }
    EXPECT_TRUE(sawNegative);
    EXPECT_EQ(odd.back(), -305);
}

TEST(Slide, WindowHeightFormula) {
    EXPECT_EQ(NoteWindowHeight(0, 13, 17, 0, 780), 57);
    EXPECT_EQ(NoteWindowHeight(3, 13, 17, 50, 780), 3 * 13 + 17 + 50 + 40);
    EXPECT_EQ(NoteWindowHeight(50, 16, 0, 0, 1000), 840);
    // Never taller than the work area: the list scrolls instead.
    EXPECT_EQ(NoteWindowHeight(50, 16, 0, 0, 580), 580);
    EXPECT_EQ(NoteWindowHeight(50, 13, 17, 50, 580), 580);
}
