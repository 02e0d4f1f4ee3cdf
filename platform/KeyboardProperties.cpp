#include "platform/KeyboardProperties.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

namespace {

struct Known {
    const char *desktop; // as XDG_CURRENT_DESKTOP names it, lower case
    const char *program;
    const char *argument; // nullptr: none
};

// In the order the PATH fallback tries them.
const Known kKnown[] = {
    {"gnome", "gnome-control-center", "keyboard"},
    {"unity", "gnome-control-center", "keyboard"},
    {"budgie", "gnome-control-center", "keyboard"},
    {"kde", "systemsettings", "kcm_keyboard"},
    {"kde", "systemsettings5", "kcm_keyboard"},
    {"xfce", "xfce4-keyboard-settings", nullptr},
    {"mate", "mate-keyboard-properties", nullptr},
    {"x-cinnamon", "cinnamon-settings", "keyboard"},
    {"lxqt", "lxqt-config-input", nullptr},
};

KeyboardProperties::Command commandOf(const Known &k, const QStringList &dirs)
{
    KeyboardProperties::Command c;
    c.program = dirs.isEmpty() ? QStandardPaths::findExecutable(QString::fromLatin1(k.program))
                               : QStandardPaths::findExecutable(QString::fromLatin1(k.program), dirs);
    if (k.argument && c.isValid())
        c.arguments << QString::fromLatin1(k.argument);
    return c;
}

} // namespace

KeyboardProperties::Command KeyboardProperties::find(const QString &currentDesktop, const QString &path)
{
    const QStringList dirs = path.isEmpty() ? QStringList() : path.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString &desktop : currentDesktop.toLower().split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        for (const Known &k : kKnown) {
            if (desktop != QLatin1String(k.desktop))
                continue;
            const Command c = commandOf(k, dirs);
            if (c.isValid())
                return c;
        }
    }
    for (const Known &k : kKnown) {
        const Command c = commandOf(k, dirs);
        if (c.isValid())
            return c;
    }
    return Command();
}

KeyboardProperties::Command KeyboardProperties::forSession()
{
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    return find(env.value(QStringLiteral("XDG_CURRENT_DESKTOP")), env.value(QStringLiteral("PATH")));
}

bool KeyboardProperties::open(const Command &command)
{
    return command.isValid() && QProcess::startDetached(command.program, command.arguments);
}
