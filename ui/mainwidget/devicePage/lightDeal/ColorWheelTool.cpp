#include "ui/mainwidget/devicePage/lightDeal/ColorWheelTool.h"
#include "ui_ColorWheelTool.h"

ColorWheelTool::ColorWheelTool(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::ColorWheelTool)
{
    ui->setupUi(this);
}

ColorWheelTool::~ColorWheelTool()
{
    delete ui;
}
