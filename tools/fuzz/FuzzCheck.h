// A broken promise of a reader stops the fuzzer at once, so that the input
// that broke it is kept.
#pragma once

#include <cstdlib>

inline void check(bool condition)
{
    if (!condition)
        std::abort();
}
