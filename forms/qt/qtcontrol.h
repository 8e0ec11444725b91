#pragma once

#include "forms/runtime.h"

class QWidget;

namespace qtforms {

// A designed label, text box or command button as a Qt widget. A control's Visible is its own
// setting, which holds whether or not its window is shown. A button's clicked signal is
// connected once, to whichever click handler was set last.
class QtControl : public forms::Control
{
public:
    explicit QtControl(QWidget &widget);
    QtControl(const QtControl &) = delete;
    QtControl &operator=(const QtControl &) = delete;

    std::u16string text() const override;
    void setText(std::u16string_view text) override;
    bool visible() const override;
    void setVisible(bool visible) override;
    void onClick(std::function<void()> handler) override;

private:
    QWidget &widget;
    std::function<void()> clicked;
};

} // namespace qtforms
