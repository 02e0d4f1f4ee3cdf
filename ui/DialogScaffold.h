// The common frame of the application's frameless dialogs until each gets its
// own form: translucent, deleted when closed, a fixed size, a background frame
// and a close button "pushButton_Close" wired to the dialog's
// on_pushButton_Close_clicked slot by name.
#ifndef DIALOGSCAFFOLD_H
#define DIALOGSCAFFOLD_H

#include <QSize>
#include <QString>

class QWidget;

void buildDialogScaffold(QWidget *dialog, const QString &objectName, const QSize &size);

#endif
