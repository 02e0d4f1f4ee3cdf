// The kernel input nodes ("/dev/input/eventN") of one of our keyboards,
// found through udev from the hidraw node the program opened. A keyboard's
// keys usually come from another interface than its command reports, so the
// nodes are those of every HID device of the same keyboard: below the same
// USB device where there is one; otherwise the HID devices with the same
// bus and ids whose physical path differs only in its last "/inputN" part
// (as the kernel names the interfaces of one device), and the HID device of
// the hidraw node itself.
#ifndef KEYBOARDINPUTNODES_H
#define KEYBOARDINPUTNODES_H

#include <QString>
#include <QStringList>

class KeyboardInputNodes
{
public:
    // The hidraw node of a device path text ("hid#vid_..#/dev/hidraw3"), or
    // the text itself when it already is a node; empty for anything else
    // (a simulated keyboard).
    static QString hidrawNodeOf(const QString &devicePath);

    // The input event nodes of the keyboard that owns the hidraw node,
    // sorted; empty when udev does not know the node.
    static QStringList forHidraw(const QString &hidrawNode);

    // "usb-0000:00:14.0-1/input1" -> "usb-0000:00:14.0-1"; empty for an
    // empty path.
    static QString physicalDevice(const QString &hidPhys);
};

#endif
