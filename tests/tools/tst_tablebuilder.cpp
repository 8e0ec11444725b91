// Runs the table builder as the build does, on a valid results list made up here and on copies
// of it that each break one rule: a broken list must fail with one message naming the line, the
// field and the rule, and must leave no generated source behind.

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int recordCount = 1117;

struct Record
{
    QString sfzh;
    QString zkzh;
    QString xm;
    QString cj;
};

// ISO 7064 MOD 11-2 in its recursive form, independent of the builder's weight table.
QChar checkCharacter(QStringView digits)
{
    int p = 0;
    for (const QChar c : digits) {
        p = ((p + c.digitValue()) * 2) % 11;
    }
    const int check = (12 - p) % 11;
    return check == 10 ? QChar(u'X') : QChar(static_cast<char16_t>(u'0' + check));
}

// Record n of a list that keeps every rule; record 1 is the ID-card number example of GB 11643,
// whose check character is "X", and a name made of the first and last allowed characters.
Record validRecord(int n)
{
    static const QStringList fractions = {u""_s, u".5"_s, u".25"_s, u".05"_s};
    if (n == 1) {
        return {u"11010519491231002X"_s, u"10100010001"_s, u"\u4E00\u9FA5"_s, u"99.99"_s};
    }
    const QString digits = QString::number(11010519000000000LL + n * 7919LL);
    QString xm;
    const int length = n == 2 ? 4 : 2 + n % 2;
    for (int k = 0; k < length; ++k) {
        xm += QChar(static_cast<char16_t>(0x4E00 + (n * 37 + k * 101) % 0x51A6));
    }
    const QString cj
        = n % 9 == 0 ? u"缺考"_s : QString::number(10 + n % 90) + fractions[n % fractions.size()];
    return {digits + checkCharacter(digits), QString::number(10100010000LL + n), xm, cj};
}

QByteArray recordLine(const Record &r)
{
    return QStringList {r.sfzh, r.zkzh, r.xm, r.cj}.join(u'\t').toUtf8();
}

// The header and records 1 to 1117, one entry per line of the file.
QList<QByteArray> validLines()
{
    QList<QByteArray> lines = {"sfzh\tzkzh\txm\tcj"};
    for (int n = 1; n <= recordCount; ++n) {
        lines.append(recordLine(validRecord(n)));
    }
    return lines;
}

QByteArray joined(const QList<QByteArray> &lines)
{
    QByteArray contents;
    for (const QByteArray &line : lines) {
        contents += line + '\n';
    }
    return contents;
}

QByteArray withLine(int lineNumber, const QByteArray &line)
{
    QList<QByteArray> lines = validLines();
    lines[lineNumber - 1] = line;
    return joined(lines);
}

// The valid list with one field of record n (on line n + 1) replaced.
QByteArray withField(int n, QString Record::*field, const QString &value)
{
    Record record = validRecord(n);
    record.*field = value;
    return withLine(n + 1, recordLine(record));
}

QByteArray withFieldBytes(int n, int fieldIndex, const QByteArray &bytes)
{
    QList<QByteArray> fields = recordLine(validRecord(n)).split('\t');
    fields[fieldIndex] = bytes;
    return withLine(n + 1, fields.join('\t'));
}

struct BuilderRun
{
    int exitCode = -1;
    QStringList messages;
};

BuilderRun runBuilder(const QString &listPath, const QString &outputPath)
{
    QProcess process;
    process.start(QStringLiteral(TABLEBUILDER_PATH), {listPath, outputPath});
    BuilderRun run;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit) {
        run.exitCode = process.exitCode();
    }
    run.messages
        = QString::fromUtf8(process.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
    return run;
}

bool writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestTableBuilder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void validListBecomesAssignments();
    void unchangedOutputIsLeftAlone();
    void brokenListIsRejected_data();
    void brokenListIsRejected();
    void everyProblemIsReportedInLineOrder();
    void brokenListRemovesEarlierOutput();

private:
    QTemporaryDir dir;
    QString listPath;
    QString outputPath;
};

void TestTableBuilder::init()
{
    QVERIFY(dir.isValid());
    listPath = dir.filePath(u"results.tsv"_s);
    outputPath = dir.filePath(u"builtinrecords.cpp"_s);
    QFile::remove(outputPath);
}

