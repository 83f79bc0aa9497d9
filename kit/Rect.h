#pragma once

#include "Point.h"

// A rectangle that includes both its left-top and its right-bottom edges:
// BRect(0, 0, 9, 9) covers 10 x 10 pixels and its Width() is 9.
class BRect {
public:
    float left = 0;
    float top = 0;
    float right = -1;
    float bottom = -1;

    constexpr BRect() = default;
    constexpr BRect(float l, float t, float r, float b)
        : left(l)
        , top(t)
        , right(r)
        , bottom(b)
    {
    }

    constexpr float Width() const { return right - left; }
    constexpr float Height() const { return bottom - top; }

    void OffsetTo(BPoint where)
    {
        right += where.x - left;
        bottom += where.y - top;
        left = where.x;
        top = where.y;
    }
};
