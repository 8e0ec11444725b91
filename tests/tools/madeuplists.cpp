#include "madeuplists.h"

namespace madeuplists {

namespace {

std::string utf8(char32_t c)
{
    if (c < 0x80) {
        return std::string(1, static_cast<char>(c));
    }
    if (c < 0x800) {
        return {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
    }
    return {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
        static_cast<char>(0x80 | (c & 0x3F))};
}

// ISO 7064 MOD 11-2 in its recursive form, independent of the builder's weight table.
char checkCharacter(const std::string &digits)
{
    int p = 0;
    for (const char c : digits) {
        p = ((p + (c - '0')) * 2) % 11;
    }
    const int check = (12 - p) % 11;
    return check == 10 ? 'X' : static_cast<char>('0' + check);
}

std::string withLine(int lineNumber, const std::string &line)
{
    std::vector<std::string> lines = validLines();
    lines[static_cast<std::size_t>(lineNumber - 1)] = line;
    return joined(lines);
}

std::string withFieldBytes(int n, std::size_t fieldIndex, const std::string &bytes)
{
    const Record record = validRecord(n);
    std::vector<std::string> fields {record.sfzh, record.zkzh, record.xm, record.cj};
    fields[fieldIndex] = bytes;
    return withLine(n + 1, recordLine({fields[0], fields[1], fields[2], fields[3]}));
}

} // namespace

Record validRecord(int n)
{
    static const std::string fractions[] = {"", ".5", ".25", ".05"};
    if (n == 1) {
        return {"11010519491231002X", "10100010001", utf8(0x4E00) + utf8(0x9FA5), "99.99"};
    }
    const std::string digits = std::to_string(11010519000000000LL + n * 7919LL);
    std::string xm;
    const int length = n == 2 ? 4 : 2 + n % 2;
    for (int k = 0; k < length; ++k) {
        xm += utf8(static_cast<char32_t>(0x4E00 + (n * 37 + k * 101) % 0x51A6));
    }
    const std::string cj = n % 9 == 0 ? "缺考" : std::to_string(10 + n % 90) + fractions[n % 4];
    return {digits + checkCharacter(digits), std::to_string(10100010000LL + n), xm, cj};
}

std::string recordLine(const Record &r)
{
    return r.sfzh + '\t' + r.zkzh + '\t' + r.xm + '\t' + r.cj;
}

std::vector<std::string> validLines()
{
    std::vector<std::string> lines = {"sfzh\tzkzh\txm\tcj"};
    for (int n = 1; n <= ResultTable::lastRecord; ++n) {
        lines.push_back(recordLine(validRecord(n)));
    }
    return lines;
}

std::string joined(const std::vector<std::string> &lines)
{
    std::string contents;
    for (const std::string &line : lines) {
        contents += line + '\n';
    }
    return contents;
}

std::string withField(int n, std::string Record::*field, const std::string &value)
{
    Record record = validRecord(n);
    record.*field = value;
    return withLine(n + 1, recordLine(record));
}

std::vector<BrokenList> brokenLists()
{
    std::vector<BrokenList> lists;
    std::vector<std::string> lines = validLines();

    lists.push_back({"unknown header", withLine(1, "sfzh\tzkzh\txm\tscore"), 1, "",
        "no column for cj (named cj, 成绩, 笔试成绩); found \"sfzh\", \"zkzh\", \"xm\", "
        "\"score\""});
    lists.push_back({"column named twice", withLine(1, "身份证号\tzkzh\txm\tcj\t证件号码"), 1, "",
        "sfzh is named twice, by \"身份证号\" in column 1 and by \"证件号码\" in column 5"});
    lists.push_back({"empty list", {}, 1, "", "the list is empty"});
    lists.push_back({"lone carriage return",
        withLine(7,
            validRecord(6).sfzh + "\r\t" + validRecord(6).zkzh + '\t' + validRecord(6).xm + '\t'
                + validRecord(6).cj),
        7, "", "carriage return without a line feed"});
    lists.push_back({"UTF-16", std::string("\xFF\xFEs\0f\0z\0h\0", 10), 1, "",
        "the file is UTF-16 (Excel's \"Unicode Text\"), which is not read. In Excel, open the "
        "sheet and save it again as \"CSV UTF-8 (Comma delimited)\""});
    lists.push_back({"neither UTF-8 nor GB18030", withFieldBytes(20, 2, "\xFF\xFE"), 21, "",
        "neither UTF-8 nor GB18030"});

    lines.pop_back();
    lists.push_back({"1116 records", joined(lines), 1117, "",
        "exactly 1117 records after its header, found 1116"});
    lines = validLines();
    lines.push_back(recordLine(validRecord(ResultTable::lastRecord + 1)));
    lists.push_back({"1118 records", joined(lines), 1119, "", "found 1118"});

    const std::string line4 = recordLine(validRecord(3));
    lists.push_back({"5 fields", withLine(4, line4 + "\t1"), 4, "",
        "must have 4 tab-separated fields like the header, found 5"});
    lists.push_back(
        {"3 fields", withLine(4, line4.substr(0, line4.rfind('\t'))), 4, "", "found 3"});
    lists.push_back({"empty line", withLine(9, {}), 9, "", "found 1"});

    lists.push_back(
        {"empty field", withField(5, &Record::zkzh, {}), 6, "zkzh", "must not be empty"});
    lists.push_back({"ideographic space", withField(6, &Record::xm, "张\u3000三"), 7, "xm",
        "must not contain blanks, found U+3000"});
    lists.push_back({"inner space",
        withField(7, &Record::sfzh,
            validRecord(7).sfzh.substr(0, 6) + ' ' + validRecord(7).sfzh.substr(6)),
        8, "sfzh", "blanks, found U+0020 at character 7"});
    lists.push_back({"trailing no-break space", withField(7, &Record::cj, "60.5\u00A0"), 8, "cj",
        "blanks, found U+00A0"});
    lists.push_back({"space left after trimming",
        withField(7, &Record::sfzh, ' ' + validRecord(7).sfzh.substr(0, 17)), 8, "sfzh",
        "must be 18 characters"});
    lists.push_back({"no-break space", withField(7, &Record::zkzh, "1010001\u00A00007"), 8, "zkzh",
        "blanks, found U+00A0"});

    std::string sfzh = validRecord(8).sfzh;
    sfzh[17] = sfzh[17] == '1' ? '2' : '1';
    lists.push_back({"bad check character", withField(8, &Record::sfzh, sfzh), 9, "sfzh",
        std::string("the check character must be \"") + validRecord(8).sfzh.back()
            + "\" by ISO 7064 MOD 11-2"});
    lists.push_back({"lower-case x", withField(1, &Record::sfzh, "11010519491231002x"), 2, "sfzh",
        "an ASCII digit or an upper-case \"X\", found \"11010519491231002x\""});
    lists.push_back({"X not last", withField(1, &Record::sfzh, "1101051949123100X2"), 2, "sfzh",
        "first 17 characters must be ASCII digits"});
    lists.push_back({"17 characters", withField(1, &Record::sfzh, "1101051949123100X"), 2, "sfzh",
        "must be 18 characters"});

    lists.push_back({"9-digit ticket", withField(10, &Record::zkzh, "101000100"), 11, "zkzh",
        "must be 11 ASCII digits, found \"101000100\""});
    lists.push_back({"full-width digit", withField(10, &Record::zkzh, "1010001001１"), 11, "zkzh",
        "must be 11 ASCII digits"});
    lists.push_back({"duplicate sfzh", withField(10, &Record::sfzh, validRecord(3).sfzh), 11,
        "sfzh", "is already on line 4; ID-card numbers"});
    lists.push_back({"duplicate zkzh", withField(12, &Record::zkzh, validRecord(2).zkzh), 13,
        "zkzh", "is already on line 3; ticket numbers"});

    lists.push_back({"Latin letter", withField(20, &Record::xm, "张A"), 21, "xm",
        "U+4E00 to U+9FA5, found U+0041"});
    lists.push_back({"middle dot", withField(20, &Record::xm, "阿·木"), 21, "xm", "found U+00B7"});
    lists.push_back(
        {"beyond U+9FA5", withField(20, &Record::xm, "张\u9FA6"), 21, "xm", "found U+9FA6"});
    lists.push_back({"5-char name", withField(20, &Record::xm, "欧阳小明明"), 21, "xm",
        "must be 2 to 4 characters, found 5"});
    lists.push_back({"1-char name", withField(20, &Record::xm, "张"), 21, "xm", "found 1"});
    lists.push_back({"BOM in a field", withFieldBytes(20, 0, "\xEF\xBB\xBF" + validRecord(20).sfzh),
        21, "sfzh", "must be 18 characters"});

    const std::string wholePart = "whole part is 10 to 99 without a leading zero";
    const std::string fraction = "fractional part must be 1 or 2 ASCII digits, the last not 0";
    for (const char *score : {"05", "9.5", "100", "缺"}) {
        lists.push_back({std::string("score ") + score, withField(30, &Record::cj, score), 31, "cj",
            wholePart});
    }
    for (const char *score : {"60.", "60.125"}) {
        lists.push_back(
            {std::string("score ") + score, withField(30, &Record::cj, score), 31, "cj", fraction});
    }

    // The damage Excel does to numbers, each named with what to do in Excel.
    for (const DamagedNumber &damage : damagedNumbers()) {
        lists.push_back({damage.name, withField(damage.n, damage.field, damage.value), damage.n + 1,
            damage.fieldName, damage.rule});
    }
    return lists;
}

std::vector<DamagedNumber> damagedNumbers()
{
    const std::string asText = "set the column's format to Text and enter the numbers again";
    // An ID-card number of record n whose last three digits became zeros, if its check
    // character is then wrong.
    int zeroed = 40;
    std::string sfzh;
    for (;; ++zeroed) {
        sfzh = validRecord(zeroed).sfzh.substr(0, 15) + "000";
        if (checkCharacter(sfzh.substr(0, 17)) != '0') {
            break;
        }
    }
    return {
        {"ID in scientific notation", 41, &Record::sfzh, "sfzh", "1.10105E+17",
            "an ID-card number in scientific notation, found \"1.10105E+17\": Excel took the "
            "column for numbers. In Excel, "
                + asText},
        {"ID ending in zeros", zeroed, &Record::sfzh, "sfzh", sfzh,
            "an ID-card number whose last digits were turned to zeros, found \"" + sfzh
                + "\": Excel took the column for numbers and keeps only 15 digits of a number. In "
                  "Excel, "
                + asText},
        {"ticket in scientific notation", 60, &Record::zkzh, "zkzh", "1.01E+10",
            "a ticket number in scientific notation, found \"1.01E+10\": Excel took the column "
            "for numbers. In Excel, "
                + asText},
        {"ticket without its leading zero", 70, &Record::zkzh, "zkzh", "1010001070",
            "a ticket number of 10 digits where 11 are expected, found \"1010001070\": Excel "
            "took the column for numbers and dropped the leading zero. In Excel, set the column's "
            "format to Custom \"00000000000\""},
        {"score with trailing zeros", 80, &Record::cj, "cj", "60.50",
            "a score with trailing zeros, found \"60.50\": the column's format has a fixed "
            "number of decimal places. In Excel, set the column's format to General"},
        {"score with a decimal comma", 90, &Record::cj, "cj", "60,5",
            "a score with a comma as decimal separator, found \"60,5\": Excel wrote the number "
            "as Windows' regional settings show it. In Excel, under File > Options > Advanced, "
            "clear \"Use system separators\""},
    };
}

} // namespace madeuplists
