// tablebuilder <results.tsv> <out.cpp>
//
// Checks the results list and compiles it into the C++ source of the built-in records. A broken
// list fails the build with one line per problem, "file:line: field: rule", and leaves no output
// behind. Exit status: 0 written or already up to date, 1 the list is broken, 2 usage or file
// error.

#include "outputfile.h"
#include "recordssource.h"
#include "resultslistparser.h"

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Enough to see the pattern of a wholesale mistake without scrolling away the build log.
constexpr qsizetype maxReportedProblems = 50;

void printLine(const QString &line)
{
    // UTF-8 whatever the locale, so names and "缺考" survive in the build log.
    std::fputs((line + u'\n').toUtf8().constData(), stderr);
}

void reportProblems(const QString &listPath, const QList<ListProblem> &problems)
{
    for (qsizetype i = 0; i < problems.size() && i < maxReportedProblems; ++i) {
        const ListProblem &problem = problems[i];
        const QString field = problem.field.isEmpty() ? QString() : problem.field + u": "_s;
        printLine(
            u"%1:%2: %3%4"_s.arg(listPath, QString::number(problem.line), field, problem.rule));
    }
    if (problems.size() > maxReportedProblems) {
        printLine(u"%1: %2 more problems not shown"_s.arg(
            listPath, QString::number(problems.size() - maxReportedProblems)));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        printLine(u"usage: tablebuilder <results.tsv> <out.cpp>"_s);
        return 2;
    }
    const QString listPath = QString::fromLocal8Bit(argv[1]);
    const QString outputPath = QString::fromLocal8Bit(argv[2]);
    QString error;

    QFile list(listPath);
    if (!list.open(QIODevice::ReadOnly)) {
        printLine(u"%1: cannot read: %2"_s.arg(listPath, list.errorString()));
        OutputFile::remove(outputPath, &error);
        return 2;
    }
    const ParsedResultsList parsed = ResultsListParser::parse(list.readAll());
    if (!parsed.problems.isEmpty()) {
        reportProblems(listPath, parsed.problems);
        if (!OutputFile::remove(outputPath, &error)) {
            printLine(u"%1: cannot remove the stale output: %2"_s.arg(outputPath, error));
        }
        return 1;
    }

    const QByteArray source = recordsSource(parsed.records, QFileInfo(listPath).fileName());
    if (!OutputFile::writeIfChanged(outputPath, source, &error)) {
        printLine(u"%1: cannot write: %2"_s.arg(outputPath, error));
        return 2;
    }
    return 0;
}
