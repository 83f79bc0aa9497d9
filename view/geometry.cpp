#include "geometry.h"

#include <cstdlib>

namespace {

// The square of the hit radius, about 24 pixels: well inside a hexagon.
constexpr double kHitRadiusSquared = 578;

// The cell of a column nearest to the row; of two as near, the upper one.
int NearestInColumn(int column, int row)
{
    int nearest = -1;
    for (int cell = 0; cell < kCellCount; cell++) {
        if (CellColumn(cell) != column)
            continue;
        if (nearest < 0
            || std::abs(kCellGrid[cell][1] - row) < std::abs(kCellGrid[nearest][1] - row))
            nearest = cell;
    }
    return nearest;
}

ViewRect Around(CellPoint centre, int32_t halfWidth, int32_t halfHeight)
{
    return {
        centre.x - halfWidth, centre.y - halfHeight, centre.x + halfWidth, centre.y + halfHeight};
}

// Text on the bottom baseline: a line's height above it, a little below.
ViewRect TextFrame(int32_t left, int32_t right)
{
    return {left, kResultSpot.y - kTextSize, right, kResultSpot.y + kTextSize / 4};
}

} // namespace

int CellUnder(Board board, float x, float y)
{
    for (int cell = 0; cell < kCellCount; cell++) {
        const CellPoint centre = CellCenter(board, cell);
        const double dx = centre.x - double(x), dy = centre.y - double(y);
        if (kHitRadiusSquared > dx * dx + dy * dy)
            return cell;
    }
    return -1;
}

int CursorStep(int cell, Step step, int keptRow)
{
    const int column = CellColumn(cell), row = kCellGrid[cell][1];
    switch (step) {
    case Step::Up:
        return CellAt(column, row - 2);
    case Step::Down:
        return CellAt(column, row + 2);
    case Step::Left:
        return column > 0 ? NearestInColumn(column - 1, keptRow) : -1;
    case Step::Right:
        return column < kColumnCount - 1 ? NearestInColumn(column + 1, keptRow) : -1;
    }
    return -1;
}

ViewRect CellFrame(Board board, int cell)
{
    return Around(CellCenter(board, cell), kHexHalfWidth, kHexHalfHeight);
}

ViewRect OfferFrame()
{
    return Around(kOfferSpot, kHexHalfWidth, kHexHalfHeight);
}

// A score field is as wide as the painting erases it.
ViewRect ScoreFrame(Board board)
{
    if (board == Board::Player)
        return TextFrame(
            kPlayerScoreSpot.x, kPlayerScoreSpot.x + ScoreFieldDigits(false) * kDigitWidth);
    return TextFrame(
        kComputerScoreSpot.x - ScoreFieldDigits(true) * kDigitWidth, kComputerScoreSpot.x);
}

ViewRect ResultFrame()
{
    return TextFrame(ScoreFrame(Board::Player).right + 1, ScoreFrame(Board::Computer).left - 1);
}
