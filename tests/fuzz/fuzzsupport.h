#pragma once

// What the fuzz targets share, written once.

#include <cstdio>
#include <cstdlib>

// Ends the run at a broken property, naming it, so that libFuzzer keeps the input.
inline void require(bool holds, const char *property)
{
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}
