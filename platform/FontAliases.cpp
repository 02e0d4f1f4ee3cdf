#include "platform/FontAliases.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace FontAliases {

QStringList aliases()
{
    // The forms name the family in English and in Chinese.
    return {QStringLiteral("Microsoft YaHei"), QString::fromUtf8("\xE5\xBE\xAE\xE8\xBD\xAF\xE9\x9B\x85\xE9\xBB\x91")};
}

QString install()
{
    static const char *const candidates[] = {
        "WenQuanYi Micro Hei", "Noto Sans CJK SC", "Source Han Sans SC", "Droid Sans Fallback",
    };
    const QStringList families = QFontDatabase().families();
    for (const char *candidate : candidates) {
        const QString family = QString::fromLatin1(candidate);
        if (families.contains(family, Qt::CaseInsensitive)) {
            for (const QString &alias : aliases())
                QFont::insertSubstitution(alias, family);
            return family;
        }
    }
    return QString();
}

} // namespace FontAliases
