#include "delimitedrows.h"

namespace {

// Reads one row after another, keeping count of the lines it has passed.
class RowReader
{
public:
    RowReader(std::u32string_view listText, DelimitedRows &rows)
        : text(listText)
        , out(rows)
    { }

    void readAll()
    {
        while (at < text.size()) {
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
        out.problems.push_back({opened, {},
            "a field opened with a double quote on this line is never closed; a quote inside a "
            "quoted field must be doubled (\"\")"});
    }

    // Up to the separator or the line end; returns whether the row ends. After a quoted field
    // anything but those is a problem, and is kept in the field so that the rules see it.
    bool readUnquoted(std::u32string &field, bool afterQuote)
    {
        bool reported = false;
        for (; at < text.size(); ++at) {
            const char32_t c = text[at];
            if (c == out.separator) {
                ++at;
                return false;
            }
            if (c == U'\n' || (c == U'\r' && at + 1 < text.size() && text[at + 1] == U'\n')) {
                at += c == U'\r' ? 2 : 1;
                ++line;
                return true;
            }
            if (c == U'\r') {
                out.problems.push_back({line, {},
                    "contains a carriage return without a line feed; lines must end with CRLF "
                    "or LF"});
                continue;
            }
            if (afterQuote && !reported) {
                out.problems.push_back({line, {},
                    "text follows a closing double quote; a quote inside a quoted field must be "
                    "doubled (\"\")"});
                reported = true;
            }
            field += c;
        }
        return true;
    }

    std::u32string_view text;
    DelimitedRows &out;
    std::size_t at = 0;
    int line = 1;
};

} // namespace

DelimitedRows splitRows(std::u32string_view text)
{
    DelimitedRows rows;
    const std::u32string_view firstLine = text.substr(0, text.find(U'\n'));
    rows.separator = firstLine.find(U'\t') != std::u32string_view::npos ? U'\t' : U',';
    RowReader(text, rows).readAll();
    return rows;
}
