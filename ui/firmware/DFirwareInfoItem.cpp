#include "ui/firmware/DFirwareInfoItem.h"
#include "ui_DFirwareInfoItem.h"

DFirwareInfoItem::DFirwareInfoItem(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DFirwareInfoItem)
{
    ui->setupUi(this);
    const QString label = QStringLiteral("color: rgb(180, 180, 180); font: 75 12pt \"Microsoft YaHei\";");
    ui->label_HidInfo->setStyleSheet(label);
    ui->label_DataTimeInfo->setStyleSheet(label);
    ui->frame->setStyleSheet(QStringLiteral("QFrame#frame{border: none; border-bottom: 1px solid rgb(50, 50, 50);}"));
}

DFirwareInfoItem::~DFirwareInfoItem()
{
    delete ui;
}

void DFirwareInfoItem::setInfo(QString key, QString value)
{
    const int dash = key.indexOf(QLatin1Char('-'));
    ui->label_HidInfo->setText(dash < 0 ? key : key.mid(dash + 1));
    ui->label_DataTimeInfo->setText(value);
}
