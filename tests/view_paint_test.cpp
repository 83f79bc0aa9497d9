// The board view's full repaint, its layout and its colours, read back from
// the pixels; and the window that holds it.

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <MenuBar.h>

#include <map>

#include "board_fixture.h"
#include "colors.h"
#include "tavwindow.h"

namespace {

// Checks one painted cell: ground, the three stripe colours away from the
// numbers, and the outline.
void ExpectCell(const Pixels& p, CellPoint c, int tile, bool placed)
{
    const QColor ground = placed ? kPlacedGround : kEmptyGround;
    EXPECT_EQ(p.At(c.x - 22, c.y), ground) << "ground at " << c.x << "," << c.y;
    EXPECT_EQ(p.At(c.x - 10, c.y - 30), kOutline) << "outline at " << c.x << "," << c.y;
    if (tile == 0) {
        EXPECT_EQ(p.At(c.x, c.y), ground);
        return;
    }
    auto stripe = [&](int d) { return ToQColor(kNumberColor[kTileNumbers[tile][d]]); };
    EXPECT_EQ(p.At(c.x + 15, c.y - 9), stripe(0)) << "rising stripe";
    EXPECT_EQ(p.At(c.x, c.y + 20), stripe(1)) << "vertical stripe";
    EXPECT_EQ(p.At(c.x - 15, c.y - 9), stripe(2)) << "falling stripe";
}

class PaintTest : public BoardTest { };

// The one check of the layout against its documented pixels: the columns'
// x and the rows' y on both boards.
TEST(Layout, CellCentresFollowTheGrid)
{
    const std::map<int, int> columnX = {{-6, 43}, {-3, 94}, {0, 145}, {3, 196}, {6, 247}};
    const std::map<int, int> rowY = {
        {-4, 60}, {-3, 90}, {-2, 120}, {-1, 150}, {0, 180}, {1, 210}, {2, 240}, {3, 270}, {4, 300}};
    for (int cell = 0; cell < kCellCount; cell++) {
        const CellPoint left = CellCenter(Board::Player, cell);
        const CellPoint right = CellCenter(Board::Computer, cell);
        EXPECT_EQ(left.x, columnX.at(kCellGrid[cell][0])) << cell;
        EXPECT_EQ(right.x, left.x + 290) << cell;
        EXPECT_EQ(left.y, rowY.at(kCellGrid[cell][1])) << cell;
        EXPECT_EQ(right.y, left.y) << cell;
    }
}

TEST_F(PaintTest, StartOfAGameShowsEmptyBoardsTheTileOnOfferAndZeroScores)
{
    view->Draw(BRect(0, 0, -1, -1));
    const Pixels p(view);
    EXPECT_TRUE(p.Is(kOfferSpot.x, 100, kBackground));
    EXPECT_TRUE(p.Is(0, int(kViewBounds.bottom) - 1, kBackground));
    EXPECT_TRUE(p.Is(int(kViewBounds.right), int(kViewBounds.bottom), kBackground));
    for (int cell = 0; cell < kCellCount; cell++) {
        ExpectCell(p, CellCenter(Board::Player, cell), 0, false);
        ExpectCell(p, CellCenter(Board::Computer, cell), 0, false);
    }
    ExpectCell(p, kOfferSpot, view->currentTile, true);

    const InkBox left = FindInk(p, 0, 301, 80, 336);
    ASSERT_FALSE(left.Empty());
    EXPECT_GE(left.left, kPlayerScoreSpot.x);
    EXPECT_LE(left.left, kPlayerScoreSpot.x + 3);
    EXPECT_EQ(left.bottom, kPlayerScoreSpot.y);
    const InkBox right = FindInk(p, 500, 301, 580, 336);
    ASSERT_FALSE(right.Empty());
    EXPECT_LE(right.right, kComputerScoreSpot.x);
    EXPECT_GE(right.right, kComputerScoreSpot.x - 4);
    EXPECT_EQ(right.bottom, kComputerScoreSpot.y);
}

TEST_F(PaintTest, PlacedTilesAndThePreviewShowTheirStripes)
{
    view->playerBoard[9] = 1;
    view->computerBoard[0] = 27;
    view->placementState = tavgame::kPreviewing;
    view->previewCell = 4;
    view->currentTile = 14;
    view->Draw(BRect());
    const Pixels p(view);
    ExpectCell(p, CellCenter(Board::Player, 9), 1, true);
    ExpectCell(p, CellCenter(Board::Computer, 0), 27, true);
    ExpectCell(p, CellCenter(Board::Player, 4), 14, false);
    EXPECT_TRUE(p.Is(kOfferSpot.x - 22, kOfferSpot.y, kBackground)) << "the offer spot stays empty";
    EXPECT_TRUE(p.Is(kOfferSpot.x, kOfferSpot.y, kBackground));
}

TEST_F(PaintTest, NumbersAreWhiteWithAHalo)
{
    view->playerBoard[9] = 18; // 6, 9, 8
    view->Draw(BRect());
    const Pixels p(view);
    const CellPoint c = CellCenter(Board::Player, 9);
    int white = 0, halo = 0;
    // Around the vertical stripe's number, above the centre.
    for (int y = c.y - 30; y <= c.y - 10; y++) {
        for (int x = c.x - 8; x <= c.x + 8; x++) {
            white += p.At(x, y) == ToQColor(kDigitColor);
            halo += p.At(x, y) == kEmptyGround;
            if (p.At(x, y) != ToQColor(kDigitColor))
                continue;
            for (auto [dx, dy] : {std::pair {1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                EXPECT_NE(p.At(x + dx, y + dy), kPlacedGround) << "face touches the ground";
        }
    }
    EXPECT_GE(white, 4);
    EXPECT_GE(halo, 4);
}

// Ink of the result message, between the boards' lowest cells.
InkBox ResultInk(BView* view)
{
    return FindInk(Pixels(view), 190, 300, 390, 336);
}

TEST_F(PaintTest, TheResultMessageReplacesTheTileOnOffer)
{
    for (int cell = 0; cell < kCellCount; cell++) {
        view->playerBoard[cell] = int16(cell + 1);
        view->computerBoard[cell] = int16(19 - cell);
    }
    view->tilesPlaced = 19;
    view->SetFontSize(24);
    const float winWidth = view->StringWidth("You Win");
    const float loseWidth = view->StringWidth("You Lose");

    view->playerScore = view->computerScore = 0;
    view->Draw(BRect());
    InkBox ink = ResultInk(view);
    ASSERT_FALSE(ink.Empty());
    EXPECT_EQ(ink.bottom, kResultSpot.y);
    EXPECT_NEAR((ink.left + ink.right) / 2.0, kResultSpot.x, 2);
    EXPECT_NEAR(ink.right - ink.left + 1, winWidth, 3) << "a tie is shown as a win";

    view->playerScore = 11;
    view->computerScore = 12;
    view->Draw(BRect());
    ink = ResultInk(view);
    EXPECT_NEAR((ink.left + ink.right) / 2.0, kResultSpot.x, 2);
    EXPECT_NEAR(ink.right - ink.left + 1, loseWidth, 3);
}

TEST_F(PaintTest, ANarrowerScoreLeavesNoOldDigits)
{
    view->DrawScore(456, kComputerScoreSpot.x, kComputerScoreSpot.y, true);
    view->DrawScore(7, kComputerScoreSpot.x, kComputerScoreSpot.y, true);
    view->DrawScore(456, kPlayerScoreSpot.x, kPlayerScoreSpot.y, false);
    view->DrawScore(1, kPlayerScoreSpot.x, kPlayerScoreSpot.y, false);
    view->SetFontSize(24);
    const Pixels p(view);
    const InkBox right = FindInk(p, 470, 301, 580, 336);
    EXPECT_GE(right.left, kComputerScoreSpot.x - view->StringWidth("7") - 1);
    const InkBox left = FindInk(p, 0, 301, 100, 336);
    EXPECT_LE(left.right, kPlayerScoreSpot.x + view->StringWidth("1") + 1);
}

// The score's text holds nine characters and its end; a longer number shows
// its first nine, ending at the score's spot.
TEST_F(PaintTest, AScoreTooLongForItsBufferIsCutShort)
{
    const Pixels before(view);
    view->DrawScore(-2147483647 - 1, kComputerScoreSpot.x, kComputerScoreSpot.y, true);
    const Pixels after(view);
    int left = kComputerScoreSpot.x;
    for (int x = 300; x < kComputerScoreSpot.x; x++) {
        for (int y = 301; y < 337 && left == kComputerScoreSpot.x; y++) {
            if (after.At(x, y) != before.At(x, y))
                left = x;
        }
    }
    view->SetFontSize(24);
    EXPECT_NEAR(left, kComputerScoreSpot.x - view->StringWidth("-21474836"), 2);
}

TEST(MainWindow, HoldsTheBoardViewAndItsMenuBar)
{
    auto* window = new tavwindow(kWindowFrame);
    QWidget* top = WidgetOf(window);
    EXPECT_EQ(top->windowTitle(), "Tavrin");
    const QSize content(kViewBounds.right + 1, kViewBounds.bottom + 1);
    EXPECT_EQ(top->minimumSize(), content);
    EXPECT_EQ(top->maximumSize(), content);
    QWidget* board = top->findChild<QWidget*>("myView", Qt::FindDirectChildrenOnly);
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->geometry(), QRect(QPoint(0, 0), content));
    EXPECT_EQ(window->menuBar->Parent(), window->boardView) << "the bar is the board view's child";
    auto* bar = top->findChild<QMenuBar*>("menubar");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->geometry(),
        QRect(0, 0, int(kMenuBarFrame.Width()) + 1, int(kMenuBarFrame.Height()) + 1));
    EXPECT_EQ(window->boardView->tilesPlaced, 0);
    EXPECT_GE(window->boardView->currentTile, 1);

    const QList<QAction*> menus = bar->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), "&File") << "Alt+F opens it";
    EXPECT_TRUE(menus[0]->isEnabled());
    EXPECT_EQ(menus[1]->text(), "&Edit");
    EXPECT_FALSE(menus[1]->isEnabled());
    auto describe = [](QMenu* menu) {
        QStringList items;
        for (QAction* a : menu->actions())
            items << (a->isSeparator() ? "-"
                                       : a->text() + " " + a->shortcut().toString()
                        + (a->isEnabled() ? "" : " (off)"));
        return items.join(" | ").toStdString();
    };
    EXPECT_EQ(describe(menus[0]->menu()), "About ... Ctrl+A | New Game Ctrl+N | - | Exit Ctrl+Q");
    EXPECT_EQ(describe(menus[1]->menu()),
        "Copy Ctrl+C (off) | Cut Ctrl+X (off) | - | Paste Ctrl+V (off)");
    delete window;
}

} // namespace
