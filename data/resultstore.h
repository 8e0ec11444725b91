#pragma once

#include "data/recordlookup.h"

// The result table the query window owns, chosen when the program is configured
// (RESULTS_SEALED): the plain table of constant text that chaxun scans, or the sealed one. Both
// are filled by the same two stages and asked through findRecord.
#ifdef RESULTS_SEALED_TABLE
#include "data/sealedrecords.h"
using ResultStore = SealedTable;
#else
#include "data/builtinrecords.h"
using ResultStore = ResultTable;
#endif
