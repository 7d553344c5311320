#include "render/PinPlacement.h"
#include "render/BankOutline.h"

#include <gtest/gtest.h>

#include <cmath>

// Rows skip I, O, Q, S, X and Z, and run on as AA, AB and so on; other names
// are no cell.
TEST(PinPlacement, NumbersBallGridRowsWithoutTheSkippedLetters)
{
    const struct {
        const char* name;
        int row;
        int column;
    } cells[] = {{"A1", 0, 0},     {"B12", 1, 11}, {"H1", 7, 0},   {"J1", 8, 0},  {"N1", 12, 0},  {"P1", 13, 0},
                 {"R1", 14, 0},    {"T1", 15, 0},  {"W1", 18, 0},  {"Y1", 19, 0}, {"AA1", 20, 0}, {"AB3", 21, 2},
                 {"AR40", 34, 39}, {"AY2", 39, 1}, {"BA1", 40, 0}, {"a1", 0, 0}};
    for (const auto& cell : cells) {
        int row = -1;
        int column = -1;
        EXPECT_TRUE(PinPlacement::gridCell(cell.name, row, column)) << cell.name;
        EXPECT_EQ(std::make_pair(row, column), std::make_pair(cell.row, cell.column)) << cell.name;
    }
    int row = 0;
    int column = 0;
    for (const char* name :
         {"", "1", "A", "A0", "I1", "O2", "Q3", "S4", "X5", "Z6", "AI1", "ABC1", "A1B", "A-1", "VCC", "A 1"})
        EXPECT_FALSE(PinPlacement::gridCell(name, row, column)) << name;
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

// Numbered pins without locations go anticlockwise from the top of the left
// side: on two sides for a dual package's name or a count that makes no four
// sides, else on four; an exposed pad in the middle.
TEST(PinPlacement, PlacesNumberedPinsAroundTheOutline)
{
    const struct {
        std::vector<std::string> names;
        const char* package;
        std::vector<PinPoint> points;
        double width;
        double length;
    } cases[] = {
        {{"1", "2", "3", "4", "5", "6"}, "", {{0, 0}, {0, -1}, {0, -2}, {3, -2}, {3, -1}, {3, 0}}, 2, 3},
        {{"3", "1", "2"}, "SOT-23", {{3, -1}, {0, 0}, {0, -1}}, 2, 2},
        {{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "EP"},
         "QFN-12",
         {{-1, 0},
          {-1, -1},
          {-1, -2},
          {0, -3},
          {1, -3},
          {2, -3},
          {3, -2},
          {3, -1},
          {3, 0},
          {2, 1},
          {1, 1},
          {0, 1},
          {1, -1}},
         3,
         3},
    };
    for (const auto& example : cases) {
        const PinPlacement placement(example.names, std::vector<std::string>(example.names.size()), example.package);
        ASSERT_EQ(placement.method(), PinPlacement::Method::Outline) << example.package;
        for (std::size_t i = 0; i < example.names.size(); ++i) {
            EXPECT_DOUBLE_EQ(placement.points()[i].x, example.points[i].x) << example.names[i];
            EXPECT_DOUBLE_EQ(placement.points()[i].y, example.points[i].y) << example.names[i];
        }
        EXPECT_DOUBLE_EQ(placement.outlineWidth(), example.width) << example.package;
        EXPECT_DOUBLE_EQ(placement.outlineLength(), example.length) << example.package;
    }
    // Twelve pins on two sides in a dual package.
    EXPECT_DOUBLE_EQ(PinPlacement({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"},
                                  std::vector<std::string>(12), "TSSOP-12")
                         .points()[6]
                         .x,
                     3);
}

// An L of three cells of one bank beside a cell of another: the border runs
// inset around the L, shorter at its five outer corners and longer at its
// inner one, so it is as long as the L's outline less 8 insets.
TEST(BankOutline, InsetsTheBorderAroundTheCellsOfEachBank)
{
    const std::vector<BankBorder> borders =
        BankOutline::borders({{0, 0}, {0.8, 0}, {0, 0.8}, {0.8, 0.8}, {5, 5}}, {"15", "15", "15", "", "14"}, 0.8, 0.1);
    ASSERT_EQ(borders.size(), 2u);
    EXPECT_EQ(borders[0].bank, "14");
    EXPECT_EQ(borders[1].lines.size(), 8u);
    double length = 0;
    for (const auto& [from, to] : borders[1].lines)
        length += std::hypot(to.x - from.x, to.y - from.y);
    EXPECT_NEAR(length, 8 * 0.8 - 8 * 0.1, 1e-9);
}
