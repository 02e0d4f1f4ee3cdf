#include "sdk/sim/SimStateFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace lumtar {
namespace sim {

namespace {

std::string hexOf(const uint8_t* bytes, size_t count)
{
    static const char kHex[] = "0123456789abcdef";
    std::string s;
    s.reserve(count * 2);
    for (size_t i = 0; i < count; ++i) {
        s.push_back(kHex[bytes[i] >> 4]);
        s.push_back(kHex[bytes[i] & 0x0f]);
    }
    return s;
}

int nibble(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads exactly count bytes of hexadecimal text; false leaves out untouched.
bool bytesOf(const std::string& text, uint8_t* out, size_t count)
{
    if (text.size() != count * 2)
        return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (nibble(text[i]) < 0)
            return false;
    for (size_t i = 0; i < count; ++i)
        out[i] = static_cast<uint8_t>(nibble(text[2 * i]) * 16 + nibble(text[2 * i + 1]));
    return true;
}

bool makeFolders(const std::string& folder)
{
    for (size_t at = 1; at <= folder.size(); ++at) {
        if (at == folder.size() || folder[at] == '/') {
            const std::string part = folder.substr(0, at);
            if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
                return false;
        }
    }
    return true;
}

} // namespace

std::string SimStateFile::pathFor(const std::string& name, int n)
{
    std::string data;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/')
        data = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        data = std::string(home) + "/.local/share";
    else
        return {};
    std::string file;
    for (char c : name)
        file.push_back((c == '/' || c == '.') ? '_' : c);
    return data + "/lumtar/simulated/" + file + "-" + std::to_string(n) + ".state";
}

bool SimStateFile::load(const std::string& path, SimKeyboardState& state)
{
    std::ifstream in(path);
    if (!in)
        return false;
    std::string line;
    while (std::getline(in, line)) {
        const size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        const std::string key = line.substr(0, eq);
        const std::string value = line.substr(eq + 1);
        if (key == "serial") {
            if (!value.empty() && value.size() <= 32)
                state.serialNumber = value;
        } else if (key == "keyboardLight") {
            bytesOf(value, state.keyboardLight.data(), state.keyboardLight.size());
        } else if (key == "sideLight") {
            bytesOf(value, state.sideLight.data(), state.sideLight.size());
        } else if (key == "customSlot0") {
            bytesOf(value, state.customSlots[0].data(), state.customSlots[0].size());
        } else if (key == "customSlot1") {
            bytesOf(value, state.customSlots[1].data(), state.customSlots[1].size());
        }
    }
    return true;
}

bool SimStateFile::save(const std::string& path, const SimKeyboardState& state)
{
    const size_t slash = path.rfind('/');
    if (path.empty() || slash == std::string::npos || !makeFolders(path.substr(0, slash)))
        return false;
    std::ostringstream text;
    text << "serial=" << state.serialNumber << "\n"
         << "keyboardLight=" << hexOf(state.keyboardLight.data(), state.keyboardLight.size()) << "\n"
         << "sideLight=" << hexOf(state.sideLight.data(), state.sideLight.size()) << "\n"
         << "customSlot0=" << hexOf(state.customSlots[0].data(), state.customSlots[0].size()) << "\n"
         << "customSlot1=" << hexOf(state.customSlots[1].data(), state.customSlots[1].size()) << "\n";
    const std::string temporary = path + ".new";
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << text.str();
        out.flush();
        if (!out)
            return false;
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

bool SimStateFile::changesKeptState(const uint8_t* report)
{
    const uint8_t command = report[1];
    const uint8_t sub = report[2];
    return ((command == 0x06 || command == 0x07) && sub == 0) || (command == 0x08 && sub <= 1) || command == 0x15;
}

} // namespace sim
} // namespace lumtar
