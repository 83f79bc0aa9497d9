#pragma once

#include "SupportDefs.h"

// Whole seconds since 1970.
uint32 real_time_clock();
