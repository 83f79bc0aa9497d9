#pragma once

#include <initializer_list>

// The test executables replace the C library's rand() at link time, so a test
// can dictate the tiles that are dealt.
namespace fakerand {

// Queues results for the next rand() calls; once they are used up, rand()
// falls back to a fixed pseudo-random sequence.
void Queue(std::initializer_list<int> results);
void Push(int result);
void Reset(unsigned seed = 1);

} // namespace fakerand
