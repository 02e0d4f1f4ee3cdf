// Arrival and removal of USB devices and HID interfaces: a libudev monitor
// of the "usb" (whole devices) and "hidraw" subsystems read on a socket
// notifier, plus the device SDK's hot-plug callback of simulated keyboards.
// Both end in sigDeviceChanged, in the thread of this object, with an
// interface name that holds the vendor and product ids:
//     "<subsystem>#vid_vvvv&pid_pppp#<path>"
// (four lower-case hex digits each; the SDK's own path text for a simulated
// keyboard).
#ifndef DEVICECHANGEMONITOR_H
#define DEVICECHANGEMONITOR_H

#include <QObject>
#include <QString>

class QSocketNotifier;
struct udev;
struct udev_monitor;

class DeviceChangeMonitor : public QObject
{
    Q_OBJECT

public:
    explicit DeviceChangeMonitor(QObject *parent = nullptr);
    ~DeviceChangeMonitor() override;

    // Subscribes to the SDK's simulated hot-plug and starts the udev monitor.
    // Returns false when the udev monitor cannot run (errorText says why);
    // simulated devices are reported all the same.
    bool start();
    bool isUdevMonitorRunning() const { return m_notifier != nullptr; }
    QString errorText() const { return m_errorText; }

    // The interface name of one udev event, or an empty text when the event
    // is not one this monitor reports (a USB interface, a device without ids).
    // devpath is the event's DEVPATH, product its PRODUCT property
    // ("vid/pid/bcd" in hex without leading zeros, usb devices only).
    static QString interfaceName(const QString &subsystem, const QString &devtype, const QString &devpath,
                                 const QString &product);

signals:
    void sigDeviceChanged(bool arrived, QString interfaceName);

private slots:
    void onUdevReadable();

private:
    static void onSdkHotplug(int arrived, const char *path, void *user);

    struct udev *m_udev = nullptr;
    struct udev_monitor *m_monitor = nullptr;
    QSocketNotifier *m_notifier = nullptr;
    int m_hotplugId = 0;
    QString m_errorText;
};

#endif
