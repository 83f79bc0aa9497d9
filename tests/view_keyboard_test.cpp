// Keyboard play on the board view, with real key events: the cursor's walk
// over the cells, keys that act as clicks, and what screen readers read.

#include <QAccessible>
#include <QApplication>

#include "board_fixture.h"

namespace {

class KeyboardTest : public BoardTest {
protected:
    void Press(Qt::Key key) { PressKey(view, key); }
};

TEST_F(KeyboardTest, ArrowsWalkTheColumnsAndStopAtTheEdges)
{
    EXPECT_FALSE(view->cursorShown);
    const struct {
        Qt::Key key;
        int cell;
    } walk[] = {
        {Qt::Key_Up, 8},
        {Qt::Key_Up, 7},
        {Qt::Key_Up, 7}, // the top of the middle column
        {Qt::Key_Right, 12},
        {Qt::Key_Right, 16},
        {Qt::Key_Right, 16},
        {Qt::Key_Down, 17},
        {Qt::Key_Down, 18},
        {Qt::Key_Down, 18},
        // Left keeps to the row Down left off at; of two cells as near, the upper.
        {Qt::Key_Left, 14},
        {Qt::Key_Left, 10},
        {Qt::Key_Left, 5},
        {Qt::Key_Left, 2},
        {Qt::Key_Left, 2},
        {Qt::Key_Up, 1},
        {Qt::Key_Right, 4},
        {Qt::Key_Right, 9},
    };
    int step = 0;
    for (const auto& move : walk) {
        const int from = view->cursorCell;
        const Places changed = Changes([&] { Press(move.key); });
        ASSERT_EQ(view->cursorCell, move.cell) << "step " << step;
        EXPECT_TRUE(view->cursorShown);
        // A move takes the cursor from one cell to another, the first move
        // shows it; a step against an edge changes nothing once it shows.
        Places expected;
        if (from != move.cell)
            expected.insert("your " + std::to_string(move.cell));
        if (from != move.cell && step > 0)
            expected.insert("your " + std::to_string(from));
        EXPECT_EQ(changed, expected) << "step " << step;
        step++;
    }
    EXPECT_EQ(Changes([&] { ClickCell(Board::Computer, 0); }), Places {"your 9"});
    EXPECT_FALSE(view->cursorShown) << "a click takes the cursor away";
}

TEST_F(KeyboardTest, ReturnAndSpaceDoWhatClicksOnTheCursorsCellDo)
{
    Press(Qt::Key_Down); // the cursor shows, on cell 10
    EXPECT_EQ(Changes([&] { Press(Qt::Key_Return); }), (Places {"middle", "your 10"}))
        << "a preview on 10";
    EXPECT_EQ(Changes([&] { Press(Qt::Key_Up); }), (Places {"your 9", "your 10"}))
        << "the cursor goes to 9";
    EXPECT_EQ(Changes([&] { Press(Qt::Key_Space); }), (Places {"your 9", "your 10"}))
        << "the preview follows";
    Changes([&] { Press(Qt::Key_Space); }); // and is placed
    const tavgame keyed = *view;

    // The same turn played with clicks, from the same deal.
    fakerand::Reset(3);
    auto* other = new BWindow(kWindowFrame, "clicks", B_TITLED_WINDOW, B_NOT_RESIZABLE);
    std::swap(window, other);
    view = new tavview(ToBRect(kViewBounds), "myView");
    window->AddChild(view);
    for (int cell : {10, 9, 9})
        ClickCell(Board::Player, cell);
    delete other;
    for (int c = 0; c < kCellCount; c++) {
        EXPECT_EQ(keyed.playerBoard[c], view->playerBoard[c]);
        EXPECT_EQ(keyed.computerBoard[c], view->computerBoard[c]);
    }
    EXPECT_EQ(keyed.currentTile, view->currentTile);

    // On a taken cell, Return does nothing but show the cursor.
    EXPECT_EQ(Changes([&] { Press(Qt::Key_Return); }), Places {"your 9"});
    EXPECT_EQ(view->cursorCell, 9);
    EXPECT_FALSE(view->IsPreviewing());
}

std::string Words(int tile)
{
    return std::to_string(kTileNumbers[tile][0]) + " " + std::to_string(kTileNumbers[tile][1]) + " "
        + std::to_string(kTileNumbers[tile][2]);
}

// What readers read of the board, and what they are told as the keys play:
// a preview, a placement, an edge, the computer's board and a new game.
TEST_F(KeyboardTest, ScreenReadersReadWhatTheBoardShowsAndHearWhatHappens)
{
    window->Show();
    WidgetOf(window)->activateWindow();
    view->MakeFocus(true);
    ProcessEvents();
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(WidgetOf(view));
    ASSERT_NE(board, nullptr);
    // The cells come first, as a table of a cell a row, which braille
    // displays show a focused cell by.
    QAccessibleInterface* cells = board->child(0);
    ASSERT_EQ(cells->role(), QAccessible::Table);
    ASSERT_EQ(cells->tableInterface()->rowCount(), 2 * kCellCount);
    auto cell = [&](int i) { return cells->child(i); };
    auto read = [&](int i) { return cell(i)->text(QAccessible::Name).toStdString(); };
    auto name = [&](int i) { return board->child(i)->text(QAccessible::Name).toStdString(); };
    auto about
        = [&](int i) { return board->child(i)->text(QAccessible::Description).toStdString(); };
    // Readers find the items other than cells by what they are about.
    auto item = [&](const char* description) {
        for (int i = 0; i < board->childCount(); i++) {
            if (about(i) == description)
                return i;
        }
        ADD_FAILURE() << "no item for " << description;
        return 0;
    };
    const int offer = item("tile to place"), lastTurn = item("last turn");
    QAccessibleInterface* status = board->child(board->childCount() - 1);
    ASSERT_EQ(status->role(), QAccessible::StatusBar) << "the announcements come last";
    QAccessibleInterface* news = status->child(0);
    ASSERT_NE(news, nullptr);
    EXPECT_EQ(news->role(), QAccessible::Notification);
    ASSERT_NE(news->child(0), nullptr) << "the notification holds its words";
    auto told = [&] { return news->child(0)->text(QAccessible::Name).toStdString(); };

    for (int i = 0; i < 2 * kCellCount; i++)
        EXPECT_EQ(read(i).rfind("empty, ", 0), 0u) << i;
    EXPECT_EQ(read(9), "empty, your board, column 3, position 3");
    EXPECT_EQ(read(kCellCount + 15), "empty, computer's board, column 4, position 4");
    EXPECT_EQ(cell(9)->role(), QAccessible::Cell);
    EXPECT_EQ(cell(9)->parent(), cells);
    const int tile = view->currentTile, computerCell = view->computerCell;
    EXPECT_EQ(name(offer), Words(tile));
    EXPECT_EQ(board->child(offer)->role(), QAccessible::Graphic);
    EXPECT_EQ(name(item("your score")), "0");
    EXPECT_EQ(name(item("computer's score")), "0");
    EXPECT_EQ(name(item("result")), "") << "no result yet";
    EXPECT_EQ(told(),
        "New game. Tile to place: " + Words(tile)
            + ". your board, column 3, position 3: empty. Press L for lines, S for state.")
        << "as the window opened";

    // The cursor's cell is in focus.
    Press(Qt::Key_Down);
    EXPECT_EQ(board->focusChild(), cell(10));
    EXPECT_TRUE(cell(10)->state().focused);
    const QPoint center = cell(10)->rect().center();
    EXPECT_EQ(center,
        WidgetOf(view)->mapToGlobal(
            QPoint(CellCenter(Board::Player, 10).x, CellCenter(Board::Player, 10).y)));
    // Pointing finds a cell within the table, and what lies between cells.
    EXPECT_EQ(board->childAt(center.x(), center.y()), cells);
    EXPECT_EQ(cells->childAt(center.x(), center.y()), cell(10));
    const QPoint offered = board->child(offer)->rect().center();
    EXPECT_EQ(board->childAt(offered.x(), offered.y()), board->child(offer));

    Press(Qt::Key_Return);
    EXPECT_EQ(read(10), Words(tile) + ", preview, your board, column 3, position 4");
    EXPECT_EQ(told(), "Preview of " + Words(tile) + " in column 3, position 4.");

    Press(Qt::Key_Return);
    EXPECT_EQ(read(10), Words(tile) + ", your board, column 3, position 4");
    const std::string itsCell = read(kCellCount + computerCell);
    EXPECT_EQ(itsCell.rfind(Words(tile) + ", computer's board, ", 0), 0u) << itsCell;
    EXPECT_EQ(name(offer), Words(view->currentTile));
    const std::string turn = "You placed " + Words(tile)
        + " in column 3, position 4; the computer put it in "
        + itsCell.substr((Words(tile) + ", computer's board, ").size())
        + ". Scores: you 0, computer 0. Tile to place: " + Words(view->currentTile) + ".";
    EXPECT_EQ(told(), turn);
    EXPECT_EQ(name(lastTurn), turn) << "the last turn stays to be read again";

    // L reads the three lines through the cursor's cell, end to end, and S
    // the state; neither touches the board.
    const QImage shown = Pixels(view).Image();
    Press(Qt::Key_L);
    auto number = [&](int d) { return std::to_string(kTileNumbers[tile][d]); };
    auto worth = [&](int d) { return std::to_string(4 * kTileNumbers[tile][d]); };
    EXPECT_EQ(told(),
        "Rising: empty, here, empty, empty; open for " + number(0) + ", worth " + worth(0)
            + ". Vertical: empty, empty, empty, here, empty; open for " + number(1) + ", worth "
            + std::to_string(5 * kTileNumbers[tile][1]) + ". Falling: empty, empty, here, empty; "
            + "open for " + number(2) + ", worth " + worth(2) + ".");
    Press(Qt::Key_S);
    EXPECT_EQ(told(),
        "Turn 2 of 19. Tile to place: " + Words(view->currentTile)
            + ". Scores: you 0, computer 0.");
    EXPECT_EQ(Pixels(view).Image(), shown);

    Press(Qt::Key_Return);
    EXPECT_EQ(told(), "This cell is taken.");
    for (int up = 0; up < 5; up++)
        Press(Qt::Key_Up);
    EXPECT_EQ(view->cursorCell, 7);
    EXPECT_EQ(told(), "No cell above.");

    // Tab takes the cursor to the same place on the computer's board, where
    // the keys walk as on the player's and place nothing.
    Press(Qt::Key_Tab);
    EXPECT_EQ(board->focusChild(), cell(kCellCount + 7));
    Press(Qt::Key_Right);
    EXPECT_EQ(board->focusChild(), cell(kCellCount + 12));
    Press(Qt::Key_Space);
    EXPECT_EQ(told(), "This is the computer's board; your tiles go on your own board.");
    EXPECT_FALSE(view->IsPreviewing());
    Press(Qt::Key_Backtab);
    EXPECT_EQ(board->focusChild(), cell(12));

    view->NewGame();
    view->Draw(BRect());
    view->TellNewGame();
    EXPECT_EQ(read(10), "empty, your board, column 3, position 4");
    EXPECT_EQ(name(lastTurn), "") << "no last turn in a new game";
    EXPECT_EQ(told(),
        "New game. Tile to place: " + Words(view->currentTile)
            + ". your board, column 4, position 1: empty.");

    // A placement tells of the lines it completes, on either board: here the
    // first column of 9s on the player's board, and perhaps the last column
    // on the computer's, where the same two tiles lie.
    for (int cell : {0, 1})
        view->playerBoard[cell] = view->computerBoard[16 + cell] = int16(7 + cell); // 2 9 3, 2 9 4
    view->tilesPlaced = 2;
    view->currentTile = 9; // 2 9 8
    view->ChooseComputerCell();
    view->cursorCell = 2;
    Press(Qt::Key_Return);
    Press(Qt::Key_Return);
    const std::string placed = told();
    EXPECT_LT(
        placed.find("Your vertical line of 9 is complete, scoring 27."), placed.find("Scores:"))
        << placed;
    EXPECT_EQ(placed.find("The computer's vertical line of 9 is complete, scoring 27.")
            != std::string::npos,
        view->computerBoard[18] == 9)
        << placed;
}

} // namespace
