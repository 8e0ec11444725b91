#pragma once

#include <cstdio>
#include <cstdlib>

// What the fuzz targets share: a broken property named on stderr, then an abort that libFuzzer
// reports as a crash with the input that caused it.
inline void require(bool holds, const char *property)
{
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}
