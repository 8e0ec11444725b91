#include "ui/controldesign.h"

#include "ui/captions.h"
#include "ui/firstlinevalidator.h"
#include "ui/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

QWidget *createControl(QWidget &window, const ControlDesign &row)
{
    switch (row.kind) {
    case ControlKind::Label: {
        auto *label = new QLabel(row.caption, &window);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        return label;
    }
    case ControlKind::TextBox: {
        auto *box = new QLineEdit(row.caption, &window);
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
    case ControlKind::CommandButton: {
        auto *button = new QPushButton(&window);
        // Enter clicks a focused button, as Space does, without any button being the default.
        button->setAutoDefault(true);
        return button;
    }
    }
    return nullptr;
}

} // namespace

void buildControls(QWidget &window, std::span<const ControlDesign> rows)
{
    QList<std::pair<int, QWidget *>> byTabIndex;
    for (const ControlDesign &row : rows) {
        QWidget *control = createControl(window, row);
        control->setObjectName(row.name);
        control->setGeometry(twips::toPixels(row.left, row.top, row.width, row.height));
        if (row.font) {
            control->setFont(designFont(*row.font));
        }
        if (row.foreColor) {
            QPalette palette = control->palette();
            palette.setColor(QPalette::WindowText, *row.foreColor);
            control->setPalette(palette);
        }
        if (auto *button = qobject_cast<QPushButton *>(control)) {
            button->setText(wrapCaption(row.caption, button->font(), button->width()));
            button->setAccessibleName(spokenName(row.caption));
        }
        byTabIndex.append({row.tabIndex, control});
    }

    std::ranges::sort(byTabIndex, {}, &std::pair<int, QWidget *>::first);
    for (qsizetype i = 1; i < byTabIndex.size(); ++i) {
        QWidget::setTabOrder(byTabIndex[i - 1].second, byTabIndex[i].second);
    }
}
