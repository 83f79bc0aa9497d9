#pragma once

#include "SupportDefs.h"

// A message is a command code; it carries no data.
class BMessage {
public:
    uint32 what;

    explicit BMessage(uint32 code)
        : what(code)
    {
    }
};
