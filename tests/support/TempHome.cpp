#include "support/TempHome.h"

#include <QDir>
#include <QFile>

namespace {

const char *const kVariables[] = {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"};

} // namespace

TempHome::TempHome()
{
    QDir().mkpath(dataHome());
    QDir().mkpath(configHome());
    QDir().mkpath(runtimeDir());
    QFile::setPermissions(runtimeDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (const char *name : kVariables)
        m_saved.insert(name, qgetenv(name));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome()));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir()));
}

TempHome::~TempHome()
{
    for (auto it = m_saved.cbegin(); it != m_saved.cend(); ++it) {
        if (it.value().isEmpty())
            qunsetenv(it.key().constData());
        else
            qputenv(it.key().constData(), it.value());
    }
}

QProcessEnvironment TempHome::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir());
    return env;
}
