#pragma once

// The game's words for what screen readers hear, in the player's language.

#include <SupportDefs.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "geometry.h"

namespace words {

// A translated sentence with each %name% in it replaced by its value; the
// translation may put them in any order.
std::string Fill(
    const char* sentence, std::initializer_list<std::pair<std::string_view, std::string>> values);

// A tile's numbers along its rising, vertical and falling stripes, or "empty".
std::string TileWords(int16 tile);
// Where a cell lies: "column 3, position 4".
std::string Place(int cell);
std::string BoardWords(Board board);
// Both scores: "you 12, computer 30".
std::string Scores(int16 player, int16 computer);

// A line's direction as it opens the reading of a line ("Vertical"), and a
// line of that direction in a sentence ("vertical line").
const char* DirectionWords(int direction);
const char* LineWords(int direction);

} // namespace words
