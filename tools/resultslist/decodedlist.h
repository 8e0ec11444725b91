#pragma once

#include "listproblem.h"

#include <optional>
#include <string>
#include <string_view>

// The results list as text. Excel saves "CSV UTF-8" with a byte order mark and plain "CSV" in
// the system's code page, GB18030 on a Chinese Windows; a list that is valid UTF-8 (after an
// optional BOM) is read as UTF-8, anything else as GB18030. Line feeds are single bytes in both,
// so line numbers are the same in the bytes and in the text. Splitting the text into fields is
// not done here.
struct DecodedList
{
    std::u32string text; // without the byte order mark
    std::string encoding; // "UTF-8", "UTF-8（带 BOM）" or "GB18030"; empty when neither
    int firstLineNotUtf8 = 0; // for GB18030: the line where reading it as UTF-8 failed
    std::optional<ListProblem> problem; // when the bytes are text in neither encoding
};

DecodedList decodeList(std::string_view bytes);
