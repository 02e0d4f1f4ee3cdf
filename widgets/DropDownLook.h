// The look of a drop-down list, the list a combo box opens: its rows, its
// background and its edge all take their colours from the theme. The list
// gets them on its own (a sheet that reaches it through its combo box is
// not always applied to its first showing) and in its palette and its
// frame's, which paint what no sheet covers.
#ifndef DROPDOWNLOOK_H
#define DROPDOWNLOOK_H

#include <QString>

#include "core/ThemeColor.h"

class QComboBox;

class DropDownLook
{
public:
    struct Colors {
        QString background;
        QString text;
        QString border;
        QString selectedBackground; // the row under the pointer or picked
        QString selectedText;
    };

    // The lists of the device page and its feature pages: the page's
    // background and text, the picked row as a selected list row.
    static Colors devicePage(const ThemeColor &theme);

    // `font` is a style-sheet font rule ("font: 75 10pt \"Family\";") or empty.
    static void apply(QComboBox *combo, const Colors &colors, const QString &font);
};

#endif
