// Start-up: the query window Form1 is the start-up window. It is created, runs its load handler
// (centring, emptying its boxes, filling the result table) and is then shown in its input
// state. The program takes no arguments and reads nothing; it ends through endProgram.
#include "app/displayplatform.h"
#include "app/fontsubstitutes.h"
#include "app/projectsettings.h"
#include "ui/query/form1.h"

#include <QApplication>
#include <QIcon>
#include <memory>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    chooseDisplayPlatform();
    QApplication application(argc, argv);
    projectsettings::apply();
    registerFontSubstitutes();
    QApplication::setWindowIcon(QIcon(u":/icons/merrowdale-results.png"_s));

    auto form1 = std::make_unique<Form1>();
    form1->Form_Load();
    form1->show();
    return QApplication::exec();
}
