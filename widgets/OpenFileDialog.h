// Asking the user for an existing file to open, without waiting for the
// answer: the dialog opens window-modal over its parent and the answer
// reaches a callback, an empty name when the user cancelled. The callback
// does not run when its context object is gone by then. Tests set the
// answer in place of the dialog, and see what was asked.
#ifndef OPENFILEDIALOG_H
#define OPENFILEDIALOG_H

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

class OpenFileDialog
{
public:
    struct Request {
        QString caption;
        QString directory;
        // Name filters, e.g. "Applications (*.desktop)"; the first is selected.
        QStringList filters;
    };
    using Answer = std::function<QString(const Request &request)>;

    static void ask(QWidget *parent, const Request &request, QObject *context,
                    std::function<void(const QString &fileName)> done);

    // Answers every later request with the function (called with the
    // request) instead of showing a dialog; an empty function brings the
    // dialog back.
    static void setAnswerForTesting(Answer answer);
};

#endif