void TestTableBuilder::validListBecomesAssignments()
{
    QVERIFY(writeFile(listPath, joined(validLines())));
    const BuilderRun run = runBuilder(listPath, outputPath);
    QCOMPARE(run.messages, QStringList());
    QCOMPARE(run.exitCode, 0);

    const QByteArray source = readFile(outputPath);
    QVERIFY(source.contains("#include \"data/builtinrecords.h\"\n"));
    QCOMPARE(source.count("    assign(table."), 4 * recordCount);
    QVERIFY2(std::all_of(source.begin(), source.end(), [](char c) { return c > 0 && c <= 0x7E; }),
        "the generated source must be plain ASCII");

    // Record 1 in column order, its name and record 9's "缺考" written as \u escapes.
    QVERIFY(source.contains("    assign(table.sfzh[1], u\"11010519491231002X\");\n"
                            "    assign(table.zkzh[1], u\"10100010001\");\n"
                            "    assign(table.xm[1], u\"\\u4E00\\u9FA5\");\n"
                            "    assign(table.cj[1], u\"99.99\");\n"));
    QVERIFY(source.contains("    assign(table.cj[9], u\"\\u7F3A\\u8003\");\n"));

    // chushi's records 501 to 1117 come first, then the load handler's 1 to 500, each ascending.
    const qsizetype chushi = source.indexOf("void assignRecords501To1117(ResultTable &table)\n{");
    const qsizetype load = source.indexOf("void assignRecords1To500(ResultTable &table)\n{");
    QVERIFY(chushi >= 0 && load > chushi);
    QList<int> order;
    for (int n = 501; n <= recordCount; ++n) {
        order.append(n);
    }
    for (int n = 1; n <= 500; ++n) {
        order.append(n);
    }
    qsizetype previous = chushi;
    for (const int n : order) {
        const qsizetype at
            = source.indexOf("    assign(table.sfzh[" + QByteArray::number(n) + "], ");
        QVERIFY2(at > previous && (n > 500) == (at < load), qPrintable(QString::number(n)));
        previous = at;
    }
    QVERIFY(source.trimmed().endsWith('}'));
}

void TestTableBuilder::unchangedOutputIsLeftAlone()
{
    QVERIFY(writeFile(listPath, joined(validLines())));
    QCOMPARE(runBuilder(listPath, outputPath).exitCode, 0);
    const QDateTime old = QDateTime::currentDateTime().addDays(-30);
    {
        QFile output(outputPath);
        QVERIFY(output.open(QIODevice::ReadWrite));
        QVERIFY(output.setFileTime(old, QFileDevice::FileModificationTime));
    }

    QCOMPARE(runBuilder(listPath, outputPath).exitCode, 0);
    QCOMPARE(QFileInfo(outputPath).lastModified().toSecsSinceEpoch(), old.toSecsSinceEpoch());

    QVERIFY(writeFile(listPath, withField(1, &Record::cj, u"12.3"_s)));
    QCOMPARE(runBuilder(listPath, outputPath).exitCode, 0);
    QVERIFY(readFile(outputPath).contains("    assign(table.cj[1], u\"12.3\");\n"));
}

