#pragma once

#include "forms/runtime.h"

class QWidget;

// A designed label, text box or command button as a Qt widget. A control's Visible is its own
// setting, which holds whether or not its window is shown.
class QtControl : public forms::Control
{
public:
    explicit QtControl(QWidget &widget);

    std::u16string text() const override;
    void setText(std::u16string_view text) override;
    bool visible() const override;
    void setVisible(bool visible) override;
    void onClick(std::function<void()> handler) override;

private:
    QWidget &widget;
};
