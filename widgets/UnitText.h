// Numbers with their units as the interface shows them. Each is one
// translatable text with the number as %1, so that every language puts the
// number and the unit in its own order ("1.5mm", "250 MS", "%50").
#ifndef UNITTEXT_H
#define UNITTEXT_H

#include <QString>

class UnitText
{
public:
    // Key travel from tenths of a millimetre: "1.5mm".
    static QString travel(int tenths);
    // A macro delay in milliseconds: "250 MS".
    static QString macroDelay(const QString &milliseconds);
    static QString macroDelay(qint64 milliseconds);
    // A percentage: "50%".
    static QString percent(int value);
};

#endif
