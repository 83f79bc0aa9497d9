#pragma once

#include <View.h>

#include "layout.h"
#include "tavgame.h"

enum class Board { Player, Computer };

// The board view: both boards, the tile on offer and the scores, painted from
// the game record it carries, and the mouse play on the player's board.
class tavview : public BView, public tavgame {
public:
    tavview(BRect frame, const char* name);
    ~tavview() override;

    void Draw(BRect updateRect) override;
    void MouseDown(BPoint where) override;

    virtual void DrawNumber(int number, BPoint anchor);
    virtual void DrawTile(int32 x, int32 y, int16 tile, bool placed);
    virtual void DrawScore(int32 value, int32 x, int32 y, bool alignRight);

    void ShowAbout();

    // Pixel centre of a cell; painting and hit testing both go by it.
    static CellPoint CellCenter(Board board, int cell);
    // The corners of a hexagon like a cell's, left corner first, then clockwise.
    static void HexagonCorners(
        int32 x, int32 y, int32 halfWidth, int32 halfHeight, BPoint* corners);

private:
    void DrawCell(Board board, int cell, int16 tile, bool placed);
    void DrawResult();
    void EraseOffer();
    void ClickCell(int16 cell);
    void StartPreview(int16 cell);
    void MovePreview(int16 cell);
    void ConfirmPreview();
};
