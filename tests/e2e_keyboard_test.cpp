// A whole game played with the keyboard alone, as someone who cannot see the
// board plays it: where the cursor is and what each cell shows come from what
// the game tells a screen reader through AT-SPI, and the screen shows the
// same.

#include <QJsonArray>

#include <iostream>

#include "e2e_fixture.h"
#include "reader_session.h"

namespace {

constexpr int kItems = 2 * 19 + 5 + 1; // the cells, five more, and the announcements
constexpr int kOffer = 38, kPlayerScore = 39, kComputerScore = 40, kResult = 41, kNews = 42,
              kAnnouncements = 43;

class KeyboardOnly : public EndToEnd {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(reader.Running()) << "no screen reader";
        StartGame(reader.GameEnvironment());
        ASSERT_TRUE(WaitFor([&] { return Read(), items.size() == kItems; }))
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
    // The last sentence the game told readers.
    std::string Announced() const
    {
        return items[kAnnouncements].toArray()[4].toArray()[0].toString().toStdString();
    }

    int Focused() const
    {
        for (int i = 0; i < items.size(); i++) {
            if (items[i].toArray()[3].toBool())
                return i;
        }
        return -1;
    }

    // Column and position of a cell, as its description tells them.
    static std::pair<int, int> Place(const std::string& about)
    {
        int column = 0, position = 0;
        sscanf(about.c_str() + about.find("column"), "column %d, position %d", &column, &position);
        return {column, position};
    }

    // Walks the cursor to a cell of the player's board as a reader's user
    // does: listening where it is after every key.
    void GoTo(int cell)
    {
        ASSERT_TRUE(WaitFor([&] { return Read(), Focused() >= 0; })) << "no cell has the focus";
        const auto [column, position] = Place(About(cell));
        for (int step = 0; step < 20 && Focused() != cell; step++) {
            const auto [now, at] = Place(About(Focused()));
            const int before = Focused();
            Key(now < column ? "Right" : now > column ? "Left" : at < position ? "Down" : "Up");
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
    for (int cell = 0; cell < 38; cell++)
        EXPECT_EQ(Name(cell), "empty") << cell;
    EXPECT_EQ(Name(kPlayerScore), "0");
    EXPECT_EQ(Name(kResult), "");
    for (int turn = 0; turn < 19; turn++) {
        SCOPED_TRACE("turn " + std::to_string(turn));
        const std::string tile = Name(kOffer);
        int cell = 0;
        while (Name(cell) != "empty")
            cell++;
        heard.clear();
        GoTo(cell);
        EXPECT_TRUE(HeardFocusOn(cell) || heard.empty()) << "the cursor's move was not heard";
        Key("Return");
        ASSERT_TRUE(WaitFor([&] { return Read(), Name(cell) == tile + ", preview"; }))
            << "no preview";
        EXPECT_TRUE(WaitFor([&] { return Screen().OfferSpotEmpty(); }));
        Key("space");
        // Readers hear of the turn as its news and as the last announcement.
        ASSERT_TRUE(WaitFor([&] {
            Read();
            return Name(kNews).rfind("You placed " + tile, 0) == 0 && HeardName(Name(kNews))
                && Announced() == Name(kNews);
        })) << "the turn was not told";
        EXPECT_EQ(Name(cell), tile);
        // The computer's cell with the tile is the one the news names.
        int theirs = 0, mine = 0, told = 0;
        for (int c = 0; c < 19; c++) {
            mine += Name(c) != "empty";
            theirs += Name(19 + c) != "empty";
            const std::string where = About(19 + c).substr(About(19 + c).find("column"));
            told += Name(19 + c) == tile
                && Name(kNews).find(" in " + where + ".") != std::string::npos;
        }
        EXPECT_EQ(mine, turn + 1);
        EXPECT_EQ(theirs, turn + 1);
        EXPECT_EQ(told, 1) << Name(kNews);

        EXPECT_TRUE(WaitFor([&] {
            const BoardPicture now = Screen();
            return now.PlacedCount(Board::Player) == turn + 1
                && now.PlacedCount(Board::Computer) == turn + 1;
        })) << "the screen does not show the turn";
        if (turn == 9)
            Show("in the middle of the game");
    }
    Show("at the end");
    const int player = std::stoi(Name(kPlayerScore)), computer = std::stoi(Name(kComputerScore));
    EXPECT_EQ(Name(kResult), player >= computer ? "You Win" : "You Lose");
    EXPECT_NE(Name(kNews).find(Name(kResult)), std::string::npos);
    EXPECT_TRUE(Screen().ResultShown());

    // The menus open from the keyboard, and the about box closes with Escape.
    for (const char* opener : {"F10", "alt+f"}) {
        Key(opener);
        EXPECT_TRUE(WaitFor([&] { return Read(), menus.contains("File"); })) << opener;
        Key("Escape Escape");
        EXPECT_TRUE(WaitFor([&] { return Read(), menus.isEmpty(); })) << opener;
    }
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
