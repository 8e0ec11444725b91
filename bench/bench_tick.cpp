// The docking tick on a real X server, run under tests/x11/with-desktop.sh: the X server's
// answer to where the query window's frame is, one round trip, and the whole tick as the timer
// runs it (that read, the panel moved in the server's pixels and stacked above the frame).
#include "app/projectsettings.h"
#include "forms/qt/fontsubstitutes.h"
#include "forms/qt/qtruntime.h"
#include "forms/qt/qtwindow.h"
#include "forms/qt/x11geometry.h"
#include "ui/instructions/form2.h"
#include "ui/query/form1.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <QTimerEvent>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

QWidget &widgetOf(forms::Window &window)
{
    return static_cast<qtforms::QtWindow &>(window).widget();
}

// The query window shown and framed, with the panel shown beside it.
struct Program
{
    qtforms::QtRuntime runtime {projectsettings::identity};
    Form1 form1 {runtime};

    Program()
    {
        form1.Form_Load();
        form1.window().setVisible(true);
        QWidget &form = widgetOf(form1.window());
        const QDeadlineTimer deadline(5000);
        while (form.frameGeometry() == form.geometry() && !deadline.hasExpired()) {
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        form1.instructions().Command4_Click();
        QApplication::processEvents();
    }
    QWidget &window() { return widgetOf(form1.window()); }
};

Program *program = nullptr;

void serverRectOfTheFrame(benchmark::State &state)
{
    const QWidget &form = program->window();
    for (auto _ : state) {
        benchmark::DoNotOptimize(qtforms::x11geometry::outerRect(form));
    }
}
BENCHMARK(serverRectOfTheFrame);

void wholeTick(benchmark::State &state)
{
    auto *timer = program->window().findChild<QTimer *>(u"Timer1"_qs);
    for (auto _ : state) {
        QTimerEvent tick(timer->timerId());
        QApplication::sendEvent(timer, &tick);
    }
}
BENCHMARK(wholeTick);

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    qtforms::registerFontSubstitutes();
    const auto running = std::make_unique<Program>();
    program = running.get();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
