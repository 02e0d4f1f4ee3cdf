#include "ui/DialogScaffold.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

void buildDialogScaffold(QWidget *dialog, const QString &objectName, const QSize &size)
{
    dialog->setObjectName(objectName);
    dialog->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    dialog->setAttribute(Qt::WA_TranslucentBackground);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFixedSize(size);

    auto *frame = new QFrame(dialog);
    frame->setObjectName(QStringLiteral("frame_Bg"));
    frame->setStyleSheet(QStringLiteral("QFrame#frame_Bg{background-color: rgb(42, 42, 65);}"));
    auto *close = new QPushButton(frame);
    close->setObjectName(QStringLiteral("pushButton_Close"));
    close->setText(QObject::tr("Close"));
    close->setFocusPolicy(Qt::NoFocus);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(close);
    auto *column = new QVBoxLayout(frame);
    column->addLayout(row);
    column->addStretch();
    auto *outer = new QVBoxLayout(dialog);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    QMetaObject::connectSlotsByName(dialog);
}
