// Font families that the themes name but Linux does not ship.
#ifndef FONTALIASES_H
#define FONTALIASES_H

#include <QString>
#include <QStringList>

namespace FontAliases {

// The family names the forms and themes use for the one CJK font.
QStringList aliases();

// Maps every alias ("Microsoft YaHei", "微软雅黑") to an installed CJK family so the themes' font names
// keep working. Needs a QGuiApplication. Returns the family it maps to, or an
// empty text when no CJK family is installed.
QString install();

} // namespace FontAliases

#endif
