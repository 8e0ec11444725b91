#pragma once

#include "data/sealedtable.h"

// The records of the results list, sealed by the table builder (tablebuilder --seal) and
// compiled into the program as constant bytes. Loading is split as in the plain build
// (data/builtinrecords.h); each function assigns one pointer per record in ascending order.

// The list's salt and work factor, then records 501 to 1117.
void assignRecords501To1117(SealedTable &table);
// Records 1 to 500.
void assignRecords1To500(SealedTable &table);
