// Finding the hidraw node of a device the test made, from sysfs.
#ifndef HIDRAWNODES_H
#define HIDRAWNODES_H

#include <functional>
#include <string>

namespace HidrawNodes {

// A hidraw node: its HID device's uevent text and the real path of that
// device in sysfs (".../1-1:1.1/0003:1209:7472.0002" for USB).
using Match = std::function<bool(const std::string &uevent, const std::string &devicePath)>;

// "/dev/hidraw3" of the node that matches, or empty; sysPath receives
// "/sys/class/hidraw/hidraw3".
std::string find(const Match &match, std::string *sysPath = nullptr);
// Waits until such a node exists in /dev; empty after timeoutMs.
std::string waitFor(const Match &match, int timeoutMs, std::string *sysPath = nullptr);
// Waits until no node matches; false after timeoutMs.
bool waitUntilGone(const Match &match, int timeoutMs);

} // namespace HidrawNodes

#endif
