// The computer player's ratings and choices on boards with known answers.

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <numeric>
#include <random>
#include <vector>

#include "fakerand.h"
#include "seed.h"
#include "tavgame.h"

namespace {

tavgame EmptyBoardWith(int tile)
{
    tavgame game;
    game.currentTile = int16_t(tile);
    return game;
}

// The rating computed step by step on a trial board, counter by counter, as the
// rules state it; the game's own rater only recounts the lines that change.
int32_t ReferenceRating(const int16_t* board, int tile, int cell)
{
    int16_t trial[kCellCount];
    std::copy(board, board + kCellCount, trial);
    trial[cell] = int16_t(tile);
    int32_t rating = 0;
    for (int c = 0; c < kCellCount; c++)
        rating += trial[c] == 0 ? kCellWeight[c] : 0;
    int numberCount[10] = {}, needed[10] = {};
    for (int c = 0; c < kCellCount; c++) {
        for (int d = 0; d < 3; d++)
            numberCount[kTileNumbers[trial[c]][d]]++;
    }
    for (int line = 0; line < kLineCount; line++) {
        const int len = kLineLength[line], d = kLineDirection[line];
        int lineCount[10] = {};
        for (int k = 0; k < len; k++)
            lineCount[kTileNumbers[trial[kLineCells[line][k]]][d]]++;
        if (lineCount[0] == len) {
            needed[0] += len;
        } else {
            for (int n = 1; n <= 9; n++) {
                if (lineCount[0] + lineCount[n] == len) {
                    needed[n] += lineCount[0];
                    rating += 24 * lineCount[n] * n;
                }
            }
        }
        for (int n = 1; n <= 9; n++)
            rating += lineCount[n] == len ? 2 * len * n : 0;
    }
    for (int n = 1; n <= 9; n++) {
        const int left = 9 - numberCount[n];
        rating += needed[n] < left ? (needed[n] + numberCount[n] - 2) * -n : -21 * n;
    }
    return rating + 20 * needed[0];
}

TEST(ComputerPlayer, AgreesWithTheStepByStepRatingOnRandomBoards)
{
    const TestSeed seed(11);
    std::mt19937 random(seed);
    for (int round = 0; round < 2000; round++) {
        std::vector<int16_t> tiles(kTileCount);
        std::iota(tiles.begin(), tiles.end(), 1);
        std::shuffle(tiles.begin(), tiles.end(), random);
        tavgame game;
        const int filled = int(random() % kCellCount);
        std::vector<int> cells(kCellCount);
        std::iota(cells.begin(), cells.end(), 0);
        std::shuffle(cells.begin(), cells.end(), random);
        for (int k = 0; k < filled; k++)
            game.computerBoard[cells[k]] = tiles[k];
        game.currentTile = tiles[filled];
        for (int16_t c = 0; c < kCellCount; c++) {
            if (game.computerBoard[c] == 0) {
                ASSERT_EQ(
                    game.RateCell(c), ReferenceRating(game.computerBoard, game.currentTile, c))
                    << "round " << round << " cell " << c;
            }
        }
    }
}

TEST(ComputerPlayer, RatesEveryCellOfTheEmptyBoardForTileOne)
{
    const int expected[kCellCount] = {1161, 1163, 1163, 1164, 1118, 1119, 1165, 1165, 1120, 1074,
        1120, 1165, 1165, 1119, 1118, 1164, 1163, 1163, 1161};
    tavgame game = EmptyBoardWith(1);
    for (int16_t c = 0; c < kCellCount; c++)
        EXPECT_EQ(game.RateCell(c), expected[c]) << "cell " << c;
    game.ChooseComputerCell();
    EXPECT_EQ(game.computerCell, 6); // the lowest of the four best cells
}

TEST(ComputerPlayer, TiesGoToTheLowestCell)
{
    tavgame game = EmptyBoardWith(27);
    game.ChooseComputerCell();
    EXPECT_EQ(game.computerCell, 1);
    EXPECT_EQ(game.RateCell(1), 1531);
    for (int16_t c : {2, 16, 17})
        EXPECT_EQ(game.RateCell(c), 1531);

    game = EmptyBoardWith(14);
    game.ChooseComputerCell();
    EXPECT_EQ(game.computerCell, 0);
    for (int16_t c : {0, 3, 15, 18})
        EXPECT_EQ(game.RateCell(c), 1348);
}

TEST(ComputerPlayer, CompletingALineIsWorthMost)
{
    tavgame game = EmptyBoardWith(25);
    game.computerBoard[0] = 19;
    game.computerBoard[3] = 22;
    EXPECT_EQ(game.RateCell(7), 1682);
    EXPECT_EQ(game.RateCell(1), 1411);
    EXPECT_EQ(game.RateCell(9), 1564);
    game.ChooseComputerCell();
    EXPECT_EQ(game.computerCell, 7);
}

TEST(ComputerPlayer, TheLastFreeCellIsChosenWhateverItsRating)
{
    const int16_t tiles[] = {16, 24, 26, 17, 14, 8, 6, 4, 25, 21, 27, 18, 3, 12, 20, 7, 9, 15};
    tavgame game = EmptyBoardWith(10);
    std::copy(std::begin(tiles), std::end(tiles), game.computerBoard);
    EXPECT_EQ(game.RateCell(18), -462);
    game.ChooseComputerCell();
    EXPECT_EQ(game.computerCell, 18);
}

TEST(ComputerPlayer, ChoosingNeitherWritesTheBoardNorDependsOnThePast)
{
    tavgame game = EmptyBoardWith(5);
    game.computerBoard[4] = 11;
    game.computerBoard[12] = 20;
    game.computerCell = 17;
    const int32_t first = game.RateCell(9);
    game.ChooseComputerCell();
    const int16_t chosen = game.computerCell;
    game.ChooseComputerCell();
    EXPECT_EQ(game.RateCell(9), first);
    EXPECT_EQ(game.computerCell, chosen);
    for (int c = 0; c < kCellCount; c++)
        EXPECT_EQ(game.computerBoard[c], (c == 4 ? 11 : c == 12 ? 20 : 0)) << c;
}

TEST(ComputerPlayer, AFullBoardLeavesTheChoiceAtZero)
{
    tavgame game = EmptyBoardWith(9);
    for (int c = 0; c < kCellCount; c++)
        game.computerBoard[c] = int16_t(c + 1);
    game.computerCell = 12;
    game.ChooseComputerCell();
    EXPECT_EQ(game.computerCell, 0);
}

TEST(ComputerPlayer, PlaysAWholeDealtGameAsWorkedOut)
{
    const int dealt[] = {2, 1, 4, 19, 3, 5, 14, 10, 7, 8, 23, 26, 17, 25, 16, 18, 9, 27, 21};
    const int cells[] = {6, 17, 3, 16, 0, 11, 10, 12, 15, 2, 5, 1, 13, 4, 14, 18, 8, 9, 7};
    const int best[] = {1186, 1174, 1201, 1259, 1318, 1363, 1409, 1448, 1390, 1307, 1289, 1142, 983,
        802, 782, 644, 370, 217, -8};
    fakerand::Reset();
    for (int tile : dealt)
        fakerand::Push(tile - 1);
    fakerand::Push(5); // tile 6, never dealt before, for the deal after the last turn

    tavgame game;
    game.NewGame();
    for (int turn = 0; turn < kCellCount; turn++) {
        ASSERT_EQ(game.currentTile, dealt[turn]) << "turn " << turn;
        EXPECT_EQ(game.computerCell, cells[turn]) << "turn " << turn;
        EXPECT_EQ(game.RateCell(game.computerCell), best[turn]) << "turn " << turn;
        // The player fills the board from the bottom cell up; it must not matter.
        const int16_t mine = int16_t(kCellCount - 1 - turn);
        game.placementState = 1;
        game.previewCell = mine;
        EXPECT_EQ(game.PlaceTile(mine), cells[turn]) << "turn " << turn;
    }
    EXPECT_EQ(game.computerScore, 12);
    EXPECT_EQ(fakerand::Calls(), 20);
}

} // namespace
