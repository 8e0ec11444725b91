#include "tests/forms/memoryruntime.h"

#include "forms/designrows.h"

#include <stdexcept>

namespace memoryforms {

MemoryControl::MemoryControl(const forms::ControlDesign &controlDesign)
    : design(controlDesign)
    , content(controlDesign.caption)
{ }

bool MemoryControl::click(bool windowShown)
{
    if (!shown || !windowShown || !clicked) {
        return false;
    }
    clicked();
    return true;
}

MemoryWindow::MemoryWindow(MemoryRuntime &formsRuntime, const forms::WindowDesign &windowDesign,
    forms::Window *companionWindow, bool startFramed)
    : design(windowDesign)
    , companion(companionWindow)
    , runtime(formsRuntime)
    , outerWidth(static_cast<float>(windowDesign.clientWidth))
    , outerHeight(static_cast<float>(windowDesign.clientHeight))
    , framed(false)
{
    for (const forms::ControlDesign &row : design.controls) {
        controls.try_emplace(std::string(row.name), row);
    }
    if (startFramed) {
        frameArrives();
    }
}

void MemoryWindow::setWidth(float value)
{
    outerWidth = value;
    ++resizes;
}

void MemoryWindow::setHeight(float value)
{
    outerHeight = value;
    ++resizes;
}

void MemoryWindow::onTimer(std::function<void()> handler)
{
    if (!design.timer) {
        throw std::logic_error("window " + std::string(design.name) + " has no timer");
    }
    ticked = std::move(handler);
}

bool MemoryWindow::running() const
{
    return runtime.ends == 0;
}

bool MemoryWindow::click(std::string_view name)
{
    return running() && find(name).click(shown);
}

void MemoryWindow::close()
{
    if (running() && unloaded) {
        unloaded();
    }
}

void MemoryWindow::tick()
{
    if (running() && design.timer && ticked) {
        ticked();
    }
}

void MemoryWindow::frameArrives()
{
    if (framed || design.borderStyle == forms::BorderStyle::None) {
        return;
    }
    framed = true;
    outerWidth += 2 * MemoryRuntime::border;
    outerHeight += MemoryRuntime::captionBar + 2 * MemoryRuntime::border;
    if (frameChanged) {
        frameChanged();
    }
}

void MemoryWindow::frameGrows(float width, float height)
{
    outerWidth += width;
    outerHeight += height;
    if (frameChanged) {
        frameChanged();
    }
}

MemoryControl &MemoryWindow::find(std::string_view name)
{
    return forms::named(controls, name, &decltype(controls)::value_type::first).second;
}

std::unique_ptr<forms::Window> MemoryRuntime::createWindow(
    const forms::WindowDesign &design, forms::Window *companion)
{
    auto window = std::make_unique<MemoryWindow>(*this, design, companion, !framesArriveLate);
    windows.push_back(window.get());
    return window;
}

void MemoryWindow::setBusy(bool isBusy)
{
    busySpells += isBusy && !busy ? 1 : 0;
    busy = isBusy;
}

void MemoryRuntime::msgBox(forms::Window &owner, std::u16string_view prompt)
{
    const auto &memoryOwner = dynamic_cast<const MemoryWindow &>(owner);
    boxes.push_back({std::string(memoryOwner.design.name), std::u16string(prompt)});
    if (whileBoxShown) {
        whileBoxShown(boxes.back());
    }
}

MemoryWindow *MemoryRuntime::window(std::string_view name) const
{
    for (MemoryWindow *window : windows) {
        if (window->design.name == name) {
            return window;
        }
    }
    return nullptr;
}

} // namespace memoryforms
