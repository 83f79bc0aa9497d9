#pragma once

#include "SupportDefs.h"

// Asks a looper to quit: an application asks each of its windows first.
inline constexpr uint32 B_QUIT_REQUESTED = '_QRQ';
