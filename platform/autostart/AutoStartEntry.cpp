#include "platform/autostart/AutoStartEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// A file name made of the application name: no folder separators, never empty.
QString entryFileName(const QString &applicationName)
{
    QString name = applicationName.trimmed();
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        name = QStringLiteral("lumtar");
    return name + QStringLiteral(".desktop");
}

// A value of type string: no line breaks, backslashes doubled.
QString escapeStringValue(const QString &value)
{
    QString out;
    for (const QChar c : value) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else if (c == QLatin1Char('\t'))
            out += QStringLiteral("\\t");
        else
            out += c;
    }
    return out;
}

} // namespace

QString AutoStartEntry::entryPath(const QString &applicationName)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/autostart/")
        + entryFileName(applicationName);
}

QString AutoStartEntry::execLine(const QString &programPath, const QString &arguments)
{
    // Inside the quotes '"', '`', '$' and '\' take a backslash; '%' is a
    // field code everywhere and is written twice.
    QString quoted;
    for (const QChar c : programPath) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
        quoted += c;
    }
    QString line = QLatin1Char('"') + quoted + QLatin1Char('"');
    if (!arguments.isEmpty()) {
        QString args = arguments;
        args.replace(QLatin1Char('%'), QStringLiteral("%%"));
        line += QLatin1Char(' ') + args;
    }
    return line;
}

bool AutoStartEntry::write(const QString &applicationName, const QString &programPath, const QString &arguments)
{
    const QString path = entryPath(applicationName);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    const QString name = applicationName.trimmed().isEmpty() ? QStringLiteral("lumtar") : applicationName;
    QString text;
    text += QStringLiteral("[Desktop Entry]\n");
    text += QStringLiteral("Type=Application\n");
    text += QStringLiteral("Name=%1\n").arg(escapeStringValue(name));
    text += QStringLiteral("Exec=%1\n").arg(escapeStringValue(execLine(programPath, arguments)));
    text += QStringLiteral("Terminal=false\n");
    text += QStringLiteral("X-GNOME-Autostart-enabled=true\n");

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}

bool AutoStartEntry::remove(const QString &applicationName)
{
    const QString path = entryPath(applicationName);
    return !QFileInfo::exists(path) || QFile::remove(path);
}
