#pragma once
// A broken property of a fuzz target is a finding like a crash: stop at once.

#include <cstdio>
#include <cstdlib>

#define FUZZ_REQUIRE(condition)                                                                    \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property broken: %s\n", #condition);                             \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
