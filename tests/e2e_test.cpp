// Whole games played on the built program in a real X server, with real mouse
// clicks and key presses, checked on the screen as a player sees it.

#include <gtest/gtest.h>

#include <QDir>
#include <QRect>

#include <cstdio>
#include <memory>
#include <sstream>
#include <thread>

#include "tables.h"
#include "wayland_session.h"
#include "x_session.h"

using namespace xsession;

namespace {

// Where the game's window content starts on the screen.
constexpr int kLeft = 100;
constexpr int kTop = 100;

// Where the player sees the five columns of the left board.
constexpr int kColumnX[5] = {43, 94, 145, 196, 247};

struct Spot {
    int x, y;
};

// The centre of a cell of the left (0) or right (1) board, in the window.
Spot Cell(int board, int cell)
{
    const int column = (kCellGrid[cell][0] + 6) / 3;
    return {kColumnX[column] + 290 * board, 180 + 30 * kCellGrid[cell][1]};
}

const QColor kBackground(200, 200, 200);
const QColor kEmptyGround(100, 100, 100);
const QColor kPlacedGround(0, 0, 0);

class EndToEnd : public testing::Test {
protected:
    void SetUp() override { StartGame(); }

    void TearDown() override
    {
        if (!HasFailure())
            return;
        const std::string dir = ARTIFACTS_DIR;
        QDir().mkpath(QString::fromStdString(dir));
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        const std::string path = dir + "/" + info->test_suite_name() + "." + info->name() + ".png";
        Shot().Image().save(QString::fromStdString(path));
        ADD_FAILURE() << "screenshot kept at " << path;
    }

    void StartGame()
    {
        game = std::make_unique<Game>();
        ASSERT_TRUE(WaitFor([&] {
            window = Shell("xdotool search --onlyvisible --name '^Tavrin$'");
            return !window.empty();
        })) << "no game window";
        window = window.substr(0, window.find('\n'));
        ASSERT_TRUE(WaitFor([&] { return Pixel(290, 100) == kBackground; })) << "never painted";
        Shell("xdotool windowfocus " + window + " mousemove " + std::to_string(kLeft + 290) + " "
            + std::to_string(kTop + 100));
    }

    QColor Pixel(int x, int y) const { return Shot().At(kLeft + x, kTop + y); }

    void Click(int x, int y)
    {
        std::ostringstream command;
        command << "xdotool mousemove " << kLeft + x << " " << kTop + y << " click 1";
        Shell(command.str());
    }

    void ClickCell(int cell)
    {
        const Spot s = Cell(0, cell);
        Click(s.x, s.y);
    }

    void Key(const std::string& keys) { Shell("xdotool key " + keys); }

    static bool Placed(const Shot& shot, int board, int cell)
    {
        const Spot s = Cell(board, cell);
        return shot.At(kLeft + s.x - 22, kTop + s.y) == kPlacedGround;
    }

    static int PlacedCount(const Shot& shot, int board)
    {
        int count = 0;
        for (int cell = 0; cell < 19; cell++)
            count += Placed(shot, board, cell);
        return count;
    }

    // A preview shows a stripe below the centre on the grey ground.
    bool PreviewOn(int cell) const
    {
        const Shot shot;
        const Spot s = Cell(0, cell);
        return shot.At(kLeft + s.x - 22, kTop + s.y) == kEmptyGround
            && shot.At(kLeft + s.x, kTop + s.y + 20) != kEmptyGround;
    }

    bool EmptyCell(int cell) const
    {
        const Shot shot;
        const Spot s = Cell(0, cell);
        return shot.At(kLeft + s.x, kTop + s.y + 20) == kEmptyGround;
    }

    bool TileOnOffer() const { return Pixel(290 - 22, 300) == kPlacedGround; }
    bool OfferSpotEmpty() const { return Pixel(290 - 22, 300) == kBackground; }

    int FreeCell(int skip = -1) const
    {
        const Shot shot;
        for (int cell = 0; cell < 19; cell++) {
            if (cell != skip && !Placed(shot, 0, cell))
                return cell;
        }
        return -1;
    }

    // Text on a light ground: many light pixels and some dark ones.
    static bool ShowsText(const Shot& shot, QRect area)
    {
        int light = 0, dark = 0;
        for (int y = area.top(); y <= area.bottom(); y++) {
            for (int x = area.left(); x <= area.right(); x++) {
                const int value = shot.At(x, y).value();
                light += value > 200;
                dark += value < 80;
            }
        }
        return light > area.width() * area.height() / 2 && dark > 50;
    }

    // Dark pixels in the result message's place between the lowest cells.
    bool ResultShown() const
    {
        const Shot shot;
        for (int y = 305; y <= 332; y++) {
            for (int x = 200; x <= 380; x++) {
                if (shot.At(kLeft + x, kTop + y).value() < 100)
                    return true;
            }
        }
        return false;
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
};

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
        std::string about;
        ASSERT_TRUE(WaitFor([&] {
            about = Shell("xdotool search --onlyvisible --name '^Tavrin 1.0$'");
            return !about.empty();
        })) << "no about box";
        about = about.substr(0, about.find('\n'));
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

        Shell("xdotool windowfocus " + about);
        Key("Return"); // presses the only button, "Yep .."
        ASSERT_TRUE(WaitFor([&] {
            return Shell("xdotool search --onlyvisible --name '^Tavrin 1.0$'").empty();
        })) << "the about box stayed";
        EXPECT_TRUE(WaitFor([&] { return Shot().Image().copy(kLeft, kTop, 581, 341) == before; }))
            << "the game changed";
        Shell("xdotool windowfocus " + window);
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
    std::string about;
    ASSERT_TRUE(WaitFor([&] {
        about = Shell("xdotool search --onlyvisible --name '^Tavrin 1.0$'");
        return !about.empty();
    }));
    about = about.substr(0, about.find('\n'));
    // The modal box holds back both the shortcut and the close request.
    Key("ctrl+q");
    CloseLikeAWindowManager(std::stoul(window));
    int status = -1;
    EXPECT_FALSE(game->WaitExit(&status, std::chrono::milliseconds(500)));
    Shell("xdotool windowfocus " + about);
    Key("Return");
    ASSERT_TRUE(WaitFor(
        [&] { return Shell("xdotool search --onlyvisible --name '^Tavrin 1.0$'").empty(); }));
    Shell("xdotool windowfocus " + window);
    CloseLikeAWindowManager(std::stoul(window));
    ExpectCleanExit();
}

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

class ServerEnvironment : public testing::Environment {
public:
    void SetUp() override { ASSERT_TRUE(StartServer()) << "Xvfb did not start"; }
    void TearDown() override { StopServer(); }
};

} // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new ServerEnvironment);
    return RUN_ALL_TESTS();
}
