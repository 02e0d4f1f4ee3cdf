// Faults a test can inject into one simulated keyboard.
#ifndef LUMTAR_SIM_FAULTS_H
#define LUMTAR_SIM_FAULTS_H

namespace lumtar {
namespace sim {

struct SimFaults {
    // Macro-report acknowledgements (0x19) to leave out: the next n are not
    // sent; -1 leaves out every one.
    int dropAcks = 0;
    // >= 0: only macro reports from this one on (slot * 5 + packet) lose
    // their acknowledgements to dropAcks; earlier ones are acknowledged.
    int dropAcksFromReport = -1;
    // Extra delay of every acknowledgement (0x19), in ms.
    int ackDelayMs = 0;
    // Extra delay of every other reply, in ms (late replies); in the update
    // mode, of every answer (a slow bootloader).
    int replyDelayMs = 0;
    // Length of the serial number the keyboard reports: -1 the full 32
    // characters, 0 an empty one, n the first n characters.
    int serialLength = -1;
    // The side-light mode list inquiry (0x01) goes unanswered.
    bool noSideLightList = false;
    // > 0: every read delivers only this many bytes of the report.
    int shortReadBytes = 0;
    // >= 0: the keyboard accepts this many more output reports, then drops
    // off the bus: the next write fails and the device is gone.
    int vanishAfterWrites = -1;
    // Opening the device fails, as for a user without permission to it.
    bool openRefused = false;
    // Key calibration (one key or all keys) fails at once: status 2.
    bool failCalibration = false;

    // In the update mode (HID bootloader or update volume):
    // Image writes to refuse: the next n are refused; -1 refuses every one.
    int refuseImages = 0;
    // >= 0: the image block of this number arrives with a byte changed, in
    // every write (a bad cable); an update volume gets every image damaged.
    int corruptBlock = -1;
    // >= 0: the device takes this many more reports, then answers nothing
    // (it stays attached).
    int silentAfterReports = -1;
    // >= 0: the device drops off the bus once it received this many image
    // bytes, as when unplugged mid-write; replug() brings it back.
    int vanishAfterImageBytes = -1;
};

} // namespace sim
} // namespace lumtar

#endif
