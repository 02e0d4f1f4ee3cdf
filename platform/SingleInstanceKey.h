// The per-user single-instance key: a one-byte shared-memory segment named by
// the key in the user's runtime folder. A segment left behind by a copy that
// crashed is released before the key is taken, so it never blocks a start.
#ifndef SINGLEINSTANCEKEY_H
#define SINGLEINSTANCEKEY_H

#include <QString>

class QSharedMemory;

class SingleInstanceKey
{
public:
    explicit SingleInstanceKey(const QString &key);
    ~SingleInstanceKey();

    SingleInstanceKey(const SingleInstanceKey &) = delete;
    SingleInstanceKey &operator=(const SingleInstanceKey &) = delete;

    // True when this process created the key; false when a running copy holds it.
    bool acquire();
    bool isOwner() const { return m_owner; }

    // The user's runtime folder (XDG_RUNTIME_DIR or Qt's per-user fallback),
    // where the key and the hand-over socket live.
    static QString runtimeDir();

private:
    QSharedMemory *m_memory;
    bool m_owner = false;
};

#endif
