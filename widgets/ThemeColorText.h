// A colour of the theme as its settings write it, "r,g,b" or "r,g,b,a". A
// part that is missing or not a number counts as 0 (a missing alpha as 255)
// and every part is kept within 0..255. An alpha of 0..255 given here takes
// the place of the text's own.
#ifndef THEMECOLORTEXT_H
#define THEMECOLORTEXT_H

#include <QColor>
#include <QtMath>
#include <QString>
#include <QStringList>

inline QColor themeRgb(const QString &text, int alpha = -1)
{
    const QStringList parts = text.split(QLatin1Char(','));
    const auto part = [&parts](int i) { return qBound(0, parts.value(i).trimmed().toInt(), 255); };
    const int a = alpha >= 0 ? qMin(alpha, 255) : (parts.size() > 3 ? part(3) : 255);
    return QColor(part(0), part(1), part(2), a);
}

// The contrast ratio of two colours by their relative luminance, from 1
// (alike) to 21 (black and white); alpha is not looked at.
inline double contrastRatio(const QColor &a, const QColor &b)
{
    const auto channel = [](qreal c) { return c <= 0.03928 ? c / 12.92 : qPow((c + 0.055) / 1.055, 2.4); };
    const auto luminance = [&channel](const QColor &c) {
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// `preferred` where it reads on `ground` (at 4.5:1), else white or black,
// whichever reads better there.
inline QColor readableOn(const QColor &preferred, const QColor &ground)
{
    if (contrastRatio(preferred, ground) >= 4.5)
        return preferred;
    const QColor white(255, 255, 255);
    const QColor black(0, 0, 0);
    return contrastRatio(white, ground) >= contrastRatio(black, ground) ? white : black;
}

// `top` laid over `bottom` by its alpha.
inline QColor blendOver(const QColor &top, const QColor &bottom)
{
    const qreal a = top.alphaF();
    return QColor::fromRgbF(top.redF() * a + bottom.redF() * (1 - a), top.greenF() * a + bottom.greenF() * (1 - a),
                            top.blueF() * a + bottom.blueF() * (1 - a));
}

#endif
