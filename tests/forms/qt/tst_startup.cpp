// The Qt edition's start-up: the project's settings, Qt's own texts in Chinese, the query
// window shown with the program icon, and the choice of window-system platform.
#include "app/displayplatform.h"
#include "app/projectsettings.h"
#include "app/qtapplication.h"
#include "app/startup.h"
#include "forms/qt/qtruntime.h"
#include "forms/qt/qtwindow.h"
#include "ui/query/form1.h"

#include <QApplication>
#include <QIcon>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QWidget &widget(forms::Window &window)
{
    return static_cast<qtforms::QtWindow &>(window).widget();
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // As the program does between creating the application object and its first window.
    void initTestCase() { prepareApplication(); }

    void startsWithTheQueryWindowShownWithTheProgramsSettingsAndIcon()
    {
        qtforms::QtRuntime runtime(projectsettings::identity);
        const auto form1 = startProgram(runtime);
        QWidget &form = widget(form1->window());
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        QCOMPARE(QCoreApplication::applicationName(), u"merrowdale-results"_s);
        QCOMPARE(QCoreApplication::applicationVersion(), u"1.00"_s);
        QCOMPARE(QLocale().language(), QLocale::Chinese);
        QCOMPARE(QLocale().script(), QLocale::SimplifiedChineseScript);
        // The program icon is the window's icon: one 48 × 48 image.
        QCOMPARE(form.windowIcon().availableSizes(), QList<QSize> {QSize(48, 48)});
        const QImage icon = form.windowIcon().pixmap(48, 48).toImage();
        QCOMPARE(icon.size(), QSize(48, 48));
        QVERIFY(icon.hasAlphaChannel());
    }

    // Qt builds the menu itself, from its own catalogue; ctest runs this under several desktop
    // locales.
    void textBoxMenuIsChinese()
    {
        qtforms::QtRuntime runtime(projectsettings::identity);
        const auto form1 = startProgram(runtime);
        auto *box = widget(form1->window()).findChild<QLineEdit *>(u"Text1(0)"_s);
        QContextMenuEvent click(
            QContextMenuEvent::Mouse, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(box, &click);
        QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());

        QStringList texts;
        for (const QAction *action : menu->actions()) {
            if (!action->isSeparator()) {
                texts.append(action->text());
            }
        }
        menu->close();
        // The shortcut after the tab and the mnemonic in brackets are Latin in every language.
        texts.replaceInStrings(QRegularExpression(u"(\\(&.\\))?(\t.*)?$"_s), QString());
        QCOMPARE(texts,
            QStringList(
                {u"撤消"_s, u"重做"_s, u"剪切"_s, u"复制"_s, u"粘贴"_s, u"删除"_s, u"全选"_s}));
    }

    void platformChoice_data()
    {
        QTest::addColumn<QByteArray>("waylandDisplay");
        QTest::addColumn<QByteArray>("sessionType");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("platformBefore");
        QTest::addColumn<QByteArray>("platformAfter");
        QTest::newRow("X11 session") << QByteArray() << "x11"_ba
                                     << ":0"_ba << QByteArray() << QByteArray();
        QTest::newRow("Wayland with XWayland") << "wayland-0"_ba
                                               << "wayland"_ba
                                               << ":0"_ba << QByteArray() << "xcb"_ba;
        QTest::newRow("Wayland session type alone") << QByteArray() << "wayland"_ba
                                                    << ":1"_ba << QByteArray() << "xcb"_ba;
        QTest::newRow("Wayland without XWayland")
            << "wayland-0"_ba
            << "wayland"_ba << QByteArray() << QByteArray() << QByteArray();
        QTest::newRow("an explicit platform wins") << "wayland-0"_ba
                                                   << "wayland"_ba
                                                   << ":0"_ba
                                                   << "wayland"_ba
                                                   << "wayland"_ba;
    }
    void platformChoice()
    {
        QFETCH(QByteArray, waylandDisplay);
        QFETCH(QByteArray, sessionType);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, platformBefore);
        QFETCH(QByteArray, platformAfter);
        const auto set = [](const char *name, const QByteArray &value) {
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
        };
        const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
        set("WAYLAND_DISPLAY", waylandDisplay);
        set("XDG_SESSION_TYPE", sessionType);
        set("DISPLAY", display);
        set("QT_QPA_PLATFORM", platformBefore);

        chooseDisplayPlatform();
        const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
        qputenv("QT_QPA_PLATFORM", platform);
        QCOMPARE(chosen, platformAfter.isNull() ? QByteArray("") : platformAfter);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
