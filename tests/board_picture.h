#pragma once

// What a picture of the screen shows of the board view, as a player sees it:
// which cells hold tiles, where a preview stands, whether a tile is on offer
// and whether the result shows. The picture may come from X or Wayland, with
// the view anywhere on it.

#include <QColor>
#include <QImage>
#include <QPoint>

#include "colors.h"
#include "geometry.h"
#include "ink.h"
#include "tavwindow.h"

// The colours of the view's table, as pixels show them.
inline QColor ToQColor(const ColorEntry& entry)
{
    return QColor(entry.red, entry.green, entry.blue);
}

inline const QColor kBackground = ToQColor(kBackgroundColor);
inline const QColor kEmptyGround = ToQColor(kEmptyCellColor);
inline const QColor kPlacedGround = ToQColor(kPlacedTileColor);
inline const QColor kOutline = ToQColor(kNumberColor[0]);

class BoardPicture {
public:
    // The view's top left corner lies at the origin of the picture.
    BoardPicture(QImage image, QPoint origin)
        : fImage(std::move(image))
        , fOrigin(origin)
    {
    }

    // Finds the view by the rows under its menu bar, which are background
    // from edge to edge; Found() is false where there is none.
    static BoardPicture Find(const QImage& image)
    {
        const int width = kViewBounds.right + 1;
        for (int y = 0; y < image.height(); y++) {
            int run = 0;
            for (int x = 0; x < image.width(); x++) {
                run = image.pixelColor(x, y) == kBackground ? run + 1 : 0;
                if (run == width)
                    return BoardPicture(
                        image, QPoint(x - width + 1, y - int(kMenuBarFrame.bottom) - 1));
            }
        }
        return BoardPicture(image, QPoint(-1, -1));
    }

    bool Found() const { return fOrigin.x() >= 0; }
    const QImage& Image() const { return fImage; }

    // A pixel of the view.
    QColor At(int x, int y) const { return fImage.pixelColor(fOrigin.x() + x, fOrigin.y() + y); }

    // Left of the centre the ground shows beside the stripes and numbers.
    QColor Ground(Board board, int cell) const
    {
        const CellPoint c = CellCenter(board, cell);
        return At(c.x - 22, c.y);
    }
    bool Placed(Board board, int cell) const { return Ground(board, cell) == kPlacedGround; }

    int PlacedCount(Board board) const
    {
        int count = 0;
        for (int cell = 0; cell < kCellCount; cell++)
            count += Placed(board, cell);
        return count;
    }

    // A preview is a tile on the empty cell's grey ground, with its vertical
    // stripe below the centre.
    bool PreviewOn(int cell) const
    {
        const CellPoint c = CellCenter(Board::Player, cell);
        return Ground(Board::Player, cell) == kEmptyGround && At(c.x, c.y + 20) != kEmptyGround;
    }

    bool Empty(Board board, int cell) const
    {
        const CellPoint c = CellCenter(board, cell);
        return At(c.x, c.y + 20) == kEmptyGround && Ground(board, cell) == kEmptyGround;
    }

    // The keyboard's cursor marks the corners of its cell in white.
    bool CursorOn(Board board, int cell) const
    {
        const CellPoint c = CellCenter(board, cell);
        return At(c.x - kCursorHalfWidth, c.y) == QColor(255, 255, 255);
    }

    bool TileOnOffer() const { return At(kOfferSpot.x - 22, kOfferSpot.y) == kPlacedGround; }
    bool OfferSpotEmpty() const { return At(kOfferSpot.x - 22, kOfferSpot.y) == kBackground; }

    // Dark text where the result message stands, between the lowest cells.
    bool ResultShown() const
    {
        const QRect between(fOrigin.x() + 200, fOrigin.y() + 305, 181, 28);
        return !FindInk(fImage, between, 100).Empty();
    }

    // A new game: 38 empty cells, a tile on offer and background between.
    bool ShowsANewGame() const
    {
        for (Board board : {Board::Player, Board::Computer}) {
            for (int cell = 0; cell < kCellCount; cell++) {
                if (!Empty(board, cell))
                    return false;
            }
        }
        return TileOnOffer() && At(kOfferSpot.x, 100) == kBackground;
    }

    // The first free cell of the player's board but one; -1 when none is.
    int FreeCell(int skip = -1) const
    {
        for (int cell = 0; cell < kCellCount; cell++) {
            if (cell != skip && !Placed(Board::Player, cell))
                return cell;
        }
        return -1;
    }

private:
    QImage fImage;
    QPoint fOrigin;
};
