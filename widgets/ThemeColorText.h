// A colour of the theme as its settings write it, "r,g,b" or "r,g,b,a". A
// part that is missing or not a number counts as 0 (a missing alpha as 255)
// and every part is kept within 0..255. An alpha of 0..255 given here takes
// the place of the text's own.
#ifndef THEMECOLORTEXT_H
#define THEMECOLORTEXT_H

#include <QColor>
#include <QString>
#include <QStringList>

inline QColor themeRgb(const QString &text, int alpha = -1)
{
    const QStringList parts = text.split(QLatin1Char(','));
    const auto part = [&parts](int i) { return qBound(0, parts.value(i).trimmed().toInt(), 255); };
    const int a = alpha >= 0 ? qMin(alpha, 255) : (parts.size() > 3 ? part(3) : 255);
    return QColor(part(0), part(1), part(2), a);
}

#endif
