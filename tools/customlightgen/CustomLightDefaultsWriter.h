// The default custom-light file of one key layout: five schemes, of which
// scheme 0 colours the letter block with its punctuation keys blue and
// scheme 1 colours W, A, S, D and the arrow keys red, each key at its row
// and column in the layout; schemes 2 to 4 are empty. A key the layout
// lacks is left out.
#ifndef CUSTOMLIGHTDEFAULTSWRITER_H
#define CUSTOMLIGHTDEFAULTSWRITER_H

#include <QByteArray>
#include <QStringList>
#include <QVector>

class KeyLayoutFile;

class CustomLightDefaultsWriter
{
public:
    struct Scheme
    {
        QVector<int> keyCodes; // HID usages, in the order the items are written
        int red = 0;
        int green = 0;
        int blue = 0;
    };

    // The two coloured schemes, 0 and 1.
    static const QVector<Scheme> &schemes();

    // The file's text: UTF-8 with an XML declaration, tab indentation and
    // CR LF line ends. The codes of scheme keys the layout lacks go to
    // `missing` when given.
    static QByteArray write(const KeyLayoutFile &layout, QStringList *missing = nullptr);

    // Text as an attribute value, with the five XML entities.
    static QByteArray escaped(const QString &text);
};

#endif
