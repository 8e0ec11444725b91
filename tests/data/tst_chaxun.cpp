// The candidate lookup over the built-in table: every record's own pair finds it, nothing
// else finds anything, and no input, however odd, breaks the scan.
#include "data/builtinrecords.h"
#include "data/chaxun.h"

#include <QRandomGenerator>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<ResultTable> builtInTable()
{
    auto table = std::make_unique<ResultTable>();
    assignRecords501To1117(*table);
    assignRecords1To500(*table);
    return table;
}

QString toFullWidthDigits(QString text)
{
    for (QChar &c : text) {
        if (c.isDigit()) {
            c = QChar(c.unicode() - u'0' + 0xFF10);
        }
    }
    return text;
}

} // namespace

class TestChaxun : public QObject
{
    Q_OBJECT

    std::unique_ptr<ResultTable> table = builtInTable();

    QString sfzh(int i) const { return table->sfzh[std::size_t(i)]; }
    QString zkzh(int i) const { return table->zkzh[std::size_t(i)]; }
    int recordWithX() const
    {
        for (int i = ResultTable::firstRecord; i <= ResultTable::lastRecord; ++i) {
            if (sfzh(i).endsWith(u'X')) {
                return i;
            }
        }
        return 0;
    }

private Q_SLOTS:
    void everyRecordIsFoundByItsOwnPair()
    {
        for (int i = ResultTable::firstRecord; i <= ResultTable::lastRecord; ++i) {
            QCOMPARE(chaxun(*table, sfzh(i), zkzh(i)), std::optional<int>(i));
        }
    }

    void noRecordIsFoundByPairsCrossedBetweenRecords()
    {
        for (int i = ResultTable::firstRecord; i <= ResultTable::lastRecord; ++i) {
            const int other = i == ResultTable::lastRecord ? ResultTable::firstRecord : i + 1;
            QCOMPARE(chaxun(*table, sfzh(i), zkzh(other)), std::nullopt);
            QCOMPARE(chaxun(*table, zkzh(i), sfzh(i)), std::nullopt);
        }
    }

    void entriesThatAreNearlyRightFindNothing_data()
    {
        const int x = recordWithX();
        QTest::addColumn<QString>("sfzhText");
        QTest::addColumn<QString>("zkzhText");
        QTest::newRow("both empty") << QString() << QString();
        QTest::newRow("both empty but not null") << u""_s << u""_s;
        QTest::newRow("ticket number empty") << sfzh(1) << QString();
        QTest::newRow("ID number empty") << QString() << zkzh(1);
        QTest::newRow("lower-case x") << sfzh(x).replace(u'X', u'x') << zkzh(x);
        QTest::newRow("leading blank") << u" "_s + sfzh(1) << zkzh(1);
        QTest::newRow("trailing blank on the ticket") << sfzh(1) << zkzh(1) + u" "_s;
        QTest::newRow("ideographic space") << sfzh(1) + u"　"_s << zkzh(1);
        QTest::newRow("full-width ID digits") << toFullWidthDigits(sfzh(1)) << zkzh(1);
        QTest::newRow("full-width ticket digits") << sfzh(1117) << toFullWidthDigits(zkzh(1117));
        QTest::newRow("prefix of the ID number") << sfzh(1).left(17) << zkzh(1);
        QTest::newRow("ID number with one more digit") << sfzh(1) + u"0"_s << zkzh(1);
        QTest::newRow("trailing NUL") << sfzh(1) + QChar(0) << zkzh(1);
    }
    void entriesThatAreNearlyRightFindNothing()
    {
        QFETCH(QString, sfzhText);
        QFETCH(QString, zkzhText);
        QCOMPARE(chaxun(*table, sfzhText, zkzhText), std::nullopt);
    }

    void theFirstOfRepeatedPairsWins()
    {
        ResultTable repeated = *table;
        repeated.sfzh[900] = sfzh(300);
        repeated.zkzh[900] = zkzh(300);
        QCOMPARE(chaxun(repeated, sfzh(300), zkzh(300)), std::optional<int>(300));
        // The spare slots hold no record, even when they hold the looked-up text.
        repeated.sfzh[0] = u"A"_s;
        repeated.zkzh[0] = u"B"_s;
        repeated.sfzh[1118] = u"C"_s;
        repeated.zkzh[1118] = u"D"_s;
        QCOMPARE(chaxun(repeated, u"A"_s, u"B"_s), std::nullopt);
        QCOMPARE(chaxun(repeated, u"C"_s, u"D"_s), std::nullopt);
    }

    void randomTextFindsNothing()
    {
        QRandomGenerator random(20201117);
        const auto randomText = [&random](qsizetype length) {
            QString text(length, Qt::Uninitialized);
            for (QChar &c : text) {
                // The whole range of code units: NUL, unpaired surrogates and all.
                c = QChar(char16_t(random.bounded(0x10000)));
            }
            return text;
        };
        for (int round = 0; round < 3000; ++round) {
            const qsizetype sfzhLength = round % 3 == 0 ? 18 : random.bounded(40);
            const qsizetype zkzhLength = round % 3 == 1 ? 11 : random.bounded(40);
            QCOMPARE(chaxun(*table, randomText(sfzhLength), randomText(zkzhLength)), std::nullopt);
        }
        const QString huge = randomText(1 << 20);
        QCOMPARE(chaxun(*table, huge, huge), std::nullopt);
        QCOMPARE(chaxun(*table, sfzh(1), huge), std::nullopt);
    }
};

QTEST_APPLESS_MAIN(TestChaxun)
#include "tst_chaxun.moc"
