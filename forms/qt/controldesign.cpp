#include "forms/qt/controldesign.h"

#include "forms/designrows.h"
#include "forms/qt/captions.h"
#include "forms/qt/designfont.h"
#include "forms/qt/firstlinevalidator.h"
#include "forms/qt/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <limits>
#include <string_view>
#include <vector>

namespace qtforms {

namespace {

QWidget *createControl(QWidget &window, const forms::ControlDesign &row)
{
    const QString caption = QStringView(row.caption).toString();
    switch (row.kind) {
    case forms::ControlKind::Label: {
        auto *label = new QLabel(caption, &window);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        return label;
    }
    case forms::ControlKind::TextBox: {
        auto *box = new QLineEdit(caption, &window);
        // A text box takes text of any length; Qt's default stops at 32767 characters.
        box->setMaxLength(std::numeric_limits<int>::max());
        box->setValidator(new FirstLineValidator(*box));
        // A name may use a character the design face lacks; the box then draws it from another
        // face instead of as an empty box.
        QObject::connect(box, &QLineEdit::textChanged, box, [box](const QString &text) {
            const QFont covering = fontCovering(box->font(), text);
            if (covering != box->font()) {
                box->setFont(covering);
            }
        });
        return box;
    }
    case forms::ControlKind::CommandButton: {
        auto *button = new QPushButton(&window);
        // Enter clicks a focused button, as Space does, without any button being the default.
        button->setAutoDefault(true);
        return button;
    }
    }
    return nullptr;
}

} // namespace

void buildControls(QWidget &window, std::span<const forms::ControlDesign> rows)
{
    // Before any control exists, so that a design naming a missing label leaves nothing behind.
    for (const forms::ControlDesign &row : rows) {
        if (!row.labelledBy.empty()) {
            forms::named(rows, row.labelledBy, &forms::ControlDesign::name);
        }
    }
    const auto child = [&window](std::string_view name) {
        return window.findChild<QWidget *>(QLatin1StringView(name), Qt::FindDirectChildrenOnly);
    };

    for (const forms::ControlDesign &row : rows) {
        QWidget *control = createControl(window, row);
        control->setObjectName(QLatin1StringView(row.name));
        control->setGeometry(twips::toPixels(row.left, row.top, row.width, row.height));
        if (row.font) {
            control->setFont(designFont(*row.font));
        }
        if (row.foreColor) {
            QPalette palette = control->palette();
            palette.setColor(QPalette::WindowText,
                QColor(row.foreColor->red, row.foreColor->green, row.foreColor->blue));
            control->setPalette(palette);
        }
        if (auto *button = qobject_cast<QPushButton *>(control)) {
            setButtonCaption(*button, QStringView(row.caption).toString());
        }
    }

    // Each text box is announced by the caption of its row, which is also its buddy label.
    for (const forms::ControlDesign &row : rows) {
        if (row.labelledBy.empty()) {
            continue;
        }
        auto *label = qobject_cast<QLabel *>(child(row.labelledBy));
        QWidget *box = child(row.name);
        label->setBuddy(box);
        box->setAccessibleName(spokenName(label->text()));
    }

    const std::vector<const forms::ControlDesign *> order = forms::inTabOrder(rows);
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(child(order[i - 1]->name), child(order[i]->name));
    }
}

} // namespace qtforms
