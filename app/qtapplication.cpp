#include "app/qtapplication.h"

#include "forms/qt/application.h"

#include <QApplication>
#include <QIcon>

using namespace Qt::StringLiterals;

void prepareApplication()
{
    qtforms::prepareQtForms();
    QApplication::setWindowIcon(QIcon(u":/icons/merrowdale-results.png"_s));
    QGuiApplication::setDesktopFileName(u"org.merrowdale.ExamResults"_s);
}
