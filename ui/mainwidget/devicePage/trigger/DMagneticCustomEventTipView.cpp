#include "ui/mainwidget/devicePage/trigger/DMagneticCustomEventTipView.h"
#include "ui_DMagneticCustomEventTipView.h"

#include <QFont>
#include <QFontMetrics>

DMagneticCustomEventTipView::DMagneticCustomEventTipView(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DMagneticCustomEventTipView)
{
    ui->setupUi(this);
}

DMagneticCustomEventTipView::~DMagneticCustomEventTipView()
{
    delete ui;
}

QString DMagneticCustomEventTipView::shownValue(const QString &text)
{
    const QFontMetrics metrics(QFont(QStringLiteral("Microsoft YaHei"), 12));
    if (metrics.horizontalAdvance(text) <= MaxValueWidth)
        return text;
    return metrics.elidedText(text, Qt::ElideRight, MaxValueWidth);
}

void DMagneticCustomEventTipView::setData(const TipData &data)
{
    ui->label_1->setText(data.keyName);
    ui->label_2->setText(data.lightFunction);
    ui->label_3->setText(shownValue(data.lightValue));
    ui->label_4->setText(data.heavyFunction);
    ui->label_5->setText(shownValue(data.heavyValue));
    ui->frame_Center->setVisible(!data.hideLight);
    ui->frame_Bottom->setVisible(!data.hideHeavy);
}
