// The rules tables: geometry of the lines and completeness of the tile set.

#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "geometry.h"
#include "tables.h"

namespace {

const int kStep[3][2] = {{3, -1}, {0, 2}, {3, 1}};

TEST(Tables, EveryCellLiesOnExactlyOneLinePerDirection)
{
    int seen[kCellCount][3] = {};
    for (int line = 0; line < kLineCount; line++) {
        for (int k = 0; k < kLineLength[line]; k++)
            seen[kLineCells[line][k]][kLineDirection[line]]++;
    }
    for (int cell = 0; cell < kCellCount; cell++) {
        for (int d = 0; d < 3; d++)
            EXPECT_EQ(seen[cell][d], 1) << "cell " << cell << " direction " << d;
    }
}

TEST(Tables, ConsecutiveCellsOfALineDifferByItsDirectionsStep)
{
    for (int line = 0; line < kLineCount; line++) {
        const int d = kLineDirection[line];
        for (int k = 1; k < kLineLength[line]; k++) {
            const int16_t* a = kCellGrid[kLineCells[line][k - 1]];
            const int16_t* b = kCellGrid[kLineCells[line][k]];
            EXPECT_EQ(b[0] - a[0], kStep[d][0]) << "line " << line << " step " << k;
            EXPECT_EQ(b[1] - a[1], kStep[d][1]) << "line " << line << " step " << k;
        }
    }
}

TEST(Tables, LinesRunFromEdgeToEdgeOfTheBoard)
{
    // A line that stopped short would leave a neighbour of its end cell on
    // the board. A step of three column units is one column.
    int total = 0;
    for (int line = 0; line < kLineCount; line++) {
        const int d = kLineDirection[line];
        const int first = kLineCells[line][0], last = kLineCells[line][kLineLength[line] - 1];
        EXPECT_EQ(
            CellAt(CellColumn(first) - kStep[d][0] / 3, kCellGrid[first][1] - kStep[d][1]), -1)
            << line;
        EXPECT_EQ(CellAt(CellColumn(last) + kStep[d][0] / 3, kCellGrid[last][1] + kStep[d][1]), -1)
            << line;
        total += kLineLength[line];
    }
    EXPECT_EQ(total, 57);
}

TEST(Tables, TheTwentySevenTilesAreEveryCombinationOnce)
{
    const int lists[3][3] = {{2, 6, 7}, {1, 5, 9}, {3, 4, 8}};
    EXPECT_EQ(kTileNumbers[0][0] + kTileNumbers[0][1] + kTileNumbers[0][2], 0);
    std::set<std::tuple<int, int, int>> combos;
    for (int a = 0; a < 3; a++) {
        for (int b = 0; b < 3; b++) {
            for (int c = 0; c < 3; c++) {
                const uint16_t* tile = kTileNumbers[1 + 9 * a + 3 * b + c];
                EXPECT_EQ(tile[0], lists[0][a]);
                EXPECT_EQ(tile[1], lists[1][b]);
                EXPECT_EQ(tile[2], lists[2][c]);
                combos.insert({tile[0], tile[1], tile[2]});
            }
        }
    }
    EXPECT_EQ(combos.size(), 27u);
}

} // namespace
