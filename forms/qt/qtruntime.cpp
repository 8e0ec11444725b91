#include "forms/qt/qtruntime.h"

#include "forms/qt/msgbox.h"
#include "forms/qt/outergeometry.h"
#include "forms/qt/qtwindow.h"

#include <QCoreApplication>

namespace qtforms {

QtRuntime::QtRuntime(const forms::Identity &identity, QtRuntimeHooks runtimeHooks)
    : title(QStringView(identity.title).toString())
    , hooks(std::move(runtimeHooks))
{
    // The title is deliberately not Qt's application display name, which X11 and Wayland would
    // append to every window's caption.
    QCoreApplication::setApplicationName(QLatin1StringView(identity.asciiName));
    QCoreApplication::setApplicationVersion(QLatin1StringView(identity.version));
}

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
    QWidget *ownerWidget = &static_cast<QtWindow &>(owner).widget();
    const QString text = QStringView(prompt).toString();
    if (hooks.msgBox) {
        hooks.msgBox(ownerWidget, text);
    } else {
        showPlainOkBox(ownerWidget, title, text);
    }
}

void QtRuntime::end()
{
    hooks.end();
}

} // namespace qtforms
