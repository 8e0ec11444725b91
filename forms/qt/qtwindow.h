#pragma once

#include "forms/qt/qtcontrol.h"
#include "forms/runtime.h"

#include <map>
#include <memory>
#include <string>

class QTimer;
class QWidget;

// A designed window as a top-level Qt widget: its frame, caption, client size, font, controls
// and timer, and its outer geometry in twips. A window with a fixed single border has a
// caption bar with a close box only and cannot be resized; a borderless one is a frameless tool
// window without a taskbar button.
class QtWindow : public forms::Window
{
public:
    explicit QtWindow(const forms::WindowDesign &design);
    ~QtWindow() override;

    float left() const override;
    float top() const override;
    float width() const override;
    float height() const override;
    void setLeft(float value) override;
    void setTop(float value) override;
    void setWidth(float value) override;
    void setHeight(float value) override;
    bool visible() const override;
    void setVisible(bool visible) override;
    forms::Control &control(std::string_view name) override;
    void onUnload(std::function<void()> handler) override;
    void onTimer(std::function<void()> handler) override;
    void onFrameChanged(std::function<void()> handler) override;

    QWidget &widget() const { return *form; }

private:
    std::unique_ptr<QWidget> form;
    std::map<std::string, QtControl, std::less<>> controls;
    QTimer *timer = nullptr;
    std::function<void()> unloaded;
    std::function<void()> frameChanged;
};
