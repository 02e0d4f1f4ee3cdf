// What the store tests share: the store's log lines collected for a test to
// read, and a file's bytes as they are on disk.
#ifndef STORETESTFILES_H
#define STORETESTFILES_H

#include <QByteArray>
#include <QFile>
#include <QStringList>

#include <string>

namespace storetest {

// The store's log lines since the last clear(); hand collectLog to
// CLumtarXML_SetLogCallback.
inline QStringList &log()
{
    static QStringList lines;
    return lines;
}

inline void collectLog(const char *line)
{
    log() << QString::fromUtf8(line);
}

// The file's bytes; empty when it cannot be read.
inline QByteArray readFile(const std::string &path)
{
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

} // namespace storetest

#endif
