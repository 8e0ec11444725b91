#include "delimitedrows.h"

namespace {

// Reads one row after another, keeping count of the lines it has passed.
class RowReader
{
public:
    RowReader(std::u32string_view listText, char32_t fieldSeparator, DelimitedRows &rows)
        : text(listText)
        , separator(fieldSeparator)
        , out(rows)
    { }

    void readAll(std::size_t maxRows)
    {
        while (at < text.size() && out.rows.size() < maxRows) {
            readRow();
        }
    }

private:
    void readRow()
    {
        DelimitedRow row {line, {}};
        bool rowEnds = false;
        while (!rowEnds) {
            std::u32string field;
            const bool quoted = at < text.size() && text[at] == U'"';
            if (quoted) {
                readQuoted(field);
            }
            rowEnds = readUnquoted(field, quoted);
            row.fields.push_back(std::move(field));
        }
        out.rows.push_back(std::move(row));
    }

    // From the opening quote to the closing one.
    void readQuoted(std::u32string &field)
    {
        const int opened = line;
        for (++at; at < text.size(); ++at) {
            const char32_t c = text[at];
            if (c == U'"') {
                if (at + 1 < text.size() && text[at + 1] == U'"') {
                    field += U'"';
                    ++at;
                    continue;
                }
                ++at;
                return;
            }
            line += c == U'\n' ? 1 : 0;
            field += c;
        }
        out.problems.push_back({ProblemCode::unclosedQuote, opened, rowNumber(), -1,
            "这一行有一个以英文双引号开始的字段，到文件末尾也没有结束"});
    }

    // Up to the separator or the line end; returns whether the row ends. After a quoted field
    // anything but those is a problem, and is kept in the field so that the rules see it.
    bool readUnquoted(std::u32string &field, bool afterQuote)
    {
        bool reported = false;
        for (; at < text.size(); ++at) {
            const char32_t c = text[at];
            if (c == separator) {
                ++at;
                return false;
            }
            if (c == U'\n' || (c == U'\r' && at + 1 < text.size() && text[at + 1] == U'\n')) {
                at += c == U'\r' ? 2 : 1;
                ++line;
                return true;
            }
            if (c == U'\r') {
                out.problems.push_back({ProblemCode::loneCarriageReturn, line, rowNumber(), -1,
                    "有一个单独的回车符（CR），后面没有换行符（LF）"});
                continue;
            }
            if (afterQuote && !reported) {
                out.problems.push_back({ProblemCode::textAfterQuote, line, rowNumber(), -1,
                    "一个用英文双引号括起的字段，在结束的引号后面还有文字"});
                reported = true;
            }
            field += c;
        }
        return true;
    }

    // The sheet's row of the row being read.
    int rowNumber() const { return static_cast<int>(out.rows.size()) + 1; }

    std::u32string_view text;
    char32_t separator;
    DelimitedRows &out;
    std::size_t at = 0;
    int line = 1;
};

} // namespace

DelimitedRows splitRows(std::u32string_view text, char32_t separator, std::size_t maxRows)
{
    DelimitedRows rows;
    // One problem, not one for every line that the whole file has become.
    if (text.find(U'\n') == std::u32string_view::npos
        && text.find(U'\r') != std::u32string_view::npos) {
        rows.problems.push_back({ProblemCode::crLineEnds, 1, 1, -1,
            "各行只以回车符（CR）结尾，这是旧式苹果电脑的换行方式，整个文件读起来只有一行"});
        return rows;
    }
    RowReader(text, separator, rows).readAll(maxRows);
    return rows;
}
