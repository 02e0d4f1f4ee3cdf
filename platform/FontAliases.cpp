#include "platform/FontAliases.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace FontAliases {

QString install()
{
    static const char *const candidates[] = {
        "WenQuanYi Micro Hei", "Noto Sans CJK SC", "Source Han Sans SC", "Droid Sans Fallback",
    };
    const QStringList families = QFontDatabase().families();
    for (const char *candidate : candidates) {
        const QString family = QString::fromLatin1(candidate);
        if (families.contains(family, Qt::CaseInsensitive)) {
            QFont::insertSubstitution(QStringLiteral("Microsoft YaHei"), family);
            return family;
        }
    }
    return QString();
}

} // namespace FontAliases
