#include "sdk/firmware/RemovableVolumes.h"

#include "sdk/firmware/UpdateVolume.h"

#include <dirent.h>
#include <fstream>
#include <iterator>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>

namespace lumtar {
namespace firmware {

namespace {

std::string readFirstLine(const std::string& path)
{
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

std::string resolved(const std::string& path)
{
    char buf[PATH_MAX];
    return realpath(path.c_str(), buf) ? std::string(buf) : std::string();
}

std::string baseName(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

std::string RemovableVolumes::unescapeMountField(const std::string& field)
{
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && field[i + 1] >= '0' && field[i + 1] <= '3'
            && field[i + 2] >= '0' && field[i + 2] <= '7' && field[i + 3] >= '0' && field[i + 3] <= '7') {
            out.push_back(static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0')));
            i += 3;
        } else {
            out.push_back(field[i]);
        }
    }
    return out;
}

bool RemovableVolumes::isRemovableDevice(const std::string& deviceNode)
{
    const std::string node = resolved(deviceNode);
    if (node.empty())
        return false;
    const std::string sys = resolved("/sys/class/block/" + baseName(node));
    if (sys.empty())
        return false;
    // A partition's disk is the folder above it.
    struct stat st;
    const std::string disk = stat((sys + "/partition").c_str(), &st) == 0 ? sys.substr(0, sys.rfind('/')) : sys;
    return readFirstLine(disk + "/removable") == "1";
}

std::vector<std::string> RemovableVolumes::numberedFolders(const std::string& root)
{
    std::vector<std::pair<long, std::string>> found;
    if (DIR* dir = opendir(root.c_str())) {
        while (const dirent* e = readdir(dir)) {
            const std::string name = e->d_name;
            if (name.empty() || name.size() > 9 || name.find_first_not_of("0123456789") != std::string::npos)
                continue;
            const std::string path = root + "/" + name;
            // A link is no volume: only a folder of its own.
            struct stat st;
            if (lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
                found.emplace_back(std::stol(name), path);
        }
        closedir(dir);
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> out;
    for (auto& f : found)
        out.push_back(std::move(f.second));
    return out;
}

std::vector<std::string> RemovableVolumes::list()
{
    std::ifstream in("/proc/self/mounts");
    std::string table((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> out = mountedRemovable(table, isRemovableDevice);
    for (std::string& f : numberedFolders(volume::simulatedVolumeRoot()))
        out.push_back(std::move(f));
    if (out.size() > kLetters)
        out.resize(kLetters);
    return out;
}

std::string RemovableVolumes::folderOf(int driveLetter)
{
    int index = -1;
    if (driveLetter >= 'A' && driveLetter <= 'Z')
        index = driveLetter - 'A';
    else if (driveLetter >= 'a' && driveLetter <= 'z')
        index = driveLetter - 'a';
    if (index < 0)
        return {};
    const std::vector<std::string> volumes = list();
    return static_cast<size_t>(index) < volumes.size() ? volumes[static_cast<size_t>(index)] : std::string();
}

} // namespace firmware
} // namespace lumtar
