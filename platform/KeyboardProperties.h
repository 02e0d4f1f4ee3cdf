// The desktop's keyboard settings program: found by the desktop the
// session names (XDG_CURRENT_DESKTOP), else the first known one on PATH,
// and started detached, so the caller never waits for it.
#ifndef KEYBOARDPROPERTIES_H
#define KEYBOARDPROPERTIES_H

#include <QString>
#include <QStringList>

class KeyboardProperties
{
public:
    struct Command {
        QString program; // absolute path; empty when none is found
        QStringList arguments;
        bool isValid() const { return !program.isEmpty(); }
    };

    // The program for a desktop list ("KDE", "ubuntu:GNOME", ...), looked
    // up on `path` (a PATH value; the process's own when empty).
    static Command find(const QString &currentDesktop, const QString &path = QString());
    // The program of this session.
    static Command forSession();
    // Starts it detached; false when there is none or it could not start.
    static bool open(const Command &command);
};

#endif
