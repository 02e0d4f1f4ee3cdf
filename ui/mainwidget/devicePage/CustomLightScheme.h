// One custom-light scheme of a profile as the device page writes it: the
// items of the keys that have a custom colour (a black key has none), and
// the rewrite of the scheme in the profile file as one write. Widget-free.
#ifndef CUSTOMLIGHTSCHEME_H
#define CUSTOMLIGHTSCHEME_H

#include <QColor>
#include <QString>
#include <QVector>

#include <list>

#include "sdk/include/LumtarXml.h"

class CustomLightScheme
{
public:
    // Every item the program writes carries this transparency.
    static constexpr int Transparency = 128;

    // One key of the keyboard view with its custom colour.
    struct Key
    {
        int code = 0;
        QString caption;
        int row = 0;
        int column = 0;
        QColor colour;
    };

    // The items of the keys whose colour is not black, in the order given.
    // The code goes as decimal text, the caption as Latin-1, both cut to
    // fit their fields.
    static std::list<CustomLightItemStu> itemsOf(const QVector<Key> &keys);
    static CustomLightItemStu item(const Key &key);

    // Replaces the keys of scheme `scheme` of profile `profileIndex` with
    // `items`, clearing and filling in one write. False, with nothing
    // written, when the profile has no such scheme or the write failed.
    static bool rewrite(const char *path, int profileIndex, int scheme, const std::list<CustomLightItemStu> &items);
};

#endif
