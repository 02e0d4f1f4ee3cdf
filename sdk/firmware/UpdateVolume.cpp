#include "sdk/firmware/UpdateVolume.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace lumtar {
namespace firmware {
namespace volume {

namespace {

constexpr size_t kMaxFileSize = 256;

// The whole of a small file; false when missing (errno ENOENT) or larger.
bool readSmallFile(const std::string& path, std::string* out, bool* missing)
{
    *missing = false;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *missing = errno == ENOENT;
        return false;
    }
    std::string text(kMaxFileSize + 1, '\0');
    in.read(&text[0], static_cast<std::streamsize>(text.size()));
    const size_t n = static_cast<size_t>(in.gcount());
    if (n > kMaxFileSize)
        return false;
    text.resize(n);
    *out = text;
    return true;
}

bool writeWhole(const std::string& path, const std::string& text)
{
    const std::string partial = path + ".part";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out << text;
        out.flush();
        if (!out)
            return false;
    }
    return std::rename(partial.c_str(), path.c_str()) == 0;
}

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

int readIdentity(const std::string& folder, Identity* out)
{
    std::string text;
    bool missing = false;
    if (!readSmallFile(folder + "/" + kIdentityFile, &text, &missing))
        return missing ? -1 : -2;
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

bool writeIdentity(const std::string& folder, const Identity& identity)
{
    return writeWhole(folder + "/" + kIdentityFile, "model=" + identity.model + "\nversion=" + identity.version + "\n");
}

int readVerdict(const std::string& folder, int* code)
{
    std::string text;
    bool missing = false;
    if (!readSmallFile(folder + "/" + kVerdictFile, &text, &missing))
        return missing ? 0 : -1;
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

bool writeVerdict(const std::string& folder, int code)
{
    return writeWhole(folder + "/" + kVerdictFile, code == kVerdictOk ? std::string("OK\n")
                                                                       : "ERROR " + std::to_string(code) + "\n");
}

} // namespace volume
} // namespace firmware
} // namespace lumtar
