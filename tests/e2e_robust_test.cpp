// The game against hostile but fair conditions: no usable window system, a
// Wayland session with a stale DISPLAY, a large desktop font, requests queued
// while it is busy, its window destroyed by another client, and a storm of
// random input.

#include <csignal>
#include <random>

#include "e2e_fixture.h"
#include "seed.h"
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

// The game shows its board natively on X11 and on Wayland, there even with a
// DISPLAY left over that leads nowhere.
TEST(Displays, TheBoardShowsOnX11AndOnWayland)
{
    {
        Game game;
        EXPECT_TRUE(WaitFor([] { return BoardPicture::Find(Shot().Image()).ShowsANewGame(); }))
            << "not on X11";
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
        return BoardPicture::Find(shot).ShowsANewGame();
    })) << "not on Wayland";
    EXPECT_EQ(game.Stderr(), "");
    if (HasFailure())
        ADD_FAILURE() << "screenshot kept at " << KeepPicture(shot, "wayland");
}

// Three requests wait while the game is stopped; one box answers them. A
// click after the box has gone previews only once the game has handled
// every request queued before it, and no box shows by then.
// The window on screens of every size, framed by a window manager or not.
// Where the whole window fits it shows whole, at (100, 100) where there is
// room; where it does not, as much of it shows as the screen has room for,
// its top left corner (title bar and menu bar) always on the screen.
TEST(Screens, TheWindowShowsWholeWhereItFitsAndItsCornerAlways)
{
    const struct {
        int width, height;
        const char* scale;
        bool framed;
    } cases[] = {{1920, 1080, "1", false}, {1920, 1080, "1", true}, {600, 400, "1", false},
        {600, 400, "1", true}, {400, 300, "1", true}, {1024, 768, "3", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height) + " at scale "
            + c.scale + (c.framed ? " under openbox" : ""));
        XServer server(std::to_string(c.width) + "x" + std::to_string(c.height) + "x24");
        ASSERT_TRUE(server.Running());
        std::optional<WindowManager> manager;
        if (c.framed) {
            ASSERT_TRUE(manager.emplace(server).Running());
        }
        Environment environment = server.ClientEnvironment();
        environment.push_back({"QT_SCALE_FACTOR", c.scale});
        Game game(environment);
        std::string window;
        // As in StartGame: under openbox and two busy cores the window has
        // taken over ten seconds to show.
        ASSERT_TRUE(WaitFor(
            [&] {
                window = server.Shell("xdotool search --onlyvisible --name '^Tavrin$'");
                return !window.empty();
            },
            30s));
        const unsigned long id = std::stoul(window);
        const QRect screen(0, 0, c.width, c.height);
        QRect frame;
        // A window manager frames the window after it shows; the game then
        // places it once more.
        const bool placed = WaitFor([&] {
            frame = server.FrameOf(id);
            const bool fits = frame.width() <= c.width && frame.height() <= c.height;
            const bool acrossAsWanted
                = frame.x() == 100 || frame.right() == screen.right() || (frame.x() == 0 && !fits);
            const bool downAsWanted = frame.y() == 100 || frame.bottom() == screen.bottom()
                || (frame.y() == 0 && !fits);
            return screen.contains(frame.topLeft()) && (!fits || screen.contains(frame))
                && acrossAsWanted && downAsWanted
                && (c.framed == (frame.size() != QSize(581, 341)) || c.scale != std::string("1"));
        });
        EXPECT_TRUE(placed) << "the frame stands at " << frame.x() << "," << frame.y() << ", "
                            << frame.width() << "x" << frame.height();
        if (c.width == 1920) {
            EXPECT_EQ(frame.topLeft(), QPoint(100, 100)) << "where there is room, it stays put";
        }
        if (c.width == 600) {
            EXPECT_TRUE(WaitFor([&] {
                return BoardPicture(server.Screenshot(), server.Origin(id)).ShowsANewGame();
            })) << "the whole board shows";
            // Once a key has had its answer, the window has no move pending.
            server.Shell("xdotool windowfocus --sync " + std::to_string(id) + " key Down");
            QImage shot;
            EXPECT_TRUE(WaitFor([&] {
                shot = server.Screenshot();
                return BoardPicture(shot, server.Origin(id)).CursorOn(Board::Player, 10);
            })) << "the cursor did not move";
            if (HasFailure()) {
                ADD_FAILURE() << "screenshot kept at "
                              << KeepPicture(shot,
                                     "screen-" + std::to_string(c.width)
                                         + (c.framed ? "-framed" : ""));
            }
            EXPECT_EQ(server.FrameOf(id), frame) << "the window moved on";
        }
        EXPECT_EQ(game.Stderr(), "");
    }
}

