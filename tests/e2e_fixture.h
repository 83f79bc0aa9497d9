#pragma once

// The built game in the tests' own X server: where things lie on the screen,
// real mouse clicks and key presses, and what the screen shows.

#include <gtest/gtest.h>

#include <QDir>
#include <QRect>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "tables.h"
#include "x_session.h"

using namespace xsession;

// Where the game's window content starts on the screen.
constexpr int kLeft = 100;
constexpr int kTop = 100;

// Where the player sees the five columns of the left board.
constexpr int kColumnX[5] = {43, 94, 145, 196, 247};

struct Spot {
    int x, y;
};

// The centre of a cell of the left (0) or right (1) board, in the window.
inline Spot Cell(int board, int cell)
{
    const int column = (kCellGrid[cell][0] + 6) / 3;
    return {kColumnX[column] + 290 * board, 180 + 30 * kCellGrid[cell][1]};
}

inline const QColor kBackground(200, 200, 200);
inline const QColor kEmptyGround(100, 100, 100);
inline const QColor kPlacedGround(0, 0, 0);

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

    void StartGame(const Environment& changes = {})
    {
        game = std::make_unique<Game>(changes);
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

    // The about boxes on screen.
    static std::vector<std::string> AboutBoxes()
    {
        std::istringstream ids(Shell("xdotool search --onlyvisible --name '^Tavrin 1.0$'"));
        std::vector<std::string> boxes;
        for (std::string id; std::getline(ids, id);)
            boxes.push_back(id);
        return boxes;
    }

    // Waits for an about box to show and returns its window; empty if none did.
    static std::string WaitForAboutBox()
    {
        std::vector<std::string> boxes;
        WaitFor([&] { return !(boxes = AboutBoxes()).empty(); });
        return boxes.empty() ? "" : boxes.front();
    }

    // Presses the about box's only button with the keyboard.
    void DismissAboutBox(const std::string& about)
    {
        Shell("xdotool windowfocus " + about);
        Key("Return");
        ASSERT_TRUE(WaitFor([] { return AboutBoxes().empty(); })) << "the about box stayed";
        Shell("xdotool windowfocus " + window);
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
