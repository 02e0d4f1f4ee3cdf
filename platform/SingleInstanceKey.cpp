#include "platform/SingleInstanceKey.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSharedMemory>
#include <QStandardPaths>

SingleInstanceKey::SingleInstanceKey(const QString &key)
    : m_memory(new QSharedMemory)
{
    // On Linux the native key names a file whose inode keys the segment; a
    // file in the runtime folder makes the key per user.
    const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    m_memory->setNativeKey(runtimeDir() + QStringLiteral("/lumtar-instance-") + QString::fromLatin1(hash));
}

SingleInstanceKey::~SingleInstanceKey()
{
    delete m_memory;
}

bool SingleInstanceKey::acquire()
{
    // A segment whose owner died has no process attached: attaching and
    // detaching again makes Qt remove it. A live owner keeps it attached.
    if (m_memory->attach())
        m_memory->detach();
    m_owner = m_memory->create(1, QSharedMemory::ReadWrite);
    return m_owner;
}

QString SingleInstanceKey::runtimeDir()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    return dir;
}
