// What a fuzz target asserts: a check that fails ends the run the way libFuzzer reports.
#pragma once
#include <cstdlib>

inline void Check(bool condition) {
    if (!condition) std::abort();
}
