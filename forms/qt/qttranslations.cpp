#include "forms/qt/qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace qtforms {

void installQtTranslations()
{
    // The catalogue is named outright rather than chosen by the system locale, since the
    // interface has one language. qtbase alone holds the widgets' texts; qt_zh_CN would load
    // every module's catalogue. The translator lives as long as the application.
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(u"qtbase_zh_CN"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

} // namespace qtforms
