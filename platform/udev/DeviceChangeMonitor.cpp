#include "platform/udev/DeviceChangeMonitor.h"

#include <QDebug>
#include <QMetaObject>
#include <QRegularExpression>
#include <QSocketNotifier>

#include <libudev.h>

#include <cerrno>
#include <cstring>

#include "sdk/include/LumtarHid.h"

namespace {

QString hexId(const QString &text)
{
    bool ok = false;
    const uint value = text.toUInt(&ok, 16);
    if (!ok || value > 0xffff)
        return QString();
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0'));
}

QString nameOf(const QString &subsystem, const QString &vendor, const QString &product, const QString &path)
{
    return QStringLiteral("%1#vid_%2&pid_%3#%4").arg(subsystem, vendor, product, path);
}

} // namespace

DeviceChangeMonitor::DeviceChangeMonitor(QObject *parent)
    : QObject(parent)
{
}

DeviceChangeMonitor::~DeviceChangeMonitor()
{
    // After this returns the SDK no longer calls back; events it queued
    // before are dropped with this object.
    if (m_hotplugId > 0)
        CLumtarHid_UnregisterHotplugCallback(m_hotplugId);
    delete m_notifier;
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
}

bool DeviceChangeMonitor::start()
{
    if (m_hotplugId == 0)
        m_hotplugId = CLumtarHid_RegisterHotplugCallback(&DeviceChangeMonitor::onSdkHotplug, this);
    if (m_notifier)
        return true;

    // A start that failed before keeps its udev context for the next one.
    if (!m_udev)
        m_udev = udev_new();
    if (!m_udev) {
        m_errorText = QStringLiteral("udev_new failed: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (!m_monitor) {
        m_errorText = QStringLiteral("no udev monitor: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    if (udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "usb", "usb_device") < 0
        || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "hidraw", nullptr) < 0
        || udev_monitor_enable_receiving(m_monitor) < 0) {
        m_errorText = QStringLiteral("udev monitor not receiving: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        udev_monitor_unref(m_monitor);
        m_monitor = nullptr;
        return false;
    }
    const int fd = udev_monitor_get_fd(m_monitor);
    m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read);
    connect(m_notifier, &QSocketNotifier::activated, this, &DeviceChangeMonitor::onUdevReadable);
    return true;
}

QString DeviceChangeMonitor::interfaceName(const QString &subsystem, const QString &devtype, const QString &devpath,
                                           const QString &product)
{
    if (subsystem == QLatin1String("hidraw")) {
        // The HID device above the node is named "<bus>:<vendor>:<product>.<n>".
        static const QRegularExpression hidName(
            QStringLiteral("/[0-9A-Fa-f]{4}:([0-9A-Fa-f]{4}):([0-9A-Fa-f]{4})\\.[0-9A-Fa-f]+/"));
        const QRegularExpressionMatch match = hidName.match(devpath);
        if (!match.hasMatch())
            return QString();
        return nameOf(subsystem, match.captured(1).toLower(), match.captured(2).toLower(), devpath);
    }
    if (subsystem == QLatin1String("usb") && devtype == QLatin1String("usb_device")) {
        const QStringList parts = product.split(QLatin1Char('/'));
        if (parts.size() < 2)
            return QString();
        const QString vendor = hexId(parts.at(0));
        const QString productId = hexId(parts.at(1));
        if (vendor.isEmpty() || productId.isEmpty())
            return QString();
        return nameOf(subsystem, vendor, productId, devpath);
    }
    return QString();
}

void DeviceChangeMonitor::onUdevReadable()
{
    // Drain everything that is pending: the socket is edge-like for us.
    while (udev_device *device = udev_monitor_receive_device(m_monitor)) {
        const QString action = QString::fromLatin1(udev_device_get_action(device));
        const QString name = interfaceName(QString::fromLatin1(udev_device_get_subsystem(device)),
                                           QString::fromLatin1(udev_device_get_devtype(device)),
                                           QString::fromLatin1(udev_device_get_devpath(device)),
                                           QString::fromLatin1(udev_device_get_property_value(device, "PRODUCT")));
        udev_device_unref(device);
        if (name.isEmpty())
            continue;
        if (action == QLatin1String("add"))
            emit sigDeviceChanged(true, name);
        else if (action == QLatin1String("remove"))
            emit sigDeviceChanged(false, name);
    }
}

void DeviceChangeMonitor::onSdkHotplug(int arrived, const char *path, void *user)
{
    // Any thread: hand the event to the monitor's own thread.
    auto *monitor = static_cast<DeviceChangeMonitor *>(user);
    const QString name = QString::fromLatin1(path ? path : "");
    const bool isArrival = arrived != 0;
    QMetaObject::invokeMethod(
        monitor, [monitor, isArrival, name]() { emit monitor->sigDeviceChanged(isArrival, name); },
        Qt::QueuedConnection);
}
