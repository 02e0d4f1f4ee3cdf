#include "platform/evdev/KeyboardInputNodes.h"

#include "sdk/hid/DevicePathText.h"

#include <libudev.h>

#include <memory>

namespace {

struct UdevDeleter {
    void operator()(udev *u) const { udev_unref(u); }
    void operator()(udev_device *d) const { udev_device_unref(d); }
    void operator()(udev_enumerate *e) const { udev_enumerate_unref(e); }
};
template <class T>
using UdevPtr = std::unique_ptr<T, UdevDeleter>;

QString text(const char *value)
{
    return value ? QString::fromUtf8(value) : QString();
}

// What names the keyboard a HID device belongs to.
struct Owner {
    QString usbDevice; // syspath of the USB device, when there is one
    QString hidDevice; // syspath of the HID device
    QString hidId;     // "0003:00001209:00007472"
    QString physical;  // the HID_PHYS without its "/inputN" part
};

Owner ownerOf(udev_device *hid)
{
    Owner owner;
    owner.hidDevice = text(udev_device_get_syspath(hid));
    owner.hidId = text(udev_device_get_property_value(hid, "HID_ID"));
    owner.physical = KeyboardInputNodes::physicalDevice(text(udev_device_get_property_value(hid, "HID_PHYS")));
    // The parent is owned by its child.
    if (udev_device *usb = udev_device_get_parent_with_subsystem_devtype(hid, "usb", "usb_device"))
        owner.usbDevice = text(udev_device_get_syspath(usb));
    return owner;
}

bool sameKeyboard(const Owner &ours, const Owner &other)
{
    if (other.hidDevice == ours.hidDevice)
        return true;
    if (!ours.usbDevice.isEmpty())
        return other.usbDevice == ours.usbDevice;
    return other.usbDevice.isEmpty() && !ours.physical.isEmpty() && other.physical == ours.physical
           && !ours.hidId.isEmpty() && other.hidId == ours.hidId;
}

} // namespace

QString KeyboardInputNodes::hidrawNodeOf(const QString &devicePath)
{
    QString osPath = devicePath;
    lumtar::DevicePathText parsed;
    if (lumtar::DevicePathText::parse(devicePath.toStdString(), &parsed))
        osPath = QString::fromStdString(parsed.osPath);
    if (!osPath.startsWith(QLatin1String("/dev/hidraw")))
        return QString();
    const QString number = osPath.mid(int(qstrlen("/dev/hidraw")));
    bool ok = false;
    number.toUInt(&ok);
    return ok ? osPath : QString();
}

QString KeyboardInputNodes::physicalDevice(const QString &hidPhys)
{
    const int slash = hidPhys.lastIndexOf(QLatin1Char('/'));
    if (slash > 0 && hidPhys.midRef(slash + 1).startsWith(QLatin1String("input")))
        return hidPhys.left(slash);
    return hidPhys;
}

QStringList KeyboardInputNodes::forHidraw(const QString &hidrawNode)
{
    QStringList nodes;
    const QString node = hidrawNodeOf(hidrawNode);
    if (node.isEmpty())
        return nodes;
    UdevPtr<udev> u(udev_new());
    if (!u)
        return nodes;
    const QByteArray sysname = node.mid(int(qstrlen("/dev/"))).toUtf8();
    UdevPtr<udev_device> hidraw(udev_device_new_from_subsystem_sysname(u.get(), "hidraw", sysname.constData()));
    if (!hidraw)
        return nodes;
    udev_device *hid = udev_device_get_parent_with_subsystem_devtype(hidraw.get(), "hid", nullptr);
    if (!hid)
        return nodes;
    const Owner ours = ownerOf(hid);

    UdevPtr<udev_enumerate> enumerate(udev_enumerate_new(u.get()));
    if (!enumerate)
        return nodes;
    udev_enumerate_add_match_subsystem(enumerate.get(), "input");
    udev_enumerate_add_match_sysname(enumerate.get(), "event*");
    udev_enumerate_scan_devices(enumerate.get());
    udev_list_entry *entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate.get()))
    {
        UdevPtr<udev_device> input(udev_device_new_from_syspath(u.get(), udev_list_entry_get_name(entry)));
        if (!input)
            continue;
        udev_device *otherHid = udev_device_get_parent_with_subsystem_devtype(input.get(), "hid", nullptr);
        const char *devnode = udev_device_get_devnode(input.get());
        if (otherHid && devnode && sameKeyboard(ours, ownerOf(otherHid)))
            nodes << QString::fromUtf8(devnode);
    }
    nodes.sort();
    return nodes;
}
