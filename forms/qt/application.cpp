#include "forms/qt/application.h"

#include "app/projectsettings.h"
#include "forms/qt/fontsubstitutes.h"
#include "forms/qt/qttranslations.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

using namespace Qt::StringLiterals;

void prepareApplication()
{
    QCoreApplication::setApplicationName(QLatin1StringView(projectsettings::applicationName));
    QCoreApplication::setApplicationVersion(QLatin1StringView(projectsettings::version));
    QLocale::setDefault(
        QLocale(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China));
    installQtTranslations();
    registerFontSubstitutes();
    QApplication::setWindowIcon(QIcon(u":/icons/merrowdale-results.png"_s));
    QGuiApplication::setDesktopFileName(u"org.merrowdale.ExamResults"_s);
}
