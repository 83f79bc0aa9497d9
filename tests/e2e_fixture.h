#pragma once

// The built game in the tests' own X server: real mouse clicks and key
// presses where the player sees things, and what the screen shows.

#include <gtest/gtest.h>

#include <QDir>
#include <QRect>

#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "board_picture.h"
#include "x_session.h"

using namespace xsession;

// Keeps a picture of a failed test where CI collects what went wrong, and
// says where.
inline std::string KeepPicture(const QImage& picture, const std::string& name)
{
    const std::string dir = ARTIFACTS_DIR;
    QDir().mkpath(QString::fromStdString(dir));
    const std::string path = dir + "/" + name + ".png";
    picture.save(QString::fromStdString(path));
    return path;
}

// A place on a board as readers say it: column and position from 1.
struct SpokenPlace {
    int column = 0, position = 0;
    auto operator<=>(const SpokenPlace&) const = default;
};

inline std::string Words(SpokenPlace place)
{
    return "column " + std::to_string(place.column) + ", position "
        + std::to_string(place.position);
}

// The first place a text names, from the words given on; {} where none.
inline SpokenPlace PlaceIn(const std::string& text, const std::string& after = "")
{
    const size_t from = text.find("column ", std::min(text.find(after), text.size()));
    SpokenPlace place;
    if (from == std::string::npos
        || sscanf(text.c_str() + from, "column %d, position %d", &place.column, &place.position)
            != 2)
        return {};
    return place;
}

inline int CellAt(SpokenPlace place)
{
    for (int cell = 0; cell < kCellCount; cell++) {
        if (CellColumn(cell) == place.column - 1 && CellPlace(cell) == place.position - 1)
            return cell;
    }
    return -1;
}

// The key that takes the cursor a step toward a place: to its column first,
// then along the column.
inline const char* KeyToward(SpokenPlace from, SpokenPlace to)
{
    return from.column < to.column    ? "Right"
        : from.column > to.column     ? "Left"
        : from.position < to.position ? "Down"
                                      : "Up";
}

class EndToEnd : public testing::Test {
protected:
    void SetUp() override { StartGame(); }

    void TearDown() override
    {
        if (!HasFailure())
            return;
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        const std::string name = std::string(info->test_suite_name()) + "." + info->name();
        ADD_FAILURE() << "screenshot kept at " << KeepPicture(Shot().Image(), name);
    }

    void StartGame(const Environment& changes = {})
    {
        game = std::make_unique<Game>(changes);
        // The window shows within a second, but under openbox with both cores
        // busy it has taken over ten.
        ASSERT_TRUE(WaitFor(
            [&] {
                window = Shell("xdotool search --onlyvisible --name '^Tavrin$'");
                return !window.empty();
            },
            30s))
            << "no game window; the game " << (game->Running() ? "runs" : "has ended")
            << ", its stderr: " << game->Stderr();
        window = window.substr(0, window.find('\n'));
        origin = Server().Origin(std::stoul(window));
        ASSERT_TRUE(WaitFor([&] { return Screen().At(kOfferSpot.x, 100) == kBackground; }))
            << "never painted";
        Focus();
    }

    // Gives the game's window the keyboard, as a window manager would or
    // through the one that runs, and rests the pointer over the board.
    void Focus()
    {
        Shell(std::string("xdotool ") + (managed ? "windowactivate --sync " : "windowfocus ")
            + window + " mousemove " + std::to_string(origin.x() + 290) + " "
            + std::to_string(origin.y() + 100));
    }

    // The window that has the keyboard, as the window manager tells it.
    static std::string ActiveWindow()
    {
        const std::string active = Shell("xdotool getactivewindow");
        return active.substr(0, active.find('\n'));
    }

    BoardPicture Screen() const { return BoardPicture(Shot().Image(), origin); }

    // A press and release at a point of the board view.
    void Click(int x, int y, int button = 1)
    {
        std::ostringstream command;
        command << "xdotool mousemove " << origin.x() + x << " " << origin.y() + y << " click "
                << button;
        Shell(command.str());
    }

    void ClickCell(int cell)
    {
        const CellPoint c = CellCenter(Board::Player, cell);
        Click(c.x, c.y);
    }

    void Key(const std::string& keys) { Shell("xdotool key " + keys); }

    // Waits until so many of the game's menus show.
    static bool MenusShow(int count)
    {
        return WaitFor([&] { return Server().PopupsShowing(TAVRIN_APP_ID) == count; });
    }

    // Presses the about box's only button with the keyboard. A window
    // manager gives the box the keyboard as it opens and the game's window
    // as it closes; without one, the test does.
    void DismissAboutBox(const std::string& about, const std::string& key = "Return")
    {
        if (!managed)
            Shell("xdotool windowfocus " + about);
        ASSERT_TRUE(WaitFor([&] { return !managed || ActiveWindow() == about; }))
            << "the box has no focus";
        Key(key);
        ASSERT_TRUE(WaitFor([] { return AboutBoxes().empty(); })) << "the about box stayed";
        if (!managed)
            Focus();
        ASSERT_TRUE(WaitFor([&] { return !managed || ActiveWindow() == window; }))
            << "no focus back";
    }

    // Where a window lies on the screen and how large it is.
    static QRect Geometry(const std::string& id)
    {
        const std::string geometry = Shell("xdotool getwindowgeometry " + id);
        int x = 0, y = 0, width = 0, height = 0;
        const size_t position = geometry.find("Position:"), size = geometry.find("Geometry:");
        if (position == std::string::npos || size == std::string::npos
            || sscanf(geometry.c_str() + position, "Position: %d,%d", &x, &y) != 2
            || sscanf(geometry.c_str() + size, "Geometry: %dx%d", &width, &height) != 2)
            return QRect();
        return QRect(x, y, width, height);
    }

    // The lines of text the about box shows, right of its icon and above its
    // button.
    static int AboutTextLines(const std::string& about)
    {
        const QRect box = Geometry(about);
        const QRect text(
            box.x() + box.width() * 15 / 100, box.y(), box.width() / 2, box.height() * 65 / 100);
        return InkGroups(Shot().Image(), text, false, 3);
    }

    void ExpectCleanExit()
    {
        int status = -1;
        ASSERT_TRUE(game->WaitExit(&status)) << "the game did not end";
        EXPECT_EQ(status, 0);
        EXPECT_EQ(game->Stderr(), "");
    }

    std::unique_ptr<Game> game;
    std::string window;
    QPoint origin;        // of the board view on the screen
    bool managed = false; // a window manager runs
};
