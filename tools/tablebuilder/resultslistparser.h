#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>

// One candidate's line of the results list, as text ready to be compiled in.
struct ResultRecord
{
    QString sfzh;
    QString zkzh;
    QString xm;
    QString cj;
};

// One broken rule, at a line of the results list (1 is the header) and in a field, or in the line
// as a whole when field is empty.
struct ListProblem
{
    int line = 0;
    QString field;
    QString rule;
};

struct ParsedResultsList
{
    QList<ResultRecord> records; // record 1 first; complete only when problems is empty
    QList<ListProblem> problems; // in line order
};

// Reads the bytes of the results list and checks everything the program relies on: UTF-8
// without BOM, LF line ends, the exact header, exactly 1117 records of four tab-separated
// non-empty fields without blanks, the form of each field (FieldRules) and unique ID-card and
// ticket numbers. It reports every problem it finds rather than stopping at the first, so one
// run shows what needs fixing. It reads no file and writes nothing; main does that.
class ResultsListParser
{
public:
    static constexpr int recordCount = 1117;

    static ParsedResultsList parse(QByteArrayView contents);

private:
    void parseHeader(QByteArrayView line);
    void parseRecord(QByteArrayView line, int lineNumber);
    QString checkedField(QByteArrayView bytes, int lineNumber, const QString &field);
    void checkValue(const QString &field, const QString &value, int lineNumber);
    void checkUnique(QHash<QString, int> &seen, const QString &field, const QString &value,
        int lineNumber, const QString &what);
    void addProblem(int line, const QString &field, const QString &rule);

    ParsedResultsList result;
    QHash<QString, int> sfzhLines;
    QHash<QString, int> zkzhLines;
};
