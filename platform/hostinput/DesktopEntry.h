// A desktop launcher (".desktop" file) as far as starting its program
// goes: the "Type" and "Exec" keys of its [Desktop Entry] group, and the
// Exec line split into a program and its arguments by the desktop-entry
// rules. The arguments go to the program as they are (never to a shell),
// so ";", "|", "$(...)" and the like reach it as plain text. Field codes
// (%f, %U, %i, ...) stand for files, URLs and the launcher's own details
// that a key press does not have: they are dropped, and an argument made of
// field codes alone goes with them; "%%" is a "%". Widget-free and pure.
#ifndef DESKTOPENTRY_H
#define DESKTOPENTRY_H

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class DesktopEntry
{
public:
    // The text of a launcher file (UTF-8); an entry without a [Desktop
    // Entry] group has no type and no Exec line.
    static DesktopEntry parse(const QByteArray &text);

    QString type() const { return m_type; }
    // The Exec value after the general escapes of a string (\s \n \t \r \\).
    QString exec() const { return m_exec; }
    bool isApplication() const { return m_type == QLatin1String("Application"); }

    // The program and its arguments; nothing for an Exec line that is
    // empty, has an open quote or an escape at its very end.
    std::optional<QStringList> arguments() const { return splitExec(m_exec); }
    static std::optional<QStringList> splitExec(const QString &exec);

    // Launcher files larger than this are not read.
    static constexpr int MaxFileSize = 1 << 20;

private:
    QString m_type;
    QString m_exec;
};

#endif
