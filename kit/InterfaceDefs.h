#pragma once

// The bytes KeyDown() receives for keys that type no character.
enum {
    B_TAB = 0x09,
    B_RETURN = 0x0a,
    B_ENTER = 0x0a,
    B_ESCAPE = 0x1b,
    B_LEFT_ARROW = 0x1c,
    B_RIGHT_ARROW = 0x1d,
    B_UP_ARROW = 0x1e,
    B_DOWN_ARROW = 0x1f,
    B_SPACE = 0x20,
};
