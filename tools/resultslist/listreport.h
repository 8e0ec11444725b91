#pragma once

#include "resultslistparser.h"

#include <string>
#include <string_view>
#include <vector>

// The Chinese lines that every tool reading a results list prints about it, so that the table
// builder and the packer say the same things in the same words. The list is named as the tool
// shows it (its path, as typed); columns are named as the list's own header names them. Each
// problem says what is wrong and what to do in Excel, naming Excel's menus as a Chinese Excel
// does. Printing the lines is the tool's.
namespace listreport {

// Enough lines to see the pattern of a wholesale mistake without scrolling away the build log.
inline constexpr std::size_t maxLines = 50;

// How an accepted list was read (records, encoding, separator, the header's line, the columns
// used, fields trimmed), then one line per warning.
std::vector<std::string> summaryLines(std::string_view listName, const ParsedResultsList &list);

// One line per problem, at most maxLines in all. A kind of problem that recurs in one column is
// one line (lines 2–1118, 1117 times, what it is and what to do), then its first few lines.
std::vector<std::string> problemLines(std::string_view listName, const ParsedResultsList &list);

} // namespace listreport
