#include "base/placement.h"
#include <gtest/gtest.h>

namespace {
const Box kWork = {0, 0, 1280, 780};
}

TEST(Placement, ExplicitPositionLandsInTheBottomRightCorner) {
    Spot spot = PlacedSpot(100000, 100000, 300, 200, kWork);
    EXPECT_EQ(spot.x, 980);
    EXPECT_EQ(spot.y, 580);
    Spot early = PlacedSpot(-50, -10, 300, 200, {20, 30, 1280, 780});
    EXPECT_EQ(early.x, 20);
    EXPECT_EQ(early.y, 30);
}

TEST(Placement, CentresInTheWorkAreaWithoutAParent) {
    Spot spot = CentredSpot(301, 201, nullptr, {0, 0}, kWork);
    EXPECT_EQ(spot.x, 640 - 150);
    EXPECT_EQ(spot.y, 390 - 100);
    // No work-area offset is added without a parent.
    Spot shifted = CentredSpot(100, 100, nullptr, {0, 0}, {200, 0, 1280, 780});
    EXPECT_EQ(shifted.x, 540 - 50);
}

TEST(Placement, CentresOverTheParentFromItsNormalPosition) {
    Box parent = {100, 100, 900, 500};
    Spot spot = CentredSpot(301, 100, &parent, {100, 100}, kWork);
    EXPECT_EQ(spot.x, 100 + 400 - 150);
    EXPECT_EQ(spot.y, 100 + 200 - 50);
    // A hidden parent in the corner: pushed back inside the work area.
    Box corner = {1180, 680, 1280, 780};
    Spot pushed = CentredSpot(400, 300, &corner, {1180, 680}, kWork);
    EXPECT_EQ(pushed.x, 880);
    EXPECT_EQ(pushed.y, 480);
}

TEST(Placement, OneTestPerAxisForOversizedWindows) {
    EXPECT_EQ(KeepInside(-10, 2000, 0, 1280), 0);   // before the edge: to the edge
    EXPECT_EQ(KeepInside(10, 2000, 0, 1280), -720); // inside: right edge, out on the left
    EXPECT_EQ(KeepInside(100, 50, 0, 1280), 100);
    EXPECT_EQ(KeepInside(1250, 50, 0, 1280), 1230);
    Spot wide = CentredSpot(3000, 100, nullptr, {0, 0}, kWork);
    EXPECT_EQ(wide.x, 0); // 640 - 1500 lies before the left edge
}

TEST(Placement, HalvesTruncateTowardZero) {
    Box parent = {-801, -3, 0, 0};
    Spot spot = CentredSpot(3, 3, &parent, {-801, -3}, {-2000, -2000, 2000, 2000});
    EXPECT_EQ(spot.x, -801 + 400 - 1);
    EXPECT_EQ(spot.y, -3 + 1 - 1);
}