void TestTableBuilder::brokenListIsRejected_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("rule");

    QList<QByteArray> lines = validLines();

    QTest::newRow("wrong header") << withLine(1, "sfzh\tzkzh\txm\tscore") << 1 << QString()
                                  << u"the header must be \"sfzh\\tzkzh\\txm\\tcj\""_s;
    QTest::newRow("byte order mark")
        << "\xEF\xBB\xBF" + joined(lines) << 1 << QString() << u"byte order mark"_s;
    QTest::newRow("CRLF line end")
        << withLine(7, lines[6] + '\r') << 7 << QString() << u"carriage return"_s;

    lines.removeLast();
    QTest::newRow("1116 records") << joined(lines) << 1117 << QString()
                                  << u"exactly 1117 records on lines 2 to 1118, found 1116"_s;
    lines = validLines();
    lines.append(recordLine(validRecord(recordCount + 1)));
    QTest::newRow("1118 records") << joined(lines) << 1119 << QString() << u"found 1118"_s;

    const QByteArray line4 = recordLine(validRecord(3));
    QTest::newRow("5 fields") << withLine(4, line4 + "\t1") << 4 << QString()
                              << u"must have 4 tab-separated fields"_s;
    QTest::newRow("3 fields") << withLine(4, line4.left(line4.lastIndexOf('\t'))) << 4 << QString()
                              << u"found 3"_s;
    QTest::newRow("empty line") << withLine(9, {}) << 9 << QString() << u"found 1"_s;

    QTest::newRow("empty field") << withField(5, &Record::zkzh, {}) << 6 << u"zkzh"_s
                                 << u"must not be empty"_s;
    QTest::newRow("ideographic space") << withField(6, &Record::xm, u"张\u3000三"_s) << 7 << u"xm"_s
                                       << u"must not contain blanks, found U+3000"_s;
    QTest::newRow("leading space")
        << withField(7, &Record::sfzh, u' ' + validRecord(7).sfzh.left(17)) << 8 << u"sfzh"_s
        << u"blanks, found U+0020 at character 1"_s;
    QTest::newRow("trailing space")
        << withField(7, &Record::cj, u"60.5 "_s) << 8 << u"cj"_s << u"blanks, found U+0020"_s;
    QTest::newRow("no-break space") << withField(7, &Record::zkzh, u"1010001\u00A00007"_s) << 8
                                    << u"zkzh"_s << u"blanks, found U+00A0"_s;

    QString sfzh = validRecord(8).sfzh;
    sfzh[17] = sfzh[17] == u'1' ? u'2' : u'1';
    QTest::newRow("bad check character")
        << withField(8, &Record::sfzh, sfzh) << 9 << u"sfzh"_s
        << u"the check character must be \"%1\" by ISO 7064 MOD 11-2"_s.arg(
               validRecord(8).sfzh.back());
    QTest::newRow("lower-case x")
        << withField(1, &Record::sfzh, u"11010519491231002x"_s) << 2 << u"sfzh"_s
        << u"an ASCII digit or an upper-case \"X\", found \"11010519491231002x\""_s;
    QTest::newRow("X not last") << withField(1, &Record::sfzh, u"1101051949123100X2"_s) << 2
                                << u"sfzh"_s << u"first 17 characters must be ASCII digits"_s;
    QTest::newRow("17 characters") << withField(1, &Record::sfzh, u"1101051949123100X"_s) << 2
                                   << u"sfzh"_s << u"must be 18 characters"_s;

    QTest::newRow("10-digit ticket")
        << withField(10, &Record::zkzh, u"1010001001"_s) << 11 << u"zkzh"_s
        << u"must be 11 ASCII digits, found \"1010001001\""_s;
    QTest::newRow("full-width digit") << withField(10, &Record::zkzh, u"1010001001１"_s) << 11
                                      << u"zkzh"_s << u"must be 11 ASCII digits"_s;
    QTest::newRow("duplicate sfzh") << withField(10, &Record::sfzh, validRecord(3).sfzh) << 11
                                    << u"sfzh"_s << u"is already on line 4; ID-card numbers"_s;
    QTest::newRow("duplicate zkzh") << withField(12, &Record::zkzh, validRecord(2).zkzh) << 13
                                    << u"zkzh"_s << u"is already on line 3; ticket numbers"_s;

    QTest::newRow("Latin letter") << withField(20, &Record::xm, u"张A"_s) << 21 << u"xm"_s
                                  << u"U+4E00 to U+9FA5, found U+0041"_s;
    QTest::newRow("middle dot") << withField(20, &Record::xm, u"阿·木"_s) << 21 << u"xm"_s
                                << u"found U+00B7"_s;
    QTest::newRow("beyond U+9FA5")
        << withField(20, &Record::xm, u"张\u9FA6"_s) << 21 << u"xm"_s << u"found U+9FA6"_s;
    QTest::newRow("5-char name") << withField(20, &Record::xm, u"欧阳小明明"_s) << 21 << u"xm"_s
                                 << u"must be 2 to 4 characters, found 5"_s;
    QTest::newRow("1-char name") << withField(20, &Record::xm, u"张"_s) << 21 << u"xm"_s
                                 << u"found 1"_s;
    QTest::newRow("invalid UTF-8") << withFieldBytes(20, 2, "\xE5\xBC") << 21 << u"xm"_s
                                   << u"not valid UTF-8, found the bytes \"\\xE5\\xBC\""_s;
    QTest::newRow("encoded surrogate")
        << withFieldBytes(20, 2, "\xED\xA0\x80") << 21 << u"xm"_s << u"not valid UTF-8"_s;
    QTest::newRow("BOM in a field")
        << withFieldBytes(20, 0, "\xEF\xBB\xBF" + validRecord(20).sfzh.toLatin1()) << 21
        << u"sfzh"_s << u"must be 18 characters"_s;

    const QString wholePart = u"whole part is 10 to 99 without a leading zero"_s;
    const QString fraction = u"fractional part must be 1 or 2 ASCII digits, the last not 0"_s;
    QTest::newRow("score 05") << withField(30, &Record::cj, u"05"_s) << 31 << u"cj"_s << wholePart;
    QTest::newRow("score 9.5") << withField(30, &Record::cj, u"9.5"_s) << 31 << u"cj"_s
                               << wholePart;
    QTest::newRow("score 100") << withField(30, &Record::cj, u"100"_s) << 31 << u"cj"_s
                               << wholePart;
    QTest::newRow("score 缺") << withField(30, &Record::cj, u"缺"_s) << 31 << u"cj"_s << wholePart;
    QTest::newRow("score 60.50") << withField(30, &Record::cj, u"60.50"_s) << 31 << u"cj"_s
                                 << fraction;
    QTest::newRow("score 60.") << withField(30, &Record::cj, u"60."_s) << 31 << u"cj"_s << fraction;
    QTest::newRow("score 60.125") << withField(30, &Record::cj, u"60.125"_s) << 31 << u"cj"_s
                                  << fraction;
}

