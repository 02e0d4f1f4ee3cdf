// Turns the system's device-change notices into the device page's arrival
// and removal calls. A notice counts when its interface name holds the
// vendor and the product id of a supported device (case-insensitive). The
// notices of one plug or unplug come as a burst, one per interface: they are
// passed on 300 ms after the last one of the burst, each further notice
// restarting the wait, in the order they came, a run of notices of the same
// kind as one. A keyboard in its bootloader is told at once. GUI thread;
// nothing here blocks.
#ifndef DEVICECHANGEROUTER_H
#define DEVICECHANGEROUTER_H

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

class QTimer;

class DeviceChangeRouter : public QObject
{
    Q_OBJECT
public:
    static constexpr int SettleDelayMs = 300;

    explicit DeviceChangeRouter(QObject *parent = nullptr);

    // Vendor and product id texts of the supported devices and of the
    // keyboards in their bootloader.
    void setSupportedIds(const QList<QPair<QString, QString>> &ids);
    void setBootloaderIds(const QList<QPair<QString, QString>> &ids);

    // Drops the notices not passed on yet (quitting).
    void clear();
    bool hasPendingChanges() const { return !m_pending.isEmpty(); }

    // True when the name holds both id texts, each compared without regard to case.
    static bool nameHoldsIds(const QString &name, const QString &vendor, const QString &product);

public slots:
    void onDeviceChangeNotify(bool arrived, const QString &interfaceName);

signals:
    void sigDeviceArrived(QString interfaceName);
    void sigDeviceRemoved(QString interfaceName);
    void sigBootloaderArrived(QString interfaceName);

private:
    void passOn();
    static bool matchesAny(const QString &name, const QList<QPair<QString, QString>> &ids);

    QList<QPair<QString, QString>> m_supportedIds;
    QList<QPair<QString, QString>> m_bootloaderIds;
    QList<QPair<bool, QString>> m_pending;
    QTimer *m_settleTimer = nullptr;
};

#endif
