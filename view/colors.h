#pragma once

#include <GraphicsDefs.h>

// Every colour the board view paints with. Channels are stored as 16-bit
// values of which only the low byte counts.
struct ColorEntry {
    uint16 red;
    uint16 green;
    uint16 blue;
};

inline constexpr ColorEntry kColorTable[15] = {
    {200, 200, 200}, // background, and the erased score fields and offer spot
    {100, 100, 100}, // ground of an empty cell or a preview; halo of the numbers
    {0, 0, 0},       // ground of a placed tile or the tile on offer
    {150, 150, 150}, // outline of every hexagon (number 0)
    {204, 204, 204}, // stripe of a 1
    {255, 127, 179}, // stripe of a 2
    {255, 77, 255},  // stripe of a 3
    {0, 191, 255},   // stripe of a 4
    {51, 204, 191},  // stripe of a 5
    {255, 0, 0},     // stripe of a 6
    {173, 255, 45},  // stripe of a 7
    {255, 127, 0},   // stripe of an 8
    {255, 255, 0},   // stripe of a 9
    {255, 255, 255}, // face of the numbers on a tile
    {0, 0, 0},       // scores and the result message
};

inline constexpr const ColorEntry& kBackgroundColor = kColorTable[0];
inline constexpr const ColorEntry& kEmptyCellColor = kColorTable[1];
inline constexpr const ColorEntry& kPlacedTileColor = kColorTable[2];
inline constexpr const ColorEntry* kNumberColor = &kColorTable[3]; // indexed by number 0..9
inline constexpr const ColorEntry& kDigitColor = kColorTable[13];
inline constexpr const ColorEntry& kTextColor = kColorTable[14];

// What shows of the view before it first draws: the grey of an empty cell.
inline constexpr const ColorEntry& kViewColor = kEmptyCellColor;

// The keyboard's cursor, plain on every ground a cell can have.
inline constexpr ColorEntry kCursorColor = {255, 255, 255};

constexpr rgb_color ToRgb(const ColorEntry& entry)
{
    return rgb_color {uint8(entry.red), uint8(entry.green), uint8(entry.blue), 255};
}
