#include "ui/firmware/DUpdateFirmwareDia.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

DUpdateFirmwareDia::DUpdateFirmwareDia(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("DUpdateFirmwareDia"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(740, 520);

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

DUpdateFirmwareDia::~DUpdateFirmwareDia() = default;

void DUpdateFirmwareDia::setDevices(QMap<QString, QString> likeNames, QList<hidStructInfoAll> candidates)
{
    m_likeNames = likeNames;
    m_candidates = candidates;
}

void DUpdateFirmwareDia::on_pushButton_Close_clicked()
{
    emit sigUpdateFirmwareWindowClose();
    close();
}
