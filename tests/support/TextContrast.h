// How readable each text on the screen is: the colour every visible widget
// paints its texts in, noted as it paints, against what lies behind each
// text in the rendered window (the colour most of the text's box shows),
// as the contrast ratio of their relative luminances.
#ifndef TEXTCONTRAST_H
#define TEXTCONTRAST_H

#include <QColor>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QVector>
#include <QWidget>

class TextContrast
{
public:
    struct Text
    {
        QPointer<QWidget> widget;
        QString where; // the page or dialog's class and the widget's name
        QString text;
        QColor ink;    // as painted, over the ground where it is translucent
        QColor ground; // what most of the text's box shows
        QRect box;     // in its window's coordinates
        double ratio = 0;
    };

    // The contrast ratio of two colours: 1 (alike) to 21 (black and white).
    static double ratio(const QColor &a, const QColor &b);

    // Every text the visible, enabled widgets of the visible windows paint
    // now, measured. A text its widget shows only in part (scrolled out of
    // view, cut by a parent) is measured on what shows.
    static QVector<Text> measure();
    // The texts of one window.
    static QVector<Text> measure(QWidget *window);
};

#endif
