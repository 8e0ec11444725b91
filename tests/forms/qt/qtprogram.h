#pragma once

#include "app/projectsettings.h"
#include "forms/qt/qtruntime.h"
#include "forms/qt/qtwindow.h"
#include "ui/instructions/form2.h"
#include "ui/query/form1.h"

#include <QList>
#include <QString>
#include <QWidget>
#include <memory>

// The query window on the Qt runtime, loaded and, unless asked otherwise, shown, as start-up
// leaves it. Every End is counted instead of taken, so that one test process can end the
// program many times; message boxes are recorded as well, unless the test watches the real one.
class QtProgram
{
public:
    enum class MessageBoxes { recorded, real };
    enum class Shown { no, yes };

    explicit QtProgram(MessageBoxes boxes = MessageBoxes::recorded, Shown shown = Shown::yes)
        : runtime(projectsettings::identity, recordingHooks(boxes))
        , program(std::make_unique<Form1>(runtime))
    {
        program->Form_Load();
        if (shown == Shown::yes) {
            program->window().setVisible(true);
        }
    }

    explicit QtProgram(Shown shown)
        : QtProgram(MessageBoxes::recorded, shown)
    { }

    static QWidget &widget(forms::Window &window)
    {
        return static_cast<qtforms::QtWindow &>(window).widget();
    }

    Form1 &form1() const { return *program; }
    const ResultTable &results() const { return program->results(); }
    QWidget &window() const { return widget(program->window()); }
    // The instructions panel if something has loaded it.
    QWidget *panel() const
    {
        Form2 *loaded = program->instructions().loadedForm2();
        return loaded ? &widget(loaded->window()) : nullptr;
    }
    // The instructions panel, loaded now if nothing has loaded it yet.
    QWidget &loadPanel() const { return widget(program->instructions().form2().window()); }

    // A control of the query window by its design name.
    template<typename T = QWidget> T *control(const QString &name) const
    {
        auto *found = window().findChild<T *>(name, Qt::FindDirectChildrenOnly);
        if (!found) {
            qFatal("no control %s", qPrintable(name));
        }
        return found;
    }

    // What the message boxes would have shown, and how often End was taken.
    QList<QString> prompts;
    int ends = 0;

private:
    qtforms::QtRuntimeHooks recordingHooks(MessageBoxes boxes)
    {
        qtforms::QtRuntimeHooks hooks;
        if (boxes == MessageBoxes::recorded) {
            hooks.msgBox = [this](QWidget *, const QString &prompt) { prompts.append(prompt); };
        }
        hooks.end = [this] { ++ends; };
        return hooks;
    }

    qtforms::QtRuntime runtime;
    std::unique_ptr<Form1> program;
};
