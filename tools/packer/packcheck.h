#pragma once

#include "data/sealing/sealedlist.h"

#include <filesystem>
#include <span>

// The packer's check of what it wrote: the new program read back from its file, its area found
// and its payload read as the program will read it, and a handful of records looked up through
// the program's own sealed lookup, each with its own pair: the first, the last and three in
// between of the list. A crossed pair (the first one's ID-card number with the last one's ticket
// number) must miss.
bool packedProgramOpens(
    const std::filesystem::path &program, std::span<const sealing::PlainRecord> records);
