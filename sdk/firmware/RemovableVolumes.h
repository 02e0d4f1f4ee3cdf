// The removable volumes the firmware library names by drive letter, in
// their fixed order: first the mounted removable disks of the mount table
// (by mount point), then the update volumes of this process's simulated
// keyboards (by number). Letter 'A' is the first.
#ifndef LUMTAR_REMOVABLE_VOLUMES_H
#define LUMTAR_REMOVABLE_VOLUMES_H

#include <string>
#include <vector>

namespace lumtar {
namespace firmware {

class RemovableVolumes {
public:
    static constexpr int kLetters = 26;

    // The folders, in letter order (at most kLetters).
    static std::vector<std::string> list();
    // The folder of a drive letter ('A'..'Z', either case); empty when that
    // letter names no volume.
    static std::string folderOf(int driveLetter);

    // The mount points of removable disks in a mount table's text (the
    // format of /proc/self/mounts), sorted. removable tells whether a
    // device node ("/dev/sdb1") is on a removable disk.
    template <typename IsRemovable>
    static std::vector<std::string> mountedRemovable(const std::string& mountTable, IsRemovable removable);
    // Decodes the octal escapes of a mount table field ("\040" for a space).
    static std::string unescapeMountField(const std::string& field);
    // Whether the disk of a block device node is removable, from sysfs.
    static bool isRemovableDevice(const std::string& deviceNode);
    // The numbered folders below a root, by number.
    static std::vector<std::string> numberedFolders(const std::string& root);
};

} // namespace firmware
} // namespace lumtar

#include <algorithm>
#include <sstream>

namespace lumtar {
namespace firmware {

template <typename IsRemovable>
std::vector<std::string> RemovableVolumes::mountedRemovable(const std::string& mountTable, IsRemovable removable)
{
    std::vector<std::string> out;
    std::istringstream lines(mountTable);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string device, mountPoint;
        if (!(fields >> device >> mountPoint) || device.compare(0, 5, "/dev/") != 0)
            continue;
        mountPoint = unescapeMountField(mountPoint);
        if (removable(unescapeMountField(device)) && std::find(out.begin(), out.end(), mountPoint) == out.end())
            out.push_back(mountPoint);
    }
    std::sort(out.begin(), out.end());
    return out;
}

} // namespace firmware
} // namespace lumtar

#endif
