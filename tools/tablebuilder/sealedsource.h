#pragma once

#include "tools/resultslist/resultslistparser.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Writes the C++ source of a sealed table (data/sealedrecords.h): per record its tag and its
// sealed name and score as constant bytes, nothing of the four fields in the clear, and the two
// loading functions as a straight run of one pointer assignment per record. The salt comes from
// the records themselves, so the same list always gives the same source. The key derivations
// run on every core of the machine. It expects records that parseResultsList accepted.
std::string sealedSource(
    const std::vector<ResultRecord> &records, std::string_view listName, std::uint32_t iterations);
