#include "support/ModalAnswer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>

#include "widgets/CbNotice.h"

namespace ModalAnswer {

QWidget *wait(int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (QWidget *modal = QApplication::activeModalWidget())
            if (modal->isVisible())
                return modal;
        QTest::qWait(10);
    }
    return nullptr;
}

bool clickButton(const QString &text, int timeoutMs)
{
    auto *box = qobject_cast<QMessageBox *>(wait(timeoutMs));
    if (!box)
        return false;
    for (QAbstractButton *button : box->buttons()) {
        if (button->text() == text) {
            button->click();
            return true;
        }
    }
    return false;
}

bool choose(const QString &path, int timeoutMs)
{
    auto *dialog = qobject_cast<QFileDialog *>(wait(timeoutMs));
    if (!dialog)
        return false;
    dialog->selectFile(path);
    static_cast<QDialog *>(dialog)->accept(); // as the dialog's own button does
    return true;
}

bool cancel(int timeoutMs)
{
    auto *dialog = qobject_cast<QFileDialog *>(wait(timeoutMs));
    if (!dialog)
        return false;
    dialog->reject();
    return true;
}

QString notice(const QWidget *page)
{
    const QList<CbNotice *> notices = page->findChildren<CbNotice *>(QString(), Qt::FindDirectChildrenOnly);
    return notices.isEmpty() ? QString() : notices.first()->text();
}

} // namespace ModalAnswer
