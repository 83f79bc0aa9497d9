// A whole game played by ear, with Orca, the screen reader, and the keys
// alone: where the cursor is, which cells are free, the tile to place, the
// computer's moves, the scores and the result all come from what Orca says,
// never from the screen or the accessibility tree.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <map>
#include <set>
#include <sstream>

#include "e2e_fixture.h"
#include "reader_session.h"

namespace {

double Now()
{
    return std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// Orca names the keys the test presses as it goes; the game says none of
// these words alone.
const std::set<std::string> kEchoes
    = {"left shift", "left control", "return", "tab", "space", "n", "q", "l", "s"};

// What L should say of the lines through a free cell, worked out from the
// tiles heard placed ("7 9 3" on cell 4, say): each line's numbers from one
// end to the other, and whether it is open, open for a number, or broken.
std::string LinesThrough(int here, const std::map<int, std::string>& tiles)
{
    static const char* const kNames[] = {"Rising", "Vertical", "Falling"};
    std::string sentence;
    for (int line = 0; line < kLineCount; line++) {
        const int d = kLineDirection[line];
        const uint16_t* cells = kLineCells[line];
        if (std::find(cells, cells + kLineLength[line], here) == cells + kLineLength[line])
            continue;
        std::string words;
        std::set<char> numbers;
        for (int k = 0; k < kLineLength[line]; k++) {
            const auto tile = tiles.find(cells[k]);
            if (tile != tiles.end())
                numbers.insert(tile->second[2 * d]);
            words += std::string(k ? ", " : "")
                + (cells[k] == here           ? "here"
                        : tile == tiles.end() ? "empty"
                                              : tile->second.substr(2 * d, 1));
        }
        const std::string outlook = numbers.empty() ? "open"
            : numbers.size() > 1                    ? "broken"
                                 : "open for " + std::string(1, *numbers.begin()) + ", worth "
                + std::to_string((*numbers.begin() - '0') * kLineLength[line]);
        sentence += std::string(sentence.empty() ? "" : " ") + kNames[d] + ": " + words + "; "
            + outlook + ".";
    }
    return sentence;
}

// The points of every line a sentence says was completed, by the words
// that begin such a sentence.
int CompletedPoints(const std::string& sentence, const std::string& whose)
{
    int points = 0;
    for (size_t at = sentence.find(whose); at != std::string::npos;
         at = sentence.find(whose, at + 1)) {
        const size_t scoring = sentence.find("scoring ", at);
        points += scoring == std::string::npos ? 0 : std::atoi(sentence.c_str() + scoring + 8);
    }
    return points;
}

// Orca 43 and 48 end a cell's reading with a full stop, as they end every
// utterance; Orca 51 leaves it out. The words are the same.
std::string AsSentence(const std::string& utterance)
{
    return utterance.ends_with('.') ? utterance : utterance + '.';
}

// Whether an utterance is a cell's reading: what it holds, then its board
// and place.
bool IsCell(const std::string& said)
{
    return said.find(", your board, column ") != std::string::npos
        || said.find(", computer's board, column ") != std::string::npos;
}

class ByEar : public EndToEnd {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(orca.Running()) << "Orca did not start: " << orca.Stderr();
        started = orca.Heard().size();
        StartGame(orca.GameEnvironment());
    }

    void TearDown() override
    {
        orca.KeepLogs(ARTIFACTS_DIR); // to read through, passed or failed
        EndToEnd::TearDown();
        Report("From a key to Orca's answer", latencies);
        Report("From a key to the braille line", brailleLatencies);
    }

    static void Report(const char* what, std::vector<double> times)
    {
        if (times.empty())
            return;
        std::sort(times.begin(), times.end());
        std::cout << what << ", over " << times.size() << " keys: median "
                  << int(times[times.size() / 2] * 1000) << " ms, worst "
                  << int(times.back() * 1000) << " ms\n";
    }

    // What Orca says in answer to keys (none at the start), less its echo of
    // keys: its speech from the moment they go until it echoes Shift, which
    // is pressed once it has said the words the test waits for.
    std::vector<std::string> Answer(
        const std::string& keys, const std::string& awaited, std::optional<size_t> since = {})
    {
        const size_t from = since.value_or(orca.Heard().size());
        const double pressed = Now();
        if (!keys.empty())
            Key(keys);
        // Where Orca first said something from a point on; the end of what it
        // has said where it has not.
        std::vector<atspi::Orca::Utterance> heard;
        const auto said = [&](size_t start, const auto& wanted) {
            heard = orca.Heard();
            for (size_t i = start; i < heard.size(); i++) {
                if (wanted(heard[i].text))
                    return i;
            }
            return heard.size();
        };
        const auto game = [&](const std::string& text) {
            return !kEchoes.count(text) && text.find(awaited) != std::string::npos;
        };
        const auto shift = [](const std::string& text) { return text == "left shift"; };
        EXPECT_TRUE(WaitFor([&] { return said(from, game) < heard.size(); }))
            << "after " << keys << ", Orca never said \"" << awaited << "\"";
        const size_t marked = orca.Heard().size();
        Key("shift");
        EXPECT_TRUE(WaitFor([&] { return said(marked, shift) < heard.size(); }))
            << "no echo of Shift";
        const size_t end = said(marked, shift);
        std::vector<std::string> answer;
        for (size_t i = from; i < end; i++) {
            if (kEchoes.count(heard[i].text))
                continue;
            if (answer.empty() && !keys.empty())
                latencies.push_back(heard[i].time - pressed);
            answer.push_back(AsSentence(heard[i].text));
            // The braille display shows it as said, less its full stop.
            braille.push_back(
                {keys.empty() ? 0 : pressed, answer.back().substr(0, answer.back().size() - 1)});
        }
        return answer;
    }

    // Whether every sentence heard and every cell the cursor came to stood
    // on the braille line, as Orca's debug log records the lines it sends to
    // the display; and how long each took after its key.
    void ExpectShownInBraille()
    {
        const std::string log = orca.DebugLog();
        std::vector<std::pair<double, std::string>> lines;
        std::istringstream records(log);
        for (std::string record; std::getline(records, record);) {
            const size_t at = record.find(" - BRAILLE LINE:  '");
            int hours = 0, minutes = 0;
            double seconds = 0;
            if (at != std::string::npos
                && sscanf(record.c_str(), "%d:%d:%lf", &hours, &minutes, &seconds) == 3)
                lines.push_back({hours * 3600 + minutes * 60 + seconds,
                    record.substr(at + 19, record.size() - at - 20)});
        }
        int cells = 0, sentences = 0;
        for (const Shown& wanted : braille) {
            const auto line = std::find_if(lines.begin(), lines.end(), [&](const auto& line) {
                return line.first >= ClockTime(wanted.pressed) - 0.001
                    && line.second.find(wanted.text) != std::string::npos;
            });
            EXPECT_TRUE(line != lines.end()) << "not on the braille line: " << wanted.text;
            if (line == lines.end())
                continue;
            (IsCell(wanted.text) ? cells : sentences)++;
            if (wanted.pressed > 0)
                brailleLatencies.push_back(line->first - ClockTime(wanted.pressed));
        }
        std::cout << "On the braille line: " << sentences << " sentences and " << cells
                  << " cells, of " << braille.size() << " things heard\n";
    }

    // Seconds since the epoch as seconds since midnight, as Orca's log has
    // its times; 0 stays 0, for what came before any key.
    static double ClockTime(double epoch)
    {
        if (epoch == 0)
            return 0;
        const time_t whole = time_t(epoch);
        tm local {};
        localtime_r(&whole, &local);
        return local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec + (epoch - double(whole));
    }

    // Moves the cursor one step and returns what Orca reads of the cell it
    // lands on: its contents and its place.
    std::string Step(const std::string& key)
    {
        const std::vector<std::string> answer = Answer(key, "board, column");
        EXPECT_EQ(answer.size(), 1u) << key;
        if (answer.size() != 1)
            return "";
        cursor = PlaceIn(answer[0]);
        return answer[0];
    }

    void GoTo(SpokenPlace target)
    {
        for (int steps = 0; steps < 12 && cursor != target; steps++)
            Step(KeyToward(cursor, target));
        ASSERT_EQ(Words(cursor), Words(target));
    }

    // The first place no tile of the player's has been heard placed on.
    SpokenPlace FreePlace() const
    {
        for (int cell = 0; cell < kCellCount; cell++) {
            const SpokenPlace place {CellColumn(cell) + 1, CellPlace(cell) + 1};
            if (!taken.count(place))
                return place;
        }
        return {};
    }

    static std::string TileIn(const std::string& sentence)
    {
        const size_t at = sentence.find("Tile to place: ");
        return at == std::string::npos ? "" : sentence.substr(at + 15, 5);
    }

    atspi::Orca orca {Server().ClientEnvironment()};
    size_t started = 0; // what Orca had said before the game started
    SpokenPlace cursor;
    std::set<SpokenPlace> taken;
    std::vector<double> latencies, brailleLatencies;
    struct Shown {
        double pressed; // 0 for what came without a key
        std::string text;
    };
    std::vector<Shown> braille;
};

// Each answer is one group of utterances, each said once.
void ExpectSaidOnce(const std::vector<std::string>& answer)
{
    for (size_t i = 0; i < answer.size(); i++)
        EXPECT_EQ(std::count(answer.begin(), answer.end(), answer[i]), 1) << answer[i];
}

TEST_F(ByEar, AWholeGameWonOrLostWithOrcaAndTheKeysAlone)
{
    // The window opens: a game begins, with its tile and the cursor's cell,
    // in one sentence, and nothing else tells of the cell.
    std::vector<std::string> answer = Answer("", "your board, column 3, position 3", started);
    ExpectSaidOnce(answer);
    std::string tile;
    for (const std::string& said : answer)
        tile = TileIn(said).empty() ? tile : TileIn(said);
    ASSERT_NE(tile, "") << "no tile to place was heard";
    EXPECT_NE(
        std::find(answer.begin(), answer.end(),
            "New game. Tile to place: " + tile
                + ". your board, column 3, position 3: empty. Press L for lines, S for state."),
        answer.end());
    EXPECT_EQ(std::count_if(answer.begin(), answer.end(), IsCell), 0);
    cursor = {3, 3};

    // An edge says so; the computer's board reads, and places nothing.
    Step("Up");
    Step("Up");
    EXPECT_EQ(Answer("Up", "No cell above"), std::vector<std::string> {"No cell above."});
    EXPECT_EQ(Answer("Tab", "computer's board"),
        std::vector<std::string> {"empty, computer's board, column 3, position 1."});
    EXPECT_EQ(Answer("Return", "computer's board;"),
        std::vector<std::string> {
            "This is the computer's board; your tiles go on your own board."});
    EXPECT_EQ(Answer("shift+Tab", "your board"),
        std::vector<std::string> {"empty, your board, column 3, position 1."});

    std::string last;
    std::map<int, std::string> mine; // the tiles heard placed on the player's board
    int scores[2] = {0, 0};
    for (int turn = 0; turn < 19; turn++) {
        SCOPED_TRACE("turn " + std::to_string(turn));
        const SpokenPlace target = FreePlace();
        GoTo(target);
        if (turn % 4 == 3) {
            answer = Answer("l", "Falling");
            ASSERT_EQ(answer.size(), 1u);
            EXPECT_EQ(answer[0], LinesThrough(CellAt(target), mine));
        }
        if (turn == 9) {
            EXPECT_EQ(Answer("s", "Turn"),
                std::vector<std::string> {"Turn 10 of 19. Tile to place: " + tile + ". Scores: you "
                    + std::to_string(scores[0]) + ", computer " + std::to_string(scores[1]) + "."});
        }
        EXPECT_EQ(Answer("Return", "Preview of"),
            std::vector<std::string> {"Preview of " + tile + " in " + Words(target) + "."});
        answer = Answer("Return", "You placed");
        ASSERT_EQ(answer.size(), 1u);
        last = answer[0];
        const std::string placed
            = "You placed " + tile + " in " + Words(target) + "; the computer put it in ";
        EXPECT_EQ(last.rfind(placed, 0), 0u) << last;
        EXPECT_NE(PlaceIn(last, "the computer").column, 0) << last;
        taken.insert(target);
        mine[CellAt(target)] = tile;
        // The lines it says were completed make up the scores' rise.
        int now[2] = {-1, -1};
        const char* told = last.c_str() + std::min(last.find("cores: you "), last.size());
        ASSERT_EQ(sscanf(told, "cores: you %d, computer %d.", &now[0], &now[1]), 2) << last;
        EXPECT_EQ(now[0] - scores[0], CompletedPoints(last, "Your ")) << last;
        EXPECT_EQ(now[1] - scores[1], CompletedPoints(last, "The computer's ")) << last;
        if (last.find("complete") != std::string::npos)
            std::cout << "A completing turn: \"" << last << "\"\n";
        scores[0] = now[0], scores[1] = now[1];
        if (turn == 0) {
            EXPECT_EQ(Answer("space", "taken"), std::vector<std::string> {"This cell is taken."});
        }
        if (turn < 18) {
            EXPECT_NE(last.find(". Scores: you "), std::string::npos) << last;
            tile = TileIn(last);
            ASSERT_NE(tile, "") << last;
        }
    }

    // The last turn tells the result with both final scores.
    EXPECT_NE(last.find(". Final scores: you "), std::string::npos) << last;
    const std::string result = scores[0] >= scores[1] ? "You Win" : "You Lose";
    EXPECT_EQ(last.substr(last.size() - result.size() - 1), result + ".") << last;
    std::cout << "The last turn: \"" << last << "\"\n";

    // A new game: its tile and the cursor's cell, and none of the old game.
    answer = Answer("ctrl+n", "New game");
    ASSERT_EQ(answer.size(), 1u);
    EXPECT_EQ(answer[0].rfind("New game. Tile to place: ", 0), 0u) << answer[0];
    EXPECT_NE(answer[0].find(". your board, " + Words(cursor) + ": empty."), std::string::npos)
        << answer[0];
    std::cout << "After Ctrl+N: \"" << answer[0] << "\"\n";
    EXPECT_EQ(Step("Up").rfind("empty, ", 0), 0u) << "the board is the new game's";

    // Nothing the game sent made Orca fail.
    const std::string log = orca.DebugLog();
    for (const char* failure : {"bad content", "Could not process", "IndexError"})
        EXPECT_EQ(log.find(failure), std::string::npos) << failure;
    Key("ctrl+q");
    ExpectCleanExit();
    orca.Stop();
    ExpectShownInBraille();
}

} // namespace
