#pragma once

#include <string>

// What is wrong with a results list, or worth a second look: one kind per cause, so that the
// tests and the reports tell problems apart by kind, not by their words.
enum class ProblemCode {
    // The file as a whole.
    utf16, // Excel's "Unicode Text"
    noGb18030, // not UTF-8, and the system has no GB18030
    notText, // text in neither encoding
    emptyList,
    crLineEnds, // an old Mac's line ends, CR alone
    loneCarriageReturn, // a CR without LF among lines that end with LF
    unclosedQuote,
    textAfterQuote,
    // The header.
    columnMissing,
    columnTwice,
    // A line.
    fieldCount,
    recordCount,
    notACandidate, // a total or note below the records
    // A value.
    emptyValue,
    blank,
    invisibleCharacter,
    sfzhLength,
    sfzhDigits,
    sfzhCheckCharacter,
    zkzhForm,
    xmCharacter,
    xmLength,
    cjWholePart,
    cjFraction,
    duplicate,
    // A value that Excel damaged.
    sfzhScientific,
    sfzhZeroedTail, // its check character fails, or too many in the column end in 000
    zkzhScientific,
    zkzhLeadingZero,
    cjTrailingZeros,
    cjDecimalComma,
    // Warnings: the list is accepted, but a person should look.
    sfzhEndsInZeros,
    cjNoFractions,
    cjSameDecimals,
};

// One problem or warning, at a line of the file (1 is the first) and in a column of the four
// (0 is sfzh, in the order of listColumns) or in the line as a whole (-1). A quoted line break
// makes the file's lines run ahead of the sheet's rows, so the row Excel shows is kept too. The
// detail is one line of Chinese UTF-8 naming the value; what to do about it belongs to the code
// (listreport.h).
struct ListProblem
{
    ProblemCode code = ProblemCode::notText;
    int line = 0;
    int row = 0;
    int column = -1;
    std::string detail;
};
