// Whole games played on the built program in a real X server, with real mouse
// clicks and key presses, checked on the screen as a player sees it.

#include <functional>

#include "e2e_fixture.h"

namespace {

TEST_F(EndToEnd, AWholeGameOfNineteenTurns)
{
    ASSERT_TRUE(Screen().TileOnOffer());
    for (int turn = 0; turn < 19; turn++) {
        SCOPED_TRACE("turn " + std::to_string(turn));
        const BoardPicture before = Screen();
        const int first = before.FreeCell();
        const int second = before.FreeCell(first);
        ClickCell(first);
        ASSERT_TRUE(WaitFor([&] { return Screen().PreviewOn(first); })) << "no preview";
        EXPECT_TRUE(Screen().OfferSpotEmpty());
        int chosen = first;
        if (second >= 0) {
            ClickCell(second);
            ASSERT_TRUE(WaitFor([&] {
                const BoardPicture now = Screen();
                return now.PreviewOn(second) && now.Empty(Board::Player, first);
            })) << "the preview did not move";
            chosen = second;
        }
        ClickCell(chosen);
        ASSERT_TRUE(WaitFor([&] {
            const BoardPicture now = Screen();
            return now.PlacedCount(Board::Player) == turn + 1
                && now.PlacedCount(Board::Computer) == turn + 1;
        })) << "no tile on each board";
        if (turn < 18) {
            ASSERT_TRUE(WaitFor([&] { return Screen().TileOnOffer(); })) << "no next tile";
        }
    }
    EXPECT_TRUE(WaitFor([&] { return Screen().ResultShown(); })) << "no result message";
    Key("ctrl+q");
    ExpectCleanExit();
}

TEST_F(EndToEnd, CtrlNStartsANewGameMidGame)
{
    for (int turn = 0; turn < 3; turn++) {
        const int cell = Screen().FreeCell();
        ClickCell(cell);
        ASSERT_TRUE(WaitFor([&] { return Screen().PreviewOn(cell); }));
        ClickCell(cell);
        ASSERT_TRUE(WaitFor([&] { return Screen().PlacedCount(Board::Player) == turn + 1; }));
    }
    const int previewed = Screen().FreeCell();
    ClickCell(previewed);
    ASSERT_TRUE(WaitFor([&] { return Screen().PreviewOn(previewed); }));
    Key("ctrl+n");
    EXPECT_TRUE(WaitFor([&] { return Screen().ShowsANewGame(); })) << "the boards were not cleared";
    Key("ctrl+q");
    ExpectCleanExit();
}

// A click while the about box shows does nothing, and dismissing the box
// leaves the game as it was. A key pressed after the box has gone shows the
// cursor, so by then the game has handled the click too.
TEST_F(EndToEnd, TheAboutBoxBlocksTheBoardUntilDismissed)
{
    const QRect view(origin, QSize(kViewBounds.right + 1, kViewBounds.bottom + 1));
    for (int round = 0; round < 2; round++) {
        SCOPED_TRACE("round " + std::to_string(round));
        const QImage before = Shot().Image().copy(view);
        Key("ctrl+a");
        const std::string about = WaitForAboutBox();
        ASSERT_NE(about, "") << "no about box";
        EXPECT_EQ(Geometry(about).size(), QSize(310, 150));
        EXPECT_TRUE(WaitFor([&] { return AboutTextLines(about) == 3; }))
            << "the about box does not show its three lines";
        ClickCell(9);
        DismissAboutBox(about);
        // Where the box stood, the game repaints once it has gone.
        EXPECT_TRUE(WaitFor([&] { return Shot().Image().copy(view) == before; }))
            << "the game changed";
        Key("Down");
        ASSERT_TRUE(WaitFor([&] { return Screen().CursorOn(Board::Player, 10 + round); }));
        EXPECT_FALSE(Screen().PreviewOn(9)) << "a click reached the board through the about box";
        EXPECT_TRUE(Screen().TileOnOffer());
    }
    ClickCell(9);
    EXPECT_TRUE(WaitFor([&] { return Screen().PreviewOn(9); })) << "the board takes clicks again";
    Key("ctrl+q");
    ExpectCleanExit();
}

TEST_F(EndToEnd, TheWindowIsNamedForTheDesktopAndFixedInSize)
{
    // The desktop entry's StartupWMClass finds the window by its class.
    const std::string id = TAVRIN_APP_ID;
    const unsigned long xid = std::stoul(window);
    EXPECT_EQ(Server().TextProperty(xid, "WM_CLASS"), "tavrin" + std::string(1, '\0') + id + '\0');
    EXPECT_EQ(Server().TextProperty(xid, "WM_NAME"), "Tavrin");
    // Window managers read the fixed size from the size hints: minimum and
    // maximum are both the content's 581 x 341.
    const std::string hints = Server().TextProperty(xid, "WM_NORMAL_HINTS");
    ASSERT_GE(hints.size(), 9 * sizeof(uint32_t));
    const auto* values = reinterpret_cast<const uint32_t*>(hints.data());
    EXPECT_EQ(values[5], 581u);
    EXPECT_EQ(values[6], 341u);
    EXPECT_EQ(values[7], 581u);
    EXPECT_EQ(values[8], 341u);
    Key("ctrl+q");
    ExpectCleanExit();
}

// Ctrl+Q, the Exit item, the window manager's close and another client
// destroying the window each end the program cleanly in the middle of a turn.
TEST_F(EndToEnd, EveryWayToQuitEndsTheProgramCleanly)
{
    const struct {
        const char* how;
        std::function<void()> quit;
    } ways[] = {
        {"Ctrl+Q", [&] { Key("ctrl+q"); }},
        {"the Exit item",
            [&] {
                Click(20, 10); // "File"
                EXPECT_TRUE(MenusShow(1)) << "the File menu did not open";
                Key("Down Down Down Return"); // About, New Game, Exit
            }},
        {"closing the window", [&] { Server().CloseLikeAWindowManager(std::stoul(window)); }},
        {"destroying the window", [&] { Shell("xdotool windowclose " + window); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.how);
        if (&way != ways)
            StartGame();
        ClickCell(4);
        ASSERT_TRUE(WaitFor([&] { return Screen().PreviewOn(4); }));
        way.quit();
        ExpectCleanExit();
    }
}

// The modal box holds back both the shortcut and the close request. A second
// about box opening afterwards shows that the game has handled both and
// still runs.
TEST_F(EndToEnd, WithTheAboutBoxOpenQuittingWaitsForIt)
{
    Key("ctrl+a");
    const std::string about = WaitForAboutBox();
    ASSERT_NE(about, "");
    Key("ctrl+q");
    Server().CloseLikeAWindowManager(std::stoul(window));
    DismissAboutBox(about);
    Key("ctrl+a");
    const std::string again = WaitForAboutBox();
    ASSERT_NE(again, "") << "the game did not wait for the box";
    DismissAboutBox(again);
    Server().CloseLikeAWindowManager(std::stoul(window));
    ExpectCleanExit();
}

} // namespace
