#pragma once

#include "data/sealing/sealedlist.h"

#include <string>
#include <string_view>

// Writes the C++ source of a sealed list (data/sealedrecords.h): its salt and work factor, per
// record its tag and its sealed name and score as constant bytes, in the list's tag order, and
// the two loading functions as a straight run of one pointer assignment per record. Nothing of
// the four fields is in it; it only writes what sealing made.
std::string sealedSource(const sealing::SealedList &list, std::string_view listName);
