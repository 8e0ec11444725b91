#pragma once

#include "tools/resultslist/resultrecord.h"

#include <string>
#include <string_view>
#include <vector>

// Writes the C++ source that fills the result table. Each column's text is one constant char16_t
// array, the values end to end in record order, so that a lookup scanning a column reads memory
// in order. The two functions of data/builtinrecords.h are each a straight run of one assignment
// of a view into those arrays per element, record by record in the order sfzh, zkzh, xm, cj:
// filling the table copies no characters and allocates nothing. Every character outside
// printable ASCII is written as a \u escape, so the source compiles the same whatever the
// compiler takes the source character set to be. It expects records that parseResultsList
// accepted.
std::string recordsSource(const std::vector<ResultRecord> &records, std::string_view listName);
