#include "app/qtstartup.h"

#include "app/projectsettings.h"
#include "app/qtapplication.h"
#include "app/startup.h"
#include "forms/qt/msgbox.h"
#include "forms/qt/qtruntime.h"
#include "ui/query/form1.h"

#include <QString>
#include <exception>

using namespace Qt::StringLiterals;

std::unique_ptr<Form1> startQtProgram(qtforms::QtRuntime &runtime, const SealedTable *added)
{
    try {
        prepareApplication();
        return startProgram(runtime, added);
    } catch (const std::exception &failure) {
        qtforms::showPlainOkBox(nullptr, QStringView(projectsettings::identity.title).toString(),
            u"程序无法启动：%1"_s.arg(QString::fromLocal8Bit(failure.what())));
        return nullptr;
    }
}
