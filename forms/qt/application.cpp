#include "forms/qt/application.h"

#include "forms/qt/fontsubstitutes.h"
#include "forms/qt/qttranslations.h"

#include <QLocale>

void prepareQtForms()
{
    QLocale::setDefault(
        QLocale(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China));
    installQtTranslations();
    registerFontSubstitutes();
}