TEST_F(EndToEnd, AboutRequestsQueuedWhileBusyOpenOneBox)
{
    kill(game->Pid(), SIGSTOP);
    Key("ctrl+a ctrl+a ctrl+a");
    kill(game->Pid(), SIGCONT);
    const std::string about = WaitForAboutBox();
    ASSERT_NE(about, "") << "no about box";
    EXPECT_EQ(AboutBoxes().size(), 1u);
    DismissAboutBox(about);
    ClickCell(9);
    ASSERT_TRUE(WaitFor([&] { return Screen().PreviewOn(9); })) << "another box followed";
    EXPECT_TRUE(AboutBoxes().empty()) << "another box followed";
    Key("ctrl+q");
    ExpectCleanExit();
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
    int barHeight = 0;
    while (barHeight < 100 && Screen().At(kOfferSpot.x, barHeight) != kBackground)
        barHeight++;
    EXPECT_GT(barHeight, 20) << "the bar kept its height";
    const QImage shot = Shot().Image();
    EXPECT_EQ(InkGroups(shot, QRect(origin, QSize(581, barHeight)), true, 12), 2)
        << "the bar does not show File and Edit";
    // The boards keep their place below the bar.
    const BoardPicture board(shot, origin + QPoint(0, barHeight - 20));
    EXPECT_EQ(board.Ground(Board::Player, 9), kEmptyGround);

    Key("ctrl+a");
    const std::string about = WaitForAboutBox();
    ASSERT_NE(about, "");
    EXPECT_TRUE(WaitFor([&] { return AboutTextLines(about) == 3; }))
        << "the about box does not show its three lines";
    DismissAboutBox(about);
    Key("ctrl+q");
    ExpectCleanExit();
}

// A menu opened and closed again, or used for a new game. Each waits for its
// menu to show and to go again, so that no random key lands in a menu left
// open. The Edit menu is disabled and shows nothing.
struct MenuStep {
    std::string open;
    std::string close;
    bool shows = true;
};

// Clicks, keys, menus and about boxes at random, with the game checked after
// every round: it still runs, and Ctrl+A still opens the about box.
class Storm : public EndToEnd {
protected:
    void Run(int rounds, std::vector<std::string> keys)
    {
        const TestSeed seed;
        std::mt19937 random(seed);
        const std::string file = "mousemove " + std::to_string(origin.x() + 20) + " "
            + std::to_string(origin.y() + 10) + " click 1";
        const MenuStep menus[] = {{file, "key Escape Escape"}, {"key alt+f", "key Escape Escape"},
            {"key " + kF10, "key Escape Escape"}, {"key alt+f", "key Down Return"},
            {"key alt+e", "key Escape Escape", false}};
        for (int round = 0; round < rounds; round++) {
            SCOPED_TRACE("round " + std::to_string(round));
            std::string batch;
            for (int i = 0; i < 25; i++) {
                const unsigned kind = random() % 10;
                if (kind < 5) {
                    batch += " mousemove " + std::to_string(origin.x() + int(random() % 581)) + " "
                        + std::to_string(origin.y() + 20 + int(random() % 321)) + " click "
                        + std::to_string(1 + 2 * (random() % 4 == 0));
                } else if (kind < 9) {
                    batch += " key " + keys[random() % keys.size()];
                } else {
                    const MenuStep& menu = menus[random() % std::size(menus)];
                    if (!batch.empty())
                        Shell("xdotool" + batch);
                    batch.clear();
                    CloseAboutBox();
                    Shell("xdotool " + menu.open);
                    ASSERT_TRUE(MenusShow(menu.shows ? 1 : 0)) << menu.open;
                    Shell("xdotool " + menu.close);
                    ASSERT_TRUE(MenusShow(0)) << menu.close;
                }
            }
            if (!batch.empty())
                Shell("xdotool" + batch);
            CloseAboutBox();
            ASSERT_TRUE(game->Running()) << "the game ended";
            Key("ctrl+a");
            const std::string about = WaitForAboutBox();
            ASSERT_NE(about, "") << "Ctrl+A no longer opens the about box";
            DismissAboutBox(about);
        }
        Key("ctrl+q");
        ExpectCleanExit();
    }

    // A random Ctrl+A may have left an about box open. Under a window
    // manager, a random right click on the box's title bar may also have
    // opened the manager's menu for it, which takes the first Escape.
    void CloseAboutBox()
    {
        std::vector<std::string> boxes = AboutBoxes();
        if (managed && !boxes.empty()) {
            WaitFor([&] { return ActiveWindow() == boxes.front(); });
            Key("Escape");
            WaitFor([&] { return (boxes = AboutBoxes()).empty(); }, 2s);
        }
        if (!boxes.empty())
            DismissAboutBox(boxes.front(), "Escape");
    }
};

TEST_F(Storm, RandomInputLeavesTheGameWhole)
{
    Run(8, {"Left", "Right", "Up", "Down", "Return", "space", "Escape", "ctrl+n"});
}

// Under a window manager the about box takes the focus as it opens, and
// gives it back as it closes, however quickly that follows.
class StormUnderOpenbox : public Storm {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(windowManager.Running()) << "openbox did not start";
        managed = true;
        Storm::SetUp();
    }

    WindowManager windowManager {Server()};
};

TEST_F(StormUnderOpenbox, RandomInputLeavesTheShortcutsWorking)
{
    Run(12,
        {"Left", "Right", "Up", "Down", "Return", "space", "Escape", "ctrl+n", "ctrl+a",
            "ctrl+a Return", "ctrl+a Escape"});
}

} // namespace
