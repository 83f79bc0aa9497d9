#include "fakerand.h"

#include <cstdlib>
#include <deque>

namespace {

std::deque<int> gQueue;
unsigned gState = 1;

} // namespace

extern "C" int rand() noexcept
{
    if (!gQueue.empty()) {
        const int result = gQueue.front();
        gQueue.pop_front();
        return result;
    }
    gState = gState * 1103515245u + 12345u;
    return int((gState >> 1) & 0x7fffffff);
}

namespace fakerand {

void Queue(std::initializer_list<int> results)
{
    for (int r : results)
        gQueue.push_back(r);
}

void Push(int result)
{
    gQueue.push_back(result);
}

void Reset(unsigned seed)
{
    gQueue.clear();
    gState = seed;
}

} // namespace fakerand
