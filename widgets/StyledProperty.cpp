#include "widgets/StyledProperty.h"

#include <QByteArray>
#include <QStyle>
#include <QVariant>
#include <QWidget>

void restyle(QWidget *widget)
{
    if (!widget->testAttribute(Qt::WA_WState_Polished))
        return;
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

void setStyledProperty(QWidget *widget, const char *name, const char *value)
{
    if (widget->property(name).toByteArray() == value)
        return;
    widget->setProperty(name, QByteArray(value));
    restyle(widget);
}
