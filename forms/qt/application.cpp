#include "forms/qt/application.h"

#include "forms/qt/fontsubstitutes.h"
#include "forms/qt/qttranslations.h"

#include <QLocale>

namespace qtforms {

void prepareQtForms()
{
    QLocale::setDefault(
        QLocale(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China));
    installQtTranslations();
    registerFontSubstitutes();
}

} // namespace qtforms
