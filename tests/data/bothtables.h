#pragma once

#include "data/builtinrecords.h"
#include "data/sealedrecords.h"

// One list filled into the plain table and into a sealed one, each by the program's two stages,
// so that a test or a benchmark can read in the plain table what the sealed one must open.
struct BothTables
{
    ResultTable plain;
    SealedTable sealed;

    BothTables()
    {
        assignRecords501To1117(plain);
        assignRecords1To500(plain);
        assignRecords501To1117(sealed);
        assignRecords1To500(sealed);
    }
};
