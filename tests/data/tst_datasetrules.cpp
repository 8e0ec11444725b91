// Checks the results list compiled into the program against every rule the lookup and the
// query window rely on, and against the counts of the real examination it stands in for: the
// two loading stages, the forms of the four columns, uniqueness, the ticket-number fields and
// exam rooms, the 18 ticket groups with their sizes and order, and the duplicate names. The
// table is filled exactly as the query window fills it, so a fault in the list or in the table
// builder shows up here.

#include "data/builtinrecords.h"
#include "data/resulttable.h"

#include <QDate>
#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <algorithm>
#include <array>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int firstRecord = ResultTable::firstRecord;
constexpr int lastRecord = ResultTable::lastRecord;
constexpr int emptyAfter = lastRecord + 1;
constexpr int secondStageFirst = 501;

const QString absent = u"缺考"_s;

struct Columns
{
    const char *name;
    ResultTable::Column ResultTable::*column;
};
constexpr std::array<Columns, 4> allColumns {{{"sfzh", &ResultTable::sfzh},
    {"zkzh", &ResultTable::zkzh}, {"xm", &ResultTable::xm}, {"cj", &ResultTable::cj}}};

// ISO 7064 MOD 11-2 as GB 11643 lays it down, written out with the published weights.
QChar expectedCheckCharacter(QStringView first17)
{
    constexpr std::array<int, 17> weights {7, 9, 10, 5, 8, 4, 2, 1, 6, 3, 7, 9, 10, 5, 8, 4, 2};
    int sum = 0;
    for (int i = 0; i < 17; ++i) {
        sum += (first17[i].unicode() - u'0') * weights[static_cast<std::size_t>(i)];
    }
    return QChar(u"10X98765432"[sum % 11]);
}

// A numeric score in hundredths of a point, for comparing scores as numbers.
int scoreCents(const QString &score)
{
    const qsizetype point = score.indexOf(u'.');
    const int whole = QStringView(score).left(point < 0 ? score.size() : point).toInt();
    QString fraction = point < 0 ? QString() : score.mid(point + 1);
    while (fraction.size() < 2) {
        fraction += u'0';
    }
    return whole * 100 + fraction.toInt();
}

bool allAsciiDigits(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QString groupCode(const QString &ticket)
{
    return ticket.left(7);
}

} // namespace

class TestDatasetRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void loadingStages();
    void noEmptyOrBlankValue();
    void checkCharacterOfPublishedExamples_data();
    void checkCharacterOfPublishedExamples();
    void idCardNumbers();
    void ticketNumberCodes();
    void examRoomsAndSeats();
    void names();
    void scores();
    void groupSequence();
    void ticketGroup_data();
    void ticketGroup();

private:
    const QString &sfzh(int i) const { return table->sfzh[static_cast<std::size_t>(i)]; }
    const QString &zkzh(int i) const { return table->zkzh[static_cast<std::size_t>(i)]; }
    const QString &xm(int i) const { return table->xm[static_cast<std::size_t>(i)]; }
    const QString &cj(int i) const { return table->cj[static_cast<std::size_t>(i)]; }

    std::unique_ptr<ResultTable> table = std::make_unique<ResultTable>();
};

void TestDatasetRules::initTestCase()
{
    assignRecords501To1117(*table);
    assignRecords1To500(*table);
}

void TestDatasetRules::loadingStages()
{
    auto partial = std::make_unique<ResultTable>();
    assignRecords501To1117(*partial);
    for (const Columns &c : allColumns) {
        const ResultTable::Column &column = (*partial).*c.column;
        for (int i = 0; i <= emptyAfter; ++i) {
            const bool filled = i >= secondStageFirst && i <= lastRecord;
            QVERIFY2(column[static_cast<std::size_t>(i)].isEmpty() != filled,
                qPrintable(
                    u"%1 at %2 after the first stage"_s.arg(QLatin1StringView(c.name)).arg(i)));
        }
    }

    const ResultTable afterFirstStage = *partial;
    assignRecords1To500(*partial);
    for (const Columns &c : allColumns) {
        const ResultTable::Column &column = (*partial).*c.column;
        const ResultTable::Column &before = afterFirstStage.*c.column;
        QVERIFY(column[0].isEmpty());
        QVERIFY(column[emptyAfter].isEmpty());
        for (int i = firstRecord; i <= lastRecord; ++i) {
            const auto at = static_cast<std::size_t>(i);
            QVERIFY2(!column[at].isEmpty(),
                qPrintable(u"%1 at %2"_s.arg(QLatin1StringView(c.name)).arg(i)));
            // The second stage must leave what the first stage assigned alone.
            if (i >= secondStageFirst) {
                QCOMPARE(column[at], before[at]);
            }
        }
        QVERIFY(column == (*table).*c.column);
    }
}

