#include "ui/mainwidget/DMainWidget.h"

DMainWidget::DMainWidget(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("DMainWidget"));
    resize(1280, 800);
}

DMainWidget::~DMainWidget() = default;

void DMainWidget::hitTestResizeEdge(int globalX, int globalY)
{
    Q_UNUSED(globalX);
    Q_UNUSED(globalY);
}
