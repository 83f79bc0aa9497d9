#pragma once

// A board view in a window of its own, recording the painting calls it makes,
// with clicks delivered as real mouse events.

#include <gtest/gtest.h>

#include <QMouseEvent>

#include <vector>

#include <Window.h>

#include "fakerand.h"
#include "gui_support.h"
#include "tavview.h"
#include "tavwindow.h"

struct PaintCall {
    enum Kind { Tile, Score } kind;
    int x, y, value;
    bool flag; // placed for a tile, alignRight for a score

    bool operator==(const PaintCall&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const PaintCall& call)
{
    return out << (call.kind == PaintCall::Tile ? "Tile(" : "Score(") << call.x << "," << call.y
               << "," << call.value << "," << call.flag << ")";
}

inline PaintCall TileCall(CellPoint p, int tile, bool placed)
{
    return {PaintCall::Tile, p.x, p.y, tile, placed};
}

inline PaintCall ScoreCall(CellPoint p, int value, bool alignRight)
{
    return {PaintCall::Score, p.x, p.y, value, alignRight};
}

class RecordingView : public tavview {
public:
    using tavview::tavview;

    void DrawTile(int32 x, int32 y, int16 tile, bool placed) override
    {
        calls.push_back({PaintCall::Tile, x, y, tile, placed});
        tavview::DrawTile(x, y, tile, placed);
    }
    void DrawScore(int32 value, int32 x, int32 y, bool alignRight) override
    {
        calls.push_back({PaintCall::Score, x, y, value, alignRight});
        tavview::DrawScore(value, x, y, alignRight);
    }

    std::vector<PaintCall> calls;
};

class BoardTest : public testing::Test {
protected:
    void SetUp() override
    {
        fakerand::Reset(3);
        window = new BWindow(kWindowFrame, "board", B_TITLED_WINDOW, B_NOT_RESIZABLE);
        view = new RecordingView(kViewBounds, "myView");
        window->AddChild(view);
        view->SetViewColor(kViewColor);
        Pixels(view).Image(); // the first full Draw
        view->calls.clear();
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

    BWindow* window = nullptr;
    RecordingView* view = nullptr;
};
