// The per-user single-instance key: a one-byte shared-memory object named by
// the key and the user's runtime folder, held with an exclusive lock for the
// life of the process. The kernel drops the lock when a copy dies, so a copy
// that crashed never blocks the next start.
#ifndef SINGLEINSTANCEKEY_H
#define SINGLEINSTANCEKEY_H

#include <QByteArray>
#include <QString>

class SingleInstanceKey
{
public:
    explicit SingleInstanceKey(const QString &key);
    ~SingleInstanceKey();

    SingleInstanceKey(const SingleInstanceKey &) = delete;
    SingleInstanceKey &operator=(const SingleInstanceKey &) = delete;

    // True when this process holds the key; false when a running copy does
    // (or the key cannot be made at all, which is logged).
    bool acquire();
    bool isOwner() const { return m_owner; }

    // The user's runtime folder (XDG_RUNTIME_DIR or Qt's per-user fallback),
    // where the hand-over socket lives.
    static QString runtimeDir();

private:
    QByteArray m_name;
    int m_fd = -1;
    bool m_owner = false;
};

#endif
