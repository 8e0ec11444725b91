#include "forms/qt/qtwindow.h"

#include "forms/designrows.h"
#include "forms/qt/companionwatch.h"
#include "forms/qt/controldesign.h"
#include "forms/qt/designfont.h"
#include "forms/qt/framewatch.h"
#include "forms/qt/outergeometry.h"
#include "forms/qt/twips.h"
#include "forms/qt/x11geometry.h"
#include "forms/qt/x11stacking.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <stdexcept>

namespace qtforms {

namespace {

// A fixed single border: a caption bar with a close box, no maximize or minimize button.
constexpr Qt::WindowFlags fixedSingleBorder = Qt::Window | Qt::CustomizeWindowHint
    | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
    | Qt::MSWindowsFixedSizeDialogHint;
// No border: no frame and no caption bar; without a parent no window owns it.
constexpr Qt::WindowFlags noBorder = Qt::Window | Qt::FramelessWindowHint;
// A tool window gets no taskbar button.
constexpr Qt::WindowFlags noTaskbarButton = Qt::Tool;
constexpr Qt::WindowFlags unmanaged = Qt::X11BypassWindowManagerHint;

// The top-level widget, which reports the user closing it.
class FormWidget : public QWidget
{
public:
    explicit FormWidget(Qt::WindowFlags flags)
        : QWidget(nullptr, flags)
    { }

    std::function<void()> closing;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        if (closing) {
            closing();
        }
        event->accept();
    }
};

// At first show the focus is in the first control of the tab order that can take it.
void focusFirstControl(QWidget &window, std::span<const forms::ControlDesign> rows)
{
    for (const forms::ControlDesign *row : forms::inTabOrder(rows)) {
        if (row->kind != forms::ControlKind::Label) {
            window.findChild<QWidget *>(QLatin1StringView(row->name))->setFocus();
            return;
        }
    }
}

} // namespace

QtWindow::QtWindow(const forms::WindowDesign &design, QWidget *companionWindow)
    : companion(companionWindow)
{
    const bool bordered = design.borderStyle == forms::BorderStyle::FixedSingle;
    auto *window = new FormWidget((bordered ? fixedSingleBorder : noBorder)
        | (design.showInTaskbar ? Qt::WindowFlags() : noTaskbarButton)
        | (companion ? unmanaged : Qt::WindowFlags()));
    form.reset(window);
    window->setObjectName(QLatin1StringView(design.name));
    window->setWindowTitle(QStringView(design.caption).toString());
    if (design.font) {
        window->setFont(designFont(*design.font));
    }
    window->setFixedSize(twips::toPixels(design.clientWidth), twips::toPixels(design.clientHeight));

    buildControls(*window, design.controls);
    for (const forms::ControlDesign &row : design.controls) {
        controls.try_emplace(std::string(row.name),
            *window->findChild<QWidget *>(QLatin1StringView(row.name), Qt::FindDirectChildrenOnly));
    }
    focusFirstControl(*window, design.controls);

    if (design.timer) {
        timer = new QTimer(window);
        timer->setObjectName(QLatin1StringView(design.timer->name));
        timer->setInterval(design.timer->interval);
        QObject::connect(timer, &QTimer::timeout, window, [this] {
            if (ticked) {
                // A tick reads the window's outer geometry several times; the X server is
                // asked once.
                serverRectThisTick = x11geometry::outerRect(*form);
                ticked();
                serverRectThisTick.reset();
            }
        });
        timer->start();
    }
    new FrameWatch(*window, [this] {
        if (frameChanged) {
            frameChanged();
        }
    });
    window->closing = [this] {
        if (unloaded) {
            unloaded();
        }
    };
    if (companion) {
        x11stacking::skipTaskbarAndPager(*window);
        new CompanionWatch(*window, *companion, [this](bool onScreen) {
            companionOnScreen = onScreen;
            showAsHandlersAndCompanionSay();
        });
    }
}

// The widget goes before any other member: the controls, the timer, the frame watch and the
// companion watch die with it, and none of their callbacks can then reach a handler or a
// control that is already gone, whatever the order the members are declared in.
QtWindow::~QtWindow()
{
    form.reset();
}

float QtWindow::left() const
{
    return OuterGeometry(*form, serverRectThisTick).left();
}

float QtWindow::top() const
{
    return OuterGeometry(*form, serverRectThisTick).top();
}

float QtWindow::width() const
{
    return OuterGeometry(*form, serverRectThisTick).width();
}

float QtWindow::height() const
{
    return OuterGeometry(*form, serverRectThisTick).height();
}

void QtWindow::setBusy(bool busy)
{
    // Over the whole program, the text boxes' own cursor included.
    if (busy) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QGuiApplication::restoreOverrideCursor();
    }
    // The handler keeps the event loop waiting, which would send the cursor to the window
    // system only when the work is done.
    QGuiApplication::sync();
}

void QtWindow::setLeft(float value)
{
    OuterGeometry(*form).setLeft(value);
    setByHandlers.left = value;
}

void QtWindow::setTop(float value)
{
    OuterGeometry(*form).setTop(value);
    setByHandlers.top = value;
    // The window manager says nothing when it restacks the companion; a window placed beside it,
    // as every tick places the panel, is put back just above it.
    if (companion) {
        x11stacking::stackJustAbove(*form, *companion);
    }
}

void QtWindow::setWidth(float value)
{
    OuterGeometry(*form).setWidth(value);
    setByHandlers.width = value;
}

void QtWindow::setHeight(float value)
{
    OuterGeometry(*form).setHeight(value);
    setByHandlers.height = value;
}

bool QtWindow::visible() const
{
    return companion ? shownByHandlers : form->isVisible();
}

void QtWindow::setVisible(bool visible)
{
    shownByHandlers = visible;
    showAsHandlersAndCompanionSay();
}

void QtWindow::showAsHandlersAndCompanionSay()
{
    const bool show = shownByHandlers && companionOnScreen;
    const bool showing = show && !form->isVisible();
    form->setVisible(show);
    if (!companion) {
        return;
    }
    // Showing a widget hands Qt's own geometry, in whole device-independent pixels, to the
    // window system once more; the window is put back on the pixels the handlers asked for.
    if (showing) {
        OuterGeometry outer(*form);
        const auto reapply
            = [&outer](std::optional<float> value, void (OuterGeometry::*set)(float)) {
                  if (value) {
                      (outer.*set)(*value);
                  }
              };
        reapply(setByHandlers.width, &OuterGeometry::setWidth);
        reapply(setByHandlers.height, &OuterGeometry::setHeight);
        reapply(setByHandlers.left, &OuterGeometry::setLeft);
        reapply(setByHandlers.top, &OuterGeometry::setTop);
    }
    x11stacking::stackJustAbove(*form, *companion);
}

forms::Control &QtWindow::control(std::string_view name)
{
    return forms::named(controls, name, &decltype(controls)::value_type::first).second;
}

void QtWindow::onUnload(std::function<void()> handler)
{
    unloaded = std::move(handler);
}

void QtWindow::onTimer(std::function<void()> handler)
{
    if (timer == nullptr) {
        throw std::logic_error("window " + form->objectName().toStdString() + " has no timer");
    }
    ticked = std::move(handler);
}

void QtWindow::onFrameChanged(std::function<void()> handler)
{
    frameChanged = std::move(handler);
}

} // namespace qtforms
