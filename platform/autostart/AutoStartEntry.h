// Start with the desktop session: an XDG autostart entry
// "<config home>/autostart/<application name>.desktop" that runs the program
// (its path quoted) with the given arguments.
#ifndef AUTOSTARTENTRY_H
#define AUTOSTARTENTRY_H

#include <QString>

class AutoStartEntry
{
public:
    // Where the entry of an application lives.
    static QString entryPath(const QString &applicationName);
    // The Exec value: the program path quoted and escaped as the desktop entry
    // rules require, then the arguments as given.
    static QString execLine(const QString &programPath, const QString &arguments);
    // Writes (replaces) the entry. False when it cannot be written.
    static bool write(const QString &applicationName, const QString &programPath, const QString &arguments);
    // Removes the entry; true when none is left.
    static bool remove(const QString &applicationName);
};

#endif
