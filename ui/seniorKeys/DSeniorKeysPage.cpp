#include "ui/seniorKeys/DSeniorKeysPage.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

DSeniorKeysPage::DSeniorKeysPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("DSeniorKeysPage"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(930, 650);

    auto *frame = new QFrame(this);
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
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    QMetaObject::connectSlotsByName(this);
}

DSeniorKeysPage::~DSeniorKeysPage() = default;

void DSeniorKeysPage::on_pushButton_Close_clicked()
{
    emit sigSeniorKeysPageClose();
    close();
}
