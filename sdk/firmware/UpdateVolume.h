// A keyboard of the .ufw family in its update mode shows up as a small
// removable volume. The files on it are our protocol (README.md): the
// keyboard's identity file, the image the host puts there, and the
// keyboard's verdict. Shared by the firmware library and the simulated
// keyboard.
#ifndef LUMTAR_UPDATE_VOLUME_H
#define LUMTAR_UPDATE_VOLUME_H

#include <string>

namespace lumtar {
namespace firmware {

class VolumeDirectory;

namespace volume {

constexpr const char* kIdentityFile = "UPDATE.INF";
constexpr const char* kImageFile = "FIRMWARE.UFW";
// The image is written under this name and renamed when complete.
constexpr const char* kPartialImageFile = "FIRMWARE.TMP";
constexpr const char* kVerdictFile = "RESULT.TXT";

// Verdict codes of the keyboard (0: written and verified).
enum Verdict { kVerdictOk = 0, kVerdictMalformed = 1, kVerdictWrongModel = 2, kVerdictRefused = 9 };

struct Identity {
    std::string model;   // at most 15 characters
    std::string version; // the running firmware's, "V103"
};

// Where the simulated keyboards of this process present their volumes:
// "$XDG_RUNTIME_DIR/lumtar-sim-<pid>" ("/tmp/..." without the variable).
// One folder per process, so parallel test runs never meet.
std::string simulatedVolumeRoot();

// The files are reached through the volume's folder held open (never
// through a link, never anything but a regular file); the functions taking
// a folder's path open it for the one call.

// 0; -1 when the volume holds no identity file; -2 when it cannot be read
// or is malformed; -3 when something else than a regular file lies under
// its name.
int readIdentity(const VolumeDirectory& volume, Identity* out);
int readIdentity(const std::string& folder, Identity* out);
bool writeIdentity(const std::string& folder, const Identity& identity);
// 1 with *code set when a verdict is there, 0 when none yet, -1 when it is
// malformed, -3 when something else than a regular file lies under its name.
int readVerdict(const VolumeDirectory& volume, int* code);
int readVerdict(const std::string& folder, int* code);
// Written whole under a temporary name, then renamed.
bool writeVerdict(const std::string& folder, int code);

// The first of our file names on the volume under which something else than
// a regular file lies (a link, a FIFO, a folder...), or null when there is
// none: a volume with one is not a keyboard's and is refused whole.
const char* foreignEntry(const VolumeDirectory& volume);

} // namespace volume
} // namespace firmware
} // namespace lumtar

#endif
