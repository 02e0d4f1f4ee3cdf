#include "platform/hostinput/DesktopEntry.h"

#include <QList>

namespace {

// The escapes of a string value: \s \n \t \r \\ ; any other backslash stays.
QString unescapeString(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const QChar next = value.at(i + 1);
        switch (next.unicode()) {
        case 's': out += QLatin1Char(' '); break;
        case 'n': out += QLatin1Char('\n'); break;
        case 't': out += QLatin1Char('\t'); break;
        case 'r': out += QLatin1Char('\r'); break;
        case '\\': out += QLatin1Char('\\'); break;
        default:
            out += c;
            out += next;
            break;
        }
        ++i;
    }
    return out;
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

} // namespace

DesktopEntry DesktopEntry::parse(const QByteArray &text)
{
    DesktopEntry entry;
    bool inEntryGroup = false;
    bool haveType = false;
    bool haveExec = false;
    const QList<QByteArray> lines = text.left(MaxFileSize).split('\n');
    for (QByteArray line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (line.startsWith('[')) {
            inEntryGroup = line == "[Desktop Entry]";
            continue;
        }
        const int equals = line.indexOf('=');
        if (!inEntryGroup || equals <= 0)
            continue;
        // Localised keys (Exec[de]) and other keys are not ours; the first
        // of a key counts.
        const QByteArray key = line.left(equals).trimmed();
        const QString value = QString::fromUtf8(line.mid(equals + 1).trimmed());
        if (key == "Type" && !haveType) {
            entry.m_type = unescapeString(value);
            haveType = true;
        } else if (key == "Exec" && !haveExec) {
            entry.m_exec = unescapeString(value);
            haveExec = true;
        }
    }
    return entry;
}

std::optional<QStringList> DesktopEntry::splitExec(const QString &exec)
{
    QStringList arguments;
    QString current;
    bool quoted = false;         // part of it was in quotes: it stays, even empty
    bool onlyFieldCodes = true;  // nothing but field codes so far: it goes
    bool inQuotes = false;

    const auto finish = [&]() {
        if (quoted || !onlyFieldCodes)
            arguments << current;
        current.clear();
        quoted = false;
        onlyFieldCodes = true;
    };

    for (int i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (!inQuotes && isBlank(c)) {
            finish();
            continue;
        }
        if (c == QLatin1Char('"')) {
            inQuotes = !inQuotes;
            quoted = true;
        } else if (c == QLatin1Char('\\')) {
            if (i + 1 == exec.size())
                return std::nullopt;
            const QChar next = exec.at(++i);
            // Inside quotes a backslash escapes only " ` $ and itself.
            if (inQuotes && !QStringLiteral("\"`$\\").contains(next))
                current += c;
            current += next;
            onlyFieldCodes = false;
        } else if (c == QLatin1Char('%') && i + 1 < exec.size()) {
            if (exec.at(++i) == QLatin1Char('%')) {
                current += QLatin1Char('%');
                onlyFieldCodes = false;
            }
        } else {
            current += c;
            onlyFieldCodes = false;
        }
    }
    if (inQuotes)
        return std::nullopt;
    finish();
    if (arguments.isEmpty() || arguments.first().isEmpty())
        return std::nullopt;
    return arguments;
}
