// Font families that the themes name but Linux does not ship.
#ifndef FONTALIASES_H
#define FONTALIASES_H

#include <QString>

namespace FontAliases {

// Maps "Microsoft YaHei" to an installed CJK family so the themes' font names
// keep working. Needs a QGuiApplication. Returns the family it maps to, or an
// empty text when no CJK family is installed.
QString install();

} // namespace FontAliases

#endif
