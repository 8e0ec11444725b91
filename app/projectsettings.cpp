#include "app/projectsettings.h"

#include <QCoreApplication>
#include <QLocale>

namespace projectsettings {

void apply()
{
    QCoreApplication::setApplicationName(applicationName);
    QCoreApplication::setApplicationVersion(version);
    QLocale::setDefault(
        QLocale(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China));
}

} // namespace projectsettings