void TestDatasetRules::noEmptyOrBlankValue()
{
    for (const Columns &c : allColumns) {
        const ResultTable::Column &column = (*table).*c.column;
        for (int i = firstRecord; i <= lastRecord; ++i) {
            const QString &value = column[static_cast<std::size_t>(i)];
            const QString where
                = u"%1 at %2: \"%3\""_s.arg(QLatin1StringView(c.name)).arg(i).arg(value);
            QVERIFY2(!value.isEmpty(), qPrintable(where));
            QVERIFY2(
                std::none_of(value.begin(), value.end(), [](QChar ch) { return ch.isSpace(); }),
                qPrintable(where));
        }
    }
}

void TestDatasetRules::checkCharacterOfPublishedExamples_data()
{
    QTest::addColumn<QString>("number");
    QTest::newRow("ends in X") << u"11010519491231002X"_s;
    QTest::newRow("ends in a digit") << u"440524188001010014"_s;
}

// Guards the check-character helper the other tests rely on.
void TestDatasetRules::checkCharacterOfPublishedExamples()
{
    QFETCH(QString, number);
    QCOMPARE(expectedCheckCharacter(QStringView(number).left(17)), number.back());
}

void TestDatasetRules::idCardNumbers()
{
    static const QSet<int> provinces {11, 12, 13, 14, 15, 21, 22, 23, 31, 32, 33, 34, 35, 36, 37,
        41, 42, 43, 44, 45, 46, 50, 51, 52, 53, 54, 61, 62, 63, 64, 65, 71, 81, 82};
    QSet<QString> seen;
    int endingInX = 0;
    for (int i = firstRecord; i <= lastRecord; ++i) {
        const QString &number = sfzh(i);
        const QString where = u"record %1: %2"_s.arg(i).arg(number);
        QVERIFY2(number.size() == 18, qPrintable(where));
        QVERIFY2(allAsciiDigits(QStringView(number).left(17)), qPrintable(where));
        QVERIFY2(provinces.contains(QStringView(number).left(2).toInt()), qPrintable(where));
        // Candidates were between 18 and 65 years old at the 2020 examination.
        const QDate birth = QDate::fromString(number.mid(6, 8), u"yyyyMMdd"_s);
        QVERIFY2(birth.isValid(), qPrintable(where));
        QVERIFY2(birth >= QDate(1955, 1, 1) && birth <= QDate(2002, 12, 31), qPrintable(where));
        QVERIFY2(number.back() == expectedCheckCharacter(QStringView(number).left(17)),
            qPrintable(where));
        if (number.back() == u'X') {
            ++endingInX;
        }
        seen.insert(number);
    }
    QCOMPARE(seen.size(), qsizetype(lastRecord));
    QCOMPARE(endingInX, 97);
    QCOMPARE(lastRecord - endingInX, 1020);
}

