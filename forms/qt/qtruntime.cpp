#include "forms/qt/qtruntime.h"

#include "forms/qt/outergeometry.h"
#include "forms/qt/qtwindow.h"

QtRuntime::QtRuntime(QtRuntimeHooks runtimeHooks)
    : hooks(std::move(runtimeHooks))
{ }

std::unique_ptr<forms::Window> QtRuntime::createWindow(
    const forms::WindowDesign &design, forms::Window *companion)
{
    return std::make_unique<QtWindow>(
        design, companion ? &static_cast<QtWindow *>(companion)->widget() : nullptr);
}

forms::ScreenTwips QtRuntime::screen() const
{
    return primaryScreenTwips();
}

void QtRuntime::msgBox(forms::Window &owner, std::u16string_view prompt)
{
    hooks.msgBox(&static_cast<QtWindow &>(owner).widget(), QStringView(prompt).toString());
}

void QtRuntime::end()
{
    hooks.end();
}
