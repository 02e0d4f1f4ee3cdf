// A private home for a test: the XDG data, config and runtime folders point
// into a temporary folder for the life of the object, and are restored after.
#ifndef TEMPHOME_H
#define TEMPHOME_H

#include <QByteArray>
#include <QMap>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

class TempHome
{
public:
    TempHome();
    ~TempHome();

    TempHome(const TempHome &) = delete;
    TempHome &operator=(const TempHome &) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString dataHome() const { return m_dir.path() + QStringLiteral("/data"); }
    QString configHome() const { return m_dir.path() + QStringLiteral("/config"); }
    QString runtimeDir() const { return m_dir.path() + QStringLiteral("/run"); }

    // The environment of this home, for child processes.
    QProcessEnvironment environment() const;

private:
    QTemporaryDir m_dir;
    QMap<QByteArray, QByteArray> m_saved;
};

#endif
