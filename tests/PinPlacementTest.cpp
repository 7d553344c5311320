#include "render/PinPlacement.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

std::pair<int, int> cell(const std::string& name)
{
    int row = -1;
    int column = -1;
    EXPECT_TRUE(PinPlacement::gridCell(name, row, column)) << name;
    return {row, column};
}

bool isCell(const std::string& name)
{
    int row = 0;
    int column = 0;
    return PinPlacement::gridCell(name, row, column);
}

} // namespace

TEST(PinPlacement, NumbersBallGridRowsWithoutTheSkippedLetters)
{
    EXPECT_EQ(cell("A1"), std::make_pair(0, 0));
    EXPECT_EQ(cell("B12"), std::make_pair(1, 11));
    EXPECT_EQ(cell("H1"), std::make_pair(7, 0));
    EXPECT_EQ(cell("J1"), std::make_pair(8, 0)); // I skipped
    EXPECT_EQ(cell("N1"), std::make_pair(12, 0));
    EXPECT_EQ(cell("P1"), std::make_pair(13, 0)); // O skipped
    EXPECT_EQ(cell("R1"), std::make_pair(14, 0)); // Q skipped
    EXPECT_EQ(cell("T1"), std::make_pair(15, 0)); // S skipped
    EXPECT_EQ(cell("W1"), std::make_pair(18, 0));
    EXPECT_EQ(cell("Y1"), std::make_pair(19, 0));  // X skipped
    EXPECT_EQ(cell("AA1"), std::make_pair(20, 0)); // Z skipped
    EXPECT_EQ(cell("AB3"), std::make_pair(21, 2));
    EXPECT_EQ(cell("AR40"), std::make_pair(34, 39));
    EXPECT_EQ(cell("AY2"), std::make_pair(39, 1));
    EXPECT_EQ(cell("BA1"), std::make_pair(40, 0));
    EXPECT_EQ(cell("a1"), std::make_pair(0, 0));
}

TEST(PinPlacement, RefusesNamesThatAreNoBallGridCell)
{
    for (const char* name :
         {"", "1", "A", "A0", "I1", "O2", "Q3", "S4", "X5", "Z6", "AI1", "ABC1", "A1B", "A-1", "VCC", "A 1"})
        EXPECT_FALSE(isCell(name)) << name;
}

TEST(PinPlacement, TakesLocationsWhenEveryPinHasOne)
{
    const PinPlacement placement({"1", "2"}, {"0.0,0.0", " 2.54 , -1.5 "});
    EXPECT_EQ(placement.method(), PinPlacement::Method::Location);
    EXPECT_DOUBLE_EQ(placement.points()[1].x, 2.54);
    EXPECT_DOUBLE_EQ(placement.points()[1].y, -1.5);
}

TEST(PinPlacement, PlacesBallGridNamesWhenALocationDoesNotParse)
{
    const PinPlacement placement({"A1", "J2", "AA3"}, {"0,0", "", "near the corner"});
    EXPECT_EQ(placement.method(), PinPlacement::Method::Grid);
    EXPECT_DOUBLE_EQ(placement.points()[1].x, 1);
    EXPECT_DOUBLE_EQ(placement.points()[1].y, -8);
    EXPECT_DOUBLE_EQ(placement.points()[2].x, 2);
    EXPECT_DOUBLE_EQ(placement.points()[2].y, -20);
    EXPECT_EQ(placement.unreadable(), std::vector<std::size_t>{2});
}

TEST(PinPlacement, PutsOtherNamesInNameOrderWithNumbersCounted)
{
    const PinPlacement placement({"10", "2", "1", "VCC", "GND"}, {"", "", "", "", ""});
    EXPECT_EQ(placement.method(), PinPlacement::Method::NameOrder);
    // Order 1, 2, 10, GND, VCC in rows of three.
    EXPECT_DOUBLE_EQ(placement.points()[2].x, 0);
    EXPECT_DOUBLE_EQ(placement.points()[1].x, 1);
    EXPECT_DOUBLE_EQ(placement.points()[0].x, 2);
    EXPECT_DOUBLE_EQ(placement.points()[4].y, -1);
    EXPECT_DOUBLE_EQ(placement.points()[4].x, 0);
    EXPECT_DOUBLE_EQ(placement.points()[3].x, 1);
}

TEST(PinPlacement, TakesThePitchFromTheNearestNeighboursOfMostPins)
{
    const std::vector<PinPoint> row{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {-1.5, 0.1}, {5.5, 0.1}};
    EXPECT_DOUBLE_EQ(PinPlacement::pitch(row), 1);
    EXPECT_DOUBLE_EQ(PinPlacement::pitch({{0, 0}, {0.8, 0}, {0, 0.8}, {0.8, 0.8}, {0.4, 0.4}}), std::hypot(0.4, 0.4));
    EXPECT_DOUBLE_EQ(PinPlacement::pitch({{3, 3}}), 1);
}
