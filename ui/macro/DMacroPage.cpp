#include "ui/macro/DMacroPage.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "sdk/include/LumtarHid.h"

DMacroPage::DMacroPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("DMacroPage"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(1050, 750);

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

DMacroPage::~DMacroPage() = default;

void DMacroPage::setMacroXmlPath(const char *path)
{
    lumtarCopyField(m_macroXmlPath, path);
}

void DMacroPage::on_pushButton_Close_clicked()
{
    emit sigMacroPageClose();
    close();
}
