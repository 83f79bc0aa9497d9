#include "words.h"

#include <Catalog.h>

namespace words {

std::string Fill(
    const char* sentence, std::initializer_list<std::pair<std::string_view, std::string>> values)
{
    std::string text = sentence;
    for (const auto& [name, value] : values) {
        const size_t at = text.find(name);
        if (at != std::string::npos)
            text.replace(at, name.size(), value);
    }
    return text;
}

std::string TileWords(int16 tile)
{
    if (tile == 0)
        return B_TRANSLATE("empty");
    std::string words;
    for (int d = 0; d < 3; d++)
        words += (d ? " " : "") + std::string(kDigitText[kTileNumbers[tile][d]]);
    return words;
}

// A cell's column from the left, and its place in the column from the top,
// as the arrow keys go.
std::string Place(int cell)
{
    // TRANSLATORS: A cell's place, said after its board: its column from the
    // left and its position in that column from the top.
    return Fill(B_TRANSLATE("column %column%, position %position%"),
        {{"%column%", std::to_string(CellColumn(cell) + 1)},
            {"%position%", std::to_string(CellPlace(cell) + 1)}});
}

std::string BoardWords(Board board)
{
    return board == Board::Player ? B_TRANSLATE("your board") : B_TRANSLATE("computer's board");
}

std::string Scores(int16 player, int16 computer)
{
    // TRANSLATORS: Both scores, said after "Scores:" or "Final scores:".
    return Fill(B_TRANSLATE("you %you%, computer %computer%"),
        {{"%you%", std::to_string(player)}, {"%computer%", std::to_string(computer)}});
}

const char* DirectionWords(int direction)
{
    // TRANSLATORS: The three directions of a board's lines, as the stripes of
    // a tile run; each opens the reading of one line, as in "Vertical: 9,
    // here, empty, 9; open for 9, worth 36."
    static const char* const kWords[]
        = {B_TRANSLATE_MARK("Rising"), B_TRANSLATE_MARK("Vertical"), B_TRANSLATE_MARK("Falling")};
    return B_TRANSLATE(kWords[direction]);
}

const char* LineWords(int direction)
{
    // TRANSLATORS: A line of a board by its direction, said in "Your vertical
    // line of 9 is complete, scoring 45."
    static const char* const kWords[] = {B_TRANSLATE_MARK("rising line"),
        B_TRANSLATE_MARK("vertical line"), B_TRANSLATE_MARK("falling line")};
    return B_TRANSLATE(kWords[direction]);
}

} // namespace words
