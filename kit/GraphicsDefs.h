#pragma once

#include "SupportDefs.h"

struct rgb_color {
    uint8 red;
    uint8 green;
    uint8 blue;
    uint8 alpha;
};

struct pattern {
    uint8 data[8];
};

// The only pattern offered: every pixel in the high colour.
inline constexpr pattern B_SOLID_HIGH = {{0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff}};

enum drawing_mode {
    B_OP_COPY = 0,
    B_OP_OVER = 1,
};
