// Font families that the themes name but Linux does not ship.
#ifndef FONTALIASES_H
#define FONTALIASES_H

#include <QString>
#include <QStringList>

namespace FontAliases {

// The family names the forms and themes use for the one CJK font.
QStringList aliases();

// Maps every alias ("Microsoft YaHei", "微软雅黑") to the installed families
// that draw the interface's languages: first a CJK family, then families for
// traditional Han, kana, Hangul, Latin, Cyrillic and Arabic, so the themes'
// font names keep working in every language. Needs a QGuiApplication.
// Returns the CJK family the aliases map to first, or an empty text when no
// CJK family is installed.
QString install();

// The installed families the aliases map to, in order.
QStringList families();

} // namespace FontAliases

#endif
