#include "kernel/HidrawNodes.h"

#include <chrono>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace HidrawNodes {

namespace {

// A sysfs file; empty when it cannot be read (the device may be going away
// while we look).
std::string readSysFile(const std::string &path)
{
    std::string text;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return text;
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<size_t>(n));
    ::close(fd);
    return text;
}

template <typename Done>
bool poll(int timeoutMs, Done done)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

} // namespace

std::string find(const Match &match, std::string *sysPath)
{
    std::string found;
    if (DIR *dir = ::opendir("/sys/class/hidraw")) {
        while (dirent *e = ::readdir(dir)) {
            const std::string node = e->d_name;
            if (node.compare(0, 6, "hidraw") != 0)
                continue;
            const std::string sys = "/sys/class/hidraw/" + node;
            char device[PATH_MAX] = {};
            if (::realpath((sys + "/device").c_str(), device) && match(readSysFile(sys + "/device/uevent"), device))
                found = node;
        }
        ::closedir(dir);
    }
    if (found.empty())
        return {};
    if (sysPath)
        *sysPath = "/sys/class/hidraw/" + found;
    return "/dev/" + found;
}

std::string waitFor(const Match &match, int timeoutMs, std::string *sysPath)
{
    std::string node;
    // The node in /dev may come a moment after the sysfs entry.
    poll(timeoutMs, [&] {
        node = find(match, sysPath);
        return !node.empty() && ::access(node.c_str(), F_OK) == 0;
    });
    return ::access(node.c_str(), F_OK) == 0 ? node : std::string();
}

bool waitUntilGone(const Match &match, int timeoutMs)
{
    return poll(timeoutMs, [&] { return find(match).empty(); });
}

} // namespace HidrawNodes
