// The glue between the window designs and Qt: twips, font sizes, design faces, caption
// wrapping, spoken names and outer window geometry.
#include "forms/qt/captions.h"
#include "forms/qt/designfont.h"
#include "forms/qt/fontsubstitutes.h"
#include "forms/qt/outergeometry.h"
#include "forms/qt/twips.h"

#include <QFont>
#include <QFontInfo>
#include <QTest>
#include <QWidget>
#include <string>

using namespace Qt::StringLiterals;

class TestWindowGlue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qtforms::registerFontSubstitutes(); }

    void twipsToPixels_data()
    {
        QTest::addColumn<double>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("text box left") << 3480.0 << 232;
        QTest::newRow("client width") << 9090.0 << 606;
        QTest::newRow("half pixel rounds up") << 7.5 << 1;
        QTest::newRow("just under half") << 7.4 << 0;
        QTest::newRow("negative half rounds away from zero") << -7.5 << -1;
        QTest::newRow("half a framed width") << 4567.5 << 305;
    }
    void twipsToPixels()
    {
        QFETCH(double, twips);
        QFETCH(int, pixels);
        QCOMPARE(qtforms::twips::toPixels(twips), pixels);
    }

    void fontPointsToPixels_data()
    {
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("pixels");
        QTest::newRow("window font") << 18.0 << 24;
        QTest::newRow("heading") << 15.0 << 20;
        QTest::newRow("credit line, a fractional size") << 14.25 << 19;
        QTest::newRow("narrow button") << 12.0 << 16;
    }
    void fontPointsToPixels()
    {
        QFETCH(double, points);
        QFETCH(int, pixels);
        QCOMPARE(qtforms::twips::fontPixels(points), pixels);
    }

    void designFontsAreRenderedInTheFaceAskedFor_data()
    {
        QTest::addColumn<QString>("face");
        QTest::newRow("宋体") << u"宋体"_s;
        QTest::newRow("黑体") << u"黑体"_s;
    }
    void designFontsAreRenderedInTheFaceAskedFor()
    {
        QFETCH(QString, face);
        const std::u16string designed = face.toStdU16String();
        const QFont font = qtforms::designFont({designed, 18, false});
        // Qt draws with the very face the font names: an installed one, not a fallback.
        QCOMPARE(QFontInfo(font).family(), font.family());
        QVERIFY((QStringList {face} + QFont::substitutes(face))
                    .contains(font.family(), Qt::CaseInsensitive));
        QCOMPARE(QFontInfo(font).pixelSize(), 24);
    }

    void captionWrapping()
    {
        const QFont font = qtforms::designFont({u"宋体", 12, false});
        // Narrower than two characters: one character a line, read top to bottom.
        QCOMPARE(qtforms::wrapCaption(u"软件使用说明"_s, font, 25), u"软\n件\n使\n用\n说\n明"_s);
        // Wide enough: the caption stays on one line, its spaces kept.
        QCOMPARE(qtforms::wrapCaption(u"确    定"_s, font, 217), u"确    定"_s);
        // A character wider than the whole width still stands on a line of its own.
        QCOMPARE(qtforms::wrapCaption(u"软件"_s, font, 1), u"软\n件"_s);
    }

    void aFaceWithNothingToStandInLeavesTheChoiceToQt()
    {
        const QFont font = qtforms::designFont({u"No Such Face 1117", 12, true});
        QCOMPARE(font.family(), u"No Such Face 1117"_s);
        // Qt may then fall back to any face that has the characters, rather than draw boxes.
        QVERIFY(!(font.styleStrategy() & QFont::NoFontMerging));
        QVERIFY(qtforms::designFont({u"宋体", 12, false}).styleStrategy() & QFont::NoFontMerging);
    }

    void spokenNames_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("spread button caption") << u"确    定"_s << u"确定"_s;
        QTest::newRow("label with a colon") << u"姓    名："_s << u"姓名"_s;
        QTest::newRow("plain caption") << u"软件使用说明"_s << u"软件使用说明"_s;
        QTest::newRow("colon inside is kept") << u"说明：一"_s << u"说明：一"_s;
    }
    void spokenNames()
    {
        QFETCH(QString, caption);
        QFETCH(QString, spoken);
        QCOMPARE(qtforms::spokenName(caption), spoken);
    }

    void outerGeometryIncludesTheFrame()
    {
        QWidget window;
        window.resize(200, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QMargins frame(window.geometry().left() - window.frameGeometry().left(),
            window.geometry().top() - window.frameGeometry().top(),
            window.frameGeometry().right() - window.geometry().right(),
            window.frameGeometry().bottom() - window.geometry().bottom());

        qtforms::OuterGeometry outer(window);
        outer.setLeft(1500);
        outer.setTop(3000);
        QTRY_COMPARE(window.frameGeometry().topLeft(), QPoint(100, 200));
        QCOMPARE(outer.left(), 1500.f);
        QCOMPARE(outer.top(), 3000.f);

        outer.setWidth(4500);
        outer.setHeight(3015);
        QTRY_COMPARE(window.frameGeometry().size(), QSize(300, 201));
        QCOMPARE(window.size(),
            QSize(300 - frame.left() - frame.right(), 201 - frame.top() - frame.bottom()));
        QCOMPARE(outer.width(), 4500.f);
        QCOMPARE(outer.height(), 3015.f);
        // Resizing keeps the outer corner where it was.
        QCOMPARE(window.frameGeometry().topLeft(), QPoint(100, 200));
    }
};

QTEST_MAIN(TestWindowGlue)
#include "tst_windowglue.moc"
