#include "forms/qt/msgbox.h"

#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace qtforms {

void showPlainOkBox(QWidget *owner, const QString &title, const QString &prompt)
{
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok, owner);
    // The designed caption, which does not depend on Qt's translations being installed.
    QAbstractButton *ok = box.button(QMessageBox::Ok);
    ok->setText(u"确定"_s);
    ok->setIcon(QIcon());
    // Screen readers announce a dialog by its name and description, so the prompt is read out.
    box.setAccessibleName(box.windowTitle());
    box.setAccessibleDescription(prompt);
    box.exec();
}

} // namespace qtforms
