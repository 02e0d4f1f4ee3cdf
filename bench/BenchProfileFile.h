// The profile file the store benchmarks work on: 10 profiles x 132 keys,
// each key bound to a macro whose copy (6 events) the profile holds,
// written in the store's own layout (sdk/store/README.md).
#ifndef BENCHPROFILEFILE_H
#define BENCHPROFILEFILE_H

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace bench {

constexpr int kProfiles = 10;
constexpr int kKeys = 132;
constexpr int kEventsPerMacro = 6;

inline std::string fullProfileFileText()
{
    std::string x = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<lumtarStore version=\"1\" currentProfile=\"1\">\n";
    for (int p = 1; p <= kProfiles; ++p) {
        x += "  <profile index=\"" + std::to_string(p) + "\" name=\"Profile" + std::to_string(p) + "\">\n    <keys>\n";
        for (int k = 0; k < kKeys; ++k)
            x += "      <key code=\"" + std::to_string(k + 1) + "\" name=\"Key" + std::to_string(k + 1)
                 + "\" type=\"1\" count=\"1\" mode=\"1\" value=\"" + std::to_string(k + 1) + "\" />\n";
        x += "    </keys>\n    <macros>\n";
        for (int k = 0; k < kKeys; ++k) {
            x += "      <macro index=\"" + std::to_string(k + 1) + "\" name=\"Macro" + std::to_string(k + 1) + "\">\n";
            for (int e = 0; e < kEventsPerMacro; ++e)
                x += "        <event mark=\"" + std::to_string(e / 2) + "\" delay=\"25\" type=\"key\" keyCode=\""
                     + std::to_string(4 + e / 2) + "\" codeName=\"A\" operateExplain=\"" + (e % 2 ? "up" : "down")
                     + "\" />\n";
            x += "      </macro>\n";
        }
        x += "    </macros>\n  </profile>\n";
    }
    x += "</lumtarStore>\n";
    return x;
}

inline void writeFullProfileFile(const std::string &path)
{
    std::ofstream(path, std::ios::binary) << fullProfileFileText();
}

// The folder a benchmark works in: the one given as its first argument, or
// a new one below /tmp that removeBenchFolder takes away again. Empty when
// none could be made.
inline std::string benchFolder(int argc, char **argv)
{
    if (argc > 1)
        return argv[1];
    char templ[] = "/tmp/lumtar-bench-XXXXXX";
    if (!mkdtemp(templ)) {
        std::perror("mkdtemp");
        return std::string();
    }
    return templ;
}

inline void removeBenchFolder(int argc, const std::string &folder)
{
    if (argc <= 1)
        rmdir(folder.c_str());
}

} // namespace bench

#endif
