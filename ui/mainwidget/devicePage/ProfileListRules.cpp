#include "ui/mainwidget/devicePage/ProfileListRules.h"

#include <climits>

bool ProfileListRules::isFull(const LumtarIndexNameList &profiles)
{
    return profiles.size() >= static_cast<size_t>(MaxProfiles);
}

int ProfileListRules::nextIndex(const LumtarIndexNameList &profiles)
{
    if (profiles.empty())
        return 2;
    qint64 highest = 0;
    for (const auto &profile : profiles) {
        bool ok = false;
        const qint64 index = QByteArray::fromStdString(profile.first).trimmed().toLongLong(&ok);
        if (ok && index > highest)
            highest = index;
    }
    // -1: no index is left above the highest one.
    return highest >= INT_MAX ? -1 : static_cast<int>(highest + 1);
}

QString ProfileListRules::defaultName(int index)
{
    return QStringLiteral("Profile%1").arg(index);
}

QByteArray ProfileListRules::importIndex(const LumtarIndexNameList &profiles)
{
    if (profiles.empty())
        return QByteArrayLiteral("1");
    return QByteArray::fromStdString(profiles.back().first);
}

ProfileListRules::NameCheck ProfileListRules::checkName(const QString &name)
{
    if (name.isEmpty())
        return NameCheck::Empty;
    if (name.toUtf8().size() > MaxNameBytes)
        return NameCheck::TooLong;
    return NameCheck::Accepted;
}

QString ProfileListRules::safeFileName(const QString &name, const QString &fallback)
{
    QString safe;
    safe.reserve(name.size());
    for (const QChar c : name) {
        const bool unsafe = c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control
            || c.unicode() == 0x7f;
        safe += unsafe ? QLatin1Char('_') : c;
    }
    if (safe.startsWith(QLatin1Char('.')))
        safe[0] = QLatin1Char('_');
    return safe.isEmpty() ? fallback : safe;
}

QByteArray ProfileListRules::exportFilePath(const QString &folder, const QString &name, int index)
{
    const QString fileName = safeFileName(name, defaultName(index)) + QStringLiteral(".xml");
    const QByteArray path = (folder + QLatin1Char('/') + fileName).toLocal8Bit();
    if (path.size() > MaxExportPathBytes)
        return QByteArray();
    return path;
}
