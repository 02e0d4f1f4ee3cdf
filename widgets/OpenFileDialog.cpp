#include "widgets/OpenFileDialog.h"

#include <QFileDialog>
#include <QPointer>
#include <QTimer>

#include <memory>

namespace {

OpenFileDialog::Answer &testAnswer()
{
    static OpenFileDialog::Answer answer;
    return answer;
}

} // namespace

void OpenFileDialog::ask(QWidget *parent, const Request &request, QObject *context,
                         std::function<void(const QString &fileName)> done)
{
    if (testAnswer()) {
        const QString fileName = testAnswer()(request);
        // As from a dialog: after the click that asked has been handled.
        QTimer::singleShot(0, context, [done, fileName]() { done(fileName); });
        return;
    }
    auto *dialog = new QFileDialog(parent, request.caption, request.directory);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setNameFilters(request.filters);
    // One answer per dialog: a choice, or an empty name when it is closed without one.
    auto answered = std::make_shared<bool>(false);
    QObject::connect(dialog, &QFileDialog::fileSelected, context, [done, answered](const QString &fileName) {
        *answered = true;
        done(fileName);
    });
    QObject::connect(dialog, &QDialog::finished, context, [done, answered]() {
        if (!*answered)
            done(QString());
    });
    dialog->open();
}

void OpenFileDialog::setAnswerForTesting(Answer answer)
{
    testAnswer() = std::move(answer);
}
