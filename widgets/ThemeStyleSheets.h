// Style sheets that several pages build from the theme in the same way.
#ifndef THEMESTYLESHEETS_H
#define THEMESTYLESHEETS_H

#include <QString>

#include "core/ThemeColor.h"

// A page's push button: rounded, edged in the border colour on the page's
// background; the edge takes the checked colour when hovered, the text too
// when pressed.
inline QString pageButtonStyleSheet(const ThemeColor &theme, int borderWidth)
{
    return QStringLiteral("QPushButton{border-radius: 8px; border: %5px solid rgb(%1); background-color: rgb(%2); "
                          "color: rgb(%3);}"
                          "QPushButton:hover{background-color: rgb(%2); border: %5px solid rgb(%4);}"
                          "QPushButton:pressed{color: rgb(%4); background-color: rgb(%2); "
                          "border: %5px solid rgb(%4);}")
        .arg(theme.DeviceBorderColor, theme.DeviceRightBgColor, theme.TextDefaultColor, theme.TextCheckedColor)
        .arg(borderWidth);
}

#endif
