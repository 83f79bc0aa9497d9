// The full repaint of the board view and the score fields.

#include <cstdio>
#include <string>

#include "colors.h"
#include "tavview.h"

// The update rectangle is ignored: every call repaints the whole view, which
// the New Game command relies on when it calls this with an empty rectangle.
void tavview::Draw(BRect)
{
    SetHighColor(ToRgb(kBackgroundColor));
    FillRect(ToBRect(kViewBounds), B_SOLID_HIGH);
    for (int cell = 0; cell < kCellCount; cell++)
        DrawCell(Board::Player, cell, playerBoard[cell], playerBoard[cell] != 0);
    if (IsPreviewing())
        DrawCell(Board::Player, previewCell, currentTile, false);
    for (int cell = 0; cell < kCellCount; cell++)
        DrawCell(Board::Computer, cell, computerBoard[cell], computerBoard[cell] != 0);

    if (IsGameOver())
        DrawResult();
    else if (!IsPreviewing())
        DrawTile(kOfferSpot.x, kOfferSpot.y, currentTile, true);

    // NewGame leaves the last game's scores in the record; this brings them
    // back in line with the boards.
    ComputeScores();
    DrawScore(playerScore, kPlayerScoreSpot.x, kPlayerScoreSpot.y, false);
    DrawScore(computerScore, kComputerScoreSpot.x, kComputerScoreSpot.y, true);
}

void tavview::DrawResult()
{
    SetFontSize(kTextSize);
    SetHighColor(ToRgb(kTextColor));
    const char* text = ResultWords();
    MovePenTo(BPoint(kResultSpot.x - StringWidth(text) / 2, float(kResultSpot.y)));
    DrawString(text, nullptr);
}

// The field is erased first, as wide as the widest score that can occur, so a
// score can be repainted on its own. Smoothed digits reach below the
// baseline, so the field reaches down by the font's descent.
void tavview::DrawScore(int32 value, int32 x, int32 y, bool alignRight)
{
    char text[10];
    std::snprintf(text, sizeof text, "%d", int(value));
    SetFontSize(kTextSize);
    font_height height;
    GetFontHeight(&height);
    const float top = y - height.ascent;
    const float bottom = y + height.descent;

    SetHighColor(ToRgb(kBackgroundColor));
    const float widest
        = StringWidth(std::string(size_t(ScoreFieldDigits(alignRight)), '5').c_str());
    if (alignRight)
        FillRect(BRect(x - widest, top, x, bottom), B_SOLID_HIGH);
    else
        FillRect(BRect(x, top, x + widest, bottom), B_SOLID_HIGH);

    SetHighColor(ToRgb(kTextColor));
    MovePenTo(alignRight ? BPoint(x - StringWidth(text), y) : BPoint(x, y));
    DrawString(text, nullptr);
}
