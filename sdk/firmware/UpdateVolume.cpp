#include "sdk/firmware/UpdateVolume.h"

#include "sdk/firmware/VolumeDirectory.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <unistd.h>

namespace lumtar {
namespace firmware {
namespace volume {

namespace {

constexpr size_t kMaxFileSize = 256;

bool printableWord(const std::string& s, size_t maxLength)
{
    if (s.empty() || s.size() > maxLength)
        return false;
    for (char c : s)
        if (static_cast<unsigned char>(c) < 0x21 || static_cast<unsigned char>(c) > 0x7E)
            return false;
    return true;
}

} // namespace

std::string simulatedVolumeRoot()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string base = runtime && *runtime ? runtime : "/tmp";
    return base + "/lumtar-sim-" + std::to_string(static_cast<long>(getpid()));
}

int readIdentity(const VolumeDirectory& volume, Identity* out)
{
    std::string text;
    switch (volume.readSmall(kIdentityFile, kMaxFileSize, &text)) {
    case VolumeDirectory::Read::Ok:
        break;
    case VolumeDirectory::Read::Missing:
        return -1;
    case VolumeDirectory::Read::NotRegular:
        return -3;
    default:
        return -2;
    }
    Identity id;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const size_t eq = line.find('=');
        if (eq == std::string::npos)
            return -2;
        const std::string key = line.substr(0, eq);
        const std::string value = line.substr(eq + 1);
        if (key == "model")
            id.model = value;
        else if (key == "version")
            id.version = value;
        else
            return -2;
    }
    if (!printableWord(id.model, 15) || !printableWord(id.version, 4))
        return -2;
    if (out)
        *out = id;
    return 0;
}

int readIdentity(const std::string& folder, Identity* out)
{
    const VolumeDirectory volume(folder);
    return volume.isOpen() ? readIdentity(volume, out) : -1;
}

bool writeIdentity(const std::string& folder, const Identity& identity)
{
    const VolumeDirectory volume(folder);
    return volume.isOpen()
        && volume.writeAtomically(kIdentityFile, "model=" + identity.model + "\nversion=" + identity.version + "\n");
}

int readVerdict(const VolumeDirectory& volume, int* code)
{
    std::string text;
    switch (volume.readSmall(kVerdictFile, kMaxFileSize, &text)) {
    case VolumeDirectory::Read::Ok:
        break;
    case VolumeDirectory::Read::Missing:
        return 0;
    case VolumeDirectory::Read::NotRegular:
        return -3;
    default:
        return -1;
    }
    if (text == "OK\n") {
        *code = kVerdictOk;
        return 1;
    }
    int n = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "ERROR %d%c", &n, &tail) == 2 && tail == '\n' && n > 0 && n < 100) {
        *code = n;
        return 1;
    }
    return -1;
}

int readVerdict(const std::string& folder, int* code)
{
    const VolumeDirectory volume(folder);
    return volume.isOpen() ? readVerdict(volume, code) : -1;
}

bool writeVerdict(const std::string& folder, int code)
{
    const VolumeDirectory volume(folder);
    return volume.isOpen()
        && volume.writeAtomically(kVerdictFile, code == kVerdictOk ? std::string("OK\n")
                                                                    : "ERROR " + std::to_string(code) + "\n");
}

const char* foreignEntry(const VolumeDirectory& volume)
{
    for (const char* name : { kIdentityFile, kImageFile, kPartialImageFile, kVerdictFile }) {
        const VolumeDirectory::Entry e = volume.entry(name);
        if (e == VolumeDirectory::Entry::Other || e == VolumeDirectory::Entry::Error)
            return name;
    }
    return nullptr;
}

} // namespace volume
} // namespace firmware
} // namespace lumtar
