#pragma once

#include "data/resulttable.h"

// The records of data/results.tsv, compiled into the program by the table builder as plain
// assignments of views of constant text: nothing is read, parsed or copied at run time. Loading is
// split where the record numbering splits it; each function assigns sfzh, zkzh, xm and cj of one
// record before moving on to the next, in ascending record order.

// Records 501 to 1117.
void assignRecords501To1117(ResultTable &table);
// Records 1 to 500.
void assignRecords1To500(ResultTable &table);
