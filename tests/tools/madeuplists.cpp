#include "madeuplists.h"

#include <cstdlib>
#include <fstream>
#include <iconv.h>
#include <iterator>

#ifndef _WIN32
#include <sys/wait.h>
#endif

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

// Record n's ID-card number with its last three digits turned to zeros, as Excel leaves a number
// it cut to 15 digits; fits tells whether its check character (then "0") is still right.
std::string zeroedId(int n)
{
    return validRecord(n).sfzh.substr(0, 15) + "000";
}

bool zeroedIdFits(int n)
{
    return checkCharacter(zeroedId(n).substr(0, 17)) == '0';
}

// The valid list with count ID-card numbers ending in 000 whose check characters fit, from
// record 100 on.
std::string withIdsEndingInZeros(int count)
{
    std::vector<std::string> lines = validLines();
    for (int n = 100; count > 0; ++n) {
        if (zeroedIdFits(n)) {
            Record record = validRecord(n);
            record.sfzh = zeroedId(n);
            lines[static_cast<std::size_t>(n)] = recordLine(record);
            --count;
        }
    }
    return joined(lines);
}

int firstZeroedIdThatFits()
{
    int n = 100;
    while (!zeroedIdFits(n)) {
        ++n;
    }
    return n;
}

// The valid list with every score replaced by score(n), "缺考" kept.
std::string withScores(std::string (*score)(int))
{
    std::vector<std::string> lines = validLines();
    for (int n = 1; n <= ResultTable::lastRecord; ++n) {
        Record record = validRecord(n);
        record.cj = record.cj == "缺考" ? record.cj : score(n);
        lines[static_cast<std::size_t>(n)] = recordLine(record);
    }
    return joined(lines);
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

std::vector<ListCase> brokenLists()
{
    using enum ProblemCode;
    std::vector<ListCase> lists;
    std::vector<std::string> lines = validLines();

    lists.push_back({"unknown header", withLine(1, "sfzh\tzkzh\txm\tscore"), columnMissing, 1});
    lists.push_back(
        {"column named twice", withLine(1, "身份证号\tzkzh\txm\tcj\t证件号码"), columnTwice, 1});
    lines.insert(lines.begin(), 5, "2020年笔试成绩");
    lists.push_back({"header on line 6", joined(lines), columnMissing, 1, -1, 4});
    lists.push_back({"empty list", {}, emptyList, 1});
    lists.push_back({"lone carriage return",
        withLine(7,
            validRecord(6).sfzh + "\r\t" + validRecord(6).zkzh + '\t' + validRecord(6).xm + '\t'
                + validRecord(6).cj),
        loneCarriageReturn, 7});
    std::string oldMac;
    for (const std::string &line : validLines()) {
        oldMac += line + '\r';
    }
    lists.push_back({"old Mac line ends", oldMac, crLineEnds, 1});
    lists.push_back({"UTF-16", std::string("\xFF\xFEs\0f\0z\0h\0", 10), utf16, 1});
    lists.push_back({"neither UTF-8 nor GB18030", withFieldBytes(20, 2, "\xFF\xFE"), notText, 21});

    lines = validLines();
    lines.pop_back();
    lists.push_back({"1116 records", joined(lines), recordCount, 1117});
    lines = validLines();
    lines.push_back(recordLine(validRecord(ResultTable::lastRecord + 1)));
    lists.push_back({"1118 records", joined(lines), recordCount, 1119});
    lines = validLines();
    lines.insert(lines.end(), {"", "\t\t\t", "合计\t实考1009人\t\t", ""});
    lists.push_back({"total below blank rows", joined(lines), notACandidate, 1121});

    const std::string line4 = recordLine(validRecord(3));
    lists.push_back({"5 fields", withLine(4, line4 + "\t1"), fieldCount, 4});
    lists.push_back({"3 fields", withLine(4, line4.substr(0, line4.rfind('\t'))), fieldCount, 4});
    lists.push_back({"empty line", withLine(9, {}), fieldCount, 9});

    lists.push_back({"empty field", withField(5, &Record::zkzh, {}), emptyValue, 6, 1});
    lists.push_back({"ideographic space", withField(6, &Record::xm, "张\u3000三"), blank, 7, 2});
    lists.push_back({"inner space",
        withField(7, &Record::sfzh,
            validRecord(7).sfzh.substr(0, 6) + ' ' + validRecord(7).sfzh.substr(6)),
        blank, 8, 0});
    lists.push_back(
        {"trailing no-break space", withField(7, &Record::cj, "60.5\u00A0"), blank, 8, 3});
    lists.push_back({"space left after trimming",
        withField(7, &Record::sfzh, ' ' + validRecord(7).sfzh.substr(0, 17)), sfzhLength, 8, 0});
    lists.push_back({"no-break space in a ticket", withField(7, &Record::zkzh, "1010001\u00A00007"),
        blank, 8, 1});
    lists.push_back({"no-break space after an ID",
        withField(7, &Record::sfzh, validRecord(7).sfzh + "\u00A0"), blank, 8, 0});
    lists.push_back({"zero width space in an ID",
        withField(7, &Record::sfzh, validRecord(7).sfzh + "\u200B"), invisibleCharacter, 8, 0});
    lists.push_back({"byte order mark in a ticket",
        withField(7, &Record::zkzh, "\uFEFF" + validRecord(7).zkzh), invisibleCharacter, 8, 1});
    lists.push_back({"BOM in a field", withFieldBytes(20, 0, "\xEF\xBB\xBF" + validRecord(20).sfzh),
        invisibleCharacter, 21, 0});

    std::string sfzh = validRecord(8).sfzh;
    sfzh[17] = sfzh[17] == '1' ? '2' : '1';
    lists.push_back(
        {"bad check character", withField(8, &Record::sfzh, sfzh), sfzhCheckCharacter, 9, 0});
    lists.push_back({"lower-case x", withField(1, &Record::sfzh, "11010519491231002x"),
        sfzhCheckCharacter, 2, 0});
    lists.push_back(
        {"X not last", withField(1, &Record::sfzh, "1101051949123100X2"), sfzhDigits, 2, 0});
    lists.push_back(
        {"17 characters", withField(1, &Record::sfzh, "1101051949123100X"), sfzhLength, 2, 0});

    lists.push_back({"9-digit ticket", withField(10, &Record::zkzh, "101000100"), zkzhForm, 11, 1});
    lists.push_back(
        {"full-width digit", withField(10, &Record::zkzh, "1010001001１"), zkzhForm, 11, 1});
    lists.push_back(
        {"duplicate sfzh", withField(10, &Record::sfzh, validRecord(3).sfzh), duplicate, 11, 0});
    lists.push_back(
        {"duplicate zkzh", withField(12, &Record::zkzh, validRecord(2).zkzh), duplicate, 13, 1});

    lists.push_back({"Latin letter", withField(20, &Record::xm, "张A"), xmCharacter, 21, 2});
    lists.push_back({"middle dot", withField(20, &Record::xm, "阿·木"), xmCharacter, 21, 2});
    lists.push_back({"beyond U+9FA5", withField(20, &Record::xm, "张\u9FA6"), xmCharacter, 21, 2});
    lists.push_back({"5-char name", withField(20, &Record::xm, "欧阳小明明"), xmLength, 21, 2});
    lists.push_back({"1-char name", withField(20, &Record::xm, "张"), xmLength, 21, 2});

    for (const char *score : {"05", "9.5", "100", "缺"}) {
        lists.push_back(
            {std::string("score ") + score, withField(30, &Record::cj, score), cjWholePart, 31, 3});
    }
    for (const char *score : {"60.", "60.125"}) {
        lists.push_back(
            {std::string("score ") + score, withField(30, &Record::cj, score), cjFraction, 31, 3});
    }

    // The damage Excel does to numbers, each named with what to do in Excel.
    for (const DamagedNumber &damage : damagedNumbers()) {
        lists.push_back({damage.name, withField(damage.n, damage.field, damage.value), damage.code,
            damage.n + 1, damage.column});
    }
    // More IDs ending in 000 than chance gives: the column was cut to 15 digits, and those whose
    // check characters still fit are refused too.
    lists.push_back({"8 IDs ending in 000 that pass the check", withIdsEndingInZeros(8),
        sfzhZeroedTail, firstZeroedIdThatFits() + 1, 0, 8});
    std::string semicolons = csv(joined(validLines()), "\r\n", false);
    for (char &c : semicolons) {
        c = c == ',' ? ';' : c;
    }
    const std::string score = validRecord(2).cj;
    semicolons.replace(semicolons.find(';' + score + "\r\n"), score.size() + 1,
        ';' + score.substr(0, 2) + ',' + score.substr(3));
    lists.push_back({"decimal comma in a semicolon list", semicolons, cjDecimalComma, 3, 3});
    return lists;
}

std::vector<ListCase> warnedLists()
{
    using enum ProblemCode;
    return {
        {"one ID ending in 000", withIdsEndingInZeros(1), sfzhEndsInZeros,
            firstZeroedIdThatFits() + 1, 0},
        {"7 IDs ending in 000", withIdsEndingInZeros(7), sfzhEndsInZeros,
            firstZeroedIdThatFits() + 1, 0, 7},
        {"scores rounded to whole numbers",
            withScores([](int n) { return std::to_string(10 + n % 90); }), cjNoFractions, 0, 3},
        {"scores all with one decimal", withScores([](int n) {
             return std::to_string(10 + n % 90) + '.' + std::to_string(1 + n % 9);
         }),
            cjSameDecimals, 0, 3},
    };
}

std::vector<DamagedNumber> damagedNumbers()
{
    using enum ProblemCode;
    // An ID-card number of record n whose last three digits became zeros, if its check
    // character is then wrong.
    int zeroed = 40;
    while (zeroedIdFits(zeroed)) {
        ++zeroed;
    }
    return {
        {"ID in scientific notation", 41, &Record::sfzh, 0, "1.10105E+17", sfzhScientific},
        {"ID ending in zeros", zeroed, &Record::sfzh, 0, zeroedId(zeroed), sfzhZeroedTail},
        {"ticket in scientific notation", 60, &Record::zkzh, 1, "1.01E+10", zkzhScientific},
        {"ticket without its leading zero", 70, &Record::zkzh, 1, "1010001070", zkzhLeadingZero},
        {"score with trailing zeros", 80, &Record::cj, 3, "60.50", cjTrailingZeros},
        {"score with a decimal comma", 90, &Record::cj, 3, "60,5", cjDecimalComma},
    };
}

std::string csvField(const std::string &value)
{
    std::string quoted = "\"";
    for (const char c : value) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + '"';
}

std::string csv(const std::string &tsv, const std::string &lineEnd, bool quoted)
{
    std::string out = quoted ? "\"" : "";
    for (const char c : tsv) {
        if (c == '\t') {
            out += quoted ? "\",\"" : ",";
        } else if (c == '\n') {
            out += (quoted ? "\"" : "") + lineEnd + (quoted ? "\"" : "");
        } else if (c == '"' && quoted) {
            out += "\"\"";
        } else {
            out += c;
        }
    }
    return out;
}

std::optional<std::string> toGb18030(const std::string &utf8)
{
    const iconv_t converter = iconv_open("GB18030", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    std::string out(utf8.size() * 2 + 4, '\0');
    char *in = const_cast<char *>(utf8.data());
    std::size_t inLeft = utf8.size();
    char *at = out.data();
    std::size_t outLeft = out.size();
    const bool converted
        = iconv(converter, &in, &inLeft, &at, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(converter);
    if (!converted) {
        return std::nullopt;
    }
    out.resize(out.size() - outLeft);
    return out;
}

std::string readFile(const std::filesystem::path &path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

bool writeFile(const std::filesystem::path &path, const std::string &contents)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << contents;
    return static_cast<bool>(file.flush());
}

int exitStatus(const std::string &command)
{
    const int status = std::system(command.c_str());
#ifdef _WIN32
    return status;
#else
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

} // namespace madeuplists
