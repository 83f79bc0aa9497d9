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
    ClickCell(Board::Player, 9, 17, 17); // d² = 578 exactly: a miss
    ClickCell(Board::Player, 9, 25, 0);  // 625
    EXPECT_EQ(view->placementState, 0);
    EXPECT_TRUE(view->calls.empty());
    ClickCell(Board::Player, 9, 24, 0); // 576
    EXPECT_EQ(view->placementState, 1);
    EXPECT_EQ(view->previewCell, 9);
    const CellPoint centre = CellCenter(Board::Player, 9);
    Click(centre.x - 16.9, centre.y + 16.9); // d² = 571.2, fractional clicks count
    EXPECT_EQ(view->previewCell, 9);
    EXPECT_EQ(view->placementState, 0) << "a second click on the preview confirms it";
}

TEST_F(InputTest, OccupiedCellsAndTheComputersBoardIgnoreClicks)
{
    PlayTurn();
    const int taken = 0;
    ASSERT_NE(view->playerBoard[taken], 0);
    view->calls.clear();
    ClickCell(Board::Player, taken);
    for (int cell = 0; cell < kCellCount; cell++)
        ClickCell(Board::Computer, cell);
    Click(kOfferSpot.x, kOfferSpot.y);
    EXPECT_EQ(view->placementState, 0);
    EXPECT_TRUE(view->calls.empty());
}

TEST_F(InputTest, PreviewMoveAndConfirmPaintOnlyWhatChanges)
{
    const int tile = view->currentTile;
    const int computerCell = view->computerCell;
    ClickCell(Board::Player, 4);
    EXPECT_EQ(
        view->calls, std::vector<PaintCall> {TileCall(CellCenter(Board::Player, 4), tile, false)});
    {
        const Pixels p(view);
        EXPECT_TRUE(p.Is(kOfferSpot.x - 22, kOfferSpot.y, 200, 200, 200))
            << "the offer spot is erased";
        EXPECT_TRUE(p.Is(kOfferSpot.x, kOfferSpot.y - kHexHalfHeight, 200, 200, 200));
        EXPECT_TRUE(p.Is(260, 270, 150, 150, 150)) << "a neighbour's outline stays";
    }

    view->calls.clear();
    ClickCell(Board::Player, 13);
    EXPECT_EQ(view->calls,
        (std::vector<PaintCall> {TileCall(CellCenter(Board::Player, 4), 0, false),
            TileCall(CellCenter(Board::Player, 13), tile, false)}));
    EXPECT_EQ(view->previewCell, 13);
    EXPECT_EQ(view->placementState, 1);

    // While previewing, clicks between cells, on the computer's board or on a
    // taken cell change and paint nothing.
    view->calls.clear();
    const CellPoint below = CellCenter(Board::Player, 8);
    Click(below.x, below.y + kHexHalfHeight); // on the edge between cells 8 and 9
    ClickCell(Board::Computer, 13);
    EXPECT_TRUE(view->calls.empty());
    EXPECT_EQ(view->previewCell, 13);

    ClickCell(Board::Player, 13);
    EXPECT_EQ(view->playerBoard[13], tile);
    EXPECT_EQ(view->computerBoard[computerCell], tile);
    const std::vector<PaintCall> expected = {
        TileCall(CellCenter(Board::Player, 13), tile, true),
        ScoreCall(kPlayerScoreSpot, view->playerScore, false),
        TileCall(CellCenter(Board::Computer, computerCell), tile, true),
        ScoreCall(kComputerScoreSpot, view->computerScore, true),
        TileCall(kOfferSpot, view->currentTile, true),
    };
    EXPECT_EQ(view->calls, expected);
}

TEST_F(InputTest, TheLastTurnShowsTheResultAndThenClicksAreIgnored)
{
    for (int turn = 0; turn < 18; turn++)
        PlayTurn();
    view->calls.clear();
    const int last = FirstFreeCell();
    ClickCell(Board::Player, last);
    ClickCell(Board::Player, last);
    EXPECT_TRUE(view->IsGameOver());
    ASSERT_EQ(view->calls.size(), 5u) << "preview, cell, score, cell, score";
    EXPECT_EQ(view->calls[4].kind, PaintCall::Score) << "no tile on offer after the last turn";
    EXPECT_FALSE(FindInk(Pixels(view), 200, 305, 380, 336).Empty()) << "the result message";

    view->calls.clear();
    const QImage before = Pixels(view).Image();
    for (int cell = 0; cell < kCellCount; cell++)
        ClickCell(Board::Player, cell);
    EXPECT_TRUE(view->calls.empty());
    EXPECT_EQ(Pixels(view).Image(), before);
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
    ASSERT_EQ(board->placementState, 1);
    board->playerScore = 77; // as if the old game had scored
    Choose("Ctrl+N");
    EXPECT_EQ(board->tilesPlaced, 0);
    EXPECT_EQ(board->placementState, 0);
    EXPECT_EQ(board->playerScore, 0);
    EXPECT_EQ(board->computerScore, 0);
    for (int cell = 0; cell < kCellCount; cell++)
        ASSERT_EQ(board->playerBoard[cell] + board->computerBoard[cell], 0);

    const Pixels p(board);
    const CellPoint previewed = CellCenter(Board::Player, 2);
    EXPECT_TRUE(p.Is(previewed.x - 22, previewed.y, 100, 100, 100))
        << "the previewed cell is empty again";
    const CellPoint top = CellCenter(Board::Player, 7);
    EXPECT_TRUE(p.Is(top.x - 22, top.y, 100, 100, 100));
    EXPECT_TRUE(p.Is(kOfferSpot.x - 22, kOfferSpot.y, 0, 0, 0)) << "a new tile on offer";
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
    EXPECT_EQ(board->placementState, 1);
    EXPECT_EQ(board->previewCell, 5);
    EXPECT_EQ(board->currentTile, tile);
    EXPECT_EQ(Pixels(board).Image(), before);
}

} // namespace
