// Mouse play on the board view: the hit test, the preview transitions, what
// each click repaints, the end of a game, and the menu commands that reach the
// window.

#include <Message.h>

#include "board_fixture.h"
#include "tavwindow.h"

namespace {

class InputTest : public BoardTest { };

TEST_F(InputTest, TheHitRadiusIsJustOverTwentyFourPixels)
{
    EXPECT_EQ(Changes([&] {
        ClickCell(Board::Player, 9, 17, 17); // d² = 578 exactly: a miss
        ClickCell(Board::Player, 9, 25, 0);  // 625
    }),
        Places {});
    EXPECT_FALSE(view->IsPreviewing());
    ClickCell(Board::Player, 9, 24, 0); // 576
    EXPECT_TRUE(view->IsPreviewing());
    EXPECT_EQ(view->previewCell, 9);
    const CellPoint centre = CellCenter(Board::Player, 9);
    Click(centre.x - 16.9, centre.y + 16.9); // d² = 571.2, fractional clicks count
    EXPECT_EQ(view->previewCell, 9);
    EXPECT_FALSE(view->IsPreviewing()) << "a second click on the preview confirms it";
}

TEST_F(InputTest, OccupiedCellsAndTheComputersBoardIgnoreClicks)
{
    PlayTurn();
    const int taken = 0;
    ASSERT_NE(view->playerBoard[taken], 0);
    EXPECT_EQ(Changes([&] {
        ClickCell(Board::Player, taken);
        for (int cell = 0; cell < kCellCount; cell++)
            ClickCell(Board::Computer, cell);
        Click(kOfferSpot.x, kOfferSpot.y);
    }),
        Places {});
    EXPECT_FALSE(view->IsPreviewing());
}

// Each click changes only the cells it previews, leaves or places on and
// what stands between the boards, and leaves what a full Draw paints.
TEST_F(InputTest, PreviewMoveAndConfirmChangeOnlyTheirCells)
{
    const int tile = view->currentTile;
    const int computerCell = view->computerCell;
    EXPECT_EQ(Changes([&] { ClickCell(Board::Player, 4); }), (Places {"middle", "your 4"}));
    {
        const Pixels p(view);
        EXPECT_TRUE(p.Is(kOfferSpot.x - 22, kOfferSpot.y, kBackground))
            << "the offer spot is erased";
        EXPECT_TRUE(p.Is(kOfferSpot.x, kOfferSpot.y - kHexHalfHeight, kBackground));
        EXPECT_TRUE(p.Is(260, 270, kOutline)) << "a neighbour's outline stays";
    }
    EXPECT_EQ(Changes([&] { ClickCell(Board::Player, 13); }), (Places {"your 4", "your 13"}));
    EXPECT_EQ(view->previewCell, 13);
    EXPECT_TRUE(view->IsPreviewing());

    // While previewing, clicks between cells, on the computer's board or on a
    // taken cell change nothing.
    const CellPoint below = CellCenter(Board::Player, 8);
    EXPECT_EQ(Changes([&] {
        Click(below.x, below.y + kHexHalfHeight); // on the edge between cells 8 and 9
        ClickCell(Board::Computer, 13);
    }),
        Places {});
    EXPECT_EQ(view->previewCell, 13);

    const Places placed = Changes([&] { ClickCell(Board::Player, 13); });
    EXPECT_EQ(view->playerBoard[13], tile);
    EXPECT_EQ(view->computerBoard[computerCell], tile);
    EXPECT_EQ(placed, (Places {"middle", "your 13", "their " + std::to_string(computerCell)}));
}

TEST_F(InputTest, TheLastTurnShowsTheResultAndThenClicksAreIgnored)
{
    for (int turn = 0; turn < 18; turn++)
        PlayTurn();
    const int last = FirstFreeCell();
    ClickCell(Board::Player, last);
    Changes([&] { ClickCell(Board::Player, last); });
    EXPECT_TRUE(view->IsGameOver());
    const Pixels p(view);
    EXPECT_TRUE(p.Is(kOfferSpot.x, kOfferSpot.y - kHexHalfHeight + 4, kBackground))
        << "no tile on offer after the last turn";
    EXPECT_FALSE(FindInk(p, 200, 305, 380, 336).Empty()) << "the result message";

    EXPECT_EQ(Changes([&] {
        for (int cell = 0; cell < kCellCount; cell++)
            ClickCell(Board::Player, cell);
    }),
        Places {});
}

class CommandTest : public testing::Test {
protected:
    void SetUp() override
    {
        fakerand::Reset(9);
        window = new tavwindow(kWindowFrame);
        board = window->boardView;
        Pixels(board).Image();
    }
    void TearDown() override { delete window; }

    void Send(uint32 code)
    {
        BMessage message(code);
        window->MessageReceived(&message);
    }

    void Choose(const char* shortcut) { ASSERT_TRUE(ChooseMenuItem(window, shortcut)) << shortcut; }

    void Click(int cell)
    {
        const CellPoint c = CellCenter(Board::Player, cell);
        board->MouseDown(BPoint(c.x, c.y));
    }

    tavwindow* window = nullptr;
    tavview* board = nullptr;
};

TEST_F(CommandTest, NewGameMidGameClearsBothBoardsAndTheScores)
{
    for (int cell : {7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 0, 0, 1, 1, 2})
        Click(cell);
    ASSERT_TRUE(board->IsPreviewing());
    board->playerScore = 77; // as if the old game had scored
    Choose("Ctrl+N");
    EXPECT_EQ(board->tilesPlaced, 0);
    EXPECT_FALSE(board->IsPreviewing());
    EXPECT_EQ(board->playerScore, 0);
    EXPECT_EQ(board->computerScore, 0);
    for (int cell = 0; cell < kCellCount; cell++)
        ASSERT_EQ(board->playerBoard[cell] + board->computerBoard[cell], 0);

    const Pixels p(board);
    const CellPoint previewed = CellCenter(Board::Player, 2);
    EXPECT_TRUE(p.Is(previewed.x - 22, previewed.y, kEmptyGround))
        << "the previewed cell is empty again";
    const CellPoint top = CellCenter(Board::Player, 7);
    EXPECT_TRUE(p.Is(top.x - 22, top.y, kEmptyGround));
    EXPECT_TRUE(p.Is(kOfferSpot.x - 22, kOfferSpot.y, kPlacedGround)) << "a new tile on offer";
    const InkBox left = FindInk(p, 0, 301, 80, 336);
    board->SetFontSize(24);
    EXPECT_LE(left.right - left.left + 1, board->StringWidth("0") + 1) << "one digit: 0";
}

TEST_F(CommandTest, TheEditItemsAndUnknownCodesChangeNothing)
{
    Click(5);
    const QImage before = Pixels(board).Image();
    const int tile = board->currentTile;
    for (const char* item : {"Ctrl+C", "Ctrl+X", "Ctrl+V"})
        Choose(item);
    for (uint32 code : {uint32('zzzz'), uint32(0)})
        Send(code);
    EXPECT_TRUE(board->IsPreviewing());
    EXPECT_EQ(board->previewCell, 5);
    EXPECT_EQ(board->currentTile, tile);
    EXPECT_EQ(Pixels(board).Image(), before);
}

} // namespace
