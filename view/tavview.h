#pragma once

#include <View.h>

#include "tavgame.h"

enum class Board { Player, Computer };

struct CellPoint {
    int32 x;
    int32 y;
};

// Screen places shared by the full repaint and the repaints after a click.
inline constexpr CellPoint kOfferSpot = {290, 300};
inline constexpr BRect kOfferSpotBounds(256, 270, 324, 330);
inline constexpr CellPoint kPlayerScoreSpot = {9, 330};     // where the text starts
inline constexpr CellPoint kComputerScoreSpot = {571, 330}; // where the text ends
inline constexpr CellPoint kResultSpot = {290, 330};        // centre of the baseline

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

private:
    void DrawCell(Board board, int cell, int16 tile, bool placed);
    void DrawResult();
    void ClickCell(int16 cell);
    void StartPreview(int16 cell);
    void MovePreview(int16 cell);
    void ConfirmPreview();
};
