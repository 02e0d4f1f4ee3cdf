#include "widgets/UnitText.h"

#include <QObject>

QString UnitText::travel(int tenths)
{
    //: Key travel in millimetres; %1 is the number with one decimal.
    return QObject::tr("%1mm").arg(QString::number(tenths / 10.0, 'f', 1));
}

QString UnitText::macroDelay(const QString &milliseconds)
{
    //: A macro delay; %1 is a number of milliseconds.
    return QObject::tr("%1 MS").arg(milliseconds);
}

QString UnitText::macroDelay(qint64 milliseconds)
{
    return macroDelay(QString::number(milliseconds));
}

QString UnitText::percent(int value)
{
    //: A percentage; %1 is the number.
    return QObject::tr("%1%").arg(value);
}
