// What the fuzz targets share: a check that stops the run with its reason.
#pragma once

#include <cstdio>
#include <cstdlib>

// abort() rather than an exception: libFuzzer then keeps the input that did it.
#define FUZZ_CHECK(condition)                                                                  \
    ((condition)                                                                               \
         ? void()                                                                              \
         : (std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition), \
            std::abort()))
