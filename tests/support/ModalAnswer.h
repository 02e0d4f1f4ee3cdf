// Answering the questions and file dialogs a page opens without waiting
// for them (QDialog::open), the way a user would: the dialog is found as the
// application's active modal widget once it shows.
#ifndef MODALANSWER_H
#define MODALANSWER_H

#include <QString>

class QWidget;

namespace ModalAnswer {

// The modal widget that shows within the time; null when none does.
QWidget *wait(int timeoutMs = 10000);
// Clicks the button captioned `text` of the message box that shows.
bool clickButton(const QString &text, int timeoutMs = 10000);
// Picks `path` in the file dialog that shows and accepts it.
bool choose(const QString &path, int timeoutMs = 10000);
// Closes the file dialog that shows without a choice.
bool cancel(int timeoutMs = 10000);
// The text last shown on the toast of `page` (its own, not a child page's).
QString notice(const QWidget *page);

} // namespace ModalAnswer

#endif
