#include "platform/FontAliases.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace FontAliases {

namespace {

// The first of these that is installed is the aliases' own family.
const char *const kCjkCandidates[] = {
    "WenQuanYi Micro Hei", "Noto Sans CJK SC", "Source Han Sans SC", "Droid Sans Fallback",
};

// Behind it, for the scripts it may lack: traditional Han, kana, Hangul,
// Latin with its accented letters, Cyrillic and Arabic.
const char *const kScriptFamilies[] = {
    "Noto Sans CJK TC", "Noto Sans CJK JP", "Noto Sans CJK KR", "Noto Sans", "Noto Sans Arabic",
    "Noto Naskh Arabic", "DejaVu Sans",
};

} // namespace

QStringList aliases()
{
    // The forms name the family in English and in Chinese.
    return {QStringLiteral("Microsoft YaHei"), QString::fromUtf8("\xE5\xBE\xAE\xE8\xBD\xAF\xE9\x9B\x85\xE9\xBB\x91")};
}

QStringList families()
{
    return QFont::substitutes(aliases().constFirst());
}

QString install()
{
    const QStringList installed = QFontDatabase().families();
    const auto isInstalled = [&installed](const QString &family) {
        return installed.contains(family, Qt::CaseInsensitive);
    };
    QString cjk;
    for (const char *candidate : kCjkCandidates) {
        if (isInstalled(QString::fromLatin1(candidate))) {
            cjk = QString::fromLatin1(candidate);
            break;
        }
    }
    QStringList chain;
    if (!cjk.isEmpty())
        chain << cjk;
    for (const char *family : kScriptFamilies) {
        if (isInstalled(QString::fromLatin1(family)))
            chain << QString::fromLatin1(family);
    }
    for (const QString &alias : aliases()) {
        QFont::removeSubstitutions(alias);
        QFont::insertSubstitutions(alias, chain);
    }
    return cjk;
}

} // namespace FontAliases
