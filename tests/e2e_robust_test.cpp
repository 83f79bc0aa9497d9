// The game against hostile but fair conditions: no usable window system, a
// Wayland session with a stale DISPLAY, a large desktop font, requests queued
// while it is busy, its window destroyed by another client, and a storm of
// random input.

#include <csignal>
#include <random>
#include <thread>

#include "e2e_fixture.h"
#include "wayland_session.h"

namespace {

// Without a usable window system the game says in one line what is missing
// and ends with status 1, instead of Qt's abort.
TEST(NoDisplay, SaysWhatIsMissingInOneLineAndExitsWithStatusOne)
{
    const std::optional<std::string> unset;
    const struct {
        Environment changes;
        std::string missing;
    } cases[] = {
        {{{"DISPLAY", unset}}, "neither DISPLAY nor WAYLAND_DISPLAY is set"},
        {{{"DISPLAY", ":9999"}}, "no X server at :9999"},
        {{{"DISPLAY", unset}, {"WAYLAND_DISPLAY", "nowhere"}}, "no Wayland compositor at /"},
        {{{"DISPLAY", unset}, {"QT_QPA_PLATFORM", "xcb"}}, "DISPLAY is not set"},
        {{{"QT_QPA_PLATFORM", "wayland"}}, "no Wayland compositor at /"},
        {{{"QT_QPA_PLATFORM", "nonsense"}}, "the window system \"nonsense\""},
        {{{"DISPLAY", unset}, {"WAYLAND_DISPLAY", "wayland-0"}, {"XDG_RUNTIME_DIR", "/nowhere"}},
            "XDG_RUNTIME_DIR is not a directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.missing);
        Game game(c.changes);
        int status = -1;
        ASSERT_TRUE(game.WaitExit(&status));
        EXPECT_EQ(status, 1);
        const std::string said = game.Stderr();
        EXPECT_EQ(said.rfind("tavrin: cannot open display: ", 0), 0u) << said;
        EXPECT_NE(said.find(c.missing), std::string::npos) << said;
        EXPECT_EQ(said.find('\n'), said.size() - 1) << "one line: " << said;
    }
}

// Finds the board view on a screenshot by the rows under the menu bar, which
// are background from edge to edge; (-1, -1) when there is none.
QPoint FindBoard(const QImage& shot)
{
    for (int y = 0; y < shot.height(); y++) {
        int run = 0;
        for (int x = 0; x < shot.width(); x++) {
            run = shot.pixelColor(x, y) == kBackground ? run + 1 : 0;
            if (run == 581)
                return QPoint(x - 580, y - 20);
        }
    }
    return QPoint(-1, -1);
}

// A new game: 38 empty cells, a tile on offer and background between.
bool ShowsANewGame(const QImage& shot)
{
    const QPoint board = FindBoard(shot);
    if (board.x() < 0)
        return false;
    auto at = [&](int x, int y) { return shot.pixelColor(board.x() + x, board.y() + y); };
    for (int side = 0; side < 2; side++) {
        for (int cell = 0; cell < 19; cell++) {
            const Spot s = Cell(side, cell);
            if (at(s.x - 22, s.y) != kEmptyGround)
                return false;
        }
    }
    return at(290 - 22, 300) == kPlacedGround && at(290, 100) == kBackground;
}

// The game shows its board natively on X11 and on Wayland, there even with a
// DISPLAY left over that leads nowhere.
TEST(Displays, TheBoardShowsOnX11AndOnWayland)
{
    {
        Game game;
        EXPECT_TRUE(WaitFor([] { return ShowsANewGame(Shot().Image()); })) << "not on X11";
        EXPECT_EQ(game.Stderr(), "");
    }
    wsession::Compositor weston;
    ASSERT_TRUE(weston.Running()) << "Weston did not start";
    Environment wayland = weston.ClientEnvironment();
    wayland.push_back({"DISPLAY", ":9999"});
    Game game(wayland);
    QImage shot;
    EXPECT_TRUE(WaitFor([&] {
        shot = weston.Screenshot();
        return ShowsANewGame(shot);
    })) << "not on Wayland";
    EXPECT_EQ(game.Stderr(), "");
    if (HasFailure())
        shot.save(QString(ARTIFACTS_DIR) + "/wayland.png");
}

TEST_F(EndToEnd, AboutRequestsQueuedWhileBusyOpenOneBox)
{
    kill(game->Pid(), SIGSTOP);
    Key("ctrl+a ctrl+a ctrl+a");
    kill(game->Pid(), SIGCONT);
    const std::string about = WaitForAboutBox();
    ASSERT_NE(about, "") << "no about box";
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_EQ(AboutBoxes().size(), 1u);
    DismissAboutBox(about);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_TRUE(AboutBoxes().empty()) << "another box followed";
    Key("ctrl+q");
    ExpectCleanExit();
}

TEST_F(EndToEnd, AWindowDestroyedByAnotherClientEndsTheProgram)
{
    ClickCell(3);
    ASSERT_TRUE(WaitFor([&] { return PreviewOn(3); }));
    Shell("xdotool windowclose " + window);
    ExpectCleanExit();
}

// Columns (or rows) of the area that hold a pixel far from the colour of its
// first pixel, grouped where fewer than gap plain ones lie between them.
int InkGroups(const QImage& shot, QRect area, bool columns, int gap)
{
    const QColor ground = shot.pixelColor(area.topLeft());
    const int count = columns ? area.width() : area.height();
    int groups = 0, plain = gap;
    for (int i = 0; i < count; i++) {
        bool ink = false;
        for (int j = 0; j < (columns ? area.height() : area.width()) && !ink; j++) {
            const QPoint p = columns ? QPoint(area.left() + i, area.top() + j)
                                     : QPoint(area.left() + j, area.top() + i);
            ink = std::abs(shot.pixelColor(p).value() - ground.value()) > 40;
        }
        groups += ink && plain >= gap;
        plain = ink ? 0 : plain + 1;
    }
    return groups;
}

// People with low vision set a larger desktop font; the menus and the about
// text then still show whole. What counts is what the screen shows: two
// words on the menu bar, three lines of text in the about box.
TEST_F(EndToEnd, ALargeDesktopFontKeepsMenusAndAboutTextWhole)
{
    Key("ctrl+q");
    ExpectCleanExit();
    StartGame({{"QT_ENABLE_HIGHDPI_SCALING", "0"}, {"QT_FONT_DPI", "192"}});
    // The bar lies over the top of the window, above the board's background.
    int boardTop = kTop;
    while (boardTop < kTop + 100 && Shot().At(kLeft + 290, boardTop) != kBackground)
        boardTop++;
    const QImage shot = Shot().Image();
    EXPECT_GT(boardTop, kTop + 20) << "the bar kept its height";
    EXPECT_EQ(InkGroups(shot, QRect(kLeft, kTop, 581, boardTop - kTop), true, 12), 2)
        << "the bar does not show File and Edit";
    // The boards keep their place below the bar.
    EXPECT_EQ(shot.pixelColor(kLeft + 145 - 22, boardTop - 20 + 180), kEmptyGround);

    Key("ctrl+a");
    const std::string about = WaitForAboutBox();
    ASSERT_NE(about, "");
    const std::string geometry = Shell("xdotool getwindowgeometry " + about);
    int x = 0, y = 0, width = 0, height = 0;
    ASSERT_EQ(sscanf(geometry.c_str() + geometry.find("Position:"), "Position: %d,%d", &x, &y), 2);
    ASSERT_EQ(
        sscanf(geometry.c_str() + geometry.find("Geometry:"), "Geometry: %dx%d", &width, &height),
        2);
    // Right of the icon and above the button.
    const QRect text(x + width * 15 / 100, y, width / 2, height * 65 / 100);
    EXPECT_TRUE(WaitFor([&] { return InkGroups(Shot().Image(), text, false, 3) == 3; }))
        << "the about box does not show its three lines";
    DismissAboutBox(about);
    Key("ctrl+q");
    ExpectCleanExit();
}

// Clicks, keys, menus and about boxes at random: the game stays up, says
// nothing on stderr and ends cleanly.
TEST_F(EndToEnd, AStormOfRandomInputLeavesTheGameWhole)
{
    const unsigned seed = std::random_device()();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    const char* keys[] = {"Left", "Right", "Up", "Down", "Return", "space", "Escape", "ctrl+n"};
    // Menus opened and closed again, or used for a new game. Each waits for
    // its menu to show, so that no random key lands in a menu left open.
    const std::string file = "mousemove " + std::to_string(kLeft + 20) + " "
        + std::to_string(kTop + 10) + " click 1 sleep 0.2 key Escape Escape";
    const std::string menus[]
        = {file, "key alt+f sleep 0.2 key Escape Escape", "key F10 sleep 0.2 key Escape Escape",
            "key alt+f sleep 0.2 key Down Return", "key alt+e sleep 0.2 key Escape Escape"};
    for (int round = 0; round < 8; round++) {
        std::ostringstream batch;
        batch << "xdotool";
        for (int i = 0; i < 25; i++) {
            const unsigned kind = random() % 10;
            if (kind < 5) {
                batch << " mousemove " << kLeft + int(random() % 581) << " "
                      << kTop + 20 + int(random() % 321) << " click "
                      << 1 + 2 * (random() % 4 == 0);
            } else if (kind < 9) {
                batch << " key " << keys[random() % std::size(keys)];
            } else {
                batch << " " << menus[random() % std::size(menus)];
            }
        }
        Shell(batch.str());
        int status = 0;
        ASSERT_FALSE(game->WaitExit(&status, std::chrono::milliseconds(0)))
            << "the game ended with status " << status << " in round " << round;
        if (random() % 2 == 0) {
            Key("ctrl+a");
            const std::string about = WaitForAboutBox();
            ASSERT_NE(about, "") << "no about box in round " << round;
            DismissAboutBox(about);
        }
    }
    Key("ctrl+q");
    ExpectCleanExit();
}

} // namespace
