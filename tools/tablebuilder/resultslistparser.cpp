#include "resultslistparser.h"

#include "fieldrules.h"

#include <QStringDecoder>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr QByteArrayView header = "sfzh\tzkzh\txm\tcj";
constexpr QByteArrayView byteOrderMark = "\xEF\xBB\xBF";

// Invalid UTF-8 cannot be shown as text, so its bytes are shown escaped.
QString escapedBytes(QByteArrayView bytes)
{
    QString text = u"\""_s;
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        if (b >= 0x20 && b < 0x7F && b != '"' && b != '\\') {
            text += QLatin1Char(byte);
        } else {
            text += u"\\x"_s + QString::number(b, 16).toUpper().rightJustified(2, u'0');
        }
    }
    return text + u'"';
}

QList<QByteArrayView> split(QByteArrayView bytes, char separator)
{
    QList<QByteArrayView> parts;
    qsizetype start = 0;
    for (qsizetype end = bytes.indexOf(separator); end >= 0;
         end = bytes.indexOf(separator, start)) {
        parts.append(bytes.sliced(start, end - start));
        start = end + 1;
    }
    parts.append(bytes.sliced(start));
    return parts;
}

} // namespace

ParsedResultsList ResultsListParser::parse(QByteArrayView contents)
{
    ResultsListParser parser;
    if (contents.startsWith(byteOrderMark)) {
        parser.addProblem(
            1, {}, u"the file starts with a byte order mark; save it as UTF-8 without BOM"_s);
        contents = contents.sliced(byteOrderMark.size());
    }
    QList<QByteArrayView> lines = split(contents, '\n');
    // A line feed ends the last line; it does not start one more.
    if (lines.size() > 1 && lines.back().isEmpty()) {
        lines.removeLast();
    }

    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNumber = static_cast<int>(i + 1);
        QByteArrayView line = lines[i];
        if (line.contains('\r')) {
            parser.addProblem(lineNumber, {},
                u"contains a carriage return; lines must end with LF alone, not CRLF"_s);
            if (line.endsWith('\r')) {
                line.chop(1);
            }
        }
        if (lineNumber == 1) {
            parser.parseHeader(line);
        } else {
            parser.parseRecord(line, lineNumber);
        }
    }

    const auto found = static_cast<int>(std::max<qsizetype>(lines.size() - 1, 0));
    if (found != recordCount) {
        // Name the first line too many, or the last line when records are missing.
        const int line = found > recordCount ? recordCount + 2 : std::max(found + 1, 1);
        parser.addProblem(line, {},
            u"the list must hold exactly %1 records on lines 2 to %2, found %3"_s.arg(
                QString::number(recordCount), QString::number(recordCount + 1),
                QString::number(found)));
    }
    std::stable_sort(parser.result.problems.begin(), parser.result.problems.end(),
        [](const ListProblem &a, const ListProblem &b) { return a.line < b.line; });
    return parser.result;
}

void ResultsListParser::parseHeader(QByteArrayView line)
{
    if (line != header) {
        addProblem(1, {},
            u"the header must be %1, found %2"_s.arg(FieldRules::quoted(QString::fromUtf8(header)),
                FieldRules::quoted(QString::fromUtf8(line))));
    }
}

void ResultsListParser::parseRecord(QByteArrayView line, int lineNumber)
{
    // A tab is one byte that never occurs inside a UTF-8 sequence, so splitting before decoding
    // lets an encoding problem be pinned to its field.
    const QList<QByteArrayView> fields = split(line, '\t');
    if (fields.size() != 4) {
        addProblem(lineNumber, {},
            u"must have 4 tab-separated fields (sfzh, zkzh, xm, cj), found %1 in %2"_s.arg(
                QString::number(fields.size()), FieldRules::quoted(QString::fromUtf8(line))));
        return;
    }
    ResultRecord record;
    record.sfzh = checkedField(fields[0], lineNumber, u"sfzh"_s);
    record.zkzh = checkedField(fields[1], lineNumber, u"zkzh"_s);
    record.xm = checkedField(fields[2], lineNumber, u"xm"_s);
    record.cj = checkedField(fields[3], lineNumber, u"cj"_s);
    result.records.append(record);
}

QString ResultsListParser::checkedField(QByteArrayView bytes, int lineNumber, const QString &field)
{
    // Keep a BOM inside a field as U+FEFF, so that the field rules reject it instead of the
    // decoder dropping it unseen.
    QStringDecoder decoder(QStringDecoder::Utf8,
        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString value = decoder(bytes);
    if (decoder.hasError()) {
        addProblem(
            lineNumber, field, u"not valid UTF-8, found the bytes %1"_s.arg(escapedBytes(bytes)));
    } else {
        checkValue(field, value, lineNumber);
    }
    return value;
}

void ResultsListParser::checkValue(const QString &field, const QString &value, int lineNumber)
{
    if (value.isEmpty()) {
        addProblem(lineNumber, field, u"must not be empty"_s);
        return;
    }
    QString problem = FieldRules::blankProblem(value);
    if (problem.isEmpty()) {
        if (field == u"sfzh") {
            problem = FieldRules::sfzhProblem(value);
        } else if (field == u"zkzh") {
            problem = FieldRules::zkzhProblem(value);
        } else if (field == u"xm") {
            problem = FieldRules::xmProblem(value);
        } else {
            problem = FieldRules::cjProblem(value);
        }
    }
    if (!problem.isEmpty()) {
        addProblem(lineNumber, field, problem);
    } else if (field == u"sfzh") {
        checkUnique(sfzhLines, field, value, lineNumber, u"ID-card numbers"_s);
    } else if (field == u"zkzh") {
        checkUnique(zkzhLines, field, value, lineNumber, u"ticket numbers"_s);
    }
}

void ResultsListParser::checkUnique(QHash<QString, int> &seen, const QString &field,
    const QString &value, int lineNumber, const QString &what)
{
    const auto earlier = seen.constFind(value);
    if (earlier == seen.cend()) {
        seen.insert(value, lineNumber);
    } else {
        addProblem(lineNumber, field,
            u"%1 is already on line %2; %3 must be unique"_s.arg(
                FieldRules::quoted(value), QString::number(earlier.value()), what));
    }
}

void ResultsListParser::addProblem(int line, const QString &field, const QString &rule)
{
    result.problems.append({line, field, rule});
}
