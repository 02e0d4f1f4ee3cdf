// Facts about the machine for the start-up log, read from the kernel.
#ifndef SYSTEMINFO_H
#define SYSTEMINFO_H

#include <QString>

namespace SystemInfo {

struct Memory {
    double availableBytes = 0;
    double totalBytes = 0;
};

// The processor's model name ("model name" of /proc/cpuinfo); empty when unknown.
QString processorName();
// Available and total physical memory (/proc/meminfo).
Memory physicalMemory();
// The bitness of this process: 64 or 32.
int processBits();

// Parsers behind the two readers, for files of the same format.
QString processorNameFrom(const QString &cpuinfo);
Memory physicalMemoryFrom(const QString &meminfo);

} // namespace SystemInfo

#endif
