#include "platform/SingleInstanceKey.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <unistd.h>

SingleInstanceKey::SingleInstanceKey(const QString &key)
{
    // Shared-memory names are global: the runtime folder makes the key per
    // user (and per session), the hash keeps the name short and plain.
    const QByteArray hash =
        QCryptographicHash::hash((runtimeDir() + QLatin1Char('\n') + key).toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(24);
    m_name = "/lumtar-" + hash;
}

SingleInstanceKey::~SingleInstanceKey()
{
    // The object itself stays: unlinking it while a starting copy has it open
    // would let a third copy create a fresh one and hold a second key.
    if (m_fd >= 0)
        ::close(m_fd); // releases the lock
}

bool SingleInstanceKey::acquire()
{
    if (m_fd < 0) {
        m_fd = ::shm_open(m_name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (m_fd < 0) {
            qDebug() << "Single-instance key not available:" << std::strerror(errno);
            return false;
        }
        if (::ftruncate(m_fd, 1) != 0)
            qDebug() << "Single-instance key not sized:" << std::strerror(errno);
    }
    m_owner = ::flock(m_fd, LOCK_EX | LOCK_NB) == 0;
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
