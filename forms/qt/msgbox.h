#pragma once

class QString;
class QWidget;

namespace qtforms {

// The one message box the program raises: modal over owner (or over no window), the prompt, a
// single OK button and no icon. It is raised without a caption of its own and so carries the
// application title. Returns when the user has dismissed it.
void showPlainOkBox(QWidget *owner, const QString &title, const QString &prompt);

} // namespace qtforms
