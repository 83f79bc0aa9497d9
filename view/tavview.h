#pragma once

#include <View.h>

#include <initializer_list>
#include <string>

#include "geometry.h"
#include "tavgame.h"

// Screen readers read the player's cells, then the computer's, then the rest
// of the view (tavview::ReaderItem); this is a cell's number among them.
constexpr int32 ReaderItemOf(Board board, int cell)
{
    return cell + (board == Board::Computer ? kCellCount : 0);
}

// A rectangle of view pixels as the kit takes it.
constexpr BRect ToBRect(const ViewRect& r)
{
    return BRect(float(r.left), float(r.top), float(r.right), float(r.bottom));
}

// The board view: both boards, the tile on offer and the scores, painted from
// the game record it carries, and play on the player's board with the mouse
// or with the keys, which move a cursor over its cells. Screen readers read
// every cell, the tile on offer, the scores and what the computer did.
class tavview : public BView, public tavgame {
public:
    tavview(BRect frame, const char* name);
    ~tavview() override;

    void Draw(BRect updateRect) override;
    void MouseDown(BPoint where) override;
    void KeyDown(const char* bytes, int32 numBytes) override;
    void WindowActivated(bool active) override;

    std::string AccessibleName() const override;
    int32 CountAccessibleItems() const override;
    accessible_item AccessibleItemAt(int32 index) const override;
    int32 FocusedAccessibleItem() const override;

    virtual void DrawNumber(int number, BPoint anchor);
    virtual void DrawTile(int32 x, int32 y, int16 tile, bool placed);
    virtual void DrawScore(int32 value, int32 x, int32 y, bool alignRight);

    void ShowAbout();
    // Tells screen readers that a new game has begun, after it is drawn.
    void TellNewGame();

    // The corners of a hexagon like a cell's, left corner first, then clockwise.
    static void HexagonCorners(
        int32 x, int32 y, int32 halfWidth, int32 halfHeight, BPoint* corners);

    // The cell that keys act on, the board it is on, and whether it shows.
    int16 cursorCell = 9;
    Board cursorBoard = Board::Player;
    bool cursorShown = false;

private:
    void DrawCell(Board board, int cell, int16 tile, bool placed);
    void RedrawCell(Board board, int16 cell);
    void DrawCursor(int32 x, int32 y);
    void MoveCursor(char key);
    void SwitchBoard();
    void UseCursor();
    void HideCursor();
    void DrawResult();
    void EraseOffer();
    void ClickCell(int16 cell);
    void StartPreview(int16 cell);
    void MovePreview(int16 cell);
    void ConfirmPreview();
    // What screen readers read after the cells.
    enum ReaderItem : int32 {
        kOfferItem = ReaderItemOf(Board::Computer, kCellCount),
        kPlayerScoreItem,
        kComputerScoreItem,
        kResultItem,
        kNewsItem,
        kReaderItemCount
    };
    // The result in the player's language, as shown and heard, and with both
    // final scores, as readers hear it.
    const char* ResultWords() const;
    std::string FinalWords() const;
    void TellReaders(std::initializer_list<int32> items);
    void TellPreview(int16 vacated);
    void TellTurn(int16 playerCell, int16 computerCell);
    void TellEdge(Step step);
    void TellWhyNothing();
    void TellLines();
    void TellState();
    std::string LineCells(int line) const;
    static std::string Completions(const int16* board, int16 cell, const char* sentence);
    accessible_item CellReading(Board board, int cell) const;
    std::string CellContents(Board board, int cell) const;
    static std::string CellWhere(Board board, int cell);

    // The row that Left and Right keep to, as Up and Down last left it.
    int16 fCursorRow = 0;
    // What the last turn did, for screen readers.
    std::string fNews;
    // Readers hear that a game begins when the window first opens.
    bool fGameTold = false;
};
