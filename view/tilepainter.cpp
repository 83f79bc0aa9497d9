// Painting of one hexagonal cell: ground, three stripes, three outlined
// numbers and the outline, bottom to top.

#include "colors.h"
#include "tavview.h"

namespace {

struct Offset {
    int32 dx;
    int32 dy;
};

// Each stripe joins the midpoints of two opposite edges, along the direction
// of the lines it scores in.
constexpr Offset kStripeFrom[3] = {{-25, 15}, {0, 30}, {-25, -15}};
constexpr Offset kStripeTo[3] = {{25, -15}, {0, -30}, {25, 15}};
constexpr Offset kNumberAnchor[3] = {{-17, 10}, {0, -21}, {17, 10}};

BPoint At(int32 x, int32 y, Offset offset)
{
    return BPoint(float(x + offset.dx), float(y + offset.dy));
}

} // namespace

// Flat-topped: the top and bottom edges are half the width long.
void tavview::HexagonCorners(int32 x, int32 y, int32 halfWidth, int32 halfHeight, BPoint* corners)
{
    const int32 w = halfWidth, h = halfHeight;
    const Offset offsets[6] = {{-w, 0}, {-w / 2, -h}, {w / 2, -h}, {w, 0}, {w / 2, h}, {-w / 2, h}};
    for (int i = 0; i < 6; i++)
        corners[i] = At(x, y, offsets[i]);
}

void tavview::DrawTile(int32 x, int32 y, int16 tile, bool placed)
{
    BPoint corners[6];
    HexagonCorners(x, y, kHexHalfWidth, kHexHalfHeight, corners);
    SetHighColor(ToRgb(placed ? kPlacedTileColor : kEmptyCellColor));
    FillPolygon(corners, 6, B_SOLID_HIGH);

    if (tile != 0) {
        SetPenSize(3.0);
        SetDrawingMode(B_OP_COPY);
        for (int d = 0; d < 3; d++) {
            SetHighColor(ToRgb(kNumberColor[kTileNumbers[tile][d]]));
            StrokeLine(At(x, y, kStripeFrom[d]), At(x, y, kStripeTo[d]), B_SOLID_HIGH);
        }
        SetFontSize(18.0);
        for (int d = 0; d < 3; d++)
            DrawNumber(kTileNumbers[tile][d], At(x, y, kNumberAnchor[d]));
    }

    SetPenSize(1.0);
    SetHighColor(ToRgb(kNumberColor[0]));
    StrokePolygon(corners, 6, true, B_SOLID_HIGH);
}

// A white number with a one-pixel rim, made of eight shifted copies in the
// halo colour under the face. The font size is the caller's.
void tavview::DrawNumber(int number, BPoint anchor)
{
    SetDrawingMode(B_OP_OVER);
    SetHighColor(ToRgb(kEmptyCellColor));
    const char* text = kDigitText[number];
    const float left = anchor.x - StringWidth(text) / 2;
    const float baseline = anchor.y + 8;
    for (int dx = -1; dx <= 1; dx++) {
        for (int dy = -1; dy <= 1; dy++)
            DrawString(text, BPoint(left + dx, baseline + dy), nullptr);
    }
    SetHighColor(ToRgb(kDigitColor));
    DrawString(text, BPoint(left, baseline), nullptr);
}