void TestDatasetRules::ticketNumberCodes()
{
    QSet<QString> tickets;
    QSet<QChar> firstDigits;
    QSet<QString> postCodes;
    QSet<QString> kindCodes;
    QSet<QString> groupCodes;
    QHash<QString, QSet<QString>> kindsOfPost;
    for (int i = firstRecord; i <= lastRecord; ++i) {
        const QString &ticket = zkzh(i);
        QVERIFY2(ticket.size() == 11 && allAsciiDigits(ticket),
            qPrintable(u"record %1: %2"_s.arg(i).arg(ticket)));
        tickets.insert(ticket);
        firstDigits.insert(ticket.front());
        postCodes.insert(ticket.left(3));
        kindCodes.insert(ticket.mid(3, 4));
        groupCodes.insert(groupCode(ticket));
        kindsOfPost[ticket.left(3)].insert(ticket.mid(3, 4));
    }
    QCOMPARE(tickets.size(), qsizetype(lastRecord));

    QCOMPARE(firstDigits.size(), 1);
    QVERIFY(*firstDigits.begin() != u'0');
    QCOMPARE(postCodes.size(), 17);
    QCOMPARE(groupCodes.size(), 18);

    QCOMPARE(kindCodes.size(), 2);
    const QString kindA = *kindCodes.begin();
    const QString kindB = *std::next(kindCodes.begin());
    for (int d = 0; d < 4; ++d) {
        QCOMPARE(kindA[d] != kindB[d], d == 1);
    }

    int postsWithBothKinds = 0;
    for (const QSet<QString> &kinds : std::as_const(kindsOfPost)) {
        if (kinds.size() > 1) {
            ++postsWithBothKinds;
        }
    }
    QCOMPARE(postsWithBothKinds, 1);
}

void TestDatasetRules::examRoomsAndSeats()
{
    QMap<int, QSet<int>> seatsOfRoom;
    QHash<int, QSet<QString>> groupsOfRoom;
    QSet<QString> roomAndSeat;
    for (int i = firstRecord; i <= lastRecord; ++i) {
        const QString &ticket = zkzh(i);
        const int room = ticket.mid(7, 2).toInt();
        const int seat = ticket.mid(9, 2).toInt();
        const QString where = u"record %1: %2"_s.arg(i).arg(ticket);
        QVERIFY2(room >= 1 && room <= 39, qPrintable(where));
        QVERIFY2(seat >= 1 && seat <= 30, qPrintable(where));
        QVERIFY2(!roomAndSeat.contains(ticket.mid(7)), qPrintable(where));
        roomAndSeat.insert(ticket.mid(7));
        seatsOfRoom[room].insert(seat);
        groupsOfRoom[room].insert(groupCode(ticket));
    }

    QCOMPARE(seatsOfRoom.size(), 39);
    int fullRooms = 0;
    int shortRooms = 0;
    for (auto it = seatsOfRoom.cbegin(); it != seatsOfRoom.cend(); ++it) {
        const QSet<int> &seats = it.value();
        const int lastSeat = *std::max_element(seats.begin(), seats.end());
        QVERIFY2(seats.size() == lastSeat, qPrintable(u"room %1 has a gap"_s.arg(it.key())));
        if (lastSeat == 30) {
            ++fullRooms;
        } else {
            ++shortRooms;
        }
        QVERIFY2(groupsOfRoom[it.key()].size() > 1,
            qPrintable(u"room %1 holds one group only"_s.arg(it.key())));
    }
    QCOMPARE(fullRooms, 35);
    QCOMPARE(shortRooms, 4);
}

void TestDatasetRules::names()
{
    QMap<qsizetype, int> byLength;
    QHash<QString, int> occurrences;
    for (int i = firstRecord; i <= lastRecord; ++i) {
        const QString &name = xm(i);
        for (const QChar c : name) {
            QVERIFY2(c.unicode() >= 0x4E00 && c.unicode() <= 0x9FA5,
                qPrintable(u"record %1: %2"_s.arg(i).arg(name)));
        }
        ++byLength[name.size()];
        ++occurrences[name];
    }
    const QMap<qsizetype, int> expectedLengths {{2, 281}, {3, 835}, {4, 1}};
    QCOMPARE(byLength, expectedLengths);

    QCOMPARE(occurrences.size(), 1089);
    QMap<int, int> namesByOccurrences;
    for (const int count : std::as_const(occurrences)) {
        ++namesByOccurrences[count];
    }
    const QMap<int, int> expectedRepeats {{1, 1065}, {2, 21}, {3, 2}, {4, 1}};
    QCOMPARE(namesByOccurrences, expectedRepeats);
}

