#include "forms/qt/qtcontrol.h"

#include "forms/qt/captions.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qtforms {

namespace {

QString toQString(std::u16string_view text)
{
    return QStringView(text).toString();
}

} // namespace

QtControl::QtControl(QWidget &control)
    : widget(control)
{
    if (auto *button = qobject_cast<QPushButton *>(&widget)) {
        QObject::connect(button, &QPushButton::clicked, button, [this] {
            if (clicked) {
                clicked();
            }
        });
    }
}

std::u16string QtControl::text() const
{
    if (const auto *box = qobject_cast<const QLineEdit *>(&widget)) {
        return box->text().toStdU16String();
    }
    if (const auto *label = qobject_cast<const QLabel *>(&widget)) {
        return label->text().toStdU16String();
    }
    // A button shows its caption wrapped to its width; its text is the caption as designed.
    return widget.property("caption").toString().toStdU16String();
}

void QtControl::setText(std::u16string_view text)
{
    if (auto *box = qobject_cast<QLineEdit *>(&widget)) {
        box->setText(toQString(text));
    } else if (auto *label = qobject_cast<QLabel *>(&widget)) {
        label->setText(toQString(text));
    } else if (auto *button = qobject_cast<QPushButton *>(&widget)) {
        setButtonCaption(*button, toQString(text));
    }
}

bool QtControl::visible() const
{
    return !widget.isHidden();
}

void QtControl::setVisible(bool visible)
{
    widget.setVisible(visible);
}

void QtControl::onClick(std::function<void()> handler)
{
    clicked = std::move(handler);
}

} // namespace qtforms
