#pragma once

// Where everything lies on the board view, in view pixels, origin at the top
// left. The window, the painting, the hit test and the tests all go by this;
// geometry.h works out where each cell lies from it.

#include <Rect.h>
#include <SupportDefs.h>

struct CellPoint {
    int32 x;
    int32 y;
};

inline constexpr BRect kViewBounds(0, 0, 580, 340);

// A cell is a flat-topped hexagon this many pixels either side of its centre.
inline constexpr int32 kHexHalfWidth = 34;
inline constexpr int32 kHexHalfHeight = 30;

// The centre cells of the two boards. A column unit is half the top edge of a
// hexagon across, a row unit half a hexagon's height down.
inline constexpr CellPoint kPlayerBoardCentre = {145, 180};
inline constexpr CellPoint kComputerBoardCentre = {435, 180};
inline constexpr int32 kColumnUnit = kHexHalfWidth / 2;
inline constexpr int32 kRowUnit = kHexHalfHeight;

// The tile on offer stands between the boards. Taking it away erases a
// hexagon this much larger, which takes its smoothed edge too but stays clear
// of the neighbouring cells' outlines.
inline constexpr CellPoint kOfferSpot = {290, 300};
inline constexpr int32 kOfferEraseMargin = 4;

// Scores at the boards' outer lower corners, and the result message between
// the boards, all on one baseline.
inline constexpr CellPoint kPlayerScoreSpot = {9, 330};     // where the text starts
inline constexpr CellPoint kComputerScoreSpot = {571, 330}; // where the text ends
inline constexpr CellPoint kResultSpot = {290, 330};        // centre of the baseline
// The size of their text, and about how wide one of its digits is.
inline constexpr int32 kTextSize = 24;
inline constexpr int32 kDigitWidth = 16;

// The keyboard's cursor marks the six corners of a hexagon this far from the
// cell's centre, well inside its outline and clear of its numbers.
inline constexpr int32 kCursorHalfWidth = 29;
inline constexpr int32 kCursorHalfHeight = 25;
inline constexpr float kCursorArm = 5;
inline constexpr float kCursorPen = 3;
