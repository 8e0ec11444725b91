#include "forms/qt/controldesign.h"

#include "forms/qt/captions.h"
#include "forms/qt/designfont.h"
#include "forms/qt/firstlinevalidator.h"
#include "forms/qt/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <algorithm>
#include <limits>

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
    QList<std::pair<int, QWidget *>> byTabIndex;
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
        byTabIndex.append({row.tabIndex, control});
    }

    // Each text box is announced by the caption of its row, which is also its buddy label.
    for (const forms::ControlDesign &row : rows) {
        if (row.labelledBy.empty()) {
            continue;
        }
        auto *label = window.findChild<QLabel *>(
            QLatin1StringView(row.labelledBy), Qt::FindDirectChildrenOnly);
        auto *box
            = window.findChild<QWidget *>(QLatin1StringView(row.name), Qt::FindDirectChildrenOnly);
        label->setBuddy(box);
        box->setAccessibleName(spokenName(label->text()));
    }

    std::ranges::sort(byTabIndex, {}, &std::pair<int, QWidget *>::first);
    for (qsizetype i = 1; i < byTabIndex.size(); ++i) {
        QWidget::setTabOrder(byTabIndex[i - 1].second, byTabIndex[i].second);
    }
}