void TestDatasetRules::scores()
{
    // Shortest form: no leading zero, no trailing fractional zero, below 100.
    static const QRegularExpression form(u"^[1-9][0-9](\\.([1-9]|[0-9][1-9]))?$"_s);
    int absentCount = 0;
    QMap<int, int> byFractionDigits;
    QHash<int, QString> textOfValue;
    for (int i = firstRecord; i <= lastRecord; ++i) {
        const QString &score = cj(i);
        if (score == absent) {
            ++absentCount;
            continue;
        }
        QVERIFY2(form.match(score).hasMatch(), qPrintable(u"record %1: %2"_s.arg(i).arg(score)));
        const qsizetype point = score.indexOf(u'.');
        ++byFractionDigits[point < 0 ? 0 : int(score.size() - point - 1)];
        const QString known = textOfValue.value(scoreCents(score), score);
        QCOMPARE(score, known);
        textOfValue.insert(scoreCents(score), score);
    }
    QCOMPARE(absentCount, 108);
    const QMap<int, int> expectedForms {{0, 109}, {1, 208}, {2, 692}};
    QCOMPARE(byFractionDigits, expectedForms);
}

void TestDatasetRules::groupSequence()
{
    QStringList runs;
    for (int i = firstRecord; i <= lastRecord; ++i) {
        if (runs.isEmpty() || runs.back() != groupCode(zkzh(i))) {
            runs.append(groupCode(zkzh(i)));
        }
    }
    QCOMPARE(runs.size(), 18);
    // A code that came back after another group would be a second run of the same group.
    QCOMPARE(QSet<QString>(runs.begin(), runs.end()).size(), 18);

    QStringList ascending = runs;
    ascending.sort();
    QStringList descending(ascending.rbegin(), ascending.rend());
    QVERIFY(runs != ascending);
    QVERIFY(runs != descending);

    // Groups 7 and 8 are the one post with both kinds.
    QCOMPARE(runs[6].left(3), runs[7].left(3));
}

void TestDatasetRules::ticketGroup_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("absentCount");

    struct Row
    {
        int first;
        int last;
        int absentCount;
    };
    constexpr std::array<Row, 18> rows {{{1, 38, 2}, {39, 90, 10}, {91, 112, 5}, {113, 158, 0},
        {159, 197, 6}, {198, 225, 5}, {226, 302, 13}, {303, 828, 24}, {829, 834, 0}, {835, 870, 4},
        {871, 883, 2}, {884, 908, 4}, {909, 928, 3}, {929, 937, 1}, {938, 957, 2}, {958, 992, 9},
        {993, 1067, 15}, {1068, 1117, 3}}};
    int group = 0;
    for (const Row &row : rows) {
        QTest::addRow("group %d", ++group) << row.first << row.last << row.absentCount;
    }
}

void TestDatasetRules::ticketGroup()
{
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(int, absentCount);

    const QString code = groupCode(zkzh(first));
    for (int i = first; i <= last; ++i) {
        QCOMPARE(groupCode(zkzh(i)), code);
    }
    // The run is maximal: its neighbours belong to other groups.
    if (first > firstRecord) {
        QVERIFY(groupCode(zkzh(first - 1)) != code);
    }
    if (last < lastRecord) {
        QVERIFY(groupCode(zkzh(last + 1)) != code);
    }

    int absentSeen = 0;
    for (int i = first; i <= last; ++i) {
        if (cj(i) == absent) {
            ++absentSeen;
        }
    }
    QCOMPARE(absentSeen, absentCount);

    // Scores descending, equal scores by ticket number, then the absent by ticket number.
    for (int i = first; i < last; ++i) {
        const QString where = u"records %1 and %2"_s.arg(i).arg(i + 1);
        const bool thisAbsent = cj(i) == absent;
        const bool nextAbsent = cj(i + 1) == absent;
        QVERIFY2(!thisAbsent || nextAbsent, qPrintable(where));
        if (!thisAbsent && !nextAbsent && scoreCents(cj(i)) != scoreCents(cj(i + 1))) {
            QVERIFY2(scoreCents(cj(i)) > scoreCents(cj(i + 1)), qPrintable(where));
        } else if (thisAbsent == nextAbsent) {
            QVERIFY2(zkzh(i) < zkzh(i + 1), qPrintable(where));
        }
    }
}

QTEST_GUILESS_MAIN(TestDatasetRules)
#include "tst_datasetrules.moc"
