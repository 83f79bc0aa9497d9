#pragma once

// A board view in a window of its own, with clicks delivered as real mouse
// events, and what its pictures show: where they differ from each other and
// from a full Draw of its record.

#include <gtest/gtest.h>

#include <QMouseEvent>

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <Window.h>

#include "board_picture.h"
#include "fakerand.h"
#include "gui_support.h"
#include "tavview.h"
#include "tavwindow.h"

// Where two pictures of the view differ, in view pixels; empty when they are
// the same.
inline std::string Difference(const QImage& shown, const QImage& expected)
{
    if (shown.size() != expected.size())
        return "the image changed its size";
    const qreal s = shown.devicePixelRatio();
    for (int y = 0; y < shown.height(); y++) {
        const QRgb* a = reinterpret_cast<const QRgb*>(shown.constScanLine(y));
        const QRgb* b = reinterpret_cast<const QRgb*>(expected.constScanLine(y));
        for (int x = 0; x < shown.width(); x++) {
            if (a[x] != b[x]) {
                std::ostringstream where;
                where << "view pixel (" << int(x / s) << ", " << int(y / s) << ") shows "
                      << std::hex << (a[x] & 0xffffff) << " for " << (b[x] & 0xffffff);
                return where.str();
            }
        }
    }
    return "";
}

// What a full Draw of a view's record, cursor and all, paints, on a view of
// its own. Draw paints every pixel it ever paints, so one such view serves
// for any number of comparisons.
class FullDraw {
public:
    FullDraw() { Pixels(fView).Image(); }
    ~FullDraw() { delete fWindow; }

    // Where the view differs from a full Draw of what it holds.
    std::string DifferenceFrom(const tavview* view)
    {
        static_cast<tavgame&>(*fView) = *view;
        fView->cursorCell = view->cursorCell;
        fView->cursorBoard = view->cursorBoard;
        fView->cursorShown = view->cursorShown;
        fView->Draw(BRect(0, 0, -1, -1));
        return Difference(Pixels(view).Image(), Pixels(fView).Image());
    }

private:
    tavwindow* fWindow = new tavwindow(kWindowFrame);
    tavview* fView = fWindow->boardView;
};

// The places of the view whose pixels differ between two pictures of it:
// "your 4" and "their 13" for cells, "middle" for the spot between the
// boards where the tile on offer or the result shows, "your score" and
// "their score". A changed pixel belongs to a score field it lies in, else to
// the nearest cell or the middle.
inline std::set<std::string> ChangedPlaces(const QImage& before, const QImage& after)
{
    struct Spot {
        std::string name;
        CellPoint centre;
    };
    std::vector<Spot> spots = {{"middle", kOfferSpot}};
    for (int c = 0; c < kCellCount; c++) {
        spots.push_back({"your " + std::to_string(c), CellCenter(Board::Player, c)});
        spots.push_back({"their " + std::to_string(c), CellCenter(Board::Computer, c)});
    }
    const auto inside = [](const ViewRect& r, int x, int y) {
        return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
    };
    const qreal s = before.devicePixelRatio();
    std::set<std::string> changed;
    for (int y = 0; y < before.height(); y++) {
        for (int x = 0; x < before.width(); x++) {
            if (before.pixel(x, y) == after.pixel(x, y))
                continue;
            const int vx = int(x / s), vy = int(y / s);
            if (inside(ScoreFrame(Board::Player), vx, vy)) {
                changed.insert("your score");
                continue;
            }
            if (inside(ScoreFrame(Board::Computer), vx, vy)) {
                changed.insert("their score");
                continue;
            }
            const auto distance = [&](const Spot& spot) {
                return std::hypot(spot.centre.x - vx, spot.centre.y - vy);
            };
            changed.insert(std::min_element(spots.begin(), spots.end(), [&](auto& a, auto& b) {
                return distance(a) < distance(b);
            })->name);
        }
    }
    return changed;
}

using Places = std::set<std::string>;

class BoardTest : public testing::Test {
protected:
    void SetUp() override
    {
        fakerand::Reset(3);
        window = new BWindow(kWindowFrame, "board", B_TITLED_WINDOW, B_NOT_RESIZABLE);
        view = new tavview(ToBRect(kViewBounds), "myView");
        window->AddChild(view);
        view->SetViewColor(ToRgb(kViewColor));
        Pixels(view).Image(); // the first full Draw
    }
    void TearDown() override { delete window; }

    void Click(double x, double y)
    {
        QWidget* widget = WidgetOf(view);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(x, y),
            widget->mapToGlobal(QPointF(x, y)), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &press);
    }

    void ClickCell(Board board, int cell, int dx = 0, int dy = 0)
    {
        const CellPoint c = CellCenter(board, cell);
        Click(c.x + dx, c.y + dy);
    }

    int FirstFreeCell() const
    {
        for (int c = 0; c < kCellCount; c++) {
            if (view->playerBoard[c] == 0)
                return c;
        }
        return -1;
    }

    // Previews and confirms the current tile on the first free cell.
    void PlayTurn()
    {
        const int cell = FirstFreeCell();
        ClickCell(Board::Player, cell);
        ClickCell(Board::Player, cell);
    }

    // Plays an input and returns the places it changed, checking that the
    // view then shows what a full Draw does.
    Places Changes(const std::function<void()>& input)
    {
        const QImage before = Pixels(view).Image();
        input();
        EXPECT_EQ(fullDraw.DifferenceFrom(view), "");
        return ChangedPlaces(before, Pixels(view).Image());
    }

    BWindow* window = nullptr;
    tavview* view = nullptr;
    FullDraw fullDraw;
};
