// A whole game played with the keyboard alone, as someone who cannot see the
// board plays it: where the cursor is and what each cell shows come from what
// the game tells a screen reader through AT-SPI, and the screen shows the
// same.

#include <QJsonArray>

#include <algorithm>
#include <iostream>

#include "e2e_fixture.h"
#include "reader_session.h"

namespace {

class KeyboardOnly : public EndToEnd {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(reader.Running()) << "no screen reader";
        StartGame(reader.GameEnvironment());
        ASSERT_TRUE(WaitFor([&] { return Read(), Item("last turn") >= 0; }))
            << "the reader finds no board";
    }

    void Read()
    {
        const QJsonObject answer = reader.Read();
        items = answer.value("items").toArray();
        menus = answer.value("menus").toArray();
        for (const QJsonValue& event : answer.value("heard").toArray())
            heard.push_back(event.toArray());
    }

    std::string Name(int i) const { return items[i].toArray()[1].toString().toStdString(); }
    std::string About(int i) const { return items[i].toArray()[2].toString().toStdString(); }
    std::string Role(int i) const { return items[i].toArray()[0].toString().toStdString(); }

    // A reader finds an item by what it is about; -1 where there is none.
    int Item(const std::string& about) const
    {
        for (int i = 0; i < items.size(); i++) {
            if (About(i) == about)
                return i;
        }
        return -1;
    }
    std::string NameOf(const std::string& about) const { return Name(Item(about)); }
    // A cell reads as what it holds, then where it is: its board and place.
    size_t WhereAt(int cell) const
    {
        const std::string name = Name(cell);
        return std::min(name.find(", your board, "), name.find(", computer's board, "));
    }
    std::string Contents(int cell) const { return Name(cell).substr(0, WhereAt(cell)); }
    std::string Where(int cell) const
    {
        return WhereAt(cell) == std::string::npos ? "" : Name(cell).substr(WhereAt(cell) + 2);
    }
    // The cells of a board, as they read.
    std::vector<int> Cells(const std::string& board) const
    {
        std::vector<int> cells;
        for (int i = 0; i < items.size(); i++) {
            if (Where(i).rfind(board + ", column", 0) == 0)
                cells.push_back(i);
        }
        return cells;
    }

    // The last sentence the game told readers: the one child of the status
    // bar that holds the announcements.
    std::string Announced() const
    {
        for (int i = 0; i < items.size(); i++) {
            const QJsonArray children = items[i].toArray()[4].toArray();
            if (Role(i) == "status bar" && !children.isEmpty())
                return children[0].toString().toStdString();
        }
        return "";
    }

    int Focused() const
    {
        for (int i = 0; i < items.size(); i++) {
            if (items[i].toArray()[3].toBool())
                return i;
        }
        return -1;
    }

    // Walks the cursor to a cell of the player's board as a reader's user
    // does: listening where it is after every key.
    void GoTo(int cell)
    {
        ASSERT_TRUE(WaitFor([&] { return Read(), Focused() >= 0; })) << "no cell has the focus";
        const SpokenPlace target = PlaceIn(Where(cell));
        for (int step = 0; step < 20 && Focused() != cell; step++) {
            const int before = Focused();
            Key(KeyToward(PlaceIn(Where(Focused())), target));
            ASSERT_TRUE(WaitFor([&] { return Read(), Focused() >= 0 && Focused() != before; }))
                << "stuck";
        }
        ASSERT_EQ(Focused(), cell);
    }

    // Whether the reader heard a name change to this, or the focus come to
    // this item, since the heard events were last cleared.
    bool HeardName(const std::string& name) const
    {
        for (const QJsonArray& event : heard) {
            if (event[0].toString() == "object:property-change:accessible-name"
                && event[1].toString().toStdString() == name)
                return true;
        }
        return false;
    }

    bool HeardFocusOn(int item) const
    {
        for (const QJsonArray& event : heard) {
            if (event[0].toString() == "object:state-changed:focused" && event[2].toInt() == 1
                && event[3].toInt() == item)
                return true;
        }
        return false;
    }

    void Show(const char* when) const
    {
        std::cout << "The reader " << when << ":\n";
        for (int i = 0; i < items.size(); i++)
            std::cout << "  " << items[i].toArray()[0].toString().toStdString() << " \"" << Name(i)
                      << "\" (" << About(i) << ")\n";
    }

    atspi::ScreenReader reader;
    QJsonArray items, menus;
    std::vector<QJsonArray> heard;
};

