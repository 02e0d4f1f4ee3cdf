// What the kernel tests share in the small virtual machine of
// tools/kernel-vm.sh: the device nodes they need, waiting with the event
// loop running, plugging a keyboard of the device table, and the generated
// udev rule put among the guest's rules and asked about through udevadm.
#ifndef KERNELGUEST_H
#define KERNELGUEST_H

#include "kernel/KernelKeyboard.h"

#include <QString>
#include <QStringList>
#include <QTest>

#include <functional>
#include <memory>
#include <string>

namespace KernelGuest {

// Whether the test may read and write every one of `nodes` ("/dev/uhid").
bool haveNodes(const QStringList &nodes);

// Runs the event loop until done() holds; false after timeoutMs.
bool waitFor(const std::function<bool()> &done, int timeoutMs);

// A keyboard of the model plugged and its report node made; null (with a
// warning) when it could not be.
std::unique_ptr<KernelKeyboard> plugKeyboard(const char *model, const std::string &serial,
                                             KernelKeyboard::Bus bus = KernelKeyboard::Bus::Uhid);

// Copies the generated rule (LUMTAR_BIN_DIR/70-lumtar.rules) into the
// guest's /run/udev/rules.d; `rules` receives the path copied from.
bool installUdevRule(QString *rules);

// What "udevadm test" says of a device of the sysfs path.
struct UdevTest
{
    bool finished = false;
    int exitCode = -1;
    QString output;
    // The lines that tell: the rule files read, what they did with tags,
    // the tags; after the sysfs path.
    QString summary;
    // CURRENT_TAGS holds uaccess (TAGS keeps the tags of an earlier device
    // on the same node number; CURRENT_TAGS are this event's).
    bool uaccess = false;
};
UdevTest udevTest(const QString &sysPath);

} // namespace KernelGuest

// Skips the test function where the nodes it needs are missing, naming the
// CTest test that runs it inside the virtual machine.
#define KERNEL_GUEST_REQUIRE(nodes, ctestName)                                                                 \
    do {                                                                                                      \
        if (!KernelGuest::haveNodes(nodes))                                                                   \
            QSKIP(qPrintable(QStringLiteral("needs %1: run through tools/kernel-vm.sh (CTest: %2)")           \
                                 .arg((nodes).join(QStringLiteral(" and ")), QStringLiteral(ctestName))));    \
    } while (false)

#endif
