#pragma once

class BPoint {
public:
    float x = 0;
    float y = 0;

    constexpr BPoint() = default;
    constexpr BPoint(float px, float py)
        : x(px)
        , y(py)
    {
    }
};

inline constexpr BPoint B_ORIGIN(0, 0);