void TestTableBuilder::brokenListIsRejected()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, line);
    QFETCH(QString, field);
    QFETCH(QString, rule);

    QVERIFY(writeFile(listPath, contents));
    const BuilderRun run = runBuilder(listPath, outputPath);
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.messages.size(), 1);
    const QString location = u"%1:%2: "_s.arg(listPath, QString::number(line));
    const QString message = run.messages.first();
    QVERIFY2(message.startsWith(location + (field.isEmpty() ? QString() : field + u": "_s)),
        qPrintable(message));
    for (const QString &name : {u"sfzh"_s, u"zkzh"_s, u"xm"_s, u"cj"_s}) {
        if (name != field) {
            QVERIFY2(!message.startsWith(location + name + u": "_s), qPrintable(message));
        }
    }
    QVERIFY2(message.contains(rule), qPrintable(message));
    QVERIFY(!QFile::exists(outputPath));
}

void TestTableBuilder::everyProblemIsReportedInLineOrder()
{
    QList<QByteArray> lines = validLines();
    lines[40] = lines[40].replace("\t", "\t\t");
    lines[2] += '\r';
    Record record = validRecord(20);
    record.zkzh = u"123"_s;
    record.cj = u"05"_s;
    lines[20] = recordLine(record);
    QVERIFY(writeFile(listPath, joined(lines)));

    const BuilderRun run = runBuilder(listPath, outputPath);
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.messages.size(), 4);
    const QStringList prefixes = {u":3: "_s, u":21: zkzh: "_s, u":21: cj: "_s, u":41: "_s};
    for (qsizetype i = 0; i < prefixes.size(); ++i) {
        QVERIFY2(run.messages[i].startsWith(listPath + prefixes[i]), qPrintable(run.messages[i]));
    }
}

void TestTableBuilder::brokenListRemovesEarlierOutput()
{
    QVERIFY(writeFile(listPath, joined(validLines())));
    QCOMPARE(runBuilder(listPath, outputPath).exitCode, 0);
    QVERIFY(QFile::exists(outputPath));

    QVERIFY(writeFile(listPath, withField(5, &Record::zkzh, u"1"_s)));
    QCOMPARE(runBuilder(listPath, outputPath).exitCode, 1);
    QVERIFY(!QFile::exists(outputPath));
}

QTEST_GUILESS_MAIN(TestTableBuilder)
#include "tst_tablebuilder.moc"
