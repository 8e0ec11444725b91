// The Qt edition: the query window Form1 is its start-up window, and it ends through End. It
// takes no arguments and reads nothing. A damaged copy says so in one message box and ends
// with a failure status, before any window shows a record.
#include "app/displayplatform.h"
#include "app/projectsettings.h"
#include "app/qtstartup.h"
#include "data/packed/addedlist.h"
#include "data/platform/fatal.h"
#include "forms/qt/msgbox.h"
#include "forms/qt/qtruntime.h"
#include "ui/query/form1.h"

#include <QApplication>
#include <QString>
#include <cstdlib>
#include <string_view>

using namespace Qt::StringLiterals;

namespace {

// The platform's cryptography or text conversion failed (data/platform/fatal.h): one message box
// says so, and the program ends, never showing a result it could not compute.
[[noreturn]] void endOnPlatformFailure(std::string_view message)
{
    qtforms::showPlainOkBox(nullptr, QStringView(projectsettings::identity.title).toString(),
        u"程序无法继续：%1"_s.arg(
            QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size()))));
    std::_Exit(EXIT_FAILURE);
}

} // namespace

int main(int argc, char *argv[])
{
    chooseDisplayPlatform();
    QApplication application(argc, argv);
    fatal::setHandler(endOnPlatformFailure);
    const AddedList added;
    if (added.state() == AddedList::State::damaged) {
        qtforms::showPlainOkBox(nullptr, QStringView(projectsettings::identity.title).toString(),
            QStringView(damagedProgramMessage).toString());
        return EXIT_FAILURE;
    }
    qtforms::QtRuntime runtime(projectsettings::identity);
    const auto form1 = startQtProgram(runtime, added.table());
    return form1 ? QApplication::exec() : EXIT_FAILURE;
}