TEST_F(KeyboardOnly, AWholeGameWithKeysAndAScreenReader)
{
    Show("at the start");
    const std::vector<int> mine = Cells("your board"), theirs = Cells("computer's board");
    ASSERT_EQ(mine.size(), 19u);
    ASSERT_EQ(theirs.size(), 19u);
    for (int cell : mine)
        EXPECT_EQ(Contents(cell), "empty") << cell;
    for (int cell : theirs)
        EXPECT_EQ(Contents(cell), "empty") << cell;
    EXPECT_EQ(NameOf("your score"), "0");
    EXPECT_EQ(NameOf("result"), "");
    for (int turn = 0; turn < 19; turn++) {
        SCOPED_TRACE("turn " + std::to_string(turn));
        const std::string tile = NameOf("tile to place");
        const int cell = *std::find_if(
            mine.begin(), mine.end(), [&](int c) { return Contents(c) == "empty"; });
        heard.clear();
        GoTo(cell);
        // The reader may learn of the focus from its state before the event
        // reaches it.
        EXPECT_TRUE(WaitFor([&] { return Read(), HeardFocusOn(cell) || heard.empty(); }))
            << "the cursor's move was not heard";
        Key("Return");
        ASSERT_TRUE(WaitFor([&] { return Read(), Contents(cell) == tile + ", preview"; }))
            << "no preview";
        EXPECT_TRUE(WaitFor([&] { return Screen().OfferSpotEmpty(); }));
        Key("space");
        // Readers hear of the turn as its news and as the last announcement.
        ASSERT_TRUE(WaitFor([&] {
            Read();
            const std::string news = NameOf("last turn");
            return news.rfind("You placed " + tile, 0) == 0 && HeardName(news)
                && Announced() == news;
        })) << "the turn was not told";
        EXPECT_EQ(Contents(cell), tile);
        // The computer's cell with the tile is the one the news names.
        const std::string news = NameOf("last turn");
        int filled = 0, theirsFilled = 0, told = 0;
        for (int c : mine)
            filled += Contents(c) != "empty";
        for (int c : theirs) {
            theirsFilled += Contents(c) != "empty";
            const std::string where = Where(c).substr(Where(c).find("column"));
            told += Contents(c) == tile && news.find(" in " + where + ".") != std::string::npos;
        }
        EXPECT_EQ(filled, turn + 1);
        EXPECT_EQ(theirsFilled, turn + 1);
        EXPECT_EQ(told, 1) << news;

        EXPECT_TRUE(WaitFor([&] {
            const BoardPicture now = Screen();
            return now.PlacedCount(Board::Player) == turn + 1
                && now.PlacedCount(Board::Computer) == turn + 1;
        })) << "the screen does not show the turn";
        if (turn == 9)
            Show("in the middle of the game");
    }
    Show("at the end");
    const int player = std::stoi(NameOf("your score")),
              computer = std::stoi(NameOf("computer's score"));
    EXPECT_EQ(NameOf("result"), player >= computer ? "You Win" : "You Lose");
    EXPECT_NE(NameOf("last turn").find(NameOf("result")), std::string::npos);
    EXPECT_TRUE(Screen().ResultShown());

    // The menus open from the keyboard, and the about box closes with Escape.
    for (const std::string& opener : {kF10, std::string("alt+f")}) {
        Key(opener);
        EXPECT_TRUE(WaitFor([&] { return Read(), menus.contains("File"); })) << opener;
        Key("Escape Escape");
        EXPECT_TRUE(WaitFor([&] { return Read(), menus.isEmpty(); })) << opener;
    }
    // Where a layout for another script puts its letters first, as Russian
    // and Arabic desktops do beside the US layout, the keys that bear L, S
    // and N still read the lines, the state and start a new game. The keys
    // get their Latin letters back afterwards, for the tests that follow on
    // the same server.
    const struct {
        const char *l, *s, *n;
    } layouts[] = {{"Cyrillic_de", "Cyrillic_yeru", "Cyrillic_te"},
        {"Arabic_meem", "Arabic_seen", "Arabic_alefmaksura"}};
    const auto keysBear = [](const std::string& l, const std::string& s, const std::string& n) {
        Shell("xmodmap -e 'keycode 46 = " + l + " l L' -e 'keycode 39 = " + s
            + " s S' -e 'keycode 57 = " + n + " n N'");
    };
    for (const auto& letters : layouts) {
        SCOPED_TRACE(letters.l);
        keysBear(std::string(letters.l) + " " + letters.l, std::string(letters.s) + " " + letters.s,
            std::string(letters.n) + " " + letters.n);
        const auto says = [&](const std::string& start) {
            return WaitFor([&] { return Read(), Announced().rfind(start, 0) == 0; });
        };
        Key(letters.l);
        EXPECT_TRUE(says("Rising: ")) << Announced();
        Key(letters.s);
        EXPECT_TRUE(says(&letters == layouts ? "Final scores: " : "Turn 1 of 19. ")) << Announced();
        Key(std::string("ctrl+") + letters.n);
        EXPECT_TRUE(says("New game. ")) << Announced();
    }
    keysBear("", "", "");
    Key("ctrl+a");
    const std::string about = WaitForAboutBox();
    ASSERT_NE(about, "");
    Shell("xdotool windowfocus " + about);
    Key("Escape");
    EXPECT_TRUE(WaitFor([] { return AboutBoxes().empty(); }));
    Shell("xdotool windowfocus " + window);
    Key("ctrl+q");
    ExpectCleanExit();
}

} // namespace
