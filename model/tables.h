#pragma once

#include <array>
#include <cstdint>

// The fixed rules data shared by the game and its painters. Cells are numbered
// column by column from the left, top to bottom within a column.

inline constexpr int kCellCount = 19;
inline constexpr int kLineCount = 15;
inline constexpr int kTileCount = 27;

// The tables keep the layout of the board.
// clang-format off

// Column and row of each cell; neighbours lie at (0, +-2) and (+-3, +-1).
inline constexpr int16_t kCellGrid[kCellCount][2] = {
    {-6, -2}, {-6, 0}, {-6, 2},                   // column of 3
    {-3, -3}, {-3, -1}, {-3, 1}, {-3, 3},         // column of 4
    {0, -4},  {0, -2},  {0, 0},  {0, 2},  {0, 4}, // column of 5
    {3, -3},  {3, -1},  {3, 1},  {3, 3},          // column of 4
    {6, -2},  {6, 0},   {6, 2},                   // column of 3
};

// The 15 scoring lines: their cells (unused tail entries are 0), lengths and
// the direction whose numbers they read. Direction 0 rises to the right,
// 1 is a column, 2 falls to the right.
inline constexpr uint16_t kLineCells[kLineCount][5] = {
    {0, 3, 7, 0, 0},    {1, 4, 8, 12, 0},   {2, 5, 9, 13, 16},
    {6, 10, 14, 17, 0}, {11, 15, 18, 0, 0}, {0, 1, 2, 0, 0},
    {3, 4, 5, 6, 0},    {7, 8, 9, 10, 11},  {12, 13, 14, 15, 0},
    {16, 17, 18, 0, 0}, {7, 12, 16, 0, 0},  {3, 8, 13, 17, 0},
    {0, 4, 9, 14, 18},  {1, 5, 10, 15, 0},  {2, 6, 11, 0, 0},
};
inline constexpr uint16_t kLineLength[kLineCount] = {3, 4, 5, 4, 3, 3, 4, 5, 4, 3, 3, 4, 5, 4, 3};
inline constexpr uint16_t kLineDirection[kLineCount] = {0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2};

// The numbers a tile shows in directions 0, 1 and 2; tile 0 is the empty cell.
inline constexpr uint16_t kTileNumbers[kTileCount + 1][3] = {
    {0, 0, 0},
    {2, 1, 3}, {2, 1, 4}, {2, 1, 8}, {2, 5, 3}, {2, 5, 4}, {2, 5, 8},
    {2, 9, 3}, {2, 9, 4}, {2, 9, 8}, {6, 1, 3}, {6, 1, 4}, {6, 1, 8},
    {6, 5, 3}, {6, 5, 4}, {6, 5, 8}, {6, 9, 3}, {6, 9, 4}, {6, 9, 8},
    {7, 1, 3}, {7, 1, 4}, {7, 1, 8}, {7, 5, 3}, {7, 5, 4}, {7, 5, 8},
    {7, 9, 3}, {7, 9, 4}, {7, 9, 8},
};

inline constexpr const char* kDigitText[10] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};

// How much the computer player values keeping a cell free.
inline constexpr int16_t kCellWeight[kCellCount] = {2, 1, 2, 1, 2, 2, 1, 2, 2, 3,
                                                    2, 2, 1, 2, 2, 1, 2, 1, 2};

// clang-format on

// The line through each cell in each direction, worked out from the lines.
inline constexpr auto kLinesOfCell = [] {
    std::array<std::array<uint8_t, 3>, kCellCount> lines {};
    for (int line = 0; line < kLineCount; line++) {
        for (int k = 0; k < kLineLength[line]; k++)
            lines[kLineCells[line][k]][kLineDirection[line]] = uint8_t(line);
    }
    return lines;
}();
