// Whole games played on the built program in a real X server, with real mouse
// clicks and key presses, checked on the screen as a player sees it.

#include <thread>

#include "e2e_fixture.h"

namespace {

TEST_F(EndToEnd, AWholeGameOfNineteenTurns)
{
    ASSERT_TRUE(TileOnOffer());
    for (int turn = 0; turn < 19; turn++) {
        SCOPED_TRACE("turn " + std::to_string(turn));
        const int first = FreeCell();
        const int second = FreeCell(first);
        ClickCell(first);
        ASSERT_TRUE(WaitFor([&] { return PreviewOn(first); })) << "no preview";
        EXPECT_TRUE(OfferSpotEmpty());
        int chosen = first;
        if (second >= 0) {
            ClickCell(second);
            ASSERT_TRUE(WaitFor([&] { return PreviewOn(second) && EmptyCell(first); }))
                << "the preview did not move";
            chosen = second;
        }
        ClickCell(chosen);
        ASSERT_TRUE(WaitFor([&] {
            const Shot shot;
            return PlacedCount(shot, 0) == turn + 1 && PlacedCount(shot, 1) == turn + 1;
        })) << "no tile on each board";
        if (turn < 18) {
            ASSERT_TRUE(WaitFor([&] { return TileOnOffer(); })) << "no next tile";
        }
    }
    EXPECT_TRUE(WaitFor([&] { return ResultShown(); })) << "no result message";
    const Shot shot;
    EXPECT_EQ(PlacedCount(shot, 0), 19);
    EXPECT_EQ(PlacedCount(shot, 1), 19);
    Key("ctrl+q");
    ExpectCleanExit();
}

TEST_F(EndToEnd, CtrlNStartsANewGameMidGame)
{
    for (int turn = 0; turn < 3; turn++) {
        const int cell = FreeCell();
        ClickCell(cell);
        ASSERT_TRUE(WaitFor([&] { return PreviewOn(cell); }));
        ClickCell(cell);
        ASSERT_TRUE(WaitFor([&] { return PlacedCount(Shot(), 0) == turn + 1; }));
    }
    ClickCell(FreeCell()); // and leave a preview showing
    Key("ctrl+n");
    ASSERT_TRUE(WaitFor([&] {
        const Shot shot;
        return PlacedCount(shot, 0) == 0 && PlacedCount(shot, 1) == 0;
    })) << "the boards were not cleared";
    EXPECT_TRUE(TileOnOffer());
    for (int cell = 0; cell < 19; cell++)
        EXPECT_TRUE(EmptyCell(cell)) << cell;
    Key("ctrl+q");
    ExpectCleanExit();
}

TEST_F(EndToEnd, TheAboutBoxBlocksTheBoardUntilDismissed)
{
    for (int round = 0; round < 2; round++) {
        SCOPED_TRACE("round " + std::to_string(round));
        const QImage before = Shot().Image().copy(kLeft, kTop, 581, 341);
        Key("ctrl+a");
        const std::string about = WaitForAboutBox();
        ASSERT_NE(about, "") << "no about box";
        const std::string geometry = Shell("xdotool getwindowgeometry " + about);
        EXPECT_NE(geometry.find("Geometry: 310x150"), std::string::npos) << geometry;
        int x = 0, y = 0;
        ASSERT_EQ(
            sscanf(geometry.c_str() + geometry.find("Position:"), "Position: %d,%d", &x, &y), 2);
        EXPECT_TRUE(WaitFor([&] { return ShowsText(Shot(), QRect(x, y, 310, 150)); }))
            << "the about box shows no text";
        ClickCell(9);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_FALSE(PreviewOn(9)) << "a click reached the board through the about box";

        DismissAboutBox(about);
        EXPECT_TRUE(WaitFor([&] { return Shot().Image().copy(kLeft, kTop, 581, 341) == before; }))
            << "the game changed";
    }
    ClickCell(9);
    EXPECT_TRUE(WaitFor([&] { return PreviewOn(9); })) << "the board takes clicks again";
    Key("ctrl+q");
    ExpectCleanExit();
}

TEST_F(EndToEnd, TheWindowIsNamedForTheDesktopAndFixedInSize)
{
    // The desktop entry's StartupWMClass finds the window by its class.
    const std::string id = TAVRIN_APP_ID;
    EXPECT_EQ(
        TextProperty(std::stoul(window), "WM_CLASS"), "tavrin" + std::string(1, '\0') + id + '\0');
    EXPECT_EQ(TextProperty(std::stoul(window), "WM_NAME"), "Tavrin");
    // Window managers read the fixed size from the size hints: minimum and
    // maximum are both the content's 581 x 341.
    const std::string hints = TextProperty(std::stoul(window), "WM_NORMAL_HINTS");
    ASSERT_GE(hints.size(), 9 * sizeof(uint32_t));
    const auto* values = reinterpret_cast<const uint32_t*>(hints.data());
    EXPECT_EQ(values[5], 581u);
    EXPECT_EQ(values[6], 341u);
    EXPECT_EQ(values[7], 581u);
    EXPECT_EQ(values[8], 341u);
    Key("ctrl+q");
    ExpectCleanExit();
}

TEST_F(EndToEnd, CtrlQEndsTheProgramWhilePreviewing)
{
    ClickCell(4);
    ASSERT_TRUE(WaitFor([&] { return PreviewOn(4); }));
    Key("ctrl+q");
    ExpectCleanExit();
}

TEST_F(EndToEnd, TheExitItemEndsTheProgram)
{
    Click(20, 10); // "File"
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    Key("Down Down Down Return"); // About, New Game, Exit
    ExpectCleanExit();
}

TEST_F(EndToEnd, ClosingTheWindowEndsTheProgramWhilePreviewing)
{
    ClickCell(12);
    ASSERT_TRUE(WaitFor([&] { return PreviewOn(12); }));
    CloseLikeAWindowManager(std::stoul(window));
    ExpectCleanExit();
}

TEST_F(EndToEnd, WithTheAboutBoxOpenQuittingWaitsForIt)
{
    Key("ctrl+a");
    const std::string about = WaitForAboutBox();
    ASSERT_NE(about, "");
    // The modal box holds back both the shortcut and the close request.
    Key("ctrl+q");
    CloseLikeAWindowManager(std::stoul(window));
    int status = -1;
    EXPECT_FALSE(game->WaitExit(&status, std::chrono::milliseconds(500)));
    DismissAboutBox(about);
    CloseLikeAWindowManager(std::stoul(window));
    ExpectCleanExit();
}

} // namespace
