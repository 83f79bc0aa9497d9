#pragma once

#include "SupportDefs.h"

// A message is a command code; the game sends no data with it.
class BMessage {
public:
    uint32 what;

    explicit BMessage(uint32 code)
        : what(code)
    {
    }
};
