#include "OS.h"

#include <ctime>

uint32 real_time_clock()
{
    return uint32(std::time(nullptr));
}
