// The keyboards the device page lists, without any widget: one record per
// attached device (keyboards by cable and receivers, by device path), one
// offline placeholder record per known model without a device, the device
// link of every listed device, and what each receiver last reported of its
// keyboard. It also keeps the page's device work in order: an enumeration,
// a re-enumeration or an open runs as steps over time, and a task that
// comes meanwhile is remembered and handed back (taskDue) once none runs.
//
// A link is opened when its device is listed and then waits, without
// blocking, up to 1.3 s for the keyboard's first replies; links wait side
// by side, and linksSettled() tells when none waits any more. A link that
// cannot open (no permission, device gone) is dropped at once and tried
// again at the next device change. GUI thread only.
#ifndef KEYBOARDROSTER_H
#define KEYBOARDROSTER_H

#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>

#include "sdk/include/LumtarHid.h"

class DDeviceKeyboardLink;
class LinkReadyWait;

class KeyboardRoster : public QObject
{
    Q_OBJECT
public:
    static constexpr int LinkReadyWaitMs = 1300;
    // What a receiver reports of its keyboard.
    enum { DonglePresent = 0, DongleAbsent = 1 };
    // Device work that runs over time.
    enum class Work { Loading, Updating, Opening };
    // Work that waits until none runs, in the order it is taken up.
    enum class Task { LoadList, Arrival, Removal, DongleRecheck };
    Q_ENUM(Task)

    struct Difference
    {
        QStringList gone;                 // listed paths no longer attached
        QList<hidStructInfoAll> arrived;  // attached devices not listed, in path order
    };

    explicit KeyboardRoster(QObject *parent = nullptr);
    ~KeyboardRoster() override;

    // ---- listing ----
    // The first enumeration: forgets every listed device and lists the
    // attached ones. Returns the records in the order of the strip: keyboards
    // by cable, then receivers (their keyboard counted absent until they
    // report it), then one offline placeholder per model without a device.
    QList<hidStructInfoAll> enumerateAll();
    // The attached devices compared with the listed ones.
    Difference compareWithAttached() const;
    // Lists an arrived device; a receiver is listed offline, its keyboard absent.
    void addDevice(hidStructInfoAll record);
    // Unlists a device and retires its link; returns its last record.
    hidStructInfoAll removeDevice(const QString &path);
    // Keeps a changed record (online flag) of a listed device.
    void updateRecord(const QString &path, const hidStructInfoAll &record);
    bool contains(const QString &path) const { return m_hidInfoMap.contains(path); }
    hidStructInfoAll record(const QString &path) const { return m_hidInfoMap.value(path); }
    QMap<QString, hidStructInfoAll> deviceInfoMap() const { return m_hidInfoMap; }
    // The "like" name of every listed device, by path.
    QMap<QString, QString> likeNameMap() const;
    // The device to show in place of one that went: the first listed, in
    // path order, that is a keyboard by cable or a receiver reporting its
    // keyboard present. False when there is none.
    bool findReplacement(hidStructInfoAll *record) const;

    // ---- links ----
    // Creates and opens the link of a listed device (linkCreated comes
    // before it opens). A device that has one keeps it.
    void createLink(const hidStructInfoAll &record);
    // Listed devices whose link was dropped get another one.
    void relinkUnlinked();
    DDeviceKeyboardLink *link(const QString &path) const { return KeyboardLinkListMap.value(path); }
    QMap<QString, DDeviceKeyboardLink *> links() const { return KeyboardLinkListMap; }
    // Some link still waits for its keyboard's first replies.
    bool isSettling() const { return !m_settling.isEmpty(); }
    // Ends the waits of links whose device is no longer attached.
    void giveUpVanished();
    // Closes a link (its I/O thread is joined) and deletes it once control
    // is back in the event loop.
    void retireLink(const QString &path);
    // Ends every wait and closes every link now, joining every I/O thread;
    // nothing is listed afterwards and no signal follows.
    void closeAll();

    // ---- receivers ----
    // The last report of a receiver; one that has not reported has no keyboard.
    int dongleStatus(const QString &path) const { return m_dongleStatusMap.value(path, DongleAbsent); }
    void setDongleStatus(const QString &path, int status) { m_dongleStatusMap.insert(path, status); }
    QStringList receiverPaths() const { return m_dongleStatusMap.keys(); }

    // ---- device work ----
    void setWorking(Work work, bool on);
    bool isWorking(Work work) const { return m_working.contains(work); }
    bool isBusy() const { return !m_working.isEmpty(); }
    // The first enumeration is over.
    bool isListLoaded() const { return m_listLoaded; }
    void setListLoaded();
    // Remembers a task until no work runs.
    void defer(Task task);
    // Loaded, no work running, none waiting, no link waiting.
    bool isIdle() const;

    // Paths of the attached supported devices, in the SDK's order.
    static QStringList attachedPaths();

signals:
    // A link was made: connect to its signals now, it opens next.
    void linkCreated(DDeviceKeyboardLink *link);
    // No link waits for its keyboard's first replies any more.
    void linksSettled();
    // A deferred task can run now.
    void taskDue(KeyboardRoster::Task task);

private:
    void settle(const QString &path);
    void schedule();
    void runDue();

    // Every listed device with a path, by path.
    QMap<QString, hidStructInfoAll> m_hidInfoMap;
    QMap<QString, DDeviceKeyboardLink *> KeyboardLinkListMap;
    QMap<QString, int> m_dongleStatusMap;
    QHash<QString, LinkReadyWait *> m_settling;
    QList<QPointer<DDeviceKeyboardLink>> m_retired;
    int m_linkCount = 0;

    QSet<Work> m_working;
    QSet<Task> m_deferred;
    bool m_listLoaded = false;
    bool m_scheduled = false;
};

inline uint qHash(KeyboardRoster::Work work, uint seed = 0)
{
    return ::qHash(static_cast<int>(work), seed);
}

inline uint qHash(KeyboardRoster::Task task, uint seed = 0)
{
    return ::qHash(static_cast<int>(task), seed);
}

#endif
