#pragma once

// Ink on a picture of what the game shows: where the dark pixels of an area
// lie, and in how many groups its marks fall. Every test that looks for text
// or marks on the screen goes by these.

#include <QImage>
#include <QRect>

#include <algorithm>
#include <cstdlib>
#include <vector>

// The columns and rows of an area that hold ink; empty when none does.
struct InkBox {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
    bool Empty() const { return right < 0; }
    int Width() const { return right - left + 1; }
};

// Ink here is a pixel darker than the threshold.
inline InkBox FindInk(const QImage& image, QRect area, int threshold = 128)
{
    InkBox box;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); y++) {
        for (int x = area.left(); x <= area.right(); x++) {
            if (image.pixelColor(x, y).value() < threshold) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
        }
    }
    return box;
}

// The groups that the columns (or rows) of the area fall in by their ink,
// where fewer than gap plain ones lie between two of a group: the words of
// a menu bar, the lines of a text. Ink here is a pixel far from the colour
// of the area's first pixel, so it shows on any ground; a row holding less
// than an eighth of the most any row holds counts as plain, so that the
// descenders of one line and the ascenders of the next do not join them.
inline int InkGroups(const QImage& image, QRect area, bool columns, int gap)
{
    const int ground = image.pixelColor(area.topLeft()).value();
    const int count = columns ? area.width() : area.height();
    const int across = columns ? area.height() : area.width();
    std::vector<int> ink(size_t(std::max(count, 0)));
    for (int i = 0; i < count; i++) {
        for (int j = 0; j < across; j++) {
            const QPoint p = columns ? QPoint(area.left() + i, area.top() + j)
                                     : QPoint(area.left() + j, area.top() + i);
            ink[size_t(i)] += std::abs(image.pixelColor(p).value() - ground) > 40;
        }
    }
    const int least = std::max(1, *std::max_element(ink.begin(), ink.end()) / 8);
    int groups = 0, plain = gap;
    for (int amount : ink) {
        groups += amount >= least && plain >= gap;
        plain = amount >= least ? 0 : plain + 1;
    }
    return groups;
}
