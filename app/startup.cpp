#include "app/startup.h"

#include "app/fontsubstitutes.h"
#include "app/projectsettings.h"
#include "app/qttranslations.h"
#include "ui/query/form1.h"

#include <QApplication>
#include <QIcon>

using namespace Qt::StringLiterals;

std::unique_ptr<Form1> startProgram()
{
    projectsettings::apply();
    installQtTranslations();
    registerFontSubstitutes();
    QApplication::setWindowIcon(QIcon(u":/icons/merrowdale-results.png"_s));
    // Lets a Wayland compositor match the window with the installed desktop entry.
    QGuiApplication::setDesktopFileName(u"org.merrowdale.ExamResults"_s);

    auto form1 = std::make_unique<Form1>();
    form1->Form_Load();
    form1->show();
    return form1;
}
