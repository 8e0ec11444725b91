// The query window and the panel at a high-DPI scale factor (run once per factor, set through
// QT_SCALE_FACTOR): the layout keeps its proportions and every text stays inside its control.
// Run under tests/x11/with-desktop.sh as well, the panel is flush against the framed query
// window and as tall as it, in the X server's pixels.
#include "forms/qt/fontsubstitutes.h"
#include "tests/forms/qt/qtprogram.h"
#include "tests/x11/xserver.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// The extent a control's text needs, in device-independent pixels: its widest line across, and
// down to the ink of its last line (a lone "*" needs less than a whole line's height).
QSizeF textExtent(const QFont &font, const QString &text)
{
    const QFontMetricsF metrics(font);
    qreal width = 0;
    const QStringList lines = text.split(u'\n');
    for (const QString &line : lines) {
        width = std::max(width, metrics.horizontalAdvance(line));
    }
    const qreal lastInk = metrics.ascent() + metrics.tightBoundingRect(lines.last()).bottom();
    return {width, metrics.lineSpacing() * qreal(lines.size() - 1) + lastInk};
}

// The panel's left edge on the pixel after the frame's right edge, level with its top and as
// tall, as the X server has them.
bool flush(const QtProgram &program)
{
    const QWidget *panel = program.panel();
    if (!panel || !xserver::viewable(*panel)) {
        return false;
    }
    const QRect query = xserver::outerRect(program.window());
    const QRect side = xserver::outerRect(*panel);
    return side.left() == query.right() + 1 && side.top() == query.top()
        && side.height() == query.height();
}

} // namespace

class TestHighDpi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qtforms::registerFontSubstitutes(); }

    void layoutKeepsItsProportionsAndTextFits()
    {
        const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", u"1"_s).toDouble();
        const QtProgram program;
        QWidget &form = program.window();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.devicePixelRatioF(), scale);
        // Drawn at the scale, not drawn small and enlarged.
        QCOMPARE(form.grab().size(), QSize(606, 335) * scale);
        QCOMPARE(form.size(), QSize(606, 335));

        // The same device-independent rectangles as at 1, so the same proportions.
        QCOMPARE(form.findChild<QLineEdit *>(u"Text1(0)"_s)->geometry(), QRect(232, 88, 241, 33));
        QCOMPARE(
            form.findChild<QPushButton *>(u"Command3"_s)->geometry(), QRect(184, 192, 217, 41));

        const auto fits = [](const QWidget *control, const QString &text) {
            const QSizeF needed = textExtent(control->font(), text);
            return needed.width() <= control->width() && needed.height() <= control->height();
        };
        const auto labels = form.findChildren<QLabel *>();
        QCOMPARE(labels.size(), 8);
        for (const QLabel *label : labels) {
            QVERIFY2(fits(label, label->text()), qPrintable(label->objectName()));
        }
        const auto buttons = form.findChildren<QPushButton *>();
        QCOMPARE(buttons.size(), 4);
        for (const QPushButton *button : buttons) {
            QVERIFY2(fits(button, button->text()), qPrintable(button->objectName()));
        }
        // An ID-card number, the longest entry, fits its box without scrolling.
        const auto *box = form.findChild<QLineEdit *>(u"Text1(0)"_s);
        QVERIFY(textExtent(box->font(), u"11010119900101123X"_s).width() < box->width() - 8);

        const auto *instructions = program.loadPanel().findChild<QLabel *>(u"Label1"_s);
        QVERIFY(instructions->heightForWidth(instructions->width()) <= instructions->height());
    }

    // A frame whose outer edges fall between two device-independent pixels still has the panel
    // on the very next pixel of the screen, wherever the window stands.
    void thePanelIsFlushWithTheFrame()
    {
        if (QGuiApplication::platformName() != u"xcb"_s) {
            QSKIP("reads the X server: run under tests/x11/with-desktop.sh");
        }
        const QtProgram program;
        QWidget &form = program.window();
        QTRY_VERIFY(xserver::outerRect(form).height() > form.height() * form.devicePixelRatioF());
        QTest::mouseClick(program.control<QPushButton>(u"Command4"_s), Qt::LeftButton);
        for (const QPoint place : {QPoint(101, 77), QPoint(40, 60), QPoint(333, 151)}) {
            form.move(place);
            // The panel follows on a tick.
            const QSignalSpy ticks(form.findChild<QTimer *>(u"Timer1"_s), &QTimer::timeout);
            QTRY_VERIFY(ticks.count() >= 2);
            QTRY_VERIFY2(flush(program),
                qPrintable(u"frame %1, panel %2"_s.arg(QDebug::toString(xserver::outerRect(form)),
                    QDebug::toString(xserver::outerRect(*program.panel())))));
        }
    }
};

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
