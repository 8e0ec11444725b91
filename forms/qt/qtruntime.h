#pragma once

#include "forms/identity.h"
#include "forms/qt/endprogram.h"
#include "forms/runtime.h"

#include <QString>
#include <functional>

class QWidget;

namespace qtforms {

// The forms runtime on Qt Widgets. The message box and the end of the program are hooks, so
// that tests can watch both without blocking on a modal box or ending the test process; the
// program keeps the defaults.
struct QtRuntimeHooks
{
    // None: the real message box, captioned with the program's title.
    std::function<void(QWidget *owner, const QString &prompt)> msgBox;
    std::function<void()> end = endProgram; // stops the program at once, panel included
};

// The entry hands it the program's identity: the application's name and version are set from
// it, and the message box is captioned with its title.
class QtRuntime : public forms::Runtime
{
public:
    explicit QtRuntime(const forms::Identity &identity, QtRuntimeHooks hooks = {});

    std::unique_ptr<forms::Window> createWindow(
        const forms::WindowDesign &design, forms::Window *companion) override;
    forms::ScreenTwips screen() const override;
    void msgBox(forms::Window &owner, std::u16string_view prompt) override;
    void end() override;

private:
    QString title;
    QtRuntimeHooks hooks;
};

} // namespace qtforms
