#pragma once

// Where everything lies on the board view, in view pixels, origin at the top
// left. The window, the painting, the hit test and the tests all go by this;
// geometry.h works out where each cell lies from it.

#include <cstdint>

using std::int32_t;

struct CellPoint {
    int32_t x;
    int32_t y;
};

// A rectangle of view pixels, both ends included.
struct ViewRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

inline constexpr ViewRect kViewBounds = {0, 0, 580, 340};

// A cell is a flat-topped hexagon this many pixels either side of its centre.
inline constexpr int32_t kHexHalfWidth = 34;
inline constexpr int32_t kHexHalfHeight = 30;

// The centre cells of the two boards. A column unit is half the top edge of a
// hexagon across, a row unit half a hexagon's height down.
inline constexpr CellPoint kPlayerBoardCentre = {145, 180};
inline constexpr CellPoint kComputerBoardCentre = {435, 180};
inline constexpr int32_t kColumnUnit = kHexHalfWidth / 2;
inline constexpr int32_t kRowUnit = kHexHalfHeight;

// The tile on offer stands between the boards. Taking it away erases a
// hexagon this much larger, which takes its smoothed edge too but stays clear
// of the neighbouring cells' outlines.
inline constexpr CellPoint kOfferSpot = {290, 300};
inline constexpr int32_t kOfferEraseMargin = 4;

// Scores at the boards' outer lower corners, and the result message between
// the boards, all on one baseline.
inline constexpr CellPoint kPlayerScoreSpot = {9, 330};     // where the text starts
inline constexpr CellPoint kComputerScoreSpot = {571, 330}; // where the text ends
inline constexpr CellPoint kResultSpot = {290, 330};        // centre of the baseline
// The size of their text, and about how wide one of its digits is.
inline constexpr int32_t kTextSize = 24;
inline constexpr int32_t kDigitWidth = 16;
// A score field is erased as wide as this many digits: three where the text
// starts at its spot, six where it ends there.
constexpr int ScoreFieldDigits(bool alignRight)
{
    return alignRight ? 6 : 3;
}

// The keyboard's cursor marks the six corners of a hexagon this far from the
// cell's centre, well inside its outline and clear of its numbers.
inline constexpr int32_t kCursorHalfWidth = 29;
inline constexpr int32_t kCursorHalfHeight = 25;
inline constexpr float kCursorArm = 5;
inline constexpr float kCursorPen = 3;
